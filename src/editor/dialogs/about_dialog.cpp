#include "editor/dialogs/about_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSysInfo>
#include <QVBoxLayout>

#include "editor/window_icon.h"
#include "files/qt_settings_store.h"

namespace kol::editor {

std::string SystemInfoText(const std::vector<PortInfo>& ports) {
  std::string text = "Qt " + std::string(qVersion()) + "\n";
  text += "Operating system: " + QSysInfo::prettyProductName().toStdString() + " (" +
          QSysInfo::currentCpuArchitecture().toStdString() + ")\n";
  text += "Serial ports:";
  if (ports.empty()) text += " none found";
  for (const PortInfo& port : ports) {
    text += "\n  " + port.name;
    if (!port.description.empty()) text += " - " + port.description;
  }
  return text;
}

AboutDialog::AboutDialog(const std::string& windowTitle, Prompts& prompts,
                         std::function<std::vector<PortInfo>()> listPorts, QWidget* parent)
    : QDialog(parent) {
  setObjectName("frmAbout");
  setWindowTitle(QString("About ") + kApplicationTitle);

  auto* icon = new QLabel(this);
  icon->setObjectName("picIcon");
  icon->setPixmap(ApplicationIcon().pixmap(64, 64));
  auto* title = new QLabel(QString("<b style='font-size:large'>%1</b>").arg(kApplicationTitle), this);
  title->setObjectName("lblTitle");
  auto* subtitle = new QLabel(QString::fromStdString(windowTitle), this);
  subtitle->setObjectName("lblDescription");
  auto* version = new QLabel(QString("Version %1").arg(KOL_VERSION), this);
  version->setObjectName("lblVersion");
  auto* purpose = new QLabel(
      "Reads, edits and programs the channels, MMSI directories,\n"
      "DSC and ATIS settings of the radio over a serial port.",
      this);
  purpose->setObjectName("lblDisclaimer");

  auto* text = new QVBoxLayout;
  text->addWidget(title);
  text->addWidget(subtitle);
  text->addWidget(version);
  text->addSpacing(8);
  text->addWidget(purpose);
  text->addStretch();
  auto* top = new QHBoxLayout;
  top->addWidget(icon, 0, Qt::AlignTop);
  top->addSpacing(12);
  top->addLayout(text);

  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("cmdOK");
  ok->setDefault(true);
  auto* info = new QPushButton("&System Info...", this);
  info->setObjectName("cmdSysInfo");
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(info, &QPushButton::clicked, this, [&prompts, listPorts = std::move(listPorts), windowTitle] {
    prompts.Show({windowTitle, SystemInfoText(listPorts ? listPorts() : std::vector<PortInfo>{}),
                  MessageIcon::kInformation});
  });
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(info);
  buttons->addWidget(ok);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addSpacing(12);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace kol::editor
