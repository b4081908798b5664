// kolprog-cli run in the test's own process, as a user runs it, with per-user folders of its
// own and its radios behind `platform` (simulated radios on virtual clocks).
#pragma once

#include <QCoreApplication>
#include <QSettings>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "app/cli/cli.h"
#include "app/cli/link_command.h"
#include "files/qt_settings_store.h"
#include "support/cli_run.h"
#include "support/temp_dir.h"
#include "support/test_paths.h"

namespace kol::test {

inline CliRun RunCliInProcess(std::vector<std::string> args, const TempDir& home,
                              const cli::LinkPlatform& platform) {
  setenv("XDG_DATA_HOME", home.File("data").c_str(), 1);
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                     QString::fromStdString(home.File("config")));
  QCoreApplication::setApplicationName(kApplicationTitle);
  args.insert(args.end(), {"--program-dir", BinDir()});
  std::ostringstream out;
  std::ostringstream err;
  cli::Io io{out, err, &platform};
  const int code = cli::RunCli(args, BinDir(), io);
  return {code, out.str(), err.str()};
}

}  // namespace kol::test
