// Load and save functions of each document format, for the format table.
#pragma once

#include <string>

#include "app/cli/session.h"

namespace kol::cli {

// Raw image (.hex): loading refuses a file of the wrong length ("bad file!!") or of
// another model ("ModelType Error !!"); saving encodes the document and prepares the
// image as for programming the radio.
bool LoadHexImage(Session& session, const std::string& path);
bool SaveHexImage(Session& session, const std::string& path);

// Settings file (.dat): read as the window's Open reads it, into a new document of the
// selected model with the destination's defaults ("ModelType Error !!" for a file of
// another model); written as its Save writes it.
bool LoadSettingsFile(Session& session, const std::string& path);
bool SaveSettingsFile(Session& session, const std::string& path);

// Report text (.txt) and printed report (.pdf): written only, never read.
bool SaveReportText(Session& session, const std::string& path);
bool SaveReportPdf(Session& session, const std::string& path);
// The bytes of a report text file: the report and one final CR LF.
std::string ReportFileText(const Document& document);

}  // namespace kol::cli
