// The end of every benchmark program's main: runs the benchmarks its command line asks for.
#pragma once

#include <benchmark/benchmark.h>

namespace kol::bench {

// 1 for an option the benchmark library does not know, else 0 once they have run.
inline int RunBenchmarks(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace kol::bench
