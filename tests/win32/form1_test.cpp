// The Win32 window built in this process, where its fonts and tooltips can
// be read back directly.
#include "win32/form1.h"

#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include "win32/box_field_store.h"
#include "win32/utf16.h"
#include "window/control_names.h"

namespace ohmcalc {
namespace {

class Form1InProcess : public ::testing::Test {
 protected:
  void SetUp() override {
    form_ = Form1::Create(GetModuleHandleW(nullptr), NumberLocale{});
    ASSERT_NE(form_, nullptr);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  }
  void TearDown() override { DestroyWindow(form_); }

  HWND Control(const char* name) const { return GetDlgItem(form_, ControlId(name)); }

  std::wstring ToolTipOf(HWND box) const {
    HWND tooltip = nullptr;
    for (HWND window = FindWindowW(TOOLTIPS_CLASSW, nullptr); window != nullptr;
         window = FindWindowExW(nullptr, window, TOOLTIPS_CLASSW, nullptr)) {
      if (GetWindow(window, GW_OWNER) == form_) tooltip = window;
    }
    std::wstring text(4096, L'\0');
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = form_;
    tool.uId = reinterpret_cast<UINT_PTR>(box);
    tool.lpszText = text.data();
    SendMessageW(tooltip, TTM_GETTEXTW, text.size(), reinterpret_cast<LPARAM>(&tool));
    text.resize(wcslen(text.c_str()));
    return text;
  }

  HWND form_ = nullptr;
};

TEST_F(Form1InProcess, TheProgramIconIsTheWindowIcon) {
  EXPECT_NE(SendMessageW(form_, WM_GETICON, ICON_BIG, 0), 0);
  EXPECT_NE(SendMessageW(form_, WM_GETICON, ICON_SMALL, 0), 0);
}

TEST_F(Form1InProcess, FontsNamesAndLimits) {
  const int dpi = static_cast<int>(GetDpiForWindow(form_));
  for (const ControlSpec& entry : kFormControls) {
    SCOPED_TRACE(entry.name);
    HWND control = Control(entry.name);
    LOGFONTW font{};
    ASSERT_EQ(GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font),
              static_cast<int>(sizeof font));
    const bool song = entry.font != ControlFont::kDefault;
    EXPECT_EQ(std::wstring(font.lfFaceName), song ? L"SimSun" : L"Microsoft YaHei UI");
    EXPECT_EQ(font.lfCharSet, GB2312_CHARSET);
    EXPECT_EQ(font.lfWeight, FW_NORMAL);
    EXPECT_FALSE(font.lfItalic || font.lfUnderline || font.lfStrikeOut);
    const int points = entry.font == ControlFont::kSongSmall ? 1500 : song ? 1575 : 900;
    EXPECT_EQ(font.lfHeight, -MulDiv(points, dpi, 7200));
    if (entry.kind == ControlKind::kTextBox) {
      // A screen reader names an edit after the label just before it.
      HWND label = GetWindow(control, GW_HWNDPREV);
      EXPECT_FALSE(IsWindowVisible(label));
      EXPECT_EQ(WindowText(label), Widen(AccessibleName(entry)));
      EXPECT_EQ(SendMessageW(control, EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE) << "no length limit";
    }
  }
}

TEST_F(Form1InProcess, BoxesAndButtonsLieAboveEveryLabel) {
  bool label_seen = false;
  for (HWND child = GetWindow(form_, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    const int index = GetDlgCtrlID(child) - kFirstControlId;
    if (index < 0 || index >= static_cast<int>(kFormControls.size())) continue;  // hidden name labels
    const ControlKind kind = kFormControls[static_cast<std::size_t>(index)].kind;
    const bool label = kind == ControlKind::kLabel || kind == ControlKind::kBar;
    EXPECT_FALSE(label_seen && !label) << kFormControls[static_cast<std::size_t>(index)].name;
    label_seen = label_seen || label;
  }
}

// Wine never sends WM_DPICHANGED, so it is sent here. The frame keeps the
// system's DPI then, so only the controls are checked; a start at 144 DPI
// checks the client area end to end.
TEST_F(Form1InProcess, AMoveToAnotherDpiScalesPlacesAndFonts) {
  RECT suggested{0, 0, 1000, 800};
  SendMessageW(form_, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  RECT box{};
  GetWindowRect(Control("Text21"), &box);
  MapWindowPoints(nullptr, form_, reinterpret_cast<POINT*>(&box), 2);
  EXPECT_EQ(box.left, 708);  // 7080 twips
  EXPECT_EQ(box.top, 648);   // 6480 twips
  EXPECT_EQ(box.right - box.left, 242);
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Control("Text21"), WM_GETFONT, 0, 0)), sizeof font, &font);
  EXPECT_EQ(font.lfHeight, -30);  // 15 pt at 144 DPI
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Control("Text1"), WM_GETFONT, 0, 0)), sizeof font, &font);
  EXPECT_EQ(font.lfHeight, -32);  // 15.75 pt
}

TEST_F(Form1InProcess, ResultTooltipsCarryTheDesignerAids) {
  HWND a = Control("Text7");
  HWND c = Control("Text9");
  SetWindowTextW(a, L"10");
  SetWindowTextW(Control("Text8"), L"20m");
  SendMessageW(Control("Command8"), BM_CLICK, 0, 0);
  EXPECT_EQ(WindowText(c), L"500.");
  const std::wstring aids = ToolTipOf(c);
  EXPECT_EQ(aids.rfind(L"= 500 Ω\r\n", 0), 0u) << Narrow(aids);
  EXPECT_NE(aids.find(L"I = 19.6 mA，P = 196 mW"), std::wstring::npos) << Narrow(aids);
  EXPECT_EQ(ToolTipOf(a), Widen(kOperandToolTip));
  SendMessageW(Control("Command9"), BM_CLICK, 0, 0);
  EXPECT_EQ(ToolTipOf(c), L"");
}

TEST(BoxText, OddUtf16ArrivesAsUtf8ThatIsNoNumber) {
  EXPECT_EQ(Narrow(L"a\xD800"
                   L"b"),
            "a\xEF\xBF\xBD"
            "b");
  EXPECT_EQ(Narrow(L"\xDC00"
                   L"5"),
            "\xEF\xBF\xBD"
            "5");
  EXPECT_THROW(ParseNumber(Narrow(L"12\xD800")), RunTimeError);
  EXPECT_EQ(Widen(Narrow(L"电阻 Ω 4.7k")), L"电阻 Ω 4.7k");
  const std::wstring megabyte = L"1." + std::wstring((1u << 20) - 2, L'0');
  EXPECT_EQ(ParseNumber(Narrow(megabyte)), 1.0);
}

}  // namespace
}  // namespace ohmcalc
