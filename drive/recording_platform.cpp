#include "drive/recording_platform.h"

#include "toolkit/form.h"
#include "toolkit/text_encoding.h"

namespace tarvex {

void RecordingPlatform::message_box(const Text& caption, const Text& prompt, int buttons) {
  out_ << "msgbox " << to_utf8(caption) << '|' << to_utf8(prompt) << '|' << buttons << '\n';
  inner_.message_box(caption, prompt, buttons);
}

void RecordingPlatform::start_program(const Text& command_line, int window_style) {
  out_ << "shell " << window_style << '|' << to_utf8(command_line) << '\n';
}

void RecordingPlatform::window_loaded(Form& window) {
  if (&window != start_up_window) out_ << "loaded " << window.name() << '\n';
  inner_.window_loaded(window);
}

void RecordingPlatform::window_unloaded(Form& window) {
  out_ << "unloaded " << window.name() << '\n';
  inner_.window_unloaded(window);
}

void RecordingPlatform::run_modal(Form& window) {
  while (window.is_loaded() && pump && pump()) {
  }
}

}  // namespace tarvex
