#include "toolkit/typefaces.h"

namespace tarvex {

std::u16string drawn_face(std::u16string_view wanted, const std::function<bool(std::u16string_view)>& system_has) {
  if (system_has(wanted)) return std::u16string(wanted);
  for (std::u16string_view closest : {u"Tahoma", u"DejaVu Sans", u"Arial"}) {
    if (system_has(closest)) return std::u16string(closest);
  }
  return {};
}

const std::u16string& DrawnFaces::of(std::u16string_view wanted) {
  if (auto found = chosen_.find(wanted); found != chosen_.end()) return found->second;
  std::u16string drawn = drawn_face(wanted, system_has_);
  return chosen_.emplace(wanted, drawn.empty() ? system_face_ : std::move(drawn)).first->second;
}

}  // namespace tarvex
