// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SortedList.h"

#include <algorithm>
#include <iterator>

namespace drawlet {

void SortedList::add(std::string line) {
    const auto place = std::upper_bound(lines_.begin(), lines_.end(), line);
    lines_.insert(place, std::move(line));
}

void SortedList::removeAt(std::size_t place) {
    lines_.erase(std::next(lines_.begin(), static_cast<std::ptrdiff_t>(place)));
}

} // namespace drawlet
