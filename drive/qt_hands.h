#pragma once
// The driver's hands in the real windows: each action is first checked as the toolkit would refuse
// it, then delivered to the widgets as real mouse and key events, which the Qt front end turns into
// the toolkit's events as it does for a person.
#include <QWidget>

#include "drive/hands.h"
#include "toolkit/qt/qt_platform.h"

namespace tarvex {

namespace qt {
class FormView;
}

class QtHands : public Hands {
 public:
  QtHands(UserInput& input, qt::QtPlatform& platform, Toolkit& toolkit)
      : input_(input), platform_(platform), toolkit_(toolkit) {}

  Refusal type(Control& control, const Text& text) override;
  Refusal focus(Control& control) override;
  Refusal click(Control& control) override;
  Refusal pick(Control& control, long index) override;
  Refusal spin(Control& control, int direction) override;
  Refusal key(KeyPress press) override;
  Refusal close() override;
  void shot(const std::string& file) override;
  std::string pixel(float x, float y) override;

 private:
  // The active window's view, active and exposed, ready for input.
  qt::FormView& active_view();
  QWidget& widget_of(const Control& control);
  void click_menu_item(const Menu& item);
  void click_painted(const Control& control);
  // Lets Qt deliver what the action has posted (repaints, deferred deletes).
  static void settle();

  UserInput& input_;
  qt::QtPlatform& platform_;
  Toolkit& toolkit_;
};

}  // namespace tarvex
