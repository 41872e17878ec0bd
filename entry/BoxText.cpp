// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BoxText.h"

#include "NumberText.h"

namespace drawlet {

bool passesKeyFilter(int keyAscii) {
    constexpr int backspace = 8;
    return (keyAscii >= '0' && keyAscii <= '9') || keyAscii == backspace;
}

bool acceptBoxText(TextBox& box, std::string_view text) {
    if (!isBoxText(text)) {
        return false;
    }
    box.text = text;
    return true;
}

} // namespace drawlet
