#!/usr/bin/env python3
"""A console against a real station: defibrio-sim serving a running scenario on 127.0.0.1.

test_station.py SIM SCRIPT WORK: starts SIM on SCRIPT (which says `station 0 123456`) in WORK,
joins it with the Python WebSocket client, checks the status, the events, the commands and every
refusal of HACKING.md's "What a station refuses", and that the scenario ran on meanwhile.
"""
import asyncio
import json
import os
import re
import shutil
import subprocess
import sys
import time
import traceback

import websockets

CODE = "123456"
TIMEOUT = 10


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


class Sim:
    """defibrio-sim on a script, its output read line by line on a thread of asyncio's."""

    def __init__(self, sim, script, work):
        shutil.rmtree(work, ignore_errors=True)
        os.makedirs(work)
        self.process = subprocess.Popen([sim, script], cwd=work, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                                        text=True)
        self.lines = []
        self.port = None
        deadline = time.monotonic() + TIMEOUT
        while time.monotonic() < deadline:
            line = self.process.stdout.readline()
            if not line:
                break
            self.lines.append(line.rstrip("\n"))
            found = re.fullmatch(r"station 127\.0\.0\.1:(\d+) code (\d{6})", self.lines[-1])
            if found:
                check(found.group(2) == CODE, "the station says code " + found.group(2))
                self.port = int(found.group(1))
                break
        if self.port is None:
            self.process.kill()
            raise Failure("no station line from defibrio-sim: %r %r" % (self.lines, self.process.stderr.read()))
        self.uri = "ws://127.0.0.1:%d" % self.port

    def finish(self):
        """Ends the sim (its script waits long) and returns what it printed."""
        self.process.terminate()
        try:
            out, err = self.process.communicate(timeout=TIMEOUT)
        except subprocess.TimeoutExpired:
            self.process.kill()
            out, err = self.process.communicate()
        return self.lines + out.splitlines(), err


async def connect(sim):
    return await asyncio.wait_for(websockets.connect(sim.uri, max_size=None, ping_interval=None), TIMEOUT)


async def receive(ws):
    return json.loads(await asyncio.wait_for(ws.recv(), TIMEOUT))


async def until(ws, kind, seen=None):
    """The next message of type `kind`; the status and events on the way are kept in `seen`."""
    while True:
        message = await receive(ws)
        if seen is not None:
            seen.append(message)
        if message["type"] == kind:
            return message


async def refused_and_closed(ws, reason=None):
    """The station answers `refused` (with `reason`) and closes the connection."""
    message = await until(ws, "refused")
    if reason is not None:
        check(message.get("reason") == reason, "refused %r, not %r" % (message.get("reason"), reason))
    try:
        while True:
            extra = await asyncio.wait_for(ws.recv(), TIMEOUT)
            check(False, "a message after refused: " + extra)
    except websockets.ConnectionClosed:
        pass
    return message


async def closed(ws):
    try:
        while True:
            await asyncio.wait_for(ws.recv(), TIMEOUT)
    except websockets.ConnectionClosed:
        return True


async def join(sim, code=CODE, protocol=1):
    ws = await connect(sim)
    await ws.send(json.dumps({"type": "join", "code": code, "protocol": protocol, "console": "test"}))
    return ws


async def command(ws, number, name, **fields):
    await ws.send(json.dumps(dict({"type": "command", "id": number, "command": name}, **fields)))
    seen = []
    while True:
        message = await until(ws, "result", seen)
        if message.get("id") == number:
            return message, seen


async def status_where(ws, test):
    while True:
        message = await until(ws, "status")
        if test(message):
            return message


async def console_session(sim):
    # The right code: joined, then the status and every event so far.
    ws = await join(sim)
    joined = await receive(ws)
    check(joined == {"type": "joined", "station": "defibrio-sim", "protocol": 1}, "joined: %r" % joined)
    seen = []
    status = await until(ws, "status", seen)
    for field in ("station", "trainee", "mode", "phase", "scenario", "time", "step", "score", "cprFraction",
                  "handsOff", "shocks", "trouble", "troubleNext", "frame", "frames", "power"):
        check(field in status, "the status lacks " + field)
    check(status["trainee"] == "Pat" and status["mode"] == "practice", "status: %r" % status)
    check(status["phase"] == "running", "the scenario runs: %r" % status["phase"])
    events = [m for m in seen if m["type"] == "event"] or [await until(ws, "event", seen)]
    check(events[0]["index"] == 0, "the first event has index 0: %r" % events[0])
    check([e["index"] for e in events] == list(range(len(events))), "the events in order: %r" % events)
    # The scenario's clock moves on in real time.
    later = await status_where(ws, lambda s: s["time"] > status["time"])
    check(later["time"] > status["time"], "the time stands")

    # A second console while one is joined.
    second = await join(sim)
    await refused_and_closed(second, "another console has joined")

    # Malformed JSON, an unknown type, an unknown command from the joined console: error, and
    # the connection stays.
    for text in ("{not json", json.dumps({"type": "dance"}), json.dumps({"no": "type"}),
                 json.dumps({"type": "command", "id": 7, "command": "fly"})):
        await ws.send(text)
        message = await until(ws, "error") if "fly" not in text else None
        if message is None:
            message = await until(ws, "result")
            check(message.get("ok") in (False, None) or message["type"] == "error", "fly: %r" % message)
        else:
            check(message.get("reason"), "an error without a reason")
    # A binary frame is no message of the protocol either.
    await ws.send(b"\x00\x01")
    await until(ws, "error")

    # Before joining: malformed, an unknown type, a command first, protocol 2, a wrong code.
    for text, reason in (("{not json", None), (json.dumps({"type": "dance"}), None),
                         (json.dumps({"type": "command", "id": 1, "command": "pause"}), "join first")):
        other = await connect(sim)
        await other.send(text)
        await refused_and_closed(other, reason)
    other = await join(sim, protocol=2)
    await refused_and_closed(other)
    other = await join(sim, code="000000")
    await refused_and_closed(other, "wrong code")

    # Over 64 KiB: in one frame, in fragments; far over it, Qt closes before reading it whole.
    long_text = json.dumps({"type": "join", "code": CODE, "protocol": 1, "console": "x" * (70 * 1024)})
    other = await connect(sim)
    await other.send(long_text)
    await refused_and_closed(other, "message too long")
    other = await connect(sim)
    await other.send(iter([long_text[i:i + 8192] for i in range(0, len(long_text), 8192)]))
    await refused_and_closed(other, "message too long")
    other = await connect(sim)
    try:
        await other.send("x" * (4 * 1024 * 1024))
    except websockets.ConnectionClosed:
        pass
    check(await closed(other), "a 4 MiB frame is not refused")
    # 1009 from Qt, or 1006 where the close came while the console was still sending.
    check(other.close_code in (1009, 1006), "a 4 MiB frame closes with %r" % other.close_code)

    # The commands, with their results; the scenario goes on.
    result, _ = await command(ws, 1, "pause")
    check(result == {"type": "result", "id": 1, "ok": True}, "pause: %r" % result)
    await status_where(ws, lambda s: s["phase"] == "paused")
    result, _ = await command(ws, 2, "pause")
    check(result["ok"] is False and result.get("reason"), "pause twice: %r" % result)
    result, _ = await command(ws, 3, "resume")
    check(result["ok"] is True, "resume: %r" % result)
    await status_where(ws, lambda s: s["phase"] == "running")
    result, _ = await command(ws, 4, "message", text="Check the pads")
    check(result["ok"] is True, "message: %r" % result)
    result, seen = await command(ws, 5, "end")
    check(result["ok"] is True, "end: %r" % result)
    ended = await status_where(ws, lambda s: s["phase"] == "ended")
    result, seen = await command(ws, 6, "pause")
    check(result["ok"] is False and result.get("reason"), "pause after the end: %r" % result)

    # A flood: more than 100 messages within a second.
    for i in range(150):
        try:
            await ws.send(json.dumps({"type": "dance", "n": i}))
        except websockets.ConnectionClosed:
            break
    await refused_and_closed(ws, "too many messages")

    # The console gone, another may join.
    again = await join(sim)
    check((await receive(again))["type"] == "joined", "no join after the console left")
    await again.close()
    return ended


async def lock_session(sim):
    for attempt in range(5):
        ws = await join(sim, code="%06d" % attempt)
        await refused_and_closed(ws, "wrong code")
    ws = await join(sim)
    await refused_and_closed(ws, "locked: too many wrong codes")


async def silent_join(sim):
    """A console that joins over a bare TCP connection and then never answers a ping, as one whose
    network went silent without closing anything."""
    import base64
    reader, writer = await asyncio.open_connection("127.0.0.1", sim.port)
    key = base64.b64encode(os.urandom(16)).decode()
    writer.write(("GET / HTTP/1.1\r\nHost: 127.0.0.1:%d\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
                  "Sec-WebSocket-Key: %s\r\nSec-WebSocket-Version: 13\r\n\r\n" % (sim.port, key)).encode())
    response = await asyncio.wait_for(reader.readuntil(b"\r\n\r\n"), TIMEOUT)
    check(b" 101 " in response.split(b"\r\n")[0], "no WebSocket handshake: %r" % response)
    payload = json.dumps({"type": "join", "code": CODE, "protocol": 1}).encode()
    mask = os.urandom(4)
    writer.write(bytes([0x81, 0x80 | len(payload)]) + mask + bytes(b ^ mask[i % 4] for i, b in enumerate(payload)))
    await writer.drain()
    return reader, writer


async def silent_session(sim):
    reader, writer = await silent_join(sim)
    await asyncio.sleep(0.5)
    second = await join(sim)
    await refused_and_closed(second, "another console has joined")
    # The station pings every 5 s and lets go of a console it has not heard for 15 s.
    started = time.monotonic()
    while True:
        ws = await join(sim)
        answer = await receive(ws)
        if answer["type"] == "joined":
            break
        check(answer.get("reason") == "another console has joined", "refused: %r" % answer)
        check(time.monotonic() - started < 25, "the silent console still holds the station after 25 s")
        await closed(ws)
        await asyncio.sleep(1)
    waited = time.monotonic() - started
    check(waited > 9, "the silent console was let go after only %.1f s" % waited)
    await ws.close()
    writer.close()


def scenario_ran_on(lines, folder):
    """None when the trainee saw what the console did, in the order it did it, and the ended
    scenario is in the practice record; else what is wrong."""
    def first(pattern):
        return next((i for i, line in enumerate(lines) if re.fullmatch(pattern, line)), None)
    paused = first(r'\d+ MainMSGDisplay "  Select PAUSE under the FILE menu to continue\."')
    message = first(r'\d+ MainMSGDisplay "Instructor: Check the pads"')
    ended = first(r'\d+ Errors ".*"')
    if None in (paused, message, ended) or not paused < message < ended:
        return "the pause, the message and the end are not in the output in order: %r" % lines
    times = [int(line.split()[0]) for line in lines if re.match(r"\d+ ", line)]
    if times != sorted(times):
        return "the scenario's clock went back: %r" % lines
    try:
        with open(os.path.join(folder, "AEDPRAC.TXT"), encoding="latin-1") as record:
            if not record.read().startswith("Pat "):
                return "the practice record does not hold the scenario"
    except OSError as error:
        return "no practice record: %s" % error
    return None


def main():
    sim_path, script, work = (os.path.abspath(a) for a in sys.argv[1:4])
    failures = 0
    for name, session in (("console", console_session), ("lock", lock_session), ("silent", silent_session)):
        sim = Sim(sim_path, script, os.path.join(work, name))
        try:
            asyncio.run(asyncio.wait_for(session(sim), 60))
            outcome = None
        except (Failure, asyncio.TimeoutError, websockets.WebSocketException, OSError) as error:
            outcome = "%s: %s\n%s" % (type(error).__name__, error, traceback.format_exc())
        lines, err = sim.finish()
        with open(os.path.join(work, name, "output.txt"), "w") as output:
            output.write("\n".join(lines) + "\n")
        if outcome is None and name == "console":
            outcome = scenario_ran_on(lines, os.path.join(work, name))
        if outcome:
            failures += 1
            print("FAIL %s: %s\n%s" % (name, outcome, err), file=sys.stderr)
        else:
            print("ok %s" % name)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
