// The editor window: the whole program from process start until its window is shown (and
// its peak resident memory by then), a page switch in a running window, the hex view, and
// what the transfer dialog costs around a read (the simulated radio answers at once, on a
// virtual clock, so the time is the window's own work: events pumped at every poll).
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
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editor/dialogs/qt_window_prompts.h"
#include "editor/main_window.h"
#include "files/settings_store.h"
#include "link/memory_serial_port.h"
#include "link/radio_simulator.h"
#include "link/simulated_wire.h"
#include "model/clock.h"
#include "model/destination_image.h"

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

// Answers every message with its default button, as a user pressing Enter.
class PressingEnter final : public kol::editor::WindowPrompts {
 public:
  kol::MessageButton Show(const kol::Message& message) override { return message.defaultButton; }
  std::string AskOpenPath(const kol::editor::FileRequest&, bool) override { return {}; }
  std::string AskSavePath(const kol::editor::FileRequest&) override { return {}; }
  bool AskPrinter(QPrinter&) override { return false; }
  void PreviewPrint(const std::function<void(QPrinter&)>&) override {}
  std::optional<std::string> AskText(const std::string&, const std::string&,
                                     const std::string&) override {
    return std::nullopt;
  }
};

// Time that moves only when the program pauses or waits for the radio.
class VirtualClock final : public kol::Clock {
 public:
  std::int64_t NowMs() override { return now_; }
  void SleepMs(int ms) override { now_ += ms > 0 ? ms : 0; }

 private:
  std::int64_t now_ = 0;
};

// A started window in debug mode on a simulated radio.
struct DialogRig {
  DialogRig() {
    App();
    document.profile.programFolder = KOL_BIN_DIR;
    document.flags.debugMode = true;
    kol::editor::WindowDeps deps{document, host, prompts, {}};
    deps.makeSerialPort = [this] { return std::make_unique<kol::MemorySerialPort>(wire, clock); };
    window = std::make_unique<kol::editor::MainWindow>(std::move(deps));
    window->resize(1024, 700);
    window->show();
    started = window->Start();
  }
  ~DialogRig() { window->Flags().dataChanged = false; }

  static std::vector<std::uint8_t> Memory() {
    const kol::RadioImage image = kol::MakeDestinationImage(kol::kGroup2);
    return {image.Bytes().begin(), image.Bytes().end()};
  }

  MemoryStore store;
  SilentLog log;
  VirtualClock clock;
  PressingEnter prompts;
  kol::FileHost host{prompts, store, log, clock, 0};
  kol::Document document;
  kol::RadioSimulator radio{{}, Memory()};
  kol::SimulatedWire wire{radio};
  std::unique_ptr<kol::editor::MainWindow> window;
  bool started = false;
};

// Switching the hex view on (its 514 lines are built) and off again.
void BM_HexViewOnAndOff(benchmark::State& state) {
  DialogRig rig;
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
  DialogRig rig;
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

BENCHMARK_MAIN();
