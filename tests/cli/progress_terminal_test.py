#!/usr/bin/env python3
"""The progress bars of quilsk-cli (index build, import-edict, search --progress)
and idxmakr: drawn when stderr is a terminal (a pseudo-terminal here), never
when it is a pipe.

Usage: progress_terminal_test.py QUILSK-CLI IDXMAKR
"""
import fcntl
import os
import pty
import select
import struct
import subprocess
import sys
import tempfile
import termios

CLI, IDXMAKR = sys.argv[1], sys.argv[2]
COLUMNS = 100
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def on_terminal(args):
    """Runs with stderr on a pseudo-terminal COLUMNS wide; (exit, stdout, stderr)."""
    master, slave = pty.openpty()
    fcntl.ioctl(slave, termios.TIOCSWINSZ, struct.pack("HHHH", 24, COLUMNS, 0, 0))
    process = subprocess.Popen(args, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE, stderr=slave)
    os.close(slave)
    drawn = b""
    while True:
        ready, _, _ = select.select([master], [], [], 60)
        if not ready:
            process.kill()
            break
        try:
            data = os.read(master, 65536)
        except OSError:  # the terminal's other side is closed
            break
        if not data:
            break
        drawn += data
    os.close(master)
    out, _ = process.communicate(timeout=60)
    return process.returncode, out, drawn


def in_pipe(args):
    result = subprocess.run(args, stdin=subprocess.DEVNULL, capture_output=True, timeout=60)
    return result.returncode, result.stdout, result.stderr


def bar_lines(drawn):
    """The lines the bar drew: each starts with CR and ends with erase-to-end."""
    return [piece[:-len(b"\x1b[K")] for piece in drawn.split(b"\r") if piece.endswith(b"\x1b[K") and len(piece) > 3]


def check_bar(what, drawn, words):
    lines = bar_lines(drawn)
    check(lines, f"{what}: no progress bar on the terminal: {drawn!r}")
    for word in words:
        check(any(word in line for line in lines), f"{what}: {word!r} never shown: {lines}")
    for line in lines:
        # The terminal turns LF into CR LF; the bar never reaches the last column.
        check(len(line.decode("utf-8")) < COLUMNS, f"{what}: too wide: {line!r}")
    # The last erase is the one that removes the bar: a CR and nothing else before it.
    check(drawn.rfind(b"\r\x1b[K") == drawn.rfind(b"\x1b[K") - 1, f"{what}: the bar stays: {drawn[-80:]!r}")


EDICT = "\n".join([
    "　？？？ /EDICT, EDRDG Dictionary File/",
    "林檎 [りんご] /(n) apple/",
    "梨 [なし] /(n) pear/",
    "蜜柑 [みかん] /(n) mandarin orange/",
]).encode("euc_jp") + b"\n"


def main():
    with tempfile.TemporaryDirectory() as work:
        ini = os.path.join(work, "quilsk.ini")
        dictionary = os.path.join(work, "dict")
        index = os.path.join(work, "index")
        os.makedirs(dictionary)
        os.makedirs(index)
        for letter in "ABC":
            with open(os.path.join(dictionary, "ZELK5." + letter), "wb") as f:
                f.write(("■%s apple : りんご\r\n" % letter).encode("cp932") * 200)
        edict = os.path.join(work, "edict")
        with open(edict, "wb") as f:
            f.write(EDICT)
        cli = [CLI, "--ini", ini]
        for args in (["register", "main", dictionary, "ZELK5*.*"], ["config", "set", "Index", "Dir", index + "/"]):
            check(in_pipe(cli + args)[0] == 0, f"{args} failed")

        commands = [
            ("index build", cli + ["index", "build"], [b"3 files", b"ZELK5.A", b"reading", b"writing"]),
            ("idxmakr", [IDXMAKR, "-i=" + ini], [b"3 files", b"ZELK5.C", b"kB"]),
            ("search --progress", cli + ["search", "--progress", "-c", "apple"], [b"3 files", b"ZELK5.B", b"lines"]),
            ("import-edict", cli + ["import-edict", "--from", edict, os.path.join(work, "edict-out")],
             [b"writing", b"EDICT.A"]),
        ]
        for what, args, words in commands:
            code, out, drawn = on_terminal(args)
            check(code == 0, f"{what} on a terminal: exit {code}: {drawn!r}")
            check_bar(what, drawn, words)
            code, piped_out, err = in_pipe(args)
            check(code == 0 and piped_out == out, f"{what} in a pipe: exit {code}, {piped_out!r} against {out!r}")
            check(b"\r" not in err and b"\x1b" not in err, f"{what}: a bar drawn into a pipe: {err!r}")

        # Without --progress a search draws nothing, even on a terminal.
        code, out, drawn = on_terminal(cli + ["search", "-c", "apple"])
        check(code == 0 and out == b"600\n" and drawn == b"", f"search without --progress: {out!r} {drawn!r}")

    for failure in failures:
        print("FAIL:", failure, file=sys.stderr)
    if failures:
        sys.exit(1)
    print("progress bars on the terminal only")


main()
