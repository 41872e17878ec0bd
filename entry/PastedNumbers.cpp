// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PastedNumbers.h"

namespace drawlet {
namespace {

// The no-break space a web page puts between numbers, in UTF-8.
constexpr std::string_view kNoBreakSpace = "\u00a0";

// The length of the separator at the start of `text`, 0 when it starts with none.
std::size_t separatorAt(std::string_view text) {
    switch (text.front()) {
    case ' ':
    case ',':
    case ';':
    case '\t':
    case '\r':
    case '\n':
        return 1;
    default:
        return text.starts_with(kNoBreakSpace) ? kNoBreakSpace.size() : 0;
    }
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::optional<std::string> pastedDigits(std::string_view text) {
    std::string digits;
    while (!text.empty()) {
        if (const std::size_t separator = separatorAt(text); separator > 0) {
            text.remove_prefix(separator);
            continue;
        }
        std::size_t run = 0;
        while (run < text.size() && isDigit(text[run])) {
            ++run;
        }
        if (run != 2) {
            return std::nullopt;
        }
        digits.append(text.substr(0, 2));
        text.remove_prefix(2);
    }
    if (digits.empty()) {
        return std::nullopt;
    }
    return digits;
}

} // namespace drawlet
