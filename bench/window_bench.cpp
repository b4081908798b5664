// The editor window: the whole program from process start until its window is shown (and
// its peak resident memory by then), a page switch in a running window, Open of a settings
// file again and again (with what each costs the heap), the hex view, and what the
// transfer dialog costs around a read (the simulated radio answers at once, on a virtual
// clock, so the time is the window's own work: events pumped at every poll).
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include <sys/resource.h>
#include <sys/wait.h>
#include <spawn.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "files/dat_file.h"
#include "heap_counter.h"
#include "link/memory_serial_port.h"
#include "link/radio_simulator.h"
#include "link/simulated_wire.h"
#include "model/destination_image.h"
#include "window_rig.h"

extern char** environ;

namespace {

// `kolprog --quit-when-shown` run to its end; the time is the whole process's.
void BM_ProcessStartToWindowShown(benchmark::State& state) {
  const std::string program = std::string(KOL_BIN_DIR) + "/kolprog";
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  long peakKb = 0;
  for (auto _ : state) {
    char* argv[] = {const_cast<char*>(program.c_str()), const_cast<char*>("--quit-when-shown"), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, environ) != 0) {
      state.SkipWithError("kolprog could not be started");
      return;
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("kolprog did not start cleanly");
      return;
    }
    peakKb = std::max(peakKb, usage.ru_maxrss);
  }
  state.counters["peak_resident_MB"] = static_cast<double>(peakKb) / 1024.0;
}
BENCHMARK(BM_ProcessStartToWindowShown)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

// Switching between pages of every kind, each switch drawn before the next.
void BM_PageSwitch(benchmark::State& state) {
  kol::bench::WindowRig rig;
  if (!rig.started) {
    state.SkipWithError("the window did not start");
    return;
  }
  const std::vector<std::string> keys = {"General", "Usable", "Common", "DSC", "ATIS", "PU",
                                         "PU 32", "PW", "SM", "SM 1", "SG", "Program"};
  std::size_t next = 0;
  for (auto _ : state) {
    rig.window->SelectNode(keys[next++ % keys.size()]);
    rig.window->repaint();
    QApplication::processEvents();
  }
  if (rig.prompts.shown > 0) state.SkipWithError("a message came up");
}
BENCHMARK(BM_PageSwitch)->Unit(benchmark::kMillisecond);

// File ▸ Open of a settings file, again and again as in a long session: the allocations of
// each Open, and how much the heap has grown per Open once the first ones are behind it.
void BM_OpenInALongSession(benchmark::State& state) {
  kol::bench::WindowRig rig;
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("kolprog-open-bench-" + std::to_string(::getpid()) + ".dat");
  if (!rig.started || !kol::WriteSettingsFile(path.string(), rig.document, rig.host)) {
    state.SkipWithError("the window did not start");
    return;
  }
  constexpr int kWarmUp = 20;
  for (int i = 0; i < kWarmUp; ++i) rig.window->Controller().OpenPath(path.string());
  QApplication::processEvents();
  const kol::bench::HeapState before = kol::bench::HeapState::Now();
  for (auto _ : state) {
    if (!rig.window->Controller().OpenPath(path.string())) state.SkipWithError("the file did not open");
    QApplication::processEvents();
  }
  const kol::bench::HeapState after = kol::bench::HeapState::Now();
  const auto opens = static_cast<double>(state.iterations());
  state.counters["allocations_per_open"] = static_cast<double>(after.allocations - before.allocations) / opens;
  state.counters["heap_growth_B_per_open"] = static_cast<double>(after.heldBytes - before.heldBytes) / opens;
  std::filesystem::remove(path);
}
BENCHMARK(BM_OpenInALongSession)->Unit(benchmark::kMillisecond)->Iterations(300);

// A started window in debug mode on a simulated radio.
struct DialogRig {
  static std::vector<std::uint8_t> Memory() {
    const kol::RadioImage image = kol::MakeDestinationImage(kol::kGroup2);
    return {image.Bytes().begin(), image.Bytes().end()};
  }

  kol::RadioSimulator radio{{}, Memory()};
  kol::SimulatedWire wire{radio};
  kol::bench::WindowRig rig{true, [this] {
                              return std::make_unique<kol::MemorySerialPort>(wire, rig.clock);
                            }};
};

// Switching the hex view on (its 514 lines are built) and off again.
void BM_HexViewOnAndOff(benchmark::State& state) {
  DialogRig dialog;
  kol::bench::WindowRig& rig = dialog.rig;
  if (!rig.started) {
    state.SkipWithError("the window did not start");
    return;
  }
  QAction* hexdump = rig.window->findChild<QAction*>("mnuOptionsHexdump");
  for (auto _ : state) {
    hexdump->trigger();
    QApplication::processEvents();
    hexdump->trigger();
  }
}
BENCHMARK(BM_HexViewOnAndOff)->Unit(benchmark::kMillisecond);

// A whole Read from Radio through the dialog: open, OK, 193 block reads, decode, refresh.
void BM_ReadThroughTheDialog(benchmark::State& state) {
  DialogRig dialog;
  kol::bench::WindowRig& rig = dialog.rig;
  if (!rig.started) {
    state.SkipWithError("the window did not start");
    return;
  }
  rig.document.flags.debugMode = false;  // no 500 ms progress texts to pump through
  for (auto _ : state) {
    QTimer::singleShot(0, rig.window.get(), [] {
      QApplication::activeModalWidget()->findChild<QPushButton*>("cmdOK")->click();
    });
    if (!rig.window->RunTransfer(kol::Operation::kRead)) {
      state.SkipWithError("the read did not complete");
      return;
    }
  }
}
BENCHMARK(BM_ReadThroughTheDialog)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  kol::bench::BenchApplication app(argc, argv);
  return kol::bench::RunBenchmarks(argc, argv);
}
