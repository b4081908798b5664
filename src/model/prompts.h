// How the core talks to the user: modal message boxes with a title, a text, an icon and
// buttons. The window shows real boxes, the command line prints lines, tests script them.
#pragma once

#include <string>

namespace kol {

enum class MessageIcon { kNone, kCritical, kQuestion, kExclamation, kInformation };
enum class MessageButtons { kOk, kOkCancel, kRetryCancel, kYesNo, kYesNoCancel };
enum class MessageButton { kOk, kCancel, kRetry, kYes, kNo };

struct Message {
  std::string title;
  std::string text;
  MessageIcon icon = MessageIcon::kNone;
  MessageButtons buttons = MessageButtons::kOk;
  MessageButton defaultButton = MessageButton::kOk;
  // The system's reason behind a failure, when there is one: the window offers it on
  // request, the command line prints it after the text.
  std::string details;
  // The file the message is about, when it is about one: both programs name it after the
  // text, with the reason.
  std::string file;
  // One line in plain words beside the program's terse text: what happened and what to do.
  std::string explanation;
};

// "'out.dat' (Permission denied)": the file a message is about and the system's reason, as
// both programs show them after the message's text; empty when it has neither.
inline std::string FileAndReason(const Message& message) {
  std::string text;
  if (!message.file.empty()) text = "'" + message.file + "'";
  if (!message.details.empty()) text += (text.empty() ? "(" : " (") + message.details + ")";
  return text;
}

class Prompts {
 public:
  virtual ~Prompts() = default;
  // Shows a modal message and returns the button pressed.
  virtual MessageButton Show(const Message& message) = 0;
};

}  // namespace kol
