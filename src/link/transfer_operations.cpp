// The dialog's start and the three drivers: checks first, then the driver's own step.
#include "link/transfer_operations.h"

#include <algorithm>
#include <array>

#include "link/memory_plan.h"
#include "model/radio_identity.h"
#include "model/image_codec.h"

namespace kol {
namespace {

struct LogClear {
  Operation operation;
  image_map::Area area;
  const char* status;
  const char* procedure;
};

constexpr std::array<LogClear, 3> kLogClears = {{
    {Operation::kClearDscLog, image_map::kDscLog, "radio clear DSC...", "frmRadio.ClearDataDsc"},
    {Operation::kClearDistressLog, image_map::kDistressLog, "radio clear Distress...",
     "frmRadio.ClearDataDistress"},
    {Operation::kClearCallLog, image_map::kCallLog, "radio clear Call Log...",
     "frmRadio.ClearDataCallLog"},
}};

}  // namespace

TransferOperations::TransferOperations(const LinkServices& services, TransferContext& context,
                                       Document& document)
    : link_(services, context, document) {}

bool TransferOperations::Start() {
  if (link_.Context().operation == Operation::kProgram) return Program();
  return Press([this] { RunOperation(); });
}

bool TransferOperations::Press(const std::function<void()>& operation) {
  AppFlags& flags = link_.Flags();
  LinkHost& host = link_.Services().host;
  host.SetBusy(true);
  flags.updateLock = true;
  link_.Status("startsync...");
  linkUp_ = link_.LinkSetup();
  if (!linkUp_) {
    link_.Status("can not syncing!!");
    host.SetBusy(false);
    flags.updateLock = false;
    return false;
  }
  link_.Status("sync ok");
  operation();
  Progress(0);
  host.SetBusy(false);
  flags.updateLock = false;
  return !flags.errorFlag;
}

void TransferOperations::RunOperation() {
  switch (link_.Context().operation) {
    case Operation::kRead:
      RunDriver([this] { ReadStep(); });
      return;
    case Operation::kProgram: {
      Document& document = link_.Doc();
      EncodeImage(document.model, document.profile, document.image);
      PrepareForProgramming(document.model, document.image);
      RunDriver([this] { ProgramStep(); });
      return;
    }
    case Operation::kClearMmsi:
      RunDriver([this] { ClearMmsiStep(); });
      return;
    case Operation::kClearDscLog:
    case Operation::kClearDistressLog:
    case Operation::kClearCallLog:
      RunDriver([this] { ClearLogStep(); });
      return;
  }
}

bool TransferOperations::Program() {
  TransferContext& context = link_.Context();
  program_ = ProgramResult();
  context.completed = false;
  holdComplete_ = context.verify;
  const bool closes = Press([this] { RunOperation(); });
  holdComplete_ = false;
  program_.writesSent = link_.WritesSent();
  program_.programmed = context.completed;
  if (!program_.programmed || !context.verify) return closes;
  VerifyProgrammed();
  context.completed = program_.verified;
  return program_.verified;
}

void TransferOperations::VerifyProgrammed() {
  link_.Services().host.BeginReadBack();
  std::vector<std::uint8_t> readBack;
  if (!ReadRadio(readBack)) return;
  const std::span<const std::uint8_t> sent = program_.sent;
  const std::optional<int> at = memory_plan::FirstProgrammedDifference(sent, readBack);
  if (at) {
    const auto index = static_cast<std::size_t>(*at);
    program_.difference = ReadBackDifference{*at, readBack[index], sent[index]};
    return;
  }
  program_.verified = true;
  AnnounceComplete();
}

bool TransferOperations::ReadRadio(std::vector<std::uint8_t>& buffer) {
  const RadioImage& image = link_.Doc().image;
  buffer.assign(image.Bytes().begin(), image.Bytes().end());
  AppFlags& flags = link_.Flags();
  flags.updateLock = true;
  bool read = false;
  linkUp_ = link_.LinkSetup();
  if (linkUp_) {
    RunDriver([&] {
      ReadData(buffer);
      read = Succeeded();
    });
  }
  flags.updateLock = false;
  return read;
}

void TransferOperations::RunDriver(const std::function<void()>& ownStep) {
  AppFlags& flags = link_.Flags();
  LinkHost& host = link_.Services().host;
  flags.updateLock = true;
  host.SetBusy(true);
  if (!link_.StatusCheck()) {
    link_.Critical("Radio not ready!!");
    host.SetBusy(false);
    return;
  }
  ReadDataChkModel();
  if (flags.errorFlag) {
    host.SetBusy(false);
    return;
  }
  ReadDataChkProduct();
  if (!flags.errorFlag) ownStep();
  host.SetBusy(false);
  flags.updateLock = false;
}

bool TransferOperations::Succeeded() {
  const AppFlags& flags = link_.Flags();
  return !flags.errorFlag && !flags.cancelFlag;
}

void TransferOperations::Complete() {
  link_.Context().completed = true;
  link_.Status("");
  if (!holdComplete_) AnnounceComplete();
}

void TransferOperations::AnnounceComplete() {
  link_.Show({"", "Complete!!", MessageIcon::kInformation});
}

void TransferOperations::Progress(int percent) {
  link_.Services().host.ShowProgress(std::clamp(percent, 0, 100));
}

void TransferOperations::ReadStep() {
  Document& document = link_.Doc();
  received_.clear();
  link_.Status("radio reading...");
  std::vector<std::uint8_t> buffer(document.image.Bytes().begin(), document.image.Bytes().end());
  ReadData(buffer);
  if (!Succeeded()) return;
  for (int i = memory_plan::kFirstSingleByte; i <= document.image.UpperBound(); ++i) {
    if (memory_plan::IsCopiedAfterRead(i)) document.image[i] = buffer[i];
  }
  DecodeImage(document.image, document.profile, document.model);
  received_ = std::move(buffer);
  Complete();
}

// Every session checks the product code before anything else, so a radio programmed with
// another code would be refused from then on: it gets back the code it reported. A radio
// of a fleet keeps its own user MMSI and ATIS code the same way when the rule says so.
void TransferOperations::ProgramStep() {
  const IdentityRule& rule = link_.Context().identity;
  RadioImage radio(link_.Doc().image.UpperBound());
  const auto code = radio.Bytes().subspan(image_map::kProductCode, radioProductCode_.size());
  std::copy(radioProductCode_.begin(), radioProductCode_.end(), code.begin());
  if (rule.Reads()) {
    ReadRadioIdentity(radio);
    if (!Succeeded()) return;
  }
  program_.radioBefore = IdentityOf(radio.Bytes());
  link_.Status("radio writing...");
  const std::span<const std::uint8_t> image = link_.Doc().image.Bytes();
  std::vector<std::uint8_t>& outgoing = program_.sent;
  outgoing.assign(image.begin(), image.end());
  const auto keep = [&](const image_map::Area& area) {
    const auto from = radio.Bytes().subspan(static_cast<std::size_t>(area.offset),
                                            static_cast<std::size_t>(area.length));
    std::copy(from.begin(), from.end(), outgoing.begin() + area.offset);
  };
  if (outgoing.size() >= image_map::kProductCode + radioProductCode_.size()) {
    const auto sent = std::span(outgoing).subspan(image_map::kProductCode, radioProductCode_.size());
    program_.keptProductCode = !std::equal(sent.begin(), sent.end(), radioProductCode_.begin());
    keep({image_map::kProductCode, image_map::kProductCodeLength});
  }
  if (rule.keepUserMmsi) keep(image_map::kUserMmsiBytes);
  if (rule.keepAtisCode) keep(image_map::kAtisCodeBytes);
  WriteData(outgoing);
  if (Succeeded()) Complete();
}

void TransferOperations::ClearMmsiStep() {
  Document& document = link_.Doc();
  link_.Status("radio clear...");
  constexpr std::size_t kMmsiBytes = image_map::kUserMmsiPresent - image_map::kUserMmsi + 1;
  const auto kept = document.image.Bytes().subspan(image_map::kUserMmsi, kMmsiBytes);
  const std::vector<std::uint8_t> saved(kept.begin(), kept.end());
  std::fill(kept.begin(), kept.end() - 1, 0xFF);
  document.image[image_map::kUserMmsiPresent] = 0x00;
  ClearData();
  if (Succeeded()) {
    Complete();
    document.model.dscBasic.userMmsi.clear();
  } else {
    std::copy(saved.begin(), saved.end(), kept.begin());
  }
}

void TransferOperations::ClearLogStep() {
  Document& document = link_.Doc();
  const auto clear = std::find_if(kLogClears.begin(), kLogClears.end(), [&](const LogClear& c) {
    return c.operation == link_.Context().operation;
  });
  if (clear == kLogClears.end()) {
    // Not a log: nothing is cleared, and the operation does not count as done.
    link_.Flags().errorFlag = true;
    return;
  }
  link_.Status(clear->status);
  const RadioImage kept = document.image;
  auto area = document.image.Bytes().subspan(static_cast<std::size_t>(clear->area.offset),
                                             static_cast<std::size_t>(clear->area.length));
  std::fill(area.begin(), area.end(), 0xFF);
  ClearLogArea(clear->area, clear->procedure);
  if (Succeeded()) {
    Complete();
  } else {
    document.image = kept;
  }
}

}  // namespace kol
