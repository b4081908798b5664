#include "editor/dialogs/help_window.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace kol::editor {

std::string HelpFileName(bool atis) { return atis ? "TQ460.html" : "TQ460_NA.html"; }

QString HelpAnchor(int context) { return "topic" + QString::number(context); }

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent), browser_(new QTextBrowser(this)) {
  setObjectName("frmHelp");
  setWindowTitle("KOL Programmer Help");
  setModal(false);
  browser_->setObjectName("txtHelp");
  browser_->setOpenExternalLinks(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->button(QDialogButtonBox::Close)->setObjectName("cmdClose");
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(browser_);
  layout->addWidget(buttons);
  resize(680, 560);
}

void HelpWindow::Open(const QString& path, int context) {
  anchor_ = HelpAnchor(context);
  QUrl url = QUrl::fromLocalFile(path);
  url.setFragment(anchor_);
  browser_->setSource(url);
  browser_->scrollToAnchor(anchor_);
  show();
  raise();
  activateWindow();
}

}  // namespace kol::editor
