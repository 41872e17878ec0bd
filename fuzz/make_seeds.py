#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Writes the hand-made seeds of fuzz/corpus that lead the storm to rarely reached handlers.

Random bytes seldom line up the few moves these paths need, so each seed spells them out; the
fuzzer then mutates from there. The bytes follow EventStorm.cpp: a profile byte, a pick-size
byte, then one byte per move (chosen by the profile's weights) and the move's own bytes; the
last eighth of an input feeds the picks. Run from anywhere: python3 fuzz/make_seeds.py
"""

import os

# Out of 256, in the order of EventStorm.cpp's Move, for the "base set" profile (2).
MOVES = ["TypeDigit", "TypeBackspace", "TypeAnyKey", "ReleaseKey", "Paste", "EnterCombination",
         "EnterBaseSet", "AnyBoxHandler", "MoveQuantity", "MovePickSize", "MoveBaseSetSize",
         "StepSlider", "Focus", "Pick", "ClearCombinations", "ClearAll", "ClearBaseSet",
         "AutoFill", "AutoFillStart", "TypeOfSelection", "DirectHandler"]
BASE_SET_WEIGHTS = [48, 10, 6, 10, 12, 10, 40, 10, 4, 2, 20, 8, 24, 8, 2, 2, 6, 10, 10, 10, 4]
BASE_SET_PROFILE = 2


def move(name):
    """The first byte value that makes the base-set profile play this move."""
    index = MOVES.index(name)
    return sum(BASE_SET_WEIGHTS[:index])


def base_slider(value):
    """The byte that moves HScroll3 (0..100) to value: min - 2 + choice % 105."""
    return value + 2


def with_pick_bytes(events, pick_byte=0x80):
    """Appends the bytes the picks read, so that the events are exactly the first part."""
    size = len(events)
    while size - size // 8 != len(events):
        size += 1
    return bytes(events) + bytes([pick_byte] * (size - len(events)))


def full_base_set_wrap():
    """Base set 00 to 99, all 100 boxes in use and filled, then the last three retyped: the
    release in box 99 sends the focus back to box 0. Then Tab and Shift+Tab keys around it."""
    events = [BASE_SET_PROFILE, 4]
    events += [move("AutoFillStart"), 0]
    events += [move("MoveBaseSetSize"), base_slider(100)]
    events += [move("AutoFill")]
    events += [move("EnterBaseSet"), 97, 2, 11, 22, 33]
    events += [move("TypeAnyKey"), 0x00, 0x09]        # Tab typed in a box
    events += [move("ReleaseKey"), 0, 1]              # Shift let go afterwards
    events += [move("TypeDigit"), 5, move("TypeDigit"), 7]
    events += [move("EnterBaseSet"), 98, 1, 44, 55]
    events += [move("MoveBaseSetSize"), base_slider(60)]
    events += [move("EnterBaseSet"), 58, 3, 66, 77, 88, 99]
    return with_pick_bytes(events)


def paste_then_pick():
    """Numbers pasted into base set boxes with no key released, then Pick with no combination
    stored and again with one: each pick must rebuild the play numbers."""
    events = [BASE_SET_PROFILE, 2]
    events += [move("AutoFillStart"), 1]
    events += [move("MoveBaseSetSize"), base_slider(10)]
    events += [move("Paste"), 1, 4, 2, 4, 2, 0]       # "42" into base set box 3, no release
    events += [move("Pick")]
    events += [move("Paste"), 1, 6, 2, 1, 7, 0]       # "17" into box 5
    events += [move("TypeOfSelection"), 1]
    events += [move("Pick")]
    events += [move("EnterCombination"), 42, 7, 17]
    events += [move("Paste"), 1, 8, 2, 9, 3, 0]
    events += [move("Pick")]
    events += [move("ClearCombinations"), move("Paste"), 1, 3, 2, 0, 5, 0, move("Pick")]
    return with_pick_bytes(events)


def main():
    corpus = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")
    for name, data in [("full-base-set-wrap", full_base_set_wrap()),
                       ("paste-then-pick", paste_then_pick())]:
        with open(os.path.join(corpus, name), "wb") as seed:
            seed.write(data)


if __name__ == "__main__":
    main()
