#pragma once

#include "SolverMemory.h"
#include "SolverPosition.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace Solver {

// Deeper lines are not followed (the recursion stays within a thread's stack); a loss
// that needed one fails its check.
inline constexpr int32_t MaxDepth = 1000;
// A bound on moves that no position has: not known yet.
inline constexpr uint32_t NoBound = UINT32_MAX;

// What the search found of the positions it looked at, looked up by position. Four
// entries share a slot of one cache line; an entry goes to its own slot or the one beside. The table starts
// small and doubles while its memory allows, so a search that needs few positions holds
// little; then a new entry takes the place of the one in its slots that took the least
// search to find.
class Table {
public:
    struct Entry {
        // The cells left, and above them what is proved of the position: no way clears it
        // in fewer than low moves, and the way that starts with the move clears it in at
        // most high, whatever the enemies do.
        //
        // A position with no cells left is never searched, as it is cleared; an entry with
        // none holds what is proved of the chase alone from the key, whatever is left to
        // visit: the player can pass at least low chase moves uncaught, and is surely caught
        // at one of the first high.
        uint64_t cells = 0;
        uint64_t word = 0; // the key, the move, the work and the marks; 0 when empty

        static constexpr uint64_t CellsMask = (uint64_t{1} << MaxCells) - 1;
        static constexpr int32_t LowShift = MaxCells;
        static constexpr int32_t HighShift = LowShift + 12;
        static constexpr uint32_t BoundMask = 4095;
        static_assert(HighShift + 12 <= 64);
        // A low bound that no way ever reaches: the position is lost.
        static constexpr uint32_t Never = BoundMask - 1;

        uint64_t toVisit() const { return cells & CellsMask; }
        uint64_t key() const { return word & KeyMask; }
        uint32_t low() const { return static_cast<uint32_t>(cells >> LowShift & BoundMask); }
        uint32_t high() const
        {
            const auto h = static_cast<uint32_t>(cells >> HighShift & BoundMask);
            return h == BoundMask ? NoBound : h;
        }
        bool Won() const { return high() != NoBound; }
        bool Unclearable() const { return low() == Never; }
        // Written down for good: a way to clear, whose moves lead from entry to entry.
        bool Kept() const { return Won() && toVisit() != 0; }
        // Lost as far as the search knows: found so and not doubted, or proved so.
        bool Lost() const { return !Won() && ((word & (LostMark | DoubtedMark)) == LostMark || Unclearable()); }
        int32_t move() const { return static_cast<int32_t>(word >> MoveShift & CellMask); }
        uint64_t work() const { return word >> WorkShift & WorkMask; }
        uint64_t worth() const { return Kept() ? WorkMask + 1 : work(); }

        // A bound too high to hold is held lower: a bound below still holds.
        void RaiseLow(uint32_t moves)
        {
            moves = std::min(moves, BoundMask - 1);
            if (moves > low())
                cells = (cells & ~(uint64_t{BoundMask} << LowShift)) | uint64_t{moves} << LowShift;
        }
        // Whether the way could be written down: one too long to hold is not.
        bool SetWin(int32_t cell, uint32_t moves)
        {
            if (moves >= BoundMask)
                return false;
            word = (word & ~(CellMask << MoveShift | LostMark | DoubtedMark)) | uint64_t(cell) << MoveShift;
            LowerHigh(moves);
            return true;
        }
        void LowerHigh(uint32_t moves)
        {
            if (moves < high())
                cells = (cells & ~(uint64_t{BoundMask} << HighShift)) | uint64_t{moves} << HighShift;
        }
    };

    Entry* Find(uint64_t toVisit, uint64_t key)
    {
        if (count == 0)
            return nullptr;
        const size_t slot = Slot(toVisit, key);
        for (const size_t s : {slot, slot ^ 1}) {
            for (Entry& e : slots[s].entries) {
                if (e.word != 0 && e.toVisit() == toVisit && e.key() == key)
                    return &e;
            }
        }
        return nullptr;
    }

    // The position's entry, made if it has none yet; nullptr when there is no room for it.
    // work: about how many positions the search took to find what it holds, as a power of
    // two; a new entry takes the place only of one that took less.
    Entry* Hold(uint64_t toVisit, uint64_t key, int32_t work, std::size_t limit)
    {
        const uint64_t worked = uint64_t(std::min<int32_t>(work, WorkMask));
        Entry* e = Find(toVisit, key);
        if (!e) {
            const Entry entry{toVisit | uint64_t{Entry::BoundMask} << Entry::HighShift,
                              key | UsedMark | worked << WorkShift};
            // A full slot is made room for while the memory allows.
            while (!(e = Place(entry))) {
                if (!Grow(limit))
                    return Replace(entry);
            }
        } else if (e->work() < worked) {
            e->word = (e->word & ~(WorkMask << WorkShift)) | worked << WorkShift;
        }
        return e;
    }

    std::size_t bytes() const { return count * sizeof(Bucket); }
    // The most the table held at once.
    std::size_t peakBytes() const { return peak; }

private:
    static constexpr int Ways = 4;
    struct alignas(64) Bucket {
        std::array<Entry, Ways> entries;
    };

    size_t Slot(uint64_t toVisit, uint64_t key) const
    {
        // Mixed through, as the cells left and the key differ mostly in their low bits.
        uint64_t h = toVisit ^ (key + 0x632BE59BD9B4E019u) * 0x9E3779B97F4A7C15u;
        h = (h ^ h >> 32) * 0xD6E8FEB86659FD93u;
        h = (h ^ h >> 32) * 0xD6E8FEB86659FD93u;
        return static_cast<size_t>(h ^ h >> 32) & mask;
    }

    // Takes an empty place in the entry's slot or the one beside it, if there is one.
    Entry* Place(const Entry& entry)
    {
        if (count == 0)
            return nullptr;
        const size_t slot = Slot(entry.toVisit(), entry.key());
        for (const size_t s : {slot, slot ^ 1}) {
            for (Entry& e : slots[s].entries) {
                if (e.word == 0) {
                    e = entry;
                    return &e;
                }
            }
        }
        return nullptr;
    }

    // Gives the entry the place of the one in its slots that is worth least, unless that
    // is worth more; a way to clear keeps its place, so the moves written down always lead
    // on to a clear.
    Entry* Replace(const Entry& entry)
    {
        const size_t slot = Slot(entry.toVisit(), entry.key());
        Entry* cheapest = nullptr;
        for (const size_t s : {slot, slot ^ 1}) {
            for (Entry& e : slots[s].entries) {
                if (!e.Kept() && (!cheapest || e.worth() < cheapest->worth()))
                    cheapest = &e;
            }
        }
        if (!cheapest || cheapest->worth() > entry.worth())
            return nullptr;
        *cheapest = entry;
        return cheapest;
    }

    // Doubles the table, if the memory allows; false when it does not. An entry's slot in
    // the larger table is its old one or the one as far beyond in the new half; those that
    // go there move, and the two slots they may take in the new half are filled only from
    // the two they leave, so there is always room.
    bool Grow(std::size_t limit)
    {
        const size_t old = count;
        const size_t size = old == 0 ? 1u << 10 : old * 2;
        static_assert(sizeof(Bucket) == 64);
        if (size * sizeof(Bucket) > limit || !memory.Grow(size * sizeof(Bucket), limit))
            return false;
        slots = static_cast<Bucket*>(memory.data());
        count = size;
        mask = size - 1;
        peak = std::max(peak, bytes());
        for (size_t s = 0; s < old; ++s) {
            for (Entry& e : slots[s].entries) {
                const size_t home = Slot(e.toVisit(), e.key());
                if (e.word != 0 && home != s && (home ^ 1) != s)
                    Place(std::exchange(e, Entry{}));
            }
        }
        return true;
    }

    SolverMemory memory;
    Bucket* slots = nullptr;
    size_t count = 0;
    size_t mask = 0;
    std::size_t peak = 0;
};

// The positions on the line being searched. They leave in the reverse order of their
// coming, so a slot can simply be emptied: no position still there was placed past it.
class Line {
public:
    bool Holds(uint64_t toVisit, uint64_t key) const
    {
        for (size_t i = Slot(toVisit, key);; i = (i + 1) & (Size - 1)) {
            if (!slots[i].used)
                return false;
            if (slots[i].toVisit == toVisit && slots[i].key == key)
                return true;
        }
    }

    size_t Add(uint64_t toVisit, uint64_t key)
    {
        size_t i = Slot(toVisit, key);
        while (slots[i].used)
            i = (i + 1) & (Size - 1);
        slots[i] = {toVisit, key, true};
        return i;
    }

    void Remove(size_t slot) { slots[slot].used = false; }

private:
    // A power of two, at most half full.
    static constexpr size_t Size = 2048;
    static_assert(Size >= 2 * MaxDepth);

    struct Entry {
        uint64_t toVisit = 0;
        uint64_t key = 0;
        bool used = false;
    };

    static size_t Slot(uint64_t toVisit, uint64_t key)
    {
        const uint64_t h = (toVisit ^ key * 0x9E3779B97F4A7C15u) * 0xD6E8FEB86659FD93u;
        return static_cast<size_t>(h >> 40) & (Size - 1);
    }

    std::vector<Entry> slots = std::vector<Entry>(Size);
};

} // namespace Solver
