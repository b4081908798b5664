// kolprog-cli run in the test's own process, as a user runs it, with per-user folders of its
// own and its radios behind `platform` (simulated radios on virtual clocks).
#pragma once

#include <QCoreApplication>
#include <QSettings>

#include <csignal>
#include <cstdlib>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "app/cli/cli.h"
#include "app/cli/link_command.h"
#include "files/qt_settings_store.h"
#include "support/cli_run.h"
#include "support/fakes.h"
#include "support/temp_dir.h"
#include "support/test_paths.h"

namespace kol::test {

// A virtual clock that presses Ctrl+C, through the program's own handler, the first time
// it is read once `interruptWhen` holds; the link reads it in every turn of its loops.
struct InterruptingClock final : FakeClock {
  std::int64_t NowMs() override {
    if (interruptWhen && interruptWhen()) {
      interruptWhen = nullptr;
      std::raise(SIGINT);
    }
    return FakeClock::NowMs();
  }
  std::function<bool()> interruptWhen;
};

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
