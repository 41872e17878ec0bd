// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What Windows screen readers hear beyond what the standard controls tell them: the accessible
// name of each box, slider and result line (the names they have on Linux), the value a slider
// reads as (its caption's number), and the results that change away from the focus, raised as
// UI Automation notifications.
//
// Nothing of it is loaded until a client asks the window for an accessible object
// (WM_GETOBJECT): COM, oleacc and UI Automation are looked up then, so a start-up with no screen
// reader costs nothing. Names go on the controls as oleacc's dynamic annotations, which the
// standard proxies of both MSAA and UI Automation read. Where UI Automation has no notifications
// (before Windows 10 1709, or under Wine) nothing is raised.

#include "FormControls.h"
#include "SelectorState.h"

#include <map>
#include <string>

struct IAccPropServices;

namespace drawlet::win32 {

class AccessibleForm {
public:
    AccessibleForm() = default;
    AccessibleForm(const AccessibleForm&) = delete;
    AccessibleForm& operator=(const AccessibleForm&) = delete;
    ~AccessibleForm();

    // A client asked for an object of the window: from now on it is told.
    void requested(const FormControls& controls, const SelectorState& state);
    bool listening() const { return services_ != nullptr; }

    // After a render: names and values that follow the state.
    void rendered(const FormControls& controls, const SelectorState& state);

    // One sentence about the results, where the system can raise it.
    void announce(HWND form, const std::string& sentence);

private:
    void setName(HWND control, const std::string& name);
    void setValue(HWND control, const std::string& value);

    IAccPropServices* services_ = nullptr;
    bool tried_ = false;
    std::map<HWND, std::string> names_;
    std::map<HWND, std::string> values_;
};

} // namespace drawlet::win32
