#include "link/memory_plan.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace kol::memory_plan {
namespace {

struct Range {
  int begin;
  int end;  // one past the last address
};

bool InAny(std::span<const Range> ranges, int address) {
  return std::any_of(ranges.begin(), ranges.end(),
                     [&](const Range& r) { return address >= r.begin && address < r.end; });
}

// Blocks 0x0090-0x00FF and 0x0C40-0x1FEF hold nothing the program edits.
constexpr Range kReadRanges[] = {{0x0000, 0x0090}, {0x0100, 0x0C40}, {0x1FF0, INT_MAX}};
// Bytes 0x0040-0x004F and the log areas are never programmed.
constexpr Range kProgramSkips[] = {{0x0040, 0x0050}, {0x0090, 0x0100}, {0x0C40, INT_MAX}};
// The identifier and the Group3 attribute block are never taken over from a read, nor is
// anything from 0x6700 on in a large image.
constexpr Range kNotCopied[] = {{0x0000, kFirstSingleByte}, {0x0400, 0x0500}, {0x6700, INT_MAX}};

// Below this address the bar fills to about 96 %; the skipped tail fills the rest.
constexpr int kProgressKnee = 0x0C40;

int Percent(double value) { return std::min(100, static_cast<int>(std::lround(value))); }

}  // namespace

bool IsReadBlock(int address) { return InAny(kReadRanges, address); }

ProgramStep ProgramStepAt(int address) {
  if (address == 0) return ProgramStep::kSingleBytes;
  return InAny(kProgramSkips, address) ? ProgramStep::kSkip : ProgramStep::kBlock;
}

bool IsProgrammed(int index) {
  switch (ProgramStepAt(index - index % kBlockSize)) {
    case ProgramStep::kSingleBytes: return index >= kFirstSingleByte;
    case ProgramStep::kBlock: return true;
    case ProgramStep::kSkip: break;
  }
  return false;
}

std::optional<int> FirstProgrammedDifference(std::span<const std::uint8_t> a,
                                             std::span<const std::uint8_t> b, int from) {
  // The product code is the radio's own whatever the image holds there; the read-back's
  // product check has looked at it already.
  const auto isProductCode = [](int i) {
    return i >= image_map::kProductCode && i < image_map::kProductCode + image_map::kProductCodeLength;
  };
  const int size = static_cast<int>(std::min(a.size(), b.size()));
  for (int i = std::max(from, 0); i < size; ++i) {
    if (IsProgrammed(i) && !isProductCode(i) && a[i] != b[i]) return i;
  }
  return std::nullopt;
}

bool IsCopiedAfterRead(int index) { return !InAny(kNotCopied, index); }

int TransferProgress(int address, int upperBound) {
  const double position = address < kProgressKnee
                              ? address * 2.5
                              : (address - kProgressKnee) / 15.0 + kProgressKnee * 2.5;
  return Percent(position / upperBound * 100);
}

int ClearProgress(int address, int upperBound) {
  return Percent(static_cast<double>(address) / upperBound * 100);
}

}  // namespace kol::memory_plan
