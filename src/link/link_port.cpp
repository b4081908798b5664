// Opening and closing the link's serial port; failures go to the error log in debug mode.
#include "link/link.h"

namespace kol {

Link::Link(const LinkServices& services, TransferContext& context, Document& document)
    : services_(services), context_(context), document_(document) {}

bool Link::OpenPort(const char* procedure) {
  SerialPort& port = services_.port;
  const bool opened = context_.devicePath.empty() ? port.OpenNumber(context_.portNumber)
                                                  : port.OpenPath(context_.devicePath);
  if (opened) {
    portBroken_ = false;
    return true;
  }
  const PortError error = port.LastError();
  if (!portFailure_) portFailure_ = PortFailure{true, error};
  if (Flags().debugMode) services_.log.PortFailed(procedure, error);
  return false;
}

void Link::PortFailed() {
  portBroken_ = true;
  const PortError error = services_.port.LastError();
  if (!portFailure_) portFailure_ = PortFailure{false, error};
  if (procedure_ == nullptr || procedureLogged_ || !Flags().debugMode) return;
  services_.log.PortFailed(procedure_, error);
  procedureLogged_ = true;
}

Link::ProcedureScope::ProcedureScope(Link& link, const char* procedure) : link_(link) {
  link_.procedure_ = procedure;
  link_.procedureLogged_ = false;
}

Link::ProcedureScope::~ProcedureScope() { link_.procedure_ = nullptr; }

bool Link::Reopen(const char* procedure) {
  PortClose();
  if (!OpenPort(procedure)) return false;
  Status(services_.port.SettingsText());
  return true;
}

bool Link::PortInit() { return Reopen("frmRadio.PortInit"); }

// The same as PortInit; used after the preamble, logged under its own name.
bool Link::PortInitCP() { return Reopen("frmRadio.PortInitCP"); }

bool Link::PortOpen() {
  if (services_.port.IsOpen()) return true;
  return OpenPort("frmRadio.PortOpen");
}

void Link::PortClose() {
  if (services_.port.IsOpen()) services_.port.Close();
}

}  // namespace kol
