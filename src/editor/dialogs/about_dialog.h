// The About box: the program's title and version, and a button that shows what the
// program runs on (Qt, the operating system, the serial ports found).
#pragma once

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

#include "link/qt_serial_port.h"
#include "model/prompts.h"

namespace kol::editor {

// The lines "System Info..." shows.
std::string SystemInfoText(const std::vector<PortInfo>& ports);

class AboutDialog : public QDialog {
  Q_OBJECT
 public:
  AboutDialog(const std::string& windowTitle, Prompts& prompts,
              std::function<std::vector<PortInfo>()> listPorts, QWidget* parent = nullptr);
};

}  // namespace kol::editor
