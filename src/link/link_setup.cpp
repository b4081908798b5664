// Bringing the link up: the probe, the preamble command, the port's re-opening and the
// two synchronisation passes; plus the progress texts and messages every exchange uses.
#include "link/frame.h"
#include "link/link.h"

namespace kol {
namespace {

constexpr std::uint8_t kProbe = 'P';
constexpr std::uint8_t kProbeDone = '0';
constexpr int kProbeAttempts = 3;
constexpr std::string_view kPreambleCommand = "ACMD:002";

// The plain words beside the link's terse texts: what happened, and whether the user should
// check the cable and the radio's PC CONTROL mode.
struct PlainWords {
  std::string_view text;
  std::string_view what;
  bool checkTheRadio = true;
};
constexpr PlainWords kPlainWords[] = {
    {"port inicialize error!!",
     "The serial port could not be opened. Check that the cable is plugged in and that the port "
     "chosen is the one it is on.",
     false},
    {"Communication Error!!", "The radio did not answer as expected."},
    {"ModelType Error !!", "The radio connected is not of the model this program is set for.", false},
    {"Radio not ready!!", "The radio did not report ready."},
    {"time out!!", "The radio stopped answering."},
    {"ACMD Command error!!", "The radio refused to start the transfer."},
    {"error!!", "The radio gave an answer that does not belong to the start of a transfer."},
    {"address error!!", "The radio's answer was garbled on the way."},
    {"data error!!", "The radio's answer was garbled on the way."},
};

std::string ExplanationOf(std::string_view text) {
  for (const PlainWords& words : kPlainWords) {
    if (words.text != text) continue;
    std::string explanation(words.what);
    if (words.checkTheRadio) {
      explanation += " Check the cable and that the radio shows PC CONTROL, then try again.";
    }
    return explanation;
  }
  return {};
}

}  // namespace

void Link::Status(const std::string& text) {
  if (Flags().debugMode) services_.host.ShowStatus(text);
}

MessageButton Link::Show(Message message) {
  if (message.title.empty()) message.title = std::string(OperationTitle(context_.operation));
  return services_.host.Show(message);
}

void Link::Critical(std::string text, std::string title) {
  std::string explanation = ExplanationOf(text);
  Show({std::move(title), std::move(text), MessageIcon::kCritical, MessageButtons::kOk,
        MessageButton::kOk, {}, {}, std::move(explanation)});
}

bool Link::PreambleProbe() {
  SendByte(kProbe);
  if (WaitByte(kProbe, 1) != LinkResult::kOk) return false;
  SendByte(kProbeDone);
  return true;
}

bool Link::LinkSetup() {
  Flags().cancelFlag = false;
  portFailure_.reset();
  writesSent_ = 0;
  synchronised_ = false;
  silentSinceMs_.reset();
  silenceShown_ = 0;
  waitShown_ = false;
  // Every later step needs an open port, so a port that cannot be opened ends the set-up.
  if (!PortInit()) {
    Critical("port inicialize error!!");
    return false;
  }
  bool probed = false;
  for (int attempt = 0; attempt < kProbeAttempts && !probed; ++attempt) probed = PreambleProbe();
  if (!probed) Status("sync failed!!");

  Status("sending 'ACMD:002'...");
  SendLine(kPreambleCommand);
  std::string reply;
  const LinkResult result = ReceiveLineRaw(1, reply);
  if (result == LinkResult::kCancelled) return false;
  if (result == LinkResult::kOk && reply == "ERROR") {
    Critical("ACMD Command error!!");
    return false;
  }
  if (result == LinkResult::kOk && reply != "OK") {
    Critical("error!!");
    return false;
  }
  // A CR without its LF is reported but, like silence, does not stop the set-up.
  if (result == LinkResult::kBadReply) Critical("error!!");

  if (!PortInitCP()) {
    Critical("port inicialize error!!");
    return false;
  }
  services_.clock.SleepMs(kReopenPauseMs);
  synchronised_ = SyncLink();
  return synchronised_;
}

bool Link::SyncLink() {
  constexpr int kPasses = 2;
  bool synchronised = true;
  int sent = 0;
  bool unanswered = false;
  for (int pass = 1; pass <= kPasses; ++pass) {
    bool passOk = false;
    bool abandon = false;
    for (int counter = context_.retryCount; counter >= 1;) {
      ++sent;
      if (unanswered) {
        const int passesLeft = kPasses - pass;
        services_.host.ShowLinkWait(sent, sent - 1 + counter + passesLeft * context_.retryCount);
        waitShown_ = true;
      }
      Status("sending '#CMDSY'...(" + std::to_string(pass) + ")");
      SendLine("#CMDSY");
      const LinkResult result = WaitReplyOK();
      if (result == LinkResult::kOk) {
        passOk = true;
        break;
      }
      if (result != LinkResult::kTimedOut && result != LinkResult::kErrorReply) {
        abandon = true;
        break;
      }
      unanswered = true;
      --counter;
    }
    synchronised = synchronised && passOk;
    if (abandon) break;
  }
  if (!synchronised) Status("can'not Receive '#CMDOK' !!");
  return synchronised;
}

}  // namespace kol
