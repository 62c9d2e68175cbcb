#include "SolverMemory.h"

#include <algorithm>
#include <cstring>
#include <new>

#include <sys/mman.h>

namespace {

// Memory read all over is mapped in pages of 2 MB beyond this much: a step to a far entry
// then seldom misses the processor's cache of pages, and the memory comes in far fewer
// faults. The first few MB keep small pages, so what a light search holds is not rounded
// up to whole large pages.
constexpr std::size_t HugeFrom = std::size_t{4} << 20;

void AdviseHuge([[maybe_unused]] char* data, [[maybe_unused]] std::size_t bytes)
{
#ifdef MADV_HUGEPAGE
    if (bytes > HugeFrom)
        madvise(data + HugeFrom, bytes - HugeFrom, MADV_HUGEPAGE);
#endif
}

} // namespace

SolverMemory::~SolverMemory()
{
    if (m_data)
        munmap(m_data, m_room);
}

bool SolverMemory::Grow(std::size_t bytes, std::size_t room)
{
    room = std::max(room, bytes);
    if (!m_data || bytes > m_room) {
        void* mapped = mmap(nullptr, room, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
        if (mapped == MAP_FAILED)
            return false;
        if (m_data) {
            std::memcpy(mapped, m_data, m_bytes);
            munmap(m_data, m_room);
        }
        m_data = static_cast<char*>(mapped);
        m_room = room;
        AdviseHuge(m_data, m_room);
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
    AdviseHuge(static_cast<char*>(mapped), bytes);
    return mapped;
}

void UnmapMemory(void* data, std::size_t bytes)
{
    munmap(data, bytes);
}
