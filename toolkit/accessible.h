#pragma once
// What assistive technology is told of a window, decided once for every front end: the accessible
// object of each control and of each painted part that carries information (a read-out, a link),
// and what a delivered change means for them. The AT-SPI and MSAA bindings translate these objects
// and announcements into their own terms and decide nothing of their own.
#include <map>
#include <optional>
#include <vector>

#include "toolkit/form.h"
#include "toolkit/pointer.h"

namespace tarvex {

// A prompt shown in red marks its entry as wrong; the entry says so in its description.
inline const Text kMarkedWrong = u"Invalid entry";

struct AccessibleStates {
  bool focusable = false;
  bool read_only = false;
  bool unavailable = false;
  bool linked = false;   // opens an address
  bool invalid = false;  // its prompt marks it as wrong
  int checked = -1;      // -1: cannot be checked; else 0 unchecked, 1 checked, 2 mixed
};

// One object a screen reader meets. A windowed control is answered by its widget's object, a
// painted part (a read-out, a link) by the window's client object under the part's number.
struct AccessibleObject {
  const Control* control = nullptr;  // none for a read-out
  const ReadOut* read_out = nullptr;
  AccessibleRole role = AccessibleRole::None;
  Text name;
  Text value;  // what an entry holds, a list's current item, a spin control's number
  Text description;
  AccessibleStates states;
  Text default_action;  // "Jump" for a link; empty where the widget's own action stands
  Bounds area;          // where it lies on the client area (none for a menu)
  bool painted() const { return read_out != nullptr || !control->traits().windowed; }
};

AccessibleObject accessible_object(const Control& control);
AccessibleObject accessible_object(const ReadOut& read_out);

// The children of a window's client object in the order a screen reader walks them: the visible
// windowed controls as they were built, then the read-outs, then the visible links. Prompts and
// decoration are left out: a prompt already names its box.
std::vector<AccessibleObject> accessible_children(const Form& form);

// The child at a point of the client area, as an index into children, or none: a windowed control
// lies above everything painted, and of the painted parts the last listed lies on top.
std::optional<std::size_t> accessible_child_at(const std::vector<AccessibleObject>& children, TwipPoint at);

// What a screen reader must be told anew of one object.
enum class AccessibleEvent { Name, Value, State, Description };
struct Announcement {
  const Control* control = nullptr;  // or, for a read-out:
  const ReadOut* read_out = nullptr;
  AccessibleEvent event;
};

// One window's announcements. It remembers what each read-out read when last told: several of its
// labels change in one delivery (and a label may move without changing the text), yet it reads
// anew only once.
class AccessibleWindow {
 public:
  explicit AccessibleWindow(const Form& form) : form_(form) {}
  // What one delivered change makes read differently.
  std::vector<Announcement> changed(const PropertyChange& change);
  // A command's outcome was announced (Form::announce): the focused control's description says it.
  std::vector<Announcement> outcome_announced() const;

 private:
  const Form& form_;
  std::map<const ReadOut*, Text> told_;
};

}  // namespace tarvex
