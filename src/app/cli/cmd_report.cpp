// `report IN`: the report text of a document on standard output, byte for byte what
// `convert IN OUT.txt` writes.
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
  io.out << ReportFileText(session.document);
  return FlushOutput(io) ? kExitOk : kExitFailure;
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
