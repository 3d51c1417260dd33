// The main window as designed: where each control stands, how it looks, and what it holds before
// Form_Load runs. Positions in twips (left, top, width, height); colours 0x00BBGGRR.
#include "core/band_code.h"
#include "core/standard_values.h"
#include "drawings/led_drawing.h"
#include "main_window/main_form_model.h"

namespace tarvex {

namespace {

constexpr Color kTan = kResistorBody;

const Font kBody{u"Verdana", 8.25f, false};
const Font kHeading{u"Verdana", 12, true};
const Font kOhmSmall{u"Symbol", 12, true};
const Font kReadout{u"Verdana", 24, false};
const Font kOhmLarge{u"Symbol", 27.75f, false};
const Font kTiny{u"Verdana", 6, false};

std::vector<Text> texts_of(auto const& items) { return {items.begin(), items.end()}; }

// A 1-pixel line in the text colour.
Line::Design thin(float x1, float y1, float x2, float y2) { return {x1, y1, x2, y2, kWindowText, 1}; }

}  // namespace

MainFormModel::MainFormModel(Toolkit& toolkit) : Form(toolkit, "frmMain") {
  design_frame();
  design_single_led_area();
  design_led_drawing();
  design_opto_area();
  design_colour_code_area();

  name_for_assistive_technology();

  set_tab_order({&txt_supply_v, &txt_led_v, &txt_led_a, &op_ma, &op_a, &btn_compute, &txt_resistor_val, &cmb_band1,
                 &cmb_band2, &cmb_band5, &cmb_band3, &cmb_tolerance, &txt_leds, &txt_opto_resistor_val,
                 &txt_opto_standard_val, &txt_standard_val, &chk_5band});

  set_paint_order({
      &Line5,     &Line9,         &Line20,    &Line25,    &Label10,   &Label1,       &Label6,    &Label2,    &Label7,
      &Label3,    &Label4,        &Label5,    &Label9,    &Label8,    &Shape4,       &Shape5,    &Shape6,    &Shape7,
      &Line11,    &Line14,        &Line12,    &Line13,    &Line18,    &Line15,       &Line16,    &Line17,    &Line19,
      &Shape8,    &Shape10,       &Shape9,    &Line21,    &Line22,    &Line23,       &Line26,    &Line24,    &Label11,
      &Label13,   &Label15,       &Label14,   &Label17,   &Label16,   &Label18,      &Image1,    &Label19,   &Line1,
      &Line2,     &Line3,         &Line7,     &Line4,     &Line8,     &Line27,       &Line28,    &Line6,     &Line10,
      &Shape1,    &Shape3[0],     &Shape3[1], &Shape2[0], &Shape2[1], &shp_resistor, &shp_band1, &shp_band2, &shp_band5,
      &shp_band3, &shp_tolerance, &Label12,   &lbl_band1, &lbl_band2, &lbl_band5,    &lbl_band3, &lbl_ohm,
  });
}

// What a screen reader announces for each control that takes the focus: the prompt beside it, or,
// where no prompt or caption says enough, a name of its own.
void MainFormModel::name_for_assistive_technology() {
  for (auto [box, prompt] : {std::pair{&txt_supply_v, &Label1},
                             {&txt_led_v, &Label2},
                             {&txt_led_a, &Label3},
                             {&txt_resistor_val, &Label4},
                             {&txt_standard_val, &Label9},
                             {&txt_leds, &Label15},
                             {&txt_opto_resistor_val, &Label14},
                             {&txt_opto_standard_val, &Label16}}) {
    box->prompt = prompt;
  }
  op_ma.accessible_name = u"LED current in milliamperes";
  op_a.accessible_name = u"LED current in amperes";
  chk_5band.accessible_name = u"Five-band reading";
  cmb_band1.accessible_name = u"First digit band";
  cmb_band2.accessible_name = u"Second digit band";
  cmb_band5.accessible_name = u"Third digit band";
  cmb_band3.accessible_name = u"Multiplier band";
  cmb_tolerance.accessible_name = u"Tolerance band";
  UpDown1.accessible_name = u"Number of LEDs";

  // The two areas ask for their results with the same words.
  txt_resistor_val.accessible_description = u"Single LED: the series resistor as calculated, in ohms";
  txt_standard_val.accessible_description =
      u"Single LED: the series resistor rounded up to the next standard value, in ohms";
  txt_opto_resistor_val.accessible_description =
      u"Opto-isolator line: the resistor for all its LEDs as calculated, in ohms";
  txt_opto_standard_val.accessible_description =
      u"Opto-isolator line: that resistor rounded up to the next standard value, in ohms";

  Image1.accessible_name = u"Tarvex home page";
  Image1.link_address = Text(kHomePage);

  // The value under the drawn resistor, read as it is seen: "Resistor Value: 510 Ω".
  add_read_out({{{&Label12}, {&lbl_band1, &lbl_band2, &lbl_band5, &lbl_band3}, {&lbl_ohm}}});
}

void MainFormModel::design_frame() {
  Caption.set_initial(u"Did you know that DODE is DERI backwards???");
  client_width = 11850;
  client_height = 5970;
  border = FormBorder::FixedSingle;
  min_button = true;
  max_button = false;
  font = kBody;
  back_color = kButtonFace;
  icon = "tarvex";

  mnu_file.design({.caption = u"&File"});
  mnu_spacer.design({.caption = u"-"});
  mnu_exit.design({.caption = u"E&xit"});
  mnu_help.design({.caption = u"&Help"});
  mnu_about.design({.caption = u"&About"});

  StatusBar1.design({.at = {0, 5595, 11850, 375}});

  // Etched dividers: a 2-pixel shadow line with a 2-pixel highlight line beside it.
  Line5.design({105, 2400, 6590, 2400, kShadow3D, 2});
  Line9.design({120, 2430, 6620, 2430, kHighlight3D, 2});
  Line20.design({6590, 120, 6590, 5520, kShadow3D, 2});
  Line25.design({6620, 105, 6620, 5505, kHighlight3D, 2});

  lst_standards.design({.at = {0, 0, 1095, 1035}, .items = texts_of(kStandardValues), .visible = false});
  for (TextBox* scratch : {&Text1, &Text2, &Text3, &Text4}) {
    scratch->design({.at = {0, 0, 495, 285}, .text = u"*", .visible = false});
  }
}

void MainFormModel::design_single_led_area() {
  Label10.design({.at = {120, 120, 4140, 270},
                  .caption = u"LED Limiting Resistor Calculator",
                  .font = kHeading,
                  .auto_size = true});
  Label1.design({.at = {345, 645, 1365, 195},
                 .caption = u"Supply Voltage:",
                 .font = kBody,
                 .alignment = Alignment::Right,
                 .auto_size = true});
  txt_supply_v.design({.at = {1800, 600, 495, 285}, .alignment = Alignment::Right});
  Label6.design({.at = {2400, 645, 120, 195}, .caption = u"V", .font = kBody, .auto_size = true});
  Label2.design({.at = {600, 1005, 1110, 195},
                 .caption = u"LED Voltage:",
                 .font = kBody,
                 .alignment = Alignment::Right,
                 .auto_size = true});
  txt_led_v.design({.at = {1800, 960, 495, 285}, .alignment = Alignment::Right});
  Label7.design({.at = {2400, 1005, 120, 195}, .caption = u"V", .font = kBody, .auto_size = true});
  Label3.design({.at = {585, 1365, 1125, 195},
                 .caption = u"LED Current:",
                 .font = kBody,
                 .alignment = Alignment::Right,
                 .auto_size = true});
  txt_led_a.design({.at = {1800, 1320, 495, 285}, .text = u"20", .alignment = Alignment::Right});
  // Enter in an entry box computes, as a dialog's default button would.
  for (TextBox* entry : {&txt_supply_v, &txt_led_v, &txt_led_a}) entry->enter_presses = &btn_compute;
  op_ma.design({.at = {2400, 1320, 855, 255}, .caption = u"mA", .value = true});
  op_a.design({.at = {2400, 1560, 855, 255}, .caption = u"A"});
  btn_compute.design({.at = {3120, 840, 2055, 615}, .caption = u"&Compute"});
  Label4.design({.at = {0, 1800, 1365, 375},
                 .caption = u"Calculated Resistor value:",
                 .font = kBody,
                 .alignment = Alignment::Right,
                 .word_wrap = true});
  txt_resistor_val.design({.at = {1440, 1890, 975, 285}, .alignment = Alignment::Right, .read_only = true});
  Label5.design({.at = {2520, 1890, 210, 285}, .caption = u"W", .font = kOhmSmall});
  Label9.design({.at = {2880, 1800, 1335, 375},
                 .caption = u"Next Standard Resistor value:",
                 .font = kBody,
                 .alignment = Alignment::Right,
                 .word_wrap = true});
  txt_standard_val.design({.at = {4320, 1890, 975, 285}, .read_only = true});
  Label8.design({.at = {5400, 1905, 255, 255}, .caption = u"W", .font = kOhmSmall});
}

// The LED beside the formula's inputs; its resistor shows black bands.
void MainFormModel::design_led_drawing() {
  design_led({Shape4, Shape5, Shape6, Shape7, Line11, Line14, Line12, Line13, Line18, Line15, Line16, Line17, Line19,
              Shape8, Shape10, Shape9, Label11},
             5520, 0);
  // The bands of the little resistor; Line23 and Line26 share a place until five-band reading.
  Line21.design({5700, 1035, 5850, 1035, kBlack, 2});
  Line22.design({5715, 1125, 5840, 1125, kBlack, 2});
  Line23.design({5715, 1200, 5840, 1200, kBlack, 2});
  Line26.design({5715, 1200, 5840, 1200, kBlack, 2});
  Line24.design({5700, 1380, 5850, 1380, kBlack, 2});
}

void MainFormModel::design_opto_area() {
  Label13.design({.at = {6840, 120, 3360, 615},
                  .caption = u"Multi-LED Opto-isolator LED Limiting Resistor",
                  .font = kHeading,
                  .word_wrap = true});
  Label15.design({.at = {6840, 840, 915, 195}, .caption = u"# of LEDs:", .font = kBody, .auto_size = true});
  txt_leds.design({.at = {7800, 840, 375, 285}, .text = u"2", .alignment = Alignment::Right, .read_only = true});
  // A count of 0 could only divide by zero; 99 is more LEDs than one opto-isolator line feeds.
  UpDown1.design({.at = {8160, 840, 195, 285}, .buddy = &txt_leds, .value = 2, .min = 1, .max = 99, .increment = 1});
  Label14.design({.at = {8880, 840, 1335, 375},
                  .caption = u"Calculated Resistor value:",
                  .font = kBody,
                  .alignment = Alignment::Right,
                  .word_wrap = true});
  txt_opto_resistor_val.design({.at = {10320, 930, 975, 285}, .read_only = true});
  Label17.design({.at = {11400, 930, 210, 285}, .caption = u"W", .font = kOhmSmall});
  Label16.design({.at = {8520, 1320, 1695, 375},
                  .caption = u"Next Standard Resistor value:",
                  .font = kBody,
                  .alignment = Alignment::Right,
                  .word_wrap = true});
  txt_opto_standard_val.design({.at = {10320, 1410, 975, 285}, .read_only = true});
  Label18.design({.at = {11400, 1410, 210, 285}, .caption = u"W", .font = kOhmSmall});

  Image1.design(
      {.at = {10440, 4200, 1380, 1380}, .picture = "logo", .tooltip = u"Tarvex: the right resistor for every LED"});
  Label19.design({.at = {10480, 5400, 1320, 150},
                  .caption = u"tarvex.example.org",
                  .font = kTiny,
                  .auto_size = true,
                  .transparent = true,
                  .fore_color = kWhite,
                  .tooltip = u"pimpage!"});
}

void MainFormModel::design_colour_code_area() {
  chk_5band.design({.at = {2400, 2520, 1095, 255}, .caption = u"Enable"});
  cmb_band1.design({.at = {240, 2760, 1095, 315}, .items = texts_of(kDigitItems)});
  cmb_band2.design({.at = {1320, 2760, 1095, 315}, .items = texts_of(kDigitItems)});
  cmb_band5.design({.at = {2400, 2760, 1095, 315}, .items = texts_of(kDigitItems)});
  cmb_band3.design({.at = {3480, 2760, 1095, 315}, .items = texts_of(kMultiplierItems)});
  cmb_tolerance.design(
      {.at = {4680, 2760, 1215, 315}, .items = texts_of(kToleranceItems), .tooltip = u"Choose resistor Tolerance"});

  // A bar under each list and a leader down to its band.
  Line1.design(thin(360, 3120, 1080, 3120));
  Line2.design(thin(720, 3120, 2100, 3840));
  Line3.design(thin(1440, 3120, 2160, 3120));
  Line7.design(thin(1800, 3120, 2580, 3960));
  Line4.design(thin(2520, 3120, 3240, 3120));
  Line8.design(thin(2880, 3120, 2940, 3960));
  Line27.design(thin(3600, 3120, 4320, 3120));
  Line28.design(thin(3960, 3120, 3300, 3960));
  Line6.design(thin(4920, 3120, 5640, 3120));
  Line10.design(thin(5280, 3120, 4140, 3840));

  // The large resistor, back to front: the lead wire, the rounded ends, the body, the bands.
  Shape1.design({.at = {840, 4200, 4695, 135}, .fill = kBlack, .border = kBlack});
  Shape3[0].design({.at = {1680, 3840, 855, 855}, .shape = ShapeKind::Oval, .fill = kTan, .border = kTan});
  Shape3[1].design({.at = {3720, 3840, 855, 855}, .shape = ShapeKind::Oval, .fill = kTan, .border = kTan});
  Shape2[0].design({.at = {1800, 3840, 495, 855}, .shape = ShapeKind::RoundedRectangle, .fill = kTan, .border = kTan});
  Shape2[1].design({.at = {3960, 3840, 495, 855}, .shape = ShapeKind::RoundedRectangle, .fill = kTan, .border = kTan});
  shp_resistor.design({.at = {2040, 3960, 2055, 615}, .fill = kTan, .border = kTan});
  shp_band1.design({.at = {2040, 3840, 135, 855}, .fill = kBlack, .border = kBlack});
  shp_band2.design({.at = {2520, 3960, 135, 615}, .fill = kBlack, .border = kBlack});
  shp_band5.design({.at = {2880, 3960, 135, 615}, .fill = kBlack, .border = kBlack});
  shp_band3.design({.at = {2880, 3960, 135, 615}, .fill = kBlack, .border = kBlack});
  shp_tolerance.design({.at = {4080, 3840, 135, 855}, .fill = kGold, .border = kGold, .has_border = false});

  // The read-out under the resistor, on one baseline.
  Label12.design({.at = {240, 5040, 1980, 270}, .caption = u"Resistor Value:", .font = kHeading, .auto_size = true});
  const Label::Design digit{
      .at = {0, 4800, 300, 570}, .caption = u"0", .font = kReadout, .auto_size = true, .transparent = true};
  for (auto [label, left] :
       {std::pair{&lbl_band1, 2325.0f}, {&lbl_band2, 2640.0f}, {&lbl_band5, 2955.0f}, {&lbl_band3, 3270.0f}}) {
    Label::Design d = digit;
    d.at.left = left;
    label->design(d);
  }
  lbl_ohm.design({.at = {3670, 4725, 450, 690},
                  .caption = u"W",
                  .font = kOhmLarge,
                  .alignment = Alignment::Center,
                  .auto_size = true,
                  .transparent = true});
}

}  // namespace tarvex
