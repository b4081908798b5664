// What a transfer that writes to the radio came to, and the words both programs use to
// tell it: a programming run with its read-back, and what a run that stopped early may
// have left in the radio.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "link/transfer_context.h"
#include "model/radio_identity.h"

namespace kol {

// The first programmed address at which the radio, read back, holds another byte than
// the one programming sent.
struct ReadBackDifference {
  int address = 0;
  std::uint8_t radio = 0;
  std::uint8_t sent = 0;
};

// A programming run, verified or not.
struct ProgramResult {
  bool programmed = false;  // every write went through
  bool verified = false;    // read back afterwards and equal to what was sent
  // Set when the read-back went through and found the radio different.
  std::optional<ReadBackDifference> difference;
  // Write requests the radio was sent (a retry is not counted again): none means its
  // memory is as it was.
  int writesSent = 0;
  // The image held another product code than the radio's: the radio kept its own.
  bool keptProductCode = false;
  // The radio as it was at the start of the run: its product code once checked, its user
  // MMSI and ATIS code when the identity rule read them.
  RadioIdentity radioBefore;
  // The whole image as it went to the radio (identity kept, product code the radio's own);
  // empty when no write was to be sent.
  std::vector<std::uint8_t> sent;
};

// What a writing operation that stopped early leaves: "nothing was written to the radio",
// else for programming "the radio may be partly programmed (3 writes sent)", for a clear
// "the DSC log may be partly cleared (1 write sent)".
std::string UnfinishedWritesText(Operation operation, int writesSent);

// "verify failed at 0x0500: the radio holds 0xFF, the image 0x12"
std::string ReadBackDifferenceText(const ReadBackDifference& difference);

// Follows the name of what was programmed: "holds another product code; the radio kept
// its own, "QT512N"".
std::string KeptProductCodeText();

}  // namespace kol
