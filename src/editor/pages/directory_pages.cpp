#include "editor/pages/directory_pages.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/list_commands.h"
#include "editor/widgets/commit_field.h"
#include "editor/widgets/key_filter.h"
#include "editor/widgets/key_help.h"
#include "editor/widgets/list_grid.h"
#include "model/field_limits.h"

namespace kol::editor {
namespace {

constexpr int kTwipsPerInch = 1440;
constexpr int kNumberColumnTwips = 800;
constexpr int kNameColumnTwips = 2500;

bool Individual(DirectoryKind kind) { return kind == DirectoryKind::kIndividual; }

}  // namespace

// ---------------------------------------------------------------------------------------
// The list
// ---------------------------------------------------------------------------------------

DirectoryListPage::DirectoryListPage(EditorServices& services, QWidget* parent)
    : Page(services, parent), grid_(new ListGrid(services.controller.Doc(), this)) {
  grid_->setObjectName(kDirectoryGrid);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(grid_);
  services_.lists.Serve(*grid_,
                        [this](int row) { services_.window.SelectNode(LeafKey(DirectoryKey(kind_), row + 1)); });
}

void DirectoryListPage::ShowFor(const NodeTarget& target) {
  kind_ = target.directory;
  grid_->Show({Individual(kind_) ? ListKind::kIndividualDirectory : ListKind::kGroupDirectory});
  const int dpi = logicalDpiX();
  grid_->setColumnWidth(0, kNumberColumnTwips * dpi / kTwipsPerInch);
  grid_->setColumnWidth(1, kNameColumnTwips * dpi / kTwipsPerInch);
}

// ---------------------------------------------------------------------------------------
// The entry editor
// ---------------------------------------------------------------------------------------

DirectoryEntryPage::DirectoryEntryPage(EditorServices& services, QWidget* parent)
    : Page(services, parent),
      nameLabel_(new QLabel(this)),
      name_(new CommitField(services, this)),
      mmsiLabel_(new QLabel("MMSI", this)),
      groupMark_(new QLabel("0", this)),
      mmsi_(new CommitField(services, this)),
      add_(new QPushButton("Add", this)),
      delete_(new QPushButton("Delete", this)) {
  nameLabel_->setObjectName("lblTag");
  nameLabel_->setBuddy(name_);
  name_->setObjectName("txtGPosi");
  name_->setMaxLength(field_limits::kStationName);
  InstallKeyFilter(*name_, KeyFilter::kStationName);
  SetKeyHelp(*name_, key_help::kStationName);
  name_->SetRules({"",
                   [this](const std::string& trimmed) {
                     // A blank name leaves the stored one; a name is kept as typed.
                     if (!trimmed.empty()) Entry().tagName = name_->text().toStdString();
                     return true;
                   },
                   [this] { return Entry().tagName; }});

  mmsiLabel_->setObjectName("lblMmsi");
  mmsiLabel_->setBuddy(mmsi_);
  groupMark_->setObjectName("lblGroup");
  mmsi_->setObjectName("txtGMMSI");
  InstallKeyFilter(*mmsi_, KeyFilter::kDigits);
  SetKeyHelp(*mmsi_, key_help::kMmsi);
  mmsi_->SetRules({"",
                   [this](const std::string& trimmed) {
                     const std::optional<std::string> stored = StoredMmsi(kind_, trimmed);
                     if (!stored) return false;
                     Entry().mmsi = *stored;
                     // An entry without an MMSI is no entry: the ones after it move up.
                     if (stored->empty()) DeleteShownEntry();
                     return true;
                   },
                   [this] { return TypedMmsi(kind_, Entry().mmsi); },
                   CommitField::OnRefusal::kKeepSilently});

  for (QPushButton* button : {add_, delete_}) {
    button->setCheckable(true);
    SetKeyHelp(*button, key_help::kCheckBox);
  }
  add_->setObjectName("chkGEnable");
  delete_->setObjectName("chkGDelete");
  connect(add_, &QPushButton::clicked, this, &DirectoryEntryPage::OnAdd);
  connect(delete_, &QPushButton::clicked, this, &DirectoryEntryPage::OnDelete);

  auto* grid = new QGridLayout;
  grid->addWidget(nameLabel_, 0, 0);
  grid->addWidget(name_, 0, 2);
  grid->addWidget(mmsiLabel_, 1, 0);
  grid->addWidget(groupMark_, 1, 1, Qt::AlignRight);
  grid->addWidget(mmsi_, 1, 2);
  grid->setColumnStretch(3, 1);
  const int fieldWidth = name_->fontMetrics().horizontalAdvance(QString(field_limits::kStationName + 3, 'W'));
  name_->setMaximumWidth(fieldWidth);
  mmsi_->setMaximumWidth(fieldWidth);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(add_);
  buttons->addWidget(delete_);
  buttons->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(buttons);
  layout->addStretch(1);
}

DirectoryEntry& DirectoryEntryPage::Entry() {
  return DirectoryEntries(services_.document.model, kind_)[static_cast<std::size_t>(number_ - 1)];
}

void DirectoryEntryPage::ShowFor(const NodeTarget& target) {
  kind_ = target.directory;
  number_ = target.index;
  Fill();
}

void DirectoryEntryPage::Fill() {
  const bool individual = Individual(kind_);
  nameLabel_->setText(individual ? "Station Name" : "Group Name");
  mmsi_->setMaxLength(TypedMmsiDigits(kind_));
  groupMark_->setVisible(!individual);
  name_->Refill();
  mmsi_->Refill();

  const std::span<const DirectoryEntry> entries = DirectoryEntries(services_.document.model, kind_);
  const EntryState state = StateOfEntry(entries, number_);
  const bool inUse = state == EntryState::kInUse;
  const bool mayAdd = MayAdd(entries, number_);
  add_->setChecked(inUse);
  add_->setEnabled(mayAdd);
  delete_->setChecked(!inUse);
  delete_->setEnabled(inUse);
  for (QWidget* control : std::initializer_list<QWidget*>{nameLabel_, name_, mmsiLabel_, groupMark_, mmsi_}) {
    control->setEnabled(inUse);
  }
  if (state == EntryState::kFirstFree && !mayAdd) {
    services_.prompts.Show({individual ? "Individual Directory" : "Group Directory", "Data Error!!",
                            MessageIcon::kExclamation, MessageButtons::kOk, MessageButton::kOk, {},
                            {}, "This entry can be added once the one before it has a name and an MMSI."});
  }
}

bool DirectoryEntryPage::Validate() {
  // The name first: a cleared MMSI moves the next entry into the fields.
  const bool named = name_->Validate();
  return mmsi_->Validate() && named;
}

void DirectoryEntryPage::OnAdd(bool ticked) {
  if (!ticked || services_.Locked() || !isVisible()) return;
  if (!AddDirectoryEntry(DirectoryEntries(services_.document.model, kind_), number_)) {
    add_->setChecked(false);
    return;
  }
  Fill();
  services_.MarkChanged();
  name_->setFocus(Qt::OtherFocusReason);
}

void DirectoryEntryPage::OnDelete() {
  if (services_.Locked() || !isVisible()) return;
  const MessageButton answer =
      services_.prompts.Show({services_.document.profile.WindowTitle(), "Are you sure ?",
                              MessageIcon::kQuestion, MessageButtons::kYesNo, MessageButton::kYes});
  if (answer == MessageButton::kYes) {
    DeleteShownEntry();
  } else {
    delete_->setChecked(false);
  }
}

void DirectoryEntryPage::DeleteShownEntry() {
  if (services_.Locked() || !isVisible()) return;
  {
    UpdateLockScope lock(services_.document.flags);
    DeleteDirectoryEntry(DirectoryEntries(services_.document.model, kind_), number_);
    Fill();
  }
  services_.MarkChanged();
}

}  // namespace kol::editor
