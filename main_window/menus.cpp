// The menus and the picture link.
#include "about_window/frm_about.h"
#include "main_window/frm_main.h"
#include "toolkit/toolkit.h"

namespace tarvex {

void frmMain::mnu_exit_Click() { toolkit().Unload(*this); }

// A new About window for each opening; the call returns once it has been closed.
void frmMain::mnu_about_Click() {
  frmAbout about(toolkit());
  toolkit().Load(about);
  toolkit().ShowModal(about, *this);
}

// A failure to start the browser travels to the toolkit's dispatch, which reports it.
void frmMain::Image1_Click() { toolkit().Shell(u"explorer " + Image1.link_address, kMinimizedFocus); }

}  // namespace tarvex
