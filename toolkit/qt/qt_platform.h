#pragma once
// The toolkit on Qt: each loaded window is a FormView, message boxes are QMessageBoxes, the home page
// opens with the desktop's own opener, and text is measured with the fonts that the windows draw.
#include <QEventLoop>
#include <QHash>
#include <QMessageBox>
#include <QPointer>
#include <functional>

#include "toolkit/platform.h"
#include "toolkit/window_view.h"

namespace tarvex::qt {

class FormView;

// The user's number notation from the system's locale, handed to the value rules.
void use_system_notation();

class QtPlatform : public Platform, public ViewMaker {
 public:
  // Gives the program the windows' own look (see look.h).
  QtPlatform();
  ~QtPlatform() override;

  // Called once each message box is on the screen (a driver closes it from here).
  std::function<void(QMessageBox&)> message_box_shown;

  void message_box(const Text& caption, const Text& prompt, int buttons) override;
  void start_program(const Text& command_line, int window_style) override;
  float text_width(const Font& font, std::u16string_view text) override;
  void run_modal(Form& window) override;
  void end_program() override;

  WindowView& make_view(Form& window, UserInput& input) override;
  // A modal window's loop ends with its view, which deletes itself later.
  void drop_view(Form& window, WindowView& view) override;
  // The window's view, nullptr while it has none.
  static FormView* view_of(const Form& window);

 private:
  QHash<const Form*, QEventLoop*> modal_loops_;
  QList<QPointer<FormView>> views_;  // deleted with the platform, unless gone before
};

}  // namespace tarvex::qt
