#!/usr/bin/env python3
"""The benchmark behind bench/run: data preparation, timings, the report."""
import argparse
import datetime
import json
import os
import subprocess
import sys
import tempfile
import time

import floor_ways
import machine
import report
import results_file
from report import KEPT_LABEL, KEPT_ONE_THREAD_LABEL
from timing import MeasuredRuns, hyperfine, measured_in_turns, shell_output

# How the scan reads the files today: the floor of this way is the one every query is held to.
# Change it (or pass --scan-reading) when the engine reads another way; the name is one of floor_ways.
SCAN_READING = floor_ways.threaded_scan_way(os.cpu_count() or 1)

# About 2 M hits on the generated data: the result list's time and memory.
MILLION_KEYWORD = "e"
# A typical result list and one of 300,000+ lines, for the result window.
WINDOW_KEYWORDS = ["water", "the"]
GROUP_WORDS = ["water", "fire", "earth", "wind", "stone", "river", "mountain", "forest", "cloud", "rain"]
# Index against scan, headword only, whole words: (how frequent, word). The postings of each are
# counted from the hits (one posting a hit line).
INDEX_WORDS = [("rare", "zymurgy"), ("rare", "thermometer"), ("rare", "eat"), ("medium", "water"),
               ("medium", "by"), ("frequent", "the"), ("frequent", "to")]


def cp932_regex(text):
    """A ripgrep pattern matching the cp932 bytes of `text` literally."""
    return "(?-u)" + "".join("\\x%02x" % b for b in text.encode("cp932"))


# The query that the group and AND/NOT are held against (at most 1.3× its time).
ONE_KEYWORD = "substring, English"


def queries():
    """(name, quilsk-cli search arguments, ripgrep arguments, grep -F arguments)."""
    jp = cp932_regex("水")
    return [
        (ONE_KEYWORD, ["water"], ["-F", "water"], ["water"]),
        ("substring, rare English", ["zymurgy"], ["-F", "zymurgy"], ["zymurgy"]),
        ("whole word, English", ["--match", "word", "water"], ["-F", "-w", "water"], ["-w", "water"]),
        ("prefix, English", ["--match", "prefix", "wat"], ["(?-u)\\bwat"], ["wat"]),
        ("ignore case, English", ["-i", "water"], ["-F", "-i", "water"], ["-i", "water"]),
        ("substring, Japanese", ["水"], [jp], ["水".encode("cp932")]),
        ("whole word, Japanese", ["--match", "word", "水"], ["-w", jp], ["水".encode("cp932")]),
        ("AND second keyword", ["--and", "water", "水"], ["-F", "water"], ["water"]),
        ("NOT second keyword", ["--not", "water", "水"], ["-F", "water"], ["water"]),
        ("group of ten words", ["--group1", "bench"], ["-F"] + sum([["-e", w] for w in GROUP_WORDS], []),
         sum([["-e", w] for w in GROUP_WORDS], [])),
        ("headword only", ["--headword-only", "water"], ["-F", "water"], ["water"]),
        ("skip examples", ["--skip-examples", "water"], ["-F", "water"], ["water"]),
    ]


# Held to at most 1.3× one keyword.
COMBINED_QUERIES = ["AND second keyword", "NOT second keyword", "group of ten words"]


def run(cmd, **kw):
    return subprocess.run(cmd, check=True, **kw)


def prepare(root, bin_dir, data):
    cli = os.path.join(bin_dir, "quilsk-cli")
    edict = os.path.join(data, "edict")
    if not os.path.isdir(edict):
        run([cli, "--ini", os.path.join(data, "import.ini"), "import-edict", edict])
    if not os.path.isdir(os.path.join(data, "main")):
        run([sys.executable, os.path.join(root, "bench", "make_data.py"), edict, data])
    ini = os.path.join(data, "bench.ini")
    if os.path.exists(ini):
        os.remove(ini)
    q = [cli, "--ini", ini]
    run(q + ["register", "main", os.path.join(data, "main"), "ZELK5*.*"], stderr=subprocess.DEVNULL)
    run(q + ["register", "corpus", os.path.join(data, "corpus"), "ZELK-BIL*.*"], stderr=subprocess.DEVNULL)
    run(q + ["quick", "auto"])
    run(q + ["group", "add", "bench"] + GROUP_WORDS)
    index = os.path.join(data, "index")
    os.makedirs(index, exist_ok=True)
    run(q + ["config", "set", "Index", "Dir", index + "/"])
    files = sorted(os.path.join(data, "main", f) for f in os.listdir(os.path.join(data, "main")))
    files.append(os.path.join(data, "corpus", "ZELK-BIL.TXT"))
    return ini, files


def prepare_one_file(bin_dir, data, files):
    """The main dictionary's files joined into one large file, registered with the corpus: a set where
    reading file by file leaves the threads unevenly loaded."""
    one_dir = os.path.join(data, "one-file")
    joined = os.path.join(one_dir, "ZELK5.ALL")
    main_files = files[:-1]
    if not os.path.exists(joined) or os.path.getsize(joined) != sum(os.path.getsize(f) for f in main_files):
        os.makedirs(one_dir, exist_ok=True)
        with open(joined, "wb") as out:
            for f in main_files:
                with open(f, "rb") as h:
                    out.write(h.read())
    ini = os.path.join(data, "bench-one-file.ini")
    if os.path.exists(ini):
        os.remove(ini)
    q = [os.path.join(bin_dir, "quilsk-cli"), "--ini", ini]
    run(q + ["register", "main", one_dir, "ZELK5*.*"], stderr=subprocess.DEVNULL)
    run(q + ["register", "corpus", os.path.join(data, "corpus"), "ZELK-BIL*.*"], stderr=subprocess.DEVNULL)
    return ini, [joined, files[-1]]


def quote(arg):
    if isinstance(arg, bytes):
        return "$'" + "".join("\\x%02x" % b for b in arg) + "'"
    return "'" + arg.replace("'", "'\\''") + "'"


def command(args):
    return " ".join(quote(a) for a in args)


def other_tools(rg, grep, files):
    """The commands of `rg -j1`, `rg` and grep for a query's arguments over `files` (shell words)."""
    return ["rg -j1 -c " + command(rg) + " " + files, "rg -c " + command(rg) + " " + files,
            "LC_ALL=C grep -F -c " + command(grep) + " " + files]


def count_lines(cmd):
    out = shell_output(cmd).decode()
    return sum(int(line.rsplit(":", 1)[-1]) for line in out.split() if line.rsplit(":", 1)[-1].isdigit())


class Bench:
    def __init__(self, args):
        self.args = args
        self.quick = args.quick
        self.runs = args.runs or (2 if args.quick else 10)
        self.slow_runs = 1 if args.quick else 3
        data = os.path.join(args.root, "bench", "data")
        os.makedirs(data, exist_ok=True)
        self.ini, self.files = prepare(args.root, args.bin, data)
        self.one_file_ini, self.one_file_files = prepare_one_file(args.bin, data, self.files)
        self.cli = os.path.join(args.bin, "quilsk-cli")
        self.search = [self.cli, "--ini", self.ini, "search", "--no-history"]
        self.file_args = command(self.files)
        self.total_bytes = sum(os.path.getsize(f) for f in self.files)
        self.loads = []
        self.one_keyword = ONE_KEYWORD
        self.combined = COMBINED_QUERIES

    def note_load(self, part):
        load = machine.load()
        self.loads.append((part, load))
        print("[bench] %s: load average %.2f" % (part, load), file=sys.stderr)

    def warm_page_cache(self):
        line_feeds = 0
        for f in self.files:
            with open(f, "rb") as h:
                while chunk := h.read(1 << 24):
                    line_feeds += chunk.count(b"\n")
        return line_feeds

    def floors(self, line_feeds):
        self.note_load("floor")
        ways = floor_ways.ways(os.cpu_count() or 1)
        names = [name for name, _ in ways]
        if self.args.scan_reading not in names:
            sys.exit("bench: --scan-reading must be one of:\n  " + "\n  ".join(names))
        if self.quick:
            keep = {self.args.scan_reading, "read 256 KiB buffer", ways[-1][0]}
            ways = [w for w in ways if w[0] in keep]
        cmds = [command([self.args.floor] + opts) + " " + self.file_args + " | cat" for _, opts in ways]
        self.scan_floor_cmd = next(c for (n, _), c in zip(ways, cmds) if n == self.args.scan_reading)
        for (name, _), cmd in zip(ways, cmds):
            counted = int(shell_output(cmd).decode() or -1)
            if counted != line_feeds:
                sys.exit("bench: the floor read %d LF bytes with %s, the files hold %d" % (counted, name, line_feeds))
        return list(zip([name for name, _ in ways], hyperfine(cmds, self.runs)))

    def query_rows(self):
        self.note_load("queries")
        rows = []
        all_queries = queries()
        one_keyword = next(command(self.search + ["-c"] + ours) for name, ours, *_ in all_queries
                           if name == self.one_keyword)
        for name, ours, rg, grep in all_queries:
            ours_cmd = command(self.search + ["-c"] + ours)
            rg1, rgn, gr = other_tools(rg, grep, self.file_args)
            # What a query's time is held against is timed beside it, in the same hyperfine call: on a
            # shared machine times drift by a fifth within minutes, more than the margins the ratios
            # are judged by. The floor beside every query; one keyword beside the combined ones.
            beside = [self.scan_floor_cmd] + ([one_keyword + " | cat"] if name in self.combined else [])
            times = hyperfine([ours_cmd + " | cat", rg1 + " | cat", rgn + " | cat", gr + " | cat"] + beside,
                              self.runs)
            ours_count = int(shell_output(ours_cmd).decode() or 0)
            rows.append((name, times, ours_count, count_lines(rg1), count_lines(gr)))
        return rows

    def one_file(self):
        """The query "substring, English" over one large file and the corpus, beside ripgrep, grep and the
        floor of the scan's way of reading these two files."""
        self.note_load("one large file")
        name, ours, rg, grep = next(q for q in queries() if q[0] == ONE_KEYWORD)
        files = command(self.one_file_files)
        floor_way = dict(floor_ways.ways(os.cpu_count() or 1))[self.args.scan_reading]
        cmds = ([command([self.cli, "--ini", self.one_file_ini, "search", "--no-history", "-c"] + ours)]
                + other_tools(rg, grep, files) + [command([self.args.floor] + floor_way) + " " + files])
        times = hyperfine([c + " | cat" for c in cmds], self.runs)
        counts = (int(shell_output(cmds[0]).decode() or 0), count_lines(cmds[1]))
        return [os.path.getsize(f) for f in self.one_file_files], times, counts

    def tag_form(self):
        """About 100,000 tag-form hits counted, then written out: the difference is what writing costs."""
        tag = self.search + ["--tag", "--match", "word", "in"]
        times = hyperfine([command(tag + ["-c"]), command(tag + ["--raw"]) + " > /dev/null"], self.runs)
        output = subprocess.run(tag + ["--raw"], capture_output=True).stdout
        return times, output.count(b"\n"), len(output)

    def million(self):
        """Time, peak memory and the search's own time of a search with about 2 M hits, counted, written
        out, with the duplicate check and the sort. The lines' own bytes are what `--raw` writes (each
        line as the list holds it, CR LF included)."""
        self.note_load("million hits")
        keyword = "the" if self.quick else MILLION_KEYWORD
        baseline = MeasuredRuns(self.search + ["-c", "zymurgy"], 1).peak_rss
        plain = subprocess.run(self.search + ["--raw", keyword], capture_output=True).stdout
        tagged = subprocess.run(self.search + ["--raw", "--tag", keyword], capture_output=True).stdout
        rows = []
        # Saving needs the whole list, so `-o` makes the search keep its lines.
        with tempfile.TemporaryDirectory() as scratch:
            saved = os.path.join(scratch, "saved.txt")
            for label, extra, lines in (("`-c`", ["-c"], plain),
                                        ("written out (UTF-8, to /dev/null)", [], plain),
                                        (KEPT_LABEL, ["-c", "-o", saved], plain),
                                        (KEPT_ONE_THREAD_LABEL, ["-c", "-o", saved, "-j1"], plain),
                                        ("`-c --dedupe`", ["-c", "--dedupe"], plain),
                                        ("`-c --sort -o FILE`", ["-c", "--sort", "-o", saved], plain),
                                        ("`-c --tag --sort --dedupe`", ["-c", "--tag", "--sort", "--dedupe"], tagged)):
                measured = MeasuredRuns(self.search + extra + [keyword], self.slow_runs)
                rows.append((label, measured, lines.count(b"\n"), len(lines)))
        return keyword, baseline, rows

    def index_rows(self):
        self.note_load("index")
        run([self.cli, "--ini", self.ini, "index", "build"], stdout=subprocess.DEVNULL)
        rows = []
        for frequency, word in INDEX_WORDS:
            base = self.search + ["-c", "--headword-only", "--match1", "word", word]
            counts = [shell_output(command(base + extra)).decode().strip() for extra in ([], ["--index"])]
            runs = self.runs if frequency != "frequent" else max(1, self.runs // 2)
            scan, index = hyperfine([command(base), command(base + ["--index"])], runs)
            alone = [m.search for m in measured_in_turns([base, base + ["--index"]], runs)]
            rows.append((frequency, word, scan, index, alone, counts))
        # What any whole run costs on this machine: starting a program that does nothing, and ours.
        startup = hyperfine(["/bin/true", command([self.cli, "--version"])], self.runs)
        return rows, startup

    def window_rows(self):
        """The desktop application's result window against the engine alone, both timed in one process
        of window-search, and at 2 M hits with the duplicate check on (the difference from the same
        search without it is the window's duplicate check)."""
        self.note_load("window")
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        dedupe_ini = self.ini.replace(".ini", "-dedupe.ini")
        with open(self.ini, "rb") as src, open(dedupe_ini, "wb") as dst:
            dst.write(src.read())
        run([self.cli, "--ini", dedupe_ini, "config", "set", "Options", "CheckData", "1"])
        cases = [(k, self.ini, self.runs, False) for k in WINDOW_KEYWORDS]
        if not self.quick:
            cases += [(MILLION_KEYWORD, self.ini, self.slow_runs, False),
                      (MILLION_KEYWORD, dedupe_ini, self.slow_runs, True)]
        rows = []
        for keyword, ini, runs, dedupe in cases:
            out = run([self.args.window_search, "--ini", ini, "--time", str(runs), keyword], stdout=subprocess.PIPE,
                      env=env).stdout
            rows.append((dedupe, json.loads(out)))
        return rows


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--bin", required=True)
    parser.add_argument("--window-search", required=True)
    parser.add_argument("--floor", required=True, help="the read-floor program")
    parser.add_argument("--runs", type=int, help="runs of each short command (default 10, 2 with --quick)")
    parser.add_argument("--quick", action="store_true", help="a short smoke run; writes no results")
    parser.add_argument("--scan-reading", default=SCAN_READING, help="the floor way the scan reads like")
    parser.add_argument("--results", help="the results file (default bench/RESULTS.md; --quick writes none)")
    parser.add_argument("--wait-for-quiet", type=int, default=0, metavar="SECONDS",
                        help="wait up to this long for the load average to fall below %.1f" % machine.QUIET_LOAD)
    args = parser.parse_args()

    this = machine.describe()
    print(machine.summary(this), file=sys.stderr)
    waited = 0
    while machine.load() >= machine.QUIET_LOAD and waited < args.wait_for_quiet:
        time.sleep(15)
        waited += 15
    bench = Bench(args)
    started = time.time()
    line_feeds = bench.warm_page_cache()
    measured = {
        "floors": bench.floors(line_feeds),
        "queries": bench.query_rows(),
        "one file": bench.one_file(),
        "tag": bench.tag_form(),
        "million": bench.million(),
        "index": bench.index_rows(),
        "window": bench.window_rows(),
    }
    bench.note_load("end")
    text = report.render(this, bench, measured, datetime.date.today().isoformat(), time.time() - started)
    print(text)
    path = args.results or (None if args.quick else os.path.join(args.root, "bench", "RESULTS.md"))
    if path:
        results_file.write_section(path, this["cpu"], text)
        print("[bench] wrote the section \"%s\" of %s" % (this["cpu"], path), file=sys.stderr)


if __name__ == "__main__":
    main()
