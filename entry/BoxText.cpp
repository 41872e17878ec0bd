// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BoxText.h"

#include "NumberText.h"

namespace drawlet {

std::int16_t filterDigitKey(std::int16_t keyAscii) {
    constexpr std::int16_t backspace = 8;
    const bool digit = keyAscii >= '0' && keyAscii <= '9';
    return (digit || keyAscii == backspace) ? keyAscii : std::int16_t{0};
}

bool acceptBoxText(TextBox& box, std::string_view text) {
    if (!isBoxText(text)) {
        return false;
    }
    box.text = text;
    return true;
}

} // namespace drawlet
