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
import re

HERE = os.path.dirname(os.path.abspath(__file__))


def read_moves():
    """The moves and each profile's weights, read from EventStorm.cpp so they cannot go stale."""
    with open(os.path.join(HERE, "EventStorm.cpp"), encoding="utf-8") as source:
        text = source.read()
    body = re.search(r"enum class Move : std::uint8_t \{(.*?)\};", text, re.S).group(1)
    moves = [name.strip() for name in body.split(",") if name.strip() and name.strip() != "Count"]
    table = re.search(r"kProfiles = \{\{(.*?)\}\};", text, re.S).group(1)
    profiles = [[int(w) for w in row.split(",")] for row in re.findall(r"\{([^{}]*)\}", table)]
    assert all(len(weights) == len(moves) for weights in profiles)
    return moves, profiles


MOVES, PROFILES = read_moves()
BALANCED_PROFILE = 0
BASE_SET_PROFILE = 2

# The focus move's control byte: the controls of the tab order (commands/TabOrder.cpp), each once.
ENTRY_BOX_CONTROL = 0
BASE_SET_BOX_CONTROL = 7
UNDO, REDO = 0, 3


def move(name, profile=BASE_SET_PROFILE):
    """The first byte value that makes the profile play this move."""
    return sum(PROFILES[profile][:MOVES.index(name)])


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


def base_set_wrap_small():
    """Three base set boxes typed through: the release in the last sends the focus to the first."""
    events = [BASE_SET_PROFILE, 4]
    events += [move("AutoFillStart"), 0]
    events += [move("MoveBaseSetSize"), base_slider(3)]
    events += [move("EnterBaseSet"), 0, 3, 11, 22, 33, 44]
    return with_pick_bytes(events)


def undo_each_kind():
    """Changes of every kind, each undone and redone, some twice over: the type of selection, the
    auto-fill start, the sliders, auto-fill, a typed box, Clear All."""
    u, r = move("UndoOrRedo"), move("UndoOrRedo")
    events = [BASE_SET_PROFILE, 2]
    events += [move("TypeOfSelection"), 1, move("TypeOfSelection"), 2, u, UNDO, u, UNDO, r, REDO]
    events += [move("AutoFillStart"), 0, u, UNDO, r, REDO]
    events += [move("MoveBaseSetSize"), base_slider(12), move("AutoFill"), u, UNDO, u, UNDO]
    events += [r, REDO, r, REDO]
    events += [move("Focus"), BASE_SET_BOX_CONTROL, 4, move("TypeDigit"), 7, move("TypeDigit"), 1]
    events += [u, UNDO, r, REDO, move("ClearAll"), u, UNDO, move("TypeOfSelection"), 0, u, UNDO]
    return with_pick_bytes(events)


def typing_after_undo():
    """A digit typed into a box, undone, and typed into the same box again: a new step, which the
    next undo takes back alone."""
    u = move("UndoOrRedo")
    events = [BASE_SET_PROFILE, 3]
    events += [move("MoveBaseSetSize"), base_slider(10)]
    events += [move("Focus"), BASE_SET_BOX_CONTROL, 2, move("TypeDigit"), 4, u, UNDO]
    events += [move("TypeDigit"), 5, u, UNDO, u, UNDO]
    events += [move("Focus"), ENTRY_BOX_CONTROL, 1, move("TypeDigit"), 6, u, UNDO]
    events += [move("TypeDigit"), 8, move("TypeDigit"), 9, u, UNDO, u, UNDO]
    return with_pick_bytes(events)


def paste_lines():
    """Lines of numbers pasted into the focused box: into the base set from its first box, into the
    entry row running on through two combinations, then undone."""
    paste = move("Paste")
    events = [BASE_SET_PROFILE, 2]
    events += [move("MoveBaseSetSize"), base_slider(6)]
    events += [move("Focus"), BASE_SET_BOX_CONTROL, 0]
    events += [paste, 1, 0, 4, 12, 34, 56, 78]
    events += [move("Focus"), BASE_SET_BOX_CONTROL, 4]
    events += [paste, 1, 0, 3, 21, 43, 65]
    events += [move("Focus"), ENTRY_BOX_CONTROL, 1]
    events += [paste, 1, 0, 8, 11, 22, 33, 44, 55, 66, 77, 88]
    events += [move("UndoOrRedo"), UNDO, paste, 1, 0, 2, 91, 92]
    return with_pick_bytes(events)


def main():
    corpus = os.path.join(HERE, "corpus")
    for name, data in [("full-base-set-wrap", full_base_set_wrap()),
                       ("paste-then-pick", paste_then_pick()),
                       ("base-set-wrap-small", base_set_wrap_small()),
                       ("undo-each-kind", undo_each_kind()),
                       ("typing-after-undo", typing_after_undo()),
                       ("paste-lines", paste_lines())]:
        with open(os.path.join(corpus, name), "wb") as seed:
            seed.write(data)


if __name__ == "__main__":
    main()
