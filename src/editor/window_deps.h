// What the editor window runs on besides its widgets: the document, the file host, the
// prompts, the serial ports, the node table and the per-user data folder. Tests bring
// their own prompts, simulated radio and pages.
#pragma once

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "editor/dialogs/window_prompts.h"
#include "editor/node_table.h"
#include "files/file_host.h"
#include "link/qt_serial_port.h"
#include "link/serial_port.h"
#include "model/document.h"

namespace kol::editor {

struct WindowDeps {
  Document& document;
  FileHost& host;          // host.prompts is `prompts`; host.clock keeps the window painting
  WindowPrompts& prompts;
  // The serial ports present (the Options menu lists them).
  std::function<std::vector<PortInfo>()> listPorts;
  // The tree's nodes and their pages; the program's own table unless a test brings its own.
  std::span<const NodeRow> nodes = NodeTable();
  // The serial port each transfer opens: the machine's own unless a test brings a
  // simulated radio. The link runs on host.clock.
  std::function<std::unique_ptr<SerialPort>()> makeSerialPort;
  // The per-user data folder: every read from the radio is kept in its "backups" folder.
  std::string userDataFolder;
  // Where the file dialogs start while the user has used no folder yet.
  std::string documentsFolder;
};

}  // namespace kol::editor
