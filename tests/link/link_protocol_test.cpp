// The link against the simulated radio: set-up, synchronisation, the retry rule, the
// status check and block reads, with every failure the radio can produce.
#include <gtest/gtest.h>

#include "link_rig.h"

namespace kol::test {
namespace {

using Texts = std::vector<std::string>;

SimulatorOptions WithFaults(std::vector<ScheduledFault> faults) {
  SimulatorOptions options;
  options.faults = std::move(faults);
  return options;
}

// Runs the set-up and forgets what it showed, so a test sees only its own exchange.
void Synchronise(LinkRig& rig) {
  ASSERT_TRUE(rig.link().LinkSetup());
  rig.host.prompts.shown.clear();
  rig.host.statusTexts.clear();
}

TEST(LinkSetupTest, ProbesSendsPreambleReopensAndSynchronisesTwice) {
  LinkRig rig;
  const std::int64_t start = rig.clock.NowMs();
  rig.document.flags.cancelFlag = true;  // cleared by the set-up
  EXPECT_TRUE(rig.link().LinkSetup());
  EXPECT_EQ(rig.Heads(), (Texts{"P", "0", "ACMD:002", "#CMDSY", "#CMDSY"}));
  EXPECT_EQ(rig.host.statusTexts,
            (Texts{"4800,N,8,1", "sending 'ACMD:002'...", "4800,N,8,1", "sending '#CMDSY'...(1)",
                   "sending '#CMDSY'...(2)"}));
  EXPECT_TRUE(rig.Texts().empty());
  EXPECT_TRUE(rig.host.linkWaits.empty());
  EXPECT_EQ(rig.port.openCount, 2);
  EXPECT_GE(rig.clock.NowMs() - start, kReopenPauseMs);
}

TEST(LinkSetupTest, PreambleAnswers) {
  struct Case {
    PreambleReply reply;
    bool probeEcho;
    bool result;
    Texts messages;
    int syncs;
  };
  const Case cases[] = {
      {PreambleReply::kOk, true, true, {}, 2},
      {PreambleReply::kError, true, false, {"ACMD Command error!!"}, 0},
      {PreambleReply::kOther, true, false, {"error!!"}, 0},
      {PreambleReply::kSilent, true, true, {}, 2},
      {PreambleReply::kCrWithoutLf, true, true, {"error!!"}, 2},
      {PreambleReply::kOk, false, true, {}, 2},
  };
  for (const Case& c : cases) {
    SimulatorOptions options;
    options.preambleReply = c.reply;
    options.probeEcho = c.probeEcho;
    LinkRig rig(options);
    EXPECT_EQ(rig.link().LinkSetup(), c.result) << static_cast<int>(c.reply);
    EXPECT_EQ(rig.Texts(), c.messages) << static_cast<int>(c.reply);
    EXPECT_EQ(rig.CountHead("#CMDSY"), c.syncs) << static_cast<int>(c.reply);
    const bool probeFailed = std::find(rig.host.statusTexts.begin(), rig.host.statusTexts.end(),
                                       "sync failed!!") != rig.host.statusTexts.end();
    EXPECT_EQ(probeFailed, !c.probeEcho);
    EXPECT_EQ(rig.CountHead("P"), c.probeEcho ? 1 : 3);
  }
}

TEST(LinkSetupTest, PortThatCannotBeOpenedEndsSetUp) {
  struct Case {
    int opensBeforeFailure;
    const char* procedure;
    Texts heads;
  };
  const Case cases[] = {
      {0, "frmRadio.PortInit", {}},
      {1, "frmRadio.PortInitCP", {"P", "0", "ACMD:002"}},
  };
  for (const Case& c : cases) {
    LinkRig rig;
    rig.port.opensBeforeFailure = c.opensBeforeFailure;
    EXPECT_FALSE(rig.link().LinkSetup());
    EXPECT_EQ(rig.Texts(), Texts{"port inicialize error!!"});
    // Beside the terse text, what happened and what to do; the radio is not to blame.
    EXPECT_EQ(rig.host.prompts.shown[0].explanation,
              "The serial port could not be opened. Check that the cable is plugged in and that "
              "the port chosen is the one it is on.");
    EXPECT_EQ(rig.Heads(), c.heads);
    ASSERT_EQ(rig.errorLog.lines.size(), 1u);
    EXPECT_EQ(rig.errorLog.lines[0].procedure, c.procedure);
    EXPECT_EQ(rig.errorLog.lines[0].message, "2No such file or directory");
  }
}

TEST(LinkSetupTest, ErrorLogAndProgressTextsOnlyInDebugMode) {
  LinkRig rig;
  rig.document.flags.debugMode = false;
  rig.port.opensBeforeFailure = 0;
  EXPECT_FALSE(rig.link().LinkSetup());
  EXPECT_TRUE(rig.errorLog.lines.empty());
  EXPECT_TRUE(rig.host.statusTexts.empty());
}

TEST(LinkSetupTest, CancelDuringPreambleWaitEndsSilently) {
  SimulatorOptions options;
  options.preambleReply = PreambleReply::kSilent;
  LinkRig rig(options);
  rig.CancelWhen([&] { return rig.CountHead("ACMD:002") > 0; });
  EXPECT_FALSE(rig.link().LinkSetup());
  EXPECT_TRUE(rig.Texts().empty());
  EXPECT_EQ(rig.CountHead("#CMDSY"), 0);
}

TEST(SyncLinkTest, RadioAnsweringEverySecondSyncSucceeds) {
  SimulatorOptions options;
  options.syncAnswerEvery = 2;
  LinkRig rig(options);
  EXPECT_TRUE(rig.link().LinkSetup());
  EXPECT_EQ(rig.CountHead("#CMDSY"), 4);
  // Once a request went unanswered, each one after it says how many may still come.
  EXPECT_EQ(rig.host.linkWaits, (Texts{"2/6", "3/5", "4/5"}));
  // Each wait ends when the radio answers.
  EXPECT_EQ(rig.host.silences, (std::vector<int>{0, 0}));
}

TEST(SyncLinkTest, FailedPasses) {
  struct Case {
    SimulatorOptions options;
    int syncs;
    Texts waits;
  };
  SimulatorOptions silent;
  silent.syncAnswerEvery = 1000;
  const Case cases[] = {
      // Both passes run out of attempts.
      {silent, 6, {"2/6", "3/6", "4/6", "5/6", "6/6"}},
      // A wrong reply word ends the first pass and skips the second.
      {WithFaults({{RequestKind::kSync, 1, RadioFault::kOtherWord}}), 1, {}},
      // The first pass fails; the second still runs, yet the link is not synchronised.
      {WithFaults({{RequestKind::kSync, 1, RadioFault::kError},
                   {RequestKind::kSync, 2, RadioFault::kError},
                   {RequestKind::kSync, 3, RadioFault::kNoReply}}),
       4, {"2/6", "3/6", "4/6"}},
  };
  for (const Case& c : cases) {
    LinkRig rig(c.options);
    EXPECT_FALSE(rig.link().LinkSetup());
    EXPECT_EQ(rig.CountHead("#CMDSY"), c.syncs);
    EXPECT_EQ(rig.host.linkWaits, c.waits);
    EXPECT_EQ(rig.host.statusTexts.back(), "can'not Receive '#CMDOK' !!");
    EXPECT_TRUE(rig.Texts().empty());
  }
}

struct StatusCase {
  const char* name;
  std::vector<RadioFault> faults;  // of status requests 1, 2, ...
  std::vector<MessageButton> answers;
  bool ready;
  Texts messages;
  int requests;
  const char* sentAfter = nullptr;  // the PC's word after the reply
};

void PrintTo(const StatusCase& c, std::ostream* os) { *os << c.name; }

class StatusCheckTest : public testing::TestWithParam<StatusCase> {};

TEST_P(StatusCheckTest, FailureRows) {
  const StatusCase& c = GetParam();
  SimulatorOptions options;
  for (std::size_t i = 0; i < c.faults.size(); ++i) {
    options.faults.push_back({RequestKind::kStatus, static_cast<int>(i) + 1, c.faults[i]});
  }
  LinkRig rig(options);
  Synchronise(rig);
  rig.host.prompts.answers.assign(c.answers.begin(), c.answers.end());
  EXPECT_EQ(rig.link().StatusCheck(), c.ready);
  EXPECT_EQ(rig.Texts(), c.messages);
  EXPECT_EQ(rig.CountHead("#CEPSR"), c.requests);
  if (c.sentAfter != nullptr) {
    EXPECT_EQ(rig.Heads().back(), c.sentAfter);
  }
  EXPECT_FALSE(rig.document.flags.errorFlag);
}

constexpr RadioFault kTimeOut = RadioFault::kNoReply;
const char* const kConfirm = "confirm the synchronization of the communication";

INSTANTIATE_TEST_SUITE_P(
    Rows, StatusCheckTest,
    testing::Values(
        StatusCase{"Ready", {}, {}, true, {}, 1, "#CMDOK"},
        StatusCase{"TimeOutsUseUpRetries", {kTimeOut, kTimeOut, kTimeOut}, {}, false, {}, 3},
        StatusCase{"TimeOutThenAnswer", {kTimeOut, kTimeOut}, {}, true, {}, 3},
        StatusCase{"ErrorRepliesAskForSync",
                   {RadioFault::kError, RadioFault::kError, RadioFault::kError},
                   {MessageButton::kCancel}, false, {kConfirm}, 3},
        StatusCase{"LowerCaseErrorResyncsForOneMoreAttempt",
                   {RadioFault::kLowerCaseError, RadioFault::kLowerCaseError,
                    RadioFault::kLowerCaseError},
                   {MessageButton::kOk}, true, {kConfirm}, 4},
        StatusCase{"OtherReplyWordFailsAtOnce", {RadioFault::kOtherWord}, {}, false, {}, 1},
        StatusCase{"LateCrFailsWithoutRetry", {RadioFault::kLateCr}, {}, false, {}, 1},
        StatusCase{"ReplyHeadMissing", {RadioFault::kNoFrame}, {}, false, {"time out!!"}, 1},
        StatusCase{"ReplyRestMissing", {RadioFault::kHeadOnly}, {}, false, {"time out!!"}, 1},
        StatusCase{"WrongHead", {RadioFault::kWrongHead}, {}, false, {}, 1, "#CMDUN"},
        StatusCase{"BadChecksum", {RadioFault::kBadChecksum}, {}, false, {}, 1, "#CMDSM"},
        StatusCase{"BusyRetried", {RadioFault::kBusy}, {MessageButton::kRetry}, true,
                   {"Radio is busy!!"}, 2, "#CMDOK"},
        StatusCase{"BusyCancelled", {RadioFault::kBusy}, {}, false, {"Radio is busy!!"}, 1}),
    [](const testing::TestParamInfo<StatusCase>& info) { return info.param.name; });

TEST(StatusCheckTest, BusyQuestionOffersRetryWithCancelAsDefault) {
  LinkRig rig(WithFaults({{RequestKind::kStatus, 1, RadioFault::kBusy}}));
  Synchronise(rig);
  rig.link().StatusCheck();
  ASSERT_EQ(rig.host.prompts.shown.size(), 1u);
  const Message& busy = rig.host.prompts.shown[0];
  EXPECT_EQ(busy.title, "Read from Radio");
  EXPECT_EQ(busy.buttons, MessageButtons::kRetryCancel);
  EXPECT_EQ(busy.defaultButton, MessageButton::kCancel);
  EXPECT_EQ(busy.icon, MessageIcon::kExclamation);
  EXPECT_EQ(rig.host.statusTexts, (Texts{"status check..", "status check.. NG!!"}));
}

TEST(StatusCheckTest, CancelWhileWaitingForReply) {
  LinkRig rig(WithFaults({{RequestKind::kStatus, 1, RadioFault::kNoFrame}}));
  Synchronise(rig);
  const std::int64_t start = rig.clock.NowMs();
  rig.CancelWhen([&] { return rig.clock.NowMs() >= start + 5000; });
  EXPECT_FALSE(rig.link().StatusCheck());
  EXPECT_EQ(rig.Texts(), Texts{"cancel!!"});
  EXPECT_LT(rig.clock.NowMs() - start, 6000);
}

struct ReadCase {
  const char* name;
  RadioFault fault;
  Texts messages;
  const char* sentAfter;
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

class ReadBlockTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadBlockTest, FailureRowsStoreNothing) {
  const ReadCase& c = GetParam();
  LinkRig rig(WithFaults({{RequestKind::kBlock, 1, c.fault}}));
  Synchronise(rig);
  std::vector<std::uint8_t> buffer(8192, 0);
  rig.link().ReadBlock(buffer, 0x0100, 16);
  EXPECT_TRUE(rig.document.flags.errorFlag);
  EXPECT_EQ(rig.Texts(), c.messages);
  EXPECT_EQ(rig.Heads().back(), c.sentAfter);
  EXPECT_EQ(buffer, std::vector<std::uint8_t>(8192, 0));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ReadBlockTest,
    testing::Values(ReadCase{"HeadMissing", RadioFault::kNoFrame, {"time out!!"}, "#CEPRD"},
                    ReadCase{"WrongHead", RadioFault::kWrongHead, {}, "#CMDER"},
                    ReadCase{"RestMissing", RadioFault::kHeadOnly, {"time out!!"}, "#CEPRD"},
                    ReadCase{"BadChecksum", RadioFault::kBadChecksum, {}, "#CMDSM"},
                    ReadCase{"WrongAddress", RadioFault::kWrongAddress, {"address error!!"}, "#CEPRD"},
                    ReadCase{"WrongLength", RadioFault::kWrongLength, {"data error!!"}, "#CEPRD"},
                    ReadCase{"OneDigitTooMany", RadioFault::kExtraDigit, {"data error!!"}, "#CEPRD"},
                    ReadCase{"OtherReplyWord", RadioFault::kOtherWord, {}, "#CEPRD"}),
    [](const testing::TestParamInfo<ReadCase>& info) { return info.param.name; });

TEST(ReadBlockTest, LowerCaseHexIsAccepted) {
  SimulatorOptions options;
  options.lowerCaseHex = true;
  std::vector<std::uint8_t> memory(8192, 0xFF);
  for (int i = 0; i < 16; ++i) memory[0x0100 + i] = static_cast<std::uint8_t>(0xA0 + i);
  LinkRig rig(options, memory);
  Synchronise(rig);
  std::vector<std::uint8_t> buffer(8192, 0);
  rig.link().ReadBlock(buffer, 0x0100, 16);
  EXPECT_FALSE(rig.document.flags.errorFlag);
  EXPECT_TRUE(std::equal(buffer.begin() + 0x0100, buffer.begin() + 0x0110, memory.begin() + 0x0100));
  EXPECT_EQ(rig.Heads().back(), "#CMDOK");
}

TEST(ReadBlockTest, CancelWhileWaitingForDataHeadOrRest) {
  struct Case {
    RadioFault fault;
    Texts messages;
  };
  for (const Case& c : {Case{RadioFault::kNoFrame, {"cancel!!"}}, Case{RadioFault::kHeadOnly, {}}}) {
    LinkRig rig(WithFaults({{RequestKind::kBlock, 1, c.fault}}));
    Synchronise(rig);
    const std::int64_t start = rig.clock.NowMs();
    rig.CancelWhen([&] { return rig.clock.NowMs() >= start + 3000; });
    std::vector<std::uint8_t> buffer(8192, 0);
    rig.link().ReadBlock(buffer, 0x0100, 16);
    EXPECT_TRUE(rig.document.flags.errorFlag);
    EXPECT_TRUE(rig.document.flags.cancelFlag);
    EXPECT_EQ(rig.Texts(), c.messages);
  }
}

TEST(ReadBlockTest, ErrorRepliesThenSyncGrantsOneMoreAttempt) {
  LinkRig rig(WithFaults({{RequestKind::kBlock, 1, RadioFault::kError},
                          {RequestKind::kBlock, 2, RadioFault::kError},
                          {RequestKind::kBlock, 3, RadioFault::kError},
                          {RequestKind::kBlock, 4, RadioFault::kError}}));
  Synchronise(rig);
  rig.host.prompts.answers = {MessageButton::kOk, MessageButton::kOk};
  std::vector<std::uint8_t> buffer(8192, 0);
  rig.link().ReadBlock(buffer, 0x0020, 7);
  EXPECT_FALSE(rig.document.flags.errorFlag);
  EXPECT_EQ(rig.Texts(), (Texts{kConfirm, kConfirm}));
  EXPECT_EQ(rig.CountHead("#CEPRD"), 5);
  EXPECT_EQ(rig.CountHead("#CMDSY"), 2 + 2 + 2);
  EXPECT_EQ(buffer[0x0020], 'Q');
}

TEST(WriteBlockTest, WritesImageBytesAndClearsErrorFlag) {
  LinkRig rig(WithFaults({{RequestKind::kBlock, 1, RadioFault::kNoReply}}));
  Synchronise(rig);
  for (int i = 0; i < 16; ++i) rig.document.image[0x0500 + i] = static_cast<std::uint8_t>(i);
  rig.link().WriteBlock(0x0500, 16);
  EXPECT_FALSE(rig.document.flags.errorFlag);
  EXPECT_EQ(rig.CountHead("#CEPWR"), 2);
  EXPECT_EQ(rig.link().WritesSent(), 1);  // the request, not its attempts
  EXPECT_TRUE(std::equal(rig.radio.Memory().begin() + 0x0500, rig.radio.Memory().begin() + 0x0510,
                         rig.document.image.Bytes().begin() + 0x0500));
}

// A block that does not lie inside its buffer or image is neither asked for nor stored.
TEST(BlockBoundsTest, BlocksOutsideTheBufferFailUnasked) {
  struct Case {
    int address;
    int length;
  };
  const Case cases[] = {{0x1FF8, 16}, {0x2000, 1}, {-16, 16}, {0x0100, -1}};
  for (const Case& c : cases) {
    LinkRig rig;
    Synchronise(rig);
    const std::size_t requests = rig.radio.Requests().size();
    std::vector<std::uint8_t> buffer(8192, 0);
    rig.link().ReadBlock(buffer, c.address, c.length);
    EXPECT_TRUE(rig.document.flags.errorFlag) << c.address;
    EXPECT_EQ(buffer, std::vector<std::uint8_t>(8192, 0));
    rig.document.flags.errorFlag = false;
    rig.link().WriteBlock(c.address, c.length);
    EXPECT_TRUE(rig.document.flags.errorFlag) << c.address;
    EXPECT_EQ(rig.radio.Requests().size(), requests);
    EXPECT_EQ(rig.link().WritesSent(), 0);
  }
}

TEST(CancelTransferTest, SendsCanWaitsForAckAndSetsCancelFlag) {
  LinkRig rig;
  Synchronise(rig);
  rig.link().CancelTransfer();
  EXPECT_EQ(rig.Heads().back(), "CAN");
  EXPECT_TRUE(rig.document.flags.cancelFlag);
  EXPECT_EQ(rig.port.BytesWaiting(), 0);  // the ACK was taken
}

}  // namespace
}  // namespace kol::test
