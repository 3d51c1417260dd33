#include "toolkit/symbol_font.h"

namespace tarvex {

namespace {

// The Latin letters of the Symbol typeface and the Greek letters in their places.
constexpr std::u16string_view kUpper = u"ΑΒΧΔΕΦΓΗΙϑΚΛΜΝΟΠΘΡΣΤΥςΩΞΨΖ";
constexpr std::u16string_view kLower = u"αβχδεφγηιϕκλμνοπθρστυϖωξψζ";

}  // namespace

Text symbol_to_unicode(std::u16string_view text) {
  Text shown(text);
  for (char16_t& c : shown) {
    if (c >= u'A' && c <= u'Z') {
      c = kUpper[c - u'A'];
    } else if (c >= u'a' && c <= u'z') {
      c = kLower[c - u'a'];
    }
  }
  return shown;
}

}  // namespace tarvex
