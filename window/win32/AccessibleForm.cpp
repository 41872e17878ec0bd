// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AccessibleForm.h"

#include "Controls.h"
#include "FormView.h"
#include "FormWrites.h"
#include "Wide.h"

#include <initguid.h>
#include <oleacc.h>

namespace drawlet::win32 {
namespace {

// mingw's oleacc exports these GUIDs as data of a DLL we do not link; they are constants.
constexpr CLSID kAccPropServices = {
    0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr IID kIAccPropServices = {
    0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
constexpr GUID kAccName = {
    0x608d3df8, 0x8128, 0x4aa7, {0xa4, 0x28, 0xf5, 0x5e, 0x49, 0x26, 0x72, 0x91}};
constexpr GUID kAccValue = {
    0x123fe443, 0x211a, 0x4615, {0x95, 0x27, 0xc4, 0x5a, 0x7e, 0x93, 0x71, 0x7a}};

template <typename Function>
Function lookUp(const wchar_t* library, const char* name) {
    HMODULE module = LoadLibraryW(library);
    return module == nullptr
               ? nullptr
               : reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

std::string windowText(HWND control) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return narrow(text);
}

// A result line is named by its frame's caption, as an unnamed label in a group box is.
void nameLines(const FormControls& c, std::map<HWND, std::string>& names, const auto& setName) {
    for (const auto& [line, frame] : {std::pair{ControlId::Label3, view::Caption::Frame1},
                                      std::pair{ControlId::Label5, view::Caption::Frame3}}) {
        HWND control = controlFor(c, {line, 0});
        const std::string name = windowText(captionControl(c, frame));
        if (names[control] != name) {
            setName(control, name);
        }
    }
}

} // namespace

AccessibleForm::~AccessibleForm() {
    if (services_ != nullptr) {
        services_->Release();
    }
}

void AccessibleForm::requested(const FormControls& c, const SelectorState& state) {
    if (tried_) {
        return;
    }
    tried_ = true;
    using CoInitializeExFn = HRESULT(WINAPI*)(void*, DWORD);
    using CoCreateInstanceFn = HRESULT(WINAPI*)(REFCLSID, IUnknown*, DWORD, REFIID, void**);
    const auto coInitializeEx = lookUp<CoInitializeExFn>(L"ole32.dll", "CoInitializeEx");
    const auto coCreateInstance = lookUp<CoCreateInstanceFn>(L"ole32.dll", "CoCreateInstance");
    if (coInitializeEx == nullptr || coCreateInstance == nullptr ||
        FAILED(coInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) ||
        FAILED(coCreateInstance(kAccPropServices, nullptr, CLSCTX_INPROC_SERVER, kIAccPropServices,
                                reinterpret_cast<void**>(&services_)))) {
        services_ = nullptr;
        return;
    }
    const auto pieces = view::formPieces();
    for (std::size_t row = 0; row < pieces.size(); ++row) {
        if (!pieces[row].readsAs.empty()) {
            setName(c.pieces[row], pieces[row].readsAs);
        }
    }
    rendered(c, state);
}

void AccessibleForm::rendered(const FormControls& c, const SelectorState& state) {
    if (services_ == nullptr) {
        return;
    }
    nameLines(c, names_, [this](HWND control, const std::string& name) { setName(control, name); });
    for (const ControlId slider : {ControlId::HScroll2, ControlId::HScroll1, ControlId::HScroll3}) {
        const ScrollBar& bar = state.*(controlRow(slider)->bar);
        setValue(controlFor(c, {slider, 0}),
                 std::to_string(view::sliderReadsAs(state, slider, bar.value)));
    }
}

void AccessibleForm::setName(HWND control, const std::string& name) {
    names_[control] = name;
    const std::wstring text = wide(name);
    services_->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, kAccName,
                              text.c_str());
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, control, OBJID_CLIENT, CHILDID_SELF);
}

// A slider's value is announced as its caption shows it; only a changed one is told.
void AccessibleForm::setValue(HWND control, const std::string& value) {
    std::string& shown = values_[control];
    if (shown == value) {
        return;
    }
    const bool first = shown.empty();
    shown = value;
    const std::wstring text = wide(value);
    services_->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, kAccValue,
                              text.c_str());
    if (!first) {
        NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, control, OBJID_CLIENT, CHILDID_SELF);
    }
}

void AccessibleForm::announce(HWND form, const std::string& sentence) {
    // UI Automation's notification, Windows 10 1709 and later.
    using HostProviderFn = HRESULT(WINAPI*)(HWND, IUnknown**);
    using RaiseNotificationFn = HRESULT(WINAPI*)(IUnknown*, int, int, BSTR, BSTR);
    using SysAllocStringFn = BSTR(WINAPI*)(const OLECHAR*);
    using SysFreeStringFn = void(WINAPI*)(BSTR);
    static const auto hostProvider =
        lookUp<HostProviderFn>(L"uiautomationcore.dll", "UiaHostProviderFromHwnd");
    static const auto raise =
        lookUp<RaiseNotificationFn>(L"uiautomationcore.dll", "UiaRaiseNotificationEvent");
    static const auto allocString = lookUp<SysAllocStringFn>(L"oleaut32.dll", "SysAllocString");
    static const auto freeString = lookUp<SysFreeStringFn>(L"oleaut32.dll", "SysFreeString");
    if (hostProvider == nullptr || raise == nullptr || allocString == nullptr ||
        freeString == nullptr) {
        return;
    }
    IUnknown* provider = nullptr;
    if (FAILED(hostProvider(form, &provider)) || provider == nullptr) {
        return;
    }
    constexpr int kActionCompleted = 2; // NotificationKind_ActionCompleted
    constexpr int kMostRecent = 3;      // NotificationProcessing_MostRecent: a newer result wins
    BSTR text = allocString(wide(sentence).c_str());
    BSTR activity = allocString(L"DrawletResults");
    raise(provider, kActionCompleted, kMostRecent, text, activity);
    freeString(activity);
    freeString(text);
    provider->Release();
}

} // namespace drawlet::win32
