// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NumberText.h"

#include <algorithm>
#include <cctype>

namespace drawlet {

std::string formatTwoDigits(int number) {
    std::string text = std::to_string(number);
    if (text.size() < 2) {
        text.insert(0, 2 - text.size(), '0');
    }
    return text;
}

int valueOfText(std::string_view text) {
    int value = 0;
    for (const char c : text) {
        if (std::isdigit(static_cast<unsigned char>(c)) == 0) {
            break;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

bool isBoxText(std::string_view text) {
    return text.size() <= 2 && std::all_of(text.begin(), text.end(), [](char c) {
               return std::isdigit(static_cast<unsigned char>(c)) != 0;
           });
}

std::string joinNumbers(const SortedList& list) {
    std::string line;
    line.reserve(list.count() * 3);
    for (const std::string& number : list.lines()) {
        line += number;
        line += ' ';
    }
    return line;
}

std::string countFirstCaption(int count, std::string_view text) {
    return std::to_string(count) + " - " + std::string(text);
}

std::string countLastCaption(std::string_view text, int count) {
    return std::string(text) + ' ' + std::to_string(count);
}

void removeRepeats(SortedList& list) {
    if (list.count() <= 1) {
        return;
    }
    for (std::size_t j = list.count(); j >= 2; --j) {
        if (valueOfText(list.at(j - 1)) == valueOfText(list.at(j - 2))) {
            list.removeAt(j - 1);
        }
    }
}

} // namespace drawlet
