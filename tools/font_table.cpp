// Prints the advance widths that the headless toolkit measures label captions with: the sans serif
// that the Qt windows draw on Debian (DejaVu Sans, standing in for Verdana), at each pixel size and
// weight the windows use, in 1/64 pixel, without kerning. Run it under QT_QPA_PLATFORM=offscreen and
// paste its output into toolkit/headless/font_metrics.cpp when the windows take a new size.
#include <QFont>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <cmath>
#include <cstdio>

namespace {

struct Size {
  int pixels;
  bool bold;
};

constexpr Size kSizes[] = {{8, false}, {11, false}, {11, true}, {16, true}, {32, false}, {37, false}};
constexpr char16_t kExtra[] = {u'Ω', u'™'};

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  for (const Size& size : kSizes) {
    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(size.pixels);
    font.setBold(size.bold);
    font.setKerning(false);
    const QFontMetricsF metrics(font);
    std::printf("    // %s, %d px%s\n", QFontInfo(font).family().toUtf8().constData(), size.pixels,
                size.bold ? ", bold" : "");
    std::printf("    {%d, %s, {", size.pixels, size.bold ? "true" : "false");
    for (int c = 0x20; c < 0x7F; ++c) {
      std::printf("%s%ld", c == 0x20 ? "" : ", ", std::lround(metrics.horizontalAdvance(QChar(c)) * 64));
    }
    std::printf("}, {");
    for (char16_t c : kExtra) {
      std::printf("%s%ld", c == kExtra[0] ? "" : ", ", std::lround(metrics.horizontalAdvance(QChar(c)) * 64));
    }
    std::printf("}},\n");
  }
}
