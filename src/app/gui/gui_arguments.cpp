#include "app/gui/gui_arguments.h"

#include "files/startup.h"
#include "files/text_lines.h"
#include "model/formatters.h"

namespace kol {

GuiArguments ParseGuiArguments(const std::vector<std::string>& arguments) {
  GuiArguments parsed;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    const std::string upper = UpperAscii(TrimBlanks(argument));
    if (DebugModeRequested(argument) || argument == "--debug") {
      parsed.debugMode = true;
    } else if (upper == "/E") {
      // accepted; changes nothing
    } else if (argument == "--quit-when-shown") {
      parsed.quitWhenShown = true;
    } else if (argument == "--help" || argument == "-h") {
      parsed.help = true;
    } else if (argument == "--program-dir") {
      if (i + 1 >= arguments.size()) {
        parsed.error = "--program-dir needs a folder";
        return parsed;
      }
      parsed.programDir = arguments[++i];
    } else if (argument.rfind("--", 0) == 0) {
      parsed.error = "unknown option " + argument;
      return parsed;
    } else if (!TrimBlanks(argument).empty()) {
      parsed.documentPath = argument;
    }
  }
  return parsed;
}

}  // namespace kol
