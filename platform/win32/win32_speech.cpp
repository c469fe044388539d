// A screen reader hears of a change where the focus is not only when the
// program tells it, and never over the Morse: what a click handler changes is
// held until its send has been heard, and then told.
//
// All of it goes through Windows' own accessibility, loaded at run time, so
// that the program starts and works where a part is missing (a system before
// it, a stripped one, Wine); only the calls of USER32 are linked.
// - Names: Dynamic Annotation, oleacc's property services made through COM: a
//   name for a control, and a server that answers the spoken name of each line
//   of a list. The oleacc proxy reports them to MSAA readers, and UI
//   Automation's proxies to the others.
// - What a handler changed: where UI Automation raises notifications (Windows
//   10 1709 on), one from the control whose text changed, which Narrator
//   speaks, and NVDA too for any element that has a window. Elsewhere a polite
//   live region (Windows 8 on): a static control no bigger than nothing whose
//   text is what to tell; Narrator and NVDA speak the name of a control that
//   reports a live region change.
// - A new caption: a name change of the dialog, which MSAA readers follow for
//   a window's title; a refilled list: the focus on its first line.

#include "platform/win32/win32_speech.h"

#include <initguid.h>
#include <oleacc.h>

#include <map>
#include <utility>
#include <vector>

namespace korvane::win32 {
namespace {

// UI Automation's live setting, its polite value, and the notification's kind
// and processing: an action completed, every one told in full.
constexpr GUID kLiveSetting{
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr LONG kPolite = 1;
constexpr int kActionCompleted = 2;
constexpr int kImportantAll = 0;

using HostProviderFromHwnd = HRESULT(WINAPI*)(HWND, IUnknown**);
using RaiseNotificationEvent = HRESULT(WINAPI*)(IUnknown*, int, int, BSTR, BSTR);

// A function of a library loaded at run time, or nullptr where either is missing.
template <typename Function>
Function function_of(const char* library, const char* name) {
    const HMODULE module = LoadLibraryA(library);
    const FARPROC found = module ? GetProcAddress(module, name) : nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

// What this system offers, found at the first use.
struct Services {
    IAccPropServices* annotation = nullptr;
    decltype(&SysAllocString) alloc_string = nullptr;
    decltype(&SysFreeString) free_string = nullptr;
    HostProviderFromHwnd host_provider = nullptr;
    RaiseNotificationEvent raise_notification = nullptr;
};

IAccPropServices* make_annotation() {
    const auto initialize = function_of<decltype(&CoInitializeEx)>("ole32.dll", "CoInitializeEx");
    const auto create = function_of<decltype(&CoCreateInstance)>("ole32.dll", "CoCreateInstance");
    void* made = nullptr;
    if (!initialize || !create || FAILED(initialize(nullptr, COINIT_APARTMENTTHREADED)) ||
        FAILED(create(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                      &made))) {
        return nullptr;
    }
    return static_cast<IAccPropServices*>(made);
}

const Services& services() {
    static const Services found{
        make_annotation(),
        function_of<decltype(&SysAllocString)>("oleaut32.dll", "SysAllocString"),
        function_of<decltype(&SysFreeString)>("oleaut32.dll", "SysFreeString"),
        function_of<HostProviderFromHwnd>("uiautomationcore.dll", "UiaHostProviderFromHwnd"),
        function_of<RaiseNotificationEvent>("uiautomationcore.dll", "UiaRaiseNotificationEvent"),
    };
    return found;
}

std::wstring wide(const std::string& text) {
    std::wstring converted(text.size(), L'\0');
    converted.resize(static_cast<std::size_t>(
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), converted.data(),
                            static_cast<int>(converted.size()))));
    return converted;
}

// The spoken lines of each list; a line's item data is its place here plus one.
std::map<HWND, std::vector<std::wstring>>& spoken_lines() {
    static std::map<HWND, std::vector<std::wstring>> instance;
    return instance;
}

const std::wstring* spoken_line(HWND list, DWORD child) {
    const auto lines = spoken_lines().find(list);
    const LRESULT slot =
        child == CHILDID_SELF ? 0 : SendMessageA(list, LB_GETITEMDATA, child - 1, 0);
    if (lines == spoken_lines().end() || slot <= 0 ||
        static_cast<std::size_t>(slot) > lines->second.size()) {
        return nullptr;
    }
    return &lines->second[static_cast<std::size_t>(slot) - 1];
}

// Answers a screen reader's question for the name of a list's line, which
// oleacc passes on from the reader's process; one for the whole program.
class LineNames final : public IAccPropServer {
  public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        *object = iid == IID_IUnknown || iid == IID_IAccPropServer ? this : nullptr;
        return *object ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE GetPropValue(const BYTE* identity, DWORD length, MSAAPROPID,
                                           VARIANT* value, BOOL* has_value) override {
        value->vt = VT_EMPTY;
        *has_value = FALSE;
        HWND list = nullptr;
        DWORD object = 0, child = 0;
        const Services& found = services();
        if (SUCCEEDED(found.annotation->DecomposeHwndIdentityString(identity, length, &list,
                                                                    &object, &child))) {
            if (const std::wstring* spoken = spoken_line(list, child);
                spoken && found.alloc_string) {
                value->bstrVal = found.alloc_string(spoken->c_str());
                value->vt = value->bstrVal ? VT_BSTR : VT_EMPTY;
                *has_value = value->bstrVal != nullptr;
            }
        }
        return S_OK;
    }
};

// The live region of a dialog, made at its first use, after every control,
// so that it labels none; it shows nothing and takes no access key.
std::map<HWND, HWND>& notices() {
    static std::map<HWND, HWND> instance;
    return instance;
}

HWND notice_of(HWND dialog) {
    HWND& notice = notices()[dialog];
    if (!notice) {
        notice = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_NOPREFIX, 0, 0, 0, 0,
                                 dialog, nullptr, GetModuleHandleA(nullptr), nullptr);
        if (IAccPropServices* annotation = services().annotation) {
            VARIANT polite{};
            polite.vt = VT_I4;
            polite.lVal = kPolite;
            annotation->SetHwndProp(notice, OBJID_CLIENT, CHILDID_SELF, kLiveSetting, polite);
        }
    }
    return notice;
}

bool notified(HWND control, const std::wstring& text) {
    const Services& found = services();
    IUnknown* provider = nullptr;
    if (!found.raise_notification || !found.host_provider || !found.alloc_string ||
        FAILED(found.host_provider(control, &provider))) {
        return false;
    }
    BSTR said = found.alloc_string(text.c_str());
    BSTR activity = found.alloc_string(L"korvane.changed");
    const HRESULT raised =
        found.raise_notification(provider, kActionCompleted, kImportantAll, said, activity);
    found.free_string(said);
    found.free_string(activity);
    provider->Release();
    return SUCCEEDED(raised);
}

void tell(HWND control, const std::wstring& text) {
    if (!notified(control, text)) {
        const HWND notice = notice_of(GetParent(control));
        SetWindowTextW(notice, text.c_str());
        NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, notice, OBJID_CLIENT, CHILDID_SELF);
    }
}

// The texts one after another, each runs of spaces and line breaks said as one space.
std::wstring said_as(const std::vector<std::string>& texts) {
    std::string all;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        all += (i > 0 ? ". " : "") + texts[i];
    }
    std::wstring said;
    for (const wchar_t ch : wide(all)) {
        const bool space = ch == L' ' || ch == L'\r' || ch == L'\n' || ch == L'\t';
        if (!space) {
            said.push_back(ch);
        } else if (!said.empty() && said.back() != L' ') {
            said.push_back(L' ');
        }
    }
    if (!said.empty() && said.back() == L' ') {
        said.pop_back();
    }
    return said;
}

struct Held {
    bool holding = false;
    HWND control = nullptr;  // the first control whose text changed
    std::vector<std::string> texts;
    HWND captioned = nullptr;
    std::vector<HWND> lists;
};

Held& held() {
    static Held instance;
    return instance;
}

}  // namespace

void name_control(HWND control, const std::string& name) {
    if (IAccPropServices* annotation = services().annotation) {
        std::wstring text = wide(name);
        annotation->SetHwndPropStr(control, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_NAME,
                                   text.data());
    }
}

void speak_line_as(HWND list, LRESULT index, const std::string& spoken) {
    static LineNames server;
    IAccPropServices* annotation = services().annotation;
    if (!annotation || index < 0) {
        return;
    }
    const auto [lines, first] = spoken_lines().try_emplace(list);
    if (first) {
        MSAAPROPID name = PROPID_ACC_NAME;
        annotation->SetHwndPropServer(list, OBJID_CLIENT, CHILDID_SELF, &name, 1, &server,
                                      ANNO_CONTAINER);
    }
    lines->second.push_back(wide(spoken));
    SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(index),
                 static_cast<LPARAM>(lines->second.size()));
}

void forget_lines(HWND list) {
    if (const auto lines = spoken_lines().find(list); lines != spoken_lines().end()) {
        lines->second.clear();
    }
}

void forget_dialog(HWND dialog) {
    std::erase_if(spoken_lines(), [=](const auto& lines) { return IsChild(dialog, lines.first); });
    notices().erase(dialog);
}

void hold_speech() {
    held().holding = true;
}

void speak_after_send(HWND control, const std::string& text) {
    if (held().holding) {
        held().control = held().control ? held().control : control;
        held().texts.push_back(text);
    }
}

void caption_after_send(HWND dialog) {
    if (held().holding) {
        held().captioned = dialog;
    }
}

void refocus_after_send(HWND list) {
    if (held().holding) {
        held().lists.push_back(list);
    }
}

// The caption comes first, then the line that has the focus, then the texts.
void release_speech() {
    const Held now = std::exchange(held(), {});
    if (now.captioned) {
        NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, now.captioned, OBJID_WINDOW, CHILDID_SELF);
    }
    for (const HWND list : now.lists) {
        if (SendMessageA(list, LB_GETCOUNT, 0, 0) > 0) {
            SendMessageA(list, LB_SETCARETINDEX, 0, FALSE);
            if (GetFocus() == list) {
                NotifyWinEvent(EVENT_OBJECT_FOCUS, list, OBJID_CLIENT, 1);
            }
        }
    }
    if (!now.texts.empty()) {
        tell(now.control, said_as(now.texts));
    }
}

}  // namespace korvane::win32
