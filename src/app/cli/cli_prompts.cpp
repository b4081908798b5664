#include "app/cli/cli_prompts.h"

#include <ostream>

namespace kol::cli {
namespace {

struct Answers {
  MessageButton yes;
  MessageButton no;
  const char* yesWord;
  const char* noWord;
};

Answers AnswersFor(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::kOkCancel: return {MessageButton::kOk, MessageButton::kCancel, "OK", "Cancel"};
    case MessageButtons::kRetryCancel: return {MessageButton::kRetry, MessageButton::kCancel, "Retry", "Cancel"};
    case MessageButtons::kYesNo: return {MessageButton::kYes, MessageButton::kNo, "Yes", "No"};
    case MessageButtons::kYesNoCancel: return {MessageButton::kYes, MessageButton::kCancel, "Yes", "Cancel"};
    case MessageButtons::kOk: break;
  }
  return {MessageButton::kOk, MessageButton::kOk, "OK", "OK"};
}

}  // namespace

MessageButton CliPrompts::Show(const Message& message) {
  err_ << message.text;
  if (const std::string about = FileAndReason(message); !about.empty()) err_ << ' ' << about;
  if (message.buttons == MessageButtons::kOk) {
    err_ << '\n';
    return MessageButton::kOk;
  }
  const Answers answers = AnswersFor(message.buttons);
  err_ << " -> " << (answerYes_ ? answers.yesWord : answers.noWord)
       << (answerYes_ ? " (--yes)" : " (give --yes to answer " + std::string(answers.yesWord) + ")")
       << '\n';
  return answerYes_ ? answers.yes : answers.no;
}

}  // namespace kol::cli
