#include "editor/pages/common_page.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "editor/widgets/option_combo.h"
#include "editor/widgets/rule_line.h"
#include "model/setup_rules.h"

namespace kol::editor {
namespace {

constexpr int kRuleColumn = 0;
constexpr int kLabelColumn = 1;
constexpr int kListColumn = 2;

using Controls = std::initializer_list<QWidget*>;

// The label of list "cmbCommonScan" is "lblCommonScan".
QString LabelName(const QString& listName) { return "lbl" + listName.mid(3); }

}  // namespace

CommonPage::CommonPage(EditorServices& services, QWidget* parent) : FormPage(services, parent) {
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(8);
  grid->setColumnMinimumWidth(kRuleColumn, 12);
  grid->setColumnStretch(kListColumn + 1, 1);
  Body()->addLayout(grid);

  startMode_ = AddRow(*grid, "cmbCommonStartCH", "Starting Channel Mode", options::kStartingMode);
  BindIndex(*startMode_, "Starting Channel Mode", [](auto& m) -> auto& { return m.common.startingChannelMode; });
  const int startRow = grid->rowCount();
  channelNo_ = AddRow(*grid, "cmbCommonStartCHNo", "Channel No.#", {}, true);
  BindData(*channelNo_, "Channel No.", [](auto& m) -> auto& { return m.common.channelNo; });
  startRule_ = new RuleLine(Qt::Vertical, this);
  startRule_->setObjectName("linCommonStartCH");
  grid->addWidget(startRule_, startRow, kRuleColumn, 1, 1, Qt::AlignHCenter);

  BindIndex(*AddRow(*grid, "cmbCommonTXPo", "TX Po Display", options::kTxPowerDisplay), "TX Po Display",
            [](auto& m) -> auto& { return m.common.txPoDisplay; });

  scan_ = AddRow(*grid, "cmbCommonScan", "SCAN", options::kOffOn);
  BindBool(*scan_, "SCAN", [](auto& m) -> auto& { return m.common.scan; });
  const int scanRow = grid->rowCount();
  resume_ = AddRow(*grid, "cmbCommonResume", "Resume Time", options::kResumeTime, true);
  BindIndex(*resume_, "Resume Time", [](auto& m) -> auto& { return m.common.resumeTime; });
  pttScan_ = AddRow(*grid, "cmbCommonPTTSCAN", "PTT SCAN Clear", options::kOffOn, true);
  BindBool(*pttScan_, "PTT SCAN Clear", [](auto& m) -> auto& { return m.common.pttScanClear; });
  scanRule_ = new RuleLine(Qt::Vertical, this);
  scanRule_->setObjectName("linCommonScan");
  grid->addWidget(scanRule_, scanRow, kRuleColumn, 2, 1, Qt::AlignHCenter);

  BindBool(*AddRow(*grid, "cmbCommonTimedisplay", "Time Display", options::kTimeDisplay), "Time Display",
           [](auto& m) -> auto& { return m.common.timeDisplay; });
  offset_ = AddRow(*grid, "cmbCommonOffset", "Offset Time", {});
  FillCombo(*offset_, options::OffsetItems());
  BindData(*offset_, "Offset Time", [](auto& m) -> auto& { return m.common.offsetTime; });

  auto* weather = new QGroupBox("Weather CH Function", this);
  weather->setObjectName("pictCommonWeater");
  auto* weatherGrid = new QGridLayout(weather);
  weatherGrid->setColumnStretch(kListColumn + 1, 1);
  weatherGrid->setColumnMinimumWidth(kRuleColumn, 12);
  BindIndex(*AddRow(*weatherGrid, "cmbCommonWeater", "Weather Alert", options::kWeatherAlert), "Weather Alert",
            [](auto& m) -> auto& { return m.common.weatherAlertMode; });
  weatherSection_ = weather;
  Body()->addWidget(weather);
  Body()->addStretch(1);
}

QComboBox* CommonPage::AddRow(QGridLayout& grid, const char* name, const char* label,
                              std::span<const std::string_view> texts, bool dependent) {
  const int row = grid.rowCount();
  QLabel* caption = NewLabel(this, LabelName(name), label);
  QComboBox* list = NewList(this, name, texts);
  caption->setBuddy(list);
  if (dependent) {
    grid.addWidget(caption, row, kLabelColumn);
  } else {
    grid.addWidget(caption, row, kRuleColumn, 1, 2);
  }
  grid.addWidget(list, row, kListColumn);
  return list;
}

QWidget* CommonPage::Caption(const QComboBox& list) const {
  return findChild<QLabel*>(LabelName(list.objectName()));
}

void CommonPage::ShowFor(const NodeTarget&) {
  const Document& document = services_.Doc();
  FillCombo(*channelNo_, ChannelNoItems(document.model, document.image));
  weatherSection_->setVisible(document.profile.weatherAlert);
}

void CommonPage::ShowState() {
  const bool fixed = startMode_->currentIndex() == 1;
  for (QWidget* control : Controls{channelNo_, Caption(*channelNo_)}) control->setEnabled(fixed);
  startRule_->SetActive(fixed);
  const bool scanning = scan_->currentIndex() == 1;
  for (QWidget* control : Controls{resume_, Caption(*resume_), pttScan_, Caption(*pttScan_)}) {
    control->setEnabled(scanning);
  }
  scanRule_->SetActive(scanning);
}

}  // namespace kol::editor
