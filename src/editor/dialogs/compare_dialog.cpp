#include "editor/dialogs/compare_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>


namespace kol::editor {
namespace {

enum Column { kSetting, kDocumentValue, kRadioValue, kFileKey, kColumns };

// Values come from single-byte settings files.
QString Value(const std::string& text) { return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

std::string CompareHeading(const DocumentDifferences& differences, const std::string& radio) {
  const std::size_t count = differences.settings.size();
  std::string heading =
      count == 0 ? "The radio on " + radio + " holds every setting as this document says."
                 : std::to_string(count) + (count == 1 ? " setting differs" : " settings differ") +
                       " between this document and the radio on " + radio +
                       "; programming would change " + (count == 1 ? "it." : "them.");
  if (const std::string other = OtherBytesText(differences); !other.empty()) {
    heading += "\nAlso " + other + ".";
  }
  return heading;
}

CompareDialog::CompareDialog(const DocumentDifferences& differences, const std::string& radio,
                             QWidget* parent)
    : QDialog(parent), list_(new QTreeWidget(this)), show_(new QPushButton("&Show", this)) {
  setObjectName("frmCompare");
  setWindowTitle("Compare with Radio");
  auto* heading = new QLabel(QString::fromStdString(CompareHeading(differences, radio)), this);
  heading->setObjectName("lblCompare");
  heading->setWordWrap(true);

  list_->setObjectName("lvwCompare");
  list_->setRootIsDecorated(false);
  list_->setAlternatingRowColors(true);
  list_->setHeaderLabels({"Setting", "Document", "Radio", "Settings file"});
  for (const SettingDifference& d : differences.settings) {
    auto* row = new QTreeWidgetItem(list_);
    row->setText(kSetting, QString::fromStdString(d.caption.empty() ? "(no control in the window)" : d.caption));
    row->setData(kSetting, Qt::UserRole, !d.caption.empty());
    row->setText(kDocumentValue, Value(d.a));
    row->setText(kRadioValue, Value(d.b));
    row->setText(kFileKey, Value("[" + d.section + "] " + d.key));
  }
  for (int c = 0; c < kColumns; ++c) list_->resizeColumnToContents(c);
  list_->setVisible(!differences.settings.empty());
  if (!differences.settings.empty()) list_->setCurrentItem(list_->topLevelItem(0));

  show_->setObjectName("cmdShow");
  show_->setEnabled(!differences.settings.empty() && !differences.settings.front().caption.empty());
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->addButton(show_, QDialogButtonBox::ActionRole);
  buttons->button(QDialogButtonBox::Close)->setObjectName("cmdClose");
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(show_, &QPushButton::clicked, this, &CompareDialog::Choose);
  connect(list_, &QTreeWidget::itemActivated, this, &CompareDialog::Choose);
  // A setting the window has no control for has no page to show.
  connect(list_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* row) {
    show_->setEnabled(row != nullptr && row->data(kSetting, Qt::UserRole).toBool());
  });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(heading);
  layout->addWidget(list_, 1);
  layout->addWidget(buttons);
  if (!differences.settings.empty()) resize(list_->header()->length() + 60, 420);
}

void CompareDialog::Choose() {
  QTreeWidgetItem* row = list_->currentItem();
  if (row == nullptr || !row->data(kSetting, Qt::UserRole).toBool()) return;
  chosen_ = static_cast<std::size_t>(list_->indexOfTopLevelItem(row));
  accept();
}

}  // namespace kol::editor
