// `convert IN OUT`: reads a document in one format and writes it in another, each chosen
// by its file's extension from the format table.
#include <ostream>

#include "app/cli/check_findings.h"
#include "app/cli/commands.h"
#include "app/cli/destination_help.h"
#include "app/cli/document_io.h"

namespace kol::cli {
namespace {

int RunConvert(const Invocation& invocation, Io& io) {
  const std::string& in = invocation.args[0];
  const std::string& out = invocation.args[1];
  const DocumentFormat* inFormat = ReadableFormat(in, io);
  if (inFormat == nullptr) return kExitUsage;
  const DocumentFormat* outFormat = WritableFormat(out, io);
  if (outFormat == nullptr) return kExitUsage;
  Session session(invocation, io);
  if (!session.Ready()) return kExitFailure;
  if (!inFormat->load(session, in)) return kExitFailure;
  // An image is what programming would send: say where it would not hold what IN says.
  // It is only a file, so it is written all the same.
  if (outFormat->extension == ".hex") {
    PrintFindings(io.err, in, CheckForProgramming(session.document));
  }
  if (!outFormat->save(session, out)) return kExitFailure;
  TellStartingPoint(session, invocation, *inFormat, in);
  return kExitOk;
}

}  // namespace

const CommandSpec kConvertCommand{
    "convert",
    "IN OUT",
    "read a document from IN and write it to OUT, formats chosen by extension",
    "A settings file (.dat) is read into a new document of the selected model, started\n"
    "from the destination's default image (--destination, else the one last used), and\n"
    "must name that model type. A raw image (.hex) must be exactly 8192 bytes with the\n"
    "model identifier at both ends; it is decoded into the new document. A .hex output\n"
    "holds the encoded document, prepared as for programming the radio; where the radio\n"
    "would hold something else than IN says, or take a setting that is probably not\n"
    "meant, lines on stderr say so as `check` does, and the file is written all the same.\n"
    "A .txt output holds the report text, a .pdf output the printed report. A failed\n"
    "conversion leaves no OUT file behind.",
    2,
    2,
    {},
    RunConvert,
};

}  // namespace kol::cli
