#include "editor/widgets/list_model.h"

#include <QApplication>
#include <QPalette>

#include "model/directory_rules.h"

namespace kol::editor {
namespace {

constexpr int kDirectoryColumns = 3;

}  // namespace

ListModel::ListModel(const Document& document, QObject* parent)
    : QAbstractTableModel(parent), document_(document) {}

void ListModel::Show(ListId list) {
  beginResetModel();
  list_ = list;
  endResetModel();
}

void ListModel::Refresh() {
  if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

const ChannelRecord& ListModel::PlanRecord(int row) const {
  return document_.model.group[static_cast<std::size_t>(list_.group)][static_cast<std::size_t>(row)];
}

int ListModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid()) return 0;
  const SettingsModel& model = document_.model;
  switch (list_.kind) {
    case ListKind::kPlanChannels: return static_cast<int>(model.group[static_cast<std::size_t>(list_.group)].size());
    case ListKind::kExpChannels: return static_cast<int>(model.exp.size());
    case ListKind::kIndividualDirectory:
    case ListKind::kGroupDirectory: break;
  }
  return static_cast<int>(DirectoryEntries(model, DirectoryOf(list_)).size());
}

int ListModel::columnCount(const QModelIndex& parent) const {
  if (parent.isValid()) return 0;
  switch (list_.kind) {
    case ListKind::kPlanChannels: return static_cast<int>(PlanListColumns().size());
    case ListKind::kExpChannels: return static_cast<int>(ExpListColumns().size());
    case ListKind::kIndividualDirectory:
    case ListKind::kGroupDirectory: break;
  }
  return kDirectoryColumns;
}

std::optional<PlanSwitch> ListModel::SwitchAt(int column) const {
  if (list_.kind != ListKind::kPlanChannels || column < 0 || column >= columnCount()) return std::nullopt;
  return PlanListColumns()[static_cast<std::size_t>(column)].toggles;
}

bool ListModel::MayToggle(int row, int column) const {
  const std::optional<PlanSwitch> which = SwitchAt(column);
  if (!which) return false;
  const ChannelRecord& record = PlanRecord(row);
  return PlanSwitchAllowed(record, *which, !SwitchOf(record, *which));
}

std::string ListModel::Text(int row, int column) const {
  const std::size_t c = static_cast<std::size_t>(column);
  switch (list_.kind) {
    case ListKind::kPlanChannels: return PlanListColumns()[c].text(PlanRecord(row));
    case ListKind::kExpChannels:
      return ExpListColumns()[c].text(document_.model.exp[static_cast<std::size_t>(row)], row + 1);
    case ListKind::kIndividualDirectory:
    case ListKind::kGroupDirectory: break;
  }
  const DirectoryEntry& entry = DirectoryEntries(document_.model, DirectoryOf(list_))[static_cast<std::size_t>(row)];
  if (column == 0) return std::to_string(row + 1);
  return column == 1 ? entry.tagName : ListedMmsi(entry.mmsi);
}

QVariant ListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  switch (role) {
    case Qt::DisplayRole: {
      const std::string text = Text(index.row(), index.column());
      // Names are single-byte text, as settings files hold them.
      return IsDirectory(list_) ? QString::fromLatin1(text) : QString::fromStdString(text);
    }
    case Qt::CheckStateRole: {
      if (!SwitchAt(index.column())) return {};
      const bool marked = PlanListColumns()[static_cast<std::size_t>(index.column())].marked(PlanRecord(index.row()));
      return marked ? Qt::Checked : Qt::Unchecked;
    }
    case Qt::ForegroundRole:
      // A switch the channel editor would not let change looks as its box would: disabled.
      if (SwitchAt(index.column()) && !MayToggle(index.row(), index.column())) {
        return QApplication::palette().color(QPalette::Disabled, QPalette::Text);
      }
      return {};
    default:
      return {};
  }
}

QVariant ListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columnCount()) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  const std::size_t c = static_cast<std::size_t>(section);
  switch (list_.kind) {
    case ListKind::kPlanChannels: return QString::fromUtf8(PlanListColumns()[c].header);
    case ListKind::kExpChannels: return QString::fromUtf8(ExpListColumns()[c].header);
    case ListKind::kIndividualDirectory:
    case ListKind::kGroupDirectory: break;
  }
  static const char* const kIndividualHeaders[] = {"No.", "STATION NAME", "MMSI"};
  static const char* const kGroupHeaders[] = {"No.", "GROUP NAME", "MMSI"};
  return QString(list_.kind == ListKind::kIndividualDirectory ? kIndividualHeaders[c] : kGroupHeaders[c]);
}

}  // namespace kol::editor
