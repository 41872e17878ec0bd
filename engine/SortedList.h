// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace drawlet {

// A hidden sorted list of number texts, such as lstSort and lstPlaySort.
//
// An added line goes to its place in ascending text order, after any equal lines; equal lines
// are all kept, removing repeats is the caller's business. Lines are read and removed by their
// place, counted from 0.
class SortedList {
public:
    void add(std::string line);
    void removeAt(std::size_t place);
    void clear() { lines_.clear(); }

    std::size_t count() const { return lines_.size(); }
    const std::string& at(std::size_t place) const { return lines_[place]; }
    const std::vector<std::string>& lines() const { return lines_; }

    bool operator==(const SortedList&) const = default;

private:
    std::vector<std::string> lines_;
};

} // namespace drawlet
