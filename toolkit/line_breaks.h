#pragma once
// Where a wrapping caption breaks into lines, once for every front end, by the front end's own
// measure of text.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvex {

// A wrapping caption breaks its lines at blanks only, as the windows always have: a web address in a
// caption stays whole on its line. A line takes words while it is no wider than `width` by the front
// end's own measure (a word wider than that has a line of its own); the blanks at the ends of a line
// are not drawn and not measured.
std::vector<std::u16string> lines_broken_at_blanks(std::u16string_view text, float width,
                                                   const std::function<float(std::u16string_view)>& width_of);

}  // namespace tarvex
