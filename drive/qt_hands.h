#pragma once
// The driver's hands in the real windows: each action that the window takes is delivered to the
// widgets as real mouse and key events, which the Qt front end turns into the toolkit's actions as
// it does for a person.
#include <QWidget>

#include "drive/window_hands.h"
#include "toolkit/qt/qt_platform.h"

namespace tarvex {

namespace qt {
class FormView;
}

class QtHands : public WindowHands {
 public:
  QtHands(qt::QtPlatform& platform, Toolkit& toolkit) : platform_(platform), toolkit_(toolkit) {}

  void shot(const std::string& file) override;
  std::string pixel(float x, float y) override;

 private:
  void bring_forward() override { active_view(); }
  // Lets Qt deliver what the action has posted (repaints, deferred deletes).
  void settle() override;
  void click_menu_item(const Menu& item) override;
  void click(const Control& control, ClickTarget target) override;
  void give_focus(const Control& control, bool by_mouse) override;
  void select_all(const Control& box) override;
  void erase(const Control& box) override;
  void type_key(const Control& box, char16_t c) override;
  void bring_in_whole(const Control& box, const Text& text) override;
  void pick(const Control& list, long index) override;
  void spin(const Control& arrows, int direction) override;
  void press(KeyPress key) override;
  void close(const Form& window) override;

  // The active window's view, active and exposed, ready for input.
  qt::FormView& active_view();
  QWidget& widget_of(const Control& control);

  qt::QtPlatform& platform_;
  Toolkit& toolkit_;
};

}  // namespace tarvex
