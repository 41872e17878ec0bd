# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""A digit key held down in a box, long enough to repeat: the box takes what it takes, and the
one real release moves on, once. On X11 the X server repeats the key; on Wayland the program's
toolkit repeats it on the compositor's say. Either way a repeat must not count as a release."""

from drawlet_scenarios import BASE_SET, Drawlet  # noqa: F401 (the runner takes Drawlet here)

HOLD_SECONDS = 1.2  # about 25 repeats at the rate below, and as many on weston's default rate
REPEAT_DELAY_MS = 300
REPEATS_PER_SECOND = 30


def held_key_counts_once(d):
    w = d.window
    w.set_key_repeat(REPEAT_DELAY_MS, REPEATS_PER_SECOND)
    w.give_keyboard_focus()
    d.expect("start-up leaves the focus in the first entry box", focus="Drawlet 1")

    # Every check ends with one more digit typed: once it shows where it should, the repeats
    # before it have all been handled, so no check can pass merely because they have not yet.
    w.hold("5", HOLD_SECONDS)
    w.type("1")
    d.expect("a held 5 fills the first box and moves on once", focus="Drawlet 2",
             entry_texts=["55", "1", "", "", ""], lstNumbers=[])

    d.set_base_set_size_by_value(len(BASE_SET))
    d.expect("ten base set boxes", base_set_boxes_shown=list(range(1, 11)))
    w.focus(d.base[0])
    d.expect("the first base set box has the focus", focus="Base set number 1")
    w.hold("5", HOLD_SECONDS)
    w.type("1")
    d.expect("a held 5 fills the first base set box and moves on once",
             focus="Base set number 2", base_set_texts=["55", "1"] + [""] * 8,
             Frame3="1 - Play Numbers", Label5="55 ")

    w.set_value(d.HScroll2, 1)
    d.expect("pick size 1", Label4="Lottery Pick Size - 1", entry_boxes_shown=[1])
    w.focus(d.entry[0])
    d.expect("the one entry box has the focus", focus="Drawlet 1")
    w.hold("7", HOLD_SECONDS)
    w.type("03")
    d.expect("a held 7 at pick size 1 stores 77 once", lstNumbers=["77 ", "03 "],
             Label1="Combinations - 2", entry_texts=[""], focus="Drawlet 1")
