// The six operations of the transfer dialog over the link: the read, program and clear
// drivers with their identity checks and block plans, and the dialog's start.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "link/link.h"
#include "link/transfer_outcome.h"
#include "model/image_map.h"

namespace kol {

class TransferOperations {
 public:
  TransferOperations(const LinkServices& services, TransferContext& context, Document& document);

  // What pressing OK in the dialog does: link set-up, then the context's operation; for
  // programming, then the read-back when the context asks for it. Returns true when the
  // dialog closes: the set-up succeeded and the error flag is clear, and programming that
  // was to be verified was verified.
  bool Start();
  // What the last programming run came to.
  const ProgramResult& LastProgram() const { return program_; }

  // Link set-up, the checks and a full read into a copy of the image, leaving the document
  // as it is. True when every block arrived; `buffer` then holds the bytes read.
  bool ReadRadio(std::vector<std::uint8_t>& buffer);

  // The bytes received by the last completed read (the read buffer), else empty.
  const std::vector<std::uint8_t>& ReceivedImage() const { return received_; }
  // True when the link set-up of the last Start or ReadRadio succeeded.
  bool LinkUp() const { return linkUp_; }

  // Driver frame: status check, model and product checks, then `ownStep`.
  void RunDriver(const std::function<void()>& ownStep);
  void ReadDataChkModel();
  void ReadDataChkProduct();
  // Reads the radio's user MMSI and ATIS code bytes into `buffer` at their addresses.
  void ReadRadioIdentity(RadioImage& buffer);
  void ReadData(std::span<std::uint8_t> buffer);
  // Programs the radio from `image`, a whole image prepared for programming.
  void WriteData(std::span<const std::uint8_t> image);
  void ClearData();
  // Writes the area's blocks; `procedure` names the operation in the error log.
  void ClearLogArea(const image_map::Area& area, const char* procedure);

  Link& GetLink() { return link_; }

 private:
  // One press of OK around `operation`: busy, update lock, link set-up; true when the
  // dialog closes.
  bool Press(const std::function<void()>& operation);
  void RunOperation();
  // Programming as one operation: the press, then the read-back when the context asks;
  // the outcome in `program_`.
  bool Program();
  // Reads the programmed memory back and compares it with what was sent.
  void VerifyProgrammed();
  void ReadStep();
  void ProgramStep();
  void ClearMmsiStep();
  void ClearLogStep();
  // Walks the image's 16-byte block addresses in order: shows `progress` of each, then
  // runs `step` on it; stops once the error or the cancel flag is set. With
  // `letEventsRun`, pending events run before each block.
  void WalkBlocks(int upperBound, int (*progress)(int address, int upperBound),
                  bool letEventsRun, const std::function<void(int address)>& step);
  // What a walk does at an address it does not transfer.
  void PauseForSkippedBlock();
  // Ends a step that went through: Completed, progress text cleared, "Complete!!" (held
  // back while a read-back is still to verify it).
  void Complete();
  void AnnounceComplete();
  bool Succeeded();
  void Progress(int percent);
  bool OpenPort();
  // Writes single bytes first..last in order; see the definition for failures.
  void WriteSingleBytes(std::span<const std::uint8_t> image, int first, int last);
  // The end of every block operation: close the port, then report or pause.
  void FinishBlockOperation(const char* failureTitle);

  Link link_;
  std::vector<std::uint8_t> received_;
  bool linkUp_ = false;
  // The product code the radio reported in the last product check.
  std::array<std::uint8_t, image_map::kProductCodeLength> radioProductCode_ =
      image_map::kProductCodeBytes;
  ProgramResult program_;
  // "Complete!!" waits for the read-back of a programming run that is verified.
  bool holdComplete_ = false;
};

}  // namespace kol
