// The identity checks and the block operations that walk the memory plan.
#include <algorithm>

#include "link/frame.h"
#include "link/memory_plan.h"
#include "link/transfer_operations.h"

namespace kol {
namespace {

constexpr int kSettlePauseMs = 500;
constexpr const char* kCommunicationError = "Communication Error!!";
constexpr const char* kModelTypeError = "ModelType Error !!";
constexpr const char* kModelCheckTitle = "Model Check";
constexpr const char* kReadTitle = "Read from Radio";
constexpr const char* kProgramTitle = "Program to Radio";

}  // namespace

// A port that cannot be opened ends a check or block operation without a message, with
// the error flag set, so that no driver reports an operation as complete that never
// reached the radio.
bool TransferOperations::OpenPort() {
  if (link_.PortOpen()) return true;
  link_.Flags().errorFlag = true;
  return false;
}

void TransferOperations::ReadDataChkModel() {
  const Link::ProcedureScope scope(link_, "frmRadio.ReadDataChkModel");
  AppFlags& flags = link_.Flags();
  const Document& document = link_.Doc();
  if (!OpenPort()) return;
  link_.Status("model check...");
  const int upperBound = document.image.UpperBound();
  RadioImage buffer(upperBound);
  const int first = image_map::kModelIdentifier;
  const int second =
      document.profile.IsBuiltIn() ? image_map::TrailingModelIdentifier(upperBound) : first;
  link_.ReadBlock(buffer.Bytes(), first, 2);
  if (!flags.errorFlag) link_.ReadBlock(buffer.Bytes(), second, 2);
  if (flags.cancelFlag) return;
  if (flags.errorFlag) {
    link_.Critical(kCommunicationError, kModelCheckTitle);
    return;
  }
  const int code = buffer.ReadCh15(first);
  if (code != buffer.ReadCh15(second) || !document.profile.IsBuiltIn() ||
      code != document.profile.modelIdentifier) {
    flags.errorFlag = true;
    link_.Critical(kModelTypeError, kReadTitle);
  }
}

void TransferOperations::ReadDataChkProduct() {
  const Link::ProcedureScope scope(link_, "frmRadio.ReadDataChkProduct");
  AppFlags& flags = link_.Flags();
  if (!OpenPort()) return;
  link_.Status("product-code check...");
  RadioImage buffer(link_.Doc().image.UpperBound());
  link_.ReadBlock(buffer.Bytes(), image_map::kProductCode, image_map::kProductCodeLength);
  if (flags.cancelFlag) return;
  if (flags.errorFlag) {
    link_.Critical(kCommunicationError, kModelCheckTitle);
    return;
  }
  const auto reported = buffer.Bytes().subspan(image_map::kProductCode, radioProductCode_.size());
  std::copy(reported.begin(), reported.end(), radioProductCode_.begin());
  for (int i = 0; i < image_map::kProductCodeLength; ++i) {
    const int address = image_map::kProductCode + i;
    if (buffer[address] == image_map::kProductCodeBytes[i]) continue;
    if (flags.debugMode) {
      link_.Critical("address: 0x" + HexNumber(address) + " -> 0x" + HexNumber(buffer[address]),
                     "Product Code Error!");
    }
    flags.errorFlag = true;
    link_.Critical(kModelTypeError, kReadTitle);
    return;
  }
}

// Within the check of who the radio is, on the port the product check opened.
void TransferOperations::ReadRadioIdentity(RadioImage& buffer) {
  const Link::ProcedureScope scope(link_, "frmRadio.ReadDataChkProduct");
  AppFlags& flags = link_.Flags();
  if (!OpenPort()) return;
  link_.Status("identity check...");
  for (const image_map::Area& area : {image_map::kUserMmsiBytes, image_map::kAtisCodeBytes}) {
    link_.ReadBlock(buffer.Bytes(), area.offset, area.length);
    if (flags.errorFlag || flags.cancelFlag) break;
  }
  if (!flags.cancelFlag && flags.errorFlag) link_.Critical(kCommunicationError, kModelCheckTitle);
}

void TransferOperations::WalkBlocks(int upperBound, int (*progress)(int, int), bool letEventsRun,
                                    const std::function<void(int)>& step) {
  const AppFlags& flags = link_.Flags();
  Progress(0);
  for (int a = 0; a <= upperBound; a += memory_plan::kBlockSize) {
    if (letEventsRun) link_.Services().host.ProcessEvents();
    Progress(progress(a, upperBound));
    step(a);
    if (flags.errorFlag || flags.cancelFlag) break;
  }
}

void TransferOperations::PauseForSkippedBlock() { link_.Services().clock.SleepMs(kSendPauseMs); }

void TransferOperations::ReadData(std::span<std::uint8_t> buffer) {
  const Link::ProcedureScope scope(link_, "frmRadio.ReadData");
  if (!OpenPort()) return;
  WalkBlocks(static_cast<int>(buffer.size()) - 1, memory_plan::TransferProgress, false,
             [&](int a) {
               if (memory_plan::IsReadBlock(a)) {
                 link_.ReadBlock(buffer, a, memory_plan::kBlockSize);
               } else {
                 PauseForSkippedBlock();
               }
             });
  if (link_.Flags().cancelFlag) link_.CancelTransfer();
  FinishBlockOperation(kReadTitle);
}

void TransferOperations::WriteData(std::span<const std::uint8_t> image) {
  const Link::ProcedureScope scope(link_, "frmRadio.WriteData");
  if (!OpenPort()) return;
  WalkBlocks(static_cast<int>(image.size()) - 1, memory_plan::TransferProgress, false,
             [&](int a) {
               switch (memory_plan::ProgramStepAt(a)) {
                 case memory_plan::ProgramStep::kSingleBytes:
                   WriteSingleBytes(image, a + memory_plan::kFirstSingleByte,
                                    a + memory_plan::kBlockSize - 1);
                   break;
                 case memory_plan::ProgramStep::kSkip:
                   PauseForSkippedBlock();
                   break;
                 case memory_plan::ProgramStep::kBlock:
                   link_.WriteBlock(image, a, memory_plan::kBlockSize);
                   break;
               }
             });
  FinishBlockOperation(kProgramTitle);
}

void TransferOperations::ClearData() {
  const Link::ProcedureScope scope(link_, "frmRadio.ClearData");
  AppFlags& flags = link_.Flags();
  if (!OpenPort()) return;
  Progress(0);
  WriteSingleBytes(link_.Doc().image.Bytes(), image_map::kUserMmsi, image_map::kUserMmsiPresent);
  if (!flags.cancelFlag && !flags.errorFlag) Progress(100);
  FinishBlockOperation("Clear Data");
}

void TransferOperations::ClearLogArea(const image_map::Area& area, const char* procedure) {
  const Link::ProcedureScope scope(link_, procedure);
  if (!OpenPort()) return;
  WalkBlocks(link_.Doc().image.UpperBound(), memory_plan::ClearProgress, true, [&](int a) {
    if (a >= area.offset && a < area.offset + area.length) {
      link_.WriteBlock(a, memory_plan::kBlockSize);
    } else {
      PauseForSkippedBlock();
    }
  });
  FinishBlockOperation(kProgramTitle);
}

// The bytes go one by one and a refused byte does not stop the ones after it; but the run
// fails when any byte failed (each attempt clears the error flag anew, which would hide an
// earlier failure), and a cancel stops at once (each attempt also clears the cancel flag).
void TransferOperations::WriteSingleBytes(std::span<const std::uint8_t> image, int first,
                                          int last) {
  AppFlags& flags = link_.Flags();
  bool failed = false;
  for (int address = first; address <= last; ++address) {
    link_.WriteBlock(image, address, 1);
    failed = failed || flags.errorFlag;
    if (flags.cancelFlag) break;
  }
  flags.errorFlag = failed;
}

void TransferOperations::FinishBlockOperation(const char* failureTitle) {
  const AppFlags& flags = link_.Flags();
  link_.PortClose();
  if (flags.cancelFlag) return;
  if (flags.errorFlag) {
    link_.Critical(kCommunicationError, failureTitle);
  } else {
    link_.Services().clock.SleepMs(kSettlePauseMs);
  }
}

}  // namespace kol
