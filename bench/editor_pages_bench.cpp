// The channel pages in the real window (offscreen): showing the largest channel list and the
// channel editor, and walking the tree with the Down key from the first channel node to the
// last, each step shown and painted before the next.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "editor/dialogs/window_prompts.h"
#include "editor/main_window.h"
#include "files/error_log_file.h"
#include "files/qt_settings_store.h"
#include "model/destination_image.h"
#include "model/qt_event_loop_clock.h"

namespace {

using kol::editor::MainWindow;

// No question comes up while pages are shown; one that does spoils the measurement.
class SilentPrompts final : public kol::editor::WindowPrompts {
 public:
  kol::MessageButton Show(const kol::Message&) override {
    ++shown;
    return kol::MessageButton::kCancel;
  }
  std::string AskOpenPath(const kol::editor::FileRequest&, bool) override { return {}; }
  std::string AskSavePath(const kol::editor::FileRequest&) override { return {}; }
  bool AskPrinter(QPrinter&) override { return false; }
  std::optional<std::string> AskText(const std::string&, const std::string&, const std::string&) override {
    return std::nullopt;
  }
  void PreviewPrint(const std::function<void(QPrinter&)>&) override {}
  int shown = 0;
};

void WriteBytes(const std::string& path, const char* bytes, std::size_t size) {
  std::ofstream(path, std::ios::binary).write(bytes, static_cast<std::streamsize>(size));
}

// The window on a program folder of its own, with every channel group and the EXP channels
// in use, so that the tree holds every kind of channel node.
class Rig {
 public:
  Rig() {
    const std::string folder = dir_.path().toStdString();
    const std::string models = "[model1]\r\nuse=1\r\natis=1\r\nwx=1\r\nwa=1\r\n";
    WriteBytes(folder + "/global.ini", models.data(), models.size());
    const char* destinations[] = {"USA_0CE4.ini", "INTL_0CE4.ini", "CAN_0CE4.ini"};
    for (int group = kol::kGroup1; group <= kol::kGroup3; ++group) {
      const kol::RadioImage image = kol::MakeDestinationImage(group);
      WriteBytes(folder + "/" + destinations[group], reinterpret_cast<const char*>(image.Bytes().data()),
                 image.Size());
    }
    document_.profile.programFolder = folder;
    window_ = std::make_unique<MainWindow>(
        kol::editor::WindowDeps{document_, host_, prompts_, [] { return std::vector<kol::PortInfo>{}; }});
    window_->resize(1024, 700);
    window_->show();
    if (!window_->Start()) std::abort();
    for (kol::UsableGroup& group : document_.model.usable.group) group.usable = true;
    window_->RebuildTree();
    QApplication::processEvents();
  }

  MainWindow& Window() { return *window_; }
  int Messages() const { return prompts_.shown; }
  // Selects a node as a click does and lets the window lay out and paint it.
  void Show(const std::string& key) {
    window_->SelectNode(key);
    QApplication::processEvents();
  }

 private:
  QTemporaryDir dir_;
  kol::QtSettingsStore store_{(dir_.path() + "/settings.ini").toStdString()};
  kol::ErrorLogFile log_{false, dir_.path().toStdString(), dir_.path().toStdString()};
  kol::QtEventLoopClock clock_;
  SilentPrompts prompts_;
  kol::FileHost host_{prompts_, store_, log_, clock_};
  kol::Document document_;
  std::unique_ptr<MainWindow> window_;
};

// Made in main, where the application object lives longer than the window.
Rig* theRig = nullptr;
Rig& TheRig() { return *theRig; }

// Shows two nodes in turn, since a node that is already shown is not shown again.
void ShowInTurn(benchmark::State& state, const char* one, const char* other) {
  Rig& rig = TheRig();
  bool first = true;
  for (auto _ : state) {
    rig.Show(first ? one : other);
    first = !first;
  }
  if (rig.Messages() > 0) state.SkipWithError("a message came up");
}

// Every plan list holds all 240 channels.
void BM_ShowPlanList(benchmark::State& state) { ShowInTurn(state, "PU", "PI"); }
BENCHMARK(BM_ShowPlanList)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ShowChannelEditor(benchmark::State& state) { ShowInTurn(state, "PU 32", "PU 40"); }
BENCHMARK(BM_ShowChannelEditor)->Unit(benchmark::kMillisecond)->UseRealTime();

// From the first channel node ("PU 0") to the last ("E 40") with the Down key, through all
// three plans, the weather and directory nodes and the EXP channels.
void BM_WalkTreeWithDown(benchmark::State& state) {
  Rig& rig = TheRig();
  auto* tree = rig.Window().findChild<QTreeWidget*>("tvTreeView");
  // Every channel node in view; the directories stay closed.
  tree->expandAll();
  for (const char* directory : {"Individual Directory", "Group Directory"}) {
    tree->findItems(directory, Qt::MatchExactly | Qt::MatchRecursive).front()->setExpanded(false);
  }
  long steps = 0;
  for (auto _ : state) {
    rig.Show("PU 0");
    tree->setFocus();
    for (int guard = 0; rig.Window().SelectedNodeKey() != "E 40"; ++guard) {
      if (guard > 2000) {
        state.SkipWithError("the walk never reached the last channel node");
        return;
      }
      QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
      QApplication::sendEvent(tree, &down);
      QApplication::processEvents();
      ++steps;
    }
  }
  // The time per node, shown in seconds.
  state.counters["per_node"] = benchmark::Counter(static_cast<double>(steps),
                                                  benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  if (rig.Messages() > 0) state.SkipWithError("a message came up");
}
BENCHMARK(BM_WalkTreeWithDown)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  auto rig = std::make_unique<Rig>();
  theRig = rig.get();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
