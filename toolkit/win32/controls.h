#pragma once
// The Windows controls that show windowed controls, and how each part of a control shows its record
// (which record property a part shows is the toolkit's widget_part), when the control is created
// and again for each property that changes.
#include <windows.h>

#include "toolkit/control.h"

namespace tarvex::win32 {

// Creates the Windows control of a windowed control, with its design-time look, as a child of
// parent at the parent's DPI; nullptr for a kind that has none.
HWND create_control_window(const Control& control, HWND parent, int id, UINT dpi);

// Shows one property of a control in its Windows control; false when it does not show that
// property. The caller keeps the notifications that such a write sends from counting as input.
bool show_property(HWND window, const Control& control, PropertyId property, UINT dpi);

// Shows every property of a control, and its font, at a DPI (when created, and when the DPI changes).
void show_all_properties(HWND window, const Control& control, UINT dpi);

}  // namespace tarvex::win32
