// Installs, upgrades and removes ohmcalc.msi with the system's msiexec, in a
// fresh prefix, and checks what a user would find after each step.
// Usage: win32_installer_tests CURRENT.msi NEWER.msi OLDER.msi
#include <windows.h>
#include <gtest/gtest.h>
#include <shlobj.h>

#include <array>
#include <string>
#include <vector>

#include "tests/win32/app_driver.h"
#include "win32/utf16.h"
#include "window/form_controls.h"

namespace ohmcalc {

std::wstring g_current_msi, g_newer_msi, g_older_msi;  // set by main

namespace {

const std::wstring kPublisher = OHMCALC_PUBLISHER;

DWORD RunMsiexec(const std::wstring& arguments) {
  std::wstring command = L"msiexec.exe " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    return GetLastError();
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return code;
}

std::wstring Quoted(const std::wstring& path) { return L"\"" + path + L"\""; }

std::wstring Folder(int csidl) {
  wchar_t path[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
  return path;
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::wstring InstallDir() { return Folder(CSIDL_LOCAL_APPDATA) + L"\\Programs\\ohmcalc"; }
std::wstring InstalledExe() { return InstallDir() + L"\\ohmcalc.exe"; }
std::wstring Shortcut() { return Folder(CSIDL_PROGRAMS) + L"\\" + Widen(kFormTitle) + L".lnk"; }

std::wstring StringValue(HKEY key, const wchar_t* name) {
  wchar_t value[512] = {};
  DWORD size = sizeof value - sizeof(wchar_t);
  if (RegQueryValueExW(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size) != ERROR_SUCCESS) return {};
  return value;
}

DWORD DwordValue(HKEY key, const wchar_t* name) {
  DWORD value = 0, size = sizeof value;
  RegQueryValueExW(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size);
  return value;
}

struct InstalledApp {
  std::wstring version;
  std::wstring publisher;
  DWORD no_modify;
  DWORD no_repair;
};

// Every entry under "installed apps" named with our title, in both hives and
// both registry views: Windows lists per-user installs under HKCU, Wine
// under HKLM.
std::vector<InstalledApp> InstalledApps() {
  std::vector<InstalledApp> apps;
  const std::wstring title = Widen(kFormTitle);
  for (HKEY hive : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
    for (REGSAM view : {KEY_WOW64_64KEY, KEY_WOW64_32KEY}) {
      HKEY uninstall = nullptr;
      if (RegOpenKeyExW(hive, L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall", 0, KEY_READ | view,
                        &uninstall) != ERROR_SUCCESS) {
        continue;
      }
      wchar_t name[256];
      for (DWORD i = 0, length = 256;
           RegEnumKeyExW(uninstall, i, name, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
           ++i, length = 256) {
        HKEY entry = nullptr;
        if (RegOpenKeyExW(uninstall, name, 0, KEY_READ | view, &entry) != ERROR_SUCCESS) continue;
        if (StringValue(entry, L"DisplayName") == title) {
          apps.push_back({StringValue(entry, L"DisplayVersion"), StringValue(entry, L"Publisher"),
                          DwordValue(entry, L"NoModify"), DwordValue(entry, L"NoRepair")});
        }
        RegCloseKey(entry);
      }
      RegCloseKey(uninstall);
      if (hive == HKEY_CURRENT_USER) break;  // HKCU has one view
    }
  }
  return apps;
}

// Files and folders under `folder`, at any depth, whose name holds `part`.
std::vector<std::wstring> NamesHolding(const std::wstring& folder, const std::wstring& part) {
  std::vector<std::wstring> found;
  WIN32_FIND_DATAW entry;
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return found;
  do {
    std::wstring name = entry.cFileName;
    if (name == L"." || name == L"..") continue;
    std::wstring path = folder + L"\\" + name;
    if (name.find(part) != std::wstring::npos) found.push_back(path);
    if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
        (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
      for (auto& inner : NamesHolding(path, part)) found.push_back(inner);
    }
  } while (FindNextFileW(search, &entry));
  FindClose(search);
  return found;
}

bool OurRegistryKeyExists() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\ohmcalc", 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

void ExpectInstalled(const wchar_t* version) {
  EXPECT_TRUE(Exists(InstalledExe()));
  EXPECT_TRUE(Exists(Shortcut())) << "the Start-menu shortcut carries the window's title";
  auto apps = InstalledApps();
  ASSERT_EQ(apps.size(), 1u) << "one entry under installed apps";
  EXPECT_EQ(apps[0].version, version);
  EXPECT_EQ(apps[0].publisher, kPublisher);
  EXPECT_EQ(apps[0].no_modify, 1u);
  EXPECT_EQ(apps[0].no_repair, 1u);
}

// One user's story, in order: install, start, upgrade, refuse a downgrade, remove.
TEST(Installer, InstallsForTheUserWithoutAdministrator) {
  ASSERT_EQ(RunMsiexec(L"/i " + Quoted(g_current_msi) + L" /qn"), 0u);
  ExpectInstalled(OHMCALC_VERSION);
}

TEST(Installer, InstalledProgramShowsItsWindow) {
  AppDriver app(InstalledExe());
  EXPECT_TRUE(IsWindowVisible(app.form()));
  wchar_t caption[128] = {};
  GetWindowTextW(app.form(), caption, 128);
  EXPECT_EQ(caption, Widen(kFormTitle));
  EXPECT_EQ(app.Close(), 0u);
}

TEST(Installer, NewerVersionReplacesTheOlder) {
  ASSERT_EQ(RunMsiexec(L"/i " + Quoted(g_newer_msi) + L" /qn"), 0u);
  ExpectInstalled(OHMCALC_NEWER_VERSION);
}

TEST(Installer, OlderVersionIsRefused) {
  EXPECT_EQ(RunMsiexec(L"/i " + Quoted(g_older_msi) + L" /qn"), static_cast<DWORD>(ERROR_INSTALL_FAILURE));
  ExpectInstalled(OHMCALC_NEWER_VERSION);
}

TEST(Installer, UninstallLeavesNothingBehind) {
  ASSERT_EQ(RunMsiexec(L"/x " + Quoted(g_newer_msi) + L" /qn"), 0u);
  EXPECT_FALSE(Exists(InstalledExe()));
  EXPECT_FALSE(Exists(InstallDir()));
  EXPECT_FALSE(Exists(Shortcut()));
  EXPECT_TRUE(InstalledApps().empty());
  EXPECT_FALSE(OurRegistryKeyExists());
  for (const std::wstring& part : {std::wstring(L"ohmcalc"), Widen(kFormTitle)}) {
    EXPECT_TRUE(NamesHolding(Folder(CSIDL_PROFILE), part).empty()) << "left in the user's folders";
  }
}

}  // namespace
}  // namespace ohmcalc

int wmain(int argc, wchar_t** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (argc != 4) {
    fprintf(stderr, "usage: win32_installer_tests CURRENT.msi NEWER.msi OLDER.msi\n");
    return 2;
  }
  ohmcalc::g_current_msi = argv[1];
  ohmcalc::g_newer_msi = argv[2];
  ohmcalc::g_older_msi = argv[3];
  return RUN_ALL_TESTS();
}
