#!/usr/bin/python3
"""An SFTP subsystem (version 3) for the test's own sshd that misbehaves as the name of the file
it is asked to open says, so that one server plays every case:

  stall-open.txt      never answers the OPEN
  garbage-open.txt    answers the OPEN with a packet of no SFTP type
  write-fails.txt     answers the first WRITE with a failure
  stall-write.txt     never answers a WRITE
  exit-mid-write.txt  ends the session at the first WRITE
  stall-close.txt     never answers the CLOSE
  close-fails.txt     takes every WRITE, then answers the CLOSE with a failure

Any other name is stored in the folder named on the command line, as a server should. It says
nothing on its error output, which would reach the client."""

import os
import struct
import sys

SSH_FXP_INIT, SSH_FXP_VERSION = 1, 2
SSH_FXP_OPEN, SSH_FXP_CLOSE, SSH_FXP_WRITE = 3, 4, 6
SSH_FXP_STATUS, SSH_FXP_HANDLE = 101, 102
FX_OK, FX_FAILURE, FX_OP_UNSUPPORTED = 0, 4, 8

incoming = sys.stdin.buffer
outgoing = sys.stdout.buffer


def read(count):
    data = incoming.read(count)
    if len(data) < count:
        sys.exit(0)
    return data


def send(kind, payload):
    outgoing.write(struct.pack(">IB", len(payload) + 1, kind) + payload)
    outgoing.flush()


def string(data):
    return struct.pack(">I", len(data)) + data


def take_string(data, at):
    length = struct.unpack_from(">I", data, at)[0]
    return data[at + 4:at + 4 + length], at + 4 + length


def status(request, code, message):
    send(SSH_FXP_STATUS, struct.pack(">II", request, code) + string(message) + string(b""))


def stall():
    """Reads on without an answer until the client leaves."""
    while incoming.read1(65536):
        pass
    sys.exit(0)


def main():
    folder = sys.argv[1]
    behaviour = ""
    stored = None
    while True:
        length = struct.unpack(">I", read(4))[0]
        body = read(length)
        kind, request = body[0], struct.unpack_from(">I", body, 1)[0] if len(body) >= 5 else 0
        if kind == SSH_FXP_INIT:
            send(SSH_FXP_VERSION, struct.pack(">I", 3))
        elif kind == SSH_FXP_OPEN:
            name, _ = take_string(body, 5)
            base = os.path.basename(name.decode("utf-8", "replace"))
            behaviour = base.rsplit(".", 1)[0]
            if behaviour == "stall-open":
                stall()
            if behaviour == "garbage-open":
                outgoing.write(struct.pack(">IB", 5, 0xEE) + struct.pack(">I", request))
                outgoing.flush()
                stall()
            stored = open(os.path.join(folder, base), "wb")
            send(SSH_FXP_HANDLE, struct.pack(">I", request) + string(b"handle-1"))
        elif kind == SSH_FXP_WRITE:
            _handle, at = take_string(body, 5)
            offset = struct.unpack_from(">Q", body, at)[0]
            data, _ = take_string(body, at + 8)
            if behaviour == "exit-mid-write":
                os._exit(0)
            if behaviour == "stall-write":
                stall()
            if behaviour == "write-fails":
                status(request, FX_FAILURE, b"No room left on the disk")
                continue
            stored.seek(offset)
            stored.write(data)
            status(request, FX_OK, b"")
        elif kind == SSH_FXP_CLOSE:
            if behaviour == "stall-close":
                stall()
            if stored:
                stored.close()
                stored = None
            if behaviour == "close-fails":
                status(request, FX_FAILURE, b"The file could not be closed")
            else:
                status(request, FX_OK, b"")
        else:
            status(request, FX_OP_UNSUPPORTED, b"Not here")


if __name__ == "__main__":
    try:
        main()
    except (BrokenPipeError, ConnectionResetError):
        pass
