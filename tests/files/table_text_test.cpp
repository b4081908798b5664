#include "files/table_text.h"

#include <gtest/gtest.h>

namespace kol {
namespace {

std::vector<TableCells> Cells(const TableText& table) {
  std::vector<TableCells> cells;
  for (const TableRow& row : table.rows) cells.push_back(row.cells);
  return cells;
}

TEST(TableText, ValuesAreQuotedOnlyWhereTheyMustBeAndReadBackAsWritten) {
  const std::vector<TableCells> rows = {
      {"Name", "MMSI"},
      {"A,B", "say \"hi\""},
      {"two\r\nlines", ""},
      {"tab\there", "plain"},
  };
  const std::string csv = WriteTableText(rows, ',', "\r\n");
  EXPECT_EQ(csv,
            "Name,MMSI\r\n\"A,B\",\"say \"\"hi\"\"\"\r\n\"two\r\nlines\",\r\ntab\there,plain\r\n");
  const std::string tabs = WriteTableText(rows, '\t', "\n");
  EXPECT_EQ(tabs,
            "Name\tMMSI\nA,B\t\"say \"\"hi\"\"\"\n\"two\r\nlines\"\t\n\"tab\there\"\tplain\n");
  for (const auto& [text, separator] : {std::pair{csv, ','}, {tabs, '\t'}}) {
    const TableText read = ReadTableText(text, separator);
    EXPECT_TRUE(read.problems.empty());
    EXPECT_EQ(Cells(read), rows);
  }
}

TEST(TableText, ReadingTakesAByteOrderMarkEveryLineEndAndSkipsBlankLines) {
  const TableText read = ReadTableText(
      "\xEF\xBB\xBF"
      "a,b\n\r\n1,\"x\ny\"\r2,3\n,\n\n4,5",
      ',');
  EXPECT_TRUE(read.problems.empty());
  EXPECT_EQ(Cells(read),
            (std::vector<TableCells>{{"a", "b"}, {"1", "x\ny"}, {"2", "3"}, {"4", "5"}}));
  // Each row says on which line of the text it begins, line breaks in values counted.
  std::vector<int> lines;
  for (const TableRow& row : read.rows) lines.push_back(row.line);
  EXPECT_EQ(lines, (std::vector<int>{1, 3, 5, 8}));
}

TEST(TableText, AQuoteLeftOpenOrTextAfterAClosingQuoteIsAProblemOfItsLine) {
  const TableText after = ReadTableText("a,b\n\"x\"y,2\n", ',');
  ASSERT_EQ(after.problems.size(), 1u);
  EXPECT_EQ(after.problems[0].line, 2);
  EXPECT_EQ(after.problems[0].reason, "text follows the closing quote of a value");
  EXPECT_EQ(after.rows[1].cells, (TableCells{"xy", "2"}));

  const TableText open = ReadTableText("a,b\n1,2\n\"3,4\n5,6\n", ',');
  ASSERT_EQ(open.problems.size(), 1u);
  EXPECT_EQ(open.problems[0].line, 3);
  EXPECT_EQ(open.problems[0].reason, "a quoted value is not closed");
}

TEST(TableText, Utf8IsCheckedCharacterByCharacter) {
  struct Case {
    const char* text;
    std::size_t invalidAt;
  };
  const Case cases[] = {
      {"S\xC3\x98REN", std::string_view::npos},      // Ø
      {"\xE2\x82\xAC 5", std::string_view::npos},    // €
      {"\xF0\x9F\x93\xBB", std::string_view::npos},  // a four-byte character
      {"S\xD8REN", 1},                               // Latin-1
      {"A\xC0\x80", 1},                              // an overlong zero
      {"\xED\xA0\x80", 0},                           // a surrogate
      {"\xF4\x90\x80\x80", 0},                       // beyond U+10FFFF
      {"ok\xE2\x82", 2},                             // cut short
  };
  for (const Case& c : cases) {
    EXPECT_EQ(InvalidUtf8At(c.text), c.invalidAt) << c.text;
  }
  EXPECT_EQ(Utf8CharacterAt("S\xC3\x98REN", 1), "\xC3\x98");
  EXPECT_EQ(Utf8CharacterAt("S\xD8REN", 1), "\xD8");
  EXPECT_EQ(Latin1ToUtf8("S\xD8REN 1"), "S\xC3\x98REN 1");
}

}  // namespace
}  // namespace kol
