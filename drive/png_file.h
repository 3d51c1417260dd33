#pragma once
// A picture written as PNG with nothing but the standard library: 8-bit RGB, one zlib stream of
// stored (uncompressed) blocks, each chunk with its CRC. Large, but any viewer reads it.
#include <cstdint>
#include <string>
#include <vector>

namespace tarvex {

struct RgbPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;  // three bytes a pixel, row by row from the top
};

// The bytes of the PNG file of a picture; throws std::invalid_argument for a picture whose pixels
// do not fill its size.
std::string png_bytes(const RgbPicture& picture);

// The checksums that the format asks for, over a run of bytes.
std::uint32_t crc32_of(const std::string& bytes);
std::uint32_t adler32_of(const std::string& bytes);

}  // namespace tarvex
