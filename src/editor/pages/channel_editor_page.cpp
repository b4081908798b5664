#include "editor/pages/channel_editor_page.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include <initializer_list>

#include "editor/widgets/commit_field.h"
#include "editor/widgets/key_filter.h"
#include "editor/widgets/key_help.h"
#include "editor/widgets/rule_line.h"
#include "model/channel_rules.h"
#include "model/field_limits.h"
#include "model/formatters.h"

namespace kol::editor {
namespace {

// F1 topics of the EXP channel's typed fields; the plan channel's fields have none.
constexpr int kNumberHelp = 2401;
constexpr int kRxHelp = 2402;
constexpr int kTxHelp = 2403;

// A switch box's caption, which also names its step.
std::string SwitchCaption(PlanSwitch which) { return std::string(PlanSwitchCaption(which)); }

constexpr char kPageError[] = "Data Error!!\r\nPlease input correct data.";

constexpr int kFrequencyCharacters = 8;  // "156.0250"

// A text field as wide as `characters` digits and a little room.
void SizeForCharacters(QLineEdit& field, int characters) {
  const QFontMetrics metrics(field.font());
  field.setFixedWidth(metrics.horizontalAdvance(QString(characters + 2, '0')));
}

QFrame* Panel(QWidget* parent) {
  auto* panel = new QFrame(parent);
  panel->setFrameShape(QFrame::StyledPanel);
  return panel;
}

}  // namespace

ChannelEditorPage::ChannelEditorPage(EditorServices& services, QWidget* parent)
    : Page(services, parent) {
  BuildControls();
  BuildLayout();
  Bind();
}

void ChannelEditorPage::BuildControls() {
  auto label = [this](const char* name, const char* caption) {
    auto* created = new QLabel(caption, this);
    created->setObjectName(name);
    return created;
  };
  auto box = [this](const char* name, PlanSwitch which) {
    auto* created = new QCheckBox(QString::fromStdString(SwitchCaption(which)), this);
    created->setObjectName(name);
    SetKeyHelp(*created, key_help::kCheckBox);
    return created;
  };
  // Created in the order the Tab key visits them.
  positionLabel_ = label("lblCPosition", "CH Display");
  number_ = new QLineEdit(this);
  number_->setObjectName("txtCN_0");
  suffix_ = new QLineEdit(this);
  suffix_->setObjectName("txtCN_1");
  suffix_->setMaxLength(field_limits::kChannelDisplayRight);
  rxLabel_ = label("lblCRF", "Rx Frequency");
  rx_ = new CommitField(services_, this);
  rx_->setObjectName("txtCRF");
  rxUnit_ = label("lblCUnit_0", "MHz");
  txLabel_ = label("lblCTF", "Tx Frequency");
  tx_ = new CommitField(services_, this);
  tx_->setObjectName("txtCTF");
  txUnit_ = label("lblCUnit_1", "MHz");
  enable_ = box("chkCEnable", PlanSwitch::kEnable);
  txEnable_ = box("chkCTXEnable", PlanSwitch::kTxEnable);
  lowPower_ = box("chkCTXOnly", PlanSwitch::kLowPower);
  lowPowerLine_ = new RuleLine(Qt::Vertical, this);
  lowPowerLine_->setObjectName("linCTXOnly");
  powerUp_ = box("chkCTXPower", PlanSwitch::kPowerUp);
  powerUpLine_ = new RuleLine(Qt::Vertical, this);
  powerUpLine_->setObjectName("linCTXPower");
  duplex_ = box("chkCDup", PlanSwitch::kDuplex);
  scan_ = box("chkCScan", PlanSwitch::kScanMemory);

  InstallKeyFilter(*number_, KeyFilter::kChannelNumber);
  InstallKeyFilter(*suffix_, KeyFilter::kChannelNumber);
  InstallKeyFilter(*rx_, KeyFilter::kFrequency);
  InstallKeyFilter(*tx_, KeyFilter::kFrequency);
  SetKeyHelp(*number_, key_help::kChannelNumber);
  SetKeyHelp(*suffix_, key_help::kChannelSuffix);
  SetKeyHelp(*rx_, key_help::kRxFrequency);
  SetKeyHelp(*tx_, key_help::kTxFrequency);
  SizeForCharacters(*number_, field_limits::kPlanChannelNumber);
  SizeForCharacters(*suffix_, field_limits::kChannelDisplayRight);
  SizeForCharacters(*rx_, kFrequencyCharacters);
  SizeForCharacters(*tx_, kFrequencyCharacters);
  for (QLineEdit* field : {number_, suffix_, static_cast<QLineEdit*>(rx_), static_cast<QLineEdit*>(tx_)}) {
    field->installEventFilter(this);
  }

}

void ChannelEditorPage::BuildLayout() {
  auto* fields = new QGridLayout;
  auto* numberRow = new QHBoxLayout;
  numberRow->addWidget(number_);
  numberRow->addWidget(suffix_);
  numberRow->addStretch(1);
  fields->addWidget(positionLabel_, 0, 0);
  fields->addLayout(numberRow, 0, 1, 1, 2);
  fields->addWidget(rxLabel_, 1, 0);
  fields->addWidget(rx_, 1, 1);
  fields->addWidget(rxUnit_, 1, 2);
  fields->addWidget(txLabel_, 2, 0);
  fields->addWidget(tx_, 2, 1);
  fields->addWidget(txUnit_, 2, 2);
  fields->setColumnStretch(3, 1);

  // Each option under the one it depends on, indented behind the rule line that shows
  // whether the option above lets it be set.
  QFrame* transmit = Panel(this);
  auto* transmitLayout = new QGridLayout(transmit);
  const int indent = style()->pixelMetric(QStyle::PM_IndicatorWidth);
  transmitLayout->setColumnMinimumWidth(0, indent);
  transmitLayout->setColumnMinimumWidth(1, indent);
  transmitLayout->addWidget(txEnable_, 0, 0, 1, 3);
  transmitLayout->addWidget(lowPowerLine_, 1, 0, Qt::AlignHCenter);
  transmitLayout->addWidget(lowPower_, 1, 1, 1, 2);
  transmitLayout->addWidget(powerUpLine_, 2, 1, Qt::AlignHCenter);
  transmitLayout->addWidget(powerUp_, 2, 2);

  duplexPanel_ = Panel(this);
  auto* duplexLayout = new QVBoxLayout(duplexPanel_);
  duplexLayout->addWidget(duplex_);

  QFrame* scanPanel = Panel(this);
  auto* scanLayout = new QVBoxLayout(scanPanel);
  scanLayout->addWidget(scan_);

  auto* panels = new QHBoxLayout;
  panels->addWidget(transmit);
  panels->addWidget(duplexPanel_, 0, Qt::AlignTop);
  panels->addWidget(scanPanel, 0, Qt::AlignTop);
  panels->addStretch(1);

  auto* page = new QVBoxLayout(this);
  page->addLayout(fields);
  page->addSpacing(fontMetrics().height());
  page->addWidget(enable_, 0, Qt::AlignLeft);
  page->addLayout(panels);
  page->addStretch(1);

  // Moving the boxes into their panels must not change the order the Tab key visits them in.
  const std::initializer_list<QWidget*> order = {number_, suffix_, rx_, tx_, enable_, txEnable_,
                                                 lowPower_, powerUp_, duplex_, scan_};
  for (auto it = order.begin(); it + 1 != order.end(); ++it) setTabOrder(*it, *(it + 1));
}

void ChannelEditorPage::Bind() {
  BindTyped(*number_, "CH Display", [this](const SettingsModel& m) { return NumberText(m).number; },
            [this](SettingsModel& m, const std::string& text) {
              if (IsExp()) ExpRecord(m).chDisplayL = StoredDisplayLeft(text);
            });
  BindTyped(*suffix_, "CH Display Suffix", [this](const SettingsModel& m) { return NumberText(m).suffix; },
            [this](SettingsModel& m, const std::string& text) {
              if (IsExp()) ExpRecord(m).chDisplayR = text;
            });
  // A refused frequency is reported under the same words the field's key help shows.
  for (const bool rx : {true, false}) {
    BindText(*(rx ? rx_ : tx_), rx ? "Rx Frequency" : "Tx Frequency",
             {rx ? key_help::kRxFrequency : key_help::kTxFrequency,
              [this](const std::string& text) { return IsExp() && ExpFrequencyFromText(text).has_value(); },
              [this, rx](SettingsModel& m, const std::string& text) {
                (rx ? ExpRecord(m).rxFreq : ExpRecord(m).txFreq) = *ExpFrequencyFromText(text);
              },
              [this, rx](const SettingsModel& m) { return rx ? RxText(m) : TxText(m); },
              CommitField::OnRefusal::kMessageOrRevert, ExpFrequencyHint()});
  }

  // The cascade CH Enable -> Tx Enable -> Low Power Only: a click on any of them stores the
  // three boxes as they show, so a receive-only channel loses a transmit flag its box never
  // shows. CH Enable shows the channel again, with the restrictions of its kind.
  const auto storeCascade = [this](SettingsModel& m, bool) {
    Switch(m, &ChannelRecord::enable, &ExpChannelRecord::enable) = enable_->isChecked();
    Switch(m, &ChannelRecord::txEnable, &ExpChannelRecord::txEnable) = txEnable_->isChecked();
    Switch(m, &ChannelRecord::lowPower, &ExpChannelRecord::lowPower) = lowPower_->isChecked();
  };
  BindBox(
      *enable_, SwitchCaption(PlanSwitch::kEnable),
      [this](const SettingsModel& m) { return Switch(m, &ChannelRecord::enable, &ExpChannelRecord::enable); },
      storeCascade,
      [this] {
        Show(Shown());
        enable_->setFocus(Qt::OtherFocusReason);
      });
  BindBox(*txEnable_, SwitchCaption(PlanSwitch::kTxEnable),
          [this](const SettingsModel& m) {
            // A receive-only channel shows no transmit flag, whatever it holds.
            return IsExp() ? ExpRecord(m).txEnable : PlanRecord(m).txEnable && !PlanRecord(m).receiveOnly;
          },
          storeCascade);
  BindBox(*lowPower_, SwitchCaption(PlanSwitch::kLowPower),
          [this](const SettingsModel& m) { return Switch(m, &ChannelRecord::lowPower, &ExpChannelRecord::lowPower); },
          storeCascade);
  BindBox(*powerUp_, SwitchCaption(PlanSwitch::kPowerUp),
          [this](auto& m) -> auto& { return Switch(m, &ChannelRecord::powerUp, &ExpChannelRecord::powerUp); });
  BindBox(*scan_, SwitchCaption(PlanSwitch::kScanMemory),
          [this](auto& m) -> auto& { return Switch(m, &ChannelRecord::scanMemory, &ExpChannelRecord::scanMemory); });
  BindBox(
      *duplex_, SwitchCaption(PlanSwitch::kDuplex), [this](const SettingsModel& m) { return !IsExp() && PlanRecord(m).duplex; },
      [this](SettingsModel& m, bool ticked) {
        if (!IsExp()) PlanRecord(m).duplex = ticked;
      },
      [this] { rx_->Refill(); });  // a duplex channel receives on its pair's frequency
}

// ---------------------------------------------------------------------------------------
// Showing a channel
// ---------------------------------------------------------------------------------------

std::string ChannelEditorPage::Subject() const {
  if (IsExp()) return "EXP " + std::to_string(Shown().index);
  return "Group" + std::to_string(Shown().group + 1) + " CH" + ChannelCodeText(PlanRecord(Model()).position);
}

void ChannelEditorPage::ShowFor(const NodeTarget&) {
  const bool exp = IsExp();
  for (QLineEdit* field : {number_, suffix_, static_cast<QLineEdit*>(rx_), static_cast<QLineEdit*>(tx_)}) {
    field->setReadOnly(!exp);
  }
  number_->setMaxLength(exp ? field_limits::kChannelDisplayLeft : field_limits::kPlanChannelNumber);
  duplexPanel_->setVisible(!exp);
  SetHelpContext(*number_, exp ? kNumberHelp : 0);
  SetHelpContext(*suffix_, exp ? kNumberHelp : 0);
  SetHelpContext(*rx_, exp ? kRxHelp : 0);
  SetHelpContext(*tx_, exp ? kTxHelp : 0);
}

void ChannelEditorPage::ShowState() {
  const bool enabled = enable_->isChecked();
  for (QWidget* control : std::initializer_list<QWidget*>{
           positionLabel_, number_, suffix_, rxLabel_, rx_, rxUnit_, txLabel_, tx_, txUnit_,
           txEnable_, scan_}) {
    control->setEnabled(enabled);
  }
  if (!IsExp()) {
    const ChannelRecord& plan = PlanRecord(Model());
    duplex_->setEnabled(enabled && plan.duplexAllowed);
    if (plan.receiveOnly) txEnable_->setEnabled(false);
    if (plan.position == kDscChannelPosition) scan_->setEnabled(false);
  }
  // Enabled states are taken relative to the page: a window disabled for a long
  // operation must not look like a switched-off option. An option that cannot be changed
  // keeps its tick.
  lowPower_->setEnabled(txEnable_->isChecked() && txEnable_->isEnabledTo(this));
  lowPowerLine_->SetActive(lowPower_->isEnabledTo(this));
  powerUp_->setEnabled(lowPower_->isChecked() && lowPower_->isEnabledTo(this));
  powerUpLine_->SetActive(powerUp_->isEnabledTo(this));
}

// ---------------------------------------------------------------------------------------
// Leaving the page, focus
// ---------------------------------------------------------------------------------------

bool ChannelEditorPage::Validate() {
  const QWidget* focused = QApplication::focusWidget();
  if (focused == rx_ && !rx_->Validate()) return false;
  if (focused == tx_ && !tx_->Validate()) return false;
  if (enable_->isChecked() && (rx_->text().contains("---") || number_->text().isEmpty())) {
    services_.prompts.Show({services_.Doc().profile.WindowTitle(), kPageError,
                            MessageIcon::kExclamation, MessageButtons::kOk, MessageButton::kOk, {},
                            {}, "An enabled channel needs its number and a receive frequency."});
    return false;
  }
  return true;
}

bool ChannelEditorPage::eventFilter(QObject* watched, QEvent* event) {
  // A focused number or frequency field is typed over as a whole. The selection waits for
  // the mouse press that may have brought the focus, which would put the cursor down.
  if (event->type() == QEvent::FocusIn) {
    auto* field = static_cast<QLineEdit*>(watched);
    QTimer::singleShot(0, field, [field] { field->selectAll(); });
  }
  return Page::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------------
// The texts
// ---------------------------------------------------------------------------------------

ChannelNumberParts ChannelEditorPage::NumberText(const SettingsModel& m) const {
  if (!IsExp()) return PlanChannelNumber(PlanRecord(m));
  const ExpChannelRecord& channel = ExpRecord(m);
  const std::string& right = channel.chDisplayR;
  return {channel.chDisplayL.substr(0, field_limits::kChannelDisplayLeft),
          right.empty() ? right : right.substr(right.size() - 1)};
}

std::string ChannelEditorPage::RxText(const SettingsModel& m) const {
  if (IsExp()) return Frequency4Text(ExpRecord(m).rxFreq);
  return Frequency3Text(PlanReceiveFrequency(PlanRecord(m)));
}

std::string ChannelEditorPage::TxText(const SettingsModel& m) const {
  if (IsExp()) return Frequency4Text(ExpRecord(m).txFreq);
  const ChannelRecord& plan = PlanRecord(m);
  return Frequency3GatedText(PlanTableEntry(plan).frequency, plan.receiveOnly);
}

}  // namespace kol::editor
