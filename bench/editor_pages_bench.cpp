// The channel pages in the real window (offscreen): showing the largest channel list (beside
// a plain QTableWidget of the same rows filled and painted in the same run, the baseline a
// list should stay near) and the channel editor, walking the tree with the Down key from the
// first channel node to the last, each step shown and painted before the next; one edit of a
// channel through the document controller (the tree's captions follow it) beside the plan
// list's fill, an undo and a redo of it, and the heap a hundred kept steps hold.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTableWidget>
#include <QTreeWidget>

#include <malloc.h>

#include <cstdlib>
#include <memory>
#include <span>
#include <string>

#include "editor/main_window.h"
#include "model/channel_rules.h"
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

// The baseline: the rows of the plan lists the window shows in turn, written into a plain
// QTableWidget as large as the window's list (texts, and check marks in the switch columns)
// and painted.
void BM_PlainTableOfPlanRows(benchmark::State& state) {
  Rig& rig = TheRig();
  rig.Show("PU");
  const QWidget* grid = rig.Window().findChild<QWidget*>("MSFlexGrid1");
  const std::span<const kol::PlanListColumn> columns = kol::PlanListColumns();
  QTableWidget table;
  table.resize(grid->size());
  table.show();
  QApplication::processEvents();
  const kol::SettingsModel& model = rig.Window().Controller().Doc().model;
  bool first = true;
  for (auto _ : state) {
    const kol::ChannelPlan& plan = model.group[first ? kol::kGroup1 : kol::kGroup2];
    first = !first;
    table.clear();
    table.setColumnCount(static_cast<int>(columns.size()));
    table.setRowCount(static_cast<int>(plan.size()));
    for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
      const kol::PlanListColumn& column = columns[static_cast<std::size_t>(c)];
      table.setHorizontalHeaderItem(c, new QTableWidgetItem(QString::fromUtf8(column.header)));
      for (int r = 0; r < static_cast<int>(plan.size()); ++r) {
        const kol::ChannelRecord& record = plan[static_cast<std::size_t>(r)];
        auto* item = new QTableWidgetItem(QString::fromStdString(column.text(record)));
        if (column.marked) item->setCheckState(column.marked(record) ? Qt::Checked : Qt::Unchecked);
        table.setItem(r, c, item);
      }
    }
    QApplication::processEvents();
  }
}
BENCHMARK(BM_PlainTableOfPlanRows)->Unit(benchmark::kMillisecond)->UseRealTime();

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

// The step taken back and made again, each time with its page and control shown (the
// channel editor of CH16 against the shown plan list, as a user sees it).
void BM_UndoAndRedo(benchmark::State& state) {
  Rig& rig = TheRig();
  kol::editor::DocumentController& controller = rig.Window().Controller();
  rig.Show("PU");
  controller.Edit({"CH Enable of Group1 CH16", {"PU 32", "chkCEnable"}},
                  [](kol::SettingsModel& model) { model.group[kol::kGroup1][32].enable ^= true; });
  for (auto _ : state) {
    controller.Undo();
    controller.Redo();
  }
  state.SetItemsProcessed(state.iterations() * 2);
  controller.ForgetChanges();
}
BENCHMARK(BM_UndoAndRedo)->Unit(benchmark::kMillisecond)->UseRealTime();

// A hundred steps through the controller, each one kept for undo: the heap the history
// holds once they are made (read from the allocator, so its own overhead counts), and the
// time per step.
void BM_HundredKeptSteps(benchmark::State& state) {
  constexpr int kSteps = 100;
  Rig& rig = TheRig();
  kol::editor::DocumentController& controller = rig.Window().Controller();
  double heldMb = 0;
  for (auto _ : state) {
    controller.ForgetChanges();
    QApplication::processEvents();
    const std::size_t before = mallinfo2().uordblks;
    for (int step = 0; step < kSteps; ++step) {
      controller.Edit({"Rx Frequency of EXP 7", {"E 7", "txtCRF"}}, [step](kol::SettingsModel& model) {
        model.exp[6].rxFreq = 156.025 + 0.025 * (step % 40);
      });
    }
    heldMb = static_cast<double>(mallinfo2().uordblks - before) / 1e6;
  }
  controller.ForgetChanges();
  state.SetItemsProcessed(state.iterations() * kSteps);
  state.counters["heap_MB_100_steps"] = heldMb;
}
BENCHMARK(BM_HundredKeptSteps)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

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
