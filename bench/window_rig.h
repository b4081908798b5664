// A started editor window for the benchmarks: offscreen, on the built program folder, with
// prompts that answer as a user pressing Enter, settings in memory and a virtual clock, so
// that only the window's own work is measured.
#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "editor/dialogs/window_prompts.h"
#include "editor/main_window.h"
#include "files/error_log.h"
#include "files/settings_store.h"
#include "model/clock.h"
#include "run_benchmarks.h"

namespace kol::bench {

// The application object of a program that shows windows, offscreen unless a platform is
// chosen. It belongs in main: one that outlives main is destroyed after Qt's own globals
// and crashes the program at exit.
class BenchApplication {
 public:
  BenchApplication(int& argc, char** argv) : app_((Offscreen(), argc), argv) {}

 private:
  static void Offscreen() {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  }
  QApplication app_;
};

// Answers every message with its default button and counts them: a message that comes up
// while pages are shown spoils the measurement.
class EnterPrompts final : public editor::WindowPrompts {
 public:
  MessageButton Show(const Message& message) override {
    ++shown;
    return message.defaultButton;
  }
  std::string AskOpenPath(const editor::FileRequest&, bool) override { return {}; }
  std::string AskSavePath(const editor::FileRequest&) override { return {}; }
  bool AskPrinter(QPrinter&) override { return false; }
  void PreviewPrint(const std::function<void(QPrinter&)>&) override {}
  void OpenFolder(const std::string&) override {}
  std::optional<std::string> AskText(const std::string&, const std::string&, const std::string&) override {
    return std::nullopt;
  }
  int shown = 0;
};

class MemoryStore final : public SettingsStore {
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

class SilentLog final : public ErrorLog {
 public:
  void Write(std::string_view, std::string_view) override {}
};

// Time that moves only when the program pauses or waits for the radio.
class VirtualClock final : public Clock {
 public:
  std::int64_t NowMs() override { return now_; }
  void SleepMs(int ms) override { now_ += ms > 0 ? ms : 0; }

 private:
  std::int64_t now_ = 0;
};

// The main window started on the program folder the build writes (global.ini and the
// destination images beside the programs).
struct WindowRig {
  explicit WindowRig(bool debugMode = false,
                     std::function<std::unique_ptr<SerialPort>()> makeSerialPort = {}) {
    document.profile.programFolder = KOL_BIN_DIR;
    document.flags.debugMode = debugMode;
    editor::WindowDeps deps{document, host, prompts, {}};
    deps.makeSerialPort = std::move(makeSerialPort);
    window = std::make_unique<editor::MainWindow>(std::move(deps));
    window->resize(1024, 700);
    window->show();
    started = window->Start();
  }
  ~WindowRig() { window->Controller().ForgetChanges(); }

  // Selects a node as a click does and lets the window lay out and paint it.
  void Show(const std::string& key) {
    window->SelectNode(key);
    QApplication::processEvents();
  }

  MemoryStore store;
  SilentLog log;
  VirtualClock clock;
  EnterPrompts prompts;
  FileHost host{prompts, store, log, clock, 0};
  Document document;
  std::unique_ptr<editor::MainWindow> window;
  bool started = false;
};

}  // namespace kol::bench
