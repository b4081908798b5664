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
#include "files/file_host.h"
#include "model/channel_rules.h"
#include "model/field_limits.h"
#include "model/formatters.h"

namespace kol::editor {
namespace {

// F1 topics of the EXP channel's typed fields; the plan channel's fields have none.
constexpr int kNumberHelp = 2401;
constexpr int kRxHelp = 2402;
constexpr int kTxHelp = 2403;

constexpr char kPageError[] = "Data Error!!\r\nPlease input correct data.";

constexpr int kFrequencyCharacters = 8;  // "156.0250"

QString ToQt(const std::string& text) { return QString::fromStdString(text); }

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
  ConnectHandlers();
}

void ChannelEditorPage::BuildControls() {
  auto label = [this](const char* name, const char* caption) {
    auto* created = new QLabel(caption, this);
    created->setObjectName(name);
    return created;
  };
  auto box = [this](const char* name, const char* caption) {
    auto* created = new QCheckBox(caption, this);
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
  enable_ = box("chkCEnable", "CH Enable");
  txEnable_ = box("chkCTXEnable", "Tx Enable");
  lowPower_ = box("chkCTXOnly", "Low Power Only");
  lowPowerLine_ = new RuleLine(Qt::Vertical, this);
  lowPowerLine_->setObjectName("linCTXOnly");
  powerUp_ = box("chkCTXPower", "Power Up");
  powerUpLine_ = new RuleLine(Qt::Vertical, this);
  powerUpLine_->setObjectName("linCTXPower");
  duplex_ = box("chkCDup", "Duplex");
  scan_ = box("chkCScan", "Scan Memory");

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

  auto frequencyRules = [this](const char* caption, double ExpChannelRecord::*frequency,
                               std::string (ChannelEditorPage::*shown)()) {
    return CommitField::Rules{
        .caption = caption,
        .hint = ExpFrequencyHint(),
        .commit =
            [this, frequency](const std::string& text) {
              ExpChannelRecord* channel = ExpRecord();
              const std::optional<double> mhz = ExpFrequencyFromText(text);
              if (!channel || !mhz) return false;
              channel->*frequency = *mhz;
              return true;
            },
        .storedText = [this, shown] { return (this->*shown)(); }};
  };
  // A refused frequency is reported under the same words the field's key help shows.
  rx_->SetRules(frequencyRules(key_help::kRxFrequency, &ExpChannelRecord::rxFreq, &ChannelEditorPage::RxText));
  tx_->SetRules(frequencyRules(key_help::kTxFrequency, &ExpChannelRecord::txFreq, &ChannelEditorPage::TxText));
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

void ChannelEditorPage::ConnectHandlers() {
  connect(enable_, &QCheckBox::toggled, this, [this] {
    if (Acting()) ApplyChannelEnable(false);
  });
  connect(txEnable_, &QCheckBox::toggled, this, [this] {
    if (Acting()) ApplyTxEnable(false);
  });
  connect(lowPower_, &QCheckBox::toggled, this, [this] {
    if (Acting()) ApplyLowPower(false);
  });
  auto store = [this](QCheckBox* box, bool* RecordFlags::*field) {
    connect(box, &QCheckBox::toggled, this, [this, field](bool ticked) {
      if (!Acting()) return;
      *(Flags().*field) = ticked;
      services_.MarkChanged();
    });
  };
  store(powerUp_, &RecordFlags::powerUp);
  store(scan_, &RecordFlags::scanMemory);
  connect(duplex_, &QCheckBox::toggled, this, [this](bool ticked) {
    ChannelRecord* channel = PlanRecord();
    if (!Acting() || !channel) return;
    channel->duplex = ticked;
    rx_->Refill();
    services_.MarkChanged();
  });
  for (QLineEdit* field : {number_, suffix_}) {
    connect(field, &QLineEdit::textChanged, this, [this] {
      ExpChannelRecord* channel = ExpRecord();
      if (!Acting() || !channel) return;
      channel->chDisplayL = StoredDisplayLeft(number_->text().toStdString());
      channel->chDisplayR = suffix_->text().toStdString();
      services_.MarkChanged();
    });
  }
}

// ---------------------------------------------------------------------------------------
// Showing a channel
// ---------------------------------------------------------------------------------------

void ChannelEditorPage::ShowFor(const NodeTarget& target) {
  shown_ = target;
  if (IsExp()) {
    ShowExpChannel();
  } else {
    ShowPlanChannel();
  }
}

void ChannelEditorPage::LayOutFor(bool exp) {
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

void ChannelEditorPage::ShowPlanChannel() {
  const ChannelRecord* channel = PlanRecord();
  if (!channel) return;
  {
    UpdateLockScope lock(services_.document.flags);
    LayOutFor(false);
    const ChannelNumberParts number = PlanChannelNumber(*channel);
    SetUnfilteredText(*number_, ToQt(number.number));
    SetUnfilteredText(*suffix_, ToQt(number.suffix));
    rx_->Refill();
    tx_->Refill();
    enable_->setChecked(channel->enable);
    txEnable_->setChecked(channel->txEnable && !channel->receiveOnly);
    lowPower_->setChecked(channel->lowPower);
    powerUp_->setChecked(channel->powerUp);
    duplex_->setChecked(channel->duplex);
    scan_->setChecked(channel->scanMemory);
  }
  ApplyChannelEnable(true);
  if (channel->receiveOnly) txEnable_->setEnabled(false);
  if (channel->position == kDscChannelPosition) scan_->setEnabled(false);
}

void ChannelEditorPage::ShowExpChannel() {
  const ExpChannelRecord* channel = ExpRecord();
  if (!channel) return;
  {
    UpdateLockScope lock(services_.document.flags);
    LayOutFor(true);
    SetUnfilteredText(*number_, ToQt(channel->chDisplayL.substr(0, field_limits::kChannelDisplayLeft)));
    const std::string& right = channel->chDisplayR;
    SetUnfilteredText(*suffix_, ToQt(right.empty() ? right : right.substr(right.size() - 1)));
    rx_->Refill();
    tx_->Refill();
    enable_->setChecked(channel->enable);
    txEnable_->setChecked(channel->txEnable);
    lowPower_->setChecked(channel->lowPower);
    powerUp_->setChecked(channel->powerUp);
    scan_->setChecked(channel->scanMemory);
  }
  ApplyChannelEnable(true);
}

// ---------------------------------------------------------------------------------------
// The enabling cascade
// ---------------------------------------------------------------------------------------

void ChannelEditorPage::ApplyChannelEnable(bool filling) {
  const bool enabled = enable_->isChecked();
  for (QWidget* control : std::initializer_list<QWidget*>{
           positionLabel_, number_, suffix_, rxLabel_, rx_, rxUnit_, txLabel_, tx_, txUnit_,
           txEnable_, scan_}) {
    control->setEnabled(enabled);
  }
  const ChannelRecord* plan = PlanRecord();
  duplex_->setEnabled(enabled && plan && plan->duplexAllowed);
  ApplyTxEnable(filling);
  if (filling) return;

  *Flags().enable = enabled;
  ShowFor(shown_);  // the channel as it now stands, with its fixed restrictions
  enable_->setFocus(Qt::OtherFocusReason);
  services_.MarkChanged();
}

void ChannelEditorPage::ApplyTxEnable(bool filling) {
  // Enabled states are taken relative to the page: a window disabled for a long
  // operation must not look like a switched-off option.
  lowPower_->setEnabled(txEnable_->isChecked() && txEnable_->isEnabledTo(this));
  lowPowerLine_->SetActive(lowPower_->isEnabledTo(this));
  ApplyLowPower(filling);
  if (!filling) services_.MarkChanged();
}

void ChannelEditorPage::ApplyLowPower(bool filling) {
  // Power Up keeps its tick while it cannot be changed.
  powerUp_->setEnabled(lowPower_->isChecked() && lowPower_->isEnabledTo(this));
  powerUpLine_->SetActive(powerUp_->isEnabledTo(this));
  // A user's change of the cascade stores both boxes as they show: a receive-only channel
  // thereby loses a transmit flag its box never shows. A fill stores nothing.
  if (filling) return;
  const RecordFlags flags = Flags();
  *flags.txEnable = txEnable_->isChecked();
  *flags.lowPower = lowPower_->isChecked();
  services_.MarkChanged();
}

// ---------------------------------------------------------------------------------------
// Leaving the page, focus
// ---------------------------------------------------------------------------------------

bool ChannelEditorPage::Validate() {
  const QWidget* focused = QApplication::focusWidget();
  if (focused == rx_ && !rx_->Validate()) return false;
  if (focused == tx_ && !tx_->Validate()) return false;
  if (enable_->isChecked() && (rx_->text().contains("---") || number_->text().isEmpty())) {
    services_.prompts.Show({services_.document.profile.WindowTitle(), kPageError,
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
// The record
// ---------------------------------------------------------------------------------------

ChannelRecord* ChannelEditorPage::PlanRecord() const {
  if (shown_.kind != PageKind::kPlanChannel) return nullptr;
  ChannelPlan& plan = services_.document.model.group[static_cast<std::size_t>(shown_.group)];
  return shown_.index >= 0 && shown_.index < static_cast<int>(plan.size())
             ? &plan[static_cast<std::size_t>(shown_.index)]
             : nullptr;
}

ExpChannelRecord* ChannelEditorPage::ExpRecord() const {
  if (!IsExp() || shown_.index < 1 || shown_.index > kExpChannelCount) return nullptr;
  return &services_.document.model.exp[static_cast<std::size_t>(shown_.index - 1)];
}

ChannelEditorPage::RecordFlags ChannelEditorPage::Flags() {
  if (ExpChannelRecord* exp = ExpRecord()) {
    return {&exp->enable, &exp->txEnable, &exp->lowPower, &exp->powerUp, &exp->scanMemory};
  }
  ChannelRecord* plan = PlanRecord();
  return {&plan->enable, &plan->txEnable, &plan->lowPower, &plan->powerUp, &plan->scanMemory};
}

bool ChannelEditorPage::Acting() const {
  return !services_.Locked() && isVisible() && (PlanRecord() || ExpRecord());
}

std::string ChannelEditorPage::RxText() {
  if (const ExpChannelRecord* exp = ExpRecord()) return Frequency4Text(exp->rxFreq);
  const ChannelRecord* plan = PlanRecord();
  return plan ? Frequency3Text(PlanReceiveFrequency(*plan)) : std::string();
}

std::string ChannelEditorPage::TxText() {
  if (const ExpChannelRecord* exp = ExpRecord()) return Frequency4Text(exp->txFreq);
  const ChannelRecord* plan = PlanRecord();
  return plan ? Frequency3GatedText(PlanTableEntry(*plan).frequency, plan->receiveOnly) : std::string();
}

}  // namespace kol::editor
