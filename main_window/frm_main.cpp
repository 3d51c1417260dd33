// The main window's start-up and the wiring of its events to its handlers.
#include "main_window/frm_main.h"

#include "toolkit/toolkit.h"

namespace tarvex {

namespace {

Text version_text() {
  return to_text(Variant::Integer(kProgram.major)) + u"." + to_text(Variant::Integer(kProgram.minor)) + u"." +
         to_text(Variant::Integer(kProgram.revision));
}

}  // namespace

frmMain::frmMain(Toolkit& toolkit) : MainFormModel(toolkit) {
  btn_compute.Click = [this] { btn_compute_Click(); };
  cmb_band1.Click = [this] { cmb_band1_Click(); };
  cmb_band2.Click = [this] { cmb_band2_click(); };
  cmb_band5.Click = [this] { cmb_band5_Click(); };
  cmb_band3.Click = [this] { cmb_band3_click(); };
  cmb_tolerance.Click = [this] { cmb_tolerance_click(); };
  chk_5band.Click = [this] { chk_5band_Click(); };
  txt_supply_v.GotFocus = [this] { txt_supply_v_GotFocus(); };
  txt_supply_v.LostFocus = [this] { txt_supply_v_LostFocus(); };
  txt_led_v.GotFocus = [this] { txt_led_v_GotFocus(); };
  txt_led_v.LostFocus = [this] { txt_led_v_LostFocus(); };
  txt_led_a.GotFocus = [this] { txt_led_a_GotFocus(); };
  txt_led_a.LostFocus = [this] { txt_led_a_LostFocus(); };
  mnu_exit.Click = [this] { mnu_exit_Click(); };
  mnu_about.Click = [this] { mnu_about_Click(); };
  Image1.Click = [this] { Image1_Click(); };
}

void frmMain::Form_Load() {
  Caption = u"Tarvex v" + version_text();
  StatusBar1.SimpleText = u"Enter LED voltages and current";

  m_valid = Variant::Boolean(false);
  m_nonzero = false;
  m_supplyv = Variant::Integer(0);
  m_ledv = Variant::Integer(0);
  m_leda = Variant::Integer(20);
  m_resistor = Variant::Integer(0);

  txt_supply_v.Text = to_text(m_supplyv);
  txt_led_v.Text = to_text(m_ledv);
  txt_led_a.Text = to_text(m_leda);
  txt_resistor_val.Text = to_text(m_resistor);
  txt_standard_val.Text = u"";
  m_band_digit = 0;
  op_ma.Value = true;

  // Five-band reading is switched on before any band list has a selection; then each selection
  // paints its band.
  chk_5band.Value = 1;
  cmb_band1.ListIndex = 0;
  cmb_band2.ListIndex = 0;
  cmb_band3.ListIndex = 0;
  cmb_band5.ListIndex = 0;
  cmb_tolerance.ListIndex = 2;

  // The read-out digits start in their designed places, whatever the handlers did to them.
  lbl_band1.Left = 2325;
  lbl_band2.Left = 2640;
  lbl_band5.Left = 2955;
  lbl_band3.Left = 3270;
}

}  // namespace tarvex
