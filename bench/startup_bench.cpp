// The editor's start-up against a plain Qt window of the same frame (a menu bar, a tree of
// 300 items, a stacked widget), measured in turns in the same run, so that the ratio holds
// on a loaded machine too. The editor starts as the program does: its settings file on
// disk, the serial ports of the machine, the data files of the build.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QSplitter>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <algorithm>
#include <chrono>
#include <vector>

#include "editor/main_window.h"
#include "editor/window_icon.h"
#include "files/qt_settings_store.h"
#include "link/qt_serial_port.h"
#include "model/qt_event_loop_clock.h"
#include "window_rig.h"

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The frame every Qt desktop program of this kind has, and nothing else.
void ShowPlainWindow() {
  QMainWindow window;
  for (const char* title : {"&File", "&Edit", "&Transfer", "&Destination", "&Options", "&Help"}) {
    QMenu* menu = window.menuBar()->addMenu(title);
    for (int i = 0; i < 6; ++i) menu->addAction(QString("Item &%1").arg(i));
  }
  auto* tree = new QTreeWidget;
  tree->setHeaderHidden(true);
  for (int group = 0; group < 3; ++group) {
    auto* root = new QTreeWidgetItem(tree, {QString("Group%1").arg(group + 1)});
    for (int i = 0; i < 99; ++i) new QTreeWidgetItem(root, {QString("CH%1").arg(i)});
    root->setExpanded(group == 0);
  }
  auto* stack = new QStackedWidget;
  stack->addWidget(new QLabel("General"));
  auto* splitter = new QSplitter;
  splitter->addWidget(tree);
  splitter->addWidget(stack);
  window.setCentralWidget(splitter);
  window.resize(1024, 700);
  window.show();
  QApplication::processEvents();
}

// main() of kolprog without its command line: the window built, shown and started.
bool ShowEditorWindow(const QString& settingsFile) {
  QApplication::setWindowIcon(kol::editor::ApplicationIcon());
  kol::QtSettingsStore store(settingsFile.toStdString());
  kol::bench::EnterPrompts prompts;
  kol::bench::SilentLog log;
  kol::QtEventLoopClock clock;
  kol::FileHost host{prompts, store, log, clock};
  kol::Document document;
  document.profile.programFolder = KOL_BIN_DIR;
  kol::editor::WindowDeps deps{document, host, prompts, &kol::ListSerialPorts};
  kol::editor::MainWindow window(std::move(deps));
  window.resize(1024, 700);
  window.show();
  const bool started = window.Start();
  QApplication::processEvents();
  window.Controller().ForgetChanges();
  window.close();  // as the user leaves it: the window's place is stored
  return started && prompts.shown == 0;
}

void BM_StartAgainstPlainQtWindow(benchmark::State& state) {
  QTemporaryDir settings;
  const QString settingsFile = settings.filePath("KOL Programmer.ini");
  // The first of each is slower (fonts, styles, plugins): neither counts.
  ShowPlainWindow();
  if (!ShowEditorWindow(settingsFile)) {
    state.SkipWithError("the editor did not start cleanly");
    return;
  }
  std::vector<double> plain;
  std::vector<double> editor;
  for (auto _ : state) {
    Clock::time_point start = Clock::now();
    ShowPlainWindow();
    plain.push_back(MsSince(start));
    start = Clock::now();
    ShowEditorWindow(settingsFile);
    editor.push_back(MsSince(start));
    state.SetIterationTime(editor.back() / 1000.0);
  }
  // Medians: a turn the machine spent elsewhere does not move them.
  auto median = [](std::vector<double> values) {
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
  };
  const double plainMs = median(plain);
  const double editorMs = median(editor);
  state.counters["plain_ms"] = plainMs;
  state.counters["editor_ms"] = editorMs;
  state.counters["ratio"] = editorMs / plainMs;
}
BENCHMARK(BM_StartAgainstPlainQtWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

}  // namespace

int main(int argc, char** argv) {
  kol::bench::BenchApplication app(argc, argv);
  return kol::bench::RunBenchmarks(argc, argv);
}
