// The findings of the check before programming as lines a technician can act on: the
// file, the severity, the setting as the settings file names it, what is wrong and what
// the radio would get.
#pragma once

#include <iosfwd>
#include <span>
#include <string>

#include "files/programming_check.h"

namespace kol::cli {

// A value from a hand-edited file as a line shows it: bytes outside printable ASCII (and
// the backslash) as \xHH.
std::string PrintableValue(std::string_view text);

// One line per finding: FILE: error: [SECTION] KEY=VALUE: MESSAGE; the radio gets "X".
void PrintFindings(std::ostream& out, const std::string& file,
                   std::span<const CheckFinding> findings);

}  // namespace kol::cli
