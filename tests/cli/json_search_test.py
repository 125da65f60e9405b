#!/usr/bin/env python3
"""quilsk-cli search --json read with a real JSON parser and held against the
same search printed with --raw (the stored bytes), --raw --tag (files and line
numbers) and as plain UTF-8 (the program's own conversion).

Usage: json_search_test.py QUILSK-CLI
"""
import base64
import json
import os
import re
import subprocess
import sys
import tempfile

CLI = sys.argv[1]
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
    return condition


def sjis(text):
    return text.encode("cp932")


# Every line kind, ESC-marked spans (one left open), quotes, backslashes, a tab,
# a control byte, a byte that is not cp932, a duplicate in another file.
MAIN_A = b"".join(line + b"\r\n" for line in [
    sjis("■apple {名} : \x1bりんご\x1b、林檎"),
    sjis("* I ate an apple. : 私はりんごを食べた。"),
    sjis("●\x1ban apple a day\x1b : 1日1個のりんご"),
    sjis("■apple pie {名} : アップルパイ"),
    sjis('■"apple" quoted : 引用符\\と\tタブ'),
    b"\x01apple \xff control : " + sjis("制御"),
    sjis("■Apple Inc. : アップル社\x1bの"),
    sjis("pineapple : パイナップル"),
])
MAIN_KATAKANA = sjis("* I ate an apple. : 私はりんごを食べた。\r\n■banana : バナナ\r\n")
CORPUS = sjis("《食事》\r\nAn apple pie, please. : アップルパイをください。\r\n")


def run(ini, *args):
    result = subprocess.run([CLI, "--ini", ini, *args], capture_output=True, timeout=60)
    return result.returncode, result.stdout, result.stderr


def tag_of(raw_line):
    """The file and line number of a --raw --tag line, as the tag writes them."""
    match = re.match(rb"^(.*?)\((?: {0,6}-?\d+|-?\d{7,})\) ", raw_line)
    assert match and len(match.group(0)) - len(match.group(1)) >= 10, raw_line
    return match.group(1), int(match.group(0)[len(match.group(1)) + 1:-2])


def esc_spans(raw):
    """The highlighted spans of a stored line in characters of its text."""
    spans, start, chars = [], None, 0
    for piece in re.split(b"(\x1b)", raw):
        if piece == b"\x1b":
            if start is None:
                start = chars
            else:
                if chars > start:
                    spans.append({"start": start, "end": chars})
                start = None
        else:
            chars += len(piece.decode("cp932", errors="replace"))
    if start is not None and chars > start:
        spans.append({"start": start, "end": chars})
    return spans


def kind_of(raw):
    if raw.startswith(sjis("■")):
        return "headword"
    if raw.startswith(sjis("●")):
        return "phrase"
    if raw.startswith(b"* "):
        return "example"
    return "entry" if b" : " in raw else "other"


def spelled_as_on_disk(path):
    """Whether every part of the path is a name its directory lists as written."""
    parent = b"/"
    for part in path.strip(b"/").split(b"/"):
        if part not in os.listdir(parent):
            return False
        parent = os.path.join(parent, part)
    return True


def parse_json_lines(out, what):
    objects = []
    for number, line in enumerate(out.split(b"\n")[:-1], 1):
        try:
            objects.append(json.loads(line.decode("utf-8")))
        except (UnicodeDecodeError, json.JSONDecodeError) as error:
            check(False, f"{what}: line {number} is not JSON ({error}): {line!r}")
    check(out.endswith(b"\n"), f"{what}: the output ends without a line feed")
    return objects


def compare(ini, args, words, ignore_case):
    what = "search --json " + " ".join(args)
    code, out, err = run(ini, "search", "--json", "--no-history", *args)
    raw_code, raw, _ = run(ini, "search", "--raw", "--no-history", *args)
    _, plain, _ = run(ini, "search", "--color=never", "--no-history", *args)
    check(code == raw_code, f"{what}: exit {code}, with --raw {raw_code}: {err!r}")
    objects = parse_json_lines(out, what)
    if not check(objects and objects[-1].get("type") == "summary", f"{what}: no summary at the end"):
        return
    hits, summary = objects[:-1], objects[-1]
    raw_lines = raw.split(b"\r\n")[:-1]
    plain_lines = plain.decode("utf-8").split("\n")[:-1]
    check(summary["lines"] == len(hits) == len(raw_lines), f"{what}: {summary} for {len(hits)} hits, {len(raw_lines)} raw lines")
    check(set(summary) == {"type", "lines", "files_searched", "elapsed_ms", "stopped_early"}, f"{what}: {summary}")
    check(summary["stopped_early"] is False and summary["elapsed_ms"] >= 0, f"{what}: {summary}")
    tagged = None
    if "--narrow" not in args:  # in tag form a narrowing keyword also sees the path
        _, tag_out, _ = run(ini, "search", "--raw", "--tag", "--no-history", *args)
        tagged = [tag_of(line) for line in tag_out.split(b"\r\n")[:-1]]
        check(len(tagged) == len(hits), f"{what}: {len(tagged)} tagged lines for {len(hits)} hits")
    for i, (hit, raw_line) in enumerate(zip(hits, raw_lines)):
        where = f"{what}: hit {i + 1}"
        check(hit["type"] == "hit", where)
        check(hit["text"] == plain_lines[i], f"{where}: {hit['text']!r} printed as {plain_lines[i]!r}")
        stripped = raw_line.replace(b"\x1b", b"")
        if b"\xff" not in stripped:
            check(hit["text"] == stripped.decode("cp932"), f"{where}: {hit['text']!r} stored as {raw_line!r}")
            check("line_base64" not in hit, f"{where}: base64 without need")
        else:
            check("\ufffd" in hit["text"], f"{where}: {hit['text']!r}")
            check(base64.b64decode(hit.get("line_base64", "")) == raw_line, f"{where}: stored line lost")
        check(hit["kind"] == kind_of(raw_line), f"{where}: kind {hit['kind']} of {raw_line!r}")
        check(hit["highlights"] == esc_spans(raw_line), f"{where}: highlights {hit['highlights']} of {raw_line!r}")
        for span in hit["matches"]:
            found = hit["text"][span["start"]:span["end"]]
            check((found.lower() if ignore_case else found) in words, f"{where}: match {found!r} in {hit['text']!r}")
        check(hit["matches"] or not words, f"{where}: no match in {hit['text']!r}")
        if tagged:
            path, number = tagged[i]
            # A name stored as cp932 bytes is given in UTF-8 like every other.
            directory, name = os.path.split(hit["path"])
            real = os.path.join(os.fsencode(directory), name.encode("utf-8"))
            if not os.path.isfile(real):
                real = os.path.join(os.fsencode(directory), name.encode("cp932"))
            check(os.path.isfile(real), f"{where}: {hit['path']!r} is no file")
            check(hit["path"].encode("cp932").upper() == path.upper(), f"{where}: {hit['path']!r} for {path!r}")
            check(spelled_as_on_disk(real), f"{where}: {hit['path']!r} is not the file's own spelling")
            check(hit["line_number"] == number, f"{where}: line {hit['line_number']}, tagged {number}")


def main():
    with tempfile.TemporaryDirectory() as work:
        ini = os.path.join(work, "quilsk.ini")
        main_dir = os.path.join(work, "Dict", "main")
        corpus_dir = os.path.join(work, "Dict", "corpus")
        os.makedirs(main_dir)
        os.makedirs(corpus_dir)
        with open(os.path.join(main_dir, "ZELK5.A"), "wb") as f:
            f.write(MAIN_A)
        # A name stored as cp932 bytes ("ZELK5.ア"), as archives from elsewhere leave them.
        with open(os.path.join(os.fsencode(main_dir), b"ZELK5.\x83\x41"), "wb") as f:
            f.write(MAIN_KATAKANA)
        with open(os.path.join(corpus_dir, "ZELK-BIL.TXT"), "wb") as f:
            f.write(CORPUS)
        index_dir = os.path.join(work, "index")
        os.makedirs(index_dir)
        for args in (["register", "main", main_dir, "ZELK5*.*"], ["register", "corpus", corpus_dir, "ZELK-BIL*.*"],
                     ["group", "add", "fruit", "banana", "pie"], ["config", "set", "Index", "Dir", index_dir + "/"],
                     ["index", "build"]):
            code, _, err = run(ini, *args)
            check(code == 0, f"{args}: {err!r}")

        cases = [
            (["apple"], {"apple"}, False),
            (["-i", "apple"], {"apple"}, True),
            (["--match", "word", "-i", "APPLE"], {"apple"}, True),
            (["--match", "suffix", "apple"], {"apple"}, False),
            (["--and", "apple", "りんご"], {"apple", "りんご"}, False),
            (["--or", "banana", "りんご"], {"banana", "りんご"}, False),
            (["--not", "apple", "pie"], {"apple"}, False),
            (["--headword-only", "--skip-examples", "apple"], {"apple"}, False),
            (["--sort", "--dedupe", "apple"], {"apple"}, False),
            (["--narrow", "pie", "apple"], {"apple", "pie"}, False),
            (["--narrow", "dict", "--narrow-ignore-case", "apple"], {"apple", "dict"}, True),
            (["--group1", "fruit"], {"banana", "pie"}, False),
            (['"apple"'], {'"apple"'}, False),
            (["\\"], {"\\"}, False),
            (["制御"], {"制御"}, False),
            (["--index", "--headword-only", "--match", "word", "apple"], {"apple"}, False),
            (["cherry"], set(), False),
        ]
        for args, words, ignore_case in cases:
            compare(ini, args, words, ignore_case)

        # Narrowing sees the lines as the form asked for holds them: without
        # --tag the path is no part of a line.
        # (Paths in tag form are spelt as on disk.)
        code, out, _ = run(ini, "search", "--json", "--narrow", "Dict", "apple")
        check(code == 1 and json.loads(out)["lines"] == 0, f"--narrow Dict without --tag: {out!r}")
        _, count, _ = run(ini, "search", "-c", "apple")
        code, out, _ = run(ini, "search", "--json", "--tag", "--narrow", "Dict", "apple")
        check(code == 0 and len(out.splitlines()) == int(count) + 1, f"--narrow Dict with --tag: {out!r}")

        # The file of --save is the one the same search without --json saves.
        for form in ([], ["--tag"]):
            saved_json, saved = os.path.join(work, "json.txt"), os.path.join(work, "plain.txt")
            run(ini, "search", "--json", *form, "--narrow", "pie", "-o", saved_json, "apple")
            run(ini, "search", *form, "--narrow", "pie", "-o", saved, "apple")
            with open(saved_json, "rb") as a, open(saved, "rb") as b:
                check(a.read() == b.read(), f"--save {form}: the files differ")

        for refused in (["--raw"], ["-c"], ["--count"], ["--color=never"], ["--color", "always"]):
            code, out, err = run(ini, "search", "--json", *refused, "apple")
            check(code == 2 and out == b"" and err.count(b"\n") == 1 and b"--json" in err,
                  f"--json {refused}: exit {code}, {out!r}, {err!r}")

    for failure in failures:
        print("FAIL:", failure, file=sys.stderr)
    if failures:
        sys.exit(1)
    print("search --json agrees with --raw")


main()
