// `report IN`: the report text of a document on standard output, byte for byte what
// `convert IN OUT.txt` writes.
#include <cerrno>
#include <cstring>
#include <ostream>

#include "app/cli/commands.h"
#include "app/cli/document_io.h"
#include "app/cli/formats.h"

namespace kol::cli {
namespace {

int RunReport(const Invocation& invocation, Io& io) {
  const std::string& in = invocation.args[0];
  const DocumentFormat* format = ReadableFormat(in, io);
  if (format == nullptr) return kExitUsage;
  Session session(invocation, io);
  if (!session.Ready() || !format->load(session, in)) return kExitFailure;
  errno = 0;
  io.out << ReportFileText(session.document) << std::flush;
  if (io.out) return kExitOk;
  const int error = errno;  // why the output refused it: a full disk, a closed pipe
  io.err << "kolprog-cli: cannot write the report to standard output"
         << (error != 0 ? std::string(": ") + std::strerror(error) : std::string()) << '\n';
  return kExitFailure;
}

}  // namespace

const CommandSpec kReportCommand{
    "report",
    "IN",
    "print the report text of a document on standard output",
    "IN is a settings file (.dat) or an image file (.hex). The text has CR LF line ends,\n"
    "as the report files that `convert IN OUT.txt` writes.",
    1,
    1,
    {},
    RunReport,
};

}  // namespace kol::cli
