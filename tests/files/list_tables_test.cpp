// The lists as spreadsheets see them: CSV files and the clipboard's rows out of the
// document, and texts brought back that change it only when the editor would take every
// value in them.
#include "files/list_tables.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

#include "files/table_text.h"
#include "model/channel_rules.h"
#include "model/default_document.h"
#include "model/directory_rules.h"

namespace kol {
namespace {

constexpr ListId kExp{ListKind::kExpChannels};
constexpr ListId kUsa{ListKind::kPlanChannels, kGroup1};
constexpr ListId kIndividual{ListKind::kIndividualDirectory};
constexpr ListId kGroups{ListKind::kGroupDirectory};

constexpr int kCh15 = 30;  // receive-only in the USA plan
constexpr int kCh20 = 40;  // has a duplex pair
constexpr int kCh01A = 3;  // has none

// A document with a little of everything, including values only a radio or a hand-edited
// settings file gives (a 12.5 kHz step, lower case, a Latin-1 letter, a tenth MMSI digit).
SettingsModel Document() {
  SettingsModel model;
  RadioImage image;
  ModelProfile profile;
  BuildNewDocument(model, image, profile);
  model.exp[0] = {.enable = true,
                  .scanMemory = true,
                  .chDisplayL = " 7",
                  .chDisplayR = "n",
                  .rxFreq = 156.025,
                  .txFreq = 156.025};
  model.exp[1] = {.enable = true,
                  .lowPower = true,
                  .chDisplayL = "7 ",
                  .chDisplayR = "XB",
                  .rxFreq = 156.0125,
                  .txFreq = 0};
  model.individualDirectory[0] = {true, "HARBOUR", "2112345670", {}};
  model.individualDirectory[1] = {true, "Sea Hawk", "3661234565", {}};
  model.individualDirectory[2] = {true, "S\xD8REN", "2570000010", {}};
  model.individualDirectory[2].member[4] = true;
  model.groupDirectory[0] = {true, "FLEET", "0112233440", {}};
  model.groupDirectory[1] = {true, "", "0998877660", {}};
  model.group[kGroup1][kCh15].txEnable = true;  // as a radio may hold it
  return model;
}

std::string Problems(const ListEditResult& result) {
  std::string text;
  for (const ListProblem& problem : result.problems) text += ProblemText(problem) + "\n";
  return text;
}

// The document after a text that must be taken.
SettingsModel Applied(const SettingsModel& model, const ListEditResult& result) {
  EXPECT_EQ(Problems(result), "");
  SettingsModel after = model;
  if (result.edit) result.edit->ApplyTo(after);
  return after;
}

TEST(ListCsv, HeaderLineThenOneRowPerChannelOrEntryInUse) {
  const SettingsModel model = Document();
  EXPECT_EQ(ListCsv(model, kIndividual),
            "Name,MMSI\r\nHARBOUR,211234567\r\nSea Hawk,366123456\r\nS\xC3\x98REN,257000001\r\n");
  EXPECT_EQ(ListCsv(model, kGroups), "Name,MMSI\r\nFLEET,011223344\r\n,099887766\r\n");
  const std::string exp = ListCsv(model, kExp);
  EXPECT_EQ(
      exp.substr(0, exp.find("\r\n4,")),
      "Channel,CH Display,CH Display Suffix,Rx MHz,Tx MHz,Enable,Low Power,Power Up,Scan Memory\r\n"
      "1,7,n,156.0250,156.0250,Yes,No,No,Yes\r\n"
      "2,7,B,156.0125,,Yes,Yes,No,No\r\n"
      "3,,,,,No,No,No,No");
  EXPECT_TRUE(exp.ends_with("\r\n40,,,,,No,No,No,No\r\n"));
  const std::string usa = ListCsv(model, kUsa);
  EXPECT_NE(usa.find("\r\n15,156.750,,Yes,Yes,No,No,No,No\r\n"), std::string::npos) << usa;
  EXPECT_NE(usa.find("\r\n20,161.600,157.000,Yes,Yes,No,No,Yes,No\r\n"), std::string::npos);
}

// What the program writes comes back without changing anything, odd stored values included.
TEST(ListTables, WhatIsWrittenComesBackUnchanged) {
  const SettingsModel model = Document();
  for (const ListId list : {kExp, kUsa, kIndividual, kGroups}) {
    SCOPED_TRACE(static_cast<int>(list.kind));
    const ListEditResult csv = ListFromCsv(model, list, ListCsv(model, list));
    ASSERT_TRUE(csv.edit) << Problems(csv);
    EXPECT_EQ(csv.edit->rows, std::vector<int>{});
    EXPECT_EQ(Applied(model, csv), model);

    const std::vector<int> rows = {0, 1, 2};
    const ListEditResult pasted = PastedRows(model, list, 0, CopiedRows(model, list, rows));
    ASSERT_TRUE(pasted.edit) << Problems(pasted);
    EXPECT_EQ(pasted.edit->rows, std::vector<int>{});
  }
}

TEST(ListFromCsv, ExpChannelsChangeOnlyTheChannelsListedAsTheEditorStoresThem) {
  const SettingsModel model = Document();
  // Columns in another order and case, a byte-order mark, LF line ends, a spreadsheet's
  // TRUE/FALSE, a column left out (Power Up keeps its value).
  const std::string csv =
      "\xEF\xBB\xBF"
      "channel,Enable,Rx MHz,TX MHZ,CH Display,CH Display Suffix,Low Power,Scan Memory\n"
      "3,TRUE,157.1, 157.10 ,9,n,0,no\n"
      "1,Yes,156.0250,,7,n,false,Yes\n";
  const SettingsModel after = Applied(model, ListFromCsv(model, kExp, csv));
  ExpChannelRecord three = model.exp[2];
  three.enable = true;
  three.rxFreq = three.txFreq = 157.1;
  three.chDisplayL = " 9";
  three.chDisplayR = "n";
  EXPECT_EQ(after.exp[2], three);
  ExpChannelRecord one = model.exp[0];
  one.txFreq = 0;
  EXPECT_EQ(after.exp[0], one);
  SettingsModel expected = model;
  expected.exp[0] = one;
  expected.exp[2] = three;
  EXPECT_EQ(after, expected);  // nothing else moved
  EXPECT_EQ(ListFromCsv(model, kExp, csv).edit->rows, (std::vector<int>{0, 2}));
}

TEST(ListFromCsv, ADirectoryIsReplacedByItsRowsInTheFormsTheEntryEditorStores) {
  const SettingsModel model = Document();
  const SettingsModel after =
      Applied(model, ListFromCsv(model, kIndividual,
                                 "Name,MMSI\r\nbase (2),244123456\r\n\" Tug\",  011234567 \r\n"));
  const auto& entries = after.individualDirectory;
  EXPECT_EQ(entries[0].tagName, "BASE (2)");  // letters in upper case, as the name field takes them
  EXPECT_EQ(entries[0].mmsi, "2441234560");
  EXPECT_EQ(entries[1].tagName, " TUG");  // blanks kept, as the name field keeps them
  EXPECT_EQ(entries[1].mmsi, "0112345670");
  EXPECT_EQ(EntriesInUse(entries), 2);
  EXPECT_EQ(entries[2].tagName, "");
  EXPECT_EQ(entries[2].mmsi, "");
  EXPECT_TRUE(entries[2].member[4]);  // member flags belong to the slot

  // A group's MMSI as nine digits or as the eight after its "0"; the last entry may
  // still be without a name, as the entry editor leaves a new entry.
  const SettingsModel groups =
      Applied(model, ListFromCsv(model, kGroups, "Name,MMSI\nA,044556677\n,55667788\n"));
  EXPECT_EQ(groups.groupDirectory[0].mmsi, "0445566770");
  EXPECT_EQ(groups.groupDirectory[1].mmsi, "0556677880");
  EXPECT_EQ(EntriesInUse(groups.groupDirectory), 2);

  // A header alone empties the directory.
  EXPECT_EQ(
      EntriesInUse(Applied(model, ListFromCsv(model, kGroups, "Name,MMSI\r\n")).groupDirectory), 0);
}

struct RefusalCase {
  const char* name;
  ListId list;
  std::string text;
  std::string problems;  // every one, in line order
};

void PrintTo(const RefusalCase& c, std::ostream* out) { *out << c.name; }

class ListRefusals : public ::testing::TestWithParam<RefusalCase> {};

// Nothing changes, and every refused value is named with its line and column.
TEST_P(ListRefusals, NothingIsTakenAndEveryBadValueIsNamed) {
  const RefusalCase& c = GetParam();
  const ListEditResult result = ListFromCsv(Document(), c.list, c.text);
  EXPECT_FALSE(result.edit);
  EXPECT_EQ(Problems(result), c.problems);
}

const std::string kExpHeader =
    "Channel,CH Display,CH Display Suffix,Rx MHz,Tx MHz,Enable,Low Power,Power Up,Scan Memory\r\n";

INSTANTIATE_TEST_SUITE_P(
    Csv, ListRefusals,
    ::testing::Values(
        RefusalCase{"ExpValues", kExp,
                    kExpHeader + "3,16,,156.0125,136.975,Yes,No,No,No\r\n"
                                 "4,7N,AB,\"156,025\",,maybe,No,No,No\r\n"
                                 "5,123,,156.025,,No,No,No,No\r\n",
                    "line 2, Rx MHz: \"156.0125\" is not on the 25 kHz channel raster\n"
                    "line 2, Tx MHz: \"136.975\" is outside 137-174 MHz\n"
                    "line 3, CH Display: \"7N\" holds \"N\": a channel number takes 0-9, C, E, F, "
                    "L, M, n and P\n"
                    "line 3, CH Display Suffix: \"AB\" holds \"A\": a channel number takes 0-9, C, "
                    "E, F, L, M, n and P\n"
                    "line 3, Rx MHz: \"156,025\" is not a frequency in MHz\n"
                    "line 3, Enable: \"maybe\" is not Yes or No\n"
                    "line 4, CH Display: \"123\" is longer than 2 characters\n"},
        RefusalCase{"ExpRows", kExp,
                    kExpHeader + "41,1,,,,No,No,No,No\r\n"
                                 "6,,,,,Yes,No,No,No\r\n"
                                 "9,9,,157.1,,No,No,No\r\n"
                                 "6,1,,,,No,No,No,No\r\n",
                    "line 2, Channel: \"41\" is not an EXP channel 1-40\n"
                    "line 3, Rx MHz: an enabled channel needs a receive frequency\n"
                    "line 3, CH Display: an enabled channel needs a channel number\n"
                    "line 4: 8 values where the header names 9 columns\n"
                    "line 5, Channel: the channel is on line 3 too\n"},
        RefusalCase{
            "ExpHeader", kExp, "CH Display,Rx freq,Enable,Enable\r\n7,156.025,Yes,Yes\r\n",
            "line 1: \"Rx freq\" is not a column of this list (columns: Channel, CH Display, "
            "CH Display Suffix, Rx MHz, Tx MHz, Enable, Low Power, Power Up, Scan Memory)\n"
            "line 1, Enable: the column is named twice\n"
            "line 1, Channel: the column is missing\n"},
        RefusalCase{"NoHeader", kExp, "", "line 1: the header line is missing\n"},
        RefusalCase{"OpenQuote", kGroups, "Name,MMSI\r\n\"FLEET,011223344\r\n",
                    "line 2: a quoted value is not closed\n"},
        RefusalCase{
            "DirectoryValues", kIndividual,
            "Name,MMSI\r\n"
            "S\xC3\x98REN,211234567\r\n"
            "S\xD8REN,211234567\r\n"
            "ABCDEFGHIJKL,21123456\r\n"
            "NO_MMSI,\r\n"
            ",211234567\r\n"
            "LAST,211234567\r\n",
            "line 2, Name: \"S\xC3\x98REN\" holds \"\xC3\x98\", which the radio cannot show\n"
            "line 3, Name: \"S\\xD8REN\" is not UTF-8 text\n"
            "line 4, Name: \"ABCDEFGHIJKL\" is longer than 11 characters\n"
            "line 4, MMSI: \"21123456\" is not 9 digits\n"
            "line 5, Name: \"NO_MMSI\" holds \"_\", which the radio cannot show\n"
            "line 5, MMSI: an entry needs an MMSI\n"
            "line 6, Name: an entry needs a name when another follows it\n"},
        RefusalCase{"GroupMmsi", kGroups,
                    "Name,MMSI\r\nA,111223344\r\nB,1122334\r\nC,01122334x\r\n",
                    "line 2, MMSI: \"111223344\" does not begin with the 0 of a group\n"
                    "line 3, MMSI: \"1122334\" is not 9 digits (or the 8 after the group's 0)\n"
                    "line 4, MMSI: \"01122334x\" is not all digits\n"},
        RefusalCase{"DirectoryLength", kGroups,
                    [] {
                      std::string csv = "MMSI,Name\r\n";
                      for (int i = 0; i < 21; ++i) csv += "011223344,G\r\n";
                      return csv;
                    }(),
                    "line 22: the directory has only 20 entries\n"},
        RefusalCase{"DirectoryHeader", kIndividual, "Name\r\nA\r\n",
                    "line 1, MMSI: the column is missing\n"}),
    [](const ::testing::TestParamInfo<RefusalCase>& info) { return info.param.name; });

TEST(PastedRows, LandAsABlockFromTheFirstSelectedRow) {
  const SettingsModel model = Document();
  // Rows copied from EXP 1 and 3 go to EXP 10 and 11, whatever their Channel says.
  const std::vector<int> copied = {0, 2};
  const std::string text = CopiedRows(model, kExp, copied);
  EXPECT_EQ(text,
            "Channel\tCH Display\tCH Display Suffix\tRx MHz\tTx MHz\t"
            "Enable\tLow Power\tPower Up\tScan Memory\n"
            "1\t7\tn\t156.0250\t156.0250\tYes\tNo\tNo\tYes\n"
            "3\t\t\t\t\tNo\tNo\tNo\tNo\n");
  SettingsModel full = model;
  full.exp[10].enable = true;  // a channel the pasted row switches off
  const SettingsModel after = Applied(full, PastedRows(full, kExp, 9, text));
  EXPECT_EQ(after.exp[9], model.exp[0]);
  EXPECT_EQ(after.exp[10], model.exp[2]);
  EXPECT_EQ(after.exp[0], model.exp[0]);

  EXPECT_EQ(Problems(PastedRows(model, kExp, 39, text)), "line 3: the list has only 40 rows\n");
  // EXP 2 holds what only a radio gives: the editor takes it nowhere else.
  const std::vector<int> odd = {1};
  EXPECT_EQ(Problems(PastedRows(model, kExp, 5, CopiedRows(model, kExp, odd))),
            "line 2, CH Display Suffix: \"B\" holds \"B\": a channel number takes 0-9, C, E, F, L, "
            "M, n and P\n"
            "line 2, Rx MHz: \"156.0125\" is not on the 25 kHz channel raster\n");

  // A plan channel's switches, a few columns only; the rows keep what the text leaves out.
  const SettingsModel usa = Applied(
      model,
      PastedRows(model, kUsa, kCh20, "Duplex\tScan Memory\tEnable\nNo\tYes\tYes\nNo\tYes\tNo\n"));
  ChannelRecord ch20 = model.group[kGroup1][kCh20];
  ch20.duplex = false;
  ch20.scanMemory = true;
  EXPECT_EQ(usa.group[kGroup1][kCh20], ch20);
  EXPECT_FALSE(usa.group[kGroup1][kCh20 + 1].enable);
  EXPECT_TRUE(usa.group[kGroup1][kCh20 + 1].scanMemory);
}

TEST(PastedRows, PlanSwitchesOnlyWhereTheChannelEditorLetsThemChange) {
  const SettingsModel model = Document();
  const std::string header = "Channel\tTx Enable\tDuplex\tScan Memory\n";
  EXPECT_EQ(Problems(PastedRows(model, kUsa, kCh15, header + "15\tNo\tNo\tNo\n")), "");
  SettingsModel noTx = model;
  noTx.group[kGroup1][kCh15].txEnable = false;
  EXPECT_EQ(Problems(PastedRows(noTx, kUsa, kCh15, header + "15\tYes\tNo\tNo\n")),
            "line 2, Tx Enable: the channel only receives\n");
  EXPECT_EQ(Problems(PastedRows(model, kUsa, kCh01A, header + "1A\tYes\tYes\tNo\n")),
            "line 2, Duplex: the channel has no duplex pair\n");
  // A duplex bit a radio holds on a channel without a pair shows as the list shows it, and
  // stays as read.
  SettingsModel odd = model;
  odd.group[kGroup1][kCh01A].duplex = true;
  const std::vector<int> ch01a = {kCh01A};
  const std::string copied = CopiedRows(odd, kUsa, ch01a);
  EXPECT_EQ(copied.substr(copied.find('\n') + 1), "01A\t156.050\t156.050\tYes\tYes\tNo\tNo\tNo\tNo\n");
  for (const char* duplex : {"No", "Yes"}) {
    EXPECT_EQ(Applied(odd, PastedRows(odd, kUsa, kCh01A, header + "1A\tYes\t" + duplex + "\tNo\n")), odd);
  }
  EXPECT_EQ(Problems(PastedRows(model, kUsa, kDscChannelPosition, header + "70\tNo\tNo\tYes\n")),
            "line 2, Scan Memory: channel 70 carries DSC, which the radio never scans\n");
}

TEST(PastedRows, DirectoryEntriesKeepTheListWithoutHoles) {
  const SettingsModel model = Document();  // individual entries 1-3 in use
  // At the first free entry the rows add entries; over entries in use they replace them.
  const SettingsModel added =
      Applied(model, PastedRows(model, kIndividual, 3, "Name\tMMSI\nD\t244000001\nE\t244000002\n"));
  EXPECT_EQ(EntriesInUse(added.individualDirectory), 5);
  EXPECT_EQ(added.individualDirectory[4].mmsi, "2440000020");
  const SettingsModel replaced =
      Applied(model, PastedRows(model, kIndividual, 1, "MMSI\n244000003\n"));
  EXPECT_EQ(replaced.individualDirectory[1].tagName, "Sea Hawk");  // a column left out stays
  EXPECT_EQ(replaced.individualDirectory[1].mmsi, "2440000030");

  EXPECT_EQ(Problems(PastedRows(model, kIndividual, 4, "Name\tMMSI\nD\t244000001\n")),
            "line 2: entry 5 cannot be filled while entry 4 is free\n");
  // The group directory's last entry has no name: none may follow it until it has one.
  EXPECT_EQ(Problems(PastedRows(model, kGroups, 2, "Name\tMMSI\nC\t011111111\n")),
            "line 2: entry 2 needs a name and an MMSI before another entry can follow it\n");
}

// The window names the row a refused value would have gone to, as the list shows it.
TEST(PastedRows, ProblemsNameTheRowTheyAreAbout) {
  const SettingsModel model = Document();
  auto rows = [](const ListEditResult& result) {
    std::vector<std::optional<int>> found;
    for (const ListProblem& problem : result.problems) found.push_back(problem.row);
    return found;
  };
  using Rows = std::vector<std::optional<int>>;
  EXPECT_EQ(rows(PastedRows(model, kExp, 5, "Rx MHz\tEnable\n156.025\tNo\n1\tNo\n\tYes\n")),
            (Rows{6, 7, 7}));  // a value refused; an enabled channel without frequency and number
  EXPECT_EQ(rows(PastedRows(model, kExp, 39, "Enable\nNo\nNo\n")), (Rows{std::nullopt}));
  EXPECT_EQ(rows(PastedRows(model, kGroups, 2, "Name\tMMSI\nC\t011111111\n")), (Rows{1}));
  EXPECT_EQ(rows(ListFromCsv(model, kExp, kExpHeader + "9,9,,1,,No,No,No,No\r\n9,,,,,No,No,No,No\r\n")),
            (Rows{8, 8}));
}

// Whatever a file or the clipboard holds: either every problem is named and nothing
// changes, or the change keeps each list's size and reads back as the document it makes.
TEST(ListTables, AnyTextIsRefusedWithReasonsOrTakenAsAWhole) {
  const SettingsModel model = Document();
  std::mt19937 random(20240618);
  auto pick = [&](const auto& pool) { return pool[random() % std::size(pool)]; };
  // Values for each column, most of them ones the editor takes.
  const std::vector<std::string> switches = {"Yes", "No", "TRUE", "0", "maybe"};
  const std::vector<std::string> frequencies = {"", "156.025", " 157.1", "156.0125", "0"};
  const std::map<std::string, std::vector<std::string>> values = {
      {"Channel", {"7", "12", " 20 ", "40", "41", "1A"}},
      {"CH Display", {"7", "12", "Cn", "", "A"}},
      {"CH Display Suffix", {"", "n", "C", "B"}},
      {"Rx MHz", frequencies},
      {"Tx MHz", frequencies},
      {"Name", {"HARBOUR", "sea hawk", "", "S\xC3\x98REN", "A,B", "say \"x\"", "S\xD8N"}},
      {"MMSI", {"211234567", "011223344", "11223344", "", "2112"}},
  };
  auto valuesOf = [&](const std::string& column) -> const std::vector<std::string>& {
    const auto found = values.find(column);
    return found == values.end() ? switches : found->second;
  };
  const std::string noise[] = {"\"", "\r", "\n", ",", "\t", "\xEF\xBB\xBF", "Rx freq"};
  const ListId lists[] = {kExp, kUsa, kIndividual, kGroups};
  std::vector<std::vector<std::string>> headers;
  for (const ListId list : lists)
    headers.push_back(ReadTableText(ListCsv(model, list), ',').rows[0].cells);
  int changes = 0;
  for (int round = 0; round < 1500; ++round) {
    const ListId list = lists[round % 4];
    const bool csv = round % 2 == 0;
    const char separator = csv ? ',' : '\t';
    // Mostly the columns a file needs (a channel list's Channel, a directory's Name and
    // MMSI) and a few more.
    const std::vector<std::string>& names = headers[round % 4];
    std::vector<TableCells> rows(
        1, TableCells(names.begin(), names.begin() + (random() % 4 == 0 ? 0 : 2)));
    for (int c = static_cast<int>(random() % 3); c > 0; --c) rows[0].push_back(pick(names));
    for (int r = static_cast<int>(random() % 3); r > 0; --r) {
      TableCells& row = rows.emplace_back();
      for (const std::string& column : rows[0]) row.push_back(pick(valuesOf(column)));
    }
    std::string text = WriteTableText(rows, separator, csv ? "\r\n" : "\n");
    if (random() % 4 == 0) text.insert(random() % (text.size() + 1), pick(noise));
    const ListEditResult result =
        csv ? ListFromCsv(model, list, text)
            : PastedRows(model, list, static_cast<int>(random() % 6), text);
    ASSERT_EQ(result.edit.has_value(), result.problems.empty()) << text;
    if (!result.edit) {
      for (const ListProblem& problem : result.problems)
        ASSERT_FALSE(problem.reason.empty()) << text;
      continue;
    }
    changes += result.edit->rows.empty() ? 0 : 1;
    const SettingsModel after = Applied(model, result);
    ASSERT_EQ(after.group[kGroup1].size(), model.group[kGroup1].size());
    const ListEditResult again = ListFromCsv(after, list, ListCsv(after, list));
    ASSERT_TRUE(again.edit) << text << "\n" << Problems(again);
    EXPECT_EQ(again.edit->rows, std::vector<int>{}) << text;
  }
  EXPECT_GT(changes, 50);  // the texts taken are not only the ones that change nothing
}

}  // namespace
}  // namespace kol
