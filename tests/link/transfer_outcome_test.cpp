// The words both programs use for what a writing operation may have left in the radio.
#include <gtest/gtest.h>

#include "link/transfer_outcome.h"

namespace kol {
namespace {

TEST(TransferOutcomeTest, UnfinishedWritesInWords) {
  struct Case {
    Operation operation;
    int writesSent;
    const char* text;
  };
  const Case cases[] = {
      {Operation::kProgram, 0, "nothing was written to the radio"},
      {Operation::kProgram, 1, "the radio may be partly programmed (1 write sent)"},
      {Operation::kProgram, 30, "the radio may be partly programmed (30 writes sent)"},
      {Operation::kClearMmsi, 2, "the user MMSI may be partly cleared (2 writes sent)"},
      {Operation::kClearCallLog, 0, "nothing was written to the radio"},
      {Operation::kClearDistressLog, 5, "the distress log may be partly cleared (5 writes sent)"},
      {Operation::kRead, 3, "nothing was written to the radio"},
  };
  for (const Case& c : cases) EXPECT_EQ(UnfinishedWritesText(c.operation, c.writesSent), c.text);
  EXPECT_EQ(ReadBackDifferenceText({0x0500, 0x0F, 0xA0}),
            "verify failed at 0x0500: the radio holds 0x0F, the image 0xA0");
  EXPECT_EQ(KeptProductCodeText(), "holds another product code; the radio kept its own, \"QT512N\"");
}

}  // namespace
}  // namespace kol
