// Drives the real ohmcalc.exe under Wine (or Windows) from outside.
// Usage: win32_end_to_end PATH\TO\ohmcalc.exe [gtest flags]
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/calc_rows.h"
#include "tests/win32/app_driver.h"
#include "tests/window/error_cases.h"
#include "tests/window/row_cases.h"
#include "win32/form1.h"
#include "win32/utf16.h"
#include "window/click_routes.h"
#include "window/control_names.h"
#include "window/form_controls.h"
#include "window/report_wording.h"
#include "window/tab_order.h"

namespace ohmcalc {

std::wstring g_exe;  // set by main

namespace {

std::wstring W(const char* utf8) { return Widen(utf8); }

int Scaled(int twips, UINT dpi) { return MulDiv(twips, static_cast<int>(dpi), 1440); }

RECT ClientRectOf(HWND control, HWND form) {
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

class Form1EndToEnd : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { app_ = std::make_unique<AppDriver>(g_exe); }
  static void TearDownTestSuite() {
    EXPECT_EQ(app_->Close(), 0u) << "the program ends cleanly when its window is closed";
    app_.reset();
  }

  std::vector<std::wstring> AllBoxes() const {
    std::vector<std::wstring> texts;
    for (int box = 1; box <= 21; ++box) texts.push_back(app_->BoxText(box));
    return texts;
  }

  static std::unique_ptr<AppDriver> app_;
};
std::unique_ptr<AppDriver> Form1EndToEnd::app_;

TEST_F(Form1EndToEnd, WindowAndEveryControlAsTheTableHasThem) {
  HWND form = app_->form();
  const UINT dpi = GetDpiForWindow(form);
  EXPECT_EQ(app_->Text(form), W(kFormTitle));
  RECT client{};
  GetClientRect(form, &client);
  EXPECT_EQ(client.right, Scaled(kClientWidthTwips, dpi));
  EXPECT_EQ(client.bottom, Scaled(kClientHeightTwips, dpi));

  for (const ControlSpec& entry : kFormControls) {
    SCOPED_TRACE(entry.name);
    HWND control = app_->Control(entry.name);
    ASSERT_NE(control, nullptr);
    const wchar_t* expected_class = entry.kind == ControlKind::kTextBox  ? L"Edit"
                                    : entry.kind == ControlKind::kButton ? L"Button"
                                                                         : L"Static";
    EXPECT_EQ(_wcsicmp(ClassOf(control).c_str(), expected_class), 0) << Narrow(ClassOf(control));
    RECT rect = ClientRectOf(control, form);
    EXPECT_EQ(rect.left, Scaled(entry.rect.left, dpi));
    EXPECT_EQ(rect.top, Scaled(entry.rect.top, dpi));
    EXPECT_EQ(rect.right - rect.left, Scaled(entry.rect.width, dpi));
    EXPECT_EQ(rect.bottom - rect.top, Scaled(entry.rect.height, dpi));
    EXPECT_EQ(app_->Text(control), W(entry.caption));

    if (entry.kind == ControlKind::kTextBox) {
      EXPECT_FALSE(IsWindowVisible(GetWindow(control, GW_HWNDPREV))) << "its hidden name label";
    }
  }
}

TEST_F(Form1EndToEnd, TabWalksTheTabIndexOrderBothWays) {
  std::vector<HWND> expected;
  for (std::size_t index : kTabOrder) expected.push_back(app_->Control(kFormControls[index].name));
  EXPECT_EQ(app_->Focus(), app_->Box(1)) << "focus starts in Text1";
  for (std::size_t i = 0; i < expected.size(); ++i) {
    HWND next = expected[(i + 1) % expected.size()];
    EXPECT_EQ(GetNextDlgTabItem(app_->form(), expected[i], FALSE), next) << i;
    EXPECT_EQ(GetNextDlgTabItem(app_->form(), next, TRUE), expected[i]) << i;
  }
  // Real Tab presses, through the program's own loop.
  for (std::size_t i = 1; i <= 4; ++i) {
    app_->PressKey(VK_TAB);
    EXPECT_EQ(app_->Focus(), expected[i]);
  }
}

TEST_F(Form1EndToEnd, EveryKindOfRowComputesAndClears) {
  for (const RowCase& row_case : kRowCases) {
    SCOPED_TRACE(std::to_string(row_case.row) + ": " + row_case.a_text + ", " + row_case.b_text);
    const CalcRow& row = CalcRowNumbered(row_case.row);
    app_->SetBox(row.a, W(row_case.a_text));
    app_->SetBox(row.b, W(row_case.b_text));
    EXPECT_FALSE(app_->Click(EvaluateRouteOfRow(row_case.row).button));
    EXPECT_EQ(app_->BoxText(row.c), W(row_case.c_text));
  }
  std::vector<std::wstring> before = AllBoxes();
  EXPECT_FALSE(app_->Click("Command9"));
  for (int box = 1; box <= 21; ++box) {
    EXPECT_EQ(app_->BoxText(box), box >= 7 && box <= 9 ? L"" : before[static_cast<std::size_t>(box - 1)]);
  }
  for (const char* operator_button : {"Command3", "Command4", "Command22"}) {
    EXPECT_FALSE(app_->Click(operator_button));
    EXPECT_EQ(app_->Focus(), app_->Control(operator_button)) << "the click only moves the focus";
  }
  EXPECT_EQ(AllBoxes()[0], before[0]);
}

// A case of the shared table, or one only UTF-16 text can hold.
struct BadInput {
  int row;
  std::wstring a_text;
  std::wstring b_text;
  int number;
  int culprit;
};

TEST_F(Form1EndToEnd, ErrorsAreReportedThenEveryBoxIsAsItWas) {
  std::vector<BadInput> cases;
  for (const ErrorCase& error : kErrorCases) {
    cases.push_back({error.row, W(error.a_text), W(error.b_text), error.number, CulpritBox(error)});
  }
  cases.push_back({1, L"12\xD800", L"3", 13, 1});  // a lone surrogate
  for (const BadInput& bad : cases) {
    SCOPED_TRACE("row " + std::to_string(bad.row) + " error " + std::to_string(bad.number) + ": " + Narrow(bad.a_text) +
                 ", " + Narrow(bad.b_text));
    const CalcRow& row = CalcRowNumbered(bad.row);
    for (int box = 1; box <= 21; ++box) app_->SetBox(box, L"kept " + std::to_wstring(box));
    app_->SetBox(row.a, bad.a_text);
    app_->SetBox(row.b, bad.b_text);
    std::vector<std::wstring> before = AllBoxes();
    bool reported = app_->Click(EvaluateRouteOfRow(bad.row).button, [&](HWND report) {
      EXPECT_EQ(GetWindow(report, GW_OWNER), app_->form());
      EXPECT_EQ(app_->Text(report), W(kFormTitle));
      EXPECT_EQ(app_->Text(GetDlgItem(report, 0xFFFF)), Widen(ReportText(bad.number)));
      EXPECT_EQ(app_->Text(GetDlgItem(report, IDOK)), L"确定");
      app_->PressKey(VK_RETURN);
    });
    EXPECT_TRUE(reported);
    EXPECT_EQ(AllBoxes(), before);
    HWND culprit = app_->Box(bad.culprit);
    EXPECT_EQ(app_->WaitForFocus(culprit), culprit);
    auto selection = static_cast<DWORD>(SendMessageW(culprit, EM_GETSEL, 0, 0));
    EXPECT_EQ(LOWORD(selection), 0);
    EXPECT_EQ(HIWORD(selection), app_->BoxText(bad.culprit).size());
  }
}

TEST_F(Form1EndToEnd, EnterAndEscapeInABoxPressNothing) {
  for (int box = 1; box <= 21; ++box) app_->SetBox(box, L"7");
  std::vector<std::wstring> before = AllBoxes();
  SendMessageW(app_->form(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(app_->Box(5)), TRUE);
  for (UINT key : {VK_RETURN, VK_ESCAPE}) app_->PressKey(key);
  EXPECT_EQ(AllBoxes(), before);
  EXPECT_TRUE(IsWindowVisible(app_->form()));
}

bool UnderWine() { return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr; }

TEST_F(Form1EndToEnd, AMegabytePastedStaysWholeAndComputes) {
  // Wine's edit control takes time quadratic in the length of its line
  // (3 s for 64 KiB, 13 s for 128 KiB); Windows' does not. Under Wine the
  // paste is 64 KiB, still twice the default limit.
  const std::size_t length = UnderWine() ? 1u << 16 : 1u << 20;
  const std::wstring operand = L"1." + std::wstring(length - 2, L'0');
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (length + 1) * sizeof(wchar_t));
  memcpy(GlobalLock(memory), operand.c_str(), (length + 1) * sizeof(wchar_t));
  GlobalUnlock(memory);
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();

  app_->SetBox(4, L"");
  EXPECT_EQ(app_->Paste(app_->Box(4)), length);
  app_->SetBox(5, L"4");
  EXPECT_FALSE(app_->Click("Command5"));
  EXPECT_EQ(app_->BoxText(6), L"0.25");
}

TEST_F(Form1EndToEnd, EveryBoxHasATooltip) {
  HWND tooltip = nullptr;
  for (HWND window = FindWindowW(L"tooltips_class32", nullptr); window != nullptr;
       window = FindWindowExW(nullptr, window, L"tooltips_class32", nullptr)) {
    if (GetWindow(window, GW_OWNER) == app_->form()) tooltip = window;
  }
  ASSERT_NE(tooltip, nullptr);
  EXPECT_EQ(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), 21);
}

// Registered with a German locale: the user's decimal separator is a comma.
TEST(CommaLocale, TenDividedByFourIsTwoCommaFive) {
  AppDriver app(g_exe);
  app.SetBox(4, L"10");
  app.SetBox(5, L"4");
  EXPECT_FALSE(app.Click("Command5"));
  EXPECT_EQ(app.BoxText(6), L"2,5");
  EXPECT_EQ(app.Close(), 0u);
}

// Registered with a copy of the program beside the recording
// uiautomationcore.dll (uia_recorder.cpp), which Wine loads in place of its own.
TEST(ResultNotification, OneForAResultNoneForAClearOrAReport) {
  wchar_t folder[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, folder);
  const std::wstring record = folder + std::wstring(L"ohmcalc-uia-") + std::to_wstring(GetCurrentProcessId());
  auto recorded = [&record] {
    std::string text;
    HANDLE file = CreateFileW(record.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return text;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read != 0) text.append(buffer, read);
    CloseHandle(file);
    return text;
  };
  ASSERT_TRUE(SetEnvironmentVariableW(L"OHMCALC_UIA_RECORD", record.c_str()));
  ASSERT_TRUE(SetEnvironmentVariableW(L"WINEDLLOVERRIDES", L"mscoree,mshtml=;uiautomationcore=n"));
  AppDriver app(g_exe);
  app.SetBox(4, L"10");
  app.SetBox(5, L"4");
  EXPECT_FALSE(app.Click("Command5"));
  // Result box, NotificationKind_ActionCompleted, NotificationProcessing_MostRecent, words.
  const std::string result = std::to_string(ControlId("Text6")) + " 2 3 " + ResultAnnouncement(2, "2.5") + "\n";
  EXPECT_EQ(recorded(), result);
  EXPECT_FALSE(app.Click("Command6"));
  app.SetBox(4, L"x");
  EXPECT_TRUE(app.Click("Command5", [&](HWND) { app.PressKey(VK_RETURN); }));
  EXPECT_EQ(recorded(), result) << "nothing for a clear or a report";
  EXPECT_EQ(app.Close(), 0u);
  DeleteFileW(record.c_str());
}

// Sets the display to 144 DPI for one start of the program. Fonts cannot be
// read from another process; the in-process tests check their scaling.
class HighDpi : public ::testing::Test {
 protected:
  void SetUp() override { Write(144); }
  void TearDown() override { Write(96); }
  static void Write(DWORD dpi) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                              nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExW(key, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof dpi),
              ERROR_SUCCESS);
    RegCloseKey(key);
  }
};

TEST_F(HighDpi, PlacesAndFontsScale) {
  AppDriver app(g_exe);
  RECT client{};
  GetClientRect(app.form(), &client);
  EXPECT_EQ(client.right, 1053);
  EXPECT_EQ(client.bottom, 714);
  RECT box = ClientRectOf(app.Box(7), app.form());
  EXPECT_EQ(box.left, 36);
  EXPECT_EQ(box.top, 228);
  EXPECT_EQ(app.Close(), 0u);
}

TEST(ProgramFile, CarriesVersionIconAndManifest) {
  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeW(g_exe.c_str(), &ignored);
  ASSERT_GT(size, 0u);
  std::vector<char> block(size);
  ASSERT_TRUE(GetFileVersionInfoW(g_exe.c_str(), 0, size, block.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  const DWORD major_minor = (OHMCALC_VERSION_MAJOR << 16) | OHMCALC_VERSION_MINOR;
  EXPECT_EQ(fixed->dwFileVersionMS, major_minor);
  EXPECT_EQ(fixed->dwFileVersionLS, DWORD{OHMCALC_VERSION_PATCH} << 16);
  EXPECT_EQ(fixed->dwProductVersionMS, major_minor);
  WORD* translation = nullptr;
  ASSERT_TRUE(
      VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length));
  EXPECT_EQ(translation[0], 0x0804);
  EXPECT_EQ(translation[1], 1200);
  for (const wchar_t* key :
       {L"\\StringFileInfo\\080404B0\\FileVersion", L"\\StringFileInfo\\080404B0\\ProductVersion"}) {
    wchar_t* text = nullptr;
    ASSERT_TRUE(VerQueryValueW(block.data(), key, reinterpret_cast<void**>(&text), &length));
    EXPECT_EQ(std::wstring(text), OHMCALC_RELEASE);  // "1.00" for 1.0.0
  }

  HMODULE image = LoadLibraryExW(g_exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(image, nullptr);
  HRSRC manifest = FindResourceW(image, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
  ASSERT_NE(manifest, nullptr);
  std::string xml(static_cast<const char*>(LockResource(LoadResource(image, manifest))),
                  SizeofResource(image, manifest));
  EXPECT_NE(xml.find("Microsoft.Windows.Common-Controls"), std::string::npos);
  EXPECT_NE(xml.find("PerMonitorV2"), std::string::npos);
  EXPECT_NE(xml.find("name=\"ohmcalc\" version=\"" + Narrow(OHMCALC_VERSION) + ".0\""), std::string::npos);
  HRSRC icon = FindResourceW(image, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
  ASSERT_NE(icon, nullptr);
  const auto* directory = static_cast<const WORD*>(LockResource(LoadResource(image, icon)));
  EXPECT_EQ(directory[2], 4) << "16, 32, 48 and 256 pixels";
  FreeLibrary(image);
}

}  // namespace
}  // namespace ohmcalc

int wmain(int argc, wchar_t** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc < 2) {
    fputws(L"usage: win32_end_to_end PATH\\TO\\ohmcalc.exe [gtest flags]\n", stderr);
    return 2;
  }
  ohmcalc::g_exe = argv[1];
  for (wchar_t& c : ohmcalc::g_exe) {
    if (c == L'/') c = L'\\';
  }
  return RUN_ALL_TESTS();
}
