#pragma once
// Text set in the Symbol typeface stands for Greek letters ("W" is the ohm sign). The windows draw
// such text as the Unicode characters it stands for, in their ordinary typeface.
#include <string_view>

#include "core/variant.h"

namespace tarvex {

inline constexpr std::u16string_view kSymbolFace = u"Symbol";

Text symbol_to_unicode(std::u16string_view text);

}  // namespace tarvex
