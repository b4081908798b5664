#include "files/csv_text.h"

#include <gtest/gtest.h>

namespace kol {
namespace {

using Fields = std::vector<std::string>;

TEST(CsvText, ReadsRecordsAsSpreadsheetsWriteThem) {
  struct Case {
    const char* name;
    std::string text;
    std::vector<std::pair<int, Fields>> records;  // line, fields
  };
  const Case cases[] = {
      {"plain, CR LF", "a,b\r\nc,d\r\n", {{1, {"a", "b"}}, {2, {"c", "d"}}}},
      {"LF, lone CR, no last line end", "a\nb\rc", {{1, {"a"}}, {2, {"b"}}, {3, {"c"}}}},
      {"empty cells kept, blanks kept", " a ,,\n", {{1, {" a ", "", ""}}}},
      {"blank lines left out", "\r\na\r\n\r\n\nb\n", {{2, {"a"}}, {5, {"b"}}}},
      {"byte-order mark dropped", "\xEF\xBB\xBFPort,x\n", {{1, {"Port", "x"}}}},
      {"quotes hold commas, quotes and line breaks",
       "\"a,b\",\"say \"\"hi\"\"\",\"two\r\nlines\"\nnext\n",
       {{1, {"a,b", "say \"hi\"", "two\r\nlines"}}, {3, {"next"}}}},
      {"an empty quoted cell", "\"\",x\n", {{1, {"", "x"}}}},
  };
  for (const Case& c : cases) {
    const CsvText csv = ReadCsv(c.text);
    EXPECT_FALSE(csv.unclosedQuoteLine) << c.name;
    ASSERT_EQ(csv.records.size(), c.records.size()) << c.name;
    for (std::size_t i = 0; i < c.records.size(); ++i) {
      EXPECT_EQ(csv.records[i].line, c.records[i].first) << c.name << " record " << i;
      EXPECT_EQ(csv.records[i].fields, c.records[i].second) << c.name << " record " << i;
    }
  }
}

TEST(CsvText, AQuoteLeftOpenIsReportedWithItsLine) {
  const CsvText csv = ReadCsv("a\nb,\"open\nstill open\n");
  EXPECT_EQ(csv.unclosedQuoteLine, 2);
  ASSERT_EQ(csv.records.size(), 1u);
}

TEST(CsvText, WrittenLinesReadBackAsTheirFields) {
  const Fields fields = {"plain", "", "a,comma", "a \"quote\"", "a\r\nbreak", "/dev/ttyUSB0"};
  const std::string line = CsvLine(fields);
  EXPECT_EQ(line, "plain,,\"a,comma\",\"a \"\"quote\"\"\",\"a\r\nbreak\",/dev/ttyUSB0\r\n");
  const CsvText csv = ReadCsv(line + line);
  ASSERT_EQ(csv.records.size(), 2u);
  EXPECT_EQ(csv.records[1].fields, fields);
  EXPECT_EQ(csv.records[1].line, 3);
}

}  // namespace
}  // namespace kol
