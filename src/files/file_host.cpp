#include "files/file_host.h"

#include <cstring>

#include "files/system_error_text.h"

namespace kol {

void ReportFileFailure(std::string_view procedure, int errorNumber, std::string text,
                       Document& document, FileHost& host, std::string file,
                       std::string explanation) {
  host.log.Write(procedure, SystemErrorText(errorNumber));
  host.Tell(document.profile.WindowTitle(), std::move(text), MessageIcon::kExclamation,
            errorNumber != 0 ? std::strerror(errorNumber) : std::string(), std::move(file),
            std::move(explanation));
  document.flags.cancelFlag = true;
}

}  // namespace kol
