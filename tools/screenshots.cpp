// Takes pictures of the editor window as a user sees it, for people to look at: run under
// an X server (make screenshots uses Xvfb). Writes one PNG per shot into the folder given.
// The window runs on a settings store of its own in a temporary folder, so the user's
// settings are never touched.
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
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
#include "files/error_log_file.h"
#include "files/qt_settings_store.h"
#include "link/qt_serial_port.h"
#include "model/qt_event_loop_clock.h"

namespace {

using kol::editor::MainWindow;

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
// puts the window back.
struct Shot {
  const char* name;
  std::function<void(MainWindow&, const std::function<void()>& shoot)> take;
};

void WithMenu(MainWindow& window, const char* name, const std::function<void()>& shoot) {
  QMenu* menu = window.findChild<QMenu*>(name);
  window.menuBar()->setActiveAction(menu->menuAction());
  shoot();
  menu->hide();
}

// A modal dialog runs its own event loop: the picture is taken from inside it.
void WithModal(MainWindow& window, const char* action, const char* dialog,
               const std::function<void()>& shoot) {
  QTimer::singleShot(400, &window, [shoot, dialog] {
    shoot();
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (top->objectName() == dialog) top->close();
    }
  });
  window.findChild<QAction*>(action)->trigger();
}

// The page of a node, as a click on it shows it.
void WithNode(MainWindow& window, const char* key, const std::function<void()>& shoot) {
  window.SelectNode(key);
  shoot();
}

// A few EXP channels in use, so that the EXP list and editor show what they are for.
void UseExpChannels(MainWindow& window) {
  kol::Document& document = window.Services().document;
  document.model.usable.group[kol::kExpGroup].usable = true;
  const kol::ExpChannelRecord channels[] = {
      {.enable = true, .scanMemory = true, .txEnable = true, .chDisplayL = "1", .chDisplayR = "P",
       .rxFreq = 156.3, .txFreq = 156.3},
      {.enable = true, .lowPower = true, .txEnable = true, .chDisplayL = "12", .chDisplayR = "",
       .rxFreq = 161.825, .txFreq = 157.225},
      {.enable = true, .chDisplayL = "3", .chDisplayR = "L", .rxFreq = 162.0},
  };
  for (std::size_t i = 0; i < std::size(channels); ++i) document.model.exp[i] = channels[i];
  window.RebuildTree();
}

const std::vector<Shot>& Shots() {
  static const std::vector<Shot> kShots = {
      {"main_general", [](MainWindow&, const auto& shoot) { shoot(); }},
      {"menu_file", [](MainWindow& w, const auto& shoot) { WithMenu(w, "mnuFile", shoot); }},
      {"menu_transfer", [](MainWindow& w, const auto& shoot) { WithMenu(w, "mnuTransfer", shoot); }},
      {"menu_destination",
       [](MainWindow& w, const auto& shoot) { WithMenu(w, "mnuDestination", shoot); }},
      {"menu_options", [](MainWindow& w, const auto& shoot) { WithMenu(w, "mnuOptions", shoot); }},
      {"menu_options_serialport",
       [](MainWindow& w, const auto& shoot) {
         WithMenu(w, "mnuOptions", [&] {
           QMenu* options = w.findChild<QMenu*>("mnuOptions");
           QMenu* ports = w.findChild<QMenu*>("mnuOptionsSerialPort");
           options->setActiveAction(ports->menuAction());
           ports->popup(options->mapToGlobal(options->actionGeometry(ports->menuAction()).topRight()));
           shoot();
           ports->hide();
         });
       }},
      {"menu_help", [](MainWindow& w, const auto& shoot) { WithMenu(w, "mnuHelp", shoot); }},
      {"help_window",
       [](MainWindow& w, const auto& shoot) {
         w.ShowHelp(1001);
         shoot();
         if (QWidget* help = w.findChild<QWidget*>("frmHelp")) help->close();
       }},
      {"plan_list", [](MainWindow& w, const auto& shoot) { WithNode(w, "PU", shoot); }},
      {"weather_page", [](MainWindow& w, const auto& shoot) { WithNode(w, "PW", shoot); }},
      {"plan_channel", [](MainWindow& w, const auto& shoot) { WithNode(w, "PU 40", shoot); }},
      {"plan_channel_receive_only",
       [](MainWindow& w, const auto& shoot) { WithNode(w, "PU 140", shoot); }},
      {"plan_channel_disabled", [](MainWindow& w, const auto& shoot) { WithNode(w, "PU 0", shoot); }},
      {"exp_list",
       [](MainWindow& w, const auto& shoot) {
         UseExpChannels(w);
         WithNode(w, "ExpChannel", shoot);
       }},
      {"exp_channel", [](MainWindow& w, const auto& shoot) { WithNode(w, "E 2", shoot); }},
      {"about_box",
       [](MainWindow& w, const auto& shoot) { WithModal(w, "mnuHelpAbout", "frmAbout", shoot); }},
  };
  return kShots;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: kolprog_screenshots FOLDER [PROGRAM_DIR]\n");
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
  kol::QtEventLoopClock clock;
  kol::FileHost host{prompts, store, log, clock};
  MainWindow window({document, host, prompts, &kol::ListSerialPorts});
  prompts.SetParent(&window);
  window.resize(1024, 700);
  window.move(40, 40);
  window.show();
  if (!window.Start()) return 1;
  for (const Shot& shot : Shots()) {
    shot.take(window, [&] { Shoot(folder, shot.name, window); });
    Settle();
  }
  window.Flags().dataChanged = false;
  return 0;
}
