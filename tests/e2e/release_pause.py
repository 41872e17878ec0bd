# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""A display in front of the private X server that hands a program each key release on its own.

The X server's key repeat sends a release and then a press for every repeat, and writes them one
at a time; a toolkit that tells a repeat from the real release by looking for the press behind
it is fooled whenever it reads the release before the press has come. On a real desktop that
happens now and then, depending on timing. Through this display it happens every time: every
byte is passed on unchanged, but after a key release the stream pauses a moment, so the program
reads and handles that release before anything the server sent after it.
"""

import socket
import struct
import threading
import time

PAUSE_SECONDS = 0.005
KEY_RELEASE = 3
REPLY = 1
GENERIC_EVENT = 35  # the two kinds of message longer than 32 bytes


class ReleasePause:
    def __init__(self, display):
        """`display` is the X server's, ":N"; the new one is in `self.display`."""
        self._server = f"/tmp/.X11-unix/X{display.lstrip(':').split('.')[0]}"
        self._listener = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        # An abstract socket, which the X libraries try first: no file is left behind.
        for number in range(900, 1000):
            try:
                self._listener.bind(f"\0/tmp/.X11-unix/X{number}")
                break
            except OSError:
                continue
        else:
            raise OSError("no free display number between 900 and 999")
        self.display = f":{number}"
        self._listener.listen(16)
        threading.Thread(target=self._accept, daemon=True).start()

    def close(self):
        self._listener.close()

    def _accept(self):
        while True:
            try:
                client, _ = self._listener.accept()
            except OSError:  # closed
                return
            server = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
            server.connect(self._server)
            threading.Thread(target=_pass_on, args=(client, server), daemon=True).start()
            threading.Thread(target=_pass_on_pausing, args=(server, client), daemon=True).start()


def _close(*sockets):
    for end in sockets:
        try:
            end.shutdown(socket.SHUT_RDWR)
        except OSError:
            pass


def _pass_on(source, sink):
    try:
        while chunk := source.recv(65536):
            sink.sendall(chunk)
    except OSError:
        pass
    _close(source, sink)


def _pass_on_pausing(server, client):
    """The server's messages, split at their boundaries (little-endian, as the clients here
    ask): the connection setup, then 32-byte events and errors, and replies and generic events
    with their length in 4-byte units at byte 4."""
    pending = b""
    set_up = False
    try:
        while chunk := server.recv(65536):
            pending += chunk
            out = b""
            while True:
                if not set_up:
                    size = 8 + 4 * struct.unpack_from("<H", pending, 6)[0] if len(
                        pending) >= 8 else None
                elif len(pending) >= 32:
                    kind = pending[0] & 0x7F
                    size = 32 + (4 * struct.unpack_from("<I", pending, 4)[0]
                                 if kind in (REPLY, GENERIC_EVENT) else 0)
                else:
                    size = None
                if size is None or len(pending) < size:
                    break
                message, pending = pending[:size], pending[size:]
                out += message
                if set_up and message[0] & 0x7F == KEY_RELEASE:
                    client.sendall(out)
                    out = b""
                    time.sleep(PAUSE_SECONDS)
                set_up = True
            client.sendall(out)
    except OSError:
        pass
    _close(server, client)
