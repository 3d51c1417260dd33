// The band selectors and the band mode: each keeps the drawn resistor, the little resistor on the
// LED's lead and the read-out under the resistor in step with the lists and the check box.
#include "core/band_code.h"
#include "main_window/frm_main.h"

namespace tarvex {

void frmMain::cmb_band1_Click() { show_digit_band(cmb_band1, lbl_band1, shp_band1, Line21); }
void frmMain::cmb_band2_click() { show_digit_band(cmb_band2, lbl_band2, shp_band2, Line22); }
void frmMain::cmb_band5_Click() { show_digit_band(cmb_band5, lbl_band5, shp_band5, Line23); }

// A digit band does not look at the band mode: the third digit is painted even while it is covered.
void frmMain::show_digit_band(ListControl& list, Label& caption, Shape& band, Line& stripe) {
  if (list.ListIndex == -1) return show_no_band(caption, band, stripe);
  m_band_digit = band_item_digit(list.Text);
  caption.Caption = Mid(list.Text, 1, 1);
  band.FillColor = Get_color(m_band_digit);
  band.BorderColor = Get_color(m_band_digit);
  stripe.BorderColor = Get_color(m_band_digit);
}

// A list cleared for a value these bands cannot show: the band merges into the body and its
// caption is blank, so the resistor reads as no value at all rather than a wrong one.
void frmMain::show_no_band(Label& caption, Shape& band, Line& stripe) {
  band.FillColor = kResistorBody;
  band.BorderColor = kResistorBody;
  stripe.BorderColor = kResistorBody;
  caption.Caption = u"";
}

// The multiplier's caption is its run of zeros, never the item text.
void frmMain::cmb_band3_click() {
  if (cmb_band3.ListIndex == -1) {
    show_no_band(lbl_band3, shp_band3, Line26);
    return place_ohm_sign();
  }
  m_band_digit = band_item_digit(cmb_band3.Text);
  shp_band3.FillColor = Get_color(m_band_digit);
  shp_band3.BorderColor = Get_color(m_band_digit);
  Line26.BorderColor = Get_color(m_band_digit);
  if (auto zeros = multiplier_caption(m_band_digit)) lbl_band3.Caption = *zeros;
  place_ohm_sign();
}

void frmMain::cmb_tolerance_click() {
  if (auto colour = tolerance_color(cmb_tolerance.Text)) {
    shp_tolerance.FillColor = *colour;
    shp_tolerance.BorderColor = *colour;
    Line24.BorderColor = *colour;
  }
}

void frmMain::chk_5band_Click() {
  if (chk_5band.Value == 1) {
    show_five_bands();
  } else {
    show_four_bands();
  }
}

// The multiplier band moves right of the third digit band; the third digit's caption, leader and
// stripe appear, and the multiplier stripe moves down to make room.
void frmMain::show_five_bands() {
  cmb_band5.Enabled = true;
  lbl_band5.Visible = true;
  Line8.Visible = true;
  Line28.X2 = 3300;
  Line23.Visible = true;
  Line26.Y1 = 1275;
  Line26.Y2 = 1275;
  Line23.BorderColor = colour_of(cmb_band5);
  Line26.BorderColor = colour_of(cmb_band3);
  shp_band5.FillColor = colour_of(cmb_band5);
  shp_band5.BorderColor = colour_of(cmb_band5);
  shp_band3.FillColor = colour_of(cmb_band3);
  shp_band3.BorderColor = colour_of(cmb_band3);
  shp_band3.Left = 3240;
  lbl_band3.Left = lbl_band5.Width + lbl_band5.Left;
  lbl_band5.Left = 2955;
  place_ohm_sign();
}

// The multiplier band covers the third digit band, which keeps its colour out of sight.
void frmMain::show_four_bands() {
  cmb_band5.Enabled = false;
  lbl_band5.Visible = false;
  Line8.Visible = false;
  Line28.X2 = 2940;
  Line23.Visible = false;
  Line26.Y1 = 1200;
  Line26.Y2 = 1200;
  Line26.BorderColor = colour_of(cmb_band3);
  shp_band3.Left = 2880;
  lbl_band3.Left = 2955;
  place_ohm_sign();
}

void frmMain::place_ohm_sign() { lbl_ohm.Left = lbl_band3.Width + lbl_band3.Left + 100; }

// A list with no selection reads as 0 and so paints black.
Color frmMain::colour_of(const ListControl& list) {
  const Long digit = band_item_value(list.Text);
  return Get_color(digit);
}

}  // namespace tarvex
