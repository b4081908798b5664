#include "app/cli/cli_prompts.h"

#include <gtest/gtest.h>

#include <sstream>

namespace kol::cli {
namespace {

struct PromptCase {
  const char* name;
  MessageButtons buttons;
  bool answerYes;
  MessageButton expected;
  const char* line;
};

class CliPromptsTest : public ::testing::TestWithParam<PromptCase> {};

TEST_P(CliPromptsTest, PrintsTheTextAndAnswersAsTheCommandLineChose) {
  const PromptCase& c = GetParam();
  std::ostringstream err;
  CliPrompts prompts(err, c.answerYes);
  Message message{"Read from Radio", "Radio is busy!!", MessageIcon::kExclamation, c.buttons,
                  MessageButton::kCancel};
  EXPECT_EQ(prompts.Show(message), c.expected);
  EXPECT_EQ(err.str(), c.line);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, CliPromptsTest,
    ::testing::Values(
        PromptCase{"OkOnly", MessageButtons::kOk, false, MessageButton::kOk, "Radio is busy!!\n"},
        PromptCase{"OkOnlyWithYes", MessageButtons::kOk, true, MessageButton::kOk, "Radio is busy!!\n"},
        PromptCase{"RetryWithYes", MessageButtons::kRetryCancel, true, MessageButton::kRetry,
                   "Radio is busy!! -> Retry (--yes)\n"},
        PromptCase{"RetryWithoutYes", MessageButtons::kRetryCancel, false, MessageButton::kCancel,
                   "Radio is busy!! -> Cancel (give --yes to answer Retry)\n"},
        PromptCase{"OkCancelWithYes", MessageButtons::kOkCancel, true, MessageButton::kOk,
                   "Radio is busy!! -> OK (--yes)\n"},
        PromptCase{"YesNoWithoutYes", MessageButtons::kYesNo, false, MessageButton::kNo,
                   "Radio is busy!! -> No (give --yes to answer Yes)\n"}),
    [](const ::testing::TestParamInfo<PromptCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kol::cli
