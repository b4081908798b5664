#include "report/printed_report.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report_fixture.h"

namespace kol {
namespace {

// The section title a page starts with: its first text that opens with "#####".
std::string FirstTitle(const PrintedPage& page) {
  for (const PrintedLine& line : page.lines) {
    if (!line.empty() && line[0].text.rfind("#####", 0) == 0) return line[0].text;
  }
  return {};
}

// The line whose first text is `label`, or null.
const PrintedLine* LineOf(const PrintedReport& report, const std::string& label) {
  for (const PrintedPage& page : report.pages) {
    for (const PrintedLine& line : page.lines) {
      if (!line.empty() && line[0].text == label) return &line;
    }
  }
  return nullptr;
}

std::vector<double> Offsets(const PrintedLine& line) {
  std::vector<double> offsets;
  for (const PlacedText& text : line) offsets.push_back(text.offsetMm);
  return offsets;
}

std::vector<std::string> Texts(const PrintedLine& line) {
  std::vector<std::string> texts;
  for (const PlacedText& text : line) texts.push_back(text.text);
  return texts;
}

TEST(PrintedReport, EachTableStartsAPageAndAtisGoesWithoutHeading) {
  const PrintedReport report = BuildPrintedReport(test::SmallDocument(), test::FullProfile());
  const std::vector<std::string> titles = {
      "##### Usable CH Group Setup #####",
      "##### ATIS Setup #####",
      "##### Programmable USA Channel #####",
      "##### Programmable International Channel #####",
      "##### Programmable Canada Channel #####",
      "##### Programmable WX Channel #####",
      "##### Memory ID #####",
      "##### Group ID #####",
      "##### Programmable EXP Channel #####",
  };
  ASSERT_EQ(report.pages.size(), titles.size());
  for (std::size_t i = 0; i < titles.size(); ++i) {
    SCOPED_TRACE(titles[i]);
    const PrintedPage& page = report.pages[i];
    EXPECT_EQ(FirstTitle(page), titles[i]);
    const bool heading = i != 1;
    EXPECT_EQ(page.topMm, heading ? 5.0 : 0.0);
    EXPECT_EQ(page.lines[0].empty() ? "" : page.lines[0][0].text,
              heading ? "LZ3300T Kolvane" : "");
    if (heading) {
      EXPECT_TRUE(page.lines[1].empty());
    }
  }
  // Page 1 carries the general settings through the Auto POS section.
  std::vector<std::string> page1;
  for (const PrintedLine& line : report.pages[0].lines) {
    if (!line.empty() && line[0].text.rfind("#####", 0) == 0) page1.push_back(line[0].text);
  }
  EXPECT_EQ(page1, (std::vector<std::string>{"##### Usable CH Group Setup #####",
                                             "##### Common Setup #####",
                                             "##### DSC Setup (Basic Setup) #####",
                                             "##### DSC Setup (Advanced Setup) #####",
                                             "##### DSC Setup (Display Setup) #####",
                                             "##### DSC Setup (Auto POS Setup) #####"}));
}

TEST(PrintedReport, ModelWithoutAtisAndWeatherHasSevenPages) {
  const PrintedReport report = BuildPrintedReport(test::SmallDocument(), ModelProfile{});
  ASSERT_EQ(report.pages.size(), 7u);
  EXPECT_EQ(FirstTitle(report.pages[1]), "##### Programmable USA Channel #####");
  EXPECT_EQ(FirstTitle(report.pages[4]), "##### Memory ID #####");
}

TEST(PrintedReport, TableColumnsStandAtTheirOffsets) {
  const PrintedReport report = BuildPrintedReport(test::SmallDocument(), test::FullProfile());
  const std::vector<double> plan = {0, 12, 29, 46, 54, 63, 71, 80};
  const PrintedLine* heading = LineOf(report, "CH");
  ASSERT_NE(heading, nullptr);
  EXPECT_EQ(Offsets(*heading), plan);
  EXPECT_EQ(Texts(*heading), (std::vector<std::string>{"CH", "RX(MHz)", "TX(MHz)", "TX", "LOW",
                                                       "UP", "DUP", "MEM"}));
  const PrintedLine* underline = LineOf(report, "---");
  ASSERT_NE(underline, nullptr);
  EXPECT_EQ(Offsets(*underline), plan);
  const PrintedLine* row = LineOf(report, "16");
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(Offsets(*row), plan);
  EXPECT_EQ(Texts(*row)[1], "156.800");

  const PrintedPage& exp = report.pages.back();
  EXPECT_EQ(Offsets(exp.lines[4]), (std::vector<double>{0, 7, 17, 34, 53, 72, 80, 90}));
  EXPECT_EQ(Texts(exp.lines[6])[1], " A1");
}

TEST(PrintedReport, PaperWordingAndPlacement) {
  const PrintedReport report = BuildPrintedReport(test::SmallDocument(), test::FullProfile());
  const PrintedLine* groups = LineOf(report, "Group1");
  ASSERT_NE(groups, nullptr);
  EXPECT_EQ(Texts(*groups), (std::vector<std::string>{"Group1", "Group2", "Group3", "Exp CH"}));
  EXPECT_EQ(Offsets(*groups), (std::vector<double>{50, 80, 110, 140}));

  struct Expected {
    const char* label;
    std::vector<double> offsets;
  };
  const Expected rows[] = {
      {"Status name", {0, 50, 80, 110, 140}},
      {"Channel No#:", {0, 100}},
      {"[TIme Setup]", {0}},
      {"Received Geographic:", {0, 50}},
      {"[POS Request Call]", {0}},
      {"[POS Report Call]", {0}},
      {"Distress:", {0, 50, 80}},
      {"Channel:", {0, 50, 80, 110}},
      {"Select Call:", {0, 50, 80, 110}},
  };
  for (const Expected& row : rows) {
    const PrintedLine* line = LineOf(report, row.label);
    ASSERT_NE(line, nullptr) << row.label;
    EXPECT_EQ(Offsets(*line), row.offsets) << row.label;
  }
  EXPECT_EQ(Texts(*LineOf(report, "Channel:")),
            (std::vector<std::string>{"Channel:", "16", "Interval:", "20 min"}));
  EXPECT_EQ(Texts(*LineOf(report, "Select Call:")),
            (std::vector<std::string>{"Select Call:", "Group", "Dir Name:", "CLUB"}));
  for (const char* textOnly : {"Status Name", "Channel No.#:", "[Time Setup]", "Time Format:",
                               "Received Geografic:", "[POS Request]", "SelectCall:",
                               "Interval:", "Dir Name:"}) {
    EXPECT_EQ(LineOf(report, textOnly), nullptr) << textOnly;
  }
}

constexpr double kLineMm = 4;

TEST(PrintedSheets, EachPageOnASheetOfItsOwnWithItsNumber) {
  const PrintedReport report = BuildPrintedReport(test::SmallDocument(), test::FullProfile());
  const std::vector<PrintedSheet> sheets = LayOutSheets(report, kLineMm, 1000);
  ASSERT_EQ(sheets.size(), report.pages.size());
  for (std::size_t i = 0; i < sheets.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(sheets[i].topMm, report.pages[i].topMm);
    EXPECT_EQ(sheets[i].lines, report.pages[i].lines);
    EXPECT_EQ(sheets[i].footer.text, "Page " + std::to_string(i + 1) + " of 9");
    EXPECT_EQ(sheets[i].footerTopMm, 1000 - kLineMm);
  }
}

// A table longer than the paper goes on over further sheets, each of which starts with
// the table's column heading; no line is lost and none runs into the page number.
TEST(PrintedSheets, LongTableRepeatsItsColumnHeading) {
  SettingsModel model = test::SmallDocument();
  for (ChannelRecord& record : model.group[kGroup1]) record.enable = true;
  const PrintedReport report = BuildPrintedReport(model, test::FullProfile());
  const PrintedPage& usa = report.pages[2];
  ASSERT_EQ(FirstTitle(usa), "##### Programmable USA Channel #####");
  ASSERT_EQ(Texts(usa.lines[usa.columnHeadingAt])[0], "CH");
  ASSERT_EQ(usa.columnHeadingLines, 2u);

  constexpr double kSheetMm = 100 * kLineMm;  // 98 lines above the page number
  const std::vector<PrintedSheet> sheets = LayOutSheets(report, kLineMm, kSheetMm);
  ASSERT_EQ(sheets.size(), report.pages.size() + 2);
  const std::vector<PrintedLine> heading(usa.lines.begin() + usa.columnHeadingAt,
                                         usa.lines.begin() + usa.columnHeadingAt + 2);
  std::vector<PrintedLine> rejoined = sheets[2].lines;
  for (std::size_t s = 3; s <= 4; ++s) {
    SCOPED_TRACE(s);
    const std::vector<PrintedLine>& lines = sheets[s].lines;
    EXPECT_EQ(sheets[s].topMm, 0.0);
    ASSERT_GT(lines.size(), 2u);
    EXPECT_EQ(std::vector<PrintedLine>(lines.begin(), lines.begin() + 2), heading);
    rejoined.insert(rejoined.end(), lines.begin() + 2, lines.end());
  }
  EXPECT_EQ(rejoined, usa.lines);
  for (const PrintedSheet& sheet : sheets) {
    EXPECT_LE(sheet.topMm + kLineMm * static_cast<double>(sheet.lines.size()),
              kSheetMm - kFooterLines * kLineMm);
  }
  EXPECT_EQ(sheets[4].footer.text, "Page 5 of 11");
  EXPECT_EQ(sheets[5].lines, report.pages[3].lines);  // the next page starts a sheet again
}

}  // namespace
}  // namespace kol
