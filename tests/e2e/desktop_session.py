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

import os
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


SETPRIV = "/usr/bin/setpriv"


class SessionError(RuntimeError):
    """The private desktop could not be brought up."""


def missing_tools():
    return [tool for tool in REQUIRED_TOOLS if not os.access(tool, os.X_OK)]


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
    """Xvfb + session bus + accessibility bus + registry, usable as a context manager."""

    def __init__(self, keep_logs=False):
        self.root = tempfile.mkdtemp(prefix="drawlet-e2e-")
        self.keep_logs = keep_logs
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
        env["QT_QPA_PLATFORM"] = "xcb"
        env["QT_ACCESSIBILITY"] = "1"
        return self._start(name, [program], env=env)

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
