#include "link/radio_simulator.h"

#include <algorithm>
#include <cctype>

#include "link/frame.h"
#include "link/memory_plan.h"
#include "model/image_map.h"
#include "model/model_profile.h"

namespace kol {
namespace {

constexpr std::uint8_t kCan = 0x18;
constexpr std::uint8_t kAck = 0x06;
constexpr std::size_t kLongestLine = 256;  // longer input is noise, dropped
constexpr int kWrongModelIdentifier = kBuiltInModelIdentifier + 1;

void Append(std::vector<RadioByte>& to, std::string_view text) {
  for (char c : text) to.push_back({static_cast<std::uint8_t>(c)});
}

std::vector<RadioByte> Bytes(std::string_view text) {
  std::vector<RadioByte> bytes;
  Append(bytes, text);
  return bytes;
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// A frame spoiled the way `fault` asks: a wrong head or a checksum off by one.
std::string Spoil(std::string frame, RadioFault fault) {
  if (fault == RadioFault::kWrongHead) frame.replace(0, 6, "#CEPXX");
  if (fault == RadioFault::kBadChecksum) {
    const std::size_t digits = frame.size() - kCrLf.size() - 2;
    const auto sum = ParseHex(std::string_view(frame).substr(digits, 2)).value_or(0);
    frame.replace(digits, 2, HexLength(static_cast<int>((sum + 1) & 0xFF)));
  }
  return frame;
}

// The reply to an accepted request ("#CMDOK"), followed by `frame` unless a fault says
// otherwise.
std::vector<RadioByte> Answer(RadioFault fault, const std::string& frame) {
  switch (fault) {
    case RadioFault::kNoReply: return {};
    case RadioFault::kError: return Bytes("ERROR");
    case RadioFault::kLowerCaseError: return Bytes("error");
    case RadioFault::kOtherWord: return Bytes("#CMDNG\r\n");
    default: break;
  }
  std::vector<RadioByte> reply = Bytes("#CMDOK");
  if (fault == RadioFault::kLateCr) {
    reply.push_back({static_cast<std::uint8_t>(kCr), RadioSimulator::kLateCrDelayNs});
    reply.push_back({static_cast<std::uint8_t>(kLf)});
  } else {
    Append(reply, kCrLf);
  }
  if (fault == RadioFault::kNoFrame) return reply;
  if (fault == RadioFault::kHeadOnly) {
    Append(reply, std::string_view(frame).substr(0, 6));
    return reply;
  }
  Append(reply, Spoil(frame, fault));
  return reply;
}

RadioRequest Named(std::string head) {
  RadioRequest request;
  request.head = std::move(head);
  return request;
}

void WriteIdentifier(std::vector<std::uint8_t>& memory, int at, int identifier) {
  memory[static_cast<std::size_t>(at)] = static_cast<std::uint8_t>(identifier >> 8);
  memory[static_cast<std::size_t>(at) + 1] = static_cast<std::uint8_t>(identifier & 0xFF);
}

}  // namespace

RadioSimulator::RadioSimulator(SimulatorOptions options, std::vector<std::uint8_t> memory)
    : options_(std::move(options)), memory_(std::move(memory)) {
  memory_.resize(kMemorySize, 0xFF);
  WriteIdentifier(memory_, image_map::kModelIdentifier, kBuiltInModelIdentifier);
  WriteIdentifier(memory_, image_map::TrailingModelIdentifier(kMemorySize - 1),
                  kBuiltInModelIdentifier);
  std::copy(image_map::kProductCodeBytes.begin(), image_map::kProductCodeBytes.end(),
            memory_.begin() + image_map::kProductCode);
}

std::vector<RadioByte> RadioSimulator::Receive(std::uint8_t byte) {
  if (silent_) return {};
  if (line_.empty() && (byte == 'P' || byte == '0' || byte == kCan)) return HandleSignal(byte);
  line_ += static_cast<char>(byte);
  if (byte != kLf) {
    if (line_.size() > kLongestLine) line_.clear();
    return {};
  }
  std::string line;
  line.swap(line_);
  line.pop_back();
  if (!line.empty() && line.back() == kCr) line.pop_back();
  return HandleLine(line);
}

std::vector<RadioByte> RadioSimulator::HandleSignal(std::uint8_t byte) {
  requests_.push_back(Named(byte == kCan ? "CAN" : std::string(1, static_cast<char>(byte))));
  if (byte == 'P') return options_.probeEcho ? Bytes("P") : std::vector<RadioByte>{};
  if (byte == kCan) return {{kAck}};
  return {};
}

std::vector<RadioByte> RadioSimulator::HandleLine(const std::string& line) {
  if (line.rfind("#CEP", 0) == 0) return HandleFrame(line);
  requests_.push_back(Named(line));
  if (line == "#CMDSY") return HandleSync();
  if (line != "ACMD:002") return {};  // the PC's acknowledgements need no answer
  switch (options_.preambleReply) {
    case PreambleReply::kOk: return Bytes("OK\r\n");
    case PreambleReply::kError: return Bytes("ERROR\r\n");
    case PreambleReply::kOther: return Bytes("NG\r\n");
    case PreambleReply::kSilent: return {};
    case PreambleReply::kCrWithoutLf: return Bytes("OK\r\r\n");
  }
  return {};
}

std::vector<RadioByte> RadioSimulator::HandleSync() {
  const RadioFault fault = FaultFor(RequestKind::kSync);
  if (counts_[static_cast<int>(RequestKind::kSync)] % options_.syncAnswerEvery != 0) return {};
  return Answer(fault, "");
}

std::vector<RadioByte> RadioSimulator::HandleFrame(const std::string& line) {
  const std::vector<std::string_view> pieces = SplitTabs(line);
  RadioRequest request = Named(std::string(Piece(pieces, 0)));
  const std::optional<std::uint32_t> address = ParseHex(Piece(pieces, 1));
  const std::optional<std::uint32_t> length = ParseHex(Piece(pieces, 2));
  if (request.head != "#CEPSR" && address && length) {
    request.address = static_cast<int>(*address);
    request.length = static_cast<int>(*length);
  }
  if (request.head == "#CEPWR") {
    request.data = ParseHexBytes(Piece(pieces, 3)).value_or(std::vector<std::uint8_t>{});
  }
  requests_.push_back(request);

  const bool inMemory = request.address >= 0 && request.address < kMemorySize &&
                        request.length > 0 && request.length <= kMemorySize - request.address;
  if (!VerifyChecksum(line)) return Bytes("ERROR");
  if (request.head == "#CEPSR") {
    const RadioFault fault = FaultFor(RequestKind::kStatus);
    return Answer(fault, BuildFrame("#CEPSD", fault == RadioFault::kBusy ? "01" : "00"));
  }
  if (request.head == "#CEPRD" && inMemory) return HandleRead(request);
  if (request.head == "#CEPWR" && inMemory &&
      static_cast<int>(request.data.size()) == request.length) {
    return HandleWrite(request);
  }
  return Bytes("ERROR");
}

std::vector<RadioByte> RadioSimulator::HandleRead(const RadioRequest& request) {
  const RadioFault fault = FaultFor(RequestKind::kBlock);
  return Answer(fault, DataFrame(request.address, request.length, fault));
}

std::vector<RadioByte> RadioSimulator::HandleWrite(const RadioRequest& request) {
  const RadioFault fault = FaultFor(RequestKind::kBlock);
  const bool refused = fault == RadioFault::kError || fault == RadioFault::kLowerCaseError ||
                       fault == RadioFault::kOtherWord || silent_;
  if (!refused && fault != RadioFault::kLostWrite) {
    std::copy(request.data.begin(), request.data.end(),
              memory_.begin() + static_cast<std::ptrdiff_t>(request.address));
    ++writeCount_;
  }
  return Answer(fault, "");
}

RadioFault RadioSimulator::FaultFor(RequestKind kind) {
  const int number = ++counts_[static_cast<int>(kind)];
  if (kind == RequestKind::kBlock && options_.silentFromBlock > 0 &&
      number >= options_.silentFromBlock) {
    silent_ = true;
    return RadioFault::kNoReply;
  }
  for (const ScheduledFault& scheduled : options_.faults) {
    if (scheduled.kind == kind && scheduled.number == number) return scheduled.fault;
  }
  return RadioFault::kNone;
}

std::string RadioSimulator::DataFrame(int address, int length, RadioFault fault) const {
  std::vector<std::uint8_t> bytes;
  for (int i = 0; i < length; ++i) bytes.push_back(ReadByteAt(address + i));
  std::string data = HexBytes(bytes);
  if (fault == RadioFault::kExtraDigit) data += '0';
  const int statedAddress = fault == RadioFault::kWrongAddress ? address + 16 : address;
  const int statedLength = fault == RadioFault::kWrongLength ? length + 1 : length;
  if (!options_.lowerCaseHex) {
    return BuildFrame("#CEPDT", HexAddress(statedAddress), HexLength(statedLength), data);
  }
  std::string frame = BuildFrame("#CEPDT", Lower(HexAddress(statedAddress)),
                                 Lower(HexLength(statedLength)), Lower(data));
  const std::size_t digits = frame.size() - kCrLf.size() - 2;
  frame.replace(digits, 2, Lower(frame.substr(digits, 2)));
  return frame;
}

std::uint8_t RadioSimulator::ReadByteAt(int address) const {
  const int last = image_map::kProductCode + image_map::kProductCodeLength - 1;
  if (options_.wrongProduct && address == last) return 0x00;
  const int trailing = image_map::TrailingModelIdentifier(kMemorySize - 1);
  if (options_.wrongModel && (address == image_map::kModelIdentifier || address == trailing)) {
    return static_cast<std::uint8_t>(kWrongModelIdentifier >> 8);
  }
  if (options_.wrongModel &&
      (address == image_map::kModelIdentifier + 1 || address == trailing + 1)) {
    return static_cast<std::uint8_t>(kWrongModelIdentifier & 0xFF);
  }
  return memory_[static_cast<std::size_t>(address)];
}

}  // namespace kol
