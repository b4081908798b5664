// `clear WHAT`: clears the user MMSI or one of the radio's three logs, of several radios at
// once when several ports are given.
#include <algorithm>
#include <array>
#include <ostream>

#include "app/cli/commands.h"
#include "app/cli/link_command.h"
#include "app/cli/radio_fleet.h"

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

// Every radio at once.
int ClearFleet(Session& session, const Invocation& invocation, const std::vector<RadioPort>& radios,
               const ClearTarget& target) {
  const std::vector<RadioOutcome> outcomes =
      RunFleet(session, invocation, radios, [&](RadioWork& radio) {
        if (!radio.link.Run(target.operation, target.doing)) {
          const int writes = radio.link.WritesSent();
          radio.link.TellWhatWasWritten(target.operation, writes);
          return Stopped(radio.link, UnfinishedWritesText(target.operation, writes));
        }
        RadioOutcome outcome;
        outcome.exitCode = kExitOk;
        outcome.result = "cleared";
        return outcome;
      });
  std::vector<std::vector<std::string>> rows;
  for (std::size_t i = 0; i < radios.size(); ++i) {
    rows.push_back({radios[i].name, outcomes[i].result, SecondsText(outcomes[i].seconds),
                    outcomes[i].note});
  }
  session.io.out << '\n';
  PrintTable(session.io.out, {"PORT", "RESULT", "TIME", ""}, rows);
  session.io.out << std::flush;
  return FleetExit(outcomes);
}

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
  const std::optional<std::vector<RadioPort>> radios = NamedRadios(invocation, io);
  if (!radios) return kExitUsage;
  Session session(invocation, io);
  if (!session.Ready()) return kExitFailure;
  if (radios->size() > 1) return ClearFleet(session, invocation, *radios, *target);
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
    "The radio must be in PC control mode, as for read. Give --port for each of several\n"
    "radios to clear them at once; a table on standard output sums up each radio.",
    1,
    1,
    kClearOptions,
    RunClear,
};

}  // namespace kol::cli
