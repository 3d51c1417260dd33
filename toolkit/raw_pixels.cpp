#include "toolkit/raw_pixels.h"

#include <cctype>
#include <cstddef>

namespace tarvex {

namespace {

// The next number of the header, after blanks and comments; -1 when there is none.
long header_number(std::string_view data, std::size_t& at) {
  while (at < data.size()) {
    const char c = data[at];
    if (c == '#') {
      while (at < data.size() && data[at] != '\n') ++at;
    } else if (std::isspace(static_cast<unsigned char>(c))) {
      ++at;
    } else {
      break;
    }
  }
  long number = -1;
  while (at < data.size() && std::isdigit(static_cast<unsigned char>(data[at])) && number < 100000) {
    number = (number < 0 ? 0 : number * 10) + (data[at++] - '0');
  }
  return number;
}

}  // namespace

std::optional<RawPixels> read_raw_pixels(std::string_view ppm) {
  if (ppm.substr(0, 2) != "P6") return std::nullopt;
  std::size_t at = 2;
  const long width = header_number(ppm, at);
  const long height = header_number(ppm, at);
  const long max_value = header_number(ppm, at);
  // One blank ends the header; the samples follow.
  if (width <= 0 || height <= 0 || max_value != 255 || at >= ppm.size()) return std::nullopt;
  const std::size_t start = at + 1;
  const std::size_t size = static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3;
  if (ppm.size() - start < size) return std::nullopt;
  return RawPixels{static_cast<int>(width), static_cast<int>(height), ppm.substr(start, size)};
}

}  // namespace tarvex
