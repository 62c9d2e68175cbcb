#pragma once

#include "SolverPosition.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace Solver {

// Deeper lines are not followed (the recursion stays within a thread's stack); a loss
// that needed one fails its check.
inline constexpr int32_t MaxDepth = 1000;

// What the search found of the positions it finished, looked up by position. Four
// entries share a slot of one cache line; an entry goes to its own slot or the one
// beside. The table grows while its memory allows; then a new entry takes the place of the
// one in its slots that took the least search to find.
class Table {
public:
    struct Entry {
        uint64_t left = 0;
        uint64_t word = 0; // the key, the move, the work and the marks; 0 when empty

        uint64_t key() const { return word & KeyMask; }
        bool Won() const { return (word & WonMark) != 0; }
        // Lost as far as the search knows: found so and not doubted.
        bool Lost() const { return (word & (LostMark | DoubtedMark)) == LostMark; }
        int32_t move() const { return static_cast<int32_t>(word >> MoveShift & CellMask); }
        uint64_t worth() const { return Won() ? WorkMask + 1 : word >> WorkShift & WorkMask; }
    };

    Entry* Find(uint64_t left, uint64_t key)
    {
        if (slots.empty())
            return nullptr;
        const size_t slot = Slot(left, key);
        for (const size_t s : {slot, slot ^ 1}) {
            for (Entry& e : slots[s].entries) {
                if (e.word != 0 && e.left == left && e.key() == key)
                    return &e;
            }
        }
        return nullptr;
    }

    // work: about how many positions the search took to find it, as a power of two.
    // Whether the entry was written.
    bool Store(uint64_t left, uint64_t key, uint64_t marks, int32_t move, int32_t work, std::size_t limit)
    {
        const Entry entry{left, key | marks | uint64_t(std::max(move, 0)) << MoveShift
                                    | uint64_t(std::min<int32_t>(work, WorkMask)) << WorkShift};
        if (Entry* e = Find(left, key)) {
            *e = entry;
            return true;
        }
        // A full slot is made room for while the memory allows.
        while (!Place(entry)) {
            if (!Grow(limit))
                return Replace(entry);
        }
        return true;
    }

    std::size_t bytes() const { return slots.size() * sizeof(Bucket); }

private:
    static constexpr int Ways = 4;
    struct alignas(64) Bucket {
        std::array<Entry, Ways> entries;
    };

    size_t Slot(uint64_t left, uint64_t key) const
    {
        uint64_t h = left * 0x9E3779B97F4A7C15u ^ (key + 0x632BE59BD9B4E019u) * 0xC2B2AE3D27D4EB4Fu;
        h ^= h >> 29;
        return static_cast<size_t>(h) & mask;
    }

    // Takes an empty place in the entry's slot or the one beside it, if there is one.
    bool Place(const Entry& entry)
    {
        if (slots.empty())
            return false;
        const size_t slot = Slot(entry.left, entry.key());
        for (const size_t s : {slot, slot ^ 1}) {
            for (Entry& e : slots[s].entries) {
                if (e.word == 0) {
                    e = entry;
                    return true;
                }
            }
        }
        return false;
    }

    // Gives the entry the place of the one in its slots that is worth least, unless that
    // is worth more; a won position keeps its place. Whether the entry was written.
    bool Replace(const Entry& entry)
    {
        const size_t slot = Slot(entry.left, entry.key());
        Entry* cheapest = nullptr;
        for (const size_t s : {slot, slot ^ 1}) {
            for (Entry& e : slots[s].entries) {
                if (!e.Won() && (!cheapest || e.worth() < cheapest->worth()))
                    cheapest = &e;
            }
        }
        if (!cheapest || cheapest->worth() > entry.worth())
            return false;
        *cheapest = entry;
        return true;
    }

    // Doubles the table, if the memory allows; false when it does not.
    bool Grow(std::size_t limit)
    {
        const size_t size = slots.empty() ? 1u << 12 : slots.size() * 2;
        static_assert(sizeof(Bucket) == 64);
        if (size * sizeof(Bucket) > limit)
            return false;
        std::vector<Bucket> old(size);
        old.swap(slots);
        mask = size - 1;
        for (const Bucket& bucket : old) {
            // Twice the room leaves next to no slot full, so a won position that finds none
            // is as rare as eight in one place.
            for (const Entry& e : bucket.entries) {
                if (e.word != 0 && !Place(e))
                    Replace(e);
            }
        }
        return true;
    }

    std::vector<Bucket> slots;
    size_t mask = 0;
};

// The positions on the line being searched. They leave in the reverse order of their
// coming, so a slot can simply be emptied: no position still there was placed past it.
class Line {
public:
    bool Holds(uint64_t left, uint64_t key) const
    {
        for (size_t i = Slot(left, key);; i = (i + 1) & (Size - 1)) {
            if (!slots[i].used)
                return false;
            if (slots[i].left == left && slots[i].key == key)
                return true;
        }
    }

    size_t Add(uint64_t left, uint64_t key)
    {
        size_t i = Slot(left, key);
        while (slots[i].used)
            i = (i + 1) & (Size - 1);
        slots[i] = {left, key, true};
        return i;
    }

    void Remove(size_t slot) { slots[slot].used = false; }

private:
    // A power of two, at most half full.
    static constexpr size_t Size = 2048;
    static_assert(Size >= 2 * MaxDepth);

    struct Entry {
        uint64_t left = 0;
        uint64_t key = 0;
        bool used = false;
    };

    static size_t Slot(uint64_t left, uint64_t key)
    {
        const uint64_t h = (left ^ key * 0x9E3779B97F4A7C15u) * 0xD6E8FEB86659FD93u;
        return static_cast<size_t>(h >> 40) & (Size - 1);
    }

    std::vector<Entry> slots = std::vector<Entry>(Size);
};

} // namespace Solver
