#include "files/file_host.h"

#include <cstring>

#include "files/system_error_text.h"

namespace kol {

void ReportFileFailure(std::string_view procedure, int errorNumber, std::string text,
                       Document& document, FileHost& host, std::string file, std::string reason,
                       std::string explanation) {
  host.log.Write(procedure, SystemErrorText(errorNumber));
  if (reason.empty() && errorNumber != 0) reason = std::strerror(errorNumber);
  host.Tell(document.profile.WindowTitle(), std::move(text), MessageIcon::kExclamation,
            std::move(reason), std::move(file), std::move(explanation));
  document.flags.cancelFlag = true;
}

}  // namespace kol
