// The commands of the tool; each is defined in its own cmd_<name>.cpp.
#pragma once

#include "app/cli/cli.h"

namespace kol::cli {

extern const CommandSpec kConvertCommand;
extern const CommandSpec kReportCommand;
extern const CommandSpec kCheckCommand;
extern const CommandSpec kDiffCommand;
extern const CommandSpec kExportCommand;
extern const CommandSpec kImportCommand;
extern const CommandSpec kReadCommand;
extern const CommandSpec kProgramCommand;
extern const CommandSpec kClearCommand;
extern const CommandSpec kSimulateCommand;

}  // namespace kol::cli
