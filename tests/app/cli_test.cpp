#include "app/cli/cli.h"

#include <gtest/gtest.h>

#include <sstream>

namespace kol::cli {
namespace {

struct CliCase {
  const char* name;
  std::vector<std::string> argv;
  int exitCode;
  const char* out;  // expected in stdout
  const char* err;  // expected in stderr
};

class CliParseTest : public ::testing::TestWithParam<CliCase> {};

// None of these cases gets as far as running a command.
TEST_P(CliParseTest, ParsesTheCommandLine) {
  const CliCase& c = GetParam();
  std::ostringstream out;
  std::ostringstream err;
  Io io{out, err};
  EXPECT_EQ(RunCli(c.argv, "/nonexistent", io), c.exitCode);
  EXPECT_NE(out.str().find(c.out), std::string::npos) << out.str();
  EXPECT_NE(err.str().find(c.err), std::string::npos) << err.str();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliParseTest,
    ::testing::Values(
        CliCase{"NoArguments", {}, kExitUsage, "", "Usage: kolprog-cli COMMAND"},
        CliCase{"Help", {"--help"}, kExitOk, "Commands:\n  convert IN OUT", ""},
        CliCase{"Version", {"--version"}, kExitOk, "kolprog-cli " KOL_VERSION "\n", ""},
        CliCase{"UnknownCommand", {"bogus"}, kExitUsage, "", "unknown command 'bogus'"},
        CliCase{"CommandHelp", {"convert", "--help"}, kExitOk,
                "Usage: kolprog-cli convert [OPTIONS] IN OUT", ""},
        CliCase{"MissingArgument", {"convert", "a.hex"}, kExitUsage, "", "missing arguments"},
        CliCase{"TooManyArguments", {"convert", "a", "b", "c"}, kExitUsage, "",
                "too many arguments"},
        CliCase{"UnknownOption", {"convert", "--nope", "a", "b"}, kExitUsage, "",
                "unknown option '--nope'"},
        CliCase{"OptionWithoutValue", {"convert", "a", "b", "--destination"}, kExitUsage, "",
                "option '--destination' needs a value"},
        CliCase{"SwitchWithValue", {"convert", "--debug=1", "a", "b"}, kExitUsage, "",
                "option '--debug' takes no value"},
        CliCase{"AnotherCommandsOption", {"convert", "--port", "1", "a", "b"}, kExitUsage, "",
                "unknown option '--port'"},
        CliCase{"UnknownFormat", {"convert", "--destination=usa", "a.xyz", "b.hex"}, kExitUsage,
                "", "cannot read 'a.xyz' (readable: "}),
    [](const ::testing::TestParamInfo<CliCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kol::cli
