#pragma once
// The widgets that show windowed controls, and the binding of their records' properties to widget
// properties: a table of which record property a widget shows and how, read when the widget is
// built and again for each property that changes.
#include <QWidget>

#include "toolkit/control.h"
#include "toolkit/user_input.h"

namespace tarvex::qt {

// Builds the widget of a windowed control, with its design-time look, and turns what the user does
// to it into UserActions. Those calls go through connections held by link: deleting it cuts them
// all, so that a widget on its way out cannot reach a record that is gone.
QWidget* create_widget(Control& control, QWidget* parent, UserInput& input, QObject* link);

// Shows one property of a control in its widget; false when the widget does not show that property.
// The widget's own signals are blocked meanwhile: a write by the program is no input of the user.
bool show_property(QWidget& widget, const Control& control, PropertyId property);

// Shows every property of a control in its widget.
void show_all_properties(QWidget& widget, const Control& control);

}  // namespace tarvex::qt
