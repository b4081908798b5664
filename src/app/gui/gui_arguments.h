// The editor's command line: the debug switches "/D", "/DE", "/ED" (any case; "/E" is
// accepted and does nothing) and --debug, --program-dir DIR, and a settings file to open.
#pragma once

#include <string>
#include <vector>

namespace kol {

struct GuiArguments {
  bool debugMode = false;
  std::string programDir;    // empty: the executable's folder
  std::string documentPath;  // empty: a new document
  bool help = false;
  bool quitWhenShown = false;  // start, show the window and end: a check that it starts
  std::string error;         // a usage error, e.g. --program-dir without a folder
};

// `arguments` without the program name.
GuiArguments ParseGuiArguments(const std::vector<std::string>& arguments);

inline constexpr char kGuiUsage[] =
    "Usage: kolprog [/D | --debug] [--program-dir DIR] [--quit-when-shown] [FILE.dat]\n"
    "  /D, /DE, /ED, --debug  debug mode: image commands, hex view, link monitor, error log\n"
    "  --program-dir DIR      where global.ini and the destination images are\n"
    "  --quit-when-shown      start, show the window and end (a start-up check)\n"
    "  FILE.dat               a settings file to open after start-up\n";

}  // namespace kol
