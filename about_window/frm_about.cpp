#include "about_window/frm_about.h"

#include "core/band_code.h"
#include "toolkit/toolkit.h"

namespace tarvex {

namespace {

Text number(int n) { return to_text(Variant::Integer(static_cast<Integer>(n))); }

}  // namespace

frmAbout::frmAbout(Toolkit& toolkit) : Form(toolkit, "frmAbout") {
  design();
  cmdOK.Click = [this] { cmdOK_Click(); };
}

void frmAbout::Form_Load() {
  Caption = u"About " + Text(kProgram.title);
  lblVersion.Caption = u"Version " + number(kProgram.major) + u"." + number(kProgram.minor) + u"." +
                       number(kProgram.revision);
  lblTitle.Caption = Text(kProgram.title) + u" by Voq™";
}

void frmAbout::cmdOK_Click() { toolkit().Unload(*this); }

// --- Design ---

void frmAbout::design() {
  Caption.set_initial(u"bah, very funny voq...");
  client_width = 5670;
  client_height = 4935;
  border = FormBorder::FixedDialog;
  min_button = false;
  max_button = false;
  show_in_taskbar = false;
  font = Font{u"Verdana", 8.25f, false};

  lblTitle.design({.at = {1410, 240, 3885, 480}, .caption = u"Application Title", .font = {u"Verdana", 12, true}});
  lblVersion.design({.at = {1410, 780, 3885, 225}, .caption = u"Version", .font = font});
  lblDescription.design({.at = {1410, 1125, 3885, 690},
                         .caption = u"This Tarvex determines the limiting resistor value needed when using LEDs, "
                                    u"especially for PC case modding.",
                         .font = font,
                         .word_wrap = true});
  Label1.design({.at = {1410, 2040, 3975, 495},
                 .caption = u"Meet other makers in the forums:   https://tarvex.example.org/forums/",
                 .font = font,
                 .word_wrap = true});
  // Etched separator: the highlight line under a shadow line drawn inside its width.
  Line1[0].design({210, 2820, 5428, 2820, kHighlight3D, 2});
  Line1[1].design({195, 2790, 5413, 2790, kShadow3D, 1});
  Label2.design({.at = {240, 3000, 3855, 255}, .caption = u"Updates:", .font = font});
  List1.design({.at = {240, 3240, 5175, 1035},
                .items = {u"* 5 band resistor support added by Orvid",
                          u"* Fixed 5 band resistor support computation error"}});
  cmdOK.design({.at = {4200, 4440, 1260, 345}, .caption = u"OK", .is_default = true, .is_cancel = true});
  design_led_drawing();

  List1.prompt = &Label2;
  set_tab_order({&cmdOK, &List1});
  set_paint_order({&Line1[0], &Line1[1], &lblTitle, &lblVersion, &lblDescription, &Label1, &Label2,
                   &Shape4, &Shape5, &Shape6, &Shape7, &Line11, &Line12, &Line13, &Line14, &Line15,
                   &Line16, &Line17, &Line18, &Line19, &Line20, &Shape8, &Shape10, &Shape9,
                   &Line21, &Line22, &Line23, &Line24, &Label11});
}

// The main window's LED, moved into the corner: light blue, with a tan resistor on the long lead
// banded brown, red, yellow, gold.
void frmAbout::design_led_drawing() {
  constexpr Color kLightBlue = color_bgr(0xFFC0C0);
  const auto thin = [](float x1, float y1, float x2, float y2) { return Line::Design{x1, y1, x2, y2, kBlack, 1}; };
  const auto band = [](float y, Color c) { return Line::Design{705, y, 840, y, c, 2}; };

  Shape4.design({.at = {480, 240, 375, 375}, .shape = ShapeKind::Oval, .fill = kLightBlue, .border = kLightBlue,
                 .has_border = false});
  Shape5.design({.at = {480, 360, 375, 375}, .fill = kLightBlue, .border = kLightBlue, .has_border = false});
  Shape6.design({.at = {442, 720, 454, 135}, .fill = kLightBlue, .border = kLightBlue, .has_border = false});
  Shape7.design({.at = {540, 360, 75, 75}, .shape = ShapeKind::Square, .fill = kWindowBackground,
                 .border = kWindowBackground, .has_border = false});

  Line11.design(thin(555, 600, 555, 1920));
  Line12.design(thin(555, 600, 705, 600));
  Line13.design(thin(700, 600, 600, 720));
  Line14.design(thin(600, 720, 600, 1920));
  Line15.design(thin(605, 1920, 555, 1920));
  Line16.design(thin(750, 615, 750, 2125));
  Line17.design(thin(705, 720, 705, 2120));
  Line18.design(thin(750, 615, 675, 725));
  Line19.design(thin(705, 2115, 755, 2115));
  Line20.design(thin(675, 725, 705, 720));

  Shape8.design({.at = {645, 1200, 195, 135}, .shape = ShapeKind::Oval, .fill = kResistorBody,
                 .border = kResistorBody, .has_border = false});
  Shape10.design({.at = {675, 1320, 135, 345}, .fill = kResistorBody, .border = kResistorBody, .has_border = false});
  Shape9.design({.at = {645, 1560, 195, 135}, .shape = ShapeKind::Oval, .fill = kResistorBody,
                 .border = kResistorBody, .has_border = false});

  Line21.design(band(1275, Get_color(1)));
  Line22.design(band(1365, Get_color(2)));
  Line23.design(band(1455, Get_color(4)));
  Line24.design(band(1620, kGold));

  Label11.design({.at = {240, 480, 915, 270}, .caption = u"-        +", .font = {u"Verdana", 12, true},
                  .auto_size = true, .transparent = true});
}

}  // namespace tarvex
