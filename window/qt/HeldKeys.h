// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace drawlet {

// A held key repeats its press; only its first press and its one real release are the
// player's. The X server's own repeat sends a release before every repeated press, and Qt tells
// such a release from the real one only when the press behind it has already been read: the
// server writes the two one at a time, so now and then the window would take a repeat for the
// real release and move on to the next box in the middle of a held key. Asked once, the X
// server sends this program the repeated presses alone (XKB's detectable auto-repeat), and every
// release is real. Wayland compositors leave the repeat to the program, and Qt marks both
// halves of every repeat it makes. Elsewhere, or where an X server cannot do it, nothing
// changes.
void repeatHeldKeysWithoutReleases();

} // namespace drawlet
