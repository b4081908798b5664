// The settings file reader on any text, as opening a file runs it on a new document; then
// the writer and both reports on the document it gave. What the writer writes reads back to
// the same document, and a file the reader refuses changes nothing.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "files/dat_file.h"
#include "files/dat_text.h"
#include "fuzz/dat_documents.h"
#include "fuzz/fuzz_check.h"
#include "report/printed_report.h"
#include "report/report_text.h"

namespace {

const kol::Document& Fresh(bool everything) {
  static const kol::Document kFull = kol::fuzz::DestinationDocument(kol::kGroup1, true);
  static const kol::Document kPlain = kol::fuzz::DestinationDocument(kol::kGroup1, false);
  return everything ? kFull : kPlain;
}

void OpenWriteAndReport(std::string_view text, bool everything) {
  kol::Document document = Fresh(everything);
  if (!kol::ApplySettingsText(text, document)) {
    FUZZ_CHECK(document.model == Fresh(everything).model);
    return;
  }
  const std::string written = kol::FormatSettingsText(document.model, document.profile);
  kol::Document reopened = Fresh(everything);
  FUZZ_CHECK(kol::ApplySettingsText(written, reopened));
  FUZZ_CHECK(reopened.model == document.model);
  static_cast<void>(kol::BuildReportText(document.model, document.profile));
  static_cast<void>(kol::BuildPrintedReport(document.model, document.profile));
}

}  // namespace

// The round trip reads a whole written file back, so each input is tried on one model: the
// text's length picks which.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  OpenWriteAndReport(std::string_view(reinterpret_cast<const char*>(data), size),
                     kol::fuzz::ForEverything(size));
  return 0;
}
