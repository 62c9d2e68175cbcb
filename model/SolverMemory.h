#pragma once

#include <cstddef>

// Zeroed memory for the solver's table, taken from the system directly: room for all it may
// grow to is set aside at once, though only the part in use is ever taken, so doubling it
// copies nothing and needs no second block beside it; and memory let go goes back to the
// system at once, where memory from the allocator would stay in the solver thread's arena.
class SolverMemory {
public:
    SolverMemory() = default;
    ~SolverMemory();
    SolverMemory(const SolverMemory&) = delete;
    SolverMemory& operator=(const SolverMemory&) = delete;

    // Grows to the given size, keeping what it holds, the rest zeroed, with room set aside
    // to grow to the given room without moving; false when the system has no room, and
    // then it holds what it held.
    bool Grow(std::size_t bytes, std::size_t room);

    void* data() const { return m_data; }

private:
    char* m_data = nullptr;
    std::size_t m_bytes = 0;
    std::size_t m_room = 0;
};

// An allocator for the solver's larger lists that takes their memory from the system
// directly, for the same reason: what a finished search held goes back at once.
void* MapMemory(std::size_t bytes);
void UnmapMemory(void* data, std::size_t bytes);

template <typename T>
struct SystemAllocator {
    using value_type = T;
    SystemAllocator() = default;
    template <typename U>
    SystemAllocator(const SystemAllocator<U>&)
    {
    }
    T* allocate(std::size_t n) { return static_cast<T*>(MapMemory(n * sizeof(T))); }
    void deallocate(T* data, std::size_t n) { UnmapMemory(data, n * sizeof(T)); }
    template <typename U>
    bool operator==(const SystemAllocator<U>&) const
    {
        return true;
    }
};
