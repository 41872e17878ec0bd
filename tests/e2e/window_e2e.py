#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The whole program, as a player meets it: started in a private X server, driven with real key
strokes and clicks, and read back through the accessibility bus as a screen reader reads it.

Usage: window_e2e.py PATH/TO/drawlet-selector [--speech | --wayland=headless | --wayland=x11]
                     [--held-key] [SCENARIO ...]

With --speech each scenario runs with a screen reader of its own, Orca, and beside it a recorder
of the accessibility events Orca is sent; once both have quit, their logs tell what Orca said in
each step, how soon, how many events it was sent, and whether it dropped any. The table of event
counts is printed. DRAWLET_E2E_KEEP_LOGS=1 keeps the session folder with every log.
With --wayland the program runs on weston as a native Wayland client: on a headless weston,
which has no seat, so nothing can be typed into any client there, only start-up is checked;
on a weston that is a window of the private X server, keys typed into that X window reach the
program through weston's seat, as on a real Wayland desktop. With --held-key a key is held down
until it repeats (held_key.py), on X11 through a display that hands the program every key
release alone (release_pause.py), or with --wayland=x11 on Wayland.

Each scenario starts the program afresh, so one failure never leaves its state to the next. Picks
are random, but every completed combination picks every stored number, so after one the picked
numbers are exactly the distinct numbers typed and every check below is deterministic.

Exit status: 0 when every scenario passed, 1 when one failed, 77 when the machine lacks the
tools for a private desktop (the test is then reported as skipped).
"""

import os
import signal
import sys
import time
import traceback

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from desktop_session import (  # noqa: E402
    SPEECH_TOOLS, WAYLAND_TOOLS, DesktopSession, SessionError, missing_tools)
from release_pause import ReleasePause  # noqa: E402

SKIPPED = 77
WHOLE_RUN_TIMEOUT = 200  # seconds; far above a normal run, below the CTest time-out

# The scenarios, in the order they run; they live in drawlet_scenarios.py.
SCENARIO_NAMES = [
    "start_up",
    "typing_a_combination",
    "letters_are_refused",
    "auto_fill_and_the_types_of_selection",
    "clear_all",
    "clear_base_set",
]
SPEECH_SCENARIO_NAMES = ["results_spoken", "big_results_spoken"]
HELD_KEY_SCENARIO_NAMES = ["held_key_counts_once"]
HELD_KEY_TOOLS = ("/usr/bin/xset",)
WAYLAND_SCENARIO_NAMES = {
    "headless": ["start_up_without_a_seat"],
    "x11": ["start_up", "typing_a_combination"],
}


def _run_scenario(session, program, name, scenarios, speech=False):
    from window_reader import Window

    # Each spoken scenario has an Orca of its own, whose log is read once it has quit.
    reader = session.start_screen_reader() if speech else None
    process = session.launch(program, name=name)
    try:
        drawlet = scenarios.Drawlet(Window(process.pid, session.env, wayland=session.wayland))
        drawlet.reader = reader
        drawlet.session = session
        getattr(scenarios, name)(drawlet)
    except Exception as error:
        report = str(error) if isinstance(error, AssertionError) else traceback.format_exc()
        if process.poll() is not None:
            report += f"\n    the program had exited with status {process.returncode}"
        output = session.log_text(name).strip()
        if output:
            report += "\n    program output:\n" + "\n".join(
                f"      {line}" for line in output.splitlines()[-20:])
        return report
    finally:
        session.stop_process(process)
        if reader:
            reader.stop()
    return None


class Stopped(BaseException):
    """Ends the whole run: no scenario catches it, and the desktop still closes on the way."""


def _give_up(*_):
    raise Stopped(f"the whole run took longer than {WHOLE_RUN_TIMEOUT} s")


def _stopped(signum, _):
    # Stopped from outside (a test runner's time-out, Ctrl-C).
    raise Stopped(f"stopped by signal {signum}")


def main(argv):
    if len(argv) < 2:
        print(__doc__)
        return 2
    program = os.path.abspath(argv[1])
    options = [arg for arg in argv[2:] if arg.startswith("--")]
    speech = "--speech" in options
    held_key = "--held-key" in options
    wayland = next((arg.split("=", 1)[1] for arg in options if arg.startswith("--wayland=")),
                   None)
    if wayland not in (None, *WAYLAND_SCENARIO_NAMES):
        print(__doc__)
        return 2
    wanted = [arg for arg in argv[2:] if not arg.startswith("--")]
    names = (HELD_KEY_SCENARIO_NAMES if held_key else SPEECH_SCENARIO_NAMES if speech else
             WAYLAND_SCENARIO_NAMES[wayland] if wayland else SCENARIO_NAMES)
    chosen = [name for name in names if not wanted or name in wanted]
    lacking = missing_tools() + (missing_tools(SPEECH_TOOLS) if speech else []) + (
        missing_tools(WAYLAND_TOOLS) if wayland else []) + (
        missing_tools(HELD_KEY_TOOLS) if held_key else [])
    if lacking:
        print("skipped: no private desktop without " + ", ".join(lacking))
        return SKIPPED

    signal.signal(signal.SIGALRM, _give_up)
    signal.signal(signal.SIGTERM, _stopped)
    signal.signal(signal.SIGINT, _stopped)
    signal.alarm(WHOLE_RUN_TIMEOUT)
    failures = 0
    try:
        keep_logs = bool(os.environ.get("DRAWLET_E2E_KEEP_LOGS"))
        with DesktopSession(wayland=wayland, keep_logs=keep_logs) as session:
            if keep_logs:
                print(f"logs kept in {session.root}", flush=True)
            # The reader joins the buses it finds in the environment when it is first loaded,
            # so it is loaded only now that this desktop's buses are up.
            os.environ.update(session.env)
            try:
                import drawlet_scenarios
                import held_key as held_key_scenarios
                scenarios = held_key_scenarios if held_key else drawlet_scenarios
            except ImportError as error:
                print(f"skipped: no accessibility reader for Python ({error})")
                return SKIPPED
            if held_key and not wayland:
                # The program and the X tools reach the X server through a display that makes
                # every repeat's release come alone (see release_pause.py).
                pause = ReleasePause(session.env["DISPLAY"])
                session.env["DISPLAY"] = pause.display
                session.env["QT_XCB_NO_MITSHM"] = "1"  # it passes no descriptors
            for name in chosen:
                started = time.monotonic()
                failure = _run_scenario(session, program, name, scenarios, speech)
                took = time.monotonic() - started
                if failure:
                    failures += 1
                    print(f"FAIL {name} ({took:.1f} s)\n  {failure}", flush=True)
                else:
                    print(f"ok   {name} ({took:.1f} s)", flush=True)
    except (SessionError, Stopped) as error:
        print(f"FAIL {error}")
        return 1
    finally:
        signal.alarm(0)
    print(f"{len(chosen) - failures} of {len(chosen)} scenarios passed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
