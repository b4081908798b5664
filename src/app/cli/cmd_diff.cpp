// `diff A B`: two documents set side by side, setting by setting, each a settings file, an
// image file or a radio read now. Before programming, the technician sees what will change.
#include <ostream>

#include "app/cli/check_findings.h"
#include "app/cli/commands.h"
#include "app/cli/destination_help.h"
#include "app/cli/link_command.h"
#include "files/app_settings.h"
#include "files/settings_diff.h"

namespace kol::cli {
namespace {

// The exit status of diff, as other comparing tools have it.
enum DiffExit : int { kSame = 0, kDifferent = 1, kTrouble = 2 };

constexpr std::string_view kRadioPrefix = "radio:";
constexpr OptionSpec kDiffOptions[] = {kYesOption};

std::optional<std::string> RadioPort(std::string_view side) {
  if (!side.starts_with(kRadioPrefix)) return std::nullopt;
  return std::string(side.substr(kRadioPrefix.size()));
}

// A side that cannot be used: false after a message.
bool UsableSide(const std::string& side, Io& io) {
  if (const std::optional<std::string> port = RadioPort(side)) {
    if (PortChoiceFromText(*port)) return true;
    io.err << "kolprog-cli: " << side << ": a radio is named radio:PORT, PORT 1-4 or a device "
           << "path\n";
    return false;
  }
  return ReadableFormat(side, io) != nullptr;
}

// Reads one side into the session's document: kSame, or the exit status after a message.
int LoadSide(Session& session, const Invocation& invocation, const std::string& side) {
  if (const std::optional<std::string> port = RadioPort(side)) {
    LinkRun link(session, invocation, *port);
    if (!link.Usable()) return kTrouble;
    if (!link.Run(Operation::kRead, "Reading the radio")) {
      return link.FailureExit() == kExitCancelled ? int{kExitCancelled} : int{kTrouble};
    }
    KeepBackup(session.userDataFolder, link.ReceivedImage(), session.io.err);
    return kSame;
  }
  const DocumentFormat& format = *FormatOf(side);
  if (!format.load(session, side)) return kTrouble;
  TellStartingPoint(session, invocation, format, side);
  return kSame;
}

std::string Shown(const std::string& value) {
  return value.empty() ? std::string("\"\"") : PrintableValue(value);
}

void PrintDifferences(std::ostream& out, const DocumentDifferences& differences) {
  for (const SettingDifference& d : differences.settings) {
    const std::string place = "[" + d.section + "] " + d.key;
    out << (d.caption.empty() ? place : d.caption) << ": " << Shown(d.a) << " \xE2\x86\x92 "
        << Shown(d.b) << (d.caption.empty() ? "" : "  " + place) << '\n';
  }
  if (const std::string other = OtherBytesText(differences); !other.empty()) out << other << '\n';
}

int RunDiff(const Invocation& invocation, Io& io) {
  for (const std::string& side : invocation.args) {
    if (!UsableSide(side, io)) return kTrouble;
  }
  Session session(invocation, io);
  if (!session.Ready()) return kTrouble;
  Document sides[2];
  for (int i = 0; i < 2; ++i) {
    const int loaded = LoadSide(session, invocation, invocation.args[static_cast<std::size_t>(i)]);
    if (loaded != kSame) return loaded;
    sides[i] = session.document;
  }
  const DocumentDifferences differences = CompareDocuments(sides[0], sides[1]);
  PrintDifferences(io.out, differences);
  io.out << std::flush;
  return differences.None() ? kSame : kDifferent;
}

}  // namespace

const CommandSpec kDiffCommand{
    "diff",
    "A B",
    "list the settings that differ between two documents or radios",
    "A and B are each a settings file (.dat), an image file (.hex) or radio:PORT, a radio\n"
    "read now (PORT 1-4 or a device path; its memory is kept in the backups folder as\n"
    "`read` keeps it). A line on standard output names each setting that differs, as the\n"
    "window names it (page \xE2\x96\xB8 control) with the settings file's [section] and key,\n"
    "and its value in A \xE2\x86\x92 in B; a last line counts the bytes programming writes\n"
    "that differ although no setting holds them. Exit status 0 when A and B are the same,\n"
    "1 when they differ, 2 on a usage error or when A or B cannot be read, 3 when Ctrl+C\n"
    "cancelled a read.",
    2,
    2,
    kDiffOptions,
    RunDiff,
};

}  // namespace kol::cli
