#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Records the accessibility events a screen reader receives, each with the time it arrived.

Usage: event_recorder.py OUTPUT READY

Listens for exactly the event types the listeners already on the accessibility bus asked for
(a screen reader's), so a program sends nothing for it that it would not send anyway. Touches
no event's source: a listener that asked the program questions would slow it down and change
what is measured. On SIGTERM it writes one line per event to OUTPUT, "SECONDS TYPE", seconds
since the epoch; it creates the file READY once it listens.
"""

import os
import re
import signal
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402


def registered_event_types():
    """The event types registered with the registry, as listeners name them: the registry
    says "Object:StateChanged:Showing" for "object:state-changed:showing"."""
    reply = subprocess.run(
        ["/usr/bin/dbus-send", f"--bus={os.environ['AT_SPI_BUS_ADDRESS']}", "--print-reply",
         "--dest=org.a11y.atspi.Registry", "/org/a11y/atspi/registry",
         "org.a11y.atspi.Registry.GetRegisteredEvents"],
        capture_output=True, text=True, timeout=10, check=True).stdout
    types = set()
    for name in re.findall(r'string "([A-Z][^"]*)"', reply):
        parts = [re.sub(r"(?<!^)([A-Z])", r"-\1", part).lower() for part in name.split(":")]
        types.add(":".join(part for part in parts if part))
    return sorted(types)


def main(output, ready):
    received = []

    def on_event(event):
        received.append((time.time(), event.type))

    listener = Atspi.EventListener.new(on_event)
    types = registered_event_types()
    if not types:
        print("no listener is registered on the accessibility bus", file=sys.stderr)
        return 1
    for event_type in types:
        listener.register(event_type)

    def finish():
        with open(output, "w") as out:
            out.writelines(f"{when:.6f} {event_type}\n" for when, event_type in received)
        Atspi.event_quit()
        return GLib.SOURCE_REMOVE

    GLib.unix_signal_add(GLib.PRIORITY_HIGH, signal.SIGTERM, finish)
    def listening():
        open(ready, "w").close()
        return GLib.SOURCE_REMOVE

    GLib.idle_add(listening)
    Atspi.event_main()
    return 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:3]))
