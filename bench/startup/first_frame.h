#pragma once
// The start-up probes' one signal: once the first frame of the watched window has been painted,
// print "first-frame" on standard output, flush, and leave the event loop with 0. Every probe uses
// this, so that the program and the bare window are timed to the same moment. Given the argument
// "--stay", a probe says so and stays open, as a program would, to be timed from outside.
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>
#include <cstdio>

namespace tarvex::startup {

class FirstFrameReporter : public QObject {
 public:
  // Watches the widget that is painted with the window's first frame (its painting surface).
  explicit FirstFrameReporter(QWidget& painted) : QObject(&painted) { painted.installEventFilter(this); }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !reported_) {
      reported_ = true;
      // Queued, so that it runs after the repaint that this paint belongs to has been flushed to
      // the screen: the whole window is painted and flushed in one pass of the event loop.
      QMetaObject::invokeMethod(
          QCoreApplication::instance(),
          [] {
            std::fputs("first-frame\n", stdout);
            std::fflush(stdout);
            if (!QCoreApplication::arguments().contains(QStringLiteral("--stay"))) QCoreApplication::exit(0);
          },
          Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool reported_ = false;
};

}  // namespace tarvex::startup
