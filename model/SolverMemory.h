#pragma once

#include <cstddef>

// Zeroed memory for the solver's table, taken from the system directly: doubling it copies
// nothing and needs no second block beside it, and memory let go goes back to the system at
// once, where memory from the allocator would stay in the solver thread's arena.
class SolverMemory {
public:
    SolverMemory() = default;
    ~SolverMemory();
    SolverMemory(const SolverMemory&) = delete;
    SolverMemory& operator=(const SolverMemory&) = delete;

    // Grows to the given size, keeping what it holds, the rest zeroed; false when the
    // system has no room, and then it holds what it held.
    bool Grow(std::size_t bytes);

    void* data() const { return m_data; }

private:
    void* m_data = nullptr;
    std::size_t m_bytes = 0;
};
