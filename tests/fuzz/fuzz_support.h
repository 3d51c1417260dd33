#pragma once
// What the fuzz targets share: the notations the program supports, texts made from the fuzzer's
// bytes (any UTF-8, raw UTF-16 with unpaired surrogates, NULs and control characters, or a known
// awkward entry), and how a broken promise is reported.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/notation.h"
#include "core/variant.h"
#include "tests/core/value_rules_check.h"  // supported_notations()
#include "toolkit/text_encoding.h"

namespace tarvex {

// The first 200 code units, printable, for the report of a finding.
inline std::string narrow(const Text& text) {
  std::string out;
  for (char16_t c : text.substr(0, 200)) {
    out += c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?';
  }
  return text.size() > 200 ? out + "... (" + std::to_string(text.size()) + " code units)" : out;
}

[[noreturn]] inline void fail(const std::string& rule, const std::string& what) {
  std::fprintf(stderr, "broken promise: %s: %s\n", rule.c_str(), what.c_str());
  std::abort();
}

inline Text awkward_entry(FuzzedDataProvider& data) {
  static const std::vector<Text> entries = {
      u"1e309",
      u"-1e309",
      u"1e-400",
      u"1,000",
      u"2,1",
      u"1.000,5",
      u"12.5",
      u"12abc",
      u"&H",
      u"&HFFFFFFFFFFFFFFFFF",
      u"&O777777777777777777777777",
      u"$-1e309",
      u"€ 12",
      u"12 kr",
      u"1\u00A0000",
      u"1\u202F000,5",
      u"1’000.5",
      u"-",
      u".",
      u"e5",
      u"1e",
      u"1E+",
      u"(12)",
      u"0",
      u"-0",
      u"20",
      u"0.02",
      u"5100",
      u"5101",
      u"2147483647.5",
      u"32767.5",
      u"-2147483648.5",
      u"4.8",
      u"1e10",
      std::u16string(5000, u'9'),
      std::u16string(400, u'0') + u"1",
      u"0." + std::u16string(400, u'0') + u"1",
      std::u16string(1, u'\xD800'),
      std::u16string(2, u'\0'),
  };
  return entries[data.ConsumeIntegralInRange<std::size_t>(0, entries.size() - 1)];
}

inline Text any_text(FuzzedDataProvider& data) {
  const auto length = data.ConsumeIntegralInRange<std::size_t>(0, 64);
  switch (data.ConsumeIntegralInRange(0, 3)) {
    case 0: return from_utf8(data.ConsumeBytesAsString(length));
    case 1: {
      Text text;
      for (std::size_t i = 0; i < length && data.remaining_bytes() >= 2; ++i) {
        text += static_cast<char16_t>(data.ConsumeIntegral<std::uint16_t>());
      }
      return text;
    }
    case 2: return awkward_entry(data) + from_utf8(data.ConsumeBytesAsString(length % 4));
    default: return from_utf8(data.ConsumeBytesAsString(length % 8)) + awkward_entry(data);
  }
}

}  // namespace tarvex
