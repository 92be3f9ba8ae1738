// Makes every heap allocation of the test program larger than a limit fail, as in a 32-bit process whose
// address space is used up: the throwing forms throw std::bad_alloc, the nothrow forms give null.
// AllocationLimit.cpp replaces the program's global allocation functions; link it only where that is wanted.
#ifndef TUMBLERIDGE_ALLOCATIONLIMIT_H
#define TUMBLERIDGE_ALLOCATIONLIMIT_H

#include <cstddef>

// The limit holds for the life of the object.
class AllocationLimit {
public:
    explicit AllocationLimit(size_t largestBytes);
    ~AllocationLimit();

private:
    size_t previous;
};

#endif
