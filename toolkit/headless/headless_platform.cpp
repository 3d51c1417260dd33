#include "toolkit/headless/headless_platform.h"

#include <stdexcept>

#include "toolkit/form.h"
#include "toolkit/headless/font_metrics.h"

namespace tarvex {

void HeadlessPlatform::message_box(const Text& caption, const Text& prompt, int buttons) {
  messages.push_back({caption, prompt, buttons});
}

void HeadlessPlatform::start_program(const Text& command_line, int) {
  if (refuse_program_starts) throw std::runtime_error("the program could not be started");
  started_programs.push_back(command_line);
}

float HeadlessPlatform::text_width(const Font& font, std::u16string_view text) {
  return measured_width_twips(font, text);
}

void HeadlessPlatform::run_modal(Form& window) {
  while (window.is_loaded() && pump && pump()) {
  }
}

}  // namespace tarvex
