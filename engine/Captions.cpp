// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Captions.h"

#include "NumberText.h"

namespace drawlet {

std::string combinationsCaption(int count) {
    return countLastCaption("Combinations -", count);
}

std::string quantityCaption(int quantity) {
    return countLastCaption("Quantity of Combination Numbers to Pick -", quantity);
}

std::string pickSizeCaption(int pickSize) {
    return countLastCaption("Lottery Pick Size -", pickSize);
}

std::string pickedCaption(int count) {
    return countFirstCaption(count, "Exclusion or Inclusion Numbers");
}

std::string baseSetCaption(int inUse) {
    return countFirstCaption(inUse >= 0 ? inUse : 0, "Base Set Numbers");
}

std::string playNumbersCaption(int count) {
    return countFirstCaption(count, "Play Numbers");
}

std::string autoFillCaption(int inUse, int first, int last) {
    if (inUse <= 0) {
        return "Auto Fill Base Set 00 to NN";
    }
    return "Auto Fill Base Set " + formatTwoDigits(first) + " to " + formatTwoDigits(last);
}

} // namespace drawlet
