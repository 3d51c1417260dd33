// The conformance cases without a window system: a view with no widgets stands in for a front end.
// It translates nothing and keeps, for each change the toolkit delivers, only what a front end would
// show, so that the cases' lines come from the toolkit's rules alone.
#include <algorithm>
#include <map>
#include <optional>

#include "tests/conformance/front_end.h"
#include "tests/support/shown_main_window.h"
#include "toolkit/headless/headless_views.h"
#include "toolkit/keys.h"
#include "toolkit/pointer.h"
#include "toolkit/view_changes.h"

namespace tarvex::conformance {
namespace {

Text text_of(const Control& control) {
  if (control.kind() == ControlKind::TextBox) return static_cast<const TextBox&>(control).Text;
  return control.caption() ? *control.caption() : Text();
}

// A headless view that keeps what each verb would show, and nothing else.
class BareView : public HeadlessView {
 public:
  // What a windowed control's widget would show.
  struct Widget {
    bool visible = false;
    Text text, tooltip;
  };

  using HeadlessView::HeadlessView;
  using WidgetView::wheel_turned;

  Text title;
  std::map<const Control*, Text> menu_captions;
  std::map<const Control*, Widget> widgets;
  Bounds repainted;
  const Control* focus = nullptr;

 protected:
  bool make_widget(Control& control) override {
    show_all_properties(control);
    return true;
  }
  void show_all_properties(const Control& control) override {
    widgets[&control] = {control.Visible, text_of(control), control.ToolTipText};
  }
  void show_property(const Control& control, PropertyId property) override {
    Widget& widget = widgets[&control];
    switch (widget_part(control.kind(), property)) {
      case WidgetPart::Visible: widget.visible = control.Visible; break;
      case WidgetPart::Text:
      case WidgetPart::Caption: widget.text = text_of(control); break;
      case WidgetPart::Tooltip: widget.tooltip = control.ToolTipText; break;
      default: break;
    }
  }
  void retitle(const Text& caption) override { title = caption; }
  void repaint_area(Bounds area) override { repainted = repainted.width > 0 ? span(repainted, area) : area; }
  void show_menu(const Menu& menu) override { menu_captions[&menu] = *menu.caption(); }
  void focus_widget_of(const Control& control) override { focus = &control; }

 private:
  static Bounds span(Bounds a, Bounds b) {
    const float left = std::min(a.left, b.left), top = std::min(a.top, b.top);
    return {left, top, std::max(a.left + a.width, b.left + b.width) - left,
            std::max(a.top + a.height, b.top + b.height) - top};
  }
};

// The headless platform, making the main window's view and noting started programs.
struct BarePlatform : HeadlessPlatform, ViewMaker {
  std::unique_ptr<BareView> view;
  std::function<void(const Text&)>* started = nullptr;
  WindowView& make_view(Form& window, UserInput& input) override {
    view = std::make_unique<BareView>(window, input);
    return *view;
  }
  void drop_view(Form&, WindowView&) override {}
  void start_program(const Text& command_line, int window_style) override {
    HeadlessPlatform::start_program(command_line, window_style);
    if (started && *started) (*started)(command_line);
  }
};

class HeadlessFrontEnd : public FrontEnd, ShownMainWindowOn<BarePlatform> {
 public:
  HeadlessFrontEnd() : view_(*platform.view) { platform.started = &program_started; }

  frmMain& window() override { return ShownMainWindowOn::window; }

  void press(MouseButton button, TwipPoint at) override { view_.button_down(button == MouseButton::Left, at); }
  void release(MouseButton button, TwipPoint at) override { view_.button_up(button == MouseButton::Left, at); }
  void move_pointer(TwipPoint at) override { pointer_ = at; }
  void turn_wheel(const Control& over, int delta) override { view_.wheel_turned(const_cast<Control&>(over), delta); }
  void press_tab(bool with_shift) override {
    const auto press = key_press_of(KeyStroke{.key = KeyName::Tab, .shift = with_shift});
    if (press && input.takes_key(*press)) input.perform(action::Key{*press});
  }

  PointerShape pointer() override { return view_.pointer_at(pointer_); }
  Text resting_tooltip() override {
    const Control* control = view_.painted_at(pointer_, PointerUse::Tooltip);
    return control ? control->ToolTipText.get() : Text();
  }
  const Control* native_focus() override { return view_.focus; }

  Bounds repainted_by(const std::function<void()>& change) override {
    view_.repainted = {};
    toolkit.dispatch(change);
    return view_.repainted;
  }
  Text title() override { return view_.title; }
  Text menu_caption(const Menu& item) override { return view_.menu_captions[&item]; }
  Text widget_text(const Control& control) override { return view_.widgets[&control].text; }
  Text widget_tooltip(const Control& control) override { return view_.widgets[&control].tooltip; }
  bool widget_shown(const Control& control) override {
    return view_.widgets.contains(&control) && view_.widgets[&control].visible;
  }
  std::vector<std::string> accessible_lines() override {
    std::vector<std::string> lines;
    for (const AccessibleObject& o : accessible_children(window()))
      lines.push_back(accessible_line(o.role, o.name, o.value, o.description, o.states));
    return lines;
  }
  std::string reader_object_at(TwipPoint at) override {
    const auto object = object_at(at);
    return object ? accessible_line(object->role, object->name, object->value, object->description, object->states)
                  : "client";
  }
  // A link's default action clicks it.
  void reader_press_at(TwipPoint at) override {
    const auto object = object_at(at);
    if (object && !object->default_action.empty()) input.perform(action::Click{const_cast<Control&>(*object->control)});
  }

 private:
  std::optional<AccessibleObject> object_at(TwipPoint at) {
    auto children = accessible_children(window());
    const auto found = accessible_child_at(children, at);
    return found ? std::optional(std::move(children[*found])) : std::nullopt;
  }

  BareView& view_;
  TwipPoint pointer_;
};

}  // namespace

std::unique_ptr<FrontEnd> open_front_end() { return std::make_unique<HeadlessFrontEnd>(); }

}  // namespace tarvex::conformance
