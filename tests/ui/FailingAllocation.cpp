#include "GuardSweep.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<long> countdown{0};
std::atomic<std::size_t> failingFrom{SIZE_MAX};
std::atomic<bool> failed{false};

#ifdef __GLIBC__
extern "C" void* __libc_malloc(std::size_t size);
void* allocate(std::size_t size) { return __libc_malloc(size); }
#else
void* allocate(std::size_t size) { return std::malloc(size); }
#endif

bool fails(std::size_t size, bool counted)
{
    const bool now = size >= failingFrom || (counted && countdown.load() > 0 && --countdown == 0);
    failed = failed || now;
    return now;
}

} // namespace

void failAllocation(long n, std::size_t from)
{
    countdown = n;
    failingFrom = from;
    failed = false;
}

bool allocationFailed()
{
    countdown = 0;
    failingFrom = SIZE_MAX;
    return failed.exchange(false);
}

#ifdef __GLIBC__
extern "C" void* malloc(std::size_t size)
{
    return fails(size, false) ? nullptr : allocate(size);
}
#endif

void* operator new(std::size_t size)
{
    void* block = fails(size, true) ? nullptr : allocate(size == 0 ? 1 : size);
    return block ? block : throw std::bad_alloc();
}

void operator delete(void* block) noexcept
{
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept
{
    std::free(block);
}
