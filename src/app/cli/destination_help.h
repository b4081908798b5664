// Which destination a command starts from: the help lists the destinations the program
// folder offers and the one start-up would choose; commands that read a settings file say
// whose defaults it was read over.
#pragma once

#include <optional>
#include <string>

#include "app/cli/document_io.h"

namespace kol::cli {

// Lines for --help: the destinations found in the program's data folders and the one a new
// document starts from with `destination` (--destination) or without it.
std::string DestinationHelp(const std::string& programDir,
                            const std::optional<std::string>& destination);

// A settings file fills in only what it holds; the rest comes from the destination's
// default image. When `in` is one and the destination was not named on the command line,
// a line on stderr says which one it was.
void TellStartingPoint(const Session& session, const Invocation& invocation,
                       const DocumentFormat& format, const std::string& in);

}  // namespace kol::cli
