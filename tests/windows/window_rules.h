#pragma once
// What must hold of the main window after any action: each band, its stripe and its read-out are
// those of its list, and the band-mode fields are the current mode's column. Shared by the random
// sessions and the fuzz target; each broken rule comes back as one line of words.
#include <string>
#include <vector>

#include "core/band_code.h"
#include "main_window/frm_main.h"

namespace tarvex {

class WindowRules {
 public:
  explicit WindowRules(const frmMain& window) : w_(window) {
    digit_band(w_.cmb_band1, w_.lbl_band1, w_.shp_band1, w_.Line21);
    digit_band(w_.cmb_band2, w_.lbl_band2, w_.shp_band2, w_.Line22);
    digit_band(w_.cmb_band5, w_.lbl_band5, w_.shp_band5, w_.Line23);
    multiplier_band();
    tolerance_band();
    band_mode();
  }
  const std::vector<std::string>& broken() const { return broken_; }

 private:
  void rule(bool holds, const std::string& words) {
    if (!holds) broken_.push_back(words);
  }

  void digit_band(const ListControl& list, const Label& caption, const Shape& band, const Line& stripe) {
    if (list.ListIndex < 0) {
      rule(caption.Caption.get().empty(), list.name() + " cleared: its caption is blank");
      return;
    }
    const Color colour = Get_color(list.ListIndex);
    rule(band.FillColor == colour && band.BorderColor == colour, list.name() + ": the band has the digit's colour");
    rule(stripe.BorderColor == colour, list.name() + ": the stripe has the digit's colour");
    rule(caption.Caption.get() == list.Text.get().substr(0, 1), list.name() + ": the caption is the digit");
  }

  void multiplier_band() {
    if (w_.cmb_band3.ListIndex < 0) return;
    const Color colour = Get_color(w_.cmb_band3.ListIndex);
    rule(w_.shp_band3.FillColor == colour && w_.shp_band3.BorderColor == colour, "the multiplier band's colour");
    rule(w_.Line26.BorderColor == colour, "the multiplier stripe's colour");
    rule(w_.lbl_band3.Caption.get() == *multiplier_caption(w_.cmb_band3.ListIndex), "the multiplier's zeros");
  }

  void tolerance_band() {
    const auto colour = tolerance_color(w_.cmb_tolerance.Text);
    if (!colour) return;
    rule(w_.shp_tolerance.FillColor == *colour && w_.shp_tolerance.BorderColor == *colour, "the tolerance band");
    rule(w_.Line24.BorderColor == *colour, "the tolerance stripe");
  }

  void band_mode() {
    const bool five = w_.chk_5band.Value == 1;
    rule(w_.cmb_band5.Enabled == five && w_.lbl_band5.Visible == five, "the third digit's list and caption");
    rule(w_.Line8.Visible == five && w_.Line23.Visible == five, "the third digit's leader and stripe");
    rule(w_.Line28.X2 == (five ? 3300 : 2940), "the multiplier's leader");
    rule(w_.Line26.Y1 == (five ? 1275 : 1200) && w_.Line26.Y2 == w_.Line26.Y1, "the multiplier stripe's height");
    rule(w_.shp_band3.Left == (five ? 3240 : 2880), "the multiplier band's place");
    if (five) {
      rule(w_.lbl_band5.Left == 2955, "the third digit's caption place");
    } else {
      rule(w_.lbl_band3.Left == 2955, "the multiplier caption in the third digit's place");
    }
    rule(w_.lbl_ohm.Left == w_.lbl_band3.Left + w_.lbl_band3.Width + 100, "the ohm sign after the zeros");
  }

  const frmMain& w_;
  std::vector<std::string> broken_;
};

}  // namespace tarvex
