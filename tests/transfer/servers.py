"""Real servers on 127.0.0.1 for the transfer tests: an FTP server, an FTP server with TLS and an
SSH server for SFTP, each started and stopped by the test itself, each with its own throw-away
keys and folders, and each stopped after a bounded time even when the test hangs."""

import contextlib
import getpass
import logging
import os
import shutil
import socket
import subprocess
import threading
import time

# A server never outlives a test by more than this.
LIFETIME_SECONDS = 120

USER = "instructor"
PASSWORD = "s3cret-pass"


def _deadline_kill(stop):
    timer = threading.Timer(LIFETIME_SECONDS, stop)
    timer.daemon = True
    timer.start()
    return timer


def _handshake_first(dtp):
    """pyftpdlib closes a data connection that has something to read before the transfer command
    came; a client that secures the data connection at once (TLS ClientHello) lost it so. The
    handshake goes on, and the data waits for the command."""
    if dtp._ssl_accepting or dtp._ssl_want_read:
        return True
    if not dtp.receive and not dtp._initialized and dtp._ssl_established:
        return False
    return super(type(dtp), dtp).readable()


@contextlib.contextmanager
def ftp_server(root, tls=None, read_limit=None, no_size=False):
    """pyftpdlib on 127.0.0.1 with one account whose login folder is `root`. `tls` is a pair of
    certificate and key files; `read_limit` throttles uploads to that many bytes a second;
    `no_size` makes a server that does not know the SIZE command, as some older ones do not."""
    from pyftpdlib.authorizers import DummyAuthorizer
    from pyftpdlib.handlers import FTPHandler, ThrottledDTPHandler, TLS_DTPHandler, TLS_FTPHandler
    from pyftpdlib.ioloop import IOLoop
    from pyftpdlib.servers import FTPServer

    # Quiet unless something goes wrong.
    log = logging.getLogger("pyftpdlib")
    if not log.handlers:
        log.addHandler(logging.NullHandler())
    log.setLevel(logging.ERROR)
    authorizer = DummyAuthorizer()
    authorizer.add_user(USER, PASSWORD, root, perm="elradfmw")
    # A folder the account may list but not write into.
    readonly = os.path.join(root, "readonly")
    os.makedirs(readonly, exist_ok=True)
    authorizer.override_perm(USER, readonly, perm="elr", recursive=True)
    # A folder the account may list and write files into, but not make folders in.
    dropbox = os.path.join(root, "dropbox")
    os.makedirs(dropbox, exist_ok=True)
    authorizer.override_perm(USER, dropbox, perm="elrw", recursive=True)
    base = TLS_FTPHandler if tls else FTPHandler
    handler = type("Handler", (base,), {})
    handler.authorizer = authorizer
    handler.banner = "Defibrio test server ready."
    handler.timeout = 60
    if no_size:
        handler.proto_cmds = {name: info for name, info in base.proto_cmds.items() if name != "SIZE"}
    if tls:
        handler.certfile, handler.keyfile = tls
        handler.dtp_handler = type("HandshakeFirstDTP", (TLS_DTPHandler,), {"readable": _handshake_first})
    if read_limit:
        dtp = type("SlowDTP", (ThrottledDTPHandler,), {})
        dtp.read_limit = read_limit
        handler.dtp_handler = dtp
    # A loop of its own: two servers on pyftpdlib's shared loop would serve each other's sockets.
    server = FTPServer(("127.0.0.1", 0), handler, ioloop=IOLoop())
    port = server.socket.getsockname()[1]
    thread = threading.Thread(target=server.serve_forever, kwargs={"timeout": 0.2}, daemon=True)
    thread.start()
    timer = _deadline_kill(server.close_all)
    try:
        yield port
    finally:
        timer.cancel()
        server.close_all()
        thread.join(10)


def make_certificate(folder):
    """A self-signed certificate for 127.0.0.1 made for this test: (cert, key, SHA-256
    fingerprint as "AB:CD:...")."""
    from OpenSSL import crypto

    key = crypto.PKey()
    key.generate_key(crypto.TYPE_RSA, 2048)
    cert = crypto.X509()
    cert.get_subject().CN = "127.0.0.1"
    cert.set_serial_number(int.from_bytes(os.urandom(8), "big"))
    cert.gmtime_adj_notBefore(-3600)
    cert.gmtime_adj_notAfter(24 * 3600)
    cert.set_issuer(cert.get_subject())
    cert.set_pubkey(key)
    cert.sign(key, "sha256")
    cert_file = os.path.join(folder, "server.crt")
    key_file = os.path.join(folder, "server.key")
    with open(cert_file, "wb") as f:
        f.write(crypto.dump_certificate(crypto.FILETYPE_PEM, cert))
    with open(key_file, "wb") as f:
        f.write(crypto.dump_privatekey(crypto.FILETYPE_PEM, key))
    return cert_file, key_file, cert.digest("sha256").decode()


@contextlib.contextmanager
def refused_port():
    """A port on 127.0.0.1 that refuses connections: bound, never listening, held for the test."""
    sock = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    sock.bind(("127.0.0.1", 0))
    try:
        yield sock.getsockname()[1]
    finally:
        sock.close()


@contextlib.contextmanager
def silent_server():
    """A port on 127.0.0.1 that accepts connections and then never says a word, as a server that
    hangs does."""
    sock = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    sock.bind(("127.0.0.1", 0))
    sock.listen(8)
    try:
        yield sock.getsockname()[1]
    finally:
        sock.close()


def _free_port():
    with socket.socket(socket.AF_INET, socket.SOCK_STREAM) as sock:
        sock.bind(("127.0.0.1", 0))
        return sock.getsockname()[1]


def _run(command, **kwargs):
    subprocess.run(command, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, timeout=30, **kwargs)


def _wait_for_banner(port, process, seconds=15):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if process.poll() is not None:
            return False
        try:
            with socket.create_connection(("127.0.0.1", port), timeout=1) as sock:
                if sock.recv(64).startswith(b"SSH-"):
                    return True
        except OSError:
            time.sleep(0.05)
    return False


@contextlib.contextmanager
def sftp_server(folder, root, subsystem=None):
    """sshd on a high loopback port with its own host key and configuration, never the system's
    service. It lets in the user running the test, by a throw-away key held in an ssh-agent of
    the test's own, into `root` as the login folder. `subsystem` is a command that speaks SFTP
    instead of sshd's own. Yields (port, agent socket, user, host key fingerprint as
    "SHA256:...")."""
    sshd = shutil.which("sshd", path="/usr/sbin:/usr/bin") or "/usr/sbin/sshd"
    state = os.path.join(folder, "ssh")
    os.makedirs(state, exist_ok=True)
    host_key = os.path.join(state, "host_ed25519")
    user_key = os.path.join(state, "user_ed25519")
    for key in (host_key, user_key):
        _run(["ssh-keygen", "-q", "-t", "ed25519", "-N", "", "-f", key])
    shutil.copy(user_key + ".pub", os.path.join(state, "authorized_keys"))
    fingerprint = subprocess.run(["ssh-keygen", "-l", "-E", "sha256", "-f", host_key + ".pub"], check=True,
                                 capture_output=True, text=True, timeout=30).stdout.split()[1]
    if os.geteuid() == 0:
        # Where sshd running as root separates its privileges; the package makes it only when
        # its service starts.
        os.makedirs("/run/sshd", mode=0o755, exist_ok=True)
    config = os.path.join(state, "sshd_config")
    agent_socket = os.path.join(state, "agent.sock")
    agent = subprocess.Popen(["ssh-agent", "-D", "-a", agent_socket], stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL)
    server = None
    timer = None
    try:
        end = time.monotonic() + 10
        while not os.path.exists(agent_socket) and time.monotonic() < end:
            time.sleep(0.02)
        _run(["ssh-add", user_key], env=dict(os.environ, SSH_AUTH_SOCK=agent_socket))
        for _attempt in range(5):
            port = _free_port()
            with open(config, "w") as f:
                f.write(f"""ListenAddress 127.0.0.1
Port {port}
HostKey {host_key}
PidFile none
AuthorizedKeysFile {state}/authorized_keys
PubkeyAuthentication yes
PasswordAuthentication no
KbdInteractiveAuthentication no
UsePAM no
StrictModes no
PermitRootLogin prohibit-password
AllowUsers {getpass.getuser()}
LogLevel ERROR
""")
                f.write(f"Subsystem sftp {subsystem}\n" if subsystem else
                        f"Subsystem sftp internal-sftp -d {root}\nForceCommand internal-sftp -d {root}\n")
            # Its complaints go to a file: a pipe nobody reads would stop it once full.
            with open(os.path.join(state, "sshd.log"), "ab") as log:
                server = subprocess.Popen([sshd, "-D", "-e", "-f", config], stdout=subprocess.DEVNULL, stderr=log)
            if _wait_for_banner(port, server):
                break
            server.kill()
            server.wait(10)
            server = None
        if server is None:
            raise RuntimeError("the test's sshd did not start")
        timer = _deadline_kill(server.kill)
        yield port, agent_socket, getpass.getuser(), fingerprint
    finally:
        if timer:
            timer.cancel()
        for process in (server, agent):
            if process and process.poll() is None:
                process.terminate()
                try:
                    process.wait(10)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait(10)
