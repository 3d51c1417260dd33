#include "toolkit/web_address.h"

#include <string_view>

#include "toolkit/text_encoding.h"

namespace tarvex {

namespace {

constexpr std::u16string_view kExplorer = u"explorer ";

bool starts_with(std::u16string_view text, std::u16string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

}  // namespace

std::optional<std::string> web_address_to_open(const Text& command_line) {
  const std::u16string_view line(command_line);
  if (!starts_with(line, kExplorer)) return std::nullopt;
  const std::u16string_view address = line.substr(kExplorer.size());
  std::u16string_view rest;
  if (starts_with(address, u"https://")) {
    rest = address.substr(8);
  } else if (starts_with(address, u"http://")) {
    rest = address.substr(7);
  } else {
    return std::nullopt;
  }
  // A host is required; blanks, control characters and quotes would make it more than one address.
  if (rest.empty() || rest.front() == u'/') return std::nullopt;
  for (char16_t c : address) {
    if (c <= u' ' || c == 0x7F || c == u'"' || c == u'<' || c == u'>' || c == u'\\' || (c >= 0xD800 && c <= 0xDFFF)) {
      return std::nullopt;
    }
  }
  return to_utf8(address);
}

}  // namespace tarvex
