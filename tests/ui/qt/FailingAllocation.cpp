// Memory running out, without gigabytes: while a test sets failingAllocation,
// every allocation of the program (the C++ one, not Qt's own malloc) from
// that size on fails with std::bad_alloc.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <new>

std::size_t failingAllocation = SIZE_MAX;

void* operator new(std::size_t size)
{
    if (size >= failingAllocation)
        throw std::bad_alloc();
    if (void* block = std::malloc(size == 0 ? 1 : size))
        return block;
    throw std::bad_alloc();
}

void operator delete(void* block) noexcept
{
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept
{
    std::free(block);
}
