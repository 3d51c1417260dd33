#include "toolkit/win32/win32_platform.h"

#include <commctrl.h>
#include <stdexcept>
#include <utility>

#include "core/notation.h"
#include "toolkit/form.h"
#include "toolkit/text_encoding.h"
#include "toolkit/toolkit.h"
#include "toolkit/win32/conversions.h"
#include "toolkit/win32/form_view.h"

namespace tarvex::win32 {

void prepare_process() {
  SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_UPDOWN_CLASS | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
}

namespace {

std::u16string locale_text(LCTYPE what) {
  wchar_t buffer[16] = {};
  const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, what, buffer, 16);
  return length > 1 ? std::u16string(buffer, buffer + length - 1) : std::u16string();
}

std::string last_error_text() {
  const DWORD code = GetLastError();
  wchar_t words[512] = {};
  const DWORD length =
      FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, words, 512, nullptr);
  std::u16string text = length > 0 ? std::u16string(words, words + length) : u"error " + to_text(std::to_wstring(code));
  while (!text.empty() && (text.back() == u'\n' || text.back() == u'\r' || text.back() == u'.')) text.pop_back();
  return to_utf8(text);
}

// The message box on the screen, found among the windows of this thread.
BOOL CALLBACK note_message_box(HWND window, LPARAM found) {
  if (is_of_class(window, L"#32770") && IsWindowVisible(window)) {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}

Win32Platform* g_waiting_for_box = nullptr;

void CALLBACK look_for_message_box(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND box = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), note_message_box, reinterpret_cast<LPARAM>(&box));
  if (box == nullptr || g_waiting_for_box == nullptr) return;
  KillTimer(nullptr, timer);
  Win32Platform* platform = std::exchange(g_waiting_for_box, nullptr);
  platform->message_box_shown(box);
}

}  // namespace

void use_system_notation() {
  set_current_notation(
      notation_of(locale_text(LOCALE_SDECIMAL), locale_text(LOCALE_STHOUSAND), locale_text(LOCALE_SCURRENCY)));
}

Win32Platform::Win32Platform() = default;

Win32Platform::~Win32Platform() { views_.clear(); }

void Win32Platform::message_box(const Text& caption, const Text& prompt, int /*buttons: OK only*/) {
  HWND owner = GetActiveWindow();
  if (message_box_shown) {
    g_waiting_for_box = this;
    SetTimer(nullptr, 0, 10, look_for_message_box);
  }
  MessageBoxW(owner, wide(prompt), wide(caption), MB_OK | MB_APPLMODAL);
  g_waiting_for_box = nullptr;
}

// The command line is started as the program it names, never through a shell, with the window
// style the caller gives (2: minimized, with the focus); the program is not waited for.
void Win32Platform::start_program(const Text& command_line, int window_style) {
  std::wstring line = to_wstring(command_line);
  STARTUPINFOW start{};
  start.cb = sizeof start;
  start.dwFlags = STARTF_USESHOWWINDOW;
  start.wShowWindow = static_cast<WORD>(window_style);
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &start, &started)) {
    throw std::runtime_error("cannot start " + to_utf8(command_line) + ": " + last_error_text());
  }
  CloseHandle(started.hThread);
  CloseHandle(started.hProcess);
}

// Measured at 64 times the size and scaled down, so that the advances are the design's, as at every
// size, and not those rounded to whole pixels.
float Win32Platform::text_width(const Font& font, std::u16string_view text) {
  constexpr int kScale = 64;
  HDC screen = GetDC(nullptr);
  HGDIOBJ before = SelectObject(screen, font_at_pixels(font, font_pixels(font.size) * kScale));
  SIZE size{};
  GetTextExtentPoint32W(screen, reinterpret_cast<const wchar_t*>(text.data()), static_cast<int>(text.size()), &size);
  SelectObject(screen, before);
  ReleaseDC(nullptr, screen);
  return whole_pixel_width(static_cast<double>(size.cx) / kScale);
}

WindowView& Win32Platform::make_view(Form& window, UserInput& input) {
  const Form* owner = window.toolkit().active_window();
  const FormView* owner_view = owner != nullptr && owner != &window ? view_of(*owner) : nullptr;
  return *views_.emplace_back(std::make_unique<FormView>(window, input, owner_view ? owner_view->window() : nullptr));
}

FormView* Win32Platform::view_of(const Form& window) { return dynamic_cast<FormView*>(window.view()); }

void Win32Platform::dispatch(MSG& message) {
  FormView* view = FormView::of(message.hwnd);
  if (view == nullptr || !view->route_key(message)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  std::erase_if(views_, [](const auto& view) { return view->form() == nullptr; });
}

bool Win32Platform::pump_one() {
  if (quit_) return false;
  MSG message{};
  const BOOL got = GetMessageW(&message, nullptr, 0, 0);
  if (got <= 0) {
    quit_ = true;
    exit_code_ = got == 0 ? static_cast<int>(message.wParam) : 1;
    return false;
  }
  dispatch(message);
  return true;
}

void Win32Platform::pump_waiting() {
  MSG message{};
  while (!quit_ && PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) pump_one();
}

void Win32Platform::run_modal(Form& window) {
  while (window.is_loaded() && pump_one()) {
  }
}

int Win32Platform::run() {
  while (pump_one()) {
  }
  return exit_code_;
}

}  // namespace tarvex::win32
