#include "toolkit/line_breaks.h"

namespace tarvex {

namespace {

std::u16string_view without_end_blanks(std::u16string_view text) {
  const auto first = text.find_first_not_of(u' ');
  if (first == std::u16string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(u' ') - first + 1);
}

}  // namespace

std::vector<std::u16string> lines_broken_at_blanks(std::u16string_view text, float width,
                                                   const std::function<float(std::u16string_view)>& width_of) {
  std::vector<std::u16string> lines;
  std::u16string line;
  std::size_t at = 0;
  while (true) {
    const std::size_t blank = text.find(u' ', at);
    const std::u16string_view word = text.substr(at, blank == std::u16string_view::npos ? blank : blank - at);
    std::u16string longer = line;
    if (!line.empty()) longer += u' ';
    longer += word;
    if (!without_end_blanks(line).empty() && width_of(without_end_blanks(longer)) > width) {
      lines.emplace_back(without_end_blanks(line));
      line = word;
    } else {
      line = std::move(longer);
    }
    if (blank == std::u16string_view::npos) break;
    at = blank + 1;
  }
  lines.emplace_back(without_end_blanks(line));
  return lines;
}

}  // namespace tarvex
