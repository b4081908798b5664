#include "app/cli/cli_docs.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>
#include <set>
#include <sstream>
#include <vector>

#include "app/cli/cli.h"

namespace kol::cli {
namespace {

// ---------------------------------------------------------------------------------------
// Manual page
// ---------------------------------------------------------------------------------------

// A character beyond ASCII (UTF-8 from `at`, which moves past it) as troff's "\[u25B8]".
std::string RoffCharacter(std::string_view text, std::size_t& at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  const int length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
  unsigned code = lead & (0x7Fu >> length);
  for (int i = 1; i < length && at + 1 < text.size(); ++i) {
    code = (code << 6) | (static_cast<unsigned char>(text[++at]) & 0x3Fu);
  }
  char escaped[16];
  std::snprintf(escaped, sizeof escaped, "\\[u%04X]", code);
  return escaped;
}

// Text for a filled troff paragraph: backslashes escaped, a line never taken for a request,
// `quoted` words in bold, characters beyond ASCII by their code.
std::string Roff(std::string_view text) {
  std::string out;
  bool lineStart = true;
  bool bold = false;
  for (std::size_t at = 0; at < text.size(); ++at) {
    const char c = text[at];
    if (lineStart && (c == '.' || c == '\'')) out += "\\&";
    lineStart = c == '\n';
    if (static_cast<unsigned char>(c) >= 0x80) {
      out += RoffCharacter(text, at);
    } else if (c == '\\') {
      out += "\\e";
    } else if (c == '`') {
      out += bold ? "\\fR" : "\\fB";
      bold = !bold;
    } else {
      out += c;
    }
  }
  return out;
}

// An option or command word: hyphens as minus signs, so that the text can be copied.
std::string RoffWord(std::string_view word) {
  std::string out;
  for (char c : word) out += c == '-' ? std::string("\\-") : std::string(1, c);
  return out;
}

void WriteOptions(std::ostream& out, std::span<const OptionSpec> options) {
  for (const OptionSpec& option : options) {
    out << ".TP\n\\fB\\-\\-" << RoffWord(option.name) << "\\fR";
    if (!option.valueName.empty()) out << " \\fI" << option.valueName << "\\fR";
    out << "\n" << Roff(option.help) << "\n";
  }
}

constexpr char kManualHead[] = R"(.TH KOLPROG\-CLI 1 "" "kolprog-cli @VERSION@" "User Commands"
.SH NAME
kolprog\-cli \- read, check and program the LZ3300T marine VHF radio from the command line
.SH SYNOPSIS
.B kolprog\-cli
.I COMMAND
.RI [ OPTIONS ] " ARGS" ...
.br
.B kolprog\-cli
.RB [ \-\-help " | " \-\-version ]
.br
.B kolprog\-cli
.I COMMAND
.B \-\-help
.SH DESCRIPTION
.B kolprog\-cli
does without a window what the editor
.BR kolprog (1)
does: it converts documents between settings files (.dat), raw memory images (.hex),
report texts (.txt) and printed reports (.pdf), checks what the radio would get from a
document, reads the radio, programs it and clears its logs.
.PP
Every command first starts as the editor does: it reads the model list global.ini,
selects the model chosen last and builds a new document from the default image of the
destination (the regional variant of the radio).
.PP
Connect the radio with the KOL cable and put it into PC control mode before a command
that talks to it: hold [DISTRESS] and [SCAN] while turning it on; the display shows
PC CONTROL.
.SH COMMANDS
)";

constexpr char kManualTail[] = R"(.SH EXIT STATUS
.TP
.B 0
success
.TP
.B 1
the radio, the link or a file failed
.TP
.B 2
the command line was wrong
.TP
.B 3
the user cancelled (Ctrl+C)
.SH FILES
.TP
.I global.ini\fR, \fP*_0CE4.ini
The model list and the destinations' default images: in the program's folder, else in
\&../share/kolprog beside it (/usr/share/kolprog for the installed package), unless
\fB\-\-program\-dir\fR names another folder.
.TP
.I ~/.config/KOL Programmer.ini
Per-user settings shared with the editor: the last model, the last destination of each
model, the serial port chosen in the editor.
.TP
.I ~/.local/share/KOL Programmer/backups/
The raw memory of every radio read, as \fIdate\-time\fP_\fIMMSI\fP.hex.
.SH EXAMPLES
.nf
kolprog\-cli read \-\-port /dev/ttyUSB0 boat.dat
kolprog\-cli check boat.dat
kolprog\-cli program \-\-port /dev/ttyUSB0 boat.dat
kolprog\-cli convert boat.dat boat.pdf
.fi
.SH SEE ALSO
.BR kolprog (1)
)";

// ---------------------------------------------------------------------------------------
// Bash completion
// ---------------------------------------------------------------------------------------

// What the value of an option names.
enum class ValueKind { kNone, kFile, kFolder, kPort, kDestination };

ValueKind KindOf(const OptionSpec& option) {
  if (option.name == "destination") return ValueKind::kDestination;
  const std::string_view value = option.valueName;
  if (value == "DIR") return ValueKind::kFolder;
  if (value == "DEV") return ValueKind::kPort;
  if (value == "FILE" || value == "PATH" || value == "IN" || value == "OUT") return ValueKind::kFile;
  return ValueKind::kNone;
}

// The completion of an option's value.
const char* ValueCompletion(ValueKind kind) {
  switch (kind) {
    case ValueKind::kFile:
      return "mapfile -t COMPREPLY < <(compgen -f -- \"$cur\"); compopt -o filenames 2>/dev/null; return ;;";
    case ValueKind::kFolder:
      return "mapfile -t COMPREPLY < <(compgen -d -- \"$cur\"); compopt -o filenames 2>/dev/null; return ;;";
    case ValueKind::kPort:  // a port number, or a device path
      return "if [[ $cur == /* ]]; then mapfile -t COMPREPLY < <(compgen -f -- \"$cur\"); "
             "else mapfile -t COMPREPLY < <(compgen -W \"1 2 3 4\" -- \"$cur\"); fi; return ;;";
    case ValueKind::kDestination:
      return "mapfile -t COMPREPLY < <(compgen -W \"$(_kolprog_cli_destinations)\" -- \"$cur\"); return ;;";
    case ValueKind::kNone:
      break;
  }
  return "return ;;";  // a number or a word the user types
}

std::string Joined(const std::vector<std::string>& words, std::string_view separator) {
  std::string out;
  for (const std::string& word : words) out += (out.empty() ? "" : std::string(separator)) + word;
  return out;
}

std::vector<std::string> OptionWords(std::span<const OptionSpec> options) {
  std::vector<std::string> words;
  for (const OptionSpec& option : options) words.push_back("--" + std::string(option.name));
  return words;
}

// "{mmsi|dsc-log}" gives its words; any other synopsis none.
std::vector<std::string> Choices(std::string_view synopsis) {
  std::vector<std::string> words;
  if (synopsis.size() < 2 || synopsis.front() != '{' || synopsis.back() != '}') return words;
  std::string word;
  for (char c : synopsis.substr(1, synopsis.size() - 2)) {
    if (c == '|') {
      words.push_back(word);
      word.clear();
    } else {
      word += c;
    }
  }
  words.push_back(word);
  return words;
}

constexpr char kCompletionHead[] = R"(# bash completion for kolprog-cli, written from its command table.

# The destinations of the data folders kolprog-cli looks in.
_kolprog_cli_destinations() {
  local program folder file name
  program=$(command -v kolprog-cli) || return
  for folder in "${program%/*}" "${program%/*}/../share/kolprog"; do
    for file in "$folder"/*_*.ini; do
      [[ -f $file ]] || continue
      name=${file##*/}
      name=${name%%_*}
      printf '%s\n' "${name^^}"
    done
  done | sort -u
}

_kolprog_cli() {
  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}
  COMPREPLY=()
)";

}  // namespace

std::string ManualPage() {
  std::ostringstream out;
  std::string head = kManualHead;
  head.replace(head.find("@VERSION@"), 9, KOL_VERSION);
  out << head;
  for (const CommandSpec* command : Commands()) {
    out << ".TP\n\\fB" << RoffWord(command->name) << "\\fR";
    out << " [\\fIOPTIONS\\fR]";  // every command has the common options
    if (!command->synopsis.empty()) out << " \\fI" << RoffWord(command->synopsis) << "\\fR";
    std::string summary(command->summary);
    if (!summary.empty()) summary[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(summary[0])));
    out << "\n" << Roff(summary) << ".\n";
    if (!command->details.empty()) out << ".IP\n" << Roff(command->details) << "\n";
    if (!command->options.empty()) {
      out << ".RS\n";
      WriteOptions(out, command->options);
      out << ".RE\n";
    }
  }
  out << ".SH OPTIONS\nEvery command accepts these options:\n";
  WriteOptions(out, CommonOptions());
  out << kManualTail;
  return out.str();
}

std::string BashCompletion() {
  std::ostringstream out;
  out << kCompletionHead;
  std::vector<std::string> commands;
  for (const CommandSpec* command : Commands()) commands.emplace_back(command->name);
  out << "  if ((COMP_CWORD == 1)); then\n"
      << "    mapfile -t COMPREPLY < <(compgen -W \"" << Joined(commands, " ")
      << " --help --version\" -- \"$cur\")\n    return\n  fi\n";

  // Each command's options and arguments.
  out << "  local options=\"" << Joined(OptionWords(CommonOptions()), " ")
      << "\" choices=\"\" files=1\n  case ${COMP_WORDS[1]} in\n";
  std::map<ValueKind, std::set<std::string>> valueOptions;
  for (const OptionSpec& option : CommonOptions()) {
    if (!option.valueName.empty()) valueOptions[KindOf(option)].insert("--" + std::string(option.name));
  }
  for (const CommandSpec* command : Commands()) {
    out << "    " << command->name << ")";
    if (!command->options.empty()) out << " options+=\" " << Joined(OptionWords(command->options), " ") << "\";";
    if (const std::vector<std::string> choices = Choices(command->synopsis); !choices.empty()) {
      out << " choices=\"" << Joined(choices, " ") << "\";";
    }
    if (command->maxArgs == 0) out << " files=0;";
    out << " ;;\n";
    for (const OptionSpec& option : command->options) {
      if (!option.valueName.empty()) valueOptions[KindOf(option)].insert("--" + std::string(option.name));
    }
  }
  out << "    *) return ;;\n  esac\n";

  // The value of the option before the cursor.
  out << "  case $prev in\n";
  for (const auto& [kind, names] : valueOptions) {
    out << "    " << Joined({names.begin(), names.end()}, "|") << ")\n      "
        << ValueCompletion(kind) << "\n";
  }
  out << "  esac\n";

  out << R"(  if [[ $cur == -* ]]; then
    mapfile -t COMPREPLY < <(compgen -W "$options" -- "$cur")
  elif [[ -n $choices ]]; then
    mapfile -t COMPREPLY < <(compgen -W "$choices" -- "$cur")
  elif ((files)); then
    mapfile -t COMPREPLY < <(compgen -f -- "$cur")
    compopt -o filenames 2>/dev/null
  fi
}
complete -F _kolprog_cli kolprog-cli
)";
  return out.str();
}

}  // namespace kol::cli
