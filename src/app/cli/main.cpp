// kolprog-cli: the program's operations without a window.
#include <QGuiApplication>

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

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  const std::unique_ptr<QCoreApplication> app =
      MakeApplication(argc, argv, DrawsPrintedReport(args));
  QCoreApplication::setApplicationName(kol::kApplicationTitle);
  kol::cli::Io io{std::cout, std::cerr};
  return kol::cli::RunCli(args, QCoreApplication::applicationDirPath().toStdString(), io);
}
