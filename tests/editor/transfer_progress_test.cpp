// The transfer dialog's bar over the phases of one press of OK, and the time left.
#include <gtest/gtest.h>

#include "editor/dialogs/transfer_progress.h"
#include "support/fakes.h"

namespace kol::test {
namespace {

using editor::ProgressPhase;
using editor::TransferProgress;

TEST(TransferProgressTest, PhasesShareOneBarThatNeverGoesBackWithinAPress) {
  FakeClock clock;
  TransferProgress progress(clock);
  progress.Begin({0, 40});
  EXPECT_EQ(progress.Report(0), 0);
  EXPECT_EQ(progress.Report(50), 20);
  EXPECT_EQ(progress.Report(100), 40);
  EXPECT_EQ(progress.Report(0), 40);  // the operation's reset after its walk
  progress.EnterPhase({40, 60});
  EXPECT_EQ(progress.Report(0), 40);
  EXPECT_EQ(progress.Report(50), 70);
  EXPECT_EQ(progress.Report(150), 100);
  progress.Begin({});
  EXPECT_EQ(progress.Report(30), 30);
}

TEST(TransferProgressTest, TimeLeftOnlyOnceTheFirstBlocksHaveGone) {
  FakeClock clock;
  TransferProgress progress(clock);
  progress.Begin({});
  EXPECT_EQ(progress.TimeLeft(), "");
  progress.Report(0);
  clock.Advance(400);
  progress.Report(1);
  EXPECT_EQ(progress.TimeLeft(), "");  // one per cent in 0.4 s says little yet
  clock.Advance(3600);
  progress.Report(10);
  EXPECT_EQ(progress.TimeLeft(), "About 35 s left");  // 4 s for 10 %: 36 s to go
}

TEST(TransferProgressTest, TimeLeftInWords) {
  struct Case {
    std::int64_t ms;
    const char* text;
  };
  const Case cases[] = {
      {0, "About 1 s left"},         {7200, "About 8 s left"},
      {10000, "About 10 s left"},    {36000, "About 35 s left"},
      {59000, "About 1 min left"},   {65000, "About 1 min 5 s left"},
      {130000, "About 2 min 10 s left"},
  };
  for (const Case& c : cases) EXPECT_EQ(editor::TimeLeftText(c.ms), c.text) << c.ms;
}

}  // namespace
}  // namespace kol::test
