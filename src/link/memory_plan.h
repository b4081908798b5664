// Which parts of the radio's memory a read fetches, a programming run writes and a clear
// erases, the radio's identity bytes, and the progress shown while a plan is walked.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "model/image_map.h"

namespace kol::memory_plan {

inline constexpr int kBlockSize = 16;

// True for the 16-byte blocks a full read fetches.
bool IsReadBlock(int address);

// What a programming run does at a block address.
enum class ProgramStep { kSingleBytes, kBlock, kSkip };
ProgramStep ProgramStepAt(int address);
// The first byte of the block at 0 that is programmed; the two before are the identifier.
inline constexpr int kFirstSingleByte = 0x0002;

// True for image bytes a programming run writes.
bool IsProgrammed(int index);

// The first programmed address from `from` on at which the two images differ, the product
// code aside.
std::optional<int> FirstProgrammedDifference(std::span<const std::uint8_t> a,
                                             std::span<const std::uint8_t> b, int from = 0);

// True for the image bytes a completed read copies from the radio into the image.
bool IsCopiedAfterRead(int index);

// Progress of a read or a programming run at a block address, 0-100.
int TransferProgress(int address, int upperBound);
// Progress of a log clear at a block address, 0-100.
int ClearProgress(int address, int upperBound);

}  // namespace kol::memory_plan
