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
                        [this](int row) { services_.window.SelectNode(LeafKey(DirectoryKey(Shown().directory), row + 1)); });
}

void DirectoryListPage::ShowFor(const NodeTarget& target) {
  grid_->Show({Individual(target.directory) ? ListKind::kIndividualDirectory : ListKind::kGroupDirectory});
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
  BindText(*name_, "Name",
           {"", nullptr,
            [this](SettingsModel& m, const std::string& trimmed) {
              // A blank name leaves the stored one; a name is kept as typed.
              if (!trimmed.empty()) Entry(m).tagName = name_->text().toStdString();
            },
            [this](const SettingsModel& m) { return Entry(m).tagName; }});

  mmsiLabel_->setObjectName("lblMmsi");
  mmsiLabel_->setBuddy(mmsi_);
  groupMark_->setObjectName("lblGroup");
  mmsi_->setObjectName("txtGMMSI");
  InstallKeyFilter(*mmsi_, KeyFilter::kDigits);
  SetKeyHelp(*mmsi_, key_help::kMmsi);
  BindText(*mmsi_, "MMSI",
           {"", [this](const std::string& trimmed) { return StoredMmsi(Kind(), trimmed).has_value(); },
            [this](SettingsModel& m, const std::string& trimmed) {
              const std::string stored = *StoredMmsi(Kind(), trimmed);
              Entry(m).mmsi = stored;
              // An entry without an MMSI is no entry: the ones after it move up.
              if (stored.empty()) DeleteDirectoryEntry(DirectoryEntries(m, Kind()), Number());
            },
            [this](const SettingsModel& m) { return TypedMmsi(Kind(), Entry(m).mmsi); },
            CommitField::OnRefusal::kKeepSilently, {},
            [this](const std::string& trimmed) {
              if (trimmed.empty()) Show(Shown());  // the entry that moved into its place
            }});

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

std::string DirectoryEntryPage::Subject() const {
  return (Individual(Kind()) ? "Memory ID" : "Group ID") + std::to_string(Number());
}

void DirectoryEntryPage::ShowFor(const NodeTarget&) {
  const bool individual = Individual(Kind());
  nameLabel_->setText(individual ? "Station Name" : "Group Name");
  mmsi_->setMaxLength(TypedMmsiDigits(Kind()));
  mmsi_->SetHint("Type exactly " + std::to_string(TypedMmsiDigits(Kind())) +
                 " digits; an empty MMSI removes the entry.");
  groupMark_->setVisible(!individual);
  const std::span<const DirectoryEntry> entries = DirectoryEntries(Model(), Kind());
  if (StateOfEntry(entries, Number()) == EntryState::kFirstFree && !MayAdd(entries, Number())) {
    services_.prompts.Show({individual ? "Individual Directory" : "Group Directory", "Data Error!!",
                            MessageIcon::kExclamation, MessageButtons::kOk, MessageButton::kOk, {},
                            {}, "This entry can be added once the one before it has a name and an MMSI."});
  }
}

void DirectoryEntryPage::ShowState() {
  const std::span<const DirectoryEntry> entries = DirectoryEntries(Model(), Kind());
  const bool inUse = StateOfEntry(entries, Number()) == EntryState::kInUse;
  add_->setChecked(inUse);
  add_->setEnabled(MayAdd(entries, Number()));
  delete_->setChecked(!inUse);
  delete_->setEnabled(inUse);
  for (QWidget* control : std::initializer_list<QWidget*>{nameLabel_, name_, mmsiLabel_, groupMark_, mmsi_}) {
    control->setEnabled(inUse);
  }
}

bool DirectoryEntryPage::Validate() {
  // The name first: a cleared MMSI moves the next entry into the fields.
  const bool named = name_->Validate();
  return mmsi_->Validate() && named;
}

void DirectoryEntryPage::OnAdd(bool ticked) {
  if (!ticked) return;
  const bool added = MayAdd(DirectoryEntries(Model(), Kind()), Number()) &&
                     Change("Add", *add_, [this](SettingsModel& m) {
                       AddDirectoryEntry(DirectoryEntries(m, Kind()), Number());
                     });
  if (!added) {
    add_->setChecked(false);
    return;
  }
  name_->setFocus(Qt::OtherFocusReason);
}

void DirectoryEntryPage::OnDelete() {
  if (services_.Locked() || !isVisible()) return;
  const MessageButton answer =
      services_.prompts.Show({services_.Doc().profile.WindowTitle(), "Are you sure ?",
                              MessageIcon::kQuestion, MessageButtons::kYesNo, MessageButton::kYes});
  const bool deleted = answer == MessageButton::kYes &&
                       Change("Delete", *delete_, [this](SettingsModel& m) {
                         DeleteDirectoryEntry(DirectoryEntries(m, Kind()), Number());
                       });
  if (deleted) {
    Show(Shown());  // the entry that moved into its place
  } else {
    delete_->setChecked(false);
  }
}

}  // namespace kol::editor
