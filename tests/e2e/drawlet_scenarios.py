# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""What the player does to frmDrawlet and what the window must show after each step.

Each scenario gets a freshly started program. Picks are random, but every completed combination
picks every stored number, so after one the picked numbers are exactly the distinct numbers
typed and every check below is deterministic.
"""

import os
import subprocess
import time

from window_reader import POLL_INTERVAL, STEP_TIMEOUT, CheckFailed, wait_for

# Roles as the accessibility bus names them.
ENTRY = "text"
LABEL = "label"
FRAME = "panel"
BUTTON = "push button"
OPTION = "radio button"
SLIDER = "scroll bar"
LIST = "list"

COMBINATION = ["03", "15", "22", "37", "41"]
COMBINATION_LINE = "03 15 22 37 41 "

# A tool tip is announced as its control's description.
ENTRY_TOOL_TIP = (
    "This is Automated Entry. Enter your numbers in double digit XX and check each combination. "
    "You'll have to start over if there is a mistake."
)

START_UP_VIEW = {
    "Label4": "Lottery Pick Size - 5",
    "entry boxes shown": [1, 2, 3, 4, 5],
    "entry texts": ["", "", "", "", ""],
    "Label1": "Combinations - 0",
    "lstNumbers": [],
    "Label2": "Quantity of Combination Numbers to Pick - 1",
    "Frame1": "0 - Exclusion or Inclusion Numbers",
    "Label3": "",
    "Frame2": "0 - Base Set Numbers",
    "base set boxes shown": [],
    "Command1": "Auto Fill Base Set 00 to NN",
    "checked": ["1", "Exclude"],
    "Frame3": "0 - Play Numbers",
    "Label5": "",
    "focus": "Drawlet 1",
    "entry tool tips": [ENTRY_TOOL_TIP] * 5,
}

# The base set 01 to 10 (size 11, auto-fill starts with 1) against the picked 03 15 22 37 41.
BASE_SET = [f"{number:02d}" for number in range(1, 11)]
PLAY_NUMBERS = {
    "Exclude": [n for n in BASE_SET if n not in COMBINATION],
    "Include": sorted(set(BASE_SET) | set(COMBINATION)),
    "None": BASE_SET,
}


def joined(numbers):
    return "".join(f"{number} " for number in numbers)


class Drawlet:
    """frmDrawlet's controls, found by the names they announce right after start-up."""

    def __init__(self, window):
        self.window = window
        find = window.find
        self.entry = [find(ENTRY, f"Drawlet {i}") for i in range(1, 11)]
        self.base = [find(ENTRY, f"Base set number {i}") for i in range(1, 101)]
        self.HScroll2 = find(SLIDER, "Lottery pick size")
        self.HScroll1 = find(SLIDER, "Quantity of combination numbers to pick")
        self.HScroll3 = find(SLIDER, "Base set size")
        self.lstNumbers = find(LIST, "Combinations")
        self.captions = {
            "Label4": find(LABEL, prefix="Lottery Pick Size - "),
            "Label1": find(LABEL, prefix="Combinations - "),
            "Label2": find(LABEL, prefix="Quantity of Combination Numbers to Pick - "),
            "Frame1": find(FRAME, "0 - Exclusion or Inclusion Numbers"),
            "Frame2": find(FRAME, "0 - Base Set Numbers"),
            "Frame3": find(FRAME, "0 - Play Numbers"),
            "Command1": find(BUTTON, prefix="Auto Fill Base Set "),
        }
        self.Command1 = self.captions["Command1"]
        # The two result lines are the one label inside their frames.
        self.result_lines = {
            "Label3": self._only_label_in(self.captions["Frame1"]),
            "Label5": self._only_label_in(self.captions["Frame3"]),
        }
        self.options = {name: find(OPTION, name) for name in ("0", "1", "Exclude", "Include",
                                                              "None")}
        self.buttons = {name: find(BUTTON, name) for name in ("Pick", "Clear Combinations",
                                                              "Clear All",
                                                              "Clear Base Set Numbers")}
        # The fixed captions are there to be read too.
        for fixed in ("Enter Drawlets Here", "Type of Selection -", "Base Set Numbers"):
            find(LABEL, fixed)
        find(FRAME, "Auto Fill Starts With")

    def _only_label_in(self, frame):
        labels = self.window.children_of(frame, LABEL)
        if len(labels) != 1:
            raise AssertionError(f"expected one label in {frame.name!r}, found {len(labels)}")
        return labels[0]

    # -- reading the view -------------------------------------------------------------------

    def _result_line(self, key):
        """A result line as a screen reader speaks it. Qt 6.4 announces an empty label inside
        a group box with the group box's title, so that title means the line is empty."""
        label = self.result_lines[key]
        frame = self.captions["Frame1" if key == "Label3" else "Frame3"]
        spoken = label.name
        return "" if spoken == frame.name else spoken

    def read(self, key):
        w = self.window
        if key in self.captions:
            return w.name(self.captions[key])
        if key in self.result_lines:
            return self._result_line(key)
        if key == "lstNumbers":
            return w.item_names(self.lstNumbers)
        if key == "entry boxes shown":
            return [i + 1 for i, box in enumerate(self.entry) if w.has_state(box, "showing")]
        if key == "entry texts":
            return [w.text(box) for box in self.entry if w.has_state(box, "showing")]
        if key == "entry tool tips":
            return [box.description for box in self.entry if w.has_state(box, "showing")]
        if key == "base set boxes shown":
            return [i + 1 for i, box in enumerate(self.base) if w.has_state(box, "showing")]
        if key == "base set texts":
            return [w.text(box) for box in self.base if w.has_state(box, "showing")]
        if key == "checked":
            return [name for name, option in self.options.items()
                    if w.has_state(option, "checked")]
        if key == "focus":
            return w.focused_name()
        if key in ("HScroll1", "HScroll2", "HScroll3"):
            return int(w.value(getattr(self, key)))
        raise KeyError(key)

    def expect(self, what, **expected):
        """Waits until every listed element of the view reads as expected; on time-out, fails
        with the elements that differ."""
        expected = {key.replace("_", " "): value for key, value in expected.items()}
        deadline = time.monotonic() + STEP_TIMEOUT
        while True:
            seen = {}
            for key in expected:
                try:
                    seen[key] = self.read(key)
                except Exception as error:  # the tree is changing under the reader
                    seen[key] = f"<unreadable: {error}>"
            if seen == expected:
                return
            if time.monotonic() > deadline:
                differ = "\n".join(
                    f"    {key}: expected {expected[key]!r}\n    {' ' * len(key)}  seen     "
                    f"{seen[key]!r}"
                    for key in expected if seen[key] != expected[key]
                )
                raise CheckFailed(f"{what}\n{differ}")
            time.sleep(POLL_INTERVAL)

    def expect_view(self, what, view):
        self.expect(what, **{key.replace(" ", "_"): value for key, value in view.items()})

    # -- the player's moves -----------------------------------------------------------------

    def enter_combination(self, numbers=COMBINATION):
        """Types a whole combination into the entry row, starting in the first box."""
        self.window.click(self.entry[0])
        self.expect("a click puts the focus into the first entry box", focus="Drawlet 1")
        self.window.type("".join(numbers))

    def own_clipboard(self, text):
        """Puts the text on the desktop's clipboard, held by a process of the session; returns
        that process, which must stay until the text has been pasted."""
        path = os.path.join(self.session.root, "clipboard.txt")
        with open(path, "w") as out:
            out.write(text)
        owner = self.session.start_process(
            "clipboard", ["/usr/bin/xclip", "-selection", "clipboard", "-quiet", "-i", path])
        wait_for("the clipboard holds the text", lambda: subprocess.run(
            ["/usr/bin/xclip", "-selection", "clipboard", "-o"], env=self.session.env,
            capture_output=True, text=True, timeout=5).stdout, text)
        return owner

    def set_base_set_size_by_value(self, boxes):
        """The slider reads and takes the number of boxes in use, as the frame counts them."""
        self.window.set_value(self.HScroll3, boxes)


# -- the scenarios ---------------------------------------------------------------------------


def start_up(d):
    d.window.give_keyboard_focus()
    d.expect_view("the window right after start-up", START_UP_VIEW)
    d.expect("the pick-size slider reads as the pick size", HScroll2=5)


def start_up_without_a_seat(d):
    """A compositor without a seat activates no window, so no control holds the focus and
    nothing can be typed; what the accessibility bus offers still works."""
    view = dict(START_UP_VIEW)
    del view["focus"]
    d.expect_view("the window right after start-up", view)
    d.set_base_set_size_by_value(10)
    d.window.press(d.Command1)
    d.expect("auto-fill pressed through the accessibility bus", base_set_texts=BASE_SET,
             Frame3=f"{len(BASE_SET)} - Play Numbers", Label5=joined(BASE_SET))


def typing_a_combination(d):
    d.window.give_keyboard_focus()
    d.expect("start-up leaves the focus in the first entry box", focus="Drawlet 1")
    d.window.type("03")
    d.expect("the second digit moves the focus on", focus="Drawlet 2",
             entry_texts=["03", "", "", "", ""])
    d.window.type("15223741")
    d.expect(
        "the last box completes the combination, which is stored, counted and picked",
        lstNumbers=[COMBINATION_LINE],
        Label1="Combinations - 1",
        Label2="Quantity of Combination Numbers to Pick - 5",
        HScroll1=5,
        Frame1="5 - Exclusion or Inclusion Numbers",
        Label3=COMBINATION_LINE,
        entry_texts=["", "", "", "", ""],
        focus="Drawlet 1",
        Frame3="0 - Play Numbers",
        Label5="",
    )
    d.window.type("99887766")
    d.window.type("55")
    d.expect(
        "a second combination is appended and every stored number is picked",
        lstNumbers=[COMBINATION_LINE, "99 88 77 66 55 "],
        Label1="Combinations - 2",
        Label2="Quantity of Combination Numbers to Pick - 10",
        Frame1="10 - Exclusion or Inclusion Numbers",
        Label3=joined(sorted(COMBINATION + ["99", "88", "77", "66", "55"])),
        focus="Drawlet 1",
    )


def letters_are_refused(d):
    d.window.click(d.entry[0])
    d.expect("a click puts the focus into the first entry box", focus="Drawlet 1")
    # Each refused key is followed by a digit: once the digit shows, the keys before it have
    # been handled, so the check cannot pass merely because they have not arrived yet.
    d.window.type("ab -+")
    d.window.key("Return", "Escape")
    d.window.type("7")
    d.expect("letters, signs, space, Enter and Escape are refused", focus="Drawlet 1",
             entry_texts=["7", "", "", "", ""])
    d.window.type("x")
    d.window.key("shift+Q")
    d.window.type("4")
    d.expect("the next digit completes the box and moves the focus on", focus="Drawlet 2",
             entry_texts=["74", "", "", "", ""])
    d.window.type("5")
    d.window.key("BackSpace")
    d.window.type("6z2")
    d.expect("Backspace works; the letter in between is refused", focus="Drawlet 3",
             entry_texts=["74", "62", "", "", ""], lstNumbers=[], Label1="Combinations - 0")


def auto_fill_and_the_types_of_selection(d):
    d.enter_combination()
    d.expect("the combination is stored and picked", lstNumbers=[COMBINATION_LINE],
             Label3=COMBINATION_LINE)

    # A click on the slider's track moves it a large step, a click on its right arrow one step.
    d.window.click(d.HScroll3, at=0.75)
    d.expect("a click on the track moves the base set size by ten: nine boxes in use", HScroll3=9,
             Frame2="9 - Base Set Numbers", Command1="Auto Fill Base Set 01 to 09",
             base_set_boxes_shown=list(range(1, 10)), base_set_texts=[""] * 9)
    d.window.click(d.HScroll3, squares_from_right=1)
    d.expect("a click on the right arrow moves the base set size by one", HScroll3=10,
             Frame2="10 - Base Set Numbers", Command1="Auto Fill Base Set 01 to 10",
             base_set_boxes_shown=list(range(1, 11)), base_set_texts=[""] * 10,
             Frame3="0 - Play Numbers", Label5="")

    d.window.click(d.Command1)
    d.expect(
        "auto-fill writes 01 to 10; Exclude removes the picked 03",
        base_set_texts=BASE_SET,
        checked=["1", "Exclude"],
        Frame3=f"{len(PLAY_NUMBERS['Exclude'])} - Play Numbers",
        Label5=joined(PLAY_NUMBERS["Exclude"]),
    )
    for choice in ("Include", "None", "Exclude"):
        d.window.click(d.options[choice])
        d.expect(
            f"{choice} gives its play numbers",
            checked=["1", choice],
            Frame3=f"{len(PLAY_NUMBERS[choice])} - Play Numbers",
            Label5=joined(PLAY_NUMBERS[choice]),
            base_set_texts=BASE_SET,
            Label3=COMBINATION_LINE,
        )


def clear_all(d):
    d.enter_combination()
    d.expect("the combination is stored", lstNumbers=[COMBINATION_LINE])
    d.set_base_set_size_by_value(10)
    d.expect("the base set size set through the accessibility interface", HScroll3=10,
             Frame2="10 - Base Set Numbers", Command1="Auto Fill Base Set 01 to 10")
    d.window.click(d.entry[0])
    d.window.type("4")
    d.expect("half a box typed", entry_texts=["4", "", "", "", ""], focus="Drawlet 1")
    d.window.click(d.Command1)
    d.window.click(d.options["Include"])
    d.expect("auto-filled, with Include, which holds the focus", base_set_texts=BASE_SET,
             checked=["1", "Include"], Label5=joined(PLAY_NUMBERS["Include"]), focus="Include",
             entry_texts=["4", "", "", "", ""])

    d.window.click(d.buttons["Clear All"])
    cleared = dict(START_UP_VIEW)
    cleared.update({
        # The base set size and the auto-fill range stay as the player left them; the boxes
        # in use stay shown, now empty.
        "Frame2": "10 - Base Set Numbers",
        "Command1": "Auto Fill Base Set 01 to 10",
        "base set boxes shown": list(range(1, 11)),
        "base set texts": [""] * 10,
    })
    d.expect_view("Clear All empties everything but the sizes", cleared)
    d.expect("Clear All sets the quantity back to 1", HScroll1=1, HScroll3=10)


def clear_base_set(d):
    d.enter_combination()
    d.expect("the combination is stored", lstNumbers=[COMBINATION_LINE])
    d.set_base_set_size_by_value(10)
    d.expect("the base set size set through the accessibility interface", HScroll3=10,
             base_set_boxes_shown=list(range(1, 11)))
    d.window.click(d.Command1)
    d.window.click(d.options["Include"])
    d.expect("auto-filled, with Include", base_set_texts=BASE_SET, checked=["1", "Include"],
             Label5=joined(PLAY_NUMBERS["Include"]))

    d.window.click(d.buttons["Clear Base Set Numbers"])
    d.expect(
        "Clear Base Set Numbers empties the boxes in use; Include then plays the picked numbers",
        base_set_boxes_shown=list(range(1, 11)),
        base_set_texts=[""] * 10,
        Frame2="10 - Base Set Numbers",
        Command1="Auto Fill Base Set 01 to 10",
        Frame3="5 - Play Numbers",
        Label5=COMBINATION_LINE,
        checked=["1", "Include"],
        lstNumbers=[COMBINATION_LINE],
        Label3=COMBINATION_LINE,
        HScroll3=10,
    )


# -- heard through a screen reader -----------------------------------------------------------

# A result must be heard within a second of the action; the next action comes a little later,
# so each step's words and events fall in its own stretch of time.
SPOKEN_WITHIN = 1.0
STEP_GAP = 1.4


class Heard:
    """Steps marked by the clock, and once Orca has quit, what it said in each: exactly the
    expected notification, within a second of the action, also shown in braille and kept in
    Orca's notification list, and not one event dropped. Prints how many accessibility events
    Orca was sent in each step and when it spoke."""

    def __init__(self, d):
        self.d = d
        # (what, started, notification or "" or None, another utterance, time limit)
        self.steps = []

    def step(self, what, act, sentence=None, said=None, within=SPOKEN_WITHIN):
        """Acts; the check then wants the sentence as the step's one notification, heard within
        `within` seconds of the act's start ("" for none, None for unchecked), and `said` among
        whatever else Orca said in the step."""
        started = time.time()
        act()
        self.steps.append((what, started, sentence, said, within))
        time.sleep(STEP_GAP)

    def check(self):
        reader = self.d.reader
        reader.quit()
        ends = [step[1] for step in self.steps[1:]] + [time.time()]
        failures = []
        if reader.dropped and reader.dropped[0][0] < self.steps[0][1]:
            failures.append(f"Orca dropped events before the first step: {reader.dropped[0]}")
        print(f"    {'events':>6}  {'heard':>6}  step")
        for (what, started, sentence, also, limit), end in zip(self.steps, ends):
            def within(timed):
                return [(when, item) for when, item in timed if started <= when < end]
            said = within(reader.utterances)
            texts = [text for _, text in said]
            notifications = [(when, text) for (when, role), (_, text) in zip(said, said[1:])
                             if role == "notification."]
            after = notifications[0][0] - started if notifications else None
            print(f"    {len(within(reader.events)):>6}  "
                  f"{'-' if after is None else f'{after:.2f}s':>6}  {what}")
            dropped = within(reader.dropped)
            if dropped:
                failures.append(f"{what}: Orca dropped {len(dropped)} events ({dropped[0][1]})")
            if also is not None and also not in texts:
                failures.append(f"{what}: Orca never said {also!r}; it said {texts!r}")
            if sentence is None:
                continue
            wanted = [sentence + "."] if sentence else []
            if [text for _, text in notifications] != wanted:
                failures.append(f"{what}: expected the notifications {wanted!r}, Orca said "
                                f"{texts!r}")
            elif after is not None and after > limit:
                failures.append(f"{what}: heard {after:.2f} s after the action")
            if sentence and (sentence not in [line for _, line in within(reader.braille)]
                             or not within(reader.kept)):
                failures.append(f"{what}: the notification was not shown in braille or not "
                                f"kept in Orca's list")
        if failures:
            raise CheckFailed("\n    ".join(failures))


def results_spoken(d):
    """Each step changes results away from the focus; Orca must speak exactly those changes,
    one notification per step, and nothing else as a notification."""
    heard = Heard(d)
    step = heard.step
    picked = f"5 - Exclusion or Inclusion Numbers: {' '.join(COMBINATION)}"
    d.window.give_keyboard_focus()
    d.expect("the first entry box has the focus", focus="Drawlet 1")
    time.sleep(STEP_GAP)
    # Keys take a while to type, and Orca echoes each of them before it comes to the result.
    step("a stored combination", lambda: d.window.type("".join(COMBINATION)),
         f"Combinations - 1. Quantity of Combination Numbers to Pick - 5. {picked}", within=3.0)
    step("Pick, though it picks the same", lambda: d.window.click(d.buttons["Pick"]), picked)
    d.expect("the notification leaves the focus where it was", focus="Pick")
    step("the base set size set", lambda: d.set_base_set_size_by_value(10), "")
    d.expect("the base set size set", HScroll3=10, Frame2="10 - Base Set Numbers")
    step("auto-fill", lambda: d.window.click(d.Command1),
         f"Base Set Numbers filled. {len(PLAY_NUMBERS['Exclude'])} - Play Numbers")
    step("Include", lambda: d.window.click(d.options["Include"]),
         f"{len(PLAY_NUMBERS['Include'])} - Play Numbers")
    step("Clear Base Set Numbers", lambda: d.window.click(d.buttons["Clear Base Set Numbers"]),
         "Base Set Numbers cleared. 5 - Play Numbers")
    step("Clear Combinations", lambda: d.window.click(d.buttons["Clear Combinations"]),
         "Combinations - 0. Quantity of Combination Numbers to Pick - 1. "
         "0 - Exclusion or Inclusion Numbers. 0 - Play Numbers")

    def type_base_set_number():
        d.window.click(d.base[0])
        d.window.type("07")

    step("a typed base set number", type_base_set_number, "1 - Play Numbers", within=2.0)
    step("Clear All", lambda: d.window.click(d.buttons["Clear All"]),
         "Base Set Numbers cleared. Type of Selection - Exclude. 0 - Play Numbers")
    step("a digit typed", lambda: d.window.type("4"), "")
    d.expect("a digit typed", entry_texts=["4", "", "", "", ""])
    step("the undo of a typed digit", lambda: d.window.key("ctrl+z"), "Undone")
    step("its redo", lambda: d.window.key("ctrl+y"), "Redone")
    step("nothing more", lambda: None, "")
    heard.check()


def big_results_spoken(d):
    """The results of the biggest changes, each made with the keyboard, the mouse and the
    accessibility action, and their undo and redo: heard within a second, nothing dropped."""
    heard = Heard(d)
    step = heard.step
    d.window.give_keyboard_focus()
    d.expect("the first entry box has the focus", focus="Drawlet 1")
    d.window.set_value(d.HScroll2, 10)
    d.window.click(d.options["0"])
    d.expect("ten numbers a combination, auto-fill from 00", HScroll2=10, checked=["0", "Exclude"])
    step("a hundred base set boxes shown", lambda: d.set_base_set_size_by_value(100), "")
    d.expect("a hundred base set boxes", HScroll3=100, Frame2="100 - Base Set Numbers")

    # A hundred combinations of ten drawn from 00 to 49: all fifty are picked, and Exclude
    # leaves the other fifty of the base set 00 to 99 to play.
    lines = [" ".join(f"{(row * 7 + column) % 50:02d}" for column in range(10))
             for row in range(100)]
    clipboard = d.own_clipboard("\n".join(lines))
    stored = ("Combinations - 100. Quantity of Combination Numbers to Pick - 1000. "
              "50 - Exclusion or Inclusion Numbers: " + " ".join(f"{n:02d}" for n in range(50)))
    none_stored = ("Combinations - 0. Quantity of Combination Numbers to Pick - 1. "
                   "0 - Exclusion or Inclusion Numbers")
    played = "50 - Play Numbers"
    filled = f"Base Set Numbers filled. {played}"
    cleared = "Base Set Numbers cleared. 0 - Play Numbers"

    def paste():
        d.window.click(d.entry[0])
        d.window.key("ctrl+v")

    def undo():
        d.window.key("ctrl+z")

    def redo():
        d.window.key("ctrl+shift+z")

    step("a paste of 100 combinations", paste, stored)
    step("the paste: undo", undo, f"Undone. {none_stored}")
    step("the paste: redo", redo, f"Redone. {stored}")
    d.session.stop_process(clipboard)

    ways = {
        "with Space": lambda button: (d.window.focus(button), d.window.key("space")),
        "clicked": d.window.click,
        "by its action": d.window.press,
    }
    for name, button, done, undone in (
            ("Auto Fill", d.Command1, filled, cleared),
            ("Clear Base Set Numbers", d.buttons["Clear Base Set Numbers"], cleared, filled),
            ("Clear All", d.buttons["Clear All"], f"{none_stored}. {cleared}",
             f"{stored}. {filled}")):
        for number, (way, press) in enumerate(ways.items()):
            step(f"{name} {way}", lambda: press(button), done)
            step(f"{name}: undo", undo, f"Undone. {undone}")
            if number == 0:
                step(f"{name}: redo", redo, f"Redone. {done}")
                step(f"{name}: undo again", undo, f"Undone. {undone}")
        if name == "Auto Fill":
            step("Auto Fill again", lambda: d.window.press(button), done)
    step("base set size 100 -> 0", lambda: d.set_base_set_size_by_value(0), "0 - Play Numbers")
    step("base set size 0 -> 100", lambda: d.set_base_set_size_by_value(100), played)
    step("the focus reaches the last base set box", lambda: d.window.click(d.base[99]),
         said="99")
    heard.check()
