#include "files/section_table.h"

#include <gtest/gtest.h>

namespace kol {
namespace {

struct LookupCase {
  const char* name;
  std::string text;
  const char* section;
  const char* key;
  std::string expected;
};

class SectionTableLookupTest : public ::testing::TestWithParam<LookupCase> {};

TEST_P(SectionTableLookupTest, FindsWhatTheReaderKept) {
  const LookupCase& c = GetParam();
  EXPECT_EQ(SectionTable::Parse(c.text).LookupValue(c.section, c.key), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SectionTableLookupTest,
    ::testing::Values(
        LookupCase{"NamesInAnyCase", "[common setup]\r\nscan=1\r\n", "Common Setup", "SCAN", "1"},
        LookupCase{"BlanksAroundEquals", "[Common Setup]\r\nChannel No = 12\r\n", "COMMON SETUP",
                   "Channel No", "12"},
        LookupCase{"HashRemovedOnceAfterTrimming", "[A]\r\nTagName= \t#  AB \r\n", "A", "TagName",
                   "  AB"},
        LookupCase{"LoneLf", "[A]\nx=1\ny=2\n", "A", "y", "2"},
        LookupCase{"LoneCr", "[A]\rx=1\ry=2\r", "A", "y", "2"},
        LookupCase{"LineWithoutEqualsSkipped", "[A]\r\nnoise\r\nx=1\r\n", "A", "x", "1"},
        LookupCase{"LineWithBracketEndsSection", "[A]\r\nnoise [\r\nx=1\r\n[B]\r\n", "A", "x", ""},
        LookupCase{"EqualsFirstIsNoItem", "[A]\r\n=1\r\n", "A", "", ""},
        LookupCase{"TextAfterHeaderIgnored", "[A] trailing\r\nx=1\r\n", "A", "x", "1"},
        LookupCase{"MissingBracketOpensNothing", "[A\r\nx=1\r\n", "A", "x", ""},
        LookupCase{"LinesBeforeFirstHeader", "x=1\r\n[A]\r\n", "A", "x", ""},
        LookupCase{"LaterSectionOfSameName", "[A]\r\nx=1\r\n[B]\r\n[A]\r\ny=2\r\nx=3\r\n", "A", "y",
                   "2"},
        LookupCase{"FirstKeyInFileOrder", "[A]\r\nx=1\r\n[A]\r\nx=3\r\n", "A", "x", "1"},
        LookupCase{"NulBytesKept", std::string("[A]\0\r\nx=a\0b\r\n", 13), "A", "x",
                   std::string("a\0b", 3)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SectionTable, HeaderOnTheLastLineOpensNoSectionWhenItEndsOne) {
  EXPECT_EQ(SectionTable::Parse("[A]\r\nx=1\r\n[B]\r\n").LastSectionIndex(), 0);
  EXPECT_EQ(SectionTable::Parse("[A]\r\nx=1\r\n[B]\r\ny=2\r\n").LastSectionIndex(), 1);
  EXPECT_EQ(SectionTable::Parse("junk\r\n[B]").LastSectionIndex(), 0);
  EXPECT_EQ(SectionTable::Parse("").LastSectionIndex(), -1);
}

}  // namespace
}  // namespace kol
