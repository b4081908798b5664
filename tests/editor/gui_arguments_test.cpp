#include "app/gui/gui_arguments.h"

#include <gtest/gtest.h>

namespace kol {
namespace {

TEST(GuiArguments, SwitchesOptionsAndTheDocument) {
  struct Case {
    std::vector<std::string> arguments;
    bool debug;
    const char* document;
    const char* programDir;
    bool failed;
  };
  const Case cases[] = {
      {{}, false, "", "", false},
      {{" /de "}, true, "", "", false},
      {{"/ED"}, true, "", "", false},
      {{"/E"}, false, "", "", false},
      {{"/X"}, false, "/X", "", false},  // not a switch: a file name
      {{"--debug", "/home/me/radio.dat"}, true, "/home/me/radio.dat", "", false},
      {{"--program-dir", "/opt/kol", "a.dat", "b.dat"}, false, "b.dat", "/opt/kol", false},
      {{"--program-dir"}, false, "", "", true},
      {{"--frobnicate"}, false, "", "", true},
  };
  for (const Case& c : cases) {
    const GuiArguments parsed = ParseGuiArguments(c.arguments);
    EXPECT_EQ(parsed.debugMode, c.debug);
    EXPECT_EQ(parsed.documentPath, c.document);
    EXPECT_EQ(parsed.programDir, c.programDir);
    EXPECT_EQ(!parsed.error.empty(), c.failed);
  }
}

}  // namespace
}  // namespace kol
