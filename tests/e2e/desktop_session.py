# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""A private desktop for the end-to-end test: an X server, a session bus and the accessibility
bus, all started here, owned here and stopped here.

Nothing of the developer's own desktop is touched: the X server picks a free display itself,
the buses listen on sockets inside a temporary folder, and the program gets its own HOME and
XDG folders. Every process started here is stopped by its own process group id when the session
closes, whether the checks passed, failed or ran out of time.
"""

import datetime
import os
import re
import shutil
import signal
import subprocess
import tempfile
import time

# What the private desktop needs from the system; without them the test cannot run at all.
REQUIRED_TOOLS = (
    "/usr/bin/Xvfb",
    "/usr/bin/xdotool",
    "/usr/bin/dbus-daemon",
    "/usr/libexec/at-spi-bus-launcher",
    "/usr/libexec/at-spi2-registryd",
)

ORCA = "/usr/bin/orca"
WESTON = "/usr/bin/weston"
# What the spoken checks (a screen reader, a clipboard to paste from) and the Wayland run need
# on top.
SPEECH_TOOLS = (ORCA, "/usr/bin/xclip")
WAYLAND_TOOLS = (WESTON, "/usr/lib/x86_64-linux-gnu/qt6/plugins/platforms/libqwayland-generic.so")

SETPRIV = "/usr/bin/setpriv"


class SessionError(RuntimeError):
    """The private desktop could not be brought up."""


def missing_tools(tools=REQUIRED_TOOLS):
    return [tool for tool in tools
            if not os.access(tool, os.R_OK if tool.endswith(".so") else os.X_OK)]


def _read_line_from(fd, what, timeout):
    """Reads the one line a server writes to the descriptor it was told to report on."""
    deadline = time.monotonic() + timeout
    data = b""
    os.set_blocking(fd, False)
    while not data.endswith(b"\n"):
        if time.monotonic() > deadline:
            raise SessionError(f"{what} did not report within {timeout} s (got {data!r})")
        try:
            chunk = os.read(fd, 256)
        except BlockingIOError:
            time.sleep(0.01)
            continue
        if not chunk:
            raise SessionError(f"{what} closed its report pipe without a line (got {data!r})")
        data += chunk
    return data.decode().strip()


class DesktopSession:
    """Xvfb + session bus + accessibility bus + registry, usable as a context manager.

    With wayland="headless" a headless weston takes the place of Xvfb; with wayland="x11" a
    weston runs as a window of the Xvfb. Either way the program then talks Wayland only."""

    def __init__(self, keep_logs=False, wayland=None):
        self.root = tempfile.mkdtemp(prefix="drawlet-e2e-")
        self.keep_logs = keep_logs
        self.wayland = wayland
        self._processes = []  # (description, Popen), stopped in reverse order
        self.env = self._private_environment()
        self.a11y_address = None

    # -- environment ------------------------------------------------------------------------

    def _private_environment(self):
        home = os.path.join(self.root, "home")
        runtime = os.path.join(self.root, "runtime")
        folders = {
            "HOME": home,
            "XDG_RUNTIME_DIR": runtime,
            "XDG_CONFIG_HOME": os.path.join(home, ".config"),
            "XDG_CACHE_HOME": os.path.join(home, ".cache"),
            "XDG_DATA_HOME": os.path.join(home, ".local", "share"),
            "XDG_STATE_HOME": os.path.join(home, ".local", "state"),
        }
        for path in folders.values():
            os.makedirs(path, mode=0o700, exist_ok=True)
        env = {
            "PATH": "/usr/bin:/bin",
            "LANG": "C.UTF-8",
            "GSETTINGS_BACKEND": "memory",
            # Keeps a developer's own platform theme and input method out of the picture.
            "QT_QPA_PLATFORMTHEME": "",
            "QT_IM_MODULE": "",
        }
        env.update(folders)
        return env

    def _log(self, name):
        return open(os.path.join(self.root, f"{name}.log"), "wb")

    def _start(self, description, argv, env=None, pass_fds=()):
        log = self._log(description)
        if os.access(SETPRIV, os.X_OK):
            # Should this process be killed outright, with no chance to close the session, the
            # kernel still ends what it started.
            argv = [SETPRIV, "--pdeathsig", "TERM", "--", *argv]
        process = subprocess.Popen(
            argv,
            env=env or self.env,
            stdin=subprocess.DEVNULL,
            stdout=log,
            stderr=subprocess.STDOUT,
            pass_fds=pass_fds,
            start_new_session=True,  # its own process group, so its children stop with it
        )
        log.close()
        self._processes.append((description, process))
        return process

    # -- bring-up ---------------------------------------------------------------------------

    def start(self):
        if self.wayland == "headless":
            self._start_wayland_compositor("headless")
        elif self.wayland:
            self._start_x_server()
            self._start_wayland_compositor("x11")
        else:
            self._start_x_server()
        self._start_session_bus()
        self._start_accessibility_bus()
        return self

    def _start_x_server(self):
        read_end, write_end = os.pipe()
        try:
            self._start(
                "xvfb",
                ["/usr/bin/Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
                 "-nolisten", "tcp", "-noreset"],
                pass_fds=(write_end,),
            )
            os.close(write_end)
            display = _read_line_from(read_end, "Xvfb", timeout=15)
        finally:
            os.close(read_end)
        self.env["DISPLAY"] = f":{display}"

    def _start_wayland_compositor(self, backend, timeout=15):
        """weston, its socket in this session's runtime folder. The headless one draws into
        memory and has no seat: no keyboard or pointer exists on it for anyone. The x11 one is
        a window of the private X server, whose keyboard and pointer become its seat."""
        name = "drawlet-wayland-0"
        self._start("weston", [WESTON, f"--backend={backend}-backend.so", "--use-pixman",
                               "--no-config", f"--socket={name}", "--idle-time=0"])
        socket = os.path.join(self.env["XDG_RUNTIME_DIR"], name)
        deadline = time.monotonic() + timeout
        while not os.path.exists(socket):
            if time.monotonic() > deadline:
                raise SessionError(f"weston made no socket within {timeout} s")
            time.sleep(0.05)
        self.env["WAYLAND_DISPLAY"] = name
        if backend == "x11":
            self._focus_compositor_window()

    def _focus_compositor_window(self):
        """Gives weston's X window the keyboard of the X server once, before any program runs,
        and for good. weston takes its seat's keyboard away from the Wayland window it has
        activated when the X focus leaves, and gives it back only on a FocusIn read together
        with the KeymapNotify that follows it; read apart, the keyboard never comes back. Moved
        now, while no Wayland window exists, the X focus has nothing to take away."""
        def xdotool(*args):
            try:
                result = subprocess.run(["/usr/bin/xdotool", *args], env=self.env,
                                        capture_output=True, text=True, timeout=15)
            except subprocess.TimeoutExpired:
                raise SessionError(f"xdotool {' '.join(args)} took longer than 15 s") from None
            if result.returncode != 0:
                raise SessionError(f"xdotool {' '.join(args)} failed: {result.stderr.strip()}")
            return result.stdout.split()
        window = xdotool("search", "--sync", "--onlyvisible", "--class",
                         "^Weston Compositor$")[0]
        xdotool("windowfocus", "--sync", window)

    def _start_session_bus(self):
        socket = os.path.join(self.root, "bus")
        read_end, write_end = os.pipe()
        try:
            self._start(
                "session-bus",
                ["/usr/bin/dbus-daemon", "--session", "--nofork", "--nopidfile",
                 f"--address=unix:path={socket}", f"--print-address={write_end}"],
                pass_fds=(write_end,),
            )
            os.close(write_end)
            address = _read_line_from(read_end, "the session bus", timeout=15)
        finally:
            os.close(read_end)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = address

    def _bus_call(self, bus, method, *args):
        """A synchronous call on a bus ("session" or an address) to the name the method names."""
        where = "--session" if bus == "session" else f"--bus={bus}"
        argv = ["/usr/bin/dbus-send", where, "--print-reply=literal", "--reply-timeout=2000"]
        argv += method
        argv += list(args)
        result = subprocess.run(argv, env=self.env, capture_output=True, text=True, timeout=10)
        if result.returncode != 0:
            raise SessionError(f"{' '.join(method)} failed: {result.stderr.strip()}")
        return result.stdout.strip()

    def _start_accessibility_bus(self):
        self._start("a11y-bus-launcher",
                    ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        # Asking org.a11y.Bus for its address before the launcher owns the name would make the
        # session bus activate a second launcher, so wait for the name first.
        self._wait_for_name("session", "org.a11y.Bus")
        self.a11y_address = self._bus_call(
            "session", ["--dest=org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus.GetAddress"])
        if not self.a11y_address.startswith("unix:"):
            raise SessionError(f"unexpected accessibility bus address {self.a11y_address!r}")
        self.env["AT_SPI_BUS_ADDRESS"] = self.a11y_address
        self._start("a11y-registry", ["/usr/libexec/at-spi2-registryd"])
        # A program announces itself to the registry once, at start; one that comes before the
        # registry owns its name is never listed.
        self._wait_for_name(self.a11y_address, "org.a11y.atspi.Registry")

    def _wait_for_name(self, bus, name, timeout=15):
        query = ["--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
                 "org.freedesktop.DBus.NameHasOwner"]
        deadline = time.monotonic() + timeout
        while self._bus_call(bus, query, f"string:{name}") != "boolean true":
            if time.monotonic() > deadline:
                raise SessionError(f"nothing owned {name} within {timeout} s")
            time.sleep(0.05)

    # -- the program ------------------------------------------------------------------------

    def launch(self, program, name="program"):
        """Starts the program in the private desktop, announcing itself on the accessibility
        bus. Returns its Popen; `stop_process` or closing the session ends it."""
        env = dict(self.env)
        # Qt 6.4 connects at once to a bus named in AT_SPI_BUS_ADDRESS, before its bridge
        # listens, and then never registers; found through org.a11y.Bus it registers.
        del env["AT_SPI_BUS_ADDRESS"]
        env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        if self.wayland:
            env["QT_QPA_PLATFORM"] = "wayland"
            env.pop("DISPLAY", None)  # no X server to fall back to
        else:
            env["QT_QPA_PLATFORM"] = "xcb"
        env["QT_ACCESSIBILITY"] = "1"
        return self._start(name, [program], env=env)

    def start_process(self, description, argv):
        """Starts a helper in this desktop; `stop_process` or closing the session ends it."""
        return self._start(description, argv)

    def start_screen_reader(self, timeout=30):
        """Starts Orca on this desktop, and beside it a recorder of the accessibility events
        Orca listens for; returns a ScreenReader once both listen."""
        env = dict(self.env)
        # No synthesiser: left alone, the speech client would start a speech server of its own,
        # outside this session. With nothing to start, Orca still logs every utterance.
        env["SPEECHD_CMD"] = os.path.join(self.root, "no-speech-server")
        # Orca stamps its log with the local time of day; in UTC it reads like the test's clock.
        env["TZ"] = "UTC"
        # Orca refuses to start while any other Orca of the same user runs anywhere on the
        # machine, which it asks pgrep. This desktop is a session of its own, so its Orca is
        # given a pgrep that looks only at its own session.
        tools = os.path.join(self.root, "orca-tools")
        os.makedirs(tools, exist_ok=True)
        with open(os.path.join(tools, "pgrep"), "w") as shim:
            shim.write('#!/bin/sh\nexec /usr/bin/pgrep --session 0 "$@"\n')
        os.chmod(os.path.join(tools, "pgrep"), 0o755)
        env["PATH"] = f"{tools}:{env['PATH']}"
        log = os.path.join(self.root, "orca-debug.log")
        orca = self._start("orca", [ORCA, f"--debug-file={log}"], env=env)
        # Orca says it is on only after its listeners are registered, and its log is written
        # through a buffer, so readiness is read from the registry instead.
        query = ["--dest=org.a11y.atspi.Registry", "/org/a11y/atspi/registry",
                 "org.a11y.atspi.Registry.GetRegisteredEvents"]
        deadline = time.monotonic() + timeout
        while "Object:StateChanged:Focused" not in self._bus_call(self.a11y_address, query):
            if orca.poll() is not None or time.monotonic() > deadline:
                raise SessionError(f"Orca registered no listeners within {timeout} s")
            time.sleep(0.1)
        events = os.path.join(self.root, "events.log")
        ready = os.path.join(self.root, "events.ready")
        recorder = self._start("event-recorder", [
            "/usr/bin/python3", os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                             "event_recorder.py"), events, ready])
        while not os.path.exists(ready):
            if recorder.poll() is not None or time.monotonic() > deadline:
                raise SessionError("the event recorder did not start: "
                                   + self.log_text("event-recorder"))
            time.sleep(0.05)
        time.sleep(1.0)  # Orca's own start-up speech
        return ScreenReader(self, orca, log, recorder, events)

    def log_text(self, name):
        try:
            with open(os.path.join(self.root, f"{name}.log"), "rb") as log:
                return log.read().decode(errors="replace")
        except OSError:
            return ""

    def stop_process(self, process):
        for index, (_, started) in enumerate(self._processes):
            if started is process:
                del self._processes[index]
                break
        _stop(process)

    def close(self):
        while self._processes:
            _, process = self._processes.pop()
            _stop(process)
        if not self.keep_logs:
            shutil.rmtree(self.root, ignore_errors=True)

    def __enter__(self):
        try:
            return self.start()
        except BaseException:
            self.close()
            raise

    def __exit__(self, *exc):
        self.close()
        return False


def _stop(process):
    """Ends a process this session started, and then whatever it left behind in its group."""
    if process.poll() is None:
        # The leader alone first, so that it can end and collect the helpers it started.
        process.terminate()
        try:
            process.wait(timeout=3)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait(timeout=3)
    try:
        os.killpg(process.pid, signal.SIGKILL)
    except ProcessLookupError:
        pass


class ScreenReader:
    """Orca and the event recorder beside it. What they saw is read once both have quit: Orca
    writes its log through a buffer, and only a finished log is whole. Every line Orca logs
    carries the time of day, so each utterance and each dropped event is placed in time."""

    _UTTERANCE = re.compile(r"SPEECH OUTPUT: '(.*?)'\s?(\{.*\})?$")
    _BRAILLE = re.compile(r"BRAILLE LINE:  '(.*)'$")
    _KEPT = "saveMessage"  # a notification kept in Orca's list
    _STAMP = re.compile(r"^(\d\d):(\d\d):(\d\d\.\d+) - ")
    # How Orca's event manager says it threw events away.
    _DROPPED = ("due to flood", "due to deluge")

    def __init__(self, session, orca, log, recorder, events):
        self._session = session
        self._orca = orca
        self._log = log
        self._recorder = recorder
        self._events = events
        self.utterances = []  # (seconds since the epoch, text)
        self.braille = []  # (seconds since the epoch, line)
        self.kept = []  # (seconds since the epoch, None): notifications added to Orca's list
        self.dropped = []  # (seconds since the epoch, log line)
        self.events = []  # (seconds since the epoch, event type)

    def stop(self):
        for process in (self._orca, self._recorder):
            self._session.stop_process(process)

    def quit(self):
        """Stops Orca and the recorder, and reads what they saw."""
        self.stop()
        day = datetime.datetime.now(datetime.timezone.utc).replace(
            hour=0, minute=0, second=0, microsecond=0).timestamp()
        when = None
        with open(self._log, errors="replace") as log:
            for line in log:
                stamp = self._STAMP.match(line)
                if stamp:
                    hours, minutes, seconds = stamp.groups()
                    when = day + int(hours) * 3600 + int(minutes) * 60 + float(seconds)
                    if when > time.time() + 3600:  # logged before midnight
                        when -= 86400
                said = self._UTTERANCE.search(line)
                shown = self._BRAILLE.search(line)
                if said:
                    self.utterances.append((when, said.group(1)))
                elif shown:
                    self.braille.append((when, shown.group(1)))
                elif line.startswith(self._KEPT):
                    self.kept.append((when, None))
                elif any(dropped in line for dropped in self._DROPPED):
                    self.dropped.append((when, line.strip()))
        with open(self._events) as events:
            for line in events:
                seconds, event_type = line.split()
                self.events.append((float(seconds), event_type))
