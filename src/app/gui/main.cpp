// kolprog: the editor window. Start-up and wiring, nothing else.
#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTimer>

#include <cstdio>

#include "app/common/app_core.h"
#include "app/gui/gui_arguments.h"
#include "editor/dialogs/qt_window_prompts.h"
#include "editor/main_window.h"
#include "editor/window_icon.h"
#include "files/qt_settings_store.h"
#include "link/qt_serial_port.h"
#include "model/qt_event_loop_clock.h"

namespace {

// The user's documents folder, or the home folder where there is none.
std::string DocumentsFolder() {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (QDir(documents).exists()) return documents.toStdString();
  return QDir::homePath().toStdString();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(kol::kApplicationTitle);
  QApplication::setApplicationVersion(KOL_VERSION);
  QApplication::setWindowIcon(kol::editor::ApplicationIcon());

  std::vector<std::string> arguments;
  for (const QString& argument : QApplication::arguments().mid(1)) {
    arguments.push_back(argument.toStdString());
  }
  const kol::GuiArguments parsed = kol::ParseGuiArguments(arguments);
  if (parsed.help || !parsed.error.empty()) {
    if (!parsed.error.empty()) std::fprintf(stderr, "kolprog: %s\n", parsed.error.c_str());
    std::fputs(kol::kGuiUsage, parsed.error.empty() ? stdout : stderr);
    return parsed.error.empty() ? 0 : 2;
  }

  const std::string programDir = parsed.programDir.empty()
                                     ? QApplication::applicationDirPath().toStdString()
                                     : parsed.programDir;
  kol::AppCore core(programDir, parsed.debugMode);
  kol::editor::QtWindowPrompts prompts;
  kol::QtEventLoopClock clock;
  kol::FileHost host{prompts, core.store, core.errorLog, clock};

  kol::editor::WindowDeps deps{core.document, host, prompts, &kol::ListSerialPorts};
  deps.userDataFolder = core.userDataFolder;
  deps.documentsFolder = DocumentsFolder();
  kol::editor::MainWindow window(std::move(deps));
  prompts.SetParent(&window);
  window.show();
  if (!window.Start(parsed.documentPath)) return 1;
  if (parsed.quitWhenShown) {
    window.Controller().ForgetChanges();
    QTimer::singleShot(0, &app, &QApplication::quit);
  }
  return QApplication::exec();
}
