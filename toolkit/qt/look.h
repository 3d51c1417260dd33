#pragma once
// The windows' own look on every desktop. Their layout is fixed and was made for the frames and
// margins of Qt's Fusion style; their colours are the design's. A desktop that hands Qt another style
// (thicker frames cut the digits of the narrow entry boxes) or a dark palette (light captions on the
// windows' light face, black digits on dark boxes) would spoil both, so the windows keep that style
// and a palette made of the design's system colours, whatever the desktop, `-style` or
// QT_STYLE_OVERRIDE ask for.
#include <QPalette>

namespace tarvex::qt {

// Gives the whole program the windows' style, and the tooltips their palette. Called before the
// QApplication exists, it sets the style alone, and Qt then never loads the desktop's own; called
// again once the QApplication exists (the program does, and QtPlatform), it takes the style back from an
// override and frees the one the override replaced.
void keep_window_look();

// The palette of the windows and of their message boxes. It is given to each window rather than to
// the whole program: the widgets inside a window then share their window's palette (a palette set
// for the program is copied into every widget, and the style then draws each drop-down list anew
// instead of once for all that look alike).
QPalette window_palette();

}  // namespace tarvex::qt
