#pragma once
// The plain values that texts and whole numbers of the windows are: texts are UTF-16, so lengths and
// positions count UTF-16 code units; Integer and Long are the 16- and 32-bit whole numbers.
#include <cstdint>
#include <string>

namespace tarvex {

using Text = std::u16string;
using Integer = std::int16_t;
using Long = std::int32_t;

}  // namespace tarvex
