#!/usr/bin/python3
"""Runs a transfer test against real servers it starts on 127.0.0.1 and stops again.

  run_transfer.py --sim defibrio-sim --case CASE.sim --work DIR [--regen]
      Runs the script in a fresh program directory (with CASE.given/ copied in) and compares
      its output with CASE.out, then checks what arrived on the servers.
  run_transfer.py --servers ftp,slowftp --work DIR -- COMMAND ...
      Runs a test program with the servers' ports and folders in its environment.

A script names the servers it needs and what must arrive in its header:
  # servers: ftp ftps sftp refused nosizeftp
  # arrives: reports/bin.txt binary        (equal to AEDTEST.TXT byte for byte)
  # arrives: ascii.txt ascii               (AEDTEST.TXT with its line ends as the server's)
  # arrives: reports/x_details.txt binary AEDTEST2.TXT    (equal to that file of the program)
  # absent: missing/Aedtest.txt            (no file or folder of that name)
  # unchanged: reports/class.txt           (still as CASE.server/ gave it)
Files the server holds before the script runs go in CASE.server/. A name with blanks is written
in quotes. In the script and in CASE.out, @FTP_PORT@, @FTPS_PORT@, @SFTP_PORT@, @SLOWFTP_PORT@,
@NOSIZEFTP_PORT@, @REFUSED_PORT@, @SILENT_PORT@, @SSH_USER@, @FTPS_FINGERPRINT@ and
@SFTP_FINGERPRINT@ stand for this run's values. The hostile servers (servers: hostile, hostilesftp;
see hostile.py and hostile_sftp.py) add @HOSTILE_MODE_PORT@ for each of their modes and
@HOSTILESFTP_PORT@ with @HOSTILESFTP_FINGERPRINT@. A run fails when a stranger caught any part of
an upload."""

import argparse
import contextlib
import difflib
import os
import re
import shlex
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import hostile  # noqa: E402
import servers  # noqa: E402

SCRIPT_TIMEOUT = 100


def header(script, key):
    values = []
    for line in script.splitlines():
        match = re.match(r"#\s*" + key + r":\s*(.*)", line)
        if match:
            values.append(shlex.split(match.group(1)))
    return values


@contextlib.contextmanager
def started(kinds, work):
    """Starts the servers named; yields the placeholders with their values and the environment
    for a test program."""
    root = os.path.join(work, "server")
    os.makedirs(os.path.join(root, "reports"), exist_ok=True)
    values = {}
    env = {"DEFIB_TEST_SERVER_ROOT": root, "DEFIB_TEST_USER": servers.USER,
           "DEFIB_TEST_PASSWORD": servers.PASSWORD}
    with contextlib.ExitStack() as stack:
        if "ftp" in kinds:
            values["@FTP_PORT@"] = str(stack.enter_context(servers.ftp_server(root)))
        if "slowftp" in kinds:
            values["@SLOWFTP_PORT@"] = str(stack.enter_context(servers.ftp_server(root, read_limit=256 * 1024)))
        if "nosizeftp" in kinds:
            values["@NOSIZEFTP_PORT@"] = str(stack.enter_context(servers.ftp_server(root, no_size=True)))
        if "ftps" in kinds:
            cert, key, fingerprint = servers.make_certificate(work)
            values["@FTPS_PORT@"] = str(stack.enter_context(servers.ftp_server(root, tls=(cert, key))))
            values["@FTPS_FINGERPRINT@"] = fingerprint
        for kind in ("sftp", "hostilesftp"):
            if kind not in kinds:
                continue
            if "SSH_AUTH_SOCK" in env:
                raise RuntimeError("one run holds one ssh server")
            subsystem = None
            if kind == "hostilesftp":
                subsystem = f"{sys.executable} {os.path.join(os.path.dirname(os.path.abspath(__file__)), 'hostile_sftp.py')} {root}"
            port, agent, user, fingerprint = stack.enter_context(servers.sftp_server(work, root, subsystem))
            values[f"@{kind.upper()}_PORT@"] = str(port)
            values["@SSH_USER@"] = user
            values[f"@{kind.upper()}_FINGERPRINT@"] = fingerprint
            env["SSH_AUTH_SOCK"] = agent
        if "hostile" in kinds:
            for mode, port in stack.enter_context(hostile.hostile_servers(work)).items():
                values[f"@HOSTILE_{mode.upper()}_PORT@"] = str(port)
        if "silent" in kinds:
            values["@SILENT_PORT@"] = str(stack.enter_context(servers.silent_server()))
        if "refused" in kinds:
            values["@REFUSED_PORT@"] = str(stack.enter_context(servers.refused_port()))
        for name, value in values.items():
            env["DEFIB_TEST_" + name.strip("@")] = value
        yield values, env


def with_placeholders(text, values):
    for name, value in values.items():
        if name.endswith("PORT@"):
            text = re.sub(r"(\bport |:)" + re.escape(value) + r"\b", lambda m: m.group(1) + name, text)
        elif name == "@SSH_USER@":
            text = text.replace('user \\"' + value + '\\"', 'user \\"' + name + '\\"')
        else:
            text = text.replace(value, name)
    return text


def network_text(data):
    return re.sub(rb"\r\n|\r|\n", b"\r\n", data)


def ascii_copy(data):
    return re.sub(rb"\r\n|\r|\n", b"\n", data)


def check_arrivals(script, program, root, server_given):
    problems = []
    for fields in header(script, "arrives"):
        name, mode = fields[:2]
        local = fields[2] if len(fields) > 2 else "AEDTEST.TXT"
        with open(os.path.join(program, local), "rb") as f:
            sent = f.read()
        path = os.path.join(root, name)
        if not os.path.exists(path):
            problems.append(f"{name} did not arrive")
            continue
        with open(path, "rb") as f:
            got = f.read()
        # ASCII goes over the wire with CR LF line ends; the server may keep them or store its own.
        wanted = [sent] if mode == "binary" else [network_text(sent), ascii_copy(sent)]
        if got not in wanted:
            problems.append(f"{name} arrived as {len(got)} bytes, not the {len(wanted[0])} bytes expected ({mode})")
    for (name,) in header(script, "absent"):
        if os.path.lexists(os.path.join(root, name)):
            problems.append(f"{name} arrived, but should not have")
    for (name,) in header(script, "unchanged"):
        with open(os.path.join(server_given, name), "rb") as f:
            given = f.read()
        path = os.path.join(root, name)
        if not os.path.exists(path):
            problems.append(f"{name} is gone from the server")
            continue
        with open(path, "rb") as f:
            if f.read() != given:
                problems.append(f"{name} was changed on the server")
    return problems


def run_case(args):
    case = os.path.abspath(args.case)
    name = os.path.splitext(os.path.basename(case))[0]
    folder = os.path.dirname(case)
    shutil.rmtree(args.work, ignore_errors=True)
    program = os.path.join(args.work, "program")
    os.makedirs(program)
    given = os.path.join(folder, name + ".given")
    if os.path.isdir(given):
        shutil.copytree(given, program, dirs_exist_ok=True)
    with open(case) as f:
        script = f.read()
    kinds = [kind for line in header(script, "servers") for kind in line]
    server_given = os.path.join(folder, name + ".server")
    with started(kinds, args.work) as (values, env):
        if os.path.isdir(server_given):
            shutil.copytree(server_given, os.path.join(args.work, "server"), dirs_exist_ok=True)
        concrete = script
        for placeholder, value in values.items():
            concrete = concrete.replace(placeholder, value)
        result = subprocess.run([os.path.abspath(args.sim)], input=concrete, capture_output=True, text=True, cwd=program,
                                timeout=SCRIPT_TIMEOUT, env=dict(os.environ, **env))
    output = with_placeholders(result.stdout, values)
    if result.returncode != 0:
        print(f"defibrio-sim exited with {result.returncode}:\n{result.stderr}{output}")
        return 1
    expected_file = os.path.join(folder, name + ".out")
    if args.regen:
        with open(expected_file, "w") as f:
            f.write(output)
        print(f"wrote {expected_file}")
    else:
        with open(expected_file) as f:
            expected = f.read()
        if expected != output:
            sys.stdout.writelines(difflib.unified_diff(expected.splitlines(True), output.splitlines(True),
                                                       name + ".out", "actual"))
            return 1
    problems = check_arrivals(script, program, os.path.join(args.work, "server"), server_given)
    problems += [f"a stranger caught part of an upload ({name})" for name in hostile.stolen(args.work)]
    for problem in problems:
        print(problem)
    return 1 if problems else 0


def run_program(args):
    shutil.rmtree(args.work, ignore_errors=True)
    os.makedirs(args.work)
    with started(args.servers.split(","), args.work) as (_values, env):
        command = [os.path.abspath(args.command[0])] + args.command[1:]
        result = subprocess.run(command, timeout=SCRIPT_TIMEOUT, env=dict(os.environ, **env),
                                cwd=args.work)
    # The servers have stopped: whatever a stranger caught is on disk.
    caught = hostile.stolen(args.work)
    for name in caught:
        print(f"a stranger caught part of an upload ({name})")
    return result.returncode or (1 if caught else 0)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--sim")
    parser.add_argument("--case")
    parser.add_argument("--servers")
    parser.add_argument("--work", required=True)
    parser.add_argument("--regen", action="store_true")
    parser.add_argument("command", nargs="*")
    args = parser.parse_args()
    if args.case:
        return run_case(args)
    return run_program(args)


if __name__ == "__main__":
    sys.exit(main())
