#include "win32/screen_reader.h"

#include "win32/utf16.h"

namespace ohmcalc {
namespace {

// From the Windows SDK's UIAutomationCore.h, which mingw-w64 lacks.
constexpr int kNotificationKindActionCompleted = 2;
constexpr int kNotificationProcessingMostRecent = 3;

using HostProviderFromHwnd = HRESULT(WINAPI*)(HWND, IUnknown**);
using RaiseNotificationEvent = HRESULT(WINAPI*)(IUnknown*, int, int, BSTR, BSTR);
using AllocString = BSTR(WINAPI*)(const OLECHAR*);
using FreeString = void(WINAPI*)(BSTR);

struct Uia {
  HostProviderFromHwnd host_provider_from_hwnd = nullptr;
  RaiseNotificationEvent raise_notification_event = nullptr;
  AllocString alloc_string = nullptr;
  FreeString free_string = nullptr;
};

template <typename Function>
Function Find(HMODULE module, const char* name) {
  if (module == nullptr) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// Looked up at the first use rather than imported: no import library has
// them, some systems lack them, and start-up loads neither DLL.
const Uia* Functions() {
  static const Uia uia = [] {
    HMODULE core = LoadLibraryW(L"uiautomationcore.dll");
    HMODULE strings = LoadLibraryW(L"oleaut32.dll");
    return Uia{Find<HostProviderFromHwnd>(core, "UiaHostProviderFromHwnd"),
               Find<RaiseNotificationEvent>(core, "UiaRaiseNotificationEvent"),
               Find<AllocString>(strings, "SysAllocString"), Find<FreeString>(strings, "SysFreeString")};
  }();
  const bool complete =
      uia.host_provider_from_hwnd && uia.raise_notification_event && uia.alloc_string && uia.free_string;
  return complete ? &uia : nullptr;
}

}  // namespace

void AnnounceResult(HWND result_box, std::string_view text) {
  const Uia* uia = Functions();
  if (uia == nullptr) return;
  IUnknown* provider = nullptr;
  if (FAILED(uia->host_provider_from_hwnd(result_box, &provider)) || provider == nullptr) return;
  BSTR display = uia->alloc_string(Widen(text).c_str());
  BSTR activity = uia->alloc_string(L"ohmcalc.result");
  uia->raise_notification_event(provider, kNotificationKindActionCompleted, kNotificationProcessingMostRecent, display,
                                activity);
  uia->free_string(activity);
  uia->free_string(display);
  provider->Release();
}

}  // namespace ohmcalc
