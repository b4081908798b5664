// Saving and opening a full settings file (about 900 sections): what the window's Save and
// Open cost before their 500 ms pause, and what the command line's convert costs, with the
// allocations each makes.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "files/dat_file.h"
#include "heap_counter.h"
#include "files/dat_text.h"
#include "files/section_table.h"
#include "model/default_document.h"

namespace {

// Runs the benchmark's loop and reports the allocations of one pass through it, and what
// each pass left held on the heap.
template <typename Body>
void CountingAllocations(benchmark::State& state, Body body) {
  const kol::bench::HeapState before = kol::bench::HeapState::Now();
  for (auto _ : state) body();
  const kol::bench::HeapState after = kol::bench::HeapState::Now();
  state.counters["allocations"] = benchmark::Counter(
      static_cast<double>(after.allocations - before.allocations), benchmark::Counter::kAvgIterations);
  state.counters["heap_growth_B"] = benchmark::Counter(
      static_cast<double>(after.heldBytes - before.heldBytes), benchmark::Counter::kAvgIterations);
}

class QuietPrompts final : public kol::Prompts {
 public:
  kol::MessageButton Show(const kol::Message& message) override { return message.defaultButton; }
};

class NoLog final : public kol::ErrorLog {
 public:
  void Write(std::string_view, std::string_view) override {}
};

class MapStore final : public kol::SettingsStore {
 public:
  std::string Read(std::string_view, std::string_view, std::string_view fallback) const override {
    return std::string(fallback);
  }
  void Write(std::string_view, std::string_view, std::string_view) override {}
};

// A document with every directory entry and EXP channel in use, in a folder of its own.
struct Fixture {
  QuietPrompts prompts;
  MapStore store;
  NoLog log;
  kol::SystemClock clock;
  kol::FileHost host{prompts, store, log, clock, 0};
  kol::Document document;
  std::filesystem::path folder;
  std::string path;

  Fixture() {
    folder = std::filesystem::temp_directory_path() /
             ("kolprog-dat-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    path = (folder / "full.dat").string();
    kol::ModelProfile& profile = document.profile;
    profile.atis = profile.weather = profile.weatherAlert = true;
    profile.programFolder = folder.string();
    kol::BuildNewDocument(document.model, document.image, profile);
    int n = 0;
    for (auto* entry = document.model.individualDirectory.data();
         entry != document.model.individualDirectory.data() + kol::kIndividualDirectorySize;
         ++entry) {
      *entry = {true, "STATION " + std::to_string(++n), std::to_string(211000000 + n), {}};
    }
    for (kol::DirectoryEntry& entry : document.model.groupDirectory) {
      entry = {true, "GROUP " + std::to_string(++n), std::to_string(11000000 + n), {}};
    }
    for (kol::ExpChannelRecord& exp : document.model.exp) {
      exp = {true, true, false, true, true, std::to_string(++n % 100), "A", 156.0375, 160.6375};
    }
  }
  ~Fixture() {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }
};

void BM_SaveFileAs(benchmark::State& state) {
  Fixture f;
  for (auto _ : state) {
    if (!kol::WriteSettingsFile(f.path, f.document, f.host)) state.SkipWithError("save failed");
  }
  state.SetBytesProcessed(state.iterations() *
                          static_cast<std::int64_t>(std::filesystem::file_size(f.path)));
}
BENCHMARK(BM_SaveFileAs)->Unit(benchmark::kMillisecond);

void BM_FileRead2(benchmark::State& state) {
  Fixture f;
  kol::WriteSettingsFile(f.path, f.document, f.host);
  CountingAllocations(state, [&] {
    if (!kol::ReadSettingsFile(f.path, f.document, f.host)) state.SkipWithError("open failed");
  });
  state.SetBytesProcessed(state.iterations() *
                          static_cast<std::int64_t>(std::filesystem::file_size(f.path)));
}
BENCHMARK(BM_FileRead2)->Unit(benchmark::kMillisecond);

// The parts of the two without the file system and the reset to defaults.
void BM_FormatSettingsText(benchmark::State& state) {
  Fixture f;
  for (auto _ : state) {
    benchmark::DoNotOptimize(kol::FormatSettingsText(f.document.model, f.document.profile));
  }
}
BENCHMARK(BM_FormatSettingsText)->Unit(benchmark::kMillisecond);

void BM_ParseAndApply(benchmark::State& state) {
  Fixture f;
  const std::string text = kol::FormatSettingsText(f.document.model, f.document.profile);
  CountingAllocations(state, [&] {
    kol::ApplySettingsTable(kol::SectionTable::Parse(text), f.document.profile, f.document.model);
    benchmark::DoNotOptimize(f.document.model);
  });
}
BENCHMARK(BM_ParseAndApply)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
