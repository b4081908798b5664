// The editor window: the whole program from process start until its window is shown (and
// its peak resident memory by then), and a page switch in a running window.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTreeWidget>

#include <sys/resource.h>
#include <sys/wait.h>
#include <spawn.h>

#include <chrono>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "editor/dialogs/qt_window_prompts.h"
#include "editor/main_window.h"
#include "files/settings_store.h"
#include "model/clock.h"

extern char** environ;

namespace {

QApplication& App() {
  static int argc = 1;
  static char name[] = "window_bench";
  static char* argv[] = {name, nullptr};
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static QApplication app(argc, argv);
  return app;
}

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

class MemoryStore final : public kol::SettingsStore {
 public:
  std::string Read(std::string_view section, std::string_view key, std::string_view fallback) const override {
    const auto found = values_.find(std::string(section) + "/" + std::string(key));
    return found == values_.end() ? std::string(fallback) : found->second;
  }
  void Write(std::string_view section, std::string_view key, std::string_view value) override {
    values_[std::string(section) + "/" + std::string(key)] = std::string(value);
  }

 private:
  std::map<std::string, std::string> values_;
};

class SilentLog final : public kol::ErrorLog {
 public:
  void Write(std::string_view, std::string_view) override {}
};

// Switching between pages of every kind, each switch drawn before the next.
void BM_PageSwitch(benchmark::State& state) {
  App();
  MemoryStore store;
  SilentLog log;
  kol::SystemClock clock;
  kol::editor::QtWindowPrompts prompts;
  kol::FileHost host{prompts, store, log, clock, 0};
  kol::Document document;
  document.profile.programFolder = KOL_BIN_DIR;
  kol::editor::MainWindow window({document, host, prompts, {}});
  window.resize(1024, 700);
  window.show();
  if (!window.Start()) {
    state.SkipWithError("the window did not start");
    return;
  }
  const std::vector<std::string> keys = {"General", "Usable", "Common", "DSC", "ATIS", "PU",
                                         "PU 32", "PW", "SM", "SM 1", "SG", "Program"};
  std::size_t next = 0;
  for (auto _ : state) {
    window.SelectNode(keys[next++ % keys.size()]);
    window.repaint();
    QApplication::processEvents();
  }
  window.Flags().dataChanged = false;
}
BENCHMARK(BM_PageSwitch)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
