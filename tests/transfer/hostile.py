"""Hostile servers on 127.0.0.1 for the transfer tests, each misbehaving in one way: FTP servers
that refuse or fail the upload, fall silent, drop the connection or let someone else catch an
active-mode data connection, and servers that answer with garbage or an endless banner. Each
runs in threads of the test's runner and is stopped with the test, after
servers.LIFETIME_SECONDS at the latest, and no connection is held longer than HOLD_SECONDS."""

import contextlib
import os
import re
import socket
import threading

import servers

HOLD_SECONDS = 60

# The ways an FTP server misbehaves, one port each:
FTP_MODES = (
    "storerefused",   # STOR answered 553 at once
    "storefailed",    # STOR 150, the data taken, then 451 instead of 226
    "no226",          # STOR 150, the data taken, then silence
    "stallstor",      # no answer to STOR
    "drop",           # STOR 150, then both connections closed after 64 KB
    "activeforeign",  # active mode: the data connection comes from 127.0.0.2
    "activenever",    # active mode: STOR 150, and no data connection ever comes
    "tlsstall",       # AUTH TLS answered 234, then no TLS handshake
)
# Servers that are no server: junk at once, or an endless banner of 220- lines.
RAW_MODES = ("garbage", "banner")

GARBAGE = b"\x16\x03\x01\x02\x00garbage \xff\xfe\x1b[2J\r\n999 \x01\x02 not what a client expects\r\n"
BANNER_LINE = b"220-Welcome " + b"x" * 500 + b"\r\n"
BANNER_BYTES = 8 * 1024 * 1024


class _Server:
    """A listening socket on 127.0.0.1 that serves each connection in a thread of its own."""

    def __init__(self, serve):
        self._serve = serve
        self._sock = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        self._sock.bind(("127.0.0.1", 0))
        self._sock.listen(16)
        self._sock.settimeout(0.2)
        self.port = self._sock.getsockname()[1]
        self._lock = threading.Lock()
        self._open = set()
        self._threads = []
        self._stopping = threading.Event()
        self._thread = threading.Thread(target=self._accept, daemon=True)
        self._thread.start()

    def track(self, sock):
        with self._lock:
            self._open.add(sock)
        sock.settimeout(HOLD_SECONDS)
        return sock

    def _accept(self):
        while not self._stopping.is_set():
            try:
                conn, _ = self._sock.accept()
            except socket.timeout:
                continue
            except OSError:
                break
            thread = threading.Thread(target=self._run, args=(self.track(conn),), daemon=True)
            self._threads.append(thread)
            thread.start()

    def _run(self, conn):
        try:
            self._serve(conn, self)
        except OSError:
            pass
        finally:
            conn.close()

    def stop(self):
        self._stopping.set()
        self._thread.join(5)
        self._sock.close()
        with self._lock:
            for sock in self._open:
                with contextlib.suppress(OSError):
                    sock.shutdown(socket.SHUT_RDWR)
        for thread in self._threads:
            thread.join(5)


def _hold(conn):
    """Keeps a connection without a word until the client leaves."""
    with contextlib.suppress(OSError):
        while conn.recv(65536):
            pass


def _receive(sock, limit=None):
    got = 0
    data = bytearray()
    while limit is None or got < limit:
        chunk = sock.recv(65536)
        if not chunk:
            break
        got += len(chunk)
        data += chunk
    return bytes(data)


def _raw(mode):
    def serve(conn, _server):
        if mode == "garbage":
            conn.sendall(GARBAGE)
        else:
            sent = 0
            while sent < BANNER_BYTES:
                conn.sendall(BANNER_LINE)
                sent += len(BANNER_LINE)
        _hold(conn)
    return serve


def _ftp(mode, folder):
    """An FTP server that takes any login and misbehaves at STOR as `mode` says. Whatever a
    stranger catches of an active-mode upload is kept in `folder`/stolen-MODE."""

    def serve(conn, server):
        lines = conn.makefile("rb")

        def reply(text):
            conn.sendall(text.encode() + b"\r\n")

        reply("220 Defibrio hostile test server")
        listener = None
        target = None
        while True:
            line = lines.readline(4096)
            if not line:
                return
            verb, _, argument = line.decode("latin-1").strip().partition(" ")
            verb = verb.upper()
            if verb == "AUTH":
                if mode != "tlsstall":
                    reply("502 No TLS here")
                    continue
                reply("234 Proceed with the handshake")
                _hold(conn)
                return
            if verb == "USER":
                reply("331 Password, please")
            elif verb == "PASS":
                reply("230 Logged in")
            elif verb == "PWD":
                reply('257 "/" is the current folder')
            elif verb in ("CWD", "TYPE", "MODE", "STRU"):
                reply("250 OK" if verb == "CWD" else "200 OK")
            elif verb in ("EPSV", "PASV"):
                listener = server.track(socket.socket(socket.AF_INET, socket.SOCK_STREAM))
                listener.bind(("127.0.0.1", 0))
                listener.listen(1)
                port = listener.getsockname()[1]
                if verb == "EPSV":
                    reply(f"229 Entering Extended Passive Mode (|||{port}|)")
                else:
                    reply(f"227 Entering Passive Mode (127,0,0,1,{port >> 8},{port & 255})")
            elif verb == "EPRT":
                parts = argument.split(argument[:1]) if argument else []
                target = (parts[2], int(parts[3])) if len(parts) > 3 else None
                reply("200 OK")
            elif verb == "PORT":
                numbers = [int(n) for n in re.findall(r"\d+", argument)]
                target = (".".join(map(str, numbers[:4])), numbers[4] * 256 + numbers[5]) if len(numbers) == 6 else None
                reply("200 OK")
            elif verb == "STOR":
                if not store(conn, server, reply, listener, target):
                    return
                listener = None
            elif verb == "QUIT":
                reply("221 Goodbye")
                return
            else:
                reply("502 Not here")

    def data_connection(server, listener, target):
        if listener is not None:
            data, _ = listener.accept()
            listener.close()
            return server.track(data)
        return server.track(socket.create_connection(target, timeout=HOLD_SECONDS))

    def store(conn, server, reply, listener, target):
        """False when the control connection is to end."""
        if mode == "storerefused":
            reply("553 Could not create the file: permission denied")
            return True
        if mode == "stallstor":
            _hold(conn)
            return False
        reply("150 Ready for the data")
        if mode == "activenever":
            _hold(conn)
            return False
        if mode == "activeforeign":
            stranger = server.track(socket.socket(socket.AF_INET, socket.SOCK_STREAM))
            stranger.bind(("127.0.0.2", 0))
            stranger.connect(target)
            caught = _receive(stranger)
            if caught:
                with open(os.path.join(folder, "stolen-" + mode), "wb") as f:
                    f.write(caught)
            _hold(conn)
            return False
        data = data_connection(server, listener, target)
        if mode == "drop":
            _receive(data, 64 * 1024)
            data.close()
            return False
        _receive(data)
        data.close()
        if mode == "storefailed":
            reply("451 Could not write the file: the disk is full")
            return True
        _hold(conn)
        return False

    return serve


@contextlib.contextmanager
def hostile_servers(folder):
    """Starts every hostile server; yields {mode: port}. Stolen data lands in `folder`."""
    started = {}
    try:
        for mode in FTP_MODES:
            started[mode] = _Server(_ftp(mode, folder))
        for mode in RAW_MODES:
            started[mode] = _Server(_raw(mode))
        timer = threading.Timer(servers.LIFETIME_SECONDS, lambda: [s.stop() for s in started.values()])
        timer.daemon = True
        timer.start()
        try:
            yield {mode: server.port for mode, server in started.items()}
        finally:
            timer.cancel()
    finally:
        for server in started.values():
            server.stop()


def stolen(folder):
    """What strangers caught of an upload: the names of the files they kept."""
    return sorted(name for name in os.listdir(folder) if name.startswith("stolen-"))
