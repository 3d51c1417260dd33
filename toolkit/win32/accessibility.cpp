#include "toolkit/win32/accessibility.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <oleacc.h>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/accessible.h"
#include "toolkit/win32/controls.h"
#include "toolkit/win32/conversions.h"
#include "toolkit/win32/form_view.h"

namespace tarvex::win32 {

namespace {

// MSAA and COM are loaded when a screen reader first asks, so that a start without one loads neither.
struct Libraries {
  decltype(&LresultFromObject) lresult_from_object = nullptr;
  decltype(&CreateStdAccessibleObject) create_std_accessible_object = nullptr;
  decltype(&AccessibleObjectFromWindow) accessible_object_from_window = nullptr;
  decltype(&SysAllocString) sys_alloc_string = nullptr;
  bool complete() const {
    return lresult_from_object && create_std_accessible_object && accessible_object_from_window && sys_alloc_string;
  }
};

template <class Function>
void find(HMODULE library, const char* name, Function& function) {
  if (library != nullptr)
    function = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}

const Libraries& libraries() {
  static const Libraries loaded = [] {
    Libraries l;
    HMODULE oleacc = LoadLibraryW(L"oleacc.dll");
    find(oleacc, "LresultFromObject", l.lresult_from_object);
    find(oleacc, "CreateStdAccessibleObject", l.create_std_accessible_object);
    find(oleacc, "AccessibleObjectFromWindow", l.accessible_object_from_window);
    find(LoadLibraryW(L"oleaut32.dll"), "SysAllocString", l.sys_alloc_string);
    // The objects travel to the screen reader's process through COM, which this thread joins now.
    decltype(&CoInitializeEx) co_initialize_ex = nullptr;
    find(LoadLibraryW(L"ole32.dll"), "CoInitializeEx", co_initialize_ex);
    if (co_initialize_ex) co_initialize_ex(nullptr, COINIT_APARTMENTTHREADED);
    return l;
  }();
  return loaded;
}

void clear(VARIANT* variant) { variant->vt = VT_EMPTY; }

// MSAA's role of each AccessibleRole, in their order. A window's object is its client area: Windows'
// frame object is the window.
constexpr LONG kMsaaRoles[] = {
    ROLE_SYSTEM_CLIENT, ROLE_SYSTEM_CLIENT,      ROLE_SYSTEM_STATICTEXT,  ROLE_SYSTEM_TEXT,       ROLE_SYSTEM_COMBOBOX,
    ROLE_SYSTEM_LIST,   ROLE_SYSTEM_CHECKBUTTON, ROLE_SYSTEM_RADIOBUTTON, ROLE_SYSTEM_PUSHBUTTON, ROLE_SYSTEM_GRAPHIC,
    ROLE_SYSTEM_LINK,   ROLE_SYSTEM_STATUSBAR,   ROLE_SYSTEM_SPINBUTTON,  ROLE_SYSTEM_MENUITEM};
static_assert(std::size(kMsaaRoles) == static_cast<std::size_t>(AccessibleRole::MenuItem) + 1);

LONG msaa_states(const AccessibleStates& states) {
  LONG msaa = 0;
  if (states.focusable) msaa |= STATE_SYSTEM_FOCUSABLE;
  if (states.read_only) msaa |= STATE_SYSTEM_READONLY;
  if (states.unavailable) msaa |= STATE_SYSTEM_UNAVAILABLE;
  if (states.linked) msaa |= STATE_SYSTEM_LINKED;
  if (states.checked == 1) msaa |= STATE_SYSTEM_CHECKED;
  if (states.checked == 2) msaa |= STATE_SYSTEM_MIXED;
  return msaa;
}

HRESULT give_text(const Text& text, BSTR* out) {
  if (out == nullptr) return E_INVALIDARG;
  *out = nullptr;
  if (text.empty()) return S_FALSE;
  *out = libraries().sys_alloc_string(wide(text));
  return *out ? S_OK : E_OUTOFMEMORY;
}

bool is_self(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

RECT screen_rect(HWND window, RECT r) {
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// The children of a window's client object: its control windows, which answer for themselves, and
// its painted parts (a read-out, a link), which the client object answers for under their numbers.
std::vector<AccessibleObject> children_of(const FormView& view) {
  std::vector<AccessibleObject> children;
  if (view.form() == nullptr) return children;
  for (AccessibleObject& object : accessible_children(*view.form())) {
    HWND window = object.painted() ? nullptr : view.control_window(*object.control);
    if (object.painted() || (window != nullptr && IsWindowVisible(window))) children.push_back(std::move(object));
  }
  return children;
}

HWND window_of(const FormView& view, const AccessibleObject& child) {
  return child.painted() ? nullptr : view.control_window(*child.control);
}

// The object of one window: a view's client area or one of its control windows. It finds its view and
// control afresh on every call, so that a screen reader holding it after the window is gone gets an
// error rather than a stale record. What it says of a control comes from the toolkit's accessible
// object; Windows' own object answers the rest (an edit box's caret, a list's items, the frame).
class WindowObject final : public IAccessible {
 public:
  explicit WindowObject(HWND window) : window_(window) {
    libraries().create_std_accessible_object(window, OBJID_CLIENT, IID_IAccessible,
                                             reinterpret_cast<void**>(&standard_));
  }
  ~WindowObject() {
    if (standard_) standard_->Release();
  }
  WindowObject(const WindowObject&) = delete;
  WindowObject& operator=(const WindowObject&) = delete;

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (out == nullptr) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IAccessible) {
      *out = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  // IDispatch: screen readers call IAccessible directly.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count) *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }

  // IAccessible
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    return standard_ ? standard_->get_accParent(parent) : E_NOTIMPL;
  }

  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
    if (count == nullptr) return E_POINTER;
    const FormView* view = view_or_null();
    if (view == nullptr) return E_FAIL;
    if (is_client(*view)) {
      *count = static_cast<LONG>(children_of(*view).size());
      return S_OK;
    }
    if (standard_) return standard_->get_accChildCount(count);
    *count = 0;
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    const FormView* view = view_or_null();
    if (view == nullptr) return E_FAIL;
    if (!is_client(*view)) return standard_ ? standard_->get_accChild(child, out) : E_INVALIDARG;
    const auto found = child_at(*view, child);
    if (!found) return E_INVALIDARG;
    HWND window = window_of(*view, *found);
    if (window == nullptr) return S_FALSE;  // a painted part: this object answers for it
    return libraries().accessible_object_from_window(window, static_cast<DWORD>(OBJID_CLIENT), IID_IDispatch,
                                                     reinterpret_cast<void**>(out));
  }

  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    return answer(child, name, &IAccessible::get_accName, &AccessibleObject::name);
  }

  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    // The edit box's own object reads what the box shows, caret and all.
    const auto object = is_self(child) ? own_object() : std::nullopt;
    if (value != nullptr && object && object->role == AccessibleRole::Text && standard_ &&
        SUCCEEDED(standard_->get_accValue(child, value)) && *value != nullptr)
      return S_OK;
    return answer(child, value, &IAccessible::get_accValue, &AccessibleObject::value);
  }

  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
    return answer(child, description, &IAccessible::get_accDescription, &AccessibleObject::description);
  }

  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    if (role == nullptr) return E_POINTER;
    clear(role);
    const FormView* view = view_or_null();
    if (view == nullptr) return E_FAIL;
    const auto object = object_for(*view, child);
    if (!object) return delegate(&IAccessible::get_accRole, child, role);
    role->vt = VT_I4;
    role->lVal = kMsaaRoles[static_cast<std::size_t>(object->role)];
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    if (state == nullptr) return E_POINTER;
    clear(state);
    const FormView* view = view_or_null();
    if (view == nullptr) return E_FAIL;
    const auto object = object_for(*view, child);
    if (object && object->painted()) {
      state->vt = VT_I4;
      state->lVal = msaa_states(object->states);
      return S_OK;
    }
    if (object && is_client(*view)) return E_INVALIDARG;  // a control window is asked of its own object
    HRESULT result = delegate(&IAccessible::get_accState, child, state);
    if (FAILED(result) || state->vt != VT_I4) {
      clear(state);
      state->vt = VT_I4;
      state->lVal = 0;
      result = S_OK;
    }
    if (!object) return result;
    // What the toolkit decides replaces Windows' guess (which takes every window for focusable, the
    // spin control and the status bar too); the rest (focus, hot tracking) stands.
    state->lVal &= ~(STATE_SYSTEM_CHECKED | STATE_SYSTEM_MIXED | STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_FOCUSABLE |
                     STATE_SYSTEM_READONLY | STATE_SYSTEM_LINKED);
    state->lVal |= msaa_states(object->states);
    if (GetFocus() == window_) state->lVal |= STATE_SYSTEM_FOCUSED;
    return result;
  }

  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    return delegate(&IAccessible::get_accHelp, child, help);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
    return standard_ ? standard_->get_accHelpTopic(file, child, topic) : E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
    return delegate(&IAccessible::get_accKeyboardShortcut, child, shortcut);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
    return standard_ ? standard_->get_accFocus(focus) : E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
    return standard_ ? standard_->get_accSelection(selection) : E_NOTIMPL;
  }

  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    const FormView* view = view_or_null();
    if (view == nullptr) return E_FAIL;
    const auto object = object_for(*view, child);
    if (object && object->painted()) return give_text(object->default_action, action);
    return delegate(&IAccessible::get_accDefaultAction, child, action);
  }

  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
    return standard_ ? standard_->accSelect(flags, child) : E_NOTIMPL;
  }

  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override {
    if (left == nullptr || top == nullptr || width == nullptr || height == nullptr) return E_POINTER;
    const FormView* view = view_or_null();
    if (view == nullptr) return E_FAIL;
    if (!is_client(*view) || is_self(child))
      return standard_ ? standard_->accLocation(left, top, width, height, child) : E_NOTIMPL;
    const auto found = child_at(*view, child);
    if (!found) return E_INVALIDARG;
    RECT r{};
    if (HWND window = window_of(*view, *found)) {
      GetWindowRect(window, &r);
    } else {
      r = screen_rect(window_, to_pixels(found->area, view->dpi()));
    }
    *left = r.left;
    *top = r.top;
    *width = r.right - r.left;
    *height = r.bottom - r.top;
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
    if (end == nullptr) return E_POINTER;
    clear(end);
    const FormView* view = view_or_null();
    if (view == nullptr) return E_FAIL;
    if (!is_client(*view)) return standard_ ? standard_->accNavigate(direction, start, end) : E_NOTIMPL;
    const auto count = static_cast<long>(children_of(*view).size());
    long to = 0;
    if (is_self(start) && direction == NAVDIR_FIRSTCHILD) to = 1;
    if (is_self(start) && direction == NAVDIR_LASTCHILD) to = count;
    if (!is_self(start) && start.vt == VT_I4 && direction == NAVDIR_NEXT) to = start.lVal + 1;
    if (!is_self(start) && start.vt == VT_I4 && direction == NAVDIR_PREVIOUS) to = start.lVal - 1;
    if (to == 0 && is_self(start)) return standard_ ? standard_->accNavigate(direction, start, end) : S_FALSE;
    if (to < 1 || to > count) return S_FALSE;
    return give_child(*view, to, end);
  }

  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* at) override {
    if (at == nullptr) return E_POINTER;
    clear(at);
    const FormView* view = view_or_null();
    if (view == nullptr) return E_FAIL;
    if (!is_client(*view)) return standard_ ? standard_->accHitTest(x, y, at) : E_NOTIMPL;
    POINT point{x, y};
    ScreenToClient(window_, &point);
    RECT client{};
    GetClientRect(window_, &client);
    if (!PtInRect(&client, point)) return S_FALSE;
    if (const auto child = accessible_child_at(children_of(*view), to_twips(point, view->dpi())))
      return give_child(*view, static_cast<long>(*child + 1), at);
    at->vt = VT_I4;
    at->lVal = CHILDID_SELF;
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    const FormView* view = view_or_null();
    if (view == nullptr) return E_FAIL;
    if (is_client(*view) && !is_self(child)) {
      const auto found = child_at(*view, child);
      if (!found || !found->painted()) return E_INVALIDARG;
      if (found->default_action.empty()) return DISP_E_MEMBERNOTFOUND;  // a read-out does nothing
      // Pressed once the screen reader's call has returned: what the click sets off may wait on a
      // message box, which must not keep the caller waiting.
      const auto& controls = view->form()->controls();
      PostMessageW(window_, kPressLink, std::find(controls.begin(), controls.end(), found->control) - controls.begin(),
                   0);
      return S_OK;
    }
    const Control* control = is_client(*view) ? nullptr : view->control_of(window_);
    if (control != nullptr && is_self(child) && control->traits().pressable) {
      // As a click of the button's own: it reports itself to the view, which asks the toolkit.
      PostMessageW(window_, BM_CLICK, 0, 0);
      return S_OK;
    }
    return standard_ ? standard_->accDoDefaultAction(child) : DISP_E_MEMBERNOTFOUND;
  }

  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  FormView* view_or_null() const {
    if (!IsWindow(window_)) return nullptr;
    FormView* view = FormView::of(window_);
    return view != nullptr && view->form() != nullptr ? view : nullptr;
  }
  bool is_client(const FormView& view) const { return view.window() == window_; }

  // The object of this control window's control.
  std::optional<AccessibleObject> own_object() const {
    const FormView* view = view_or_null();
    const Control* control = view == nullptr || is_client(*view) ? nullptr : view->control_of(window_);
    if (control == nullptr) return std::nullopt;
    return accessible_object(*control);
  }

  // The toolkit's object that a child stands for: a painted part or a control window of the client
  // area, or this window's own control; none where Windows' own object answers (the client area
  // itself, the parts of a control such as a list's items).
  std::optional<AccessibleObject> object_for(const FormView& view, const VARIANT& child) const {
    if (!is_client(view)) return is_self(child) ? own_object() : std::nullopt;
    if (is_self(child)) return std::nullopt;
    return child_at(view, child);
  }

  static std::optional<AccessibleObject> child_at(const FormView& view, const VARIANT& child) {
    if (child.vt != VT_I4 || child.lVal < 1) return std::nullopt;
    auto children = children_of(view);
    if (static_cast<std::size_t>(child.lVal) > children.size()) return std::nullopt;
    return std::move(children[static_cast<std::size_t>(child.lVal - 1)]);
  }

  // A control window's child is its own object; a painted part is a number of this one.
  static HRESULT give_child(const FormView& view, long number, VARIANT* out) {
    HWND window = window_of(view, children_of(view)[static_cast<std::size_t>(number - 1)]);
    if (window != nullptr) {
      IDispatch* object = nullptr;
      if (SUCCEEDED(libraries().accessible_object_from_window(window, static_cast<DWORD>(OBJID_CLIENT), IID_IDispatch,
                                                              reinterpret_cast<void**>(&object)))) {
        out->vt = VT_DISPATCH;
        out->pdispVal = object;
        return S_OK;
      }
    }
    out->vt = VT_I4;
    out->lVal = number;
    return S_OK;
  }

  template <class Out>
  HRESULT delegate(HRESULT (STDMETHODCALLTYPE IAccessible::*method)(VARIANT, Out*), VARIANT child, Out* out) {
    return standard_ ? (standard_->*method)(child, out) : DISP_E_MEMBERNOTFOUND;
  }

  // A text of the toolkit's object, or Windows' own answer where there is none (the client area's
  // name is the window's caption).
  HRESULT answer(VARIANT child, BSTR* out, HRESULT (STDMETHODCALLTYPE IAccessible::*method)(VARIANT, BSTR*),
                 Text AccessibleObject::*text) {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    const FormView* view = view_or_null();
    if (view == nullptr) return E_FAIL;
    const auto object = object_for(*view, child);
    return object ? give_text((*object).*text, out) : delegate(method, child, out);
  }

  LONG references_ = 1;
  HWND window_;
  IAccessible* standard_ = nullptr;
};

// The child number of a painted part among its window's children.
long number_of(const FormView& view, const ReadOut& read_out) {
  const auto children = children_of(view);
  for (std::size_t i = 0; i < children.size(); ++i) {
    if (children[i].read_out == &read_out) return static_cast<long>(i + 1);
  }
  return 0;
}

// Each window's announcements, which remember what they last told.
AccessibleWindow& accessible_window(const Form& form) {
  static std::map<const Form*, AccessibleWindow> windows;
  return windows.try_emplace(&form, form).first->second;
}

void notify(const FormView& view, const Announcement& announcement) {
  if (announcement.read_out != nullptr) {
    if (const long number = number_of(view, *announcement.read_out))
      NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, view.window(), OBJID_CLIENT, number);
    return;
  }
  HWND window = view.control_window(*announcement.control);
  if (window == nullptr) return;
  static constexpr DWORD kEvents[] = {EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_VALUECHANGE, EVENT_OBJECT_STATECHANGE,
                                      EVENT_OBJECT_DESCRIPTIONCHANGE};
  NotifyWinEvent(kEvents[static_cast<int>(announcement.event)], window, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace

LRESULT accessible_object(HWND window, WPARAM flags, LPARAM object_id) {
  if (static_cast<LONG>(object_id) != OBJID_CLIENT || !libraries().complete()) return 0;
  auto* object = new WindowObject(window);
  const LRESULT result = libraries().lresult_from_object(IID_IAccessible, flags, object);
  object->Release();
  return result > 0 ? result : 0;
}

void announce_change(const FormView& view, const PropertyChange& change) {
  if (view.form() == nullptr) return;
  for (const Announcement& announcement : accessible_window(*view.form()).changed(change)) notify(view, announcement);
}

void announce_outcome(const FormView& view) {
  if (view.form() == nullptr) return;
  for (const Announcement& announcement : accessible_window(*view.form()).outcome_announced())
    notify(view, announcement);
}

}  // namespace tarvex::win32
