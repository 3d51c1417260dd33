#pragma once
// What a screen reader meets beyond the widgets' own announcements: drop-down lists named for their
// role rather than their current item, the picture link as a link with its address, and read-outs
// of painted labels as one text. Each is a widget of its own kind with an interface made for it.
#include <QComboBox>
#include <QLabel>
#include <QWidget>

#include "toolkit/control.h"
#include "toolkit/form.h"
#include "toolkit/user_input.h"

namespace tarvex::qt {

// Tells Qt's accessibility of the interfaces below; once per program, before any window is shown.
void install_accessibility();

// A drop-down list. Its accessible name is the one it was given, where Qt's own interface would
// announce the item shown.
class DropDown : public QComboBox {
 public:
  using QComboBox::QComboBox;
  // Its open list is a window of its own, made when first opened, and some desktops give lists a
  // palette of their own: it takes its window's.
  void showPopup() override;
};

// The rectangle of a painted control that a click opens as a web address. It paints nothing and
// takes no mouse input (the client area under it does); it is there to be announced, and pressed
// by assistive technology.
class LinkArea : public QWidget {
 public:
  LinkArea(Control& control, UserInput& input, QWidget* parent);
  void press();

 private:
  Control& control_;
  UserInput& input_;
};

// Painted labels read as one text. It paints nothing (the labels are painted by the client area)
// and follows their captions.
class ReadOutText : public QLabel {
 public:
  ReadOutText(const ReadOut& read_out, QWidget* parent);
  const ReadOut& read_out() const { return read_out_; }
  void refresh();

 protected:
  void paintEvent(QPaintEvent*) override {}

 private:
  const ReadOut& read_out_;
};

}  // namespace tarvex::qt
