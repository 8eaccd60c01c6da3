#ifndef COUNTSMALLOC_H
#define COUNTSMALLOC_H

// Counts allocations for the one test executable that includes this header:
// it replaces the global allocation functions and, on glibc's own allocator,
// interposes malloc, through which Qt's containers allocate. Sanitizers bring
// their own allocator, which must see every call (clang tells through
// __has_feature, gcc through its macros); there only operator new is counted.
#if defined(__has_feature)
#  if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#    define QZ_SANITIZED_ALLOCATOR
#  endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#  define QZ_SANITIZED_ALLOCATOR
#endif
#if defined(__GLIBC__) && !defined(QZ_SANITIZED_ALLOCATOR)
#  define QZ_COUNT_MALLOC
#endif

#include <atomic>
#include <cstdlib>
#include <new>

static std::atomic<long> allocations{ 0 };

#ifdef QZ_COUNT_MALLOC
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* p, std::size_t size);

void* malloc(std::size_t size) { return ++allocations, __libc_malloc(size); }
void* calloc(std::size_t count, std::size_t size) { return ++allocations, __libc_calloc(count, size); }
void* realloc(void* p, std::size_t size) { return ++allocations, __libc_realloc(p, size); }
}
#endif

void* operator new(std::size_t size)
{
#ifndef QZ_COUNT_MALLOC
    ++allocations;
#endif
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

//! The number of allocations \a operation makes.
template <typename Operation>
long allocationsOf(Operation operation)
{
    const long before = allocations.load();
    operation();
    return allocations.load() - before;
}

#endif // COUNTSMALLOC_H
