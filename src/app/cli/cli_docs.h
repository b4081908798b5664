// The tool's manual page and its bash completion, written from the command table, so that
// both always name the commands and options the tool has. The build writes them for the
// package (tools/cli_docs.cpp).
#pragma once

#include <string>

namespace kol::cli {

// kolprog-cli(1) in the man macros of troff.
std::string ManualPage();

// A bash completion script: commands, each command's options, the choices of a command
// that takes one word of a fixed set, and files, folders, serial devices or destinations
// for the values that name them.
std::string BashCompletion();

}  // namespace kol::cli
