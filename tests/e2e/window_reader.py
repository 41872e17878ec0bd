# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The running window as the player meets it: read back through the accessibility bus the way a
screen reader reads it, and driven with real key strokes and mouse clicks through the X server.

Nothing here reaches into the program: controls are found by their role and by the names they
announce, and every check polls the tree until it shows what is expected or the time is up.
"""

import subprocess
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402
import pyatspi  # noqa: E402

WINDOW_TITLE = "Drawlet Exclusion / Inclusion Selector"

# How long the window may take to show the effect of one step. Far more than a step needs; a
# check that passes returns as soon as the tree agrees.
STEP_TIMEOUT = 5.0
POLL_INTERVAL = 0.02


class CheckFailed(AssertionError):
    """A check on the window did not hold; the message says which, expected and seen."""


def wait_for(what, read, expected, timeout=STEP_TIMEOUT):
    """Polls `read()` until it returns `expected`; fails naming the check and the last value."""
    deadline = time.monotonic() + timeout
    while True:
        try:
            seen = read()
        except Exception as error:  # the tree is changing under the reader: read again
            seen = f"<unreadable: {error}>"
        if seen == expected:
            return seen
        if time.monotonic() > deadline:
            raise CheckFailed(f"{what}\n    expected: {expected!r}\n    seen:     {seen!r}")
        time.sleep(POLL_INTERVAL)


def _find_application(pid, timeout):
    """The program's entry on the accessibility bus, known by its process id."""
    desktop = pyatspi.Registry.getDesktop(0)
    deadline = time.monotonic() + timeout
    while True:
        for index in range(desktop.childCount):
            application = desktop.getChildAtIndex(index)
            if application is not None and application.get_process_id() == pid:
                return application
        if time.monotonic() > deadline:
            raise CheckFailed(f"the program (pid {pid}) never appeared on the accessibility bus")
        time.sleep(POLL_INTERVAL)


def _state_names(accessible):
    states = accessible.getState()
    return {name for name, state in _STATES.items() if states.contains(state)}


_STATES = {
    "showing": pyatspi.STATE_SHOWING,
    "focused": pyatspi.STATE_FOCUSED,
    "checked": pyatspi.STATE_CHECKED,
    "selected": pyatspi.STATE_SELECTED,
}


class Window:
    """The program's one window, its controls indexed once by role and announced name."""

    def __init__(self, pid, display_env, timeout=10.0, wayland=None):
        self._env = display_env
        self._wayland = wayland
        application = _find_application(pid, timeout)
        # Every read goes to the program itself: a reader's cache could lag behind a caption
        # that the program has just rewritten.
        application.set_cache_mask(Atspi.Cache.NONE)
        wait_for(
            "the program announces one window with its title",
            lambda: [child.name for child in application],
            [WINDOW_TITLE],
            timeout,
        )
        self.frame = application.getChildAtIndex(0)
        self._index()
        self.window_id = self._x_window_id()

    def _index(self):
        """Walks the tree once. Objects keep their identity while their captions change, so a
        caption label found by its start-up text is the same label after every later step."""
        self.controls = []  # (role name, announced name at start-up, accessible, parent)
        pending = [(self.frame, None)]
        while pending:
            accessible, parent = pending.pop()
            for child in accessible:
                if child is None:
                    continue
                self.controls.append((child.getRoleName(), child.name, child, parent))
                pending.append((child, child))

    def find(self, role, name=None, prefix=None):
        """The one control of that role announced by `name`, or by a name starting `prefix`."""
        found = [
            accessible
            for control_role, announced, accessible, _ in self.controls
            if control_role == role
            and (name is None or announced == name)
            and (prefix is None or announced.startswith(prefix))
        ]
        if len(found) != 1:
            seen = sorted({announced for r, announced, _, _ in self.controls if r == role})
            raise CheckFailed(
                f"expected one {role} named {name or prefix + '...'!r}, found {len(found)}; "
                f"{role} names: {seen}"
            )
        return found[0]

    def children_of(self, parent, role):
        return [a for r, _, a, p in self.controls if r == role and p is parent]

    # -- what a screen reader reports -------------------------------------------------------

    @staticmethod
    def name(accessible):
        return accessible.name

    @staticmethod
    def states(accessible):
        return _state_names(accessible)

    @staticmethod
    def has_state(accessible, state):
        return state in _state_names(accessible)

    @staticmethod
    def text(accessible):
        """The text a box holds, through its Text interface."""
        text = accessible.queryText()
        return text.getText(0, text.characterCount)

    @staticmethod
    def value(accessible):
        return accessible.queryValue().currentValue

    @staticmethod
    def set_value(accessible, value):
        accessible.queryValue().currentValue = value

    @staticmethod
    def item_names(list_accessible):
        """The lines of a list, in list order."""
        return [
            list_accessible.getChildAtIndex(index).name
            for index in range(list_accessible.childCount)
            if list_accessible.getChildAtIndex(index).getRoleName() == "list item"
        ]

    def focused_name(self):
        """The name of the control that holds the keyboard focus, or None."""
        for _, _, accessible, _ in self.controls:
            if self.has_state(accessible, "focused"):
                return accessible.name
        return None

    # -- real input through the X server ----------------------------------------------------

    def _xdotool(self, *args):
        result = subprocess.run(
            ["/usr/bin/xdotool", *args], env=self._env, capture_output=True, text=True,
            timeout=20,
        )
        if result.returncode != 0:
            raise CheckFailed(f"xdotool {' '.join(args)} failed: {result.stderr.strip()}")
        return result.stdout.strip()

    def _x_window_id(self):
        """The X window the keys go to: the program's own, or on Wayland the weston that
        shows it, which passes them on to the Wayland window it has given the keyboard."""
        if self._wayland == "headless":
            return None
        if self._wayland:
            return self._xdotool("search", "--sync", "--class", "^Weston Compositor$").split()[0]
        return self._xdotool("search", "--sync", "--name", f"^{WINDOW_TITLE}$").split()[0]

    def give_keyboard_focus(self):
        """There is no window manager to hand the window the keyboard; ask the X server. On
        Wayland the desktop gave weston's window the X keyboard before the program started,
        and weston hands it to the window it activates: moving the X focus again could lose
        it (see DesktopSession), so it is only checked to be there."""
        if self.window_id is None:
            raise CheckFailed("no keyboard on this desktop")
        if self._wayland:
            focused = self._xdotool("getwindowfocus", "-f")
            if focused != self.window_id:
                raise CheckFailed(f"the X keyboard is with window {focused}, not with weston's "
                                  f"window {self.window_id}")
            return
        self._xdotool("windowfocus", "--sync", self.window_id)

    def click(self, accessible, at=0.5, squares_from_right=None):
        """A left click half way down the control: `at` of the way across it, or the middle of
        the n-th square (height by height) counted from its right end, where a slider keeps
        its arrow button."""
        x, y, width, height = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        if width <= 0 or height <= 0:
            raise CheckFailed(f"cannot click {accessible.name!r}: it has no area on screen")
        if squares_from_right is None:
            across = width * at
        else:
            across = width - height * (squares_from_right - 0.5)
        # No --sync: it waits for the pointer to move and so hangs when the pointer already
        # rests there. The server takes the motion before the button all the same.
        self._xdotool("mousemove", str(int(x + across)), str(int(y + height / 2)), "click", "1")

    @staticmethod
    def focus(accessible):
        """Gives the control the keyboard focus through the accessibility bus, as a screen
        reader can, without pressing it."""
        if not accessible.queryComponent().grabFocus():
            raise CheckFailed(f"{accessible.name!r} refused the focus")

    @staticmethod
    def press(accessible):
        """Presses a button through its accessible action, as a screen reader can."""
        action = accessible.queryAction()
        names = [action.getName(index) for index in range(action.nActions)]
        action.doAction(names.index("Press"))

    def type(self, text):
        """Types the text key by key into whatever holds the keyboard focus."""
        self._xdotool("type", "--delay", "30", text)

    def key(self, *names):
        self._xdotool("key", "--delay", "30", *names)

    def set_key_repeat(self, delay_ms, per_second):
        """The X server's own key repeat, as `xset r rate` sets it for the whole desktop."""
        result = subprocess.run(["/usr/bin/xset", "r", "rate", str(delay_ms), str(per_second)],
                                env=self._env, capture_output=True, text=True, timeout=20)
        if result.returncode != 0:
            raise CheckFailed(f"xset r rate failed: {result.stderr.strip()}")

    def hold(self, key, seconds):
        """Holds a key down for a while, long enough for it to repeat, and lets it go."""
        self._xdotool("keydown", key)
        time.sleep(seconds)
        self._xdotool("keyup", key)

    @staticmethod
    def focus(accessible):
        """Gives a control the focus through the accessibility bus, as a screen reader can."""
        if not accessible.queryComponent().grabFocus():
            raise CheckFailed(f"{accessible.name!r} refused the focus")
