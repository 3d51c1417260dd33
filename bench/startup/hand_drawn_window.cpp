// The floor for the start-up benchmark: the main window written by hand in plain Qt, with nothing of
// the program's design in it. The same window, the same widgets at the same places showing the same
// content, and the same labels, shapes, lines and picture, all painted in one paintEvent from a table
// (hand_drawn_window_table.h). No records, no handlers, no bindings. Prints "first-frame" once its first
// frame is painted, as every start-up probe does.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "bench/startup/first_frame.h"
#include "bench/startup/hand_drawn_window_table.h"

namespace {

using tarvex::startup::kPainted;
using tarvex::startup::kWindowed;
using tarvex::startup::Painted;
using tarvex::startup::Twips;
using tarvex::startup::Windowed;

const QColor kBackground(0xF0, 0xF0, 0xF0);

QColor colour(unsigned bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }
QRectF pixels(const Twips& t) { return {t.left / 15, t.top / 15, t.width / 15, t.height / 15}; }
QRect whole_pixels(const Twips& t) {
  const QRectF r = pixels(t);
  return {qRound(r.x()), qRound(r.y()), qRound(r.width()), qRound(r.height())};
}
QString text(const char16_t* t) { return QString::fromUtf16(t); }

QFont drawn_font(float points, bool bold) {
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
  f.setBold(bold);
  f.setHintingPreference(QFont::PreferNoHinting);
  return f;
}

const QStringList kDigits = {"0 Black", "1 Brown", "2 Red",    "3 Orange", "4 Yellow",
                             "5 Green", "6 Blue",  "7 Violet", "8 Gray",   "9 White"};
const QStringList kTolerances = {"Brown 1%", "Red 2%", "Gold 5%", "Silver 10%", "None 20%"};

// The logo, kept as raw pixels: a P6 header and three bytes a pixel.
QPixmap logo() {
  QFile file(QStringLiteral(":/images/logo.ppm"));
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray data = file.readAll();
  const QList<QByteArray> header = data.left(64).split('\n');
  if (header.size() < 3) return {};
  const QList<QByteArray> size = header[1].split(' ');
  const int width = size.value(0).toInt(), height = size.value(1).toInt();
  const qsizetype start = header[0].size() + header[1].size() + header[2].size() + 3;
  if (width <= 0 || height <= 0 || data.size() < start + qsizetype(width) * height * 3) return {};
  QImage image(width, height, QImage::Format_RGB888);
  for (int y = 0; y < height; ++y)
    std::copy_n(data.constData() + start + qsizetype(y) * width * 3, width * 3, image.scanLine(y));
  return QPixmap::fromImage(image);
}

class Drawing : public QWidget {
 public:
  explicit Drawing(QWidget* parent) : QWidget(parent), logo_(logo()) {
    setFixedSize(11850 / 15, 5970 / 15);
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QPainter p(this);
    p.fillRect(event->rect(), kBackground);
    for (const Painted& item : kPainted) {
      p.save();
      switch (item.kind) {
        case Painted::Line:
          p.setPen(QPen(colour(item.colour), item.width, Qt::SolidLine, Qt::FlatCap));
          p.drawLine(QPointF(item.at.left / 15, item.at.top / 15), QPointF(item.at.width / 15, item.at.height / 15));
          break;
        case Painted::Shape: {
          QRectF box = pixels(item.at);
          if (item.shape == 1 || item.shape == 3 || item.shape == 5) {
            const qreal side = std::min(box.width(), box.height());
            box = QRectF(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
          }
          const qreal b = item.width;
          const QRectF inside = box.adjusted(b / 2, b / 2, -b / 2, -b / 2);
          p.setPen(b > 0 ? QPen(colour(item.border), b, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin) : QPen(Qt::NoPen));
          p.setBrush(colour(item.colour));
          if (item.shape == 2 || item.shape == 3) {
            p.setRenderHint(QPainter::Antialiasing, true);
            p.drawEllipse(inside);
          } else if (item.shape >= 4) {
            p.setRenderHint(QPainter::Antialiasing, true);
            const qreal radius = std::min(box.width(), box.height()) / 4;
            p.drawRoundedRect(inside, radius, radius);
          } else {
            p.drawRect(inside);
          }
          break;
        }
        case Painted::Label: {
          const QRectF box = pixels(item.at);
          if (item.opaque) p.fillRect(box, kBackground);
          const QFont f = drawn_font(item.points, item.bold);
          p.setFont(f);
          p.setPen(colour(item.colour));
          const int align = (item.align == 1   ? Qt::AlignRight
                             : item.align == 2 ? Qt::AlignHCenter
                                               : Qt::AlignLeft) |
                            Qt::AlignTop;
          if (!item.wrap) {
            p.drawText(box, align, text(item.text));
            break;
          }
          // Lines broken at blanks only.
          const QFontMetricsF metrics(f);
          QString line;
          QRectF line_box(box.left(), box.top(), box.width(), metrics.lineSpacing());
          for (const QString& word : text(item.text).split(QLatin1Char(' '))) {
            const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
            if (!line.isEmpty() && metrics.horizontalAdvance(longer.trimmed()) > box.width()) {
              p.drawText(line_box, align, line.trimmed());
              line_box.translate(0, metrics.lineSpacing());
              line = word;
            } else {
              line = longer;
            }
          }
          p.drawText(line_box, align, line.trimmed());
          break;
        }
        case Painted::Picture:
          p.setRenderHint(QPainter::SmoothPixmapTransform, true);
          p.drawPixmap(pixels(item.at), logo_, logo_.rect());
          break;
      }
      p.restore();
    }
  }

 private:
  QPixmap logo_;
};

void add_widget(const Windowed& w, QWidget* surface) {
  QWidget* widget = nullptr;
  switch (w.kind) {
    case Windowed::TextBox: {
      auto* edit = new QLineEdit(text(w.text), surface);
      edit->setReadOnly(w.state & 1);
      if (w.state & 2) edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      if (w.state & 4) {
        edit->setFocus();
        edit->selectAll();
      }
      widget = edit;
      break;
    }
    case Windowed::DropDown: {
      auto* combo = new QComboBox(surface);
      combo->addItems(w.at.width > 1100 ? kTolerances : w.at.left > 3400 ? kDigits.mid(0, 7) : kDigits);
      combo->setCurrentIndex(w.state);
      widget = combo;
      break;
    }
    case Windowed::CheckBox: {
      auto* box = new QCheckBox(text(w.text), surface);
      box->setChecked(w.state == 1);
      widget = box;
      break;
    }
    case Windowed::Option: {
      auto* option = new QRadioButton(text(w.text), surface);
      option->setAutoExclusive(false);
      option->setChecked(w.state != 0);
      widget = option;
      break;
    }
    case Windowed::Button: widget = new QPushButton(text(w.text), surface); break;
    case Windowed::Spin: {
      widget = new QWidget(surface);
      auto* arrows = new QVBoxLayout(widget);
      arrows->setContentsMargins(0, 0, 0, 0);
      arrows->setSpacing(0);
      for (Qt::ArrowType arrow : {Qt::UpArrow, Qt::DownArrow}) {
        auto* button = new QToolButton(widget);
        button->setArrowType(arrow);
        button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
        arrows->addWidget(button);
      }
      break;
    }
    case Windowed::StatusBar: {
      auto* bar = new QStatusBar(surface);
      bar->setSizeGripEnabled(false);
      bar->addWidget(new QLabel(text(w.text), bar), 1);
      widget = bar;
      break;
    }
  }
  widget->setFont(drawn_font(8.25f, false));
  widget->setGeometry(whole_pixels(w.at));
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Tarvex v1.5.4"));
  window.setFont(drawn_font(8.25f, false));
  auto* layout = new QVBoxLayout(&window);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  auto* menus = new QMenuBar(&window);
  QMenu* file = menus->addMenu(QStringLiteral("&File"));
  file->addSeparator();
  file->addAction(QStringLiteral("E&xit"));
  menus->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));
  layout->setMenuBar(menus);
  auto* surface = new Drawing(&window);
  layout->addWidget(surface);
  for (const Windowed& w : kWindowed) add_widget(w, surface);
  new tarvex::startup::FirstFrameReporter(*surface);
  window.adjustSize();
  window.move(window.screen()->availableGeometry().center() - window.rect().center());
  window.show();
  return QApplication::exec();
}
