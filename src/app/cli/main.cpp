// kolprog-cli: the program's operations without a window.
#include <QCoreApplication>

#include <iostream>
#include <string>
#include <vector>

#include "app/cli/cli.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName("KOL Programmer");
  std::vector<std::string> args(argv + 1, argv + argc);
  kol::cli::Io io{std::cout, std::cerr};
  return kol::cli::RunCli(args, QCoreApplication::applicationDirPath().toStdString(), io);
}
