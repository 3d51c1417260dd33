#pragma once
// What a screen reader meets beyond the widgets' own announcements, as the toolkit decides it
// (toolkit/accessible.h): drop-down lists named for their role rather than their current item, the
// picture link as a link with its address, read-outs of painted labels as one text, and the
// descriptions that change (a bad entry's mark, a command's outcome).
#include <QComboBox>
#include <QLabel>
#include <QWidget>
#include <functional>
#include <optional>

#include "toolkit/accessible.h"
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

// The spin control: an up and a down arrow, stacked, each one step of the record's value. It is
// told as one spin control holding the record's number.
class SpinArrows : public QWidget {
 public:
  SpinArrows(Control& control, QWidget* parent, UserInput& input, QObject* link);
  const Control& control() const { return control_; }

 private:
  Control& control_;
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

// What a window tells as it happens, without taking the focus: it paints nothing, and is shown anew
// with each thing to tell.
class Notice : public QWidget {
 public:
  explicit Notice(QWidget* parent);
  void tell(const QString& text);

 protected:
  void paintEvent(QPaintEvent*) override {}
};

// One window's painted parts for assistive technology, and the translation of the toolkit's
// announcements: widgets tell of their own names, values and states; descriptions and read-outs are
// told here.
class AccessibleView {
 public:
  using WidgetOf = std::function<QWidget*(const Control&)>;
  AccessibleView(const Form& form, WidgetOf widget_of) : form_(form), window_(form), widget_of_(std::move(widget_of)) {}
  // Makes the links and read-outs over the painted surface.
  void build(QWidget* surface, UserInput& input);
  void changed(const PropertyChange& change);
  void outcome_announced();

 private:
  void describe(const Control& control);
  void rename(const Control& control);
  void tell_new_item(const Control& control);

  const Form& form_;
  AccessibleWindow window_;
  WidgetOf widget_of_;
  QList<ReadOutText*> read_outs_;
  Notice* notice_ = nullptr;
};

}  // namespace tarvex::qt
