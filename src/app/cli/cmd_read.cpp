// `read OUT`: reads the radio into a new document and writes it to OUT; every image read
// is also kept in the per-user backups folder.
#include <ostream>

#include "app/cli/commands.h"
#include "app/cli/link_command.h"

namespace kol::cli {
namespace {

constexpr OptionSpec kReadOptions[] = {kPortOption, kYesOption, kTraceOption};

int RunRead(const Invocation& invocation, Io& io) {
  const std::string& out = invocation.args[0];
  const DocumentFormat* format = WritableFormat(out, io);
  if (format == nullptr || !WritableOutput(out, io) || !TraceWritable(invocation, io)) {
    return kExitUsage;
  }
  Session session(invocation, io);
  if (!session.Ready()) return kExitFailure;
  LinkRun link(session, invocation);
  if (!link.Usable()) return link.RefusalExit();
  if (!link.Run(Operation::kRead, "Reading the radio")) return link.FailureExit();
  const std::string backup = KeepBackup(session, link.ReceivedImage());
  if (!backup.empty()) io.err << "Backup of the radio's memory: " << backup << '\n';
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
    "when the radio has none).",
    1,
    1,
    kReadOptions,
    RunRead,
};

}  // namespace kol::cli
