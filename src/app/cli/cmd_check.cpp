// `check FILE...`: what the radio would get from each document, before anybody programs
// it: values it cannot hold (errors) and settings it takes that are probably not meant
// (warnings).
#include <limits>
#include <ostream>

#include "app/cli/check_findings.h"
#include "app/cli/commands.h"
#include "app/cli/document_io.h"

namespace kol::cli {
namespace {

constexpr OptionSpec kCheckOptions[] = {
    {"strict", "", "fail (exit 1) on warnings too"},
};

int RunCheck(const Invocation& invocation, Io& io) {
  std::vector<const DocumentFormat*> formats;
  for (const std::string& path : invocation.args) {
    const DocumentFormat* format = ReadableFormat(path, io);
    if (format == nullptr) return kExitUsage;
    formats.push_back(format);
  }
  Session session(invocation, io);
  if (!session.Ready()) return kExitFailure;
  const bool strict = invocation.Has("strict");
  bool failed = false;
  for (std::size_t i = 0; i < formats.size(); ++i) {
    const std::string& path = invocation.args[i];
    if (!formats[i]->load(session, path)) {
      failed = true;
      continue;
    }
    const std::vector<CheckFinding> findings = CheckForProgramming(session.document);
    PrintFindings(io.out, path, findings);
    failed = failed || HasErrors(findings) || (strict && !findings.empty());
  }
  io.out << std::flush;
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
    "setting it takes that is probably not meant (warning: an enabled EXP channel without\n"
    "a receive frequency, a directory with a hole, a fixed starting channel that is not\n"
    "enabled, ...). Exit status 1 when a file has an error or cannot be read, else 0.",
    1,
    std::numeric_limits<int>::max(),
    kCheckOptions,
    RunCheck,
};

}  // namespace kol::cli
