// `read OUT`: reads the radio into a new document and writes it to OUT; every image read
// is also kept in the per-user backups folder. With several ports every radio at once,
// each into OUT named with its user MMSI.
#include <ostream>

#include "app/cli/commands.h"
#include "app/cli/link_command.h"
#include "app/cli/radio_fleet.h"

namespace kol::cli {
namespace {

constexpr OptionSpec kReadOptions[] = {kPortOption, kYesOption, kTraceOption};

// Every radio at once; each document read is written in turn once all have ended.
int ReadFleet(Session& session, const Invocation& invocation, const std::vector<RadioPort>& radios,
              const DocumentFormat& format, const std::string& out) {
  std::vector<RadioOutcome> outcomes =
      RunFleet(session, invocation, radios, [&](RadioWork& radio) {
        if (!radio.link.Run(Operation::kRead, "Reading the radio")) {
          return Stopped(radio.link, radio.link.Interrupted() ? "" : "not read");
        }
        RadioOutcome outcome;
        outcome.radio = IdentityOf(radio.link.ReceivedImage());
        outcome.note = KeepBackup(session.userDataFolder, radio.link.ReceivedImage(), radio.err);
        outcome.document = radio.document;
        return outcome;
      });
  RadioFileNames names;
  std::vector<std::vector<std::string>> rows;
  for (std::size_t i = 0; i < radios.size(); ++i) {
    RadioOutcome& outcome = outcomes[i];
    if (outcome.document) {
      const std::string path = names.Claim(out, outcome.radio.userMmsi, radios[i]);
      session.document = *outcome.document;
      const bool saved = format.save(session, path);
      outcome.exitCode = saved ? kExitOk : kExitFailure;
      outcome.result = saved ? "read" : "not saved";
      outcome.note = saved ? path : "the backup is " + outcome.note;
    }
    rows.push_back({radios[i].name, outcome.radio.productCode, outcome.radio.userMmsi,
                    outcome.result, SecondsText(outcome.seconds), outcome.note});
  }
  session.io.out << '\n';
  PrintTable(session.io.out, {"PORT", "PRODUCT", "USER MMSI", "RESULT", "TIME", "FILE"}, rows);
  session.io.out << std::flush;
  return FleetExit(outcomes);
}

int RunRead(const Invocation& invocation, Io& io) {
  const std::string& out = invocation.args[0];
  const DocumentFormat* format = WritableFormat(out, io);
  if (format == nullptr || !WritableOutput(out, io) || !TraceWritable(invocation, io)) {
    return kExitUsage;
  }
  const std::optional<std::vector<RadioPort>> radios = NamedRadios(invocation, io);
  if (!radios) return kExitUsage;
  Session session(invocation, io);
  if (!session.Ready()) return kExitFailure;
  if (radios->size() > 1) return ReadFleet(session, invocation, *radios, *format, out);
  LinkRun link(session, invocation);
  if (!link.Usable()) return link.RefusalExit();
  if (!link.Run(Operation::kRead, "Reading the radio")) return link.FailureExit();
  KeepBackup(session.userDataFolder, link.ReceivedImage(), io.err);
  return format->save(session, out) ? kExitOk : kExitFailure;
}

}  // namespace

const CommandSpec kReadCommand{
    "read",
    "OUT",
    "read the radio and write its settings to OUT (.dat, .hex, ...)",
    "Put the radio into PC control mode first: hold [DISTRESS] and [SCAN] while turning it\n"
    "on. OUT is written only after every block arrived and was decoded. OUT.hex holds the\n"
    "decoded document encoded again, as programming would send it back (what `convert`\n"
    "writes), not the bytes as read: those are the backup, kept unchanged as\n"
    "backups/<date-time>_<user MMSI>.hex in the per-user data folder (without the MMSI\n"
    "when the radio has none).\n"
    "\n"
    "Several radios: give --port for each. They are read at once, and each radio's settings\n"
    "go to OUT with its user MMSI (else its port) before the extension: out_366123456.dat.\n"
    "A table on standard output sums up each radio at the end.",
    1,
    1,
    kReadOptions,
    RunRead,
};

}  // namespace kol::cli
