#pragma once
// The record of the main window: every control with its design-time content, and the window-level
// values that the handlers keep from one event to the next. The handlers live in frmMain.
#include <array>

#include "core/variant.h"
#include "toolkit/form.h"

namespace tarvex {

class Toolkit;

struct MainFormModel : Form {
  explicit MainFormModel(Toolkit& toolkit);

  // --- Single-LED calculation ---
  Label Label10{*this, "Label10"};
  Label Label1{*this, "Label1"};
  TextBox txt_supply_v{*this, "txt_supply_v"};
  Label Label6{*this, "Label6"};
  Label Label2{*this, "Label2"};
  TextBox txt_led_v{*this, "txt_led_v"};
  Label Label7{*this, "Label7"};
  Label Label3{*this, "Label3"};
  TextBox txt_led_a{*this, "txt_led_a"};
  OptionButton op_ma{*this, "op_ma"};
  OptionButton op_a{*this, "op_a"};
  CommandButton btn_compute{*this, "btn_compute"};
  Label Label4{*this, "Label4"};
  TextBox txt_resistor_val{*this, "txt_resistor_val"};
  Label Label5{*this, "Label5"};
  Label Label9{*this, "Label9"};
  TextBox txt_standard_val{*this, "txt_standard_val"};
  Label Label8{*this, "Label8"};

  // --- The small LED drawing, with a little resistor on its long lead ---
  Shape Shape4{*this, "Shape4"}, Shape5{*this, "Shape5"}, Shape6{*this, "Shape6"}, Shape7{*this, "Shape7"};
  Line Line11{*this, "Line11"}, Line12{*this, "Line12"}, Line13{*this, "Line13"}, Line14{*this, "Line14"};
  Line Line15{*this, "Line15"}, Line16{*this, "Line16"}, Line17{*this, "Line17"}, Line18{*this, "Line18"};
  Line Line19{*this, "Line19"};
  Shape Shape8{*this, "Shape8"}, Shape9{*this, "Shape9"}, Shape10{*this, "Shape10"};
  Line Line21{*this, "Line21"}, Line22{*this, "Line22"}, Line23{*this, "Line23"}, Line24{*this, "Line24"};
  Line Line26{*this, "Line26"};
  Label Label11{*this, "Label11"};

  // --- Opto-isolator calculation and the picture link ---
  Label Label13{*this, "Label13"};
  Label Label15{*this, "Label15"};
  TextBox txt_leds{*this, "txt_leds"};
  UpDown UpDown1{*this, "UpDown1"};
  Label Label14{*this, "Label14"};
  TextBox txt_opto_resistor_val{*this, "txt_opto_resistor_val"};
  Label Label17{*this, "Label17"};
  Label Label16{*this, "Label16"};
  TextBox txt_opto_standard_val{*this, "txt_opto_standard_val"};
  Label Label18{*this, "Label18"};
  Image Image1{*this, "Image1"};
  Label Label19{*this, "Label19"};

  // --- Colour code: band lists, leader lines, the large resistor and its read-out ---
  CheckBox chk_5band{*this, "chk_5band"};
  ListControl cmb_band1{*this, "cmb_band1", ControlKind::ComboBox};
  ListControl cmb_band2{*this, "cmb_band2", ControlKind::ComboBox};
  ListControl cmb_band5{*this, "cmb_band5", ControlKind::ComboBox};
  ListControl cmb_band3{*this, "cmb_band3", ControlKind::ComboBox};
  ListControl cmb_tolerance{*this, "cmb_tolerance", ControlKind::ComboBox};
  Line Line1{*this, "Line1"}, Line2{*this, "Line2"}, Line3{*this, "Line3"}, Line7{*this, "Line7"};
  Line Line4{*this, "Line4"}, Line8{*this, "Line8"}, Line27{*this, "Line27"}, Line28{*this, "Line28"};
  Line Line6{*this, "Line6"}, Line10{*this, "Line10"};
  Shape Shape1{*this, "Shape1"};
  std::array<Shape, 2> Shape3{Shape{*this, "Shape3(0)"}, Shape{*this, "Shape3(1)"}};
  std::array<Shape, 2> Shape2{Shape{*this, "Shape2(0)"}, Shape{*this, "Shape2(1)"}};
  Shape shp_resistor{*this, "shp_resistor"};
  Shape shp_band1{*this, "shp_band1"};
  Shape shp_band2{*this, "shp_band2"};
  Shape shp_band5{*this, "shp_band5"};
  Shape shp_band3{*this, "shp_band3"};
  Shape shp_tolerance{*this, "shp_tolerance"};
  Label Label12{*this, "Label12"};
  Label lbl_band1{*this, "lbl_band1"};
  Label lbl_band2{*this, "lbl_band2"};
  Label lbl_band5{*this, "lbl_band5"};
  Label lbl_band3{*this, "lbl_band3"};
  Label lbl_ohm{*this, "lbl_ohm"};

  // --- Etched dividers ---
  Line Line5{*this, "Line5"}, Line9{*this, "Line9"}, Line20{*this, "Line20"}, Line25{*this, "Line25"};

  // --- Never shown ---
  ListControl lst_standards{*this, "lst_standards", ControlKind::ListBox};
  TextBox Text1{*this, "Text1"}, Text2{*this, "Text2"}, Text3{*this, "Text3"}, Text4{*this, "Text4"};

  StatusBar StatusBar1{*this, "StatusBar1"};

  // --- Menus ---
  Menu mnu_file{*this, "mnu_file"};
  Menu mnu_spacer{*this, "mnu_spacer", &mnu_file};
  Menu mnu_exit{*this, "mnu_exit", &mnu_file};
  Menu mnu_help{*this, "mnu_help"};
  Menu mnu_about{*this, "mnu_about", &mnu_help};

  // --- Window-level values ---
  Variant m_supplyv;         // supply voltage of the last accepted entries
  Variant m_ledv;            // LED voltage
  Variant m_leda;            // LED current; amperes after a successful run with mA chosen
  Variant m_leds;            // number of LEDs
  Variant m_resistor;        // last series resistor value
  Long m_opto_resistor = 0;  // last opto-isolator resistor value
  Variant m_valid;           // outcome of the numeric test of the last run
  bool m_nonzero = false;    // outcome of the zero test of the last run
  Long m_band_digit = 0;     // digit of the band item just selected

 private:
  void design_single_led_area();
  void design_led_drawing();
  void design_opto_area();
  void design_colour_code_area();
  void design_frame();
  void name_for_assistive_technology();
};

// The home page the picture opens, and the address its caption shows.
inline constexpr std::u16string_view kHomePage = u"https://tarvex.example.org/";

}  // namespace tarvex
