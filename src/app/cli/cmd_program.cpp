// `program IN`: programs the radio from a document, after an optional backup read, and
// reads the programmed memory back to compare it unless told not to; with several ports
// or a fleet file, every radio at once, each keeping its own identity when asked.
#include <cstring>
#include <ostream>

#include "app/cli/check_findings.h"
#include "app/cli/commands.h"
#include "app/cli/destination_help.h"
#include "app/cli/link_command.h"
#include "app/cli/radio_fleet.h"
#include "files/file_read.h"
#include "files/fleet_file.h"
#include "files/program_log.h"
#include "model/formatters.h"

namespace kol::cli {
namespace {

constexpr OptionSpec kProgramOptions[] = {
    kPortOption,
    kYesOption,
    kTraceOption,
    {"backup", "FILE", "first read the radio and save its memory as it was to FILE (.hex)"},
    {"no-verify", "", "do not read the programmed memory back (saves about half the time)"},
    {"force", "", "program even when the radio would not get what IN says"},
    {"keep-identity", "", "every radio keeps its own user MMSI and ATIS code, whatever IN holds"},
    {"fleet", "FLEET.csv", "the radios and their identities, a line each: Port,User MMSI,Atis Code "
                           "(an empty cell keeps the radio's own)"},
    {"log", "LOG.csv", "append a line per radio: what was programmed into which radio, and how "
                       "it ended"},
};

// What the command line asks of every radio.
struct ProgramPlan {
  std::string in;
  std::optional<std::string> backup;
  bool verify = true;
  bool keepIdentity = false;
};

// A radio of a fleet file: where it is and what it gets.
struct FleetEntry {
  RadioPort port;
  std::string userMmsi;  // empty: the radio keeps its own
  std::string atisCode;
};

// The radio must get what the document says: its findings are printed, and an error stops
// the run before the port is opened unless --force is given.
bool PassesCheck(const Invocation& invocation, Session& session, const std::string& in) {
  const std::vector<CheckFinding> findings = CheckForProgramming(session.document);
  PrintFindings(session.io.err, in, findings);
  if (!HasErrors(findings) || invocation.Has("force")) return true;
  session.io.err << "kolprog-cli: the radio would not get what " << in
                 << " says; it was not programmed (--force programs it all the same)\n";
  return false;
}

// After programming that went through: what its read-back found.
void TellReadBack(const ProgramResult& result, RadioWork& radio, RadioOutcome& outcome) {
  if (result.verified) {
    radio.err << "verified\n";
    outcome.verified = "yes";
    outcome.exitCode = kExitOk;
    return;
  }
  outcome.verified = "no";
  if (result.difference) {
    outcome.note = ReadBackDifferenceText(*result.difference);
    radio.err << outcome.note << '\n';
    return;
  }
  outcome.note = radio.link.Interrupted() ? "the radio was programmed; reading it back was cancelled"
                                          : "the programmed memory could not be read back";
  radio.err << "kolprog-cli: " << outcome.note << '\n';
  outcome.exitCode = radio.link.FailureExit();
}

// Names the backup file of a radio whose memory was read as `before`.
using BackupPath = std::function<std::string(const std::vector<std::uint8_t>& before)>;

// Reads the radio as it is and saves the bytes to its backup file and to the backups folder.
bool BackUp(RadioWork& radio, const BackupPath& path, const std::string& userDataFolder) {
  std::vector<std::uint8_t> before;
  if (!radio.link.ReadRadio(before, "Backing up: reading the radio")) return false;
  KeepBackup(userDataFolder, before, radio.err);
  Io io{radio.err, radio.err};
  return WriteImageBytes(path(before), before, io);
}

// One radio: its backup when asked, programming, the read-back; its lines on radio.err.
// `identity` says what it keeps of its own.
RadioOutcome ProgramRadio(RadioWork& radio, const ProgramPlan& plan, const IdentityRule& identity,
                          const BackupPath& backupPath, const std::string& userDataFolder) {
  LinkRun& link = radio.link;
  if (plan.backup && !BackUp(radio, backupPath, userDataFolder)) {
    radio.err << "kolprog-cli: without its backup the radio was not programmed\n";
    return Stopped(link, "no backup, so nothing was written to the radio");
  }
  const ProgramResult result = link.Program(plan.verify, identity, "Programming the radio");
  if (result.keptProductCode) radio.err << plan.in << ' ' << KeptProductCodeText() << '\n';
  RadioOutcome outcome;
  if (!result.programmed) {
    link.TellWhatWasWritten(Operation::kProgram, result.writesSent);
    outcome = Stopped(link, UnfinishedWritesText(Operation::kProgram, result.writesSent));
  }
  outcome.radio = result.radioBefore;
  if (!result.sent.empty()) {
    outcome.after = IdentityOf(result.sent);
    outcome.imageSha256 = ImageSha256(result.sent);
  }
  if (!result.programmed) return outcome;
  outcome.result = "programmed";
  if (!plan.verify) {
    outcome.verified = "not checked";
    outcome.exitCode = kExitOk;
    return outcome;
  }
  TellReadBack(result, radio, outcome);
  return outcome;
}

// A radio's line of the log; one that was not programmed to the end is logged with the
// user MMSI it reported at the start, its note saying what may have been written.
ProgramLogRow LogRow(const RadioOutcome& outcome, const std::string& port, const std::string& in) {
  ProgramLogRow row;
  row.time = outcome.started;
  row.port = port;
  row.productCode = outcome.radio.productCode;
  row.userMmsiBefore = outcome.radio.userMmsi;
  row.userMmsiAfter = outcome.result == "programmed" ? outcome.after.userMmsi : outcome.radio.userMmsi;
  row.file = in;
  row.imageSha256 = outcome.imageSha256;
  row.result = outcome.result;
  row.verified = outcome.verified;
  row.seconds = outcome.seconds;
  row.note = outcome.note;
  return row;
}

// "366123456 (kept)", "366123456", or the value before when nothing went to the radio.
std::string IdentityCell(const std::string& before, const std::string& after, bool kept, bool sent) {
  if (!sent) return before;
  const std::string shown = after.empty() ? std::string("-") : after;
  return kept ? shown + " (kept)" : shown;
}

void PrintSummary(std::ostream& out, const std::vector<RadioPort>& radios,
                  const std::vector<RadioOutcome>& outcomes,
                  const std::vector<IdentityRule>& rules) {
  std::vector<std::vector<std::string>> rows;
  for (std::size_t i = 0; i < radios.size(); ++i) {
    const RadioOutcome& o = outcomes[i];
    const bool sent = !o.imageSha256.empty();
    rows.push_back({radios[i].name, o.radio.productCode,
                    IdentityCell(o.radio.userMmsi, o.after.userMmsi, rules[i].keepUserMmsi, sent),
                    IdentityCell(o.radio.atisCode, o.after.atisCode, rules[i].keepAtisCode, sent),
                    o.result, o.verified, SecondsText(o.seconds), o.note});
  }
  out << '\n';
  PrintTable(out, {"PORT", "PRODUCT", "USER MMSI", "ATIS CODE", "RESULT", "VERIFIED", "TIME", ""},
             rows);
  out << std::flush;
}

// The fleet file's radios, or nothing after its problems were printed.
std::optional<std::vector<FleetEntry>> ReadFleetFile(const std::string& path, Io& io) {
  int error = 0;
  const std::optional<std::string> text = ReadWholeFile(path, &error);
  if (!text) {
    io.err << "kolprog-cli: cannot read '" << path << "': " << std::strerror(error) << '\n';
    return std::nullopt;
  }
  const Fleet fleet = ReadFleet(*text);
  for (const FleetProblem& problem : fleet.problems) {
    io.err << path << ":" << problem.line << ": " << problem.text << '\n';
  }
  if (!fleet.problems.empty()) {
    io.err << "kolprog-cli: no radio was programmed; " << path << " must be put right first\n";
    return std::nullopt;
  }
  std::vector<FleetEntry> entries;
  for (const FleetRadio& radio : fleet.radios) {
    entries.push_back({{radio.port, radio.portChoice}, radio.userMmsi, radio.atisCode});
  }
  return entries;
}

// Radios on the air must be told apart: one identity from IN for several radios is refused
// (unless --force), as neither --keep-identity nor a fleet file keeps them apart.
bool DistinctIdentities(const Invocation& invocation, Session& session, const ProgramPlan& plan) {
  if (plan.keepIdentity || invocation.Has("fleet") || invocation.Has("force")) return true;
  const SettingsModel& model = session.document.model;
  const std::string_view mmsi = TrimBlanks(model.dscBasic.userMmsi);
  const std::string_view atis = TrimBlanks(model.atis.atisCode);
  if (mmsi.empty() && atis.empty()) return true;
  session.io.err << "kolprog-cli: every radio would get " << plan.in << "'s "
                 << (mmsi.empty() ? "" : "user MMSI " + std::string(mmsi))
                 << (mmsi.empty() || atis.empty() ? "" : " and ")
                 << (atis.empty() ? "" : "ATIS code " + std::string(atis))
                 << " and answer as one station; --keep-identity keeps each radio's own, --fleet "
                    "gives each its own (--force programs them all the same)\n";
  return false;
}

// The log, opened before any radio is touched; false after a message.
bool OpenLog(const Invocation& invocation, ProgramLog& log, Io& io) {
  const std::optional<std::string> path = invocation.Value("log");
  if (!path) return true;
  std::string error;
  if (log.Open(*path, error)) return true;
  io.err << "kolprog-cli: cannot write the log '" << *path << "': " << error << '\n';
  return false;
}

void AppendToLog(const Invocation& invocation, ProgramLog& log, const ProgramLogRow& row,
                 std::ostream& err) {
  std::string error;
  if (!invocation.Has("log") || log.Append(row, error)) return;
  err << "kolprog-cli: the log '" << *invocation.Value("log") << "' did not take the line of "
      << row.port << ": " << error << '\n';
}

// One radio, as the command has always done it.
int ProgramOne(const Invocation& invocation, Session& session, const ProgramPlan& plan,
               ProgramLog& log) {
  LinkRun link(session, invocation);
  if (!link.Usable()) return link.RefusalExit();
  const std::string port = invocation.ValueOr("port", link.DeviceName());
  const RadioPort radioPort{port, *PortChoiceFromText(link.DeviceName())};
  RadioWork radio{0, radioPort, session.document, session.io.err, link};
  const IdentityRule identity{invocation.Has("log"), plan.keepIdentity, plan.keepIdentity};
  const std::string started = IsoLocalTime();
  const std::int64_t start = link.RunClock().NowMs();
  RadioOutcome outcome = ProgramRadio(
      radio, plan, identity, [&](const std::vector<std::uint8_t>&) { return *plan.backup; },
      session.userDataFolder);
  outcome.started = started;
  outcome.seconds = static_cast<double>(link.RunClock().NowMs() - start) / 1000.0;
  AppendToLog(invocation, log, LogRow(outcome, port, plan.in), session.io.err);
  return outcome.exitCode;
}

// Every radio at once, each with its own identity rule (and, from a fleet file, its own
// values); a summary table on stdout at the end.
int ProgramFleet(const Invocation& invocation, Session& session, const ProgramPlan& plan,
                 const std::vector<FleetEntry>& entries, ProgramLog& log) {
  std::vector<RadioPort> radios;
  std::vector<IdentityRule> rules;
  for (const FleetEntry& entry : entries) {
    radios.push_back(entry.port);
    const bool fromFleet = invocation.Has("fleet");
    rules.push_back({true, plan.keepIdentity || (fromFleet && entry.userMmsi.empty()),
                     plan.keepIdentity || (fromFleet && entry.atisCode.empty())});
  }
  RadioFileNames backups;
  const std::vector<RadioOutcome> outcomes =
      RunFleet(session, invocation, radios, [&](RadioWork& radio) {
        const FleetEntry& entry = entries[radio.index];
        if (!entry.userMmsi.empty()) radio.document.model.dscBasic.userMmsi = entry.userMmsi;
        if (!entry.atisCode.empty()) radio.document.model.atis.atisCode = entry.atisCode;
        return ProgramRadio(
            radio, plan, rules[radio.index],
            [&](const std::vector<std::uint8_t>& before) {
              return backups.Claim(*plan.backup, IdentityOf(before).userMmsi, radio.port);
            },
            session.userDataFolder);
      });
  for (std::size_t i = 0; i < radios.size(); ++i) {
    AppendToLog(invocation, log, LogRow(outcomes[i], radios[i].name, plan.in), session.io.err);
  }
  PrintSummary(session.io.out, radios, outcomes, rules);
  return FleetExit(outcomes);
}

int RunProgram(const Invocation& invocation, Io& io) {
  ProgramPlan plan;
  plan.in = invocation.args[0];
  plan.backup = invocation.Value("backup");
  plan.verify = !invocation.Has("no-verify");
  plan.keepIdentity = invocation.Has("keep-identity");
  const DocumentFormat* format = ReadableFormat(plan.in, io);
  if (format == nullptr) return kExitUsage;
  const DocumentFormat* backupFormat = plan.backup ? FormatOf(*plan.backup) : nullptr;
  if (plan.backup && (backupFormat == nullptr || backupFormat->extension != ".hex")) {
    io.err << "kolprog-cli: --backup takes a raw image file name ending in .hex\n";
    return kExitUsage;
  }
  if ((plan.backup && !WritableOutput(*plan.backup, io)) || !TraceWritable(invocation, io)) {
    return kExitUsage;
  }
  std::vector<FleetEntry> entries;
  if (const std::optional<std::string> fleet = invocation.Value("fleet")) {
    if (invocation.Has("port") || plan.keepIdentity) {
      io.err << "kolprog-cli: --fleet names the ports and what each radio keeps; give it "
                "without --port and --keep-identity\n";
      return kExitUsage;
    }
    std::optional<std::vector<FleetEntry>> read = ReadFleetFile(*fleet, io);
    if (!read) return kExitFailure;
    entries = std::move(*read);
  } else {
    const std::optional<std::vector<RadioPort>> named = NamedRadios(invocation, io);
    if (!named) return kExitUsage;
    for (const RadioPort& port : *named) entries.push_back({port, {}, {}});
  }
  std::vector<RadioPort> radios;
  for (const FleetEntry& entry : entries) radios.push_back(entry.port);
  if (!DistinctRadios(radios, invocation, io)) return kExitUsage;
  ProgramLog log;
  if (!OpenLog(invocation, log, io)) return kExitUsage;
  Session session(invocation, io);
  if (!session.Ready() || !format->load(session, plan.in)) return kExitFailure;
  TellStartingPoint(session, invocation, *format, plan.in);
  if (!PassesCheck(invocation, session, plan.in)) return kExitFailure;
  if (entries.size() <= 1 && !invocation.Has("fleet")) return ProgramOne(invocation, session, plan, log);
  if (!DistinctIdentities(invocation, session, plan)) return kExitFailure;
  return ProgramFleet(invocation, session, plan, entries, log);
}

}  // namespace

const CommandSpec kProgramCommand{
    "program",
    "IN",
    "program the radio from IN (.dat or .hex), then read it back and compare",
    "IN is first checked as `check` does: its findings are printed, and a value the\n"
    "radio would hold otherwise stops the run before the port is opened (--force programs\n"
    "it all the same). IN is encoded and prepared as for any programming run. Afterwards\n"
    "the programmed memory is read back and compared: the command prints \"verified\", or\n"
    "the first address that differs and fails. The radio must be in PC control mode, as\n"
    "for read.\n"
    "\n"
    "Several radios: give --port for each, or --fleet FLEET.csv. They are programmed at\n"
    "once, each showing its progress on a line of its own; a table on standard output sums\n"
    "up each radio at the end, and the command succeeds only when every radio did. With\n"
    "--keep-identity every radio keeps the user MMSI and ATIS code it holds, whatever IN\n"
    "holds; FLEET.csv (first line Port,User MMSI,Atis Code) gives each radio its own, an\n"
    "empty cell keeping the radio's. --log appends a line per radio to LOG.csv, also when\n"
    "it failed or Ctrl+C stopped it: time, port, product code, user MMSI before and after,\n"
    "file, SHA-256 of the image sent, result, verified, seconds, note.",
    1,
    1,
    kProgramOptions,
    RunProgram,
};

}  // namespace kol::cli
