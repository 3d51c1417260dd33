// The Compute click in the real window: from the mouse click delivered to the button until the
// window has repainted the bands, on Qt's offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>
#include <cstdlib>

#include "main_window/frm_main.h"
#include "toolkit/qt/form_view.h"
#include "toolkit/qt/qt_platform.h"
#include "toolkit/qt/surface.h"

namespace tarvex {
namespace {

// Counts the paints of the window's client area.
class PaintCounter : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
  long paints = 0;
};

void ComputeClickToRepaintedBands(benchmark::State& state) {
  qt::QtPlatform platform;
  Toolkit toolkit(platform);
  UserInput input(toolkit);
  toolkit.show_windows_in(platform, input);
  frmMain window(toolkit);
  toolkit.Load(window);
  toolkit.Show(window);
  qt::FormView& view = *platform.view_of(window);
  if (!QTest::qWaitForWindowExposed(&view)) state.SkipWithError("the window was not exposed");
  input.perform(action::Type{window.txt_supply_v, u"24"});
  input.perform(action::Type{window.txt_led_v, u"3.3"});
  QWidget* compute = view.widget_of(window.btn_compute);
  PaintCounter counter;
  view.surface().installEventFilter(&counter);
  QCoreApplication::processEvents();

  bool milliamperes = true;
  for (auto _ : state) {
    // Alternating the unit changes the result, so every click repaints the bands.
    state.PauseTiming();
    input.perform(action::Click{milliamperes ? window.op_ma : window.op_a});
    milliamperes = !milliamperes;
    QCoreApplication::processEvents();
    const long paints_before = counter.paints;
    state.ResumeTiming();

    QTest::mouseClick(compute, Qt::LeftButton);
    while (counter.paints == paints_before) QCoreApplication::processEvents();
  }
  benchmark::DoNotOptimize(window.txt_standard_val.Text.get());
}
BENCHMARK(ComputeClickToRepaintedBands)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tarvex

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
