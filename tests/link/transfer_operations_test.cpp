// The read, program and clear operations against the simulated radio: what reaches the
// radio, what the document holds afterwards, and every failure the operations report.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <utility>

#include "link/memory_plan.h"
#include "link_rig.h"
#include "model/image_codec.h"

namespace kol::test {
namespace {

using Shown = std::vector<std::pair<std::string, std::string>>;  // title, text

std::vector<std::uint8_t> Pattern() {
  std::vector<std::uint8_t> memory(8192);
  for (std::size_t i = 0; i < memory.size(); ++i) {
    memory[i] = static_cast<std::uint8_t>(i * 37 + 11);
  }
  return memory;
}

Shown ShownMessages(const LinkRig& rig) {
  Shown shown;
  for (const Message& m : rig.host.prompts.shown) shown.emplace_back(m.title, m.text);
  return shown;
}

std::vector<RadioRequest> Writes(const LinkRig& rig) {
  std::vector<RadioRequest> writes;
  for (const RadioRequest& r : rig.radio.Requests()) {
    if (r.head == "#CEPWR") writes.push_back(r);
  }
  return writes;
}

SettingsModel Decoded(const Document& document) {
  SettingsModel model;
  for (int group = 0; group < 3; ++group) BuildChannelPlan(group, model.group[group]);
  BuildWeatherPlan(model.weather);
  DecodeImage(document.image, document.profile, model);
  return model;
}

TEST(ReadOperationTest, CopiesThePlanIntoTheImageAndDecodes) {
  LinkRig rig({}, Pattern());
  const RadioImage before = rig.document.image;
  EXPECT_TRUE(rig.operations.Start());
  EXPECT_TRUE(rig.context.completed);
  EXPECT_EQ(ShownMessages(rig), (Shown{{"Read from Radio", "Complete!!"}}));
  EXPECT_EQ(rig.CountHead("#CEPRD"), 3 + 190);
  int wrong = 0;
  for (int i = 0; i < 8192; ++i) {
    const bool taken = memory_plan::IsReadBlock(i - i % 16) && memory_plan::IsCopiedAfterRead(i);
    wrong += rig.document.image[i] != (taken ? rig.radio.Memory()[i] : before[i]);
  }
  EXPECT_EQ(wrong, 0);
  EXPECT_EQ(rig.document.model, Decoded(rig.document));
  // The backup holds what the radio sent, the identifier and Group3 block included.
  const std::vector<std::uint8_t>& received = rig.operations.ReceivedImage();
  EXPECT_EQ(received[0x0000], rig.radio.Memory()[0x0000]);
  EXPECT_EQ(received[0x0400], rig.radio.Memory()[0x0400]);
  EXPECT_EQ(received[0x0090], before[0x0090]);
  // The last block shows 100; the dialog then resets the bar.
  ASSERT_GE(rig.host.progress.size(), 2u);
  EXPECT_EQ(rig.host.progress[rig.host.progress.size() - 2], 100);
  EXPECT_EQ(rig.host.progress.back(), 0);
  EXPECT_FALSE(rig.document.flags.updateLock);
  EXPECT_FALSE(rig.host.busy);
}

struct FailureCase {
  const char* name;
  std::function<void(SimulatorOptions&)> radio;
  bool debugMode;
  Shown messages;
  bool dialogCloses;
  std::function<void(LinkRig&)> prepare = nullptr;
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

class ReadFailureTest : public testing::TestWithParam<FailureCase> {};

TEST_P(ReadFailureTest, LeavesImageAndModelUnchanged) {
  const FailureCase& c = GetParam();
  SimulatorOptions options;
  c.radio(options);
  LinkRig rig(options, Pattern());
  rig.document.flags.debugMode = c.debugMode;
  if (c.prepare) c.prepare(rig);
  const RadioImage image = rig.document.image;
  const SettingsModel model = rig.document.model;
  EXPECT_EQ(rig.operations.Start(), c.dialogCloses);
  EXPECT_EQ(ShownMessages(rig), c.messages);
  EXPECT_FALSE(rig.context.completed);
  EXPECT_TRUE(rig.document.image == image);
  EXPECT_TRUE(rig.document.model == model);
  EXPECT_FALSE(rig.host.busy);
}

void Fault(SimulatorOptions& options, RequestKind kind, int number, RadioFault fault) {
  options.faults.push_back({kind, number, fault});
}

// Every attempt of the first status check goes unanswered.
void StatusUnanswered(SimulatorOptions& options) {
  for (int n = 1; n <= kDefaultRetryCount; ++n) {
    Fault(options, RequestKind::kStatus, n, RadioFault::kNoReply);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ReadFailureTest,
    testing::Values(
        FailureCase{"StatusCheckFailed", StatusUnanswered, true,
                    {{"Read from Radio", "Radio not ready!!"}}, true},
        FailureCase{"ModelCodeUnreadable",
                    [](SimulatorOptions& o) {
                      Fault(o, RequestKind::kBlock, 2, RadioFault::kNoFrame);
                    },
                    true,
                    {{"Read from Radio", "time out!!"}, {"Model Check", "Communication Error!!"}},
                    false},
        FailureCase{"ModelCodeWrong", [](SimulatorOptions& o) { o.wrongModel = true; }, true,
                    {{"Read from Radio", "ModelType Error !!"}}, false},
        FailureCase{"ModelCodeEndsDiffer", [](SimulatorOptions&) {}, true,
                    {{"Read from Radio", "ModelType Error !!"}}, false,
                    [](LinkRig& rig) { rig.radio.Memory()[0x1FFF] = 0xE5; }},
        FailureCase{"ProductCodeUnreadable",
                    [](SimulatorOptions& o) {
                      Fault(o, RequestKind::kBlock, 3, RadioFault::kWrongHead);
                    },
                    true, {{"Model Check", "Communication Error!!"}}, false},
        FailureCase{"ProductCodeSeventhByte",
                    [](SimulatorOptions& o) { o.wrongProduct = true; }, true,
                    {{"Product Code Error!", "address: 0x26 -> 0x0"},
                     {"Read from Radio", "ModelType Error !!"}},
                    false},
        FailureCase{"ProductCodeWrongOutsideDebugMode",
                    [](SimulatorOptions& o) { o.wrongProduct = true; }, false,
                    {{"Read from Radio", "ModelType Error !!"}}, false},
        FailureCase{"BlockFailed",
                    [](SimulatorOptions& o) {
                      Fault(o, RequestKind::kBlock, 50, RadioFault::kWrongAddress);
                    },
                    true,
                    {{"Read from Radio", "address error!!"},
                     {"Read from Radio", "Communication Error!!"}},
                    false},
        FailureCase{"CablePulled", [](SimulatorOptions& o) { o.silentFromBlock = 100; }, true,
                    {{"Read from Radio", "Communication Error!!"}}, false}),
    [](const testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

class ReadCancelTest : public testing::TestWithParam<int> {};

TEST_P(ReadCancelTest, CancelAtAnyBlockLeavesDocumentAndSignalsRadio) {
  LinkRig rig({}, Pattern());
  const int block = GetParam();
  rig.CancelWhen([&] { return rig.CountHead("#CEPRD") >= 3 + block; });
  const RadioImage image = rig.document.image;
  const SettingsModel model = rig.document.model;
  EXPECT_FALSE(rig.operations.Start());
  EXPECT_TRUE(rig.host.prompts.shown.empty());
  EXPECT_EQ(rig.CountHead("#CEPRD"), 3 + block);
  EXPECT_EQ(rig.Heads().back(), "CAN");
  EXPECT_FALSE(rig.context.completed);
  EXPECT_TRUE(rig.document.image == image);
  EXPECT_TRUE(rig.document.model == model);
}

INSTANTIATE_TEST_SUITE_P(Blocks, ReadCancelTest, testing::Values(1, 2, 95, 190));

// The read behind a backup and a verify: the radio's bytes in a buffer, the document left
// alone, and the update lock released however the read ended.
TEST(ReadRadioTest, FillsTheBufferAndLeavesTheDocument) {
  for (const bool ready : {true, false}) {
    SimulatorOptions options;
    if (!ready) StatusUnanswered(options);
    LinkRig rig(options, Pattern());
    const RadioImage image = rig.document.image;
    std::vector<std::uint8_t> buffer;
    EXPECT_EQ(rig.operations.ReadRadio(buffer), ready);
    EXPECT_TRUE(rig.operations.LinkUp());
    EXPECT_FALSE(rig.document.flags.updateLock);
    EXPECT_TRUE(rig.document.image == image);
    ASSERT_EQ(buffer.size(), 8192u);
    EXPECT_EQ(buffer[0x0100], ready ? rig.radio.Memory()[0x0100] : image[0x0100]);
    EXPECT_EQ(rig.CountHead("CAN"), 0);
  }
}

// Once the link is up, a radio that stops answering is told from the third second of
// silence on, each second, across the retries of the request; an answer ends it.
TEST(ReadOperationTest, SilenceOfTheRadioIsToldEachSecond) {
  struct Case {
    const char* name;
    SimulatorOptions radio;
    int lastSecond;  // told before the read ended or the radio answered
    bool answeredAgain;
  };
  const Case cases[] = {
      // Three attempts of ten seconds: the block fails after half a minute.
      {"cable pulled", {.silentFromBlock = 3 + 40}, 30, false},
      // One attempt goes unanswered, its retry is answered.
      {"one request lost", {.faults = {{RequestKind::kBlock, 3 + 40, RadioFault::kNoReply}}}, 10,
       true},
  };
  for (const Case& c : cases) {
    LinkRig rig(c.radio, Pattern());
    rig.operations.Start();
    std::vector<int> expected;
    for (int second = 3; second <= c.lastSecond; ++second) expected.push_back(second);
    if (c.answeredAgain) expected.push_back(0);
    EXPECT_EQ(rig.host.silences, expected) << c.name;
    EXPECT_EQ(rig.context.completed, c.answeredAgain) << c.name;
  }
}

// A document whose image holds the pattern and whose model was decoded from it.
void LoadPattern(LinkRig& rig) {
  const std::vector<std::uint8_t> pattern = Pattern();
  std::copy(pattern.begin(), pattern.end(), rig.document.image.Bytes().begin());
  rig.document.image.WriteCh15(0, kBuiltInModelIdentifier);
  rig.document.image.WriteCh15(8190, kBuiltInModelIdentifier);
  rig.document.model = Decoded(rig.document);
  rig.context.operation = Operation::kProgram;
}

TEST(ProgramOperationTest, WritesSingleBytesFirstThenTheBlocks) {
  LinkRig rig;
  LoadPattern(rig);
  const std::vector<std::uint8_t> radioBefore = rig.radio.Memory();
  EXPECT_TRUE(rig.operations.Start());
  EXPECT_TRUE(rig.context.completed);
  EXPECT_EQ(ShownMessages(rig), (Shown{{"Program to Radio", "Complete!!"}}));
  const std::vector<RadioRequest> writes = Writes(rig);
  ASSERT_EQ(writes.size(), 201u);
  int last = -1;
  for (std::size_t i = 0; i < writes.size(); ++i) {
    EXPECT_EQ(writes[i].length, i < 14 ? 1 : 16) << i;
    EXPECT_GT(writes[i].address, last);
    EXPECT_FALSE(writes[i].address >= 0x0040 && writes[i].address < 0x0050);
    last = writes[i].address;
  }
  EXPECT_EQ(writes[0].address, 0x0002);
  // The radio keeps its product code although the image holds other bytes there.
  const auto isProductCode = [](int i) { return i >= 0x0020 && i < 0x0027; };
  for (int i = 0; i < 8192; ++i) {
    const bool written = memory_plan::IsProgrammed(i) && !isProductCode(i);
    ASSERT_EQ(rig.radio.Memory()[i], written ? rig.document.image[i] : radioBefore[i]) << i;
  }
  EXPECT_EQ(writes[1].address, 0x0003);
  EXPECT_NE(rig.document.image[0x0020], 'Q');
}

// Every session checks the product code first: whatever an image holds there, the radio
// gets back the code it reported, is told so, and is known again by the next session.
TEST(ProgramOperationTest, NeverOverwritesTheRadiosProductCode) {
  std::mt19937 random(20240613);
  for (const bool foreign : {true, false}) {
    LinkRig rig;
    LoadPattern(rig);
    const auto code = rig.document.image.Bytes().subspan(image_map::kProductCode, 7);
    if (foreign) {
      for (std::uint8_t& byte : code) byte = static_cast<std::uint8_t>(random());
    } else {
      std::copy(image_map::kProductCodeBytes.begin(), image_map::kProductCodeBytes.end(),
                code.begin());
    }
    const std::vector<std::uint8_t> imageCode(code.begin(), code.end());
    EXPECT_TRUE(rig.operations.Start());
    EXPECT_EQ(rig.operations.LastProgram().keptProductCode, foreign);
    const std::vector<RadioRequest> writes = Writes(rig);
    const auto block = std::find_if(writes.begin(), writes.end(),
                                    [](const RadioRequest& r) { return r.address == 0x0020; });
    ASSERT_NE(block, writes.end());
    EXPECT_TRUE(std::equal(image_map::kProductCodeBytes.begin(),
                           image_map::kProductCodeBytes.end(), block->data.begin()));
    // The document's image stays as encoded.
    EXPECT_TRUE(std::equal(code.begin(), code.end(), imageCode.begin()));

    rig.context.operation = Operation::kRead;
    rig.host.prompts.shown.clear();
    EXPECT_TRUE(rig.operations.Start());
    EXPECT_EQ(ShownMessages(rig), (Shown{{"Read from Radio", "Complete!!"}}));
  }
}

TEST(ProgramOperationTest, Failures) {
  struct Case {
    const char* name;
    int failingBlock;  // block requests 1-3 are the identity reads
    int writesSent;
  };
  const Case cases[] = {
      {"block", 3 + 30, 30},
      // A refused single byte fails the run although the bytes after it went through.
      {"single byte", 3 + 3, 14},
  };
  for (const Case& c : cases) {
    SimulatorOptions options;
    Fault(options, RequestKind::kBlock, c.failingBlock, RadioFault::kOtherWord);
    LinkRig rig(options);
    LoadPattern(rig);
    EXPECT_FALSE(rig.operations.Start()) << c.name;
    EXPECT_EQ(ShownMessages(rig), (Shown{{"Program to Radio", "Communication Error!!"}})) << c.name;
    EXPECT_EQ(Writes(rig).size(), static_cast<std::size_t>(c.writesSent)) << c.name;
    EXPECT_EQ(rig.link().WritesSent(), c.writesSent) << c.name;
    EXPECT_FALSE(rig.context.completed);
  }
}

// Programming with its read-back is one operation with one result: what went out, whether
// the radio holds it, and where it does not.
TEST(ProgramOperationTest, ResultOfAVerifiedRun) {
  struct Case {
    const char* name;
    std::function<void(SimulatorOptions&)> radio;
    bool verify;
    bool closes;
    bool programmed;
    bool verified;
    int differenceAt;  // -1: none
    int writesSent;
    Shown messages;
  };
  // Block requests: 3 identity reads, 201 writes, then the read-back's 3 + 190 reads.
  const Case cases[] = {
      {"verified", [](SimulatorOptions&) {}, true, true, true, true, -1, 201,
       {{"Program to Radio", "Complete!!"}}},
      {"not verified", [](SimulatorOptions&) {}, false, true, true, false, -1, 201,
       {{"Program to Radio", "Complete!!"}}},
      // The 18th request writes the block at 0x0010, after the fourteen single bytes.
      {"write lost",
       [](SimulatorOptions& o) { Fault(o, RequestKind::kBlock, 3 + 14 + 1, RadioFault::kLostWrite); },
       true, false, true, false, 0x0010, 201, {}},
      {"read-back fails", [](SimulatorOptions& o) { o.silentFromBlock = 3 + 201 + 3 + 20; }, true,
       false, true, false, -1, 201, {{"Read from Radio", "Communication Error!!"}}},
      {"another model", [](SimulatorOptions& o) { o.wrongModel = true; }, true, false, false,
       false, -1, 0, {{"Read from Radio", "ModelType Error !!"}}},
  };
  for (const Case& c : cases) {
    SimulatorOptions options;
    c.radio(options);
    LinkRig rig(options);
    LoadPattern(rig);
    rig.context.verify = c.verify;
    EXPECT_EQ(rig.operations.Start(), c.closes) << c.name;
    const ProgramResult& result = rig.operations.LastProgram();
    EXPECT_EQ(result.programmed, c.programmed) << c.name;
    EXPECT_EQ(result.verified, c.verified) << c.name;
    EXPECT_EQ(rig.context.completed, c.programmed && (c.verified || !c.verify)) << c.name;
    EXPECT_EQ(result.writesSent, c.writesSent) << c.name;
    EXPECT_EQ(ShownMessages(rig), c.messages) << c.name;  // "Complete!!" once it is verified
    EXPECT_EQ(rig.host.readBacks, c.verify && c.programmed ? 1 : 0) << c.name;
    EXPECT_EQ(result.difference.has_value(), c.differenceAt >= 0) << c.name;
    if (result.difference) {
      EXPECT_EQ(result.difference->address, c.differenceAt) << c.name;
      EXPECT_EQ(result.difference->radio, rig.radio.Memory()[c.differenceAt]) << c.name;
      EXPECT_EQ(result.difference->sent, rig.document.image[c.differenceAt]) << c.name;
      EXPECT_NE(result.difference->radio, result.difference->sent) << c.name;
    }
  }
}

// A fleet programmed from one template: each radio keeps its user MMSI (with the byte
// that says it is set) and its ATIS code as it holds them when the rule says so, and the
// read-back compares with what was sent.
TEST(ProgramOperationTest, TheIdentityRuleKeepsTheRadiosOwnMmsiAndAtisCode) {
  const std::vector<std::uint8_t> radioMmsi = {0x36, 0x61, 0x23, 0x45, 0x60, 0x01};
  const std::vector<std::uint8_t> radioAtis = {0x92, 0x11, 0x23, 0x45, 0x67};
  struct Case {
    IdentityRule rule;
    int extraReads;
  };
  const Case cases[] = {
      {{false, false, false}, 0},
      {{true, false, false}, 2},
      {{false, true, false}, 2},
      {{false, false, true}, 2},
      {{false, true, true}, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.rule.learn) + std::to_string(c.rule.keepUserMmsi) +
                 std::to_string(c.rule.keepAtisCode));
    std::vector<std::uint8_t> memory(8192, 0xFF);
    std::copy(radioMmsi.begin(), radioMmsi.end(), memory.begin() + 0x54);
    std::copy(radioAtis.begin(), radioAtis.end(), memory.begin() + 0x74);
    LinkRig rig({}, memory);
    LoadPattern(rig);
    rig.document.model.dscBasic.userMmsi = "211000001";
    rig.document.model.atis.atisCode = "9210000001";
    rig.context.verify = true;
    rig.context.identity = c.rule;
    EXPECT_TRUE(rig.operations.Start());
    const ProgramResult& result = rig.operations.LastProgram();
    EXPECT_TRUE(result.verified);
    EXPECT_EQ(rig.CountHead("#CEPRD"), 3 + c.extraReads + 3 + 190);
    EXPECT_EQ(result.radioBefore.productCode, "QT512N");
    EXPECT_EQ(result.radioBefore.userMmsi, c.rule.Reads() ? "366123456" : "");
    EXPECT_EQ(result.radioBefore.atisCode, c.rule.Reads() ? "9211234567" : "");
    const auto held = [&](int offset, std::size_t length) {
      return std::vector<std::uint8_t>(rig.radio.Memory().begin() + offset,
                                       rig.radio.Memory().begin() + offset + static_cast<int>(length));
    };
    const std::vector<std::uint8_t> documentMmsi = {0x21, 0x10, 0x00, 0x00, 0x10, 0x01};
    const std::vector<std::uint8_t> documentAtis = {0x92, 0x10, 0x00, 0x00, 0x01};
    EXPECT_EQ(held(0x54, 6), c.rule.keepUserMmsi ? radioMmsi : documentMmsi);
    EXPECT_EQ(held(0x74, 5), c.rule.keepAtisCode ? radioAtis : documentAtis);
    EXPECT_EQ(IdentityOf(result.sent).userMmsi, c.rule.keepUserMmsi ? "366123456" : "211000001");
    // Everything else is the template's.
    EXPECT_EQ(held(0x5A, 6), std::vector<std::uint8_t>(rig.document.image.Bytes().begin() + 0x5A,
                                                       rig.document.image.Bytes().begin() + 0x60));
  }
}

TEST(ProgramOperationTest, CancelStopsWithoutMessageOrCancelSignal) {
  LinkRig rig;
  LoadPattern(rig);
  rig.CancelWhen([&] { return rig.CountHead("#CEPWR") >= 50; });
  EXPECT_FALSE(rig.operations.Start());
  EXPECT_TRUE(rig.host.prompts.shown.empty());
  EXPECT_EQ(rig.CountHead("#CEPWR"), 50);
  EXPECT_EQ(rig.CountHead("CAN"), 0);
}

// A radio that answers every write "ERROR": the question comes when a request has used up
// its attempts, and Cancel stops the run there rather than asking again for the next byte.
TEST(ProgramOperationTest, CancelOnTheSynchronisationQuestionStopsTheRun) {
  for (const Operation operation :
       {Operation::kProgram, Operation::kClearMmsi, Operation::kClearCallLog}) {
    SimulatorOptions options;
    for (int n = 4; n < 400; ++n) Fault(options, RequestKind::kBlock, n, RadioFault::kError);
    LinkRig rig(options);
    LoadPattern(rig);
    rig.context.operation = operation;
    rig.host.prompts.answers = {MessageButton::kCancel};
    const RadioImage image = rig.document.image;
    EXPECT_FALSE(rig.operations.Start());
    EXPECT_EQ(rig.Texts(), std::vector<std::string>{"confirm the synchronization of the communication"});
    EXPECT_EQ(rig.link().WritesSent(), 1);
    EXPECT_EQ(rig.CountHead("#CEPWR"), kDefaultRetryCount);
    EXPECT_FALSE(rig.context.completed);
    if (operation != Operation::kProgram) {
      EXPECT_TRUE(rig.document.image == image);
    }
  }
}

struct MmsiRig : LinkRig {
  explicit MmsiRig(SimulatorOptions options = {}) : LinkRig(std::move(options)) {
    context.operation = Operation::kClearMmsi;
    document.image.WriteBcd10(image_map::kUserMmsi, "366123456", true);
    document.image[image_map::kUserMmsiPresent] = 1;
    document.model.dscBasic.userMmsi = "366123456";
  }
};

TEST(ClearMmsiTest, SendsSixSingleByteRequestsAndEmptiesTheMmsi) {
  MmsiRig rig;
  EXPECT_TRUE(rig.operations.Start());
  EXPECT_TRUE(rig.context.completed);
  EXPECT_EQ(ShownMessages(rig), (Shown{{"Clear MMSI Data", "Complete!!"}}));
  const std::vector<RadioRequest> writes = Writes(rig);
  ASSERT_EQ(writes.size(), 6u);
  const std::uint8_t expected[] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(writes[i].address, 0x0054 + i);
    EXPECT_EQ(writes[i].data, std::vector<std::uint8_t>{expected[i]});
  }
  EXPECT_EQ(rig.document.model.dscBasic.userMmsi, "");
  EXPECT_EQ(rig.host.progress[rig.host.progress.size() - 2], 100);
}

TEST(ClearMmsiTest, FailureRestoresTheSixBytes) {
  SimulatorOptions options;
  Fault(options, RequestKind::kBlock, 3 + 1, RadioFault::kOtherWord);
  MmsiRig rig(options);
  const RadioImage image = rig.document.image;
  EXPECT_FALSE(rig.operations.Start());
  EXPECT_EQ(ShownMessages(rig), (Shown{{"Clear Data", "Communication Error!!"}}));
  EXPECT_EQ(rig.host.prompts.shown[0].explanation,
            "The radio did not answer as expected. Check the cable and that the radio shows PC "
            "CONTROL, then try again.");
  EXPECT_EQ(Writes(rig).size(), 6u);
  EXPECT_TRUE(rig.document.image == image);
  EXPECT_EQ(rig.document.model.dscBasic.userMmsi, "366123456");
}

// Each byte's request clears the cancel flag, so the bytes after a cancelled one would
// otherwise go out and the clear would end as if it had succeeded.
TEST(ClearMmsiTest, CancelStopsAtTheByteAndRestores) {
  MmsiRig rig;
  const RadioImage image = rig.document.image;
  rig.CancelWhen([&] { return rig.CountHead("#CEPWR") >= 2; });
  EXPECT_FALSE(rig.operations.Start());
  EXPECT_TRUE(rig.host.prompts.shown.empty());
  EXPECT_EQ(Writes(rig).size(), 2u);
  EXPECT_FALSE(rig.context.completed);
  EXPECT_TRUE(rig.document.image == image);
  EXPECT_EQ(rig.document.model.dscBasic.userMmsi, "366123456");
}

struct LogCase {
  const char* name;
  Operation operation;
  image_map::Area area;
};

class ClearLogTest : public testing::TestWithParam<LogCase> {};

TEST_P(ClearLogTest, ClearsTheAreaOnTheRadio) {
  const LogCase& c = GetParam();
  LinkRig rig({}, Pattern());
  rig.context.operation = c.operation;
  const std::vector<std::uint8_t> radioBefore = rig.radio.Memory();
  EXPECT_TRUE(rig.operations.Start());
  EXPECT_TRUE(rig.context.completed);
  EXPECT_EQ(rig.CountHead("#CEPWR"), c.area.length / 16);
  for (int i = 0; i < 8192; ++i) {
    const bool inArea = i >= c.area.offset && i < c.area.offset + c.area.length;
    ASSERT_EQ(rig.radio.Memory()[i], inArea ? 0xFF : radioBefore[i]) << i;
    ASSERT_EQ(rig.document.image[i], 0xFF) << i;
  }
}

TEST_P(ClearLogTest, FailureOrCancelRestoresTheImage) {
  const LogCase& c = GetParam();
  for (const bool cancel : {false, true}) {
    SimulatorOptions options;
    if (!cancel) options.silentFromBlock = 3 + 5;
    LinkRig rig(options);
    rig.context.operation = c.operation;
    if (cancel) rig.CancelWhen([&] { return rig.CountHead("#CEPWR") >= 5; });
    const std::vector<std::uint8_t> pattern = Pattern();
    std::copy(pattern.begin(), pattern.end(), rig.document.image.Bytes().begin());
    const RadioImage image = rig.document.image;
    EXPECT_FALSE(rig.operations.Start());
    const Shown expected = cancel ? Shown{} : Shown{{"Program to Radio", "Communication Error!!"}};
    EXPECT_EQ(ShownMessages(rig), expected);
    EXPECT_TRUE(rig.document.image == image);
    EXPECT_FALSE(rig.context.completed);
    EXPECT_EQ(rig.CountHead("CAN"), 0);
  }
}

INSTANTIATE_TEST_SUITE_P(Areas, ClearLogTest,
                         testing::Values(
                             LogCase{"Dsc", Operation::kClearDscLog, image_map::kDscLog},
                             LogCase{"Distress", Operation::kClearDistressLog,
                                     image_map::kDistressLog},
                             LogCase{"Call", Operation::kClearCallLog, image_map::kCallLog}),
                         [](const auto& info) { return std::string(info.param.name); });

// The serial adapter is pulled out in the middle of an operation: the operation fails at
// once with its own message, rather than after time-outs, and the port's failure is logged
// once under the operation's name in debug mode.
struct UnplugCase {
  const char* name;
  Operation operation;
  const char* head;  // unplugged once the radio has received this many requests of the head
  int count;
  const char* procedure;
  std::pair<std::string, std::string> message;  // title, text
};

void PrintTo(const UnplugCase& c, std::ostream* os) { *os << c.name; }

class UnplugTest : public testing::TestWithParam<UnplugCase> {};

TEST_P(UnplugTest, FailsAtOnceAndLogsUnderTheOperation) {
  const UnplugCase& c = GetParam();
  for (const bool debugMode : {true, false}) {
    LinkRig rig({}, Pattern());
    rig.document.flags.debugMode = debugMode;
    rig.context.operation = c.operation;
    std::int64_t unpluggedAt = -1;
    rig.host.onEvents = [&] {
      if (unpluggedAt < 0 && rig.CountHead(c.head) >= c.count) {
        rig.port.Unplug();
        unpluggedAt = rig.clock.NowMs();
      }
    };
    EXPECT_FALSE(rig.operations.Start());
    ASSERT_GE(unpluggedAt, 0);
    EXPECT_EQ(ShownMessages(rig), Shown{c.message});
    EXPECT_LT(rig.clock.NowMs() - unpluggedAt, 10'000);
    EXPECT_FALSE(rig.context.completed);
    ASSERT_TRUE(rig.link().LastPortFailure().has_value());
    EXPECT_FALSE(rig.link().LastPortFailure()->opening);
    if (!debugMode) {
      EXPECT_TRUE(rig.errorLog.lines.empty());
      continue;
    }
    ASSERT_EQ(rig.errorLog.lines.size(), 1u);
    EXPECT_EQ(rig.errorLog.lines[0].procedure, c.procedure);
    EXPECT_EQ(rig.errorLog.lines[0].message, "5Input/output error");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Operations, UnplugTest,
    testing::Values(
        UnplugCase{"ModelCheck", Operation::kRead, "#CEPRD", 1, "frmRadio.ReadDataChkModel",
                   {"Model Check", "Communication Error!!"}},
        UnplugCase{"ProductCheck", Operation::kRead, "#CEPRD", 3, "frmRadio.ReadDataChkProduct",
                   {"Model Check", "Communication Error!!"}},
        UnplugCase{"Read", Operation::kRead, "#CEPRD", 3 + 40, "frmRadio.ReadData",
                   {"Read from Radio", "Communication Error!!"}},
        UnplugCase{"Program", Operation::kProgram, "#CEPWR", 30, "frmRadio.WriteData",
                   {"Program to Radio", "Communication Error!!"}},
        // The bytes after the first failed one still go out, and fail at once too.
        UnplugCase{"ClearMmsi", Operation::kClearMmsi, "#CEPWR", 2, "frmRadio.ClearData",
                   {"Clear Data", "Communication Error!!"}},
        UnplugCase{"ClearDscLog", Operation::kClearDscLog, "#CEPWR", 10, "frmRadio.ClearDataDsc",
                   {"Program to Radio", "Communication Error!!"}},
        UnplugCase{"ClearDistressLog", Operation::kClearDistressLog, "#CEPWR", 10,
                   "frmRadio.ClearDataDistress", {"Program to Radio", "Communication Error!!"}},
        UnplugCase{"ClearCallLog", Operation::kClearCallLog, "#CEPWR", 10,
                   "frmRadio.ClearDataCallLog", {"Program to Radio", "Communication Error!!"}}),
    [](const testing::TestParamInfo<UnplugCase>& info) { return info.param.name; });

}  // namespace
}  // namespace kol::test
