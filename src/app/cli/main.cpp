// kolprog-cli: the program's operations without a window.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "app/cli/cli.h"
#include "app/cli/document_io.h"
#include "app/cli/formats.h"
#include "files/qt_settings_store.h"

namespace {

// Only the printed report needs fonts and so a GUI application; every other command
// stays free of the platform plugin and of its start-up warnings.
bool DrawsPrintedReport(const std::vector<std::string>& args) {
  return std::any_of(args.begin(), args.end(), [](const std::string& arg) {
    const kol::cli::DocumentFormat* format = kol::cli::FormatOf(arg);
    return format != nullptr && format->save == kol::cli::SaveReportPdf;
  });
}

std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char** argv, bool gui) {
  if (!gui) return std::make_unique<QCoreApplication>(argc, argv);
  // No display is needed unless the caller chose a platform.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  return std::make_unique<QGuiApplication>(argc, argv);
}

// A GUI application keeps per-user runtime files in XDG_RUNTIME_DIR and complains on
// stderr when a plain shell or a cron job has none. A private folder for this run keeps
// the output clean and goes away at exit; when it cannot be made, Qt's own fallback and
// its warning stay.
std::unique_ptr<QTemporaryDir> PrivateRuntimeDir() {
  if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) return nullptr;
  auto dir = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/kolprog-runtime-XXXXXX");
  if (!dir->isValid()) return nullptr;
  qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir->path()));
  return dir;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  const bool gui = DrawsPrintedReport(args);
  // Declared before the application, so it outlives it.
  const std::unique_ptr<QTemporaryDir> runtimeDir = gui ? PrivateRuntimeDir() : nullptr;
  const std::unique_ptr<QCoreApplication> app = MakeApplication(argc, argv, gui);
  QCoreApplication::setApplicationName(kol::kApplicationTitle);
  kol::cli::Io io{std::cout, std::cerr};
  return kol::cli::RunCli(args, QCoreApplication::applicationDirPath().toStdString(), io);
}
