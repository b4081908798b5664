// Takes pictures of the editor window as a user sees it, for people to look at: run under
// an X server (make screenshots uses Xvfb). Writes one PNG per shot into the folder given.
// The window runs on a settings store of its own in a temporary folder, so the user's
// settings are never touched.
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "editor/dialogs/qt_window_prompts.h"
#include "editor/main_window.h"
#include "editor/whole_pixel_style.h"
#include "files/error_log_file.h"
#include "files/qt_settings_store.h"
#include "link/memory_serial_port.h"
#include "link/qt_serial_port.h"
#include "link/radio_simulator.h"
#include "link/simulated_wire.h"
#include "model/destination_image.h"

namespace {

using kol::editor::MainWindow;

// Time that moves only when the program pauses, while the window keeps painting: a transfer
// with the simulated radio runs at once instead of waiting out its time-outs.
class VirtualClock final : public kol::Clock {
 public:
  std::int64_t NowMs() override { return now_; }
  void SleepMs(int ms) override {
    if (ms > 0) now_ += ms;
    QApplication::processEvents();
  }

 private:
  std::int64_t now_ = 0;
};

// The radio every transfer of the pictures talks to.
struct SimulatedRadio {
  // Paced as a real radio's line, so that the dialog's estimate of the time left is true.
  static kol::SimulatorOptions Answering() { return {.baudRate = kol::kBaudRate}; }

  kol::RadioSimulator radio{Answering(), RadioMemory()};
  kol::SimulatedWire wire{radio};

  static std::vector<std::uint8_t> RadioMemory() {
    const kol::RadioImage image = kol::MakeDestinationImage(kol::kGroup2);
    return {image.Bytes().begin(), image.Bytes().end()};
  }
  // A radio that never answers: the link set-up fails.
  void FallSilent() {
    radio = kol::RadioSimulator(
        {.probeEcho = false, .preambleReply = kol::PreambleReply::kSilent, .syncAnswerEvery = 1000},
        RadioMemory());
  }
  void Answer() { radio = kol::RadioSimulator(Answering(), RadioMemory()); }
};

SimulatedRadio& Radio() {
  static SimulatedRadio radio;
  return radio;
}

void Settle(int ms = 150) {
  QTimer timer;
  timer.setSingleShot(true);
  timer.start(ms);
  while (timer.isActive()) QApplication::processEvents(QEventLoop::AllEvents, 20);
}

// The screen's content around the main window: popups and dialogs included.
void Shoot(const QString& folder, const QString& name, const QWidget& window) {
  Settle();
  QScreen* screen = QApplication::primaryScreen();
  const QRect area = window.frameGeometry().adjusted(-8, -8, 8, 8).intersected(screen->geometry());
  const QPixmap picture = screen->grabWindow(0, area.x(), area.y(), area.width(), area.height());
  const QString path = folder + "/" + name + ".png";
  if (!picture.save(path)) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
  std::printf("%s\n", qPrintable(path));
}

// A picture: `take` sets the window up, calls `shoot` while it shows what it should, and
// puts the window back. The pages and dialogs a user works in are also taken at the larger
// scales (`--scale`), where frames and lists must still be drawn whole.
struct Shot {
  const char* name;
  std::function<void(MainWindow&, const std::function<void()>& shoot)> take;
  bool everyScale = false;
};

void WithMenu(MainWindow& window, const char* name, const std::function<void()>& shoot) {
  QMenu* menu = window.findChild<QMenu*>(name);
  window.menuBar()->setActiveAction(menu->menuAction());
  shoot();
  menu->hide();
}

// A submenu of a menu bar's menu, opened as the mouse opens it.
void WithSubmenu(MainWindow& window, const char* menuName, const char* submenuName,
                 const std::function<void()>& shoot) {
  WithMenu(window, menuName, [&] {
    QMenu* menu = window.findChild<QMenu*>(menuName);
    QMenu* submenu = window.findChild<QMenu*>(submenuName);
    menu->setActiveAction(submenu->menuAction());
    submenu->popup(menu->mapToGlobal(menu->actionGeometry(submenu->menuAction()).topRight()));
    shoot();
    submenu->hide();
  });
}

QWidget* TopLevel(const char* name) {
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top->objectName() == name && top->isVisible()) return top;
  }
  return nullptr;
}

// A modal dialog runs its own event loop: `act` runs inside it once it has been drawn
// (after `delayMs`), then the dialog is closed.
void WithModal(MainWindow& window, const char* action, const char* dialog,
               const std::function<void(QWidget&)>& act, int delayMs = 400) {
  QTimer::singleShot(delayMs, &window, [act, dialog] {
    if (QWidget* shown = TopLevel(dialog)) {
      act(*shown);
      if (shown->isVisible()) shown->close();
    }
  });
  window.findChild<QAction*>(action)->trigger();
}

// The page of a node, as a click on it shows it.
void WithNode(MainWindow& window, const char* key, const std::function<void()>& shoot) {
  window.SelectNode(key);
  shoot();
}

// Settings the pictures show, made as an edit and then taken as the document's own, so
// that no question about unsaved edits comes up in later pictures.
void SetUp(MainWindow& window, const char* name, const std::function<void(kol::SettingsModel&)>& change) {
  window.Controller().Edit({name, {}}, change);
  window.Controller().ForgetChanges();
}

// A few EXP channels in use, so that the EXP list and editor show what they are for.
void UseExpChannels(MainWindow& window) {
  SetUp(window, "EXP channels", [](kol::SettingsModel& model) {
    model.usable.group[kol::kExpGroup].usable = true;
    const kol::ExpChannelRecord channels[] = {
        {.enable = true, .scanMemory = true, .txEnable = true, .chDisplayL = "1", .chDisplayR = "P",
         .rxFreq = 156.3, .txFreq = 156.3},
        {.enable = true, .lowPower = true, .txEnable = true, .chDisplayL = "12", .chDisplayR = "",
         .rxFreq = 161.825, .txFreq = 157.225},
        {.enable = true, .chDisplayL = "3", .chDisplayR = "L", .rxFreq = 162.0},
    };
    for (std::size_t i = 0; i < std::size(channels); ++i) model.exp[i] = channels[i];
  });
}

void WithModal(MainWindow& window, const char* action, const char* dialog,
               const std::function<void()>& shoot, int delayMs = 400) {
  WithModal(window, action, dialog, [&shoot](QWidget&) { shoot(); }, delayMs);
}

void Press(QWidget& dialog, const char* button) { dialog.findChild<QPushButton*>(button)->click(); }

// The transfer dialog in the middle of a read: the picture is taken at 35 %, then the read
// is cancelled.
void MidRead(MainWindow& window, const std::function<void()>& shoot) {
  Radio().Answer();
  WithModal(window, "mnuTransferRead", "frmRadio", [&shoot](QWidget& dialog) {
    auto* bar = dialog.findChild<QProgressBar*>("pictProgress");
    bool shot = false;
    QObject::connect(bar, &QProgressBar::valueChanged, &dialog, [&](int value) {
      if (value < 35 || shot) return;
      shot = true;
      shoot();
      Press(dialog, "cmdCancel");
    });
    Press(dialog, "cmdOK");
  });
}

// The transfer dialog while the radio does not answer the link set-up: the picture is taken
// at its third attempt, then the set-up is cancelled.
void WaitingForTheRadio(MainWindow& window, const std::function<void()>& shoot) {
  Radio().FallSilent();
  WithModal(window, "mnuTransferRead", "frmRadio", [&shoot](QWidget& dialog) {
    auto* result = dialog.findChild<QLabel*>("lblResult");
    bool shot = false;
    QTimer watch;  // runs whenever the link lets events run
    watch.setInterval(0);
    QObject::connect(&watch, &QTimer::timeout, &dialog, [&] {
      if (shot || !result->text().contains("attempt 3")) return;
      shot = true;
      shoot();
      Press(dialog, "cmdCancel");
    });
    watch.start();
    Press(dialog, "cmdOK");
  });
}

void FailedSetUp(MainWindow& window, const std::function<void()>& shoot) {
  Radio().FallSilent();
  WithModal(window, "mnuTransferRead", "frmRadio", [&shoot](QWidget& dialog) {
    Press(dialog, "cmdOK");
    shoot();
  });
}

// What programming would change: the radio is read (its "Complete!!" answered), then the
// list of differences is pictured and closed.
void CompareWithRadio(MainWindow& window, const std::function<void()>& shoot) {
  Radio().Answer();
  bool shot = false;
  QTimer watch;  // another timer than the one that presses OK, which waits for the read
  watch.setInterval(50);
  QObject::connect(&watch, &QTimer::timeout, &window, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      box->accept();
    } else if (modal != nullptr && modal->objectName() == "frmCompare" && !shot) {
      shot = true;
      shoot();
      modal->close();
    }
  });
  watch.start();
  WithModal(window, "mnuTransferCompare", "frmRadio", [](QWidget& dialog) { Press(dialog, "cmdOK"); });
}

// The hex view shows in debug mode only; the picture switches it on for a moment.
void HexView(MainWindow& window, const std::function<void()>& shoot) {
  kol::AppFlags& flags = window.Controller().Flags();
  flags.debugMode = true;
  QAction* hexdump = window.findChild<QAction*>("mnuOptionsHexdump");
  hexdump->trigger();
  shoot();
  hexdump->trigger();
  flags.debugMode = false;
}

// The individual directory with its first two stations selected and the focus in the list.
QTableView& StationRowsSelected(MainWindow& window) {
  window.SelectNode("SM");
  auto* grid = window.findChild<QTableView*>("MSFlexGrid2");
  QApplication::setActiveWindow(&window);  // focus moves only in the active window
  grid->setFocus(Qt::MouseFocusReason);
  grid->selectRow(0);
  grid->selectionModel()->select(grid->model()->index(1, 0),
                                 QItemSelectionModel::Select | QItemSelectionModel::Rows);
  return *grid;
}

// The Edit menu while there is a step to take back and rows to copy; the step is then
// taken back.
void EditMenu(MainWindow& window, const std::function<void()>& shoot) {
  kol::editor::DocumentController& controller = window.Controller();
  controller.Edit({"Scan Memory of Group1 CH16", {"PU 32", "chkCScan"}},
                  [](kol::SettingsModel& model) { model.group[kol::kGroup1][32].scanMemory ^= true; });
  StationRowsSelected(window);
  WithMenu(window, "mnuEdit", shoot);
  controller.Undo();
  controller.ForgetChanges();
}

// The context menu of a list row, opened by a right-click on a selected row.
void ListContextMenu(MainWindow& window, const std::function<void()>& shoot) {
  QTableView& grid = StationRowsSelected(window);
  const QPoint at = grid.visualRect(grid.model()->index(1, 1)).center();
  QTimer::singleShot(400, &window, [shoot] {
    shoot();
    if (QWidget* menu = QApplication::activePopupWidget()) menu->close();
  });
  QContextMenuEvent event(QContextMenuEvent::Mouse, at, grid.viewport()->mapToGlobal(at));
  QApplication::sendEvent(grid.viewport(), &event);
}

// A page whose showing brings up a message box: the picture is taken while it is open.
void WithNodeMessage(MainWindow& window, const char* key, const std::function<void()>& shoot) {
  QTimer::singleShot(400, &window, [shoot] {
    shoot();
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (auto* box = qobject_cast<QMessageBox*>(top); box && box->isVisible()) box->accept();
    }
  });
  WithNode(window, key, [] {});
}

void WithDscTab(MainWindow& window, int tab, const std::function<void()>& shoot) {
  window.SelectNode("DSC");
  window.findChild<QTabWidget*>("tbsDSC_USER")->setCurrentIndex(tab);
  shoot();
}

// A user MMSI too short, left by a click on the tree: the field shows its value again and
// the status bar says why.
void RefusedAndLeft(MainWindow& window, const std::function<void()>& shoot) {
  WithDscTab(window, 0, [&] {
    QApplication::setActiveWindow(&window);  // focus moves only in the active window
    auto* field = window.findChild<QLineEdit*>("txtUserMMSI");
    field->setFocus(Qt::MouseFocusReason);
    for (const char digit : std::string("1234")) {
      QKeyEvent press(QEvent::KeyPress, Qt::Key_0 + (digit - '0'), Qt::NoModifier, QString(digit));
      QApplication::sendEvent(field, &press);
    }
    window.findChild<QWidget*>("tvTreeView")->setFocus(Qt::MouseFocusReason);
    shoot();
    window.statusBar()->clearMessage();
  });
}

// The question a clearing button asks before it erases data in the radio; answered No.
void ClearingQuestion(MainWindow& window, const std::function<void()>& shoot) {
  WithDscTab(window, 1, [&] {
    QTimer::singleShot(400, &window, [shoot] {
      shoot();
      for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(top); box && box->isVisible()) box->done(QMessageBox::No);
      }
    });
    window.findChild<QPushButton*>("cmdFclearLog_0")->click();
  });
}

// Status names, a second channel group, three stations and two groups; the third station
// has no name yet.
void SampleSettings(MainWindow& window) {
  SetUp(window, "Sample settings", [](kol::SettingsModel& model) {
    auto& stations = model.individualDirectory;
    stations[0] = {true, "HARBOUR", "2111234560", {}};
    stations[1] = {true, "SEA HAWK", "2115550010", {}};
    stations[2] = {true, "", "2310000010", {}};
    auto& groups = model.groupDirectory;
    groups[0] = {true, "FLEET", "0211000010", {}};
    groups[1] = {true, "CLUB", "0211000020", {}};
    model.usable.group[kol::kGroup2].usable = true;
    model.usable.group[kol::kGroup1].statusName = "USA";
    model.usable.group[kol::kExpGroup].usable = true;
  });
}

const std::vector<Shot>& Shots() {
  static const std::vector<Shot> kShots = {
      {"main_general", [](MainWindow&, const auto& shoot) { shoot(); }, true},
      {"menu_file", [](MainWindow& w, const auto& shoot) { WithMenu(w, "mnuFile", shoot); }, true},
      {"menu_transfer", [](MainWindow& w, const auto& shoot) { WithMenu(w, "mnuTransfer", shoot); }},
      {"menu_destination",
       [](MainWindow& w, const auto& shoot) { WithMenu(w, "mnuDestination", shoot); }},
      {"menu_options", [](MainWindow& w, const auto& shoot) { WithMenu(w, "mnuOptions", shoot); }},
      {"menu_options_serialport",
       [](MainWindow& w, const auto& shoot) { WithSubmenu(w, "mnuOptions", "mnuOptionsSerialPort", shoot); }},
      {"menu_file_import",
       [](MainWindow& w, const auto& shoot) { WithSubmenu(w, "mnuFile", "mnuFileImport", shoot); }},
      {"menu_file_export",
       [](MainWindow& w, const auto& shoot) { WithSubmenu(w, "mnuFile", "mnuFileExport", shoot); }},
      {"menu_help", [](MainWindow& w, const auto& shoot) { WithMenu(w, "mnuHelp", shoot); }},
      {"help_window",
       [](MainWindow& w, const auto& shoot) {
         w.ShowHelp(1001);
         shoot();
         if (QWidget* help = w.findChild<QWidget*>("frmHelp")) help->close();
       }},
      {"plan_list", [](MainWindow& w, const auto& shoot) { WithNode(w, "PU", shoot); }, true},
      {"weather_page", [](MainWindow& w, const auto& shoot) { WithNode(w, "PW", shoot); }, true},
      {"plan_channel", [](MainWindow& w, const auto& shoot) { WithNode(w, "PU 40", shoot); }, true},
      {"plan_channel_receive_only",
       [](MainWindow& w, const auto& shoot) { WithNode(w, "PU 140", shoot); }},
      {"plan_channel_disabled", [](MainWindow& w, const auto& shoot) { WithNode(w, "PU 0", shoot); }},
      {"exp_list",
       [](MainWindow& w, const auto& shoot) {
         UseExpChannels(w);
         WithNode(w, "ExpChannel", shoot);
       }, true},
      {"exp_channel", [](MainWindow& w, const auto& shoot) { WithNode(w, "E 2", shoot); }, true},
      {"about_box",
       [](MainWindow& w, const auto& shoot) { WithModal(w, "mnuHelpAbout", "frmAbout", shoot); }, true},
      {"transfer_idle",
       [](MainWindow& w, const auto& shoot) {
         w.SelectNode("General");  // the dialogs stand over the start page
         WithModal(w, "mnuTransferRead", "frmRadio", shoot);
       }, true},
      {"transfer_busy", [](MainWindow& w, const auto& shoot) { MidRead(w, shoot); }},
      {"transfer_waiting", [](MainWindow& w, const auto& shoot) { WaitingForTheRadio(w, shoot); }},
      {"transfer_failed_setup", [](MainWindow& w, const auto& shoot) { FailedSetUp(w, shoot); }, true},
      {"transfer_program_idle",
       [](MainWindow& w, const auto& shoot) { WithModal(w, "mnuTransferProgram", "frmRadio", shoot); }},
      {"report_window",
       [](MainWindow& w, const auto& shoot) { WithModal(w, "mnuFilePrintToFile", "frmPrn", shoot); }, true},
      {"hex_view", [](MainWindow& w, const auto& shoot) { HexView(w, shoot); }},
      {"print_preview",
       [](MainWindow& w, const auto& shoot) {
         WithModal(w, "mnuFilePrintPreview", "frmPrintPreview", shoot, 1500);
       }},
      {"page_usable",
       [](MainWindow& w, const auto& shoot) {
         SampleSettings(w);
         WithNode(w, "Usable", shoot);
       }, true},
      {"page_common", [](MainWindow& w, const auto& shoot) { WithNode(w, "Common", shoot); }, true},
      {"page_dsc_basic", [](MainWindow& w, const auto& shoot) { WithDscTab(w, 0, shoot); }, true},
      {"page_dsc_advanced", [](MainWindow& w, const auto& shoot) { WithDscTab(w, 1, shoot); }, true},
      {"page_dsc_display", [](MainWindow& w, const auto& shoot) { WithDscTab(w, 2, shoot); }, true},
      {"page_dsc_mmsi_not_changed", [](MainWindow& w, const auto& shoot) { RefusedAndLeft(w, shoot); }},
      {"page_dsc_clear_question", [](MainWindow& w, const auto& shoot) { ClearingQuestion(w, shoot); }},
      {"page_atis", [](MainWindow& w, const auto& shoot) { WithNode(w, "ATIS", shoot); }, true},
      {"directory_list_individual", [](MainWindow& w, const auto& shoot) { WithNode(w, "SM", shoot); }, true},
      {"menu_edit", [](MainWindow& w, const auto& shoot) { EditMenu(w, shoot); }, true},
      {"context_menu_list", [](MainWindow& w, const auto& shoot) { ListContextMenu(w, shoot); }},
      {"directory_list_group", [](MainWindow& w, const auto& shoot) { WithNode(w, "SG", shoot); }},
      {"directory_entry_in_use", [](MainWindow& w, const auto& shoot) { WithNode(w, "SM 2", shoot); }, true},
      {"directory_entry_group_in_use",
       [](MainWindow& w, const auto& shoot) { WithNode(w, "SG 2", shoot); }, true},
      {"directory_entry_first_free", [](MainWindow& w, const auto& shoot) { WithNode(w, "SG 3", shoot); }},
      {"directory_entry_beyond", [](MainWindow& w, const auto& shoot) { WithNode(w, "SM 6", shoot); }},
      {"directory_entry_first_free_incomplete",
       [](MainWindow& w, const auto& shoot) { WithNodeMessage(w, "SM 4", shoot); }, true},
      {"compare_with_radio", [](MainWindow& w, const auto& shoot) { CompareWithRadio(w, shoot); }},
  };
  return kShots;
}

}  // namespace

int main(int argc, char** argv) {
  // --scale S: the window drawn S times larger, as on a screen set to that scale.
  const bool scaled = argc > 4 && std::string(argv[argc - 2]) == "--scale";
  if (scaled) {
    qputenv("QT_SCALE_FACTOR", argv[argc - 1]);
    argc -= 2;
  }
  QApplication app(argc, argv);
  kol::editor::UseWholePixelStyle();  // as the program draws itself
  if (argc < 2) {
    std::fprintf(stderr, "usage: kolprog_screenshots FOLDER [PROGRAM_DIR [--scale S]]\n");
    return 2;
  }
  const QString folder = argv[1];
  QDir().mkpath(folder);
  const std::string programDir = argc > 2 ? argv[2] : QApplication::applicationDirPath().toStdString() + "/../bin";

  QTemporaryDir settingsDir;
  kol::QtSettingsStore store((settingsDir.path() + "/settings.ini").toStdString());
  kol::ErrorLogFile log(false, programDir, settingsDir.path().toStdString());
  kol::Document document;
  document.profile.programFolder = programDir;
  kol::editor::QtWindowPrompts prompts;
  VirtualClock clock;
  kol::FileHost host{prompts, store, log, clock};
  kol::editor::WindowDeps deps{document, host, prompts, &kol::ListSerialPorts};
  deps.makeSerialPort = [&clock] { return std::make_unique<kol::MemorySerialPort>(Radio().wire, clock); };
  deps.userDataFolder = (settingsDir.path() + "/data").toStdString();
  MainWindow window(std::move(deps));
  prompts.SetParent(&window);
  window.resize(1024, 700);
  window.move(40, 40);
  window.show();
  if (!window.Start()) return 1;
  for (const Shot& shot : Shots()) {
    if (scaled && !shot.everyScale) continue;
    shot.take(window, [&] { Shoot(folder, shot.name, window); });
    Settle();
  }
  window.Controller().ForgetChanges();
  return 0;
}
