#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The whole program, as a player meets it: started in a private X server, driven with real key
strokes and clicks, and read back through the accessibility bus as a screen reader reads it.

Usage: window_e2e.py PATH/TO/drawlet-selector [SCENARIO ...]

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

from desktop_session import DesktopSession, SessionError, missing_tools  # noqa: E402

SKIPPED = 77
WHOLE_RUN_TIMEOUT = 100  # seconds; far above a normal run, below the CTest time-out

# The scenarios, in the order they run; they live in drawlet_scenarios.py.
SCENARIO_NAMES = [
    "start_up",
    "typing_a_combination",
    "letters_are_refused",
    "auto_fill_and_the_types_of_selection",
    "clear_all",
    "clear_base_set",
]


def _run_scenario(session, program, name, scenarios):
    from window_reader import Window

    process = session.launch(program, name=name)
    try:
        drawlet = scenarios.Drawlet(Window(process.pid, session.env))
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
    chosen = [name for name in SCENARIO_NAMES if len(argv) == 2 or name in argv[2:]]
    lacking = missing_tools()
    if lacking:
        print("skipped: no private desktop without " + ", ".join(lacking))
        return SKIPPED

    signal.signal(signal.SIGALRM, _give_up)
    signal.signal(signal.SIGTERM, _stopped)
    signal.signal(signal.SIGINT, _stopped)
    signal.alarm(WHOLE_RUN_TIMEOUT)
    failures = 0
    try:
        with DesktopSession() as session:
            # The reader joins the buses it finds in the environment when it is first loaded,
            # so it is loaded only now that this desktop's buses are up.
            os.environ.update(session.env)
            try:
                import drawlet_scenarios
            except ImportError as error:
                print(f"skipped: no accessibility reader for Python ({error})")
                return SKIPPED
            for name in chosen:
                started = time.monotonic()
                failure = _run_scenario(session, program, name, drawlet_scenarios)
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
