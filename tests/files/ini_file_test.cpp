#include "files/ini_file.h"

#include <gtest/gtest.h>

#include "files/atomic_file.h"
#include "support/temp_dir.h"

namespace kol {
namespace {

struct IniCase {
  const char* name;
  std::string text;
  std::string expected;  // MODELTYPE of section MAIN
};

class IniValueTest : public ::testing::TestWithParam<IniCase> {};

TEST_P(IniValueTest, FindsTheValueAsTheProfileReaderDoes) {
  EXPECT_EQ(IniValue(GetParam().text, "MAIN", "MODELTYPE"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, IniValueTest,
    ::testing::Values(
        IniCase{"CrLf", "[MAIN]\r\nMODEL=#LZ3300T\r\nMODELTYPE=1\r\n", "1"},
        IniCase{"AnyCaseAndBlanks", "[ main ]\nx=2\n\t ModelType \t= \t 1 \t\n", "1"},
        IniCase{"LoneCr", "[MAIN]\rMODELTYPE=7\r", "7"},
        IniCase{"OneHashRemoved", "[MAIN]\nMODELTYPE=##1", "#1"},
        IniCase{"NoneMarkIsAbsent", "[MAIN]\nMODELTYPE=<NONE>", ""},
        IniCase{"At127Characters", "[MAIN]\nMODELTYPE=" + std::string(200, 'x'),
                std::string(127, 'x')},
        IniCase{"FirstKeyWins", "[MAIN]\nMODELTYPE=1\nMODELTYPE=2", "1"},
        IniCase{"OnlyTheFirstSection", "[MAIN]\nx=1\n[OTHER]\n[MAIN]\nMODELTYPE=1", ""},
        IniCase{"MalformedHeaderEndsTheSection", "[MAIN]\n[oops\nMODELTYPE=1", ""},
        IniCase{"LaterSectionFound", "[OTHER]\nMODELTYPE=2\n[MAIN]\nMODELTYPE=1", "1"},
        IniCase{"NoSection", "MODELTYPE=1", ""},
        IniCase{"Binary", std::string("\0\xff[MAIN\0]\n\0=\0", 13), ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadIniValue, ReadsAFileAndGivesEmptyTextWhenItCannot) {
  test::TempDir dir;
  const std::string path = dir.File("global.ini");
  ASSERT_TRUE(WriteFileAtomically(path, "[model1]\r\nuse=1\r\natis=#0\r\n"));
  EXPECT_EQ(ReadIniValue(path, "MODEL1", "USE"), "1");
  EXPECT_EQ(ReadIniValue(path, "model1", "atis"), "0");
  EXPECT_EQ(ReadIniValue(path, "model2", "use"), "");
  EXPECT_EQ(ReadIniValue(dir.File("missing.ini"), "model1", "use"), "");
  EXPECT_EQ(ReadIniValue(dir.path().string(), "model1", "use"), "");
}

}  // namespace
}  // namespace kol
