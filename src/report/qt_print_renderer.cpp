#include "report/qt_print_renderer.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>
#include <string>

namespace kol {
namespace {

constexpr double kMmPerInch = 25.4;
// The largest size keeps the longest label clear of the values at 50 mm; smaller sizes
// let the general settings fit on their one page of A4 or Letter paper.
constexpr double kLargestPointSize = 8.0;
constexpr double kSmallestPointSize = 6.0;
// A printer cannot print to the edge of the paper; the PDF keeps the same border.
constexpr double kPdfBorderMm = 5.0;

QFont ReportFont(double pointSize) {
  QFont font(QStringLiteral("Monospace"));
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setPointSizeF(pointSize);
  return font;
}

constexpr double kPointSizeStep = 0.25;

// The tallest page in device pixels with the line pitch of `font`, with its footer.
double TallestPage(const PrintedReport& report, const QFont& font, QPagedPaintDevice& device) {
  const double line = QFontMetricsF(font, &device).lineSpacing();
  const double pxPerMm = device.logicalDpiY() / kMmPerInch;
  double tallest = 0;
  for (const PrintedPage& page : report.pages) {
    const double lines = static_cast<double>(page.lines.size() + kFooterLines);
    tallest = std::max(tallest, page.topMm * pxPerMm + line * lines);
  }
  return tallest;
}

// The largest font size, within its limits, at which every page fits the paper.
QFont FittingFont(const PrintedReport& report, QPagedPaintDevice& device) {
  double size = kLargestPointSize;
  while (size > kSmallestPointSize &&
         TallestPage(report, ReportFont(size), device) > device.height()) {
    size -= kPointSizeStep;
  }
  return ReportFont(size);
}

// The part of `text` that fits in `room` device pixels. A text from a hand-edited file
// may be of any length; cut to whole characters of the fixed-pitch font, it never runs
// into the next column or off the paper.
QString FittedText(const std::string& text, double room, const QFontMetricsF& metrics) {
  const double pitch = metrics.horizontalAdvance(QLatin1Char('M'));
  const double fitting = pitch > 0 ? std::floor(std::max(room, 0.0) / pitch) : 0;
  const std::size_t length = std::min(text.size(), static_cast<std::size_t>(fitting));
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(length));
}

// Draws one line with its top at `top` device pixels. The texts of a line come from left
// to right; each keeps a blank before the next.
void DrawLine(QPainter& painter, const PrintedLine& line, double top, QPagedPaintDevice& device) {
  const QFontMetricsF metrics(painter.font(), &device);
  const double pxPerMmX = device.logicalDpiX() / kMmPerInch;
  const double blank = metrics.horizontalAdvance(QLatin1Char(' '));
  for (std::size_t t = 0; t < line.size(); ++t) {
    const double x = (kPrintMarginMm + line[t].offsetMm) * pxPerMmX;
    const double end = t + 1 < line.size()
                           ? (kPrintMarginMm + line[t + 1].offsetMm) * pxPerMmX - blank
                           : device.width();
    painter.drawText(QPointF(x, top + metrics.ascent()),
                     FittedText(line[t].text, end - x, metrics));
  }
}

}  // namespace

bool RenderPrintedReport(const PrintedReport& report, QPagedPaintDevice& device) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  painter.setFont(FittingFont(report, device));
  const double pxPerMmY = device.logicalDpiY() / kMmPerInch;
  const double lineMm = QFontMetricsF(painter.font(), &device).lineSpacing() / pxPerMmY;

  bool ok = true;
  const std::vector<PrintedSheet> sheets = LayOutSheets(report, lineMm, device.height() / pxPerMmY);
  for (std::size_t s = 0; s < sheets.size() && ok; ++s) {
    const PrintedSheet& sheet = sheets[s];
    if (s > 0) ok = device.newPage();
    double topMm = sheet.topMm;
    for (const PrintedLine& line : sheet.lines) {
      DrawLine(painter, line, topMm * pxPerMmY, device);
      topMm += lineMm;
    }
    DrawLine(painter, {sheet.footer}, sheet.footerTopMm * pxPerMmY, device);
  }
  return painter.end() && ok;
}

QByteArray PrintedReportPdf(const PrintedReport& report, const QString& title) {
  QByteArray pdf;
  {
    QBuffer buffer(&pdf);
    if (!buffer.open(QIODevice::WriteOnly)) return {};
    QPdfWriter writer(&buffer);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("KOL Programmer"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(kPdfBorderMm, kPdfBorderMm, kPdfBorderMm,
                                               kPdfBorderMm),
                                     QPageLayout::Millimeter));
    if (!RenderPrintedReport(report, writer)) return {};
  }
  return pdf;
}

}  // namespace kol
