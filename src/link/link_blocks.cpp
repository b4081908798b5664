// The request exchanges: the retry rule, the status check, block read and write, and the
// cancel signal.
#include <algorithm>

#include "link/frame.h"
#include "link/link.h"

namespace kol {
namespace {

constexpr std::uint8_t kCan = 0x18;
constexpr std::uint8_t kAck = 0x06;
constexpr int kReplySeconds = 10;
constexpr int kHeadLength = 6;

bool FitsIn(std::size_t size, int address, int length) {
  return address >= 0 && length >= 0 &&
         static_cast<std::size_t>(address) + static_cast<std::size_t>(length) <= size;
}

}  // namespace

bool Link::RequestWithRetry(const std::function<void()>& sendRequest) {
  int counter = context_.retryCount;
  for (;;) {
    sendRequest();
    const LinkResult result = WaitReplyOK();
    if (result == LinkResult::kOk) return true;
    if (result != LinkResult::kTimedOut && result != LinkResult::kErrorReply) return false;
    if (--counter >= 1) continue;
    if (result == LinkResult::kTimedOut) return false;
    const MessageButton answer = Show({"", "confirm the synchronization of the communication",
                                       MessageIcon::kQuestion, MessageButtons::kOkCancel,
                                       MessageButton::kOk});
    if (answer != MessageButton::kOk) {
      // Cancel stops the whole run, not just this request: every later request of a radio
      // that refuses them would ask the same question again.
      Flags().cancelFlag = true;
      return false;
    }
    if (!SyncLink()) return false;
    counter = 1;
  }
}

void Link::ReportWaitFailure(LinkResult result, bool reportCancel) {
  if (result == LinkResult::kTimedOut) Critical("time out!!");
  if (result == LinkResult::kCancelled && reportCancel) Critical("cancel!!");
}

bool Link::StatusCheck() {
  for (;;) {
    Status("status check..");
    const std::string frame = BuildFrame("#CEPSR", "00");
    if (!RequestWithRetry([&] { SendFrame(frame); })) return false;
    bool busy = false;
    const bool ready = ReceiveStatus(busy);
    if (busy && Show({"", "Radio is busy!!", MessageIcon::kExclamation,
                      MessageButtons::kRetryCancel, MessageButton::kCancel}) ==
                    MessageButton::kRetry) {
      continue;
    }
    Status(ready ? "status check.. OK" : "status check.. NG!!");
    return ready;
  }
}

// The frame that follows an accepted request: `head`, then the rest of its line, with a
// checksum that adds up. The radio is told of a wrong head (`wrongHeadReply`) and of a bad
// checksum ("#CMDSM"); a time-out is reported, and a cancel too, in the rest of the line
// only when `cancelReportedInRest`. Nothing when any of that failed.
std::optional<std::string> Link::ReceiveFrame(std::string_view head,
                                              std::string_view wrongHeadReply,
                                              bool cancelReportedInRest) {
  std::string frame;
  LinkResult result = ReceiveChars(kHeadLength, kReplySeconds, frame);
  if (result != LinkResult::kOk) {
    ReportWaitFailure(result, true);
    return std::nullopt;
  }
  if (frame != head) {
    SendLine(wrongHeadReply);
    return std::nullopt;
  }
  std::string rest;
  result = ReceiveLine(kReplySeconds, rest);
  if (result != LinkResult::kOk) {
    ReportWaitFailure(result, cancelReportedInRest);
    return std::nullopt;
  }
  frame += rest;
  if (!VerifyChecksum(frame)) {
    SendLine("#CMDSM");
    return std::nullopt;
  }
  return frame;
}

bool Link::ReceiveStatus(bool& busy) {
  const std::optional<std::string> frame = ReceiveFrame("#CEPSD", "#CMDUN", true);
  if (!frame) return false;
  SendLine("#CMDOK");
  const std::string_view status = Piece(SplitTabs(*frame), 1);
  busy = status == "01";
  return status == "00";
}

void Link::ReadBlock(std::span<std::uint8_t> buffer, int address, int length) {
  // A block that does not fit the buffer is never asked for.
  if (!FitsIn(buffer.size(), address, length)) {
    Flags().errorFlag = true;
    return;
  }
  FlushInput();
  const std::string frame = BuildFrame("#CEPRD", HexAddress(address), HexLength(length));
  const bool accepted = RequestWithRetry([&] {
    Flags().errorFlag = true;
    Flags().cancelFlag = false;
    SendFrame(frame);
  });
  if (!accepted) {
    // A synchronisation inside the retry may have cleared the flag; the block still failed.
    Flags().errorFlag = true;
    return;
  }
  ReceiveData(buffer, address, length);
}

// The data phase of a read: runs once, never retried; every early end leaves the error
// flag set and the buffer as it was.
void Link::ReceiveData(std::span<std::uint8_t> buffer, int address, int length) {
  Flags().errorFlag = true;
  Flags().cancelFlag = false;
  const std::optional<std::string> frame = ReceiveFrame("#CEPDT", "#CMDER", false);
  if (!frame) return;
  const std::vector<std::string_view> pieces = SplitTabs(*frame);
  if (ParseHex(Piece(pieces, 1)) != static_cast<std::uint32_t>(address)) {
    Critical("address error!!");
    return;
  }
  const std::string_view data = Piece(pieces, 3);
  // Digits that are not hex are refused like a wrong size rather than stored as zeros.
  const std::optional<std::vector<std::uint8_t>> bytes = ParseHexBytes(data);
  if (ParseHex(Piece(pieces, 2)) != static_cast<std::uint32_t>(length) ||
      data.size() != 2 * static_cast<std::size_t>(length) || !bytes) {
    Critical("data error!!");
    return;
  }
  std::copy(bytes->begin(), bytes->end(), buffer.begin() + address);
  Flags().errorFlag = false;
  SendLine("#CMDOK");
}

void Link::WriteBlock(int address, int length) { WriteBlock(Doc().image.Bytes(), address, length); }

void Link::WriteBlock(std::span<const std::uint8_t> source, int address, int length) {
  if (!FitsIn(source.size(), address, length)) {
    Flags().errorFlag = true;
    return;
  }
  const std::span<const std::uint8_t> bytes = source.subspan(
      static_cast<std::size_t>(address), static_cast<std::size_t>(length));
  bool counted = false;
  const bool accepted = RequestWithRetry([&] {
    Flags().errorFlag = true;
    Flags().cancelFlag = false;
    FlushInput();
    SendFrame(BuildFrame("#CEPWR", HexAddress(address), HexLength(length), HexBytes(bytes)));
    if (!counted && !portBroken_) {
      ++writesSent_;
      counted = true;
    }
  });
  if (!accepted) Flags().errorFlag = true;
}

void Link::CancelTransfer() {
  SendByte(kCan);
  WaitByte(kAck, kReplySeconds);
  Flags().cancelFlag = true;
}

}  // namespace kol
