#pragma once
// What a screen reader meets on Windows, through MSAA: each window of a view, and each of its control
// windows, answers WM_GETOBJECT with an object that says what the control is (its name, role,
// description and value come from the record and the kind table, as on every platform). Windows' own
// object of a control keeps answering what it already answers right (an edit box's text and caret, a
// list's items) and the window's own object its frame. A window's client object also holds the painted
// controls that carry information: each read-out as one static text, and each link. Objects are made
// when a screen reader first asks, never at start-up.
#include <windows.h>

#include "toolkit/form.h"

namespace tarvex::win32 {

class FormView;

// The answer to WM_GETOBJECT sent to a view's window or one of its control windows: the object for
// OBJID_CLIENT, or 0 where Windows' own answer stands.
LRESULT accessible_object(HWND window, WPARAM flags, LPARAM object_id);

// The focus needs no word of its own: Windows tells screen readers of every SetFocus, and the object
// they then ask for is the control window's own.

// Tells screen readers, once the view has shown a delivered change (when it goes out of scope), what
// they would read differently now: a control's name, value or state, or the text of a read-out.
class ChangeAnnouncement {
 public:
  ChangeAnnouncement(const FormView& view, const PropertyChange& change) : view_(view), change_(change) {}
  ~ChangeAnnouncement();
  ChangeAnnouncement(const ChangeAnnouncement&) = delete;
  ChangeAnnouncement& operator=(const ChangeAnnouncement&) = delete;

 private:
  const FormView& view_;
  const PropertyChange& change_;
};

}  // namespace tarvex::win32
