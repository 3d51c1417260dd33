#pragma once
// The program's identity, as the windows read it.
#include <string_view>

namespace tarvex {

struct ProgramInfo {
  std::u16string_view title;
  int major;
  int minor;
  int revision;
};

inline constexpr ProgramInfo kProgram{u"Tarvex", 1, 5, 4};

}  // namespace tarvex
