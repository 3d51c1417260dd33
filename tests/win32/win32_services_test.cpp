// The Windows platform's services: starting a program, measuring text in the face actually drawn,
// choosing a face the system has, the windows' raw pictures, and the driver's PNG pictures.
#include <gtest/gtest.h>

#include <windows.h>

#include <stdexcept>
#include <string>

#include "drive/png_file.h"
#include "toolkit/headless/headless_platform.h"
#include "toolkit/win32/conversions.h"
#include "toolkit/win32/picture.h"
#include "toolkit/win32/win32_platform.h"

namespace tarvex {
namespace {

TEST(Win32Services, AProgramThatCannotStartIsReportedWithItsCommandLine) {
  win32::Win32Platform platform;
  try {
    platform.start_program(u"no-such-program-of-tarvex https://tarvex.example.org/", 2);
    FAIL() << "a missing program started";
  } catch (const std::runtime_error& error) {
    EXPECT_NE(std::string(error.what()).find("no-such-program-of-tarvex"), std::string::npos) << error.what();
  }
}

TEST(Win32Services, AFaceTheSystemLacksIsDrawnInOneItHas) {
  const std::wstring face = win32::resolved_face(u"No Such Face Anywhere");
  EXPECT_NE(face, L"No Such Face Anywhere");
  EXPECT_FALSE(face.empty());
}

// Where the windows are drawn in the sans serif that the headless measure was made from, both
// measures agree to the pixel: self-sizing labels come out as wide in every mode.
TEST(Win32Services, TextIsMeasuredInTheFaceDrawnAsTheHeadlessMeasureDoes) {
  if (win32::resolved_face(u"Verdana") != L"DejaVu Sans")
    GTEST_SKIP() << "the windows are not drawn in DejaVu Sans here";
  win32::Win32Platform windows;
  HeadlessPlatform headless;
  const Font fonts[] = {{u"Verdana", 8.25f, false},
                        {u"Verdana", 8.25f, true},
                        {u"Verdana", 12, true},
                        {u"Verdana", 24, false},
                        {u"Verdana", 27.75f, false}};
  for (const Font& font : fonts) {
    for (const char16_t* text : {u"Supply Voltage:", u"LED Current:", u"Resistor Value:", u"0", u"000", u"Ω"}) {
      EXPECT_EQ(windows.text_width(font, text), headless.text_width(font, text))
          << font.size << (font.bold ? " point bold" : " point");
    }
  }
}

TEST(Win32Services, TheProgramCarriesThePictureOfItsLink) { EXPECT_NE(win32::program_picture("logo"), nullptr); }

TEST(PngFile, ChecksumsAreTheFormatsOwn) {
  EXPECT_EQ(crc32_of("IEND"), 0xAE426082u);
  EXPECT_EQ(crc32_of("123456789"), 0xCBF43926u);
  EXPECT_EQ(adler32_of("Wikipedia"), 0x11E60398u);
  EXPECT_EQ(adler32_of(""), 1u);
}

TEST(PngFile, APictureBecomesSignatureHeaderDataAndEnd) {
  const RgbPicture red_pixel{1, 1, {0xFF, 0x00, 0x00}};
  const std::string png = png_bytes(red_pixel);
  EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
  EXPECT_EQ(png.substr(12, 4), "IHDR");
  EXPECT_EQ(png.substr(16, 8), std::string("\0\0\0\1\0\0\0\1", 8));
  EXPECT_EQ(png.substr(png.size() - 12), std::string("\0\0\0\0IEND\xAE\x42\x60\x82", 12));
  // One row: its filter byte and the three samples, stored as they are.
  EXPECT_NE(png.find(std::string("\0\xFF\0\0", 4)), std::string::npos);
}

TEST(PngFile, LargePicturesAreSplitIntoStoredBlocksOfAtMost65535Bytes) {
  RgbPicture wide{30000, 1, std::vector<std::uint8_t>(90000, 7)};
  const std::string png = png_bytes(wide);
  // 90001 bytes of rows: one full block and one last block of 24466 bytes.
  EXPECT_NE(png.find(std::string("\x00\xFF\xFF\x00\x00", 5)), std::string::npos);
  EXPECT_NE(png.find(std::string("\x01\x92\x5F\x6D\xA0", 5)), std::string::npos);
}

TEST(PngFile, PixelsThatDoNotFillThePictureAreRefused) {
  EXPECT_THROW(png_bytes(RgbPicture{2, 2, {1, 2, 3}}), std::invalid_argument);
  EXPECT_THROW(png_bytes(RgbPicture{0, 0, {}}), std::invalid_argument);
}

}  // namespace
}  // namespace tarvex

namespace tarvex {
namespace {

// The message box as the system shows it, looked at from within its own loop and closed with OK.
struct BoxSeen {
  std::wstring caption;
  std::wstring prompt;
  bool has_ok = false;
  bool has_icon = false;
};

BOOL CALLBACK look_at_child(HWND child, LPARAM seen_as) {
  auto& seen = *reinterpret_cast<BoxSeen*>(seen_as);
  wchar_t name[16] = {};
  GetClassNameW(child, name, 16);
  if (std::wstring_view(name) != L"Static") return TRUE;
  const auto style = GetWindowLongPtrW(child, GWL_STYLE);
  if ((style & SS_TYPEMASK) == SS_ICON) {
    seen.has_icon = seen.has_icon || SendMessageW(child, STM_GETICON, 0, 0) != 0;
  } else {
    wchar_t text[128] = {};
    GetWindowTextW(child, text, 128);
    if (text[0] != L'\0') seen.prompt = text;
  }
  return TRUE;
}

TEST(Win32Services, TheMessageBoxIsTheSystemsWithTheCaptionThePromptAndOkOnly) {
  win32::prepare_process();
  win32::Win32Platform platform;
  BoxSeen seen;
  platform.message_box_shown = [&](HWND box) {
    wchar_t caption[64] = {};
    GetWindowTextW(box, caption, 64);
    seen.caption = caption;
    EnumChildWindows(box, look_at_child, reinterpret_cast<LPARAM>(&seen));
    seen.has_ok = GetDlgItem(box, IDOK) != nullptr;
    EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  };
  platform.message_box(u"Tarvex", u"Value is beyond the table", 0);
  EXPECT_EQ(seen.caption, L"Tarvex");
  EXPECT_EQ(seen.prompt, L"Value is beyond the table");
  EXPECT_TRUE(seen.has_ok);
  EXPECT_FALSE(seen.has_icon);
}

}  // namespace
}  // namespace tarvex
