// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Every caption that shows a count, built in one place each: the handlers and the start-up values
// of the state use these and never spell a caption out.

#include <string>

namespace drawlet {

// Label1, "Combinations - 3": how many combinations are stored.
std::string combinationsCaption(int count);

// Label2, "Quantity of Combination Numbers to Pick - 12": how many stored numbers a pick draws.
std::string quantityCaption(int quantity);

// Label4, "Lottery Pick Size - 5": how many numbers a combination has.
std::string pickSizeCaption(int pickSize);

// Frame1, "4 - Exclusion or Inclusion Numbers": how many distinct numbers the last pick found.
std::string pickedCaption(int count);

// Frame2, "49 - Base Set Numbers": how many base set boxes are in use; never a negative count.
std::string baseSetCaption(int inUse);

// Frame3, "12 - Play Numbers": how many play numbers there are.
std::string playNumbersCaption(int count);

// Command1, "Auto Fill Base Set 01 to 49": the numbers auto-fill writes, first to last;
// "Auto Fill Base Set 00 to NN" while no box is in use.
std::string autoFillCaption(int inUse, int first, int last);

} // namespace drawlet
