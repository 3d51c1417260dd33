#include "toolkit/choices.h"

namespace tarvex {

CheckMark check_mark(const Control& control) {
  if (control.kind() == ControlKind::OptionButton)
    return static_cast<const OptionButton&>(control).Value ? CheckMark::Checked : CheckMark::Clear;
  const Integer value = static_cast<const CheckBox&>(control).Value;
  return value == 1 ? CheckMark::Checked : value == 2 ? CheckMark::Greyed : CheckMark::Clear;
}

bool is_pick(const ListControl& list, long index) {
  return index >= 0 && (list.kind() == ControlKind::ComboBox || index != list.ListIndex);
}

}  // namespace tarvex
