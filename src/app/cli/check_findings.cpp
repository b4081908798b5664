#include "app/cli/check_findings.h"

#include <cstdio>
#include <ostream>

namespace kol::cli {

// Values come from hand-edited files in a single-byte code page; bytes outside printable
// ASCII are shown as \xHH, so that a line means the same on any terminal.
std::string PrintableValue(std::string_view text) {
  std::string printable;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F && c != '\\') {
      printable += c;
      continue;
    }
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
    printable += escaped;
  }
  return printable;
}

void PrintFindings(std::ostream& out, const std::string& file,
                   std::span<const CheckFinding> findings) {
  for (const CheckFinding& f : findings) {
    out << file << ": " << (f.severity == CheckSeverity::kError ? "error" : "warning") << ": ["
        << f.place.section << "] " << f.place.key << "=" << PrintableValue(f.documentValue) << ": "
        << f.message;
    if (f.radioValue) out << "; the radio gets \"" << PrintableValue(*f.radioValue) << '"';
    out << '\n';
  }
}

}  // namespace kol::cli
