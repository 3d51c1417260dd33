#include "about_window/frm_about.h"

#include "core/band_code.h"
#include "drawings/led_drawing.h"
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
  lblVersion.Caption =
      u"Version " + number(kProgram.major) + u"." + number(kProgram.minor) + u"." + number(kProgram.revision);
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
  List1.design(
      {.at = {240, 3240, 5175, 1035},
       .items = {u"* 5 band resistor support added by Orvid", u"* Fixed 5 band resistor support computation error"}});
  cmdOK.design({.at = {4200, 4440, 1260, 345}, .caption = u"OK", .is_default = true, .is_cancel = true});
  design_led_drawing();

  List1.prompt = &Label2;
  set_tab_order({&cmdOK, &List1});
  set_paint_order({&Line1[0], &Line1[1], &lblTitle, &lblVersion, &lblDescription, &Label1, &Label2,  &Shape4,
                   &Shape5,   &Shape6,   &Shape7,   &Line11,     &Line12,         &Line13, &Line14,  &Line15,
                   &Line16,   &Line17,   &Line18,   &Line19,     &Line20,         &Shape8, &Shape10, &Shape9,
                   &Line21,   &Line22,   &Line23,   &Line24,     &Label11});
}

// The main window's LED in the corner, its resistor banded brown, red, yellow, gold; its long lead
// closes its bend with one more line.
void frmAbout::design_led_drawing() {
  design_led({Shape4, Shape5, Shape6, Shape7, Line11, Line14, Line12, Line13, Line15, Line16, Line17, Line18, Line19,
              Shape8, Shape10, Shape9, Label11},
             480, 240);
  Line20.design({675, 725, 705, 720, kBlack, 1});
  const auto band = [](float y, Color c) { return Line::Design{705, y, 840, y, c, 2}; };
  Line21.design(band(1275, Get_color(1)));
  Line22.design(band(1365, Get_color(2)));
  Line23.design(band(1455, Get_color(4)));
  Line24.design(band(1620, kGold));
}

}  // namespace tarvex
