#pragma once
// The main window's behaviour: its start-up, the Compute command, the band selectors, the input hints,
// the menus and the picture link. Every handler reads and writes the record's fields and calls the
// calculation core; none sees a widget.
#include <optional>

#include "core/errors.h"
#include "main_window/main_form_model.h"
#include "main_window/value_tips.h"

namespace tarvex {

class frmMain : public MainFormModel {
 public:
  explicit frmMain(Toolkit& toolkit);

  void Form_Load() override;

  // Compute
  void btn_compute_Click();

  // Band selectors and band mode
  void cmb_band1_Click();
  void cmb_band2_click();
  void cmb_band5_Click();
  void cmb_band3_click();
  void cmb_tolerance_click();
  void chk_5band_Click();

  // Input hints
  void txt_supply_v_GotFocus();
  void txt_supply_v_LostFocus();
  void txt_led_v_GotFocus();
  void txt_led_v_LostFocus();
  void txt_led_a_GotFocus();
  void txt_led_a_LostFocus();

  // Menus and web link
  void mnu_exit_Click();
  void mnu_about_Click();
  void Image1_Click();

  // The standard value for a resistance (Empty, after a message box, above the largest), and the
  // band selections for the standard value in txt_standard_val.
  Variant Standardize(Variant& res_value);
  void Resistorize(Variant& res_std_value);

 private:
  // Compute, step by step.
  void check_entries_are_numeric();
  void check_entries_are_not_zero();
  std::optional<Text> no_resistor_fits() const;
  bool show_resistor_values();
  void show_failure(const Text& status);
  void show_opto_failure();
  void announce_outcome(bool succeeded, bool opto_shown);
  struct StandardValues {
    Variant single;
    Variant opto;  // Empty when the opto-isolator line had no value that fits
  };
  StandardValues show_standard_values(bool opto_shown);
  static Text failure_status(const Error& error);
  ComputedRun computed_run(const StandardValues& standard) const;
  void show_value_tips(const ValueTips& tips);

  // Band selectors.
  void show_digit_band(ListControl& list, Label& caption, Shape& band, Line& stripe);
  void show_no_band(Label& caption, Shape& band, Line& stripe);
  void show_five_bands();
  void show_four_bands();
  void place_ohm_sign();
  static Color colour_of(const ListControl& list);

  // Input hints.
  void show_hint(TextBox& box, Label& prompt, const Text& hint);
};

}  // namespace tarvex
