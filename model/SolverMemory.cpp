#include "SolverMemory.h"

#include <sys/mman.h>

SolverMemory::~SolverMemory()
{
    if (m_data)
        munmap(m_data, m_bytes);
}

bool SolverMemory::Grow(std::size_t bytes)
{
    // The pages are the system's until first written, so a mapping costs only what is used.
    void* grown = m_data ? mremap(m_data, m_bytes, bytes, MREMAP_MAYMOVE)
                         : mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (grown == MAP_FAILED)
        return false;
    m_data = grown;
    m_bytes = bytes;
    return true;
}
