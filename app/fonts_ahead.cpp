#include "app/fonts_ahead.h"

#include <fontconfig/fontconfig.h>

namespace tarvex {

// Qt's font database asks fontconfig for the same configuration, which fontconfig then has at hand.
FontsAhead::FontsAhead() : reader_([] { FcInit(); }) {}

void FontsAhead::ready() {
  if (reader_.joinable()) reader_.join();
}

}  // namespace tarvex
