// Writes the start page's logo, "ZN Logo.gif", into the folder given on the command line:
// the program's icon beside its name, drawn with Qt and stored as a GIF.
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "editor/window_icon.h"

namespace {

QImage DrawLogo() {
  QImage image(520, 220, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.drawPixmap(24, 46, kol::editor::ApplicationIcon().pixmap(128, 128));
  QFont title("DejaVu Sans");
  title.setPixelSize(34);
  title.setBold(true);
  p.setFont(title);
  p.setPen(QColor(0x1d, 0x5f, 0x9e));
  p.drawText(QRect(176, 58, 330, 52), Qt::AlignLeft | Qt::AlignVCenter, "KOL Programmer");
  QFont subtitle("DejaVu Sans");
  subtitle.setPixelSize(17);
  p.setFont(subtitle);
  p.setPen(QColor(0x40, 0x40, 0x48));
  p.drawText(QRect(178, 112, 330, 28), Qt::AlignLeft | Qt::AlignVCenter, "Marine VHF  \u00b7  DSC  \u00b7  ATIS");
  p.setPen(QColor(0x80, 0x80, 0x88));
  QFont note("DejaVu Sans");
  note.setPixelSize(13);
  p.setFont(note);
  p.drawText(QRect(178, 142, 330, 24), Qt::AlignLeft | Qt::AlignVCenter,
             "Read, edit and program your radio");
  return image;
}

// GIF with 9-bit literal codes only: no compression, but any decoder reads it and the
// writer stays a few lines long.
class BitWriter {
 public:
  void Put(int code, int bits) {
    for (int i = 0; i < bits; ++i) {
      if (code & (1 << i)) current_ |= static_cast<std::uint8_t>(1 << used_);
      if (++used_ == 8) Flush();
    }
  }
  std::vector<std::uint8_t> Finish() {
    if (used_ > 0) Flush();
    return bytes_;
  }

 private:
  void Flush() {
    bytes_.push_back(current_);
    current_ = 0;
    used_ = 0;
  }
  std::vector<std::uint8_t> bytes_;
  std::uint8_t current_ = 0;
  int used_ = 0;
};

std::vector<std::uint8_t> EncodeGif(const QImage& source) {
  const QImage image = source.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
  std::vector<std::uint8_t> out = {'G', 'I', 'F', '8', '9', 'a'};
  auto word = [&out](int value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
  };
  word(image.width());
  word(image.height());
  out.insert(out.end(), {0xF7, 0, 0});  // global colour table of 256 entries
  const QList<QRgb> colours = image.colorTable();
  for (int i = 0; i < 256; ++i) {
    const QRgb c = i < colours.size() ? colours[i] : qRgb(0, 0, 0);
    out.insert(out.end(), {static_cast<std::uint8_t>(qRed(c)), static_cast<std::uint8_t>(qGreen(c)),
                           static_cast<std::uint8_t>(qBlue(c))});
  }
  out.push_back(0x2C);
  word(0);
  word(0);
  word(image.width());
  word(image.height());
  out.push_back(0);
  constexpr int kMinCodeSize = 8, kClear = 256, kEnd = 257, kCodeBits = 9;
  constexpr int kLiteralsPerClear = 250;  // before the decoder's table would need 10 bits
  out.push_back(kMinCodeSize);
  BitWriter bits;
  int sinceClear = kLiteralsPerClear;
  for (int y = 0; y < image.height(); ++y) {
    const uchar* line = image.constScanLine(y);
    for (int x = 0; x < image.width(); ++x) {
      if (sinceClear == kLiteralsPerClear) {
        bits.Put(kClear, kCodeBits);
        sinceClear = 0;
      }
      bits.Put(line[x], kCodeBits);
      ++sinceClear;
    }
  }
  bits.Put(kEnd, kCodeBits);
  const std::vector<std::uint8_t> data = bits.Finish();
  for (std::size_t at = 0; at < data.size(); at += 255) {
    const std::size_t size = std::min<std::size_t>(255, data.size() - at);
    out.push_back(static_cast<std::uint8_t>(size));
    out.insert(out.end(), data.begin() + static_cast<long>(at), data.begin() + static_cast<long>(at + size));
  }
  out.push_back(0);
  out.push_back(0x3B);
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: kol_logo_image FOLDER\n");
    return 2;
  }
  QGuiApplication app(argc, argv);
  const std::vector<std::uint8_t> gif = EncodeGif(DrawLogo());
  const std::string path = std::string(argv[1]) + "/ZN Logo.gif";
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(gif.data()), static_cast<std::streamsize>(gif.size()));
  if (!file) {
    std::fprintf(stderr, "kol_logo_image: cannot write %s\n", path.c_str());
    return 1;
  }
  return 0;
}
