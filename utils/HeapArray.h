// An owned array on the heap that is allocated without throwing: a failed allocation leaves it empty and
// says so, so that a reader turns it into a failed load. No windows.h: used by the portable readers too.
#ifndef TUMBLERIDGE_HEAPARRAY_H
#define TUMBLERIDGE_HEAPARRAY_H

#include <cstddef>
#include <cstdint>
#include <new>

template <typename T>
class HeapArray {
public:
    HeapArray() : items(nullptr), count(0) {}
    ~HeapArray() { delete[] items; }

    // Replaces the contents by count value-initialised items; false (and empty) when the memory is not there.
    bool Allocate(size_t newCount)
    {
        delete[] items;
        items = nullptr;
        count = 0;
        if (newCount > SIZE_MAX / sizeof(T)) return false;
        items = new (std::nothrow) T[newCount]();
        if (!items) return false;
        count = newCount;
        return true;
    }

    T* data() { return items; }
    const T* data() const { return items; }
    size_t size() const { return count; }
    bool empty() const { return count == 0; }
    T& operator[](size_t i) { return items[i]; }
    const T& operator[](size_t i) const { return items[i]; }

private:
    T* items;
    size_t count;

    HeapArray(const HeapArray&);
    HeapArray& operator=(const HeapArray&);
};

#endif
