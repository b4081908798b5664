// Draws the printed report on a printer or a PDF writer with QPainter, in a fixed-pitch
// font, each text at its millimetre offset plus the left margin.
#pragma once

#include <QByteArray>
#include <QString>

#include "report/printed_report.h"

class QPagedPaintDevice;

namespace kol {

// One sheet of the device per sheet of the layout (LayOutSheets): a report page longer than
// the paper goes on over further sheets, which repeat its column heading, and every sheet
// carries its page number. A text too long for its place is cut before the next text of
// its line or the edge of the paper. Needs a QGuiApplication (fonts). False when painting
// failed.
bool RenderPrintedReport(const PrintedReport& report, QPagedPaintDevice& device);

// The printed report as a PDF document on A4 paper; empty when rendering failed.
QByteArray PrintedReportPdf(const PrintedReport& report, const QString& title);

}  // namespace kol
