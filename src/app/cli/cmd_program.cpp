// `program IN`: programs the radio from a document, after an optional backup read, and
// reads the programmed memory back to compare it unless told not to.
#include <iomanip>
#include <ostream>

#include "app/cli/check_findings.h"
#include "app/cli/commands.h"
#include "app/cli/destination_help.h"
#include "app/cli/link_command.h"

namespace kol::cli {
namespace {

constexpr OptionSpec kProgramOptions[] = {
    kPortOption,
    kYesOption,
    kTraceOption,
    {"backup", "FILE", "first read the radio and save its memory as it was to FILE (.hex)"},
    {"no-verify", "", "do not read the programmed memory back (saves about half the time)"},
    {"force", "", "program even when the radio would not get what IN says"},
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
int TellReadBack(const ProgramResult& result, LinkRun& link, Io& io) {
  if (result.verified) {
    io.err << "verified\n";
    return kExitOk;
  }
  if (result.difference) {
    io.err << ReadBackDifferenceText(*result.difference) << '\n';
    return kExitFailure;
  }
  io.err << (link.Interrupted()
                 ? "kolprog-cli: the radio was programmed; reading it back was cancelled\n"
                 : "kolprog-cli: the programmed memory could not be read back\n");
  return link.FailureExit();
}

// Reads the radio as it is and saves the bytes to FILE and to the backups folder.
bool BackUp(LinkRun& link, Session& session, const std::string& path) {
  std::vector<std::uint8_t> before;
  if (!link.ReadRadio(before, "Backing up: reading the radio")) return false;
  const std::string kept = KeepBackup(session, before);
  if (!kept.empty()) session.io.err << "Backup of the radio's memory: " << kept << '\n';
  return WriteImageBytes(path, before, session.io);
}

int RunProgram(const Invocation& invocation, Io& io) {
  const std::string& in = invocation.args[0];
  const DocumentFormat* format = ReadableFormat(in, io);
  if (format == nullptr) return kExitUsage;
  const std::optional<std::string> backup = invocation.Value("backup");
  const DocumentFormat* backupFormat = backup ? FormatOf(*backup) : nullptr;
  if (backup && (backupFormat == nullptr || backupFormat->extension != ".hex")) {
    io.err << "kolprog-cli: --backup takes a raw image file name ending in .hex\n";
    return kExitUsage;
  }
  if ((backup && !WritableOutput(*backup, io)) || !TraceWritable(invocation, io)) return kExitUsage;
  Session session(invocation, io);
  if (!session.Ready() || !format->load(session, in)) return kExitFailure;
  TellStartingPoint(session, invocation, *format, in);
  if (!PassesCheck(invocation, session, in)) return kExitFailure;
  LinkRun link(session, invocation);
  if (!link.Usable()) return link.RefusalExit();
  if (backup && !BackUp(link, session, *backup)) {
    io.err << "kolprog-cli: without its backup the radio was not programmed\n";
    return link.FailureExit();
  }
  const bool verify = !invocation.Has("no-verify");
  const ProgramResult result = link.Program(verify, "Programming the radio");
  if (result.keptProductCode) io.err << in << ' ' << KeptProductCodeText() << '\n';
  if (!result.programmed) {
    link.TellWhatWasWritten(Operation::kProgram, result.writesSent);
    return link.FailureExit();
  }
  return verify ? TellReadBack(result, link, io) : kExitOk;
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
    "for read.",
    1,
    1,
    kProgramOptions,
    RunProgram,
};

}  // namespace kol::cli
