// An invariant inside a fuzz target: when it does not hold, the run stops with its text as
// a crash would, so that libFuzzer keeps the input and the replay of that input fails.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace kol::fuzz {

[[noreturn]] inline void InvariantFailed(const char* condition, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: invariant does not hold: %s\n", file, line, condition);
  std::abort();
}

}  // namespace kol::fuzz

#define FUZZ_CHECK(condition) \
  ((condition) ? static_cast<void>(0) : ::kol::fuzz::InvariantFailed(#condition, __FILE__, __LINE__))
