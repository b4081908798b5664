// The command table: one entry per command, each defined in its own file.
#include "app/cli/cli.h"
#include "app/cli/commands.h"

#include <vector>

namespace kol::cli {

std::span<const CommandSpec* const> Commands() {
  static const std::vector<const CommandSpec*> kCommands = {
      // Commands are added here as they are built.
      &kConvertCommand,
      &kReportCommand,
      &kCheckCommand,
      &kDiffCommand,
      &kExportCommand,
      &kImportCommand,
      &kReadCommand,
      &kProgramCommand,
      &kClearCommand,
      &kSimulateCommand,
  };
  return kCommands;
}

}  // namespace kol::cli
