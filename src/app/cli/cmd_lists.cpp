// `export` and `import`: a channel list or an MMSI directory of a document as a CSV file
// for spreadsheets, and such a file brought back into a document.
#include <ostream>
#include <set>

#include "app/cli/commands.h"
#include "app/cli/destination_help.h"
#include "app/cli/document_io.h"
#include "app/cli/formats.h"
#include "files/list_file.h"
#include "files/text_lines.h"

namespace kol::cli {
namespace {

struct ListName {
  std::string_view name;
  ListId list;
};

constexpr ListName kListNames[] = {
    {"individual", {ListKind::kIndividualDirectory}},
    {"group", {ListKind::kGroupDirectory}},
    {"exp", {ListKind::kExpChannels}},
    {"usa", {ListKind::kPlanChannels, kGroup1}},
    {"intl", {ListKind::kPlanChannels, kGroup2}},
    {"can", {ListKind::kPlanChannels, kGroup3}},
};

constexpr OptionSpec kListOptions[] = {
    {"list", "LIST", "individual, group, exp (the EXP channels), or usa, intl, can (a plan)"},
};

// The list --list names; nothing after a usage message.
std::optional<ListId> ChosenList(const Invocation& invocation, Io& io, std::string_view command) {
  const std::optional<std::string> name = invocation.Value("list");
  if (name) {
    for (const ListName& known : kListNames) {
      if (EqualsIgnoringCase(known.name, *name)) return known.list;
    }
  }
  io.err << "kolprog-cli: " << (name ? "unknown list '" + *name + "'" : "--list is missing")
         << " (individual, group, exp, usa, intl, can)\n"
         << "Try 'kolprog-cli " << command << " --help'.\n";
  return std::nullopt;
}

bool IsCsv(std::string_view path) {
  return path.size() > 4 && EqualsIgnoringCase(path.substr(path.size() - 4), ".csv");
}

int RunExport(const Invocation& invocation, Io& io) {
  const std::string& in = invocation.args[0];
  const std::string& out = invocation.args[1];
  const std::optional<ListId> list = ChosenList(invocation, io, "export");
  if (!list) return kExitUsage;
  const DocumentFormat* format = ReadableFormat(in, io);
  if (format == nullptr) return kExitUsage;
  if (!IsCsv(out)) {
    // Never a document's name: a CSV text must not replace a settings file by a slip.
    io.err << "kolprog-cli: the list is written to a .csv file, not '" << out << "'\n";
    return kExitUsage;
  }
  Session session(invocation, io);
  if (!session.Ready() || !format->load(session, in)) return kExitFailure;
  return WriteListFile(out, *list, session.document, session.host) ? kExitOk : kExitFailure;
}

int RunImport(const Invocation& invocation, Io& io) {
  const std::string& in = invocation.args[0];
  const std::string& csv = invocation.args[1];
  const std::string& out = invocation.args[2];
  const std::optional<ListId> list = ChosenList(invocation, io, "import");
  if (!list) return kExitUsage;
  const DocumentFormat* inFormat = ReadableFormat(in, io);
  if (inFormat == nullptr) return kExitUsage;
  const DocumentFormat* outFormat = WritableFormat(out, io);
  if (outFormat == nullptr) return kExitUsage;
  Session session(invocation, io);
  if (!session.Ready() || !inFormat->load(session, in)) return kExitFailure;
  const std::optional<std::string> text = ReadListFile(csv, session.document, session.host);
  if (!text) return kExitFailure;
  const ListEditResult result = ListFromCsv(session.document.model, *list, *text);
  if (!result.edit) {
    std::set<int> lines;
    for (const ListProblem& problem : result.problems) {
      io.err << csv << ": " << ProblemText(problem) << '\n';
      lines.insert(problem.line);
    }
    io.err << csv << ": nothing imported (" << lines.size()
           << (lines.size() == 1 ? " line refused)\n" : " lines refused)\n");
    return kExitFailure;
  }
  result.edit->ApplyTo(session.document.model);
  if (!outFormat->save(session, out)) return kExitFailure;
  // A settings file out holds what a settings file in held; anything else also holds
  // what the destination's defaults filled in.
  if (outFormat->save != SaveSettingsFile) TellStartingPoint(session, invocation, *inFormat, in);
  return kExitOk;
}

}  // namespace

const CommandSpec kExportCommand{
    "export",
    "FILE --list LIST OUT.csv",
    "write a channel list or an MMSI directory of a document as a CSV file",
    "FILE is a settings file (.dat) or an image file (.hex). OUT.csv is UTF-8 text with\n"
    "CR LF line ends and a header line, values separated by commas:\n"
    "  individual, group  Name,MMSI: one row per entry in use, in order. The MMSI has its\n"
    "                     nine digits (a group's leading 0 included).\n"
    "  exp                Channel,CH Display,CH Display Suffix,Rx MHz,Tx MHz,Enable,\n"
    "                     Low Power,Power Up,Scan Memory: the 40 EXP channels. A frequency\n"
    "                     is empty for none; switches are Yes or No.\n"
    "  usa, intl, can     Channel,Rx MHz,Tx MHz,Enable,Tx Enable,Low Power,Power Up,Duplex,\n"
    "                     Scan Memory: the 240 channels of that plan.\n"
    "A failed write leaves no OUT.csv behind.",
    2,
    2,
    kListOptions,
    RunExport,
};

const CommandSpec kImportCommand{
    "import",
    "FILE --list LIST IN.csv OUT",
    "bring a CSV file of a list into a document and write the document to OUT",
    "FILE (.dat or .hex) is read as `convert` reads it; the rows of IN.csv replace the\n"
    "directory (individual, group), or change the channels named in their Channel column\n"
    "(exp; usa, intl, can: the switches only), then the document is written to OUT in\n"
    "the format of its extension (.dat, .hex, .txt, .pdf). IN.csv is UTF-8 text with a\n"
    "header line naming the columns, as `export` writes it; columns may come in any order,\n"
    "and a column left out keeps its values (a directory needs Name and MMSI, a channel\n"
    "list Channel). Switches take Yes/No, TRUE/FALSE or 1/0. Every value must be one the\n"
    "window's editor takes: names in the radio's characters (digits, letters, - / * ( )\n"
    "+ . , and blank; lower case becomes upper case), at most 11; an MMSI of 9 digits (a\n"
    "group's beginning with 0, or its 8 digits after the 0); EXP frequencies 137-174 MHz\n"
    "on the 25 kHz raster; an enabled EXP channel with a receive frequency and a channel\n"
    "number. A value equal to what the document already holds there is kept as it is.\n"
    "Any refused value imports nothing: each is named on stderr with its line and column,\n"
    "the exit status is 1 and no OUT is written.",
    3,
    3,
    kListOptions,
    RunImport,
};

}  // namespace kol::cli
