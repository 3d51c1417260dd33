#pragma once
// The toolkit on Qt: each loaded window is a FormView, message boxes are QMessageBoxes, the home page
// opens with the desktop's own opener, and text is measured with the fonts that the windows draw.
#include <QEventLoop>
#include <QHash>
#include <QMessageBox>
#include <functional>

#include "toolkit/platform.h"
#include "toolkit/user_input.h"

namespace tarvex::qt {

class FormView;

// The user's number notation from the system's locale, handed to the value rules.
void use_system_notation();

class QtPlatform : public Platform {
 public:
  // Gives the program the windows' own look (see look.h).
  QtPlatform();
  ~QtPlatform() override;

  // The user's input reaches the toolkit through this; set before the first window is loaded.
  void attach(UserInput& input) { input_ = &input; }
  FormView* view_of(const Form& window) const { return views_.value(&window); }

  // Called once each message box is on the screen (a driver closes it from here).
  std::function<void(QMessageBox&)> message_box_shown;

  void message_box(const Text& caption, const Text& prompt, int buttons) override;
  void start_program(const Text& command_line, int window_style) override;
  float text_width(const Font& font, std::u16string_view text) override;
  void window_loaded(Form& window) override;
  void window_shown(Form& window, Form* owner, bool modal) override;
  void window_unloaded(Form& window) override;
  void window_destroyed(Form& window) override;
  void focus_moved(Form& window, Control* control) override;
  void run_modal(Form& window) override;

 private:
  void remove_view(Form& window);

  UserInput* input_ = nullptr;
  QHash<const Form*, FormView*> views_;
  QHash<const Form*, QEventLoop*> modal_loops_;
};

}  // namespace tarvex::qt
