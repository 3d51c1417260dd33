#include "drive/png_file.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace tarvex {

namespace {

std::array<std::uint32_t, 256> crc_table() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}

void put_big_endian(std::string& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

void put_chunk(std::string& out, const char* type, const std::string& data) {
  put_big_endian(out, static_cast<std::uint32_t>(data.size()));
  const std::string typed = std::string(type, 4) + data;
  out += typed;
  put_big_endian(out, crc32_of(typed));
}

// A zlib stream of stored blocks: no compression, each block at most 65535 bytes.
std::string stored_zlib(const std::string& raw) {
  std::string out("\x78\x01", 2);
  std::size_t at = 0;
  do {
    const std::size_t length = std::min<std::size_t>(65535, raw.size() - at);
    const bool last = at + length == raw.size();
    out.push_back(static_cast<char>(last ? 1 : 0));
    out.push_back(static_cast<char>(length & 0xFF));
    out.push_back(static_cast<char>(length >> 8));
    out.push_back(static_cast<char>(~length & 0xFF));
    out.push_back(static_cast<char>((~length >> 8) & 0xFF));
    out.append(raw, at, length);
    at += length;
  } while (at < raw.size());
  put_big_endian(out, adler32_of(raw));
  return out;
}

}  // namespace

std::uint32_t crc32_of(const std::string& bytes) {
  static const auto table = crc_table();
  std::uint32_t c = 0xFFFFFFFFu;
  for (unsigned char b : bytes) c = table[(c ^ b) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

std::uint32_t adler32_of(const std::string& bytes) {
  std::uint32_t a = 1, b = 0;
  for (unsigned char byte : bytes) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  return (b << 16) | a;
}

std::string png_bytes(const RgbPicture& picture) {
  if (picture.width <= 0 || picture.height <= 0 ||
      picture.rgb.size() != static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height) * 3) {
    throw std::invalid_argument("the pixels do not fill the picture");
  }
  std::string header;
  put_big_endian(header, static_cast<std::uint32_t>(picture.width));
  put_big_endian(header, static_cast<std::uint32_t>(picture.height));
  header += std::string("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, deflate, no filter choice, no interlace
  // Each row starts with its filter: none.
  std::string rows;
  const std::size_t row_bytes = static_cast<std::size_t>(picture.width) * 3;
  rows.reserve((row_bytes + 1) * static_cast<std::size_t>(picture.height));
  for (int y = 0; y < picture.height; ++y) {
    rows.push_back('\0');
    rows.append(reinterpret_cast<const char*>(picture.rgb.data()) + static_cast<std::size_t>(y) * row_bytes, row_bytes);
  }
  std::string out("\x89PNG\r\n\x1a\n", 8);
  put_chunk(out, "IHDR", header);
  put_chunk(out, "IDAT", stored_zlib(rows));
  put_chunk(out, "IEND", {});
  return out;
}

}  // namespace tarvex
