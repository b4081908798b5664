// The rules that keep each MMSI directory a list without holes (entries 1..n in use, all
// later ones empty), and the forms an MMSI takes: as typed, as stored, as listed.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "model/settings_model.h"

namespace kol {

enum class DirectoryKind { kIndividual, kGroup };

std::span<DirectoryEntry> DirectoryEntries(SettingsModel& model, DirectoryKind kind);
std::span<const DirectoryEntry> DirectoryEntries(const SettingsModel& model, DirectoryKind kind);

// Entries in use: counted from entry 1 up to the first one that is not enabled.
int EntriesInUse(std::span<const DirectoryEntry> entries);

enum class EntryState {
  kInUse,      // within the entries in use
  kFirstFree,  // the entry right after them: the only one that can be added
  kBeyond,     // any later entry
};
// `number` is 1-based.
EntryState StateOfEntry(std::span<const DirectoryEntry> entries, int number);

// The first free entry may be added once the entry before it has both a name and an MMSI
// (entry 1 always may).
bool MayAdd(std::span<const DirectoryEntry> entries, int number);
// Puts entry `number` in use when it may be added; false otherwise.
bool AddDirectoryEntry(std::span<DirectoryEntry> entries, int number);

// Removes entry `number`: every later entry moves up by one (its in-use flag, name and MMSI)
// and the last entry becomes empty.
void DeleteDirectoryEntry(std::span<DirectoryEntry> entries, int number);

// How many digits the user types: 9 for a station, 8 for a group (after its fixed "0").
int TypedMmsiDigits(DirectoryKind kind);
// The stored MMSI for a typed text (blanks removed at both ends): a station's nine digits
// and the radio's pad "0"; a group's "0", eight digits and "0"; empty for an empty text.
// Nothing for a text of any other length.
std::optional<std::string> StoredMmsi(DirectoryKind kind, std::string_view typed);
// The digits the user types, taken back out of a stored MMSI.
std::string TypedMmsi(DirectoryKind kind, std::string_view stored);
// The MMSI as the directory list shows it: nine characters, without the pad digit.
std::string ListedMmsi(std::string_view stored);

// The MMSI written in files and on the clipboard: all nine digits, a group's leading "0"
// included.
std::string WrittenMmsi(std::string_view stored);
// Why a written MMSI is refused.
enum class MmsiRefusal { kLength, kGroupMark };
// The stored MMSI for a written one: nine digits (a group's beginning with its "0"). A
// group's eight digits without the "0" are taken too, as the entry editor takes them
// (spreadsheets drop a leading zero). Nothing, with `why` set when given, otherwise.
std::optional<std::string> StoredFromWrittenMmsi(DirectoryKind kind, std::string_view digits,
                                                 MmsiRefusal* why = nullptr);

}  // namespace kol
