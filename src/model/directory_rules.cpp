#include "model/directory_rules.h"

#include "model/field_limits.h"
#include "model/formatters.h"

namespace kol {
namespace {

constexpr char kPadDigit = '0';
constexpr char kGroupMark = '0';  // every group MMSI begins with it
constexpr std::size_t kListedWidth = field_limits::kIndividualMmsiTyped;

bool Complete(const DirectoryEntry& entry) {
  return !TrimBlanks(entry.tagName).empty() && !TrimBlanks(entry.mmsi).empty();
}

}  // namespace

std::span<DirectoryEntry> DirectoryEntries(SettingsModel& model, DirectoryKind kind) {
  if (kind == DirectoryKind::kIndividual) return model.individualDirectory;
  return model.groupDirectory;
}

std::span<const DirectoryEntry> DirectoryEntries(const SettingsModel& model, DirectoryKind kind) {
  if (kind == DirectoryKind::kIndividual) return model.individualDirectory;
  return model.groupDirectory;
}

int EntriesInUse(std::span<const DirectoryEntry> entries) {
  int count = 0;
  while (count < static_cast<int>(entries.size()) && entries[static_cast<std::size_t>(count)].enable) {
    ++count;
  }
  return count;
}

EntryState StateOfEntry(std::span<const DirectoryEntry> entries, int number) {
  const int inUse = EntriesInUse(entries);
  if (number <= inUse) return EntryState::kInUse;
  return number == inUse + 1 ? EntryState::kFirstFree : EntryState::kBeyond;
}

bool MayAdd(std::span<const DirectoryEntry> entries, int number) {
  if (StateOfEntry(entries, number) != EntryState::kFirstFree) return false;
  return number == 1 || Complete(entries[static_cast<std::size_t>(number - 2)]);
}

bool AddDirectoryEntry(std::span<DirectoryEntry> entries, int number) {
  if (!MayAdd(entries, number)) return false;
  entries[static_cast<std::size_t>(number - 1)].enable = true;
  return true;
}

void DeleteDirectoryEntry(std::span<DirectoryEntry> entries, int number) {
  if (number < 1 || number > static_cast<int>(entries.size())) return;
  // Member flags belong to the slot, not to the station: only what the radio keeps moves.
  for (std::size_t j = static_cast<std::size_t>(number - 1); j + 1 < entries.size(); ++j) {
    entries[j].enable = entries[j + 1].enable;
    entries[j].mmsi = entries[j + 1].mmsi;
    entries[j].tagName = entries[j + 1].tagName;
  }
  DirectoryEntry& last = entries.back();
  last.enable = false;
  last.mmsi.clear();
  last.tagName.clear();
}

int TypedMmsiDigits(DirectoryKind kind) {
  return kind == DirectoryKind::kIndividual ? field_limits::kIndividualMmsiTyped
                                            : field_limits::kGroupMmsiTyped;
}

std::optional<std::string> StoredMmsi(DirectoryKind kind, std::string_view typed) {
  if (typed.empty()) return std::string();
  if (typed.size() != static_cast<std::size_t>(TypedMmsiDigits(kind))) return std::nullopt;
  std::string stored = kind == DirectoryKind::kGroup ? std::string(1, kGroupMark) : std::string();
  stored += typed;
  stored += kPadDigit;
  return stored;
}

std::string TypedMmsi(DirectoryKind kind, std::string_view stored) {
  if (kind == DirectoryKind::kGroup && !stored.empty() && stored.front() == kGroupMark) {
    stored.remove_prefix(1);
  }
  return std::string(stored.substr(0, static_cast<std::size_t>(TypedMmsiDigits(kind))));
}

std::string ListedMmsi(std::string_view stored) {
  std::string listed(stored.substr(0, kListedWidth));
  listed.resize(kListedWidth, ' ');
  return listed;
}

std::string WrittenMmsi(std::string_view stored) {
  return std::string(stored.substr(0, field_limits::kStoredMmsi - 1));
}

std::optional<std::string> StoredFromWrittenMmsi(DirectoryKind kind, std::string_view digits,
                                                 MmsiRefusal* why) {
  constexpr std::size_t kWritten = field_limits::kStoredMmsi - 1;
  MmsiRefusal refusal = MmsiRefusal::kLength;
  if (kind == DirectoryKind::kIndividual) {
    if (digits.size() == kWritten) return StoredMmsi(kind, digits);
  } else if (digits.size() == kWritten) {
    if (digits.front() == kGroupMark) return StoredMmsi(kind, digits.substr(1));
    refusal = MmsiRefusal::kGroupMark;
  } else if (digits.size() == static_cast<std::size_t>(field_limits::kGroupMmsiTyped)) {
    return StoredMmsi(kind, digits);
  }
  if (why != nullptr) *why = refusal;
  return std::nullopt;
}

}  // namespace kol
