// The channel pages in the real window (offscreen): showing the largest channel list and the
// channel editor, walking the tree with the Down key from the first channel node to the
// last, each step shown and painted before the next, and one edit of a channel through the
// document controller (the tree's captions follow it) beside the plan list's fill.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTreeWidget>

#include <cstdlib>
#include <memory>
#include <string>

#include "editor/main_window.h"
#include "window_rig.h"

namespace {

// The window with every channel group and the EXP channels in use, so that the tree holds
// every kind of channel node.
struct Rig : kol::bench::WindowRig {
  Rig() {
    window->Controller().Edit({"Every group usable", {}}, [](kol::SettingsModel& model) {
      for (kol::UsableGroup& group : model.usable.group) group.usable = true;
    });
    QApplication::processEvents();
  }
  kol::editor::MainWindow& Window() { return *window; }
  int Messages() const { return prompts.shown; }
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

// A channel switched on and off as the channel editor's "CH Enable" does: one step on the
// controller, after which the tree's 900 captions are brought up to date.
void BM_EditStep(benchmark::State& state) {
  Rig& rig = TheRig();
  kol::editor::DocumentController& controller = rig.Window().Controller();
  for (auto _ : state) {
    controller.Edit({"CH Enable of Group1 CH16", {"PU 32", "chkCEnable"}},
                    [](kol::SettingsModel& model) { model.group[kol::kGroup1][32].enable ^= true; });
  }
  controller.ForgetChanges();
}
BENCHMARK(BM_EditStep)->Unit(benchmark::kMillisecond)->UseRealTime();

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
    for (int guard = 0; rig.Window().Navigation().SelectedNodeKey() != "E 40"; ++guard) {
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
  kol::bench::BenchApplication app(argc, argv);
  Rig rig;
  if (!rig.started) return 1;
  theRig = &rig;
  return kol::bench::RunBenchmarks(argc, argv);
}
