#include "editor/pages/general_page.h"

#include <QLabel>
#include <QPixmap>
#include <QTimer>
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

void GeneralPage::paintEvent(QPaintEvent* event) {
  Page::paintEvent(event);
  if (logoAsked_) return;
  logoAsked_ = true;
  // Reading the picture takes longer than drawing the rest of the window: it comes once
  // the window is on the screen.
  QTimer::singleShot(0, this, &GeneralPage::LoadLogo);
}

void GeneralPage::LoadLogo() {
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
