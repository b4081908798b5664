#include "editor/pages/general_page.h"

#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

#include "files/data_folders.h"

namespace kol::editor {
namespace {

constexpr char kLogoFile[] = "ZN Logo.gif";

}  // namespace

GeneralPage::GeneralPage(EditorServices& services, QWidget* parent)
    : Page(services, parent), logo_(new QLabel(this)) {
  logo_->setObjectName("pictLogo");
  logo_->setAlignment(Qt::AlignCenter);
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, Qt::white);
  setPalette(colours);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(logo_);
}

void GeneralPage::ShowFor(const NodeTarget&) {
  if (loaded_) return;
  loaded_ = true;
  const std::string path = DataFilePath(services_.Doc().profile.programFolder, kLogoFile);
  logo_->setPixmap(QPixmap(QString::fromStdString(path)));
}

GreyPage::GreyPage(EditorServices& services, QWidget* parent) : Page(services, parent) {
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, colours.color(QPalette::Mid));
  setPalette(colours);
}

}  // namespace kol::editor
