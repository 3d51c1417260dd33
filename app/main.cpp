// Tarvex: the desktop program.
#include <QApplication>
#include <QMainWindow>
#include <QStatusBar>

#include "core/variant.h"
#include "toolkit/program.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  using tarvex::kProgram;
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("%1 v%2.%3.%4")
                            .arg(QString::fromStdU16String(std::u16string(kProgram.title)))
                            .arg(kProgram.major)
                            .arg(kProgram.minor)
                            .arg(kProgram.revision));
  window.statusBar()->showMessage(QStringLiteral("Enter LED voltages and current"));
  window.resize(790, 423);
  window.show();
  return QApplication::exec();
}
