#include "link/memory_plan.h"

#include <gtest/gtest.h>

#include <vector>

namespace kol::memory_plan {
namespace {

constexpr int kUpperBound = 8191;

TEST(MemoryPlanTest, ReadAndProgramPlanSizes) {
  int reads = 0;
  int requests = 0;
  int singles = 0;
  for (int a = 0; a <= kUpperBound; a += kBlockSize) {
    reads += IsReadBlock(a);
    const ProgramStep step = ProgramStepAt(a);
    singles += step == ProgramStep::kSingleBytes ? kBlockSize - kFirstSingleByte : 0;
    requests += step == ProgramStep::kBlock;
  }
  EXPECT_EQ(reads, 190);
  EXPECT_EQ(singles, 14);
  EXPECT_EQ(requests + singles, 201);
}

TEST(MemoryPlanTest, RangesAtTheirEdges) {
  struct Case {
    int address;
    bool read;
    bool programmed;
    bool copied;
  };
  const Case cases[] = {
      {0x0000, true, false, false}, {0x0001, true, false, false}, {0x0002, true, true, true},
      {0x003F, true, true, true},   {0x0040, true, false, true},  {0x004F, true, false, true},
      {0x0050, true, true, true},   {0x008F, true, true, true},   {0x0090, false, false, true},
      {0x00FF, false, false, true}, {0x0100, true, true, true},   {0x03FF, true, true, true},
      {0x0400, true, true, false},  {0x04FF, true, true, false},  {0x0500, true, true, true},
      {0x0C3F, true, true, true},   {0x0C40, false, false, true}, {0x1FEF, false, false, true},
      {0x1FF0, true, false, true},  {0x1FFF, true, false, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsReadBlock(c.address - c.address % kBlockSize), c.read) << c.address;
    EXPECT_EQ(IsProgrammed(c.address), c.programmed) << c.address;
    EXPECT_EQ(IsCopiedAfterRead(c.address), c.copied) << c.address;
  }
  EXPECT_FALSE(IsCopiedAfterRead(0x6700));
  EXPECT_TRUE(IsCopiedAfterRead(0x66FF));
}

TEST(MemoryPlanTest, Progress) {
  struct Case {
    int address;
    int transfer;
    int clear;
  };
  const Case cases[] = {
      {0x0000, 0, 0},    {0x0100, 8, 3},     {0x0C30, 95, 38},
      {0x0C40, 96, 38},  {0x1FF0, 100, 100}, {0x1000, 96, 50},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TransferProgress(c.address, kUpperBound), c.transfer) << c.address;
    EXPECT_EQ(ClearProgress(c.address, kUpperBound), c.clear) << c.address;
  }
  EXPECT_EQ(TransferProgress(0x7FF0, 32767), 30);
}

TEST(MemoryPlanTest, FirstProgrammedDifference) {
  std::vector<std::uint8_t> a(8192, 0xFF);
  std::vector<std::uint8_t> b = a;
  for (int unprogrammed : {0x0000, 0x0001, 0x0020, 0x0026, 0x0040, 0x0090, 0x0C40, 0x1FFF}) {
    b[unprogrammed] = 0;
  }
  EXPECT_EQ(FirstProgrammedDifference(a, b), std::nullopt);
  b[0x0C3F] = 0;
  b[0x0027] = 0;
  EXPECT_EQ(FirstProgrammedDifference(a, b), 0x0027);
}

}  // namespace
}  // namespace kol::memory_plan
