#pragma once
// A window: its caption, its controls (registered as they are built), its tab order and focus, and
// the design-time look a view needs to draw it. Its own Form_Load runs when the toolkit loads it.
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/control.h"

namespace tarvex {

class Toolkit;
class WindowView;

// One property that has changed, as the window's view is told of it (window_view.h); the view reads
// its latest value from the record. A change that the user made in a widget (typing into a text box,
// moving its caret) is marked, so that the view does not write it back into that widget.
struct PropertyChange {
  Control& control;
  PropertyBase& property;
  bool made_in_widget;
};

enum class FormBorder { FixedSingle, FixedDialog };

// Labels that assistive technology reads as one text, the way the eye reads them on the window:
// each word is the shown captions of its visible labels run together, without blanks at their ends,
// and the words are joined by a space ("Resistor Value:", "5" "1" "0", "Ω" reads "Resistor Value:
// 510 Ω").
struct ReadOut {
  std::vector<std::vector<const Label*>> words;
  bool reads(const Control& control) const;
};
Text read_out_text(const ReadOut& read_out);

class Form : public Control, public WithCaption, public WithFont {
 public:
  Form(Toolkit& toolkit, std::string name);
  // A window destroyed while still loaded (its program's input ended) leaves the toolkit's lists.
  ~Form() override;

  Toolkit& toolkit() const { return toolkit_; }

  virtual void Form_Load() {}

  // Every control, in the order they were built.
  const std::vector<Control*>& controls() const { return controls_; }
  Control* find(std::string_view control_name) const;
  void add_control(Control& control) { controls_.push_back(&control); }

  // The stops of the Tab key, in order. Option buttons of the window form one stop, at the selected one.
  const std::vector<Control*>& tab_order() const { return tab_order_; }
  Control* focused() const { return focused_; }

  // Lines, shapes, labels and pictures, back to front; windowed controls always lie above them.
  const std::vector<Control*>& paint_order() const { return paint_order_; }
  // The menu titles of the menu bar, left to right.
  std::vector<Menu*> menu_bar() const;
  const std::vector<ReadOut>& read_outs() const { return read_outs_; }

  // A window is Visible once the toolkit has shown it, until it is unloaded; only the toolkit
  // shows and hides it, so Visible takes no writes.
  bool is_loaded() const { return loaded_; }

  // The view that shows the window (window_view.h): made by the toolkit's ViewMaker when the window
  // is loaded, nullptr once the toolkit is done with it, or where nothing shows windows.
  void set_view(WindowView* view) { view_ = view; }
  WindowView* view() const { return view_; }
  // A property of the window or one of its controls has changed.
  void tell_view(Control& control, PropertyBase& property);

  // Tells assistive technology what a command came to, without moving the focus: the focused
  // control's description says it until the focus moves.
  void announce(Text outcome);
  // The outcome announced while the control had the focus, as long as it still has it.
  const Text* announcement_for(const Control& control) const {
    return &control == announced_to_ && &control == focused_ ? &announcement_ : nullptr;
  }

  // While it lives, the changes of one control are the user's own edits in its widget.
  class EditInWidget {
   public:
    EditInWidget(Form& form, const Control& control) : form_(form) { form_.edited_in_widget_ = &control; }
    ~EditInWidget() { form_.edited_in_widget_ = nullptr; }
    EditInWidget(const EditInWidget&) = delete;
    EditInWidget& operator=(const EditInWidget&) = delete;

   private:
    Form& form_;
  };

  // The look, as designed.
  float client_width = 0;
  float client_height = 0;
  FormBorder border = FormBorder::FixedSingle;
  bool min_button = true;
  bool max_button = false;
  bool show_in_taskbar = true;
  Color back_color = kButtonFace;
  std::string icon;

 protected:
  void set_tab_order(std::vector<Control*> order) { tab_order_ = std::move(order); }
  void set_paint_order(std::vector<Control*> order) { paint_order_ = std::move(order); }
  void add_read_out(ReadOut read_out) { read_outs_.push_back(std::move(read_out)); }

 private:
  friend class Toolkit;
  Toolkit& toolkit_;
  std::vector<Control*> controls_;
  std::vector<Control*> tab_order_;
  std::vector<Control*> paint_order_;
  std::vector<ReadOut> read_outs_;
  Control* focused_ = nullptr;
  const Control* announced_to_ = nullptr;
  Text announcement_;
  bool loaded_ = false;
  WindowView* view_ = nullptr;
  const Control* edited_in_widget_ = nullptr;
};

}  // namespace tarvex
