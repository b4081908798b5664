// Sending with the radio's pauses, and the receive primitives built on one polling loop.
#include <algorithm>
#include <cctype>

#include "link/frame.h"
#include "link/link.h"

namespace kol {
namespace {

bool SpellsError(const std::string& text) {
  constexpr std::string_view kError = "ERROR";
  return text.size() == kError.size() &&
         std::equal(text.begin(), text.end(), kError.begin(), [](char a, char b) {
           return std::toupper(static_cast<unsigned char>(a)) == b;
         });
}

}  // namespace

void Link::Transmit(std::string_view bytes) {
  const auto data = std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  if (!services_.port.Write(data)) PortFailed();
}

void Link::FlushInput() { services_.port.DiscardInput(); }

void Link::SendByte(std::uint8_t byte) {
  FlushInput();
  services_.clock.SleepMs(kSendPauseMs);
  const char c = static_cast<char>(byte);
  Transmit(std::string_view(&c, 1));
}

void Link::SendLine(std::string_view text) {
  services_.clock.SleepMs(kSendPauseMs);
  Transmit(std::string(text) + std::string(kCrLf));
}

void Link::SendFrame(std::string_view frame) {
  services_.clock.SleepMs(kSendPauseMs);
  Transmit(frame);
}

// Each iteration lets events run, takes at most one byte (or waits a few milliseconds for
// one, so that polling does not spin), then checks cancel, the deadline and completion.
// A port that has failed ends the call at once as a reply that makes no sense would: the
// exchange fails without retries instead of waiting out time-outs on a device that is gone.
LinkResult Link::ReceiveLoop(int seconds, const Receiver& receiver) {
  Clock& clock = services_.clock;
  SerialPort& port = services_.port;
  const std::int64_t deadline = clock.NowMs() + std::int64_t{seconds} * 1000;
  for (;;) {
    services_.host.ProcessEvents();
    if (portBroken_) return LinkResult::kBadReply;
    const bool answered = port.BytesWaiting() > 0;
    NoteAnswer(answered);
    if (answered) {
      const std::uint8_t byte = port.ReadByte();
      if (receiver.onByte) {
        if (std::optional<LinkResult> result = receiver.onByte(byte)) return *result;
      }
    } else if (!port.WaitForInput(kPollWaitMs)) {
      PortFailed();
    }
    if (Flags().cancelFlag) return LinkResult::kCancelled;
    if (clock.NowMs() > deadline) return LinkResult::kTimedOut;
    if (receiver.complete) {
      if (std::optional<LinkResult> result = receiver.complete()) return *result;
    }
  }
}

// Silence counts from the first turn of a receive loop that finds no byte, across the
// retries of a request, until a byte comes: the pauses between blocks are the program's own.
void Link::NoteAnswer(bool answered) {
  if (answered) {
    silentSinceMs_.reset();
    silenceShown_ = 0;
    if (waitShown_) services_.host.ShowRadioSilence(0);
    waitShown_ = false;
    return;
  }
  if (!synchronised_) return;
  const std::int64_t now = services_.clock.NowMs();
  if (!silentSinceMs_) silentSinceMs_ = now;
  const std::int64_t silentMs = now - *silentSinceMs_;
  const int seconds = static_cast<int>(silentMs / 1000);
  if (silentMs < kSilenceNoticeMs || seconds == silenceShown_) return;
  silenceShown_ = seconds;
  waitShown_ = true;
  services_.host.ShowRadioSilence(seconds);
}

LinkResult Link::WaitByte(std::uint8_t byte, int seconds) {
  std::uint8_t last = 0;
  return ReceiveLoop(seconds, {
      [&](std::uint8_t taken) -> std::optional<LinkResult> {
        last = taken;
        return std::nullopt;
      },
      [&]() -> std::optional<LinkResult> {
        if (last == byte) return LinkResult::kOk;
        return std::nullopt;
      }});
}

LinkResult Link::ReceiveChars(int count, int seconds, std::string& text) {
  text.clear();
  return ReceiveLoop(seconds, {
      [&](std::uint8_t taken) -> std::optional<LinkResult> {
        text += static_cast<char>(taken);
        return std::nullopt;
      },
      [&]() -> std::optional<LinkResult> {
        if (SpellsError(text)) return LinkResult::kErrorReply;
        if (static_cast<int>(text.size()) >= count) return LinkResult::kOk;
        return std::nullopt;
      }});
}

LinkResult Link::ReceiveLine(int seconds, std::string& text) {
  return ReceiveLineEnd(seconds, text, false);
}

LinkResult Link::ReceiveLineRaw(int seconds, std::string& text) {
  return ReceiveLineEnd(seconds, text, true);
}

// Keeps the bytes before the CR. After it, only the LF ends the line; any other byte is
// dropped, or with `strict` makes the reply a bad one.
LinkResult Link::ReceiveLineEnd(int seconds, std::string& text, bool strict) {
  text.clear();
  bool crSeen = false;
  return ReceiveLoop(seconds, {[&](std::uint8_t taken) -> std::optional<LinkResult> {
                                 if (crSeen) {
                                   if (taken == kLf) return LinkResult::kOk;
                                   if (strict) return LinkResult::kBadReply;
                                 } else if (taken == kCr) {
                                   crSeen = true;
                                 } else {
                                   text += static_cast<char>(taken);
                                 }
                                 return std::nullopt;
                               },
                               nullptr});
}

LinkResult Link::WaitReplyOK() {
  std::string word;
  const LinkResult result = ReceiveChars(6, 10, word);
  if (result != LinkResult::kOk) return result;
  if (word != "#CMDOK") return LinkResult::kBadReply;
  if (WaitByte(kCr, 1) == LinkResult::kOk && WaitByte(kLf, 1) == LinkResult::kOk) {
    Flags().errorFlag = false;
    return LinkResult::kOk;
  }
  return LinkResult::kBadReply;
}

}  // namespace kol
