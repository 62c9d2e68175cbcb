#include "SolverMemory.h"

#include <algorithm>
#include <new>

#include <sys/mman.h>

SolverMemory::~SolverMemory()
{
    if (m_data)
        munmap(m_data, m_room);
}

bool SolverMemory::Grow(std::size_t bytes, std::size_t room)
{
    room = std::max(room, bytes);
    if (!m_data || bytes > m_room) {
        void* mapped = m_data ? mremap(m_data, m_room, room, MREMAP_MAYMOVE)
                              : mmap(nullptr, room, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE,
                                     -1, 0);
        if (mapped == MAP_FAILED)
            return false;
        m_data = static_cast<char*>(mapped);
        m_room = room;
    }
    // The table is written all over at once, and one call that maps the new pages costs far
    // less than a fault at each; an older system without it faults them in one by one.
#ifdef MADV_POPULATE_WRITE
    madvise(m_data + m_bytes, bytes - m_bytes, MADV_POPULATE_WRITE);
#endif
    m_bytes = bytes;
    return true;
}

void* MapMemory(std::size_t bytes)
{
    void* mapped = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED)
        throw std::bad_alloc();
    return mapped;
}

void UnmapMemory(void* data, std::size_t bytes)
{
    munmap(data, bytes);
}
