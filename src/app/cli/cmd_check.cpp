// `check FILE...`: what the radio would get from each document, before anybody programs
// it: values it cannot hold (errors) and settings it takes that are probably not meant
// (warnings).
#include <limits>
#include <ostream>

#include "app/cli/check_findings.h"
#include "app/cli/commands.h"
#include "app/cli/document_io.h"
#include "app/cli/session.h"

namespace kol::cli {
namespace {

constexpr OptionSpec kCheckOptions[] = {
    {"strict", "", "fail (exit 1) on warnings too"},
};

// One line on standard output for a file that could not be checked.
void NotChecked(Io& io, const std::string& path, const std::string& why) {
  io.out << path << ": error: " << why << '\n';
}

int RunCheck(const Invocation& invocation, Io& io) {
  Session session(invocation, io);
  if (!session.Ready()) return kExitFailure;
  const bool strict = invocation.Has("strict");
  bool failed = false;
  for (const std::string& path : invocation.args) {
    const DocumentFormat* format = FormatOf(path);
    if (format == nullptr || format->load == nullptr) {
      NotChecked(io, path, "is not a settings file (.dat) or an image file (.hex)");
      failed = true;
    } else if (!format->load(session, path)) {  // its message, with the reason, is on stderr
      NotChecked(io, path, "could not be read");
      failed = true;
    } else {
      const std::vector<CheckFinding> findings = CheckForProgramming(session.document);
      if (findings.empty()) io.out << path << ": ok\n";
      PrintFindings(io.out, path, findings);
      failed = failed || HasErrors(findings) || (strict && !findings.empty());
    }
    if (!FlushOutput(io)) return kExitFailure;  // lines nobody gets are no check
  }
  return failed ? kExitFailure : kExitOk;
}

}  // namespace

const CommandSpec kCheckCommand{
    "check",
    "FILE...",
    "check what the radio would get from each document, before programming it",
    "Each FILE (.dat or .hex) is read as `program` reads it and encoded as programming\n"
    "encodes it. A line on standard output, file name first, names each value the radio\n"
    "would hold otherwise (error: a name with a character the radio cannot show, an MMSI\n"
    "with a letter or too many digits, a frequency off the radio's steps, ...) and each\n"
    "setting it takes that is probably not meant or that the editor would refuse (warning:\n"
    "an enabled EXP channel without a receive frequency, a directory with a hole, an EXP\n"
    "frequency outside 137.000-174.000 MHz, an MMSI of 8 digits, ...). A file without\n"
    "findings gets the line \"FILE: ok\", a file that cannot be read \"FILE: error: ...\".\n"
    "Exit status 1 when a file has an error or cannot be read, else 0.",
    1,
    std::numeric_limits<int>::max(),
    kCheckOptions,
    RunCheck,
};

}  // namespace kol::cli
