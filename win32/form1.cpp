#include "win32/form1.h"

#include <commctrl.h>

#include "core/designer_aids.h"
#include "win32/box_field_store.h"
#include "win32/error_report.h"
#include "win32/screen_reader.h"
#include "win32/utf16.h"
#include "window/aids_readers.h"
#include "window/control_names.h"
#include "window/look.h"
#include "window/row_actions.h"
#include "window/tab_order.h"

namespace ohmcalc {
namespace {

constexpr DWORD kWindowStyle = WS_OVERLAPPEDWINDOW;
constexpr DWORD kWindowExStyle = 0;
constexpr int kTwipsPerInch = 1440;
constexpr COLORREF kBarColourRef = RGB(kBarColour.red, kBarColour.green, kBarColour.blue);
constexpr int kToolTipShownMs = 30000;
constexpr int kIconResource = 1;
constexpr UINT kAfterFirstPaintMessage = WM_APP;  // clear of the dialog manager's WM_USER messages

struct ControlClass {
  const wchar_t* name;
  DWORD style;
  DWORD ex_style;
};

ControlClass ClassOf(ControlKind kind) {
  constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
  switch (kind) {
    case ControlKind::kTextBox:
      return {L"EDIT", kChild | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::kButton:
      return {L"BUTTON", kChild | WS_TABSTOP | BS_PUSHBUTTON, 0};
    case ControlKind::kLabel:
    case ControlKind::kBar:
      break;
  }
  return {L"STATIC", kChild | SS_LEFT | SS_NOPREFIX, 0};
}

struct Place {
  int x, y, width, height;
};

Place PlaceAt(const TwipRect& rect, UINT dpi) {
  auto scale = [dpi](int twips) { return MulDiv(twips, static_cast<int>(dpi), kTwipsPerInch); };
  return {scale(rect.left), scale(rect.top), scale(rect.width), scale(rect.height)};
}

// The window's outer size for its client area at `dpi`.
SIZE FrameSize(UINT dpi) {
  const Place client = PlaceAt({0, 0, kClientWidthTwips, kClientHeightTwips}, dpi);
  RECT frame{0, 0, client.width, client.height};
  AdjustWindowRectExForDpi(&frame, kWindowStyle, FALSE, kWindowExStyle, dpi);
  return {frame.right - frame.left, frame.bottom - frame.top};
}

HICON LoadProgramIcon(HINSTANCE instance, int metric_x, int metric_y) {
  return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kIconResource), IMAGE_ICON,
                                       GetSystemMetrics(metric_x), GetSystemMetrics(metric_y), LR_DEFAULTCOLOR));
}

// The tooltip control breaks lines at CR LF.
std::wstring ToolTipText(std::string_view utf8) {
  std::wstring text;
  for (wchar_t c : Widen(utf8)) {
    if (c == L'\n') text.push_back(L'\r');
    text.push_back(c);
  }
  return text;
}

}  // namespace

int ControlId(const char* name) {
  return kFirstControlId + static_cast<int>(&ControlNamed(name) - kFormControls.data());
}

HWND Form1::Create(HINSTANCE instance, NumberLocale locale) {
  static const ATOM registered = [instance] {
    // The themed controls, the tooltip among them.
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_BAR_CLASSES;
    InitCommonControlsEx(&controls);
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = WindowProc;
    window_class.hInstance = instance;
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    window_class.lpszClassName = kForm1ClassName;
    return RegisterClassExW(&window_class);
  }();
  if (registered == 0) return nullptr;
  // Made at its size for the system's DPI, which is the window's unless it
  // opens on a monitor of another.
  const SIZE frame = FrameSize(GetDpiForSystem());
  return CreateWindowExW(kWindowExStyle, kForm1ClassName, Widen(kFormTitle).c_str(), kWindowStyle, CW_USEDEFAULT,
                         CW_USEDEFAULT, frame.cx, frame.cy, nullptr, nullptr, instance, &locale);
}

Form1::Form1(HWND window, NumberLocale locale)
    : window_(window), locale_(std::move(locale)), bar_brush_(CreateSolidBrush(kBarColourRef)) {}

LRESULT CALLBACK Form1::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
    auto* form = new Form1(window, *static_cast<NumberLocale*>(create->lpCreateParams));
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  auto* form = reinterpret_cast<Form1*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    if (form != nullptr) {
      DeleteObject(form->bar_brush_);
      delete form;
    }
  } else if (form != nullptr) {
    return form->Handle(message, wparam, lparam);
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

LRESULT Form1::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      OnCreate();
      return 0;
    case kAfterFirstPaintMessage:
      OnAfterFirstPaint();
      return 0;
    case WM_DPICHANGED:
      OnDpiChanged(HIWORD(wparam), *reinterpret_cast<const RECT*>(lparam));
      return 0;
    case WM_CTLCOLORSTATIC:
      return OnCtlColorStatic(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
    case WM_COMMAND:
      OnCommand(LOWORD(wparam), HIWORD(wparam));
      return 0;
    case WM_ACTIVATE:
      OnActivate(LOWORD(wparam));
      return 0;
    case WM_SETFOCUS:
      SetFocus(last_focus_);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window_, message, wparam, lparam);
  }
}

void Form1::OnCreate() {
  SetIcons();
  const UINT dpi = GetDpiForWindow(window_);
  BuildControls(dpi);
  if (dpi != GetDpiForSystem()) FitFrame(dpi);
  if (kFormControls[kFirstInTabOrder].kind == ControlKind::kTextBox) AddAccessibleName(last_focus_);
  PostMessageW(window_, kAfterFirstPaintMessage, 0, 0);
}

// What no one can need before the window shows is made right after its
// first paint, which main's UpdateWindow does before the message loop takes
// this message: the boxes' hidden name labels, first read on a key, and the
// tooltips, first shown on a hover. The focused box has its name from
// OnCreate, as a screen reader reads it out as soon as the window shows.
void Form1::OnAfterFirstPaint() {
  for (HWND box : boxes_) {
    if (box != controls_[kFirstInTabOrder]) AddAccessibleName(box);
  }
  AddToolTips();
}

void Form1::OnDpiChanged(UINT dpi, const RECT& suggested) {
  SetWindowPos(window_, nullptr, suggested.left, suggested.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  Layout(dpi);
}

LRESULT Form1::OnCtlColorStatic(HDC device, HWND control) {
  const int index = GetDlgCtrlID(control) - kFirstControlId;
  if (index >= 0 && index < static_cast<int>(kFormControls.size()) &&
      kFormControls[static_cast<std::size_t>(index)].kind == ControlKind::kBar) {
    SetBkColor(device, kBarColourRef);
    return reinterpret_cast<LRESULT>(bar_brush_);
  }
  SetTextColor(device, GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(device, GetSysColor(COLOR_WINDOW));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
}

// Focus leaves with the window and comes back to where it was.
void Form1::OnActivate(UINT state) {
  if (state == WA_INACTIVE) {
    HWND focus = GetFocus();
    if (focus != nullptr && IsChild(window_, focus)) last_focus_ = focus;
  } else {
    SetFocus(last_focus_);
  }
}

void Form1::SetIcons() {
  auto* instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window_, GWLP_HINSTANCE));
  SendMessageW(window_, WM_SETICON, ICON_BIG,
               reinterpret_cast<LPARAM>(LoadProgramIcon(instance, SM_CXICON, SM_CYICON)));
  SendMessageW(window_, WM_SETICON, ICON_SMALL,
               reinterpret_cast<LPARAM>(LoadProgramIcon(instance, SM_CXSMICON, SM_CYSMICON)));
}

void Form1::BuildControls(UINT dpi) {
  auto* instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window_, GWLP_HINSTANCE));
  fonts_ = std::make_unique<Fonts>(dpi);
  // Creation order is also Tab order and stacking order.
  for (std::size_t index : kCreationOrder) {
    const ControlSpec& entry = kFormControls[index];
    const ControlClass control_class = ClassOf(entry.kind);
    const Place place = PlaceAt(entry.rect, dpi);
    HWND control =
        CreateWindowExW(control_class.ex_style, control_class.name, Widen(entry.caption).c_str(), control_class.style,
                        place.x, place.y, place.width, place.height, window_,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + index)), instance, nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_->For(entry.font)), FALSE);
    controls_[index] = control;
    if (entry.kind == ControlKind::kTextBox) {
      boxes_.at(static_cast<std::size_t>(BoxNumber(entry) - 1)) = control;
      SendMessageW(control, EM_SETLIMITTEXT, 0, 0);  // no limit: a pasted megabyte stays whole
    }
  }
  last_focus_ = controls_[kFirstInTabOrder];
}

void Form1::Layout(UINT dpi) {
  auto fonts = std::make_unique<Fonts>(dpi);
  for (std::size_t index = 0; index < kFormControls.size(); ++index) {
    const ControlSpec& entry = kFormControls[index];
    const Place place = PlaceAt(entry.rect, dpi);
    SetWindowPos(controls_[index], nullptr, place.x, place.y, place.width, place.height, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(controls_[index], WM_SETFONT, reinterpret_cast<WPARAM>(fonts->For(entry.font)), FALSE);
  }
  if (tooltip_ != nullptr) FitToolTip(*fonts, dpi);
  fonts_ = std::move(fonts);  // the old fonts go only once no control uses them
  FitFrame(dpi);
  InvalidateRect(window_, nullptr, TRUE);
}

void Form1::FitFrame(UINT dpi) {
  const SIZE frame = FrameSize(dpi);
  SetWindowPos(window_, nullptr, 0, 0, frame.cx, frame.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Screen readers name an edit control after the label just before it in
// z-order; this one is never shown and carries the box's accessible name.
void Form1::AddAccessibleName(HWND box) {
  auto* instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window_, GWLP_HINSTANCE));
  const ControlSpec& entry = kFormControls[static_cast<std::size_t>(GetDlgCtrlID(box) - kFirstControlId)];
  HWND label = CreateWindowExW(0, L"STATIC", Widen(AccessibleName(entry)).c_str(), WS_CHILD | SS_NOPREFIX, 0, 0, 0, 0,
                               window_, nullptr, instance, nullptr);
  HWND above = GetWindow(box, GW_HWNDPREV);
  SetWindowPos(label, above != nullptr ? above : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Form1::AddToolTips() {
  auto* instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window_, GWLP_HINSTANCE));
  tooltip_ =
      CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr, instance, nullptr);
  SendMessageW(tooltip_, TTM_SETDELAYTIME, TTDT_AUTOPOP, kToolTipShownMs);
  FitToolTip(*fonts_, GetDpiForWindow(window_));
  const std::wstring operand_tip = Widen(kOperandToolTip);
  for (const CalcRow& row : kCalcRows) {
    for (int box : {row.a, row.b, row.c}) {
      TTTOOLINFOW tool = Tool(box, box == row.c ? L"" : operand_tip.c_str());
      tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
      SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    ShowDesignerAids(row);  // for results that came before the tooltips
  }
}

void Form1::FitToolTip(const Fonts& fonts, UINT dpi) {
  SendMessageW(tooltip_, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.For(ControlFont::kDefault)), FALSE);
  SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, MulDiv(kAidsWidthPx, static_cast<int>(dpi), 96));
}

TTTOOLINFOW Form1::Tool(int box, const wchar_t* text) const {
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = window_;
  tool.uId = reinterpret_cast<UINT_PTR>(Box(box));
  tool.lpszText = const_cast<wchar_t*>(text);
  return tool;
}

void Form1::OnCommand(int id, int code) {
  if (id < kFirstControlId || id >= kFirstControlId + static_cast<int>(kFormControls.size())) return;  // IDOK, IDCANCEL
  const auto index = static_cast<std::size_t>(id - kFirstControlId);
  const ControlSpec& entry = kFormControls[index];
  if (const ClickRoute* route = kRouteOfControl[index]; route != nullptr && code == BN_CLICKED) {
    RunRowAction(*route);
  } else if (entry.kind == ControlKind::kTextBox && code == EN_CHANGE) {
    // Aids follow the boxes they read, whoever changes them.
    for (const CalcRow* row : RowsReadingBox(BoxNumber(entry))) ShowDesignerAids(*row);
  }
}

void Form1::RunRowAction(const ClickRoute& route) {
  BoxFieldStore store(boxes_);
  auto failure = RunClickRoute(route, store, locale_);
  if (!failure) {
    if (route.action == RowAction::kEvaluate) {
      const int result_box = CalcRowNumbered(route.row).c;
      AnnounceResult(Box(result_box), ResultAnnouncement(route.row, store.Get(result_box)));
    }
    return;
  }
  ReportRunTimeError(window_, failure->error);
  if (failure->culprit != 0) {
    HWND culprit = Box(failure->culprit);
    SetForegroundWindow(window_);  // not every window manager hands it back
    SetFocus(culprit);
    SendMessageW(culprit, EM_SETSEL, 0, -1);
  }
}

void Form1::ShowDesignerAids(const CalcRow& row) {
  if (tooltip_ == nullptr) return;
  BoxFieldStore store(boxes_);
  const std::wstring aids = ToolTipText(DesignerAids(row, store, locale_));
  TTTOOLINFOW tool = Tool(row.c, aids.c_str());
  SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace ohmcalc
