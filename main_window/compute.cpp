// The Compute command: check the entries, work out both resistors, show them, round them up to
// standard values and set the colour bands for the single-LED one.
#include "core/band_code.h"
#include "core/led_formulas.h"
#include "core/number_text.h"
#include "core/standard_values.h"
#include "main_window/frm_main.h"
#include "toolkit/toolkit.h"

namespace tarvex {

namespace {

const Text kRefusedMessage =
    u"The computation resulted to a resistor value larger than the maximum standard 5% carbon resistor.  "
    u"Please Enter new values";

// A label turns red when its entry is not a number, and keeps its colour otherwise.
void mark_if_not_numeric(const TextBox& entry, Label& prompt) {
  if (!IsNumeric(entry.Text)) prompt.ForeColor = kRed;
}

// A label turns red when its entry reads as 0, or as a number too large to read at all (which then
// fails the run when it is taken).
Color red_if_zero(const TextBox& entry) {
  try {
    return entered_number(entry.Text) == 0 ? kRed : kBlack;
  } catch (const Error&) {
    return kRed;
  }
}

}  // namespace

void frmMain::btn_compute_Click() {
  // Entries beyond the range of a Double, and results beyond a Long or divided by zero, are reported
  // like any failed run rather than left to end the command half-way with stale results on show.
  bool succeeded = false;
  bool opto_shown = true;
  try {
    m_leds = Variant::Double(entered_number(txt_leds.Text));
    check_entries_are_numeric();
    check_entries_are_not_zero();
    if (!m_valid.boolean() || !m_nonzero) {
      show_failure(u"Values are invalid or are zeros");
    } else if (const auto reason = no_resistor_fits()) {
      show_failure(*reason);
    } else {
      opto_shown = show_resistor_values();
      succeeded = true;
    }
  } catch (const Error& error) {
    show_failure(failure_status(error));
  }
  const StandardValues standard = show_standard_values(opto_shown);
  Variant shown_resistor = Variant::String(txt_resistor_val.Text);
  Resistorize(shown_resistor);
  // The tooltips speak of this run's resistors only: a failed run takes those of the last one away.
  show_value_tips(succeeded ? value_tips(computed_run(standard)) : ValueTips{});
  announce_outcome(succeeded, opto_shown);
}

// What a screen reader says when a run is over, where the user is: the standard values it came to
// (the answer the user is after), or the status bar's word of why it failed.
void frmMain::announce_outcome(bool succeeded, bool opto_shown) {
  const Text& standard = txt_standard_val.Text;
  if (!succeeded || standard.empty()) {
    announce(StatusBar1.SimpleText);
    return;
  }
  Text outcome = u"Next standard value " + standard + u" Ohms";
  if (opto_shown && !txt_opto_standard_val.Text.get().empty())
    outcome += u", opto-isolator " + txt_opto_standard_val.Text.get() + u" Ohms";
  announce(outcome);
}

// One numeric entry of the three is enough to take them all as numbers. A numeric entry means what
// the user wrote in their notation ("1,000" is a thousand, a German "2,1" is 2.1); the others are
// read as far as they go ("12abc" is 12).
void frmMain::check_entries_are_numeric() {
  const bool any_numeric = IsNumeric(txt_supply_v.Text) || IsNumeric(txt_led_v.Text) || IsNumeric(txt_led_a.Text);
  if (any_numeric) {
    m_valid = Variant::Boolean(true);
    Label1.ForeColor = red_if_zero(txt_supply_v);
    Label2.ForeColor = red_if_zero(txt_led_v);
    Label3.ForeColor = red_if_zero(txt_led_a);
    m_supplyv = Variant::Double(entered_number(txt_supply_v.Text));
    m_ledv = Variant::Double(entered_number(txt_led_v.Text));
    m_leda = Variant::Double(entered_number(txt_led_a.Text));
  } else {
    m_valid = Variant::Boolean(false);
    mark_if_not_numeric(txt_supply_v, Label1);
    mark_if_not_numeric(txt_led_v, Label2);
    mark_if_not_numeric(txt_led_a, Label3);
  }
}

// Tests the values kept, which are those of an earlier run when no entry was numeric.
void frmMain::check_entries_are_not_zero() {
  const Variant zero = Variant::Integer(0);
  if (equals(m_supplyv, zero) || equals(m_ledv, zero) || equals(m_leda, zero)) {
    m_nonzero = false;
    mark_if_not_numeric(txt_supply_v, Label1);
    mark_if_not_numeric(txt_led_v, Label2);
    mark_if_not_numeric(txt_led_a, Label3);
  } else {
    m_nonzero = true;
    Label1.ForeColor = kBlack;
    Label2.ForeColor = kBlack;
    Label3.ForeColor = kBlack;
  }
}

// A supply at or below the LED voltage, or a current below zero, asks for a resistance of zero or
// less, which no resistor gives: such entries fail the run rather than pass as an answer. Worked on
// copies, so that a refused run leaves the kept current as it was read.
std::optional<Text> frmMain::no_resistor_fits() const {
  const Variant zero = Variant::Integer(0);
  if (greater_than(zero, m_leda)) return Text(u"Values are out of range: the LED current must be above zero");
  Variant supplyv = m_supplyv, ledv = m_ledv, leda = m_leda;
  if (!greater_than(resistor_quotient(supplyv, ledv, leda, op_ma.Value), zero)) {
    return Text(u"Values are out of range: the supply voltage must be above the LED voltage");
  }
  return std::nullopt;
}

// False when the opto-isolator line has no resistor to offer (an LED voltage above what the 5 V line
// leaves, a count below one): its box then says so, and its last good value is kept.
bool frmMain::show_resistor_values() {
  // resistor_value turns m_leda into amperes, which the opto-isolator formula then takes. Both
  // results are kept only once both are known, so a failure leaves the last good pair in place.
  const Long resistor = resistor_value(m_supplyv, m_ledv, m_leda, op_ma.Value);
  const Variant opto_ohms = opto_resistor_quotient(m_supplyv, m_ledv, m_leda, m_leds);
  const bool opto_fits = greater_than(opto_ohms, Variant::Integer(0));
  const Long opto_resistor = opto_fits ? to_long(opto_ohms) : m_opto_resistor;
  m_resistor = Variant::Long(resistor);
  m_opto_resistor = opto_resistor;

  txt_resistor_val.Text = to_text(m_resistor);
  if (opto_fits) {
    txt_opto_resistor_val.Text = to_text(Variant::Long(m_opto_resistor));
  } else {
    show_opto_failure();
  }
  txt_resistor_val.ForeColor = kBlack;
  StatusBar1.SimpleText = u"Resistor value is " + to_text(m_resistor) + u" Ohms";
  return opto_fits;
}

void frmMain::show_opto_failure() {
  txt_opto_resistor_val.Text = u"ERROR";
  txt_opto_resistor_val.ForeColor = kRed;
}

// The opto-isolator value stays red from now on: nothing but a failure sets its colour.
void frmMain::show_failure(const Text& status) {
  txt_resistor_val.Text = u"ERROR";
  show_opto_failure();
  StatusBar1.SimpleText = status;
}

Text frmMain::failure_status(const Error& error) {
  switch (error.kind()) {
    case ErrorKind::Overflow: return u"Values are out of range: a number is too large";
    case ErrorKind::DivisionByZero: return u"Values are out of range: a division by zero";
    default: return u"Values are invalid or are zeros";
  }
}

// After a failure these are the standard values of the last success (or of 0). An opto-isolator
// value that did not fit has none.
frmMain::StandardValues frmMain::show_standard_values(bool opto_shown) {
  StandardValues standard;
  standard.single = Standardize(m_resistor);
  txt_standard_val.Text = to_text(standard.single);
  if (!opto_shown) {
    txt_opto_standard_val.Text = Text();
    return standard;
  }
  Variant opto_resistor = Variant::Long(m_opto_resistor);
  standard.opto = Standardize(opto_resistor);
  txt_opto_standard_val.Text = to_text(standard.opto);
  return standard;
}

// Only a successful run comes here, and it has left every entry and the count as a Double.
ComputedRun frmMain::computed_run(const StandardValues& standard) const {
  const auto ohms = [](const Variant& value) {
    return value.is_empty() ? std::nullopt : std::optional<double>(value.double_value());
  };
  return {.supply_v = m_supplyv.double_value(),
          .led_v = m_ledv.double_value(),
          .leds = m_leds.double_value(),
          .standard_value = ohms(standard.single),
          .opto_standard_value = ohms(standard.opto)};
}

// The drawn resistor's tooltip is on its body and on each band, whichever the pointer rests on.
void frmMain::show_value_tips(const ValueTips& tips) {
  txt_standard_val.ToolTipText = tips.standard_value;
  txt_opto_standard_val.ToolTipText = tips.opto_standard_value;
  for (Shape* part : {&shp_resistor, &shp_band1, &shp_band2, &shp_band5, &shp_band3, &shp_tolerance}) {
    part->ToolTipText = tips.drawn_resistor;
  }
}

// Selects in the hidden list of standard values the first one not below the value, found by the
// core's search over the same table, and reads it back from the list. A value above the table selects
// the last item and then one past it: that selection fails, and its failure refuses the value.
Variant frmMain::Standardize(Variant& res_value) {
  const double x = Val(to_text(res_value));
  try {
    const std::optional<std::size_t> found = next_standard_index(x);
    if (found) {
      lst_standards.ListIndex = static_cast<Integer>(*found);
    } else {
      lst_standards.ListIndex = static_cast<Integer>(kStandardValueCount - 1);
      lst_standards.ListIndex = static_cast<Integer>(kStandardValueCount);
    }
    return Variant::Double(Val(lst_standards.Text));
  } catch (const Error& error) {
    if (error.kind() != ErrorKind::InvalidPropertyValue) throw;
    toolkit().MsgBox(kRefusedMessage, kOkOnly, Text(kProgram.title));
    return Variant();
  }
}

// Sets the band mode and selections for the value in txt_standard_val (whatever the argument); the
// selections' own handlers paint the bands. Values below 10 with a fraction have no bands in these
// lists: the reading goes to four bands and their bands are cleared, rather than left to read as
// another value. The third digit keeps its selection out of sight, so that its caption keeps the
// width that places the multiplier's caption when five-band reading comes back.
void frmMain::Resistorize(Variant& /*res_std_value*/) {
  const BandSplit split = band_split(txt_standard_val.Text);
  if (!split.encodable) {
    chk_5band.Value = 0;
    for (ListControl* list : {&cmb_band1, &cmb_band2, &cmb_band3}) list->ListIndex = -1;
    return;
  }
  if (split.mode == BandMode::FourBand) chk_5band.Value = 0;
  if (split.mode == BandMode::FiveBand) chk_5band.Value = 1;
  cmb_band1.ListIndex = split.first_digit;
  cmb_band2.ListIndex = split.second_digit;
  if (split.third_digit) cmb_band5.ListIndex = *split.third_digit;
  if (split.multiplier) cmb_band3.ListIndex = *split.multiplier;
}

}  // namespace tarvex
