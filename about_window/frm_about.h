#pragma once
// The About window: the program's title and version, what it is for, where its forums are, and the
// latest changes. A small LED drawing decorates its upper left corner. OK, Enter or Esc closes it.
#include <array>

#include "toolkit/form.h"

namespace tarvex {

class Toolkit;

class frmAbout : public Form {
 public:
  explicit frmAbout(Toolkit& toolkit);

  void Form_Load() override;
  void cmdOK_Click();

  Label lblTitle{*this, "lblTitle"};
  Label lblVersion{*this, "lblVersion"};
  Label lblDescription{*this, "lblDescription"};
  Label Label1{*this, "Label1"};
  std::array<Line, 2> Line1{Line{*this, "Line1(0)"}, Line{*this, "Line1(1)"}};
  Label Label2{*this, "Label2"};
  ListControl List1{*this, "List1", ControlKind::ListBox};
  CommandButton cmdOK{*this, "cmdOK"};

  // The LED drawing: dome, body, rim and highlight; two bent leads; a resistor with four bands.
  Shape Shape4{*this, "Shape4"}, Shape5{*this, "Shape5"}, Shape6{*this, "Shape6"}, Shape7{*this, "Shape7"};
  Line Line11{*this, "Line11"}, Line12{*this, "Line12"}, Line13{*this, "Line13"}, Line14{*this, "Line14"};
  Line Line15{*this, "Line15"}, Line16{*this, "Line16"}, Line17{*this, "Line17"}, Line18{*this, "Line18"};
  Line Line19{*this, "Line19"}, Line20{*this, "Line20"};
  Shape Shape8{*this, "Shape8"}, Shape9{*this, "Shape9"}, Shape10{*this, "Shape10"};
  Line Line21{*this, "Line21"}, Line22{*this, "Line22"}, Line23{*this, "Line23"}, Line24{*this, "Line24"};
  Label Label11{*this, "Label11"};

 private:
  void design();
  void design_led_drawing();
};

}  // namespace tarvex
