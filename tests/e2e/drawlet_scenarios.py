# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""What the player does to frmDrawlet and what the window must show after each step.

Each scenario gets a freshly started program. Picks are random, but every completed combination
picks every stored number, so after one the picked numbers are exactly the distinct numbers
typed and every check below is deterministic.
"""

import time

from window_reader import POLL_INTERVAL, STEP_TIMEOUT, CheckFailed

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


def _notifications(utterances):
    """What Orca said as notifications: the role word, then the notification's text."""
    return [text for role, text in zip(utterances, utterances[1:]) if role == "notification."]


def results_spoken(d):
    """Each step changes results away from the focus; Orca must speak exactly those changes,
    one notification per step, and nothing else as a notification."""
    reader = d.reader
    heard = []

    def step(what, act, sentence):
        since = len(reader.utterances())
        act()
        deadline = time.monotonic() + STEP_TIMEOUT
        while sentence + "." not in _notifications(reader.utterances()[since:]):
            if time.monotonic() > deadline:
                raise CheckFailed(f"after {what} Orca never said the notification "
                                  f"{sentence!r}; it said {reader.utterances()[since:]!r}")
            time.sleep(POLL_INTERVAL)
        heard.append(sentence + ".")

    picked = f"5 - Exclusion or Inclusion Numbers: {' '.join(COMBINATION)}"
    d.window.give_keyboard_focus()
    try:
        reader.wait_for(lambda said: said == "Drawlet 1 text.", "the first entry box")
    except Exception as error:
        raise CheckFailed(str(error)) from None
    step("a stored combination", lambda: d.window.type("".join(COMBINATION)),
         f"Combinations - 1. Quantity of Combination Numbers to Pick - 5. {picked}")
    step("Pick, though it picks the same", lambda: d.window.click(d.buttons["Pick"]), picked)
    d.expect("the notification leaves the focus where it was", focus="Pick")
    d.set_base_set_size_by_value(10)
    d.expect("the base set size set", HScroll3=10, Frame2="10 - Base Set Numbers")
    step("auto-fill", lambda: d.window.click(d.Command1),
         f"{len(PLAY_NUMBERS['Exclude'])} - Play Numbers")
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

    step("a typed base set number", type_base_set_number, "1 - Play Numbers")
    step("Clear All", lambda: d.window.click(d.buttons["Clear All"]),
         "Base Set Numbers cleared. Type of Selection - Exclude. 0 - Play Numbers")
    time.sleep(0.5)  # time for a notification that should not be there
    notifications = _notifications(reader.utterances())
    if notifications != heard:
        raise CheckFailed(f"notifications spoken besides the expected ones:\n    {notifications}")
