// Stands in for uiautomationcore.dll (WINEDLLOVERRIDES=uiautomationcore=n,
// beside the program): each UiaRaiseNotificationEvent appends a line
// "control-id kind processing text" (UTF-8) to the file named by
// OHMCALC_UIA_RECORD.
#include <windows.h>

#include <string>

namespace {

// The provider of one window: just enough of a COM object to be released.
class Provider : public IUnknown {
 public:
  explicit Provider(HWND window) : window_(window) {}
  HWND window() const { return window_; }
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** object) override {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

 private:
  virtual ~Provider() = default;
  HWND window_;
  ULONG references_ = 1;
};

std::string Utf8(const wchar_t* text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
  out.pop_back();
  return out;
}

}  // namespace

extern "C" __declspec(dllexport) HRESULT WINAPI UiaHostProviderFromHwnd(HWND window, IUnknown** provider) {
  *provider = new Provider(window);
  return S_OK;
}

extern "C" __declspec(dllexport) HRESULT WINAPI
    UiaRaiseNotificationEvent(IUnknown* provider, int kind, int processing, BSTR text, BSTR) {
  wchar_t path[MAX_PATH];
  if (GetEnvironmentVariableW(L"OHMCALC_UIA_RECORD", path, MAX_PATH) == 0) return E_FAIL;
  const std::string line = std::to_string(GetDlgCtrlID(static_cast<Provider*>(provider)->window())) + " " +
                           std::to_string(kind) + " " + std::to_string(processing) + " " + Utf8(text) + "\n";
  HANDLE file =
      CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return E_FAIL;
  DWORD written = 0;
  WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(file);
  return S_OK;
}
