// The state of one opening of the transfer dialog: which operation runs, over which port,
// how often a request is tried, and whether the operation completed.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kol {

// What a receive primitive or a reply wait ended with.
enum class LinkResult : std::int8_t {
  kOk = 0,           // the expected input arrived
  kCancelled = 1,    // the cancel flag was found set
  kTimedOut = 3,     // the deadline passed first
  kErrorReply = 8,   // the characters so far spell "ERROR" in any letter case
  kBadReply = -1,    // something else arrived
};

// The six operations of the transfer dialog, by their codes.
enum class Operation : std::int16_t {
  kRead = 0,
  kProgram = 1,
  kClearMmsi = 2,
  kClearDscLog = 3,
  kClearDistressLog = 4,
  kClearCallLog = 5,
};
inline constexpr int kOperationCount = 6;

// The dialog's caption while the operation runs; also the title of its messages.
std::string_view OperationTitle(Operation operation);

inline constexpr int kDefaultRetryCount = 3;

// What a programming run does with the radio's identity on the air. It reads the radio's
// user MMSI and ATIS code at the start when asked to learn or keep them, and writes kept
// ones back as the radio holds them, whatever the image holds there.
struct IdentityRule {
  bool learn = false;
  bool keepUserMmsi = false;
  bool keepAtisCode = false;

  bool Reads() const { return learn || keepUserMmsi || keepAtisCode; }
};

struct TransferContext {
  Operation operation = Operation::kRead;
  std::int16_t portNumber = 1;  // 1-4
  std::string devicePath;       // when not empty, opened instead of portNumber
  std::int16_t retryCount = kDefaultRetryCount;
  bool verify = false;          // programming: read the radio back afterwards and compare
  IdentityRule identity;        // programming: the radio's user MMSI and ATIS code
  bool completed = false;       // the operation finished without error or cancellation
};

}  // namespace kol
