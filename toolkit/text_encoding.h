#pragma once
// The windows keep texts as UTF-16 (as the value rules count them); the outside world speaks UTF-8.
#include <string>
#include <string_view>

namespace tarvex {

std::string to_utf8(std::u16string_view text);
// Invalid UTF-8 sequences become U+FFFD, so any bytes make a text.
std::u16string from_utf8(std::string_view text);

}  // namespace tarvex
