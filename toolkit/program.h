#pragma once
// The program's identity, as the windows read it.
#include <string_view>

#include "toolkit/program_version.h"

namespace tarvex {

struct ProgramInfo {
  std::u16string_view title;
  int major;
  int minor;
  int revision;
};

inline constexpr ProgramInfo kProgram{u"Tarvex", kVersionMajor, kVersionMinor, kVersionPatch};

}  // namespace tarvex
