// Global allocation functions with a size limit that the tests set; plain malloc and free underneath.
#include "AllocationLimit.h"

#include <cstdint>
#include <cstdlib>
#include <new>

namespace {

size_t largestAllowed = SIZE_MAX;

void* Allocate(size_t size)
{
    if (size > largestAllowed) return nullptr;
    return std::malloc(size ? size : 1);
}

void* AllocateOrThrow(size_t size)
{
    void* memory = Allocate(size);
    if (!memory) throw std::bad_alloc();
    return memory;
}

}  // namespace

AllocationLimit::AllocationLimit(size_t largestBytes) : previous(largestAllowed)
{
    largestAllowed = largestBytes;
}

AllocationLimit::~AllocationLimit()
{
    largestAllowed = previous;
}

void* operator new(size_t size)
{
    return AllocateOrThrow(size);
}
void* operator new[](size_t size)
{
    return AllocateOrThrow(size);
}
void* operator new(size_t size, const std::nothrow_t&) noexcept
{
    return Allocate(size);
}
void* operator new[](size_t size, const std::nothrow_t&) noexcept
{
    return Allocate(size);
}
void operator delete(void* memory) noexcept
{
    std::free(memory);
}
void operator delete[](void* memory) noexcept
{
    std::free(memory);
}
void operator delete(void* memory, size_t) noexcept
{
    std::free(memory);
}
void operator delete[](void* memory, size_t) noexcept
{
    std::free(memory);
}
void operator delete(void* memory, const std::nothrow_t&) noexcept
{
    std::free(memory);
}
void operator delete[](void* memory, const std::nothrow_t&) noexcept
{
    std::free(memory);
}
