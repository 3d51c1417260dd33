#pragma once
// The widgets that show windowed controls, and how each part of a widget shows its record (which
// record property a part shows is the toolkit's widget_part), when the widget is built and again for
// each property that changes.
#include <QWidget>

#include "toolkit/control.h"
#include "toolkit/user_input.h"

namespace tarvex::qt {

// Builds the widget of a windowed control, with its design-time look, and turns what the user does
// to it into UserActions. Those calls go through connections held by link: deleting it cuts them
// all, so that a widget on its way out cannot reach a record that is gone.
QWidget* create_widget(Control& control, QWidget* parent, UserInput& input, QObject* link);

// Shows one property of a control in its widget, if the widget shows it. The widget's own signals
// are blocked meanwhile: a write by the program is no input of the user.
void show_property(QWidget& widget, const Control& control, PropertyId property);

// Shows every part of a control in its widget, each once.
void show_all_properties(QWidget& widget, const Control& control);

}  // namespace tarvex::qt
