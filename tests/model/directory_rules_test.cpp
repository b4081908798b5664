#include "model/directory_rules.h"

#include <gtest/gtest.h>

namespace kol {
namespace {

// A directory whose first `inUse` entries are stations "S1".. with MMSIs "1110", "2220"..
template <std::size_t N>
std::array<DirectoryEntry, N> Directory(int inUse) {
  std::array<DirectoryEntry, N> entries{};
  for (int i = 0; i < inUse; ++i) {
    const std::string n = std::to_string(i + 1);
    entries[i] = {true, "S" + n, n + n + n + "0", {}};
  }
  return entries;
}

TEST(DirectoryState, InUseUpToTheFirstDisabledEntryThenFirstFreeThenBeyond) {
  auto entries = Directory<kGroupDirectorySize>(3);
  entries[5].enable = true;  // past a hole: not counted
  EXPECT_EQ(EntriesInUse(entries), 3);
  EXPECT_EQ(StateOfEntry(entries, 1), EntryState::kInUse);
  EXPECT_EQ(StateOfEntry(entries, 3), EntryState::kInUse);
  EXPECT_EQ(StateOfEntry(entries, 4), EntryState::kFirstFree);
  EXPECT_EQ(StateOfEntry(entries, 6), EntryState::kBeyond);
  const auto full = Directory<kGroupDirectorySize>(kGroupDirectorySize);
  EXPECT_EQ(EntriesInUse(full), kGroupDirectorySize);
  EXPECT_EQ(StateOfEntry(full, kGroupDirectorySize), EntryState::kInUse);
}

TEST(AddDirectoryEntry, OnlyTheFirstFreeEntryAfterACompleteOne) {
  auto entries = Directory<kGroupDirectorySize>(0);
  EXPECT_FALSE(AddDirectoryEntry(entries, 2));
  EXPECT_TRUE(AddDirectoryEntry(entries, 1));  // entry 1 needs no predecessor
  EXPECT_TRUE(entries[0].enable);
  EXPECT_FALSE(MayAdd(entries, 2));  // entry 1 has neither name nor MMSI yet
  entries[0].tagName = "BASE";
  EXPECT_FALSE(MayAdd(entries, 2));
  entries[0].mmsi = "   ";
  EXPECT_FALSE(MayAdd(entries, 2));
  entries[0].mmsi = "2111111110";
  EXPECT_TRUE(MayAdd(entries, 2));
  EXPECT_FALSE(MayAdd(entries, 1));  // in use already
  EXPECT_FALSE(MayAdd(entries, 3));  // beyond
  EXPECT_TRUE(AddDirectoryEntry(entries, 2));
  EXPECT_EQ(EntriesInUse(entries), 2);
}

TEST(DeleteDirectoryEntry, ClosesTheGap) {
  auto entries = Directory<kIndividualDirectorySize>(5);
  entries[2].member[7] = true;
  DeleteDirectoryEntry(entries, 3);
  EXPECT_EQ(EntriesInUse(entries), 4);
  EXPECT_EQ(entries[2].tagName, "S4");
  EXPECT_EQ(entries[2].mmsi, "4440");
  EXPECT_EQ(entries[3].tagName, "S5");
  EXPECT_EQ(entries[4], DirectoryEntry{});
  EXPECT_TRUE(entries[2].member[7]);  // member flags stay with their slot
  EXPECT_EQ(entries[1].tagName, "S2");
}

TEST(DeleteDirectoryEntry, OfTheLastEntryOfAFullDirectoryOnlyEmptiesIt) {
  auto entries = Directory<kIndividualDirectorySize>(kIndividualDirectorySize);
  const auto before = entries;
  DeleteDirectoryEntry(entries, kIndividualDirectorySize);
  EXPECT_EQ(EntriesInUse(entries), kIndividualDirectorySize - 1);
  EXPECT_EQ(entries.back(), DirectoryEntry{});
  EXPECT_TRUE(std::equal(entries.begin(), entries.end() - 1, before.begin()));
}

TEST(DirectoryMmsi, StoredTypedAndListedForms) {
  struct Case {
    DirectoryKind kind;
    const char* typed;
    const char* stored;  // nullptr: refused
  };
  const Case cases[] = {
      {DirectoryKind::kIndividual, "211234567", "2112345670"},
      {DirectoryKind::kIndividual, "", ""},
      {DirectoryKind::kIndividual, "21123", nullptr},
      {DirectoryKind::kIndividual, "2112345678", nullptr},
      {DirectoryKind::kGroup, "11223344", "0112233440"},
      {DirectoryKind::kGroup, "", ""},
      {DirectoryKind::kGroup, "112233445", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    const std::optional<std::string> stored = StoredMmsi(c.kind, c.typed);
    ASSERT_EQ(stored.has_value(), c.stored != nullptr);
    if (!stored) continue;
    EXPECT_EQ(*stored, c.stored);
    EXPECT_EQ(TypedMmsi(c.kind, *stored), c.typed);
  }
  EXPECT_EQ(ListedMmsi("2112345670"), "211234567");
  EXPECT_EQ(ListedMmsi("0112233440"), "011223344");
  EXPECT_EQ(ListedMmsi("123"), "123      ");
  EXPECT_EQ(ListedMmsi(""), "         ");
}

TEST(DirectoryMmsi, WrittenFormHasNineDigitsAndComesBackAsStored) {
  EXPECT_EQ(WrittenMmsi("2112345670"), "211234567");
  EXPECT_EQ(WrittenMmsi("0112233440"), "011223344");
  EXPECT_EQ(WrittenMmsi(""), "");
  constexpr auto kIndividual = DirectoryKind::kIndividual;
  constexpr auto kGroup = DirectoryKind::kGroup;
  struct Case {
    DirectoryKind kind;
    const char* written;
    const char* stored;  // null: refused
    MmsiRefusal why = MmsiRefusal::kLength;
  };
  const Case cases[] = {
      {kIndividual, "211234567", "2112345670"},
      {kIndividual, "011234567", "0112345670"},
      {kIndividual, "21123456", nullptr},
      {kIndividual, "2112345678", nullptr},
      {kGroup, "011223344", "0112233440"},
      {kGroup, "11223344", "0112233440"},  // the "0" a spreadsheet dropped
      {kGroup, "111223344", nullptr, MmsiRefusal::kGroupMark},
      {kGroup, "1122334", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.written);
    MmsiRefusal why = c.why == MmsiRefusal::kLength ? MmsiRefusal::kGroupMark : MmsiRefusal::kLength;
    const std::optional<std::string> stored = StoredFromWrittenMmsi(c.kind, c.written, &why);
    ASSERT_EQ(stored.has_value(), c.stored != nullptr);
    if (stored) {
      EXPECT_EQ(*stored, c.stored);
      EXPECT_EQ(WrittenMmsi(*stored), c.kind == kGroup && std::string(c.written).size() == 8
                                          ? "0" + std::string(c.written)
                                          : std::string(c.written));
    } else {
      EXPECT_EQ(why, c.why);
    }
  }
}

}  // namespace
}  // namespace kol
