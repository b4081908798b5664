#include "editor/widgets/read_banner.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace kol::editor {

ReadBanner::ReadBanner(QWidget* parent)
    : QFrame(parent),
      text_(new QLabel(this)),
      openFolder_(new QPushButton("Open &Backups Folder", this)),
      close_(new QPushButton("Close", this)) {
  setObjectName("pictReadBanner");
  setFrameShape(QFrame::StyledPanel);
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, colours.color(QPalette::ToolTipBase));
  colours.setColor(QPalette::WindowText, colours.color(QPalette::ToolTipText));
  setPalette(colours);
  text_->setObjectName("lblReadBanner");
  text_->setWordWrap(true);
  text_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  openFolder_->setObjectName("cmdOpenBackups");
  close_->setObjectName("cmdCloseBanner");
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(text_, 1);
  layout->addWidget(openFolder_);
  layout->addWidget(close_);
  connect(openFolder_, &QPushButton::clicked, this, [this] { emit OpenFolder(folder_); });
  connect(close_, &QPushButton::clicked, this, &QWidget::hide);
  hide();
}

void ReadBanner::ShowRead(const QString& mmsi, const QString& time, const QString& backup) {
  QString text = "Read from the radio" +
                 (mmsi.isEmpty() ? QString(" (no user MMSI)") : " with MMSI " + mmsi) + " at " +
                 time + ".";
  if (!backup.isEmpty()) text += " Its memory as read is kept in " + backup + ".";
  text_->setText(text);
  folder_ = backup.isEmpty() ? QString() : QFileInfo(backup).absolutePath();
  openFolder_->setVisible(!backup.isEmpty());
  show();
}

QString ReadBanner::Text() const { return text_->text(); }

}  // namespace kol::editor
