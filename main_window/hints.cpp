// The input hints: an entry box that gets the focus makes its prompt bold, selects its text so that
// typing replaces it, and shows its hint in the status bar, which keeps it after the focus leaves.
#include "main_window/frm_main.h"

namespace tarvex {

void frmMain::txt_supply_v_GotFocus() { show_hint(txt_supply_v, Label1, u"Voltage coming in the LED"); }
void frmMain::txt_supply_v_LostFocus() { Label1.FontBold = false; }
void frmMain::txt_led_v_GotFocus() { show_hint(txt_led_v, Label2, u"LED Voltage capacity"); }
void frmMain::txt_led_v_LostFocus() { Label2.FontBold = false; }
void frmMain::txt_led_a_GotFocus() { show_hint(txt_led_a, Label3, u"LED Current capacity"); }
void frmMain::txt_led_a_LostFocus() { Label3.FontBold = false; }

void frmMain::show_hint(TextBox& box, Label& prompt, const Text& hint) {
  prompt.FontBold = true;
  box.SelStart = 0;
  box.SelLength = Len(box.Text);
  StatusBar1.SimpleText = hint;
}

}  // namespace tarvex
