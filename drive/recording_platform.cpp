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

WindowView& RecordingPlatform::make_view(Form& window, UserInput& input) {
  if (&window != start_up_window) out_ << "loaded " << window.name() << '\n';
  return inner_views_.make_view(window, input);
}

// A window whose view closes while it is still loaded is going away with the run, not unloaded.
void RecordingPlatform::drop_view(Form& window, WindowView& view) {
  if (!window.is_loaded()) out_ << "unloaded " << window.name() << '\n';
  inner_views_.drop_view(window, view);
}

void RecordingPlatform::run_modal(Form& window) {
  while (window.is_loaded() && pump && pump()) {
  }
}

}  // namespace tarvex
