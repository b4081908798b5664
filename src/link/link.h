// The conversation with the radio over one serial port: port set-up, the receive
// primitives, the preamble and synchronisation, status, block read and write, and cancel.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "link/link_host.h"
#include "link/link_log.h"
#include "link/serial_port.h"
#include "link/transfer_context.h"
#include "model/clock.h"
#include "model/document.h"

namespace kol {

// The platform pieces a transfer runs on.
struct LinkServices {
  SerialPort& port;
  Clock& clock;
  LinkHost& host;
  LinkLog& log;
};

// A failure of the serial port itself: it could not be opened, or it failed while open (a
// write refused, an adapter pulled out).
struct PortFailure {
  bool opening = false;
  PortError error;
};

// The longest the receive loop waits for input before it lets events run again.
inline constexpr int kPollWaitMs = 5;
inline constexpr int kSendPauseMs = 10;
inline constexpr int kReopenPauseMs = 1000;
// A radio answers a request well within a second; this much silence is worth saying.
inline constexpr int kSilenceNoticeMs = 3000;

class Link {
 public:
  Link(const LinkServices& services, TransferContext& context, Document& document);

  // Port set-up.
  bool PortInit();
  bool PortInitCP();
  bool PortOpen();
  void PortClose();

  // Sending.
  void FlushInput();
  void SendByte(std::uint8_t byte);
  void SendLine(std::string_view text);
  void SendFrame(std::string_view frame);

  // Receive primitives; `text` collects what the primitive keeps.
  LinkResult WaitByte(std::uint8_t byte, int seconds);
  LinkResult ReceiveChars(int count, int seconds, std::string& text);
  // A line up to CR LF; bytes between the CR and the LF are dropped.
  LinkResult ReceiveLine(int seconds, std::string& text);
  // Like ReceiveLine, but the byte after the CR must be the LF.
  LinkResult ReceiveLineRaw(int seconds, std::string& text);
  LinkResult WaitReplyOK();

  // Exchanges.
  bool PreambleProbe();
  bool LinkSetup();
  bool SyncLink();
  bool StatusCheck();
  // Reads `length` bytes at `address` into buffer[address...]; outcome in the error flag.
  // The buffer changes only when the block arrived whole; a block outside it fails unasked.
  void ReadBlock(std::span<std::uint8_t> buffer, int address, int length);
  // Writes image bytes address..address + length - 1; outcome in the error flag.
  void WriteBlock(int address, int length);
  // The same from `source`, a whole image, instead of the document's image.
  void WriteBlock(std::span<const std::uint8_t> source, int address, int length);
  void CancelTransfer();

  // A progress text, shown only in debug mode.
  void Status(const std::string& text);
  // A message box titled with the dialog caption unless `title` is given.
  MessageButton Show(Message message);
  // A critical message with an OK button, with plain words beside the link's own texts.
  void Critical(std::string text, std::string title = {});

  // The port's first failure since the last LinkSetup began, if any.
  const std::optional<PortFailure>& LastPortFailure() const { return portFailure_; }
  // The write requests the port took since the last LinkSetup began (a retry of one is
  // not counted again): none means the radio's memory is as it was.
  int WritesSent() const { return writesSent_; }

  // While one lives, a failure of the open port is written to the error log (debug mode)
  // under `procedure`, the block operation that runs, once.
  class ProcedureScope {
   public:
    ProcedureScope(Link& link, const char* procedure);
    ~ProcedureScope();
    ProcedureScope(const ProcedureScope&) = delete;
    ProcedureScope& operator=(const ProcedureScope&) = delete;

   private:
    Link& link_;
  };

  AppFlags& Flags() { return document_.flags; }
  Document& Doc() { return document_; }
  TransferContext& Context() { return context_; }
  const LinkServices& Services() const { return services_; }

 private:
  // What a primitive does with each byte taken and after the cancel and deadline checks.
  struct Receiver {
    // Called as soon as a byte is taken; a result ends the call before the checks.
    std::function<std::optional<LinkResult>(std::uint8_t)> onByte;
    // Called after the checks in every iteration; a result ends the call.
    std::function<std::optional<LinkResult>()> complete;
  };
  LinkResult ReceiveLoop(int seconds, const Receiver& receiver);
  LinkResult ReceiveLineEnd(int seconds, std::string& text, bool strict);
  bool OpenPort(const char* procedure);
  bool Reopen(const char* procedure);
  void Transmit(std::string_view bytes);
  // One request under the retry rule; true when the radio accepted it.
  bool RequestWithRetry(const std::function<void()>& sendRequest);
  // "time out!!" for a time-out, "cancel!!" for a cancel when `reportCancel`.
  void ReportWaitFailure(LinkResult result, bool reportCancel);
  std::optional<std::string> ReceiveFrame(std::string_view head, std::string_view wrongHeadReply,
                                          bool cancelReportedInRest);
  bool ReceiveStatus(bool& busy);
  void ReceiveData(std::span<std::uint8_t> buffer, int address, int length);
  // A write or a wait for input failed: the port is broken until it is opened again.
  void PortFailed();
  // The receive loop took a byte (`answered`) or found none: tells the host how long the
  // radio has been silent, and when it answers again.
  void NoteAnswer(bool answered);

  LinkServices services_;
  TransferContext& context_;
  Document& document_;
  const char* procedure_ = nullptr;
  bool procedureLogged_ = false;
  bool portBroken_ = false;
  std::optional<PortFailure> portFailure_;
  int writesSent_ = 0;
  // Set once the link set-up synchronised; silence before that is the set-up's to report.
  bool synchronised_ = false;
  // Since when the radio has been silent while an answer was awaited, if it is.
  std::optional<std::int64_t> silentSinceMs_;
  int silenceShown_ = 0;     // the seconds of silence last told to the host
  bool waitShown_ = false;   // the host shows a wait that the next answer ends
};

}  // namespace kol
