// The floor for the start-up benchmark: a bare Qt main window with the same number and kinds of
// widgets as the program's main window, at the same places, and nothing else: no records, no
// handlers, nothing painted on the surface. Prints "first-frame" once its first frame is painted.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QStringList>
#include <QToolButton>

#include "bench/startup/first_frame.h"

namespace {

// Positions in pixels: the designer's twips divided by 15.
QRect pixels(int left, int top, int width, int height) { return {left / 15, top / 15, width / 15, height / 15}; }

template <class Widget>
Widget* placed(QWidget* surface, QRect at) {
  auto* widget = new Widget(surface);
  widget->setGeometry(at);
  return widget;
}

QLineEdit* text_box(QWidget* surface, QRect at, const char* text, bool read_only, bool visible = true) {
  auto* box = placed<QLineEdit>(surface, at);
  box->setText(QString::fromUtf8(text));
  box->setReadOnly(read_only);
  box->setVisible(visible);
  return box;
}

void drop_down(QWidget* surface, QRect at, const QStringList& items) {
  placed<QComboBox>(surface, at)->addItems(items);
}

const QStringList kDigits = {"0 Black", "1 Brown", "2 Red",    "3 Orange", "4 Yellow",
                             "5 Green", "6 Blue",  "7 Violet", "8 Gray",   "9 White"};
const QStringList kMultipliers = kDigits.mid(0, 7);
const QStringList kTolerances = {"Brown 1%", "Red 2%", "Gold 5%", "Silver 10%", "None 20%"};

QStringList standard_values() {
  const double decade[] = {1.0, 1.1, 1.2, 1.3, 1.5, 1.6, 1.8, 2.0, 2.2, 2.4, 2.7, 3.0,
                           3.3, 3.6, 3.9, 4.3, 4.7, 5.1, 5.6, 6.2, 6.8, 7.5, 8.2, 9.1};
  QStringList values;
  for (double scale : {1.0, 10.0, 100.0, 1000.0}) {
    for (double v : decade) {
      if (v * scale > 5100) break;
      values << (scale == 1.0 ? QString::number(v, 'f', 1) : QString::number(v * scale));
    }
  }
  return values;
}

void build(QMainWindow& window) {
  window.setWindowTitle(QStringLiteral("Tarvex v1.5.4"));
  window.setFont(QFont(QStringLiteral("Verdana"), 8));

  QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
  file->addSeparator();
  file->addAction(QStringLiteral("E&xit"));
  window.menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));
  window.statusBar()->showMessage(QStringLiteral("Enter LED voltages and current"));
  window.statusBar()->setSizeGripEnabled(false);
  window.statusBar()->setFixedHeight(375 / 15);

  // The client area is 790 x 398 below the menu bar; the status bar takes its bottom 25.
  auto* surface = new QWidget;
  surface->setFixedSize(11850 / 15, 5595 / 15);
  window.setCentralWidget(surface);
  window.layout()->setSizeConstraint(QLayout::SetFixedSize);

  text_box(surface, pixels(1800, 600, 495, 285), "0", false);
  text_box(surface, pixels(1800, 960, 495, 285), "0", false);
  text_box(surface, pixels(1800, 1320, 495, 285), "20", false);
  text_box(surface, pixels(1440, 1890, 975, 285), "0", true);
  text_box(surface, pixels(4320, 1890, 975, 285), "", true);
  text_box(surface, pixels(7800, 840, 375, 285), "2", true);
  text_box(surface, pixels(10320, 930, 975, 285), "", true);
  text_box(surface, pixels(10320, 1410, 975, 285), "", true);
  for (int i = 0; i < 4; ++i) text_box(surface, pixels(0, 0, 495, 285), "*", false, false);

  placed<QListWidget>(surface, pixels(0, 0, 1095, 1035))->addItems(standard_values());
  surface->findChild<QListWidget*>()->hide();

  placed<QRadioButton>(surface, pixels(2400, 1320, 855, 255))->setText(QStringLiteral("mA"));
  placed<QRadioButton>(surface, pixels(2400, 1560, 855, 255))->setText(QStringLiteral("A"));
  placed<QPushButton>(surface, pixels(3120, 840, 2055, 615))->setText(QStringLiteral("&Compute"));
  placed<QCheckBox>(surface, pixels(2400, 2520, 1095, 255))->setText(QStringLiteral("Enable"));

  drop_down(surface, pixels(240, 2760, 1095, 315), kDigits);
  drop_down(surface, pixels(1320, 2760, 1095, 315), kDigits);
  drop_down(surface, pixels(2400, 2760, 1095, 315), kDigits);
  drop_down(surface, pixels(3480, 2760, 1095, 315), kMultipliers);
  drop_down(surface, pixels(4680, 2760, 1215, 315), kTolerances);

  // The spin control: two arrows stacked against the right edge of the LED count.
  const QRect spin = pixels(8160, 840, 195, 285);
  placed<QToolButton>(surface, spin.adjusted(0, 0, 0, -spin.height() / 2))->setArrowType(Qt::UpArrow);
  placed<QToolButton>(surface, spin.adjusted(0, spin.height() / 2, 0, 0))->setArrowType(Qt::DownArrow);

  new tarvex::startup::FirstFrameReporter(*surface);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QMainWindow window;
  build(window);
  window.adjustSize();
  window.move(window.screen()->availableGeometry().center() - window.rect().center());
  window.show();
  return QApplication::exec();
}
