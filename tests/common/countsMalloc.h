#ifndef COUNTSMALLOC_H
#define COUNTSMALLOC_H

// Whether a test may interpose malloc to count allocations: only on glibc's
// own allocator. Sanitizers bring theirs, which must see every call (clang
// tells through __has_feature, gcc through its macros).
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

#endif // COUNTSMALLOC_H
