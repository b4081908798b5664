#include "editor/pages/dsc_page.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "editor/widgets/commit_field.h"
#include "editor/widgets/key_help.h"
#include "model/field_limits.h"
#include "model/image_map.h"
#include "model/setup_rules.h"

namespace kol::editor {
namespace {

constexpr const char* kGroupHeads[] = {"Group1", "Group2", "Group3", "EXP"};
// The beep outputs the page offers (BeepOut 7 lives in settings files only).
constexpr const char* kBeepCaptions[] = {"Send Distress Alert",    "Received All Ships",
                                         "Received Individual",    "Received Group",
                                         "Received Geographic",    "Received POS Request",
                                         "Received POS Reporting"};

struct CallRow {
  const char* caption;
  const char* name;  // the lists are cmbUsableDsc<name>_<priority> and <name>TX_<priority>
};
constexpr CallRow kCallRows[kCallTypeCount] = {{"ALL Ships Call", "AllShipsCall"},
                                               {"Individual Call", "IndividualCall"},
                                               {"Group Call", "GroupCall"},
                                               {"POS Request Call", "PosRequest"},
                                               {"POS Report Call", "PosReport"}};
constexpr const char* kPriorities[] = {"Distress", "Urgency", "Safety", "Routine"};

struct LogRow {
  const char* caption;
  int index;  // of cmdFclearLog
  Operation operation;
  const char* what;  // what the clearing erases, for its question
};
// In the order the page lists them.
constexpr LogRow kLogRows[] = {{"Call Log", 2, Operation::kClearCallLog, "the call log"},
                               {"DSC Log", 1, Operation::kClearDscLog, "the DSC log"},
                               {"Distress Log", 0, Operation::kClearDistressLog, "the distress log"}};

constexpr const char* kDisplayCaptions[] = {"Individual ACK Menu", "Individual ACK Message Menu",
                                            "POS Request ACK Menu"};

// The acknowledgement menu `i` of the Display tab, in the order of its captions.
template <typename Display>
auto& DisplayMenu(Display& display, int i) {
  switch (i) {
    case 0:
      return display.individualAckMenu;
    case 1:
      return display.individualAckMessageMenu;
    default:
      return display.posRequestAckMenu;
  }
}

QWidget* NewTab(const QString& name) {
  auto* tab = new QWidget;
  tab->setObjectName(name);
  return tab;
}

}  // namespace

DscPage::DscPage(EditorServices& services, QWidget* parent) : FormPage(services, parent) {
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName("tbsDSC_USER");
  tabs_->addTab(BuildBasicTab(), "Basic Setup");
  tabs_->addTab(BuildAdvancedTab(), "Advanced Setup");
  tabs_->addTab(BuildDisplayTab(), "Display Setup");
  Body()->addWidget(tabs_);
  Body()->addStretch(1);
}

QWidget* DscPage::BuildBasicTab() {
  QWidget* tab = NewTab("pictDSCChild_0");
  auto* layout = new QVBoxLayout(tab);

  auto* usable = new QGroupBox("Usable DSC CH Group", tab);
  auto* usableGrid = new QGridLayout(usable);
  for (int g = 0; g < 4; ++g) {
    QComboBox* list = NewList(usable, Indexed("cmbUsableDsc", g), options::kOffOn);
    BindBool(*list, std::string("DSC use of ") + kGroupHeads[g],
             [g](auto& m) -> auto& { return m.dscBasic.usableGroup[static_cast<std::size_t>(g)]; });
    QLabel* head = NewLabel(usable, Indexed("lblUsableDscHead", g), kGroupHeads[g]);
    head->setBuddy(list);
    groupNames_[g] = NewLabel(usable, Indexed("lblUsableDscName", g), {});
    usableGrid->addWidget(head, 0, g);
    usableGrid->addWidget(list, 1, g);
    usableGrid->addWidget(groupNames_[g], 2, g);
  }
  usableGrid->setColumnStretch(4, 1);
  layout->addWidget(usable);

  layout->addWidget(BuildUserMmsiRow(tab));

  auto* cancelRow = new QHBoxLayout;
  QComboBox* cancel = NewList(tab, "cmbUsableDscDistCancel", options::kOffOn);
  BindBool(*cancel, "Distress Cancel Call", [](auto& m) -> auto& { return m.dscBasic.distressCancelCall; });
  QLabel* cancelLabel = NewLabel(tab, "lblUsableDscDistCancel", "Distress Cancel Call");
  cancelLabel->setBuddy(cancel);
  cancelRow->addWidget(cancelLabel);
  cancelRow->addWidget(cancel);
  cancelRow->addStretch(1);
  layout->addLayout(cancelRow);

  auto* beeps = new QGroupBox("DSC Beep Output", tab);
  auto* beepGrid = new QGridLayout(beeps);
  const int perColumn = 4;
  for (int k = 0; k < static_cast<int>(std::size(kBeepCaptions)); ++k) {
    QComboBox* list = NewList(beeps, Indexed("cmbUsableDscBeepOut", k), options::kOffOn);
    BindBool(*list, std::string("Beep of ") + kBeepCaptions[k],
             [k](auto& m) -> auto& { return m.dscBasic.beepOut[static_cast<std::size_t>(k)]; });
    QLabel* label = NewLabel(beeps, Indexed("lblUsableDscBeepOut", k), kBeepCaptions[k]);
    label->setBuddy(list);
    const int column = 3 * (k / perColumn);
    beepGrid->addWidget(label, k % perColumn, column);
    beepGrid->addWidget(list, k % perColumn, column + 1);
  }
  beepGrid->setColumnMinimumWidth(2, 16);
  beepGrid->setColumnStretch(5, 1);
  layout->addWidget(beeps);
  layout->addStretch(1);
  return tab;
}

QWidget* DscPage::BuildUserMmsiRow(QWidget* tab) {
  auto* row = new QWidget(tab);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  userMmsi_ = NewCodeField(row, "txtUserMMSI", "User MMSI", "User MMSI", key_help::kMmsi,
                           field_limits::kUserMmsiTyped, [](auto& m) -> auto& { return m.dscBasic.userMmsi; });
  QLabel* label = NewLabel(row, "lblUserMMSI", "UserMMSI");
  label->setBuddy(userMmsi_);

  mmsiCount_ = new QLineEdit(row);
  mmsiCount_->setObjectName("txtFCount");
  mmsiCount_->setReadOnly(true);
  mmsiCount_->setFocusPolicy(Qt::NoFocus);
  mmsiCount_->setAlignment(Qt::AlignRight);
  mmsiCount_->setToolTip("User MMSI setting count");
  mmsiCount_->setMaximumWidth(mmsiCount_->fontMetrics().horizontalAdvance(QString(6, '0')));

  auto* clear = new QPushButton("MMSI Clear", row);
  clear->setObjectName("cmdFClear");
  SetKeyHelp(*clear, key_help::kMmsiClear);
  connect(clear, &QPushButton::clicked, this, [this] {
    ClearAfterAsking("the user MMSI", Operation::kClearMmsi);
    ShowMmsiCount();  // whatever became of the clearing
  });

  layout->addWidget(label);
  layout->addWidget(userMmsi_);
  layout->addSpacing(16);
  layout->addWidget(mmsiCount_);
  layout->addWidget(clear);
  layout->addStretch(1);
  return row;
}

QWidget* DscPage::BuildAdvancedTab() {
  QWidget* tab = NewTab("pictDSCChild_1");
  auto* layout = new QVBoxLayout(tab);
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(6);
  // Two heading rows: the priority over its receive and TX columns.
  for (int p = 0; p < 4; ++p) {
    auto* head = new QLabel(kPriorities[p], tab);
    head->setAlignment(Qt::AlignCenter);
    grid->addWidget(head, 0, 1 + 2 * p, 1, 2);
    grid->addWidget(new QLabel("RX", tab), 1, 1 + 2 * p, Qt::AlignCenter);
    grid->addWidget(new QLabel("TX", tab), 1, 2 + 2 * p, Qt::AlignCenter);
  }
  for (int k = 0; k < kCallTypeCount; ++k) {
    const CallRow& call = kCallRows[k];
    grid->addWidget(new QLabel(call.caption, tab), 2 + k, 0);
    for (int p = 0; p < 4; ++p) {
      for (const bool tx : {false, true}) {
        const QString name = QString("cmbUsableDsc%1%2").arg(call.name, tx ? "TX" : "");
        QComboBox* list = NewList(tab, Indexed(name, p), tx ? options::kLowHi : options::kOffOn);
        const int slot = AdvancedSlot(static_cast<CallType>(k), tx, static_cast<CallCategory>(p));
        BindBool(*list, std::string(call.caption) + " " + kPriorities[p] + (tx ? " TX" : " RX"),
                 [slot](auto& m) -> auto& { return AdvancedFlag(m.dscAdvanced, slot); });
        grid->addWidget(list, 2 + k, 1 + 2 * p + (tx ? 1 : 0));
      }
    }
  }
  grid->setColumnStretch(9, 1);
  layout->addLayout(grid);
  layout->addWidget(BuildLogClear(tab));
  layout->addStretch(1);
  return tab;
}

QWidget* DscPage::BuildLogClear(QWidget* tab) {
  auto* frame = new QGroupBox("Log Clear", tab);
  auto* row = new QHBoxLayout(frame);
  for (const LogRow& log : kLogRows) {
    auto* button = new QPushButton("Clear", frame);
    button->setObjectName(Indexed("cmdFclearLog", log.index));
    SetKeyHelp(*button, key_help::kLogClear);
    connect(button, &QPushButton::clicked, this,
            [this, &log] { ClearAfterAsking(log.what, log.operation); });
    QLabel* label = NewLabel(frame, Indexed("lblFclearLog", log.index), log.caption);
    label->setBuddy(button);
    row->addWidget(label);
    row->addWidget(button);
    row->addSpacing(16);
  }
  row->addStretch(1);
  return frame;
}

void DscPage::ClearAfterAsking(const char* what, Operation operation) {
  const std::string question = std::string("Clear ") + what +
                               " in the radio?\n\nWhat is erased there cannot be put back "
                               "by this program.";
  const MessageButton answer = services_.prompts.Show(
      {services_.Doc().profile.WindowTitle(), question, MessageIcon::kQuestion,
       MessageButtons::kYesNo, MessageButton::kNo});
  if (answer == MessageButton::kYes) services_.window.RunTransfer(operation);
}

QWidget* DscPage::BuildDisplayTab() {
  QWidget* tab = NewTab("pictDSCChild_2");
  auto* layout = new QVBoxLayout(tab);
  auto* grid = new QGridLayout;
  for (int i = 0; i < 3; ++i) {
    QComboBox* list = NewList(tab, Indexed("cmbDscDisplay", i), options::kOffOn);
    BindBool(*list, kDisplayCaptions[i], [i](auto& m) -> auto& { return DisplayMenu(m.dscDisplay, i); });
    QLabel* label = NewLabel(tab, Indexed("lblDscDisplay", i), kDisplayCaptions[i]);
    label->setBuddy(list);
    grid->addWidget(label, i, 0);
    grid->addWidget(list, i, 1);
  }
  grid->setColumnStretch(2, 1);
  layout->addLayout(grid);
  layout->addStretch(1);
  return tab;
}

void DscPage::ShowState() {
  const UsableSetup& usable = Model().usable;
  for (int g = 0; g < 4; ++g) {
    groupNames_[g]->setText(
        QString::fromStdString(BracketedStatusName(usable.group[static_cast<std::size_t>(g)].statusName)));
  }
  ShowMmsiCount();
}

bool DscPage::Validate() { return userMmsi_->Validate(); }

void DscPage::ShowMmsiCount() {
  mmsiCount_->setText(QString::number(services_.Doc().image[image_map::kUserMmsiPresent]));
}

}  // namespace kol::editor
