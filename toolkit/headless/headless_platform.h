#pragma once
// The toolkit without a window system, for tests and the driver: message boxes close at once, programs
// are not started, text is measured with a fixed table, and a modal window takes its input from
// whatever the owner of this platform pumps (the driver's script).
#include <functional>
#include <vector>

#include "toolkit/platform.h"

namespace tarvex {

class HeadlessPlatform : public Platform {
 public:
  void message_box(const Text& caption, const Text& prompt, int buttons) override;
  void start_program(const Text& command_line, int window_style) override;
  float text_width(const Font& font, std::u16string_view text) override;
  void run_modal(Form& window) override;

  // Carries out one more user action; false when there is no more input.
  std::function<bool()> pump;

  // What has been shown and started, for tests.
  struct ShownMessage {
    Text caption, prompt;
    int buttons;
  };
  std::vector<ShownMessage> messages;
  std::vector<Text> started_programs;
  // Makes every start fail, as on a machine with no browser.
  bool refuse_program_starts = false;
};

}  // namespace tarvex
