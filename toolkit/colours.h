#pragma once
// What colour a window draws a thing in, decided here once for every front end from the design's
// colour, the colours the system has for its roles and whether the system asks for them.
//
// Without a contrast theme the windows keep the design's colours throughout, whatever colours the
// system has: the colours the handlers write (black captions after a Compute, red marks, the bands on
// the tan body) were chosen against the design's light face. A contrast theme (on Windows, the
// system's contrast flag) asks every program to draw in the system's colours: then every role is the
// system's, the handlers' colours keep their meaning in the theme's colours, and the drawn resistor
// keeps its bands, outlined in the theme's text colour so that it stands out on any face.
#include "core/color.h"
#include "toolkit/system_colors.h"

namespace tarvex {

// The colours a system has for the roles the windows draw in.
struct SystemColours {
  Color face = kButtonFace;        // the window's background
  Color text = kWindowText;        // captions and lines on the face, the text in entry boxes
  Color window = kWindowBackground;  // inside entry boxes and lists
  Color gray_text = kGrayText;     // a disabled control's text
  Color highlight = kHighlight;    // behind selected text
  Color hot_light = kHotLight;     // a link's text
};

// The colours a window is drawn in now: the system's, and whether a contrast theme asks for them.
// The default is the design's look.
struct ColourScheme {
  SystemColours system{};
  bool contrast_theme = false;
};

enum class ColourUse {
  Face,             // the window's background, an opaque label's
  Caption,          // a caption's text on the face, as the handlers write it
  EntryText,        // an entry box's text, as the handlers write it
  EntryBackground,  // inside an entry box or a list
  DisabledText,     // a disabled caption (the design's colour does not count)
  Line,             // a drawn line
  Fill,             // a shape's inside
  Outline,          // a shape's border
};

// The colour to draw a thing of the design's colour in, for its use.
Color drawn_colour(Color design, ColourUse use, const ColourScheme& scheme);

// Whether every shape is outlined (in drawn_colour(.., Outline, ..)), also one the design draws
// without a border: under a contrast theme, so that the drawn resistor stands out on any face.
inline bool outlines_every_shape(const ColourScheme& scheme) { return scheme.contrast_theme; }

// How far two colours stand apart for reading, 1 to 21 (the WCAG contrast ratio); 4.5 reads.
double contrast_ratio(Color a, Color b);

}  // namespace tarvex
