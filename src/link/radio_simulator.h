// The radio's side of the link on an in-memory image, for tests, benchmarks and the
// command line's simulate: answers the preamble, sync, status, read, write and cancel.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kol {

// What the radio can be made to do wrong to one request.
enum class RadioFault {
  kNone,
  kBusy,            // status reply "01"
  kError,           // "ERROR" instead of "#CMDOK"
  kLowerCaseError,  // "error" instead of "#CMDOK"
  kOtherWord,       // "#CMDNG" instead of "#CMDOK"
  kNoReply,         // nothing at all
  kLateCr,          // "#CMDOK", then its CR LF only after 1.5 s
  kNoFrame,         // "#CMDOK" and no status or data frame
  kHeadOnly,        // "#CMDOK" and only the head of the frame
  kWrongHead,       // a frame whose head is "#CEPXX"
  kBadChecksum,     // a frame whose checksum is off by one
  kWrongAddress,    // a data frame for the next block's address
  kWrongLength,     // a data frame that states one byte more than asked
  kExtraDigit,      // a data frame with one hex digit too many
  kLostWrite,       // a write acknowledged with "#CMDOK" whose bytes the memory does not keep
};

enum class RequestKind { kSync, kStatus, kBlock };  // kBlock: reads and writes, counted together

// A fault for the n-th request of a kind (1-based).
struct ScheduledFault {
  RequestKind kind;
  int number;
  RadioFault fault;
};

// How the radio answers the preamble command "ACMD:002".
enum class PreambleReply { kOk, kError, kOther, kSilent, kCrWithoutLf };

struct SimulatorOptions {
  std::vector<ScheduledFault> faults;
  bool probeEcho = true;                     // echo the probe "P"
  PreambleReply preambleReply = PreambleReply::kOk;
  int syncAnswerEvery = 1;                   // 2: only every second "#CMDSY" is answered
  bool lowerCaseHex = false;                 // data frames in lower-case hex
  bool wrongProduct = false;                 // reads see 0x00 for the product code's 0xFF
  bool wrongModel = false;                   // reads see 3301 as the model identifier
  int silentFromBlock = 0;                   // from this block request on, silence (0: never)
  int baudRate = 0;                          // paces the wire at 10 bits a byte; 0: instant
};

// A byte for the PC and how long the radio waits before it starts sending it.
struct RadioByte {
  std::uint8_t byte;
  std::int64_t delayNs = 0;
};

// One request as the radio understood it (tests read the log).
struct RadioRequest {
  std::string head;
  int address = -1;
  int length = 0;
  std::vector<std::uint8_t> data;
};

class RadioSimulator {
 public:
  static constexpr int kMemorySize = 8192;
  static constexpr std::int64_t kLateCrDelayNs = 1'500'000'000;

  // The memory is padded or cut to 8 KiB; the radio's identity (model identifier 3300 at
  // both ends, product code) is stamped into it. Writes reach every byte, the product code
  // too, as on the radio.
  explicit RadioSimulator(SimulatorOptions options = {},
                          std::vector<std::uint8_t> memory = std::vector<std::uint8_t>(kMemorySize, 0xFF));

  // One byte from the PC; returns the radio's answer, if any.
  std::vector<RadioByte> Receive(std::uint8_t byte);

  const std::vector<std::uint8_t>& Memory() const { return memory_; }
  std::vector<std::uint8_t>& Memory() { return memory_; }
  const std::vector<RadioRequest>& Requests() const { return requests_; }
  int WriteCount() const { return writeCount_; }
  const SimulatorOptions& Options() const { return options_; }

 private:
  std::vector<RadioByte> HandleSignal(std::uint8_t byte);
  std::vector<RadioByte> HandleLine(const std::string& line);
  std::vector<RadioByte> HandleFrame(const std::string& line);
  std::vector<RadioByte> HandleSync();
  std::vector<RadioByte> HandleRead(const RadioRequest& request);
  std::vector<RadioByte> HandleWrite(const RadioRequest& request);
  RadioFault FaultFor(RequestKind kind);
  std::string DataFrame(int address, int length, RadioFault fault) const;
  std::uint8_t ReadByteAt(int address) const;

  SimulatorOptions options_;
  std::vector<std::uint8_t> memory_;
  std::string line_;
  int counts_[3] = {0, 0, 0};
  bool silent_ = false;
  int writeCount_ = 0;
  std::vector<RadioRequest> requests_;
};

}  // namespace kol
