// The real tarvex.exe as a screen reader meets it on Windows, from a process of its own: it types
// 12 V and 2 V and computes with Enter, hearing the focus follow the Tab and a value change follow
// the Compute through an out-of-context event hook, then reads both windows' trees through
// AccessibleObjectFromWindow and checks each control's name, role, value and description, the
// read-out under the resistor and the picture link (with their places and hit tests), and closes
// the About window through its OK button's default action.
//   screen_reader_win32 PATH\TO\tarvex.exe
#include <windows.h>

#include <cstdio>
#include <functional>
#include <oleacc.h>
#include <string>
#include <vector>

namespace {

int failures = 0;

void check(bool ok, const std::wstring& what) {
  if (ok) return;
  ++failures;
  std::fwprintf(stderr, L"FAIL: %ls\n", what.c_str());
}

struct Event {
  DWORD event;
  HWND window;
  LONG object;
  LONG child;
};
std::vector<Event> heard;

void CALLBACK hear(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
  heard.push_back({event, window, object, child});
}

// Lets the hook's events in while waiting for something, for at most 20 seconds.
bool wait_for(const std::function<bool()>& done) {
  const ULONGLONG deadline = GetTickCount64() + 20000;
  while (GetTickCount64() < deadline) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    if (done()) return true;
    Sleep(20);
  }
  return done();
}

// A shown top-level window of the program (only one test at a time shows windows in the prefix).
HWND window_titled(DWORD process, const wchar_t* title) {
  HWND window = FindWindowW(nullptr, title);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  return window != nullptr && owner == process && IsWindowVisible(window) ? window : nullptr;
}

HWND focus_of(DWORD thread) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
}

void post_key(HWND window, UINT key) {
  const LPARAM down = 1 | (static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16);
  PostMessageW(window, WM_KEYDOWN, key, down);
  PostMessageW(window, WM_KEYUP, key, down | (LPARAM{3} << 30));
}

void type(HWND window, const wchar_t* text) {
  for (; *text; ++text) PostMessageW(window, WM_CHAR, *text, 1);
}

std::wstring description_of(HWND window) {
  IAccessible* object = nullptr;
  if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                        reinterpret_cast<void**>(&object))))
    return L"(no object)";
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR text = nullptr;
  std::wstring out = SUCCEEDED(object->get_accDescription(self, &text)) && text ? text : L"";
  SysFreeString(text);
  object->Release();
  return out;
}

// One node of the tree as a screen reader reads it.
struct Node {
  std::wstring name, value, description;
  LONG role = 0;
  LONG state = 0;
  RECT place{};
  IAccessible* parent = nullptr;  // the object that answers for a numbered child
  LONG child = CHILDID_SELF;
};

std::wstring text_of(IAccessible* object, HRESULT (STDMETHODCALLTYPE IAccessible::*method)(VARIANT, BSTR*),
                     VARIANT id) {
  BSTR text = nullptr;
  const HRESULT result = (object->*method)(id, &text);
  std::wstring out = SUCCEEDED(result) && text ? std::wstring(text, SysStringLen(text)) : L"";
  SysFreeString(text);
  return out;
}

Node read(IAccessible* object, LONG child) {
  VARIANT id{};
  id.vt = VT_I4;
  id.lVal = child;
  Node node;
  node.parent = object;
  node.child = child;
  node.name = text_of(object, &IAccessible::get_accName, id);
  node.value = text_of(object, &IAccessible::get_accValue, id);
  node.description = text_of(object, &IAccessible::get_accDescription, id);
  VARIANT answer{};
  if (SUCCEEDED(object->get_accRole(id, &answer)) && answer.vt == VT_I4) node.role = answer.lVal;
  VariantClear(&answer);
  if (SUCCEEDED(object->get_accState(id, &answer)) && answer.vt == VT_I4) node.state = answer.lVal;
  VariantClear(&answer);
  long left = 0, top = 0, width = 0, height = 0;
  if (SUCCEEDED(object->accLocation(&left, &top, &width, &height, id)))
    node.place = {left, top, left + width, top + height};
  return node;
}

// The whole tree under an object, depth first; the objects stay alive for the checks.
void walk(IAccessible* object, std::vector<Node>& nodes, std::vector<IAccessible*>& alive, int depth = 0) {
  alive.push_back(object);
  nodes.push_back(read(object, CHILDID_SELF));
  LONG count = 0;
  if (depth > 8 || FAILED(object->get_accChildCount(&count)) || count <= 0) return;
  std::vector<VARIANT> children(static_cast<std::size_t>(count));
  LONG got = 0;
  if (FAILED(AccessibleChildren(object, 0, count, children.data(), &got))) return;
  for (LONG i = 0; i < got; ++i) {
    VARIANT& child = children[static_cast<std::size_t>(i)];
    if (child.vt == VT_DISPATCH && child.pdispVal) {
      IAccessible* inner = nullptr;
      if (SUCCEEDED(child.pdispVal->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&inner))))
        walk(inner, nodes, alive, depth + 1);
    } else if (child.vt == VT_I4) {
      nodes.push_back(read(object, child.lVal));
    }
    VariantClear(&child);
  }
}

struct Tree {
  std::vector<Node> nodes;
  std::vector<IAccessible*> alive;
  explicit Tree(HWND window) {
    IAccessible* root = nullptr;
    if (SUCCEEDED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                             reinterpret_cast<void**>(&root))))
      walk(root, nodes, alive);
  }
  ~Tree() {
    for (IAccessible* object : alive) object->Release();
  }
  std::vector<const Node*> named(const std::wstring& name) const {
    std::vector<const Node*> found;
    for (const Node& node : nodes) {
      if (node.name == name) found.push_back(&node);
    }
    return found;
  }
  // The one node of a name and role; a failure, and nullptr, for none or several.
  const Node* one(const std::wstring& name, LONG role) const {
    const Node* only = nullptr;
    int count = 0;
    for (const Node* node : named(name)) {
      if (node->role == role) {
        only = node;
        ++count;
      }
    }
    check(count == 1, L"one control named '" + name + L"' of role " + std::to_wstring(role) + L", found " +
                          std::to_wstring(count) + L" among " + std::to_wstring(named(name).size()) + L" so named");
    return count == 1 ? only : nullptr;
  }
};

void expect_value(const Node* node, const std::wstring& value) {
  if (node)
    check(node->value == value, L"'" + node->name + L"' has the value '" + node->value + L"', not '" + value + L"'");
}

void expect_checked(const Node* node, bool checked) {
  if (node)
    check(((node->state & STATE_SYSTEM_CHECKED) != 0) == checked,
          L"'" + node->name + (checked ? L"' is not checked" : L"' is checked"));
}

// A point inside the node is answered with the node: a numbered child of the same object.
void expect_hit(const Node* node) {
  if (node == nullptr) return;
  check(node->place.right > node->place.left && node->place.bottom > node->place.top,
        L"'" + node->name + L"' has no place");
  VARIANT at{};
  const HRESULT result = node->parent->accHitTest((node->place.left + node->place.right) / 2,
                                                  (node->place.top + node->place.bottom) / 2, &at);
  check(result == S_OK && at.vt == VT_I4 && at.lVal == node->child, L"a point inside '" + node->name + L"' is not it");
  VariantClear(&at);
}

// What a failing check had before it, for the log.
void dump(const Tree& tree) {
  for (const Node& node : tree.nodes)
    std::fwprintf(stderr, L"  role %ld '%ls' value '%ls' description '%ls'\n", node.role, node.name.c_str(),
                  node.value.c_str(), node.description.c_str());
}

void check_main_window(const Tree& tree, const std::wstring& title) {
  const int before = failures;
  check(tree.one(title, ROLE_SYSTEM_CLIENT) != nullptr, L"the client area is named by the title");
  expect_value(tree.one(L"Supply Voltage", ROLE_SYSTEM_TEXT), L"12");
  expect_value(tree.one(L"LED Voltage", ROLE_SYSTEM_TEXT), L"2");
  expect_value(tree.one(L"LED Current", ROLE_SYSTEM_TEXT), L"20");
  expect_value(tree.one(L"# of LEDs", ROLE_SYSTEM_TEXT), L"2");
  expect_checked(tree.one(L"LED current in milliamperes", ROLE_SYSTEM_RADIOBUTTON), true);
  expect_checked(tree.one(L"LED current in amperes", ROLE_SYSTEM_RADIOBUTTON), false);
  tree.one(L"Compute", ROLE_SYSTEM_PUSHBUTTON);
  tree.one(L"Five-band reading", ROLE_SYSTEM_CHECKBUTTON);
  expect_value(tree.one(L"Number of LEDs", ROLE_SYSTEM_SPINBUTTON), L"2");
  expect_value(tree.one(L"First digit band", ROLE_SYSTEM_COMBOBOX), L"5 Green");
  expect_value(tree.one(L"Second digit band", ROLE_SYSTEM_COMBOBOX), L"1 Brown");
  tree.one(L"Third digit band", ROLE_SYSTEM_COMBOBOX);
  expect_value(tree.one(L"Multiplier band", ROLE_SYSTEM_COMBOBOX), L"1 Brown");
  expect_value(tree.one(L"Tolerance band", ROLE_SYSTEM_COMBOBOX), L"Gold 5%");
  // The two areas ask for their results in the same words; the descriptions tell them apart.
  for (const wchar_t* name : {L"Calculated Resistor value", L"Next Standard Resistor value"}) {
    const auto boxes = tree.named(name);
    check(boxes.size() == 2 && !boxes[0]->description.empty() && boxes[0]->description != boxes[1]->description,
          std::wstring(L"the two boxes named '") + name + L"' are not told apart");
  }
  for (const Node* box : tree.named(L"Calculated Resistor value")) {
    if (box->description.rfind(L"Single LED", 0) == 0) expect_value(box, L"500");
  }
  for (const Node* box : tree.named(L"Next Standard Resistor value")) {
    if (box->description.rfind(L"Single LED", 0) == 0) expect_value(box, L"510");
  }
  int status_bars = 0;
  for (const Node& node : tree.nodes) {
    if (node.role != ROLE_SYSTEM_STATUSBAR) continue;
    ++status_bars;
    check(!node.name.empty(), L"the status bar has no text");
  }
  check(status_bars == 1, L"one status bar");
  const Node* read_out = tree.one(L"Resistor Value: 510 \u03A9", ROLE_SYSTEM_STATICTEXT);
  expect_hit(read_out);
  const Node* link = tree.one(L"Tarvex home page", ROLE_SYSTEM_LINK);
  if (link)
    check(link->description == L"https://tarvex.example.org/", L"the link tells the address " + link->description);
  if (link) check((link->state & STATE_SYSTEM_FOCUSABLE) == 0, L"the link takes the focus: the tab order would change");
  expect_hit(link);
  // Prompts that name a box are not heard a second time.
  check(tree.named(L"Supply Voltage:").empty(), L"the prompt 'Supply Voltage:' is a node of its own");
  if (failures > before) dump(tree);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fwprintf(stderr, L"usage: screen_reader_win32 PATH\\TO\\tarvex.exe\n");
    return 2;
  }
  std::wstring program = argv[1];
  if (!program.empty() && program[0] == L'/') program = L"Z:" + program;  // a path of the host under Wine
  for (wchar_t& c : program) c = c == L'/' ? L'\\' : c;
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

  STARTUPINFOW start{};
  start.cb = sizeof start;
  PROCESS_INFORMATION started{};
  std::wstring command = L"\"" + program + L"\"";
  if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &start,
                      &started)) {
    std::fwprintf(stderr, L"FAIL: cannot start %ls (error %lu)\n", program.c_str(), GetLastError());
    return 1;
  }
  const std::wstring title = L"Tarvex v1.5.4";
  HWND main = nullptr;
  const DWORD thread = started.dwThreadId;
  const bool up =
      wait_for([&] { return (main = window_titled(started.dwProcessId, title.c_str())) != nullptr; }) && wait_for([&] {
        wchar_t name[16] = {};
        GetClassNameW(focus_of(thread), name, 16);
        return _wcsicmp(name, L"Edit") == 0;
      });
  check(up, L"the window 'Tarvex v1.5.4' came up with the focus in a box");
  HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_VALUECHANGE, nullptr, hear, started.dwProcessId,
                                       0, WINEVENT_OUTOFCONTEXT);
  check(hook != nullptr, L"the event hook is set");

  if (up && hook) {
    HWND supply = focus_of(thread);
    type(supply, L"12");
    post_key(supply, VK_TAB);
    HWND led = nullptr;
    check(wait_for([&] {
            led = focus_of(thread);
            if (led == supply) return false;
            for (const Event& e : heard) {
              if (e.event == EVENT_OBJECT_FOCUS && e.window == led && e.object == OBJID_CLIENT) return true;
            }
            return false;
          }),
          L"a focus event for the next box follows the Tab");
    heard.clear();
    type(led, L"2");
    post_key(led, VK_RETURN);
    // The result box was "0"; its new value is told.
    check(wait_for([&] {
            for (const Event& e : heard) {
              if (e.event == EVENT_OBJECT_VALUECHANGE && e.window != led && e.object == OBJID_CLIENT) return true;
            }
            return false;
          }),
          L"a value change follows the Compute");
    check(wait_for([&] {
            for (const Event& e : heard) {
              if (e.event == EVENT_OBJECT_NAMECHANGE && e.window == main && e.child > 0) return true;
            }
            return false;
          }),
          L"the read-out's new text is told");
    {
      const Tree tree(main);
      check_main_window(tree, title);
    }
    // The outcome is told where the user is, as a new description of the focused box; a zero entry
    // then tells the failure, and its box says it is marked.
    const auto heard_description = [&] {
      return wait_for([&] {
        for (const Event& e : heard) {
          if (e.event == EVENT_OBJECT_DESCRIPTIONCHANGE && e.window == led) return true;
        }
        return false;
      });
    };
    check(heard_description(), L"the outcome of the Compute is told");
    check(description_of(led) == L"Next standard value 510 Ohms, opto-isolator 75 Ohms",
          L"the outcome reads " + description_of(led));
    heard.clear();
    type(led, L"\b0");  // an edit box deletes on the character, not the key
    post_key(led, VK_RETURN);
    check(heard_description(), L"the failure of the Compute is told");
    check(description_of(led) == L"Values are invalid or are zeros. Invalid entry",
          L"the failure reads " + description_of(led));

    // The About window, opened from the keyboard: Alt+H, then A.
    const LPARAM alt = 1 | (LPARAM{1} << 29) | (static_cast<LPARAM>(MapVirtualKeyW('H', MAPVK_VK_TO_VSC)) << 16);
    PostMessageW(main, WM_SYSKEYDOWN, 'H', alt);
    PostMessageW(main, WM_SYSKEYUP, 'H', alt | (LPARAM{3} << 30));
    Sleep(500);
    post_key(main, 'A');
    HWND about = nullptr;
    check(wait_for([&] { return (about = window_titled(started.dwProcessId, L"About Tarvex")) != nullptr; }),
          L"the About window opens");
    if (about) {
      const Tree tree(about);
      tree.one(L"About Tarvex", ROLE_SYSTEM_CLIENT);
      tree.one(L"Updates", ROLE_SYSTEM_LIST);
      const Node* ok = tree.one(L"OK", ROLE_SYSTEM_PUSHBUTTON);
      if (ok) {
        VARIANT self{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        for (const Node& node : tree.nodes) {
          if (&node == ok) check(node.parent->accDoDefaultAction(self) == S_OK, L"OK takes its default action");
        }
        check(wait_for([&] { return !IsWindow(about); }), L"OK's default action closes the About window");
      }
    }
  }
  if (hook) UnhookWinEvent(hook);

  PostMessageW(main, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(started.hProcess, 20000) != WAIT_OBJECT_0) {
    check(false, L"the program did not end when its window was closed");
    TerminateProcess(started.hProcess, 1);
  }
  CloseHandle(started.hThread);
  CloseHandle(started.hProcess);
  CoUninitialize();
  if (failures == 0) std::wprintf(L"every control of both windows is heard as it should be\n");
  return failures == 0 ? 0 : 1;
}
