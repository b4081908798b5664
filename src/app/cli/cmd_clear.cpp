// `clear WHAT`: clears the user MMSI or one of the radio's three logs.
#include <algorithm>
#include <array>
#include <ostream>

#include "app/cli/commands.h"
#include "app/cli/link_command.h"

namespace kol::cli {
namespace {

constexpr OptionSpec kClearOptions[] = {kPortOption, kYesOption, kTraceOption};

struct ClearTarget {
  std::string_view name;
  Operation operation;
  std::string_view doing;
};

constexpr std::array<ClearTarget, 4> kTargets = {{
    {"mmsi", Operation::kClearMmsi, "Clearing the user MMSI"},
    {"dsc-log", Operation::kClearDscLog, "Clearing the DSC log"},
    {"distress-log", Operation::kClearDistressLog, "Clearing the distress log"},
    {"call-log", Operation::kClearCallLog, "Clearing the call log"},
}};

int RunClear(const Invocation& invocation, Io& io) {
  const std::string& what = invocation.args[0];
  const auto target = std::find_if(kTargets.begin(), kTargets.end(),
                                   [&](const ClearTarget& t) { return t.name == what; });
  if (target == kTargets.end()) {
    io.err << "kolprog-cli: clear takes mmsi, dsc-log, distress-log or call-log, not '" << what
           << "'\n";
    return kExitUsage;
  }
  if (!TraceWritable(invocation, io)) return kExitUsage;
  Session session(invocation, io);
  if (!session.Ready()) return kExitFailure;
  LinkRun link(session, invocation);
  if (!link.Usable()) return link.RefusalExit();
  if (link.Run(target->operation, target->doing)) return kExitOk;
  link.TellWhatWasWritten(target->operation, link.WritesSent());
  return link.FailureExit();
}

}  // namespace

const CommandSpec kClearCommand{
    "clear",
    "{mmsi|dsc-log|distress-log|call-log}",
    "clear the radio's user MMSI, DSC log, distress log or call log",
    "The radio must be in PC control mode, as for read.",
    1,
    1,
    kClearOptions,
    RunClear,
};

}  // namespace kol::cli
