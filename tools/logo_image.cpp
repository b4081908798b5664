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
#include <unordered_map>
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

// Writes codes of a growing width, lowest bit first, as GIF packs them.
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

// The image's pixels as GIF's LZW codes. The logo is mostly white: runs become long codes,
// so the file is small and the program decodes it quickly when the start page shows it.
std::vector<std::uint8_t> LzwCodes(const QImage& image) {
  constexpr int kClear = 256, kEnd = 257, kFirstFree = 258, kTableSize = 4096, kFirstWidth = 9;
  BitWriter bits;
  std::unordered_map<int, int> table;  // (code << 8 | pixel) -> code of the longer string
  int width = kFirstWidth;
  int nextFree = kFirstFree;
  // After each code, the width grows once the next free code no longer fits, as decoders expect.
  auto put = [&](int code) {
    bits.Put(code, width);
    if (nextFree > (1 << width) - 1 && width < 12) ++width;
  };
  put(kClear);
  int prefix = -1;
  for (int y = 0; y < image.height(); ++y) {
    const uchar* line = image.constScanLine(y);
    for (int x = 0; x < image.width(); ++x) {
      const int pixel = line[x];
      if (prefix < 0) {
        prefix = pixel;
        continue;
      }
      const int key = prefix << 8 | pixel;
      if (const auto found = table.find(key); found != table.end()) {
        prefix = found->second;
        continue;
      }
      put(prefix);
      prefix = pixel;
      if (nextFree < kTableSize) {
        table.emplace(key, nextFree++);
      } else {
        put(kClear);
        table.clear();
        nextFree = kFirstFree;
        width = kFirstWidth;
      }
    }
  }
  put(prefix);
  put(kEnd);
  return bits.Finish();
}

// The logo in a GIF's 256 colours.
QImage Indexed(const QImage& source) {
  return source.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
}

std::vector<std::uint8_t> EncodeGif(const QImage& source) {
  const QImage image = Indexed(source);
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
  out.push_back(8);  // the smallest code width: one byte per pixel
  const std::vector<std::uint8_t> data = LzwCodes(image);
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
  const QImage logo = DrawLogo();
  const std::vector<std::uint8_t> gif = EncodeGif(logo);
  // The file must show what was drawn: read it back as the program will.
  const QImage written = QImage::fromData(gif.data(), static_cast<int>(gif.size()), "GIF");
  if (written.convertToFormat(QImage::Format_RGB32) != Indexed(logo).convertToFormat(QImage::Format_RGB32)) {
    std::fprintf(stderr, "kol_logo_image: the GIF written does not read back as the logo\n");
    return 1;
  }
  const std::string path = std::string(argv[1]) + "/ZN Logo.gif";
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(gif.data()), static_cast<std::streamsize>(gif.size()));
  if (!file) {
    std::fprintf(stderr, "kol_logo_image: cannot write %s\n", path.c_str());
    return 1;
  }
  return 0;
}
