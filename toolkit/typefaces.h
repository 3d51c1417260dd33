#pragma once
// Which face the typefaces of the windows are drawn in on a system that may lack them, once for
// every front end, over the front end's own look through the system's fonts.
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>

namespace tarvex {

// The face that a typeface of the windows is drawn in: the face itself where the system has it, else
// the first it has of the sans serifs closest to Verdana and MS Sans Serif; empty where it has none
// of them either, for the system's own face.
std::u16string drawn_face(std::u16string_view wanted, const std::function<bool(std::u16string_view)>& system_has);

// The faces drawn for the typefaces of the windows, each chosen once for the run (drawn_face), as
// asking the system costs a look through its fonts; the system's own face where it has none.
class DrawnFaces {
 public:
  DrawnFaces(std::function<bool(std::u16string_view)> system_has, std::u16string system_face)
      : system_has_(std::move(system_has)), system_face_(std::move(system_face)) {}
  const std::u16string& of(std::u16string_view wanted);

 private:
  std::function<bool(std::u16string_view)> system_has_;
  std::u16string system_face_;
  std::map<std::u16string, std::u16string, std::less<>> chosen_;
};

}  // namespace tarvex
