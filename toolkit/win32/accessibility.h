#pragma once
// What a screen reader meets on Windows, through MSAA: each window of a view, and each of its control
// windows, answers WM_GETOBJECT with an object that translates the toolkit's accessible objects
// (toolkit/accessible.h). Windows' own object of a control keeps answering what it already answers
// right (an edit box's text and caret, a list's items) and the window's own object its frame. Objects
// are made when a screen reader first asks, never at start-up.
#include <windows.h>

#include "toolkit/form.h"

namespace tarvex::win32 {

class FormView;

// The answer to WM_GETOBJECT sent to a view's window or one of its control windows: the object for
// OBJID_CLIENT, or 0 where Windows' own answer stands.
LRESULT accessible_object(HWND window, WPARAM flags, LPARAM object_id);

// Posted to a view's window to click a painted link that a screen reader pressed (wparam: the link's
// place among the window's controls).
constexpr UINT kPressLink = WM_APP + 1;

// The focus needs no word of its own: Windows tells screen readers of every SetFocus, and the object
// they then ask for is the control window's own.

// Tells screen readers, once the view has shown a delivered change, what the toolkit says they would
// read differently now.
void announce_change(const FormView& view, const PropertyChange& change);

// Tells screen readers that the focused control's description now says a command's outcome.
void announce_outcome(const FormView& view);

}  // namespace tarvex::win32
