// What an operation costs the heap: the number of allocations the whole program made (the
// core's through operator new, Qt's texts through malloc: both end in malloc) and the bytes
// it holds in malloc's main arena. Include it in one file of a benchmark program only: it
// puts a counter in front of glibc's malloc, calloc and realloc.
#pragma once

#include <malloc.h>

#include <atomic>
#include <cstddef>
#include <cstdint>

extern "C" {
void* __libc_malloc(std::size_t size) noexcept;
void* __libc_calloc(std::size_t count, std::size_t size) noexcept;
void* __libc_realloc(void* block, std::size_t size) noexcept;
}

namespace kol::bench {

inline std::atomic<std::uint64_t> allocationsMade{0};

struct HeapState {
  std::uint64_t allocations = 0;  // malloc, calloc and realloc calls so far
  std::int64_t heldBytes = 0;     // bytes in use in malloc's main arena

  static HeapState Now() {
    return {allocationsMade.load(std::memory_order_relaxed),
            static_cast<std::int64_t>(::mallinfo2().uordblks)};
  }
};

}  // namespace kol::bench

extern "C" void* malloc(std::size_t size) noexcept {
  kol::bench::allocationsMade.fetch_add(1, std::memory_order_relaxed);
  return __libc_malloc(size);
}

extern "C" void* calloc(std::size_t count, std::size_t size) noexcept {
  kol::bench::allocationsMade.fetch_add(1, std::memory_order_relaxed);
  return __libc_calloc(count, size);
}

extern "C" void* realloc(void* block, std::size_t size) noexcept {
  kol::bench::allocationsMade.fetch_add(1, std::memory_order_relaxed);
  return __libc_realloc(block, size);
}
