// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The view's writes applied to the standard controls, one message each. Nothing here reads the
// state or decides what changed: the view did.

#include "FormControls.h"
#include "FormView.h"

#include <vector>

namespace drawlet::win32 {

void applyWrites(FormControls& controls, const std::vector<view::Write>& writes);

// The piece that shows a caption the state writes.
HWND captionControl(const FormControls& controls, view::Caption caption);

} // namespace drawlet::win32
