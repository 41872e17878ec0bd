// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The core speaks UTF-8; Windows' W functions speak UTF-16.

#include <string>

namespace drawlet::win32 {

std::wstring wide(const std::string& text);
std::string narrow(const std::wstring& text);

} // namespace drawlet::win32
