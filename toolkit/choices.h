#pragma once
// How the controls that offer a choice show it and take it, once for every front end: the mark of a
// check box or an option button, how many items an open drop-down list shows, and which choice of an
// item in a list is a pick.
#include "toolkit/form.h"

namespace tarvex {

// How many items an open drop-down list shows at once.
inline constexpr int kOpenListItems = 10;

// The mark a check box or an option button shows: a check box's Value 1 is checked and 2 greyed, an
// option button is checked while its Value is True.
enum class CheckMark { Clear, Checked, Greyed };
CheckMark check_mark(const Control& control);

// Whether the user's choice of an item in a list is a pick: any item of a drop-down list, even the
// selected one again; in a list box, an item other than the selected one.
bool is_pick(const ListControl& list, long index);

}  // namespace tarvex
