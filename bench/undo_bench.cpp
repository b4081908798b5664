// Undo as value-type snapshots of the settings: the memory 100 steps hold and the time one
// step takes, beside work the window does for an edit anyway (filling the 240 rows of a
// channel list, writing the settings file's text), measured in the same run.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <span>
#include <string>
#include <vector>

#include "files/dat_text.h"
#include "model/channel_rules.h"
#include "model/default_document.h"
#include "model/document.h"

namespace {

constexpr int kSteps = 100;

// Every list full and every name as long as the radio keeps it: the largest snapshot.
struct Fixture {
  kol::Document document;

  Fixture() {
    kol::ModelProfile& profile = document.profile;
    profile.atis = profile.weather = profile.weatherAlert = true;
    kol::BuildNewDocument(document.model, document.image, profile);
    kol::SettingsModel& m = document.model;
    int n = 0;
    for (kol::DirectoryEntry& entry : m.individualDirectory) {
      entry = {true, "STATION " + std::to_string(100 + ++n), std::to_string(2110000000 + n), {}};
    }
    for (kol::DirectoryEntry& entry : m.groupDirectory) {
      entry = {
          true, "GROUP " + std::to_string(10000 + ++n), std::to_string(110000000 + n) + "0", {}};
    }
    for (kol::ExpChannelRecord& exp : m.exp) {
      exp = {true, true, false, true, true, std::to_string(++n % 100), "C", 156.0375, 160.6375};
    }
  }
};

std::size_t StringHeap(const std::string& text) {
  // Short texts live inside the string object itself.
  return text.capacity() > std::string().capacity() ? text.capacity() + 1 : 0;
}

// The bytes one snapshot asks for: the model and what its lists and texts hold outside it.
std::size_t SnapshotBytes(const kol::SettingsModel& m) {
  std::size_t bytes = sizeof m;
  auto plan = [&](const kol::ChannelPlan& records) {
    bytes += records.capacity() * sizeof(kol::ChannelRecord);
    for (const kol::ChannelRecord& r : records) bytes += StringHeap(r.usageName);
  };
  for (const kol::ChannelPlan& group : m.group) plan(group);
  plan(m.weather);
  for (const kol::ExpChannelRecord& e : m.exp) {
    bytes += StringHeap(e.chDisplayL) + StringHeap(e.chDisplayR);
  }
  auto directory = [&](std::span<const kol::DirectoryEntry> entries) {
    for (const kol::DirectoryEntry& e : entries) {
      bytes += StringHeap(e.tagName) + StringHeap(e.mmsi);
    }
  };
  directory(m.individualDirectory);
  directory(m.groupDirectory);
  for (const kol::UsableGroup& g : m.usable.group) bytes += StringHeap(g.statusName);
  bytes += StringHeap(m.dscBasic.userMmsi) + StringHeap(m.atis.atisCode);
  for (const kol::AutoPosSlot& s : m.autoPos.slot) {
    bytes += StringHeap(s.mmsi) + StringHeap(s.channel) + StringHeap(s.interval);
  }
  return bytes;
}

// An edit as a step makes it: one value of one record.
void Edit(kol::SettingsModel& model, int step) {
  model.exp[static_cast<std::size_t>(step % kol::kExpChannelCount)].rxFreq =
      156.025 + 0.025 * (step % 7);
}

// 100 steps: each records a copy of the settings before its edit. The heap the history
// holds is read from the allocator, so its own overhead counts.
void BM_UndoHistory100Steps(benchmark::State& state) {
  const Fixture f;
  std::size_t heap = 0;
  for (auto _ : state) {
    const std::size_t before = mallinfo2().uordblks;
    std::vector<kol::SettingsModel> history;
    history.reserve(kSteps);
    kol::SettingsModel current = f.document.model;
    for (int step = 0; step < kSteps; ++step) {
      history.push_back(current);
      Edit(current, step);
    }
    heap = mallinfo2().uordblks - before;
    benchmark::DoNotOptimize(history.data());
  }
  state.SetItemsProcessed(state.iterations() * kSteps);
  state.counters["heap_MB_100_steps"] = static_cast<double>(heap) / 1e6;
  state.counters["snapshot_bytes"] = static_cast<double>(SnapshotBytes(f.document.model));
}
BENCHMARK(BM_UndoHistory100Steps)->Unit(benchmark::kMicrosecond);

// One undo: the settings of a step put back over the document's.
void BM_UndoRestore(benchmark::State& state) {
  const Fixture f;
  kol::SettingsModel snapshot = f.document.model;
  kol::SettingsModel current = f.document.model;
  int step = 0;
  for (auto _ : state) {
    Edit(current, ++step);
    current = snapshot;
    benchmark::DoNotOptimize(current);
  }
}
BENCHMARK(BM_UndoRestore)->Unit(benchmark::kMicrosecond);

// Baselines: every cell text of one plan list, as the window's list reads them when it
// paints all its rows; the settings file's text, as a save writes it.
void BM_PlanListCells(benchmark::State& state) {
  const Fixture f;
  for (auto _ : state) {
    for (const kol::ChannelRecord& record : f.document.model.group[0]) {
      for (const kol::PlanListColumn& column : kol::PlanListColumns()) {
        benchmark::DoNotOptimize(column.text(record));
      }
    }
  }
}
BENCHMARK(BM_PlanListCells)->Unit(benchmark::kMicrosecond);

void BM_FormatSettingsText(benchmark::State& state) {
  const Fixture f;
  for (auto _ : state) {
    benchmark::DoNotOptimize(kol::FormatSettingsText(f.document.model, f.document.profile));
  }
}
BENCHMARK(BM_FormatSettingsText)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
