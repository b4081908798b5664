// The link's receive side on any bytes from the wire: one block read, as the read of the
// radio's memory asks for it, against a port whose answers come from the input. A read
// that fails leaves the buffer as it was; one that succeeds changes the block only.
//
// The input: the block's address (2 bytes, big-endian) and length (1 byte), the answers to
// the radio's questions (1 byte, a bit each, set for OK / Retry), the number of event runs
// after which Cancel is pressed (1 byte, 0 for never), then the radio's replies: one for
// each transmission of the program, split at NUL bytes.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "link/link.h"
#include "support/fakes.h"

namespace {

constexpr std::size_t kHeaderSize = 5;
constexpr int kBufferSize = 8192;

// A port whose other end answers each transmission with the next reply of a script, at
// once; a wait without input passes its time on the clock.
class ScriptedPort final : public kol::SerialPort {
 public:
  ScriptedPort(std::string_view script, kol::Clock& clock) : clock_(clock) {
    for (std::size_t end; (end = script.find('\0')) != std::string_view::npos;) {
      replies_.push_back(script.substr(0, end));
      script.remove_prefix(end + 1);
    }
    replies_.push_back(script);
  }

  bool OpenNumber(int) override { return open_ = true; }
  bool OpenPath(const std::string&) override { return open_ = true; }
  void Close() override {
    open_ = false;
    waiting_.clear();
  }
  bool IsOpen() const override { return open_; }
  int BytesWaiting() override { return static_cast<int>(waiting_.size()); }
  std::uint8_t ReadByte() override {
    const std::uint8_t byte = waiting_.front();
    waiting_.pop_front();
    return byte;
  }
  void DiscardInput() override { waiting_.clear(); }
  bool Write(std::span<const std::uint8_t>) override {
    if (!open_) return false;
    if (!replies_.empty()) {
      waiting_.insert(waiting_.end(), replies_.front().begin(), replies_.front().end());
      replies_.pop_front();
    }
    return true;
  }
  bool WaitForInput(int maxMs) override {
    if (waiting_.empty()) clock_.SleepMs(maxMs);
    return true;
  }
  kol::PortError LastError() const override { return {}; }
  std::string SettingsText() const override { return kol::kLineSettings; }

 private:
  kol::Clock& clock_;
  std::deque<std::string_view> replies_;
  std::deque<std::uint8_t> waiting_;
  bool open_ = false;
};

// Answers the radio's questions from a byte of the input, one bit a question, and presses
// Cancel after a given number of event runs.
class ScriptedHost final : public kol::LinkHost {
 public:
  ScriptedHost(std::uint8_t answers, int cancelAfter, kol::AppFlags& flags)
      : answers_(answers), cancelAfter_(cancelAfter), flags_(flags) {}

  kol::MessageButton Show(const kol::Message& message) override {
    if (message.buttons == kol::MessageButtons::kOk) return kol::MessageButton::kOk;
    const bool yes = (answers_ & 1) != 0;
    answers_ >>= 1;
    if (message.buttons == kol::MessageButtons::kRetryCancel) {
      return yes ? kol::MessageButton::kRetry : kol::MessageButton::kCancel;
    }
    return yes ? kol::MessageButton::kOk : kol::MessageButton::kCancel;
  }
  void ProcessEvents() override {
    if (++eventRuns_ == cancelAfter_) flags_.cancelFlag = true;
  }
  void ShowStatus(const std::string&) override {}
  void ShowProgress(int) override {}
  void SetBusy(bool) override {}

 private:
  std::uint8_t answers_;
  int cancelAfter_;
  int eventRuns_ = 0;
  kol::AppFlags& flags_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < kHeaderSize) return 0;
  const int address = (data[0] << 8 | data[1]) & 0x1FFF;
  const int length = data[2] & 0x1F;
  kol::Document document;
  kol::test::FakeClock clock;
  ScriptedPort port(std::string_view(reinterpret_cast<const char*>(data + kHeaderSize),
                                     size - kHeaderSize),
                    clock);
  ScriptedHost host(data[3], data[4], document.flags);
  kol::test::RecordingErrorLog errorLog;
  kol::TransferContext context;
  kol::Link link({port, clock, host, errorLog}, context, document);

  std::vector<std::uint8_t> buffer(kBufferSize);
  for (std::size_t i = 0; i < buffer.size(); ++i) buffer[i] = static_cast<std::uint8_t>(i * 7);
  const std::vector<std::uint8_t> before = buffer;
  FUZZ_CHECK(link.PortOpen());
  link.ReadBlock(buffer, address, length);

  if (document.flags.errorFlag) {
    FUZZ_CHECK(buffer == before);
    return 0;
  }
  FUZZ_CHECK(address + length <= kBufferSize);
  FUZZ_CHECK(std::equal(buffer.begin(), buffer.begin() + address, before.begin()));
  FUZZ_CHECK(std::equal(buffer.begin() + address + length, buffer.end(),
                        before.begin() + address + length));
  return 0;
}
