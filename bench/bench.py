#!/usr/bin/env python3
"""The benchmark behind bench/run: data preparation, timings, the report."""
import argparse
import datetime
import json
import os
import platform
import shutil
import subprocess
import sys
import tempfile

# A typical result list and one of 300,000+ lines, for the result window.
WINDOW_KEYWORDS = ["water", "the"]
GROUP_WORDS = ["water", "fire", "earth", "wind", "stone", "river", "mountain", "forest", "cloud", "rain"]


def cp932_regex(text):
    """A ripgrep pattern matching the cp932 bytes of `text` literally."""
    return "(?-u)" + "".join("\\x%02x" % b for b in text.encode("cp932"))


def queries():
    """(name, quilsk-cli search arguments, ripgrep arguments, grep -F arguments)."""
    jp = cp932_regex("水")
    return [
        ("substring, English", ["water"], ["-F", "water"], ["water"]),
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


def hyperfine(commands, runs, shell):
    """Median and minimum seconds of each command."""
    with tempfile.NamedTemporaryFile(suffix=".json") as out:
        cmd = ["hyperfine", "--style", "none", "--warmup", "2", "--runs", str(runs), "--export-json", out.name,
               "-i"]
        if not shell:
            cmd.append("-N")
        run(cmd + commands, stdout=subprocess.DEVNULL)
        results = json.load(open(out.name))["results"]
    return [(r["median"], r["min"]) for r in results]


def quote(arg):
    if isinstance(arg, bytes):
        return "$'" + "".join("\\x%02x" % b for b in arg) + "'"
    return "'" + arg.replace("'", "'\\''") + "'"


def count_lines(cmd):
    out = subprocess.run(["bash", "-c", cmd], capture_output=True).stdout.decode()
    return sum(int(line.rsplit(":", 1)[-1]) for line in out.split() if line.rsplit(":", 1)[-1].isdigit())


def peak_rss_kib(cmd):
    """The peak resident memory of that one command. GNU time forks it from a small
    process: a child forked from this one would count this one's memory too."""
    result = subprocess.run(["/usr/bin/time", "-f", "%M"] + cmd, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                            text=True, check=True)
    return int(result.stderr.strip().splitlines()[-1])


def search_ms(cmd, runs):
    """The median time of the search itself, as `--time` reports it, without starting the program."""
    times = []
    for _ in range(runs):
        err = subprocess.run(cmd, capture_output=True, text=True).stderr
        times.append(float(err.rsplit(" in ", 1)[1].split()[0]))
    return sorted(times)[len(times) // 2]


def window_rows(tool, ini, runs):
    """The search in the desktop application's result window against the engine alone, both timed in one
    process by window-search on the offscreen platform."""
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    timed = [run([tool, "--ini", ini, "--time", str(runs), keyword], stdout=subprocess.PIPE, env=env)
             for keyword in WINDOW_KEYWORDS]
    return [json.loads(result.stdout) for result in timed]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--bin", required=True)
    parser.add_argument("--window-search", required=True)
    parser.add_argument("--runs", type=int, default=10)
    args = parser.parse_args()
    data = os.path.join(args.root, "bench", "data")
    os.makedirs(data, exist_ok=True)
    ini, files = prepare(args.root, args.bin, data)
    total = sum(os.path.getsize(f) for f in files)
    cli = os.path.join(args.bin, "quilsk-cli")
    search = [cli, "--ini", ini, "search", "--no-history", "-c"]
    file_args = " ".join(quote(f) for f in files)
    for f in files:  # into the page cache
        with open(f, "rb") as h:
            while h.read(1 << 24):
                pass

    rows = []
    for name, ours, rg, grep in queries():
        ours_cmd = " ".join(quote(a) for a in search + ours)
        rg1 = "rg -j1 -c " + " ".join(quote(a) for a in rg) + " " + file_args
        rgn = "rg -c " + " ".join(quote(a) for a in rg) + " " + file_args
        gr = "LC_ALL=C grep -F -c " + " ".join(quote(a) for a in grep) + " " + file_args
        times = hyperfine([ours_cmd, rg1 + " | cat", rgn + " | cat", gr + " | cat"], args.runs, shell=True)
        ours_count = int(subprocess.run(["bash", "-c", ours_cmd], capture_output=True).stdout.decode() or 0)
        rows.append((name, times, ours_count, count_lines(rg1), count_lines(gr)))

    # About 100,000 tag-form hits: the search counted, then written out; the
    # difference is what writing the result text costs.
    tag = [cli, "--ini", ini, "search", "--no-history", "--tag", "--match", "word", "in"]
    tag_times = hyperfine([" ".join(quote(a) for a in tag + ["-c"]), " ".join(quote(a) for a in tag + ["--raw"]) + " > /dev/null"],
                          args.runs, shell=True)
    tag_output = subprocess.run(tag + ["--raw"], capture_output=True).stdout
    tag_time = (tag_times[0][0], tag_times[1][0], tag_output.count(b"\n"))
    tag_bytes = len(tag_output)

    index_rows = []
    subprocess.run([cli, "--ini", ini, "index", "build"], check=True, stdout=subprocess.DEVNULL)
    for mode, word in (("word", "water"), ("prefix", "wat"), ("word", "stone"), ("word", "zymurgy")):
        base = [cli, "--ini", ini, "search", "--no-history", "-c", "--headword-only", "--match1", mode, word]
        scan, index = hyperfine([" ".join(quote(a) for a in base), " ".join(quote(a) for a in base + ["--index"])],
                                args.runs, shell=False)
        counts = [subprocess.run(base + extra, capture_output=True).stdout.decode().strip() for extra in ([], ["--index"])]
        engine = [search_ms(base + extra + ["--time"], args.runs) for extra in ([], ["--index"])]
        index_rows.append((mode, word, scan, index, counts, engine))

    rss = peak_rss_kib(search + ["-i", "the"])
    window = window_rows(args.window_search, ini, args.runs)
    report = render(rows, total, tag_time, tag_bytes, index_rows, rss, len(files)) + render_window(window)
    print(report)
    with open(os.path.join(args.root, "bench", "RESULTS.md"), "w") as out:
        out.write(report)


def machine():
    cpu = "unknown"
    for line in open("/proc/cpuinfo"):
        if line.startswith("model name"):
            cpu = line.split(":", 1)[1].strip()
            break
    cores = os.cpu_count()
    mem = os.sysconf("SC_PAGE_SIZE") * os.sysconf("SC_PHYS_PAGES") / 2**30
    versions = []
    for tool in (["rg", "--version"], ["grep", "--version"], ["hyperfine", "--version"]):
        versions.append(subprocess.run(tool, capture_output=True, text=True).stdout.splitlines()[0])
    return cpu, cores, mem, versions


def render(rows, total, tag_time, tag_bytes, index_rows, rss, nfiles):
    cpu, cores, mem, versions = machine()
    mb = total / 1e6
    lines = ["# Benchmark results", "",
             "Made by `bench/run` on %s." % datetime.date.today().isoformat(), "",
             "Machine: %s, %d cores, %.0f GiB, %s %s. Tools: %s." % (cpu, cores, mem, platform.system(),
                                                                  platform.release(), "; ".join(versions)), "",
             "Data: %d files, %.1f MB (the generated main dictionary and corpus, cp932), in the page cache. "
             "Times are medians (minimum in brackets) of whole runs of each command, output through a pipe; "
             "`quilsk-cli search -c` uses one thread." % (nfiles, mb), "",
             "| query | quilsk-cli | MB/s | rg -j1 -F -c | rg -F -c | grep -F -c | vs rg -j1 | vs rg | vs grep | lines: ours / rg / grep |",
             "|---|---|---|---|---|---|---|---|---|---|"]
    for name, times, ours_count, rg_count, grep_count in rows:
        (ours, ours_min), (rg1, _), (rgn, _), (gr, _) = times
        lines.append("| %s | %.1f ms (%.1f) | %.0f | %.1f ms | %.1f ms | %.1f ms | %.2f× | %.2f× | %.1f× | %d / %d / %d |" % (
            name, ours * 1e3, ours_min * 1e3, mb / ours, rg1 * 1e3, rgn * 1e3, gr * 1e3, rg1 / ours, rgn / ours,
            gr / ours, ours_count, rg_count, grep_count))
    lines += ["", "Ratios above 1 mean quilsk-cli is faster. ripgrep's and grep's whole-word and prefix options "
              "are byte-wise and ignore Shift-JIS, so their line counts differ where ours are exact; for the "
              "second keyword, the group and the filters they search the first keyword alone.", ""]
    counted, written, hits = tag_time
    lines.append("Tag form, whole word \"in\" (%d lines, %.1f MB of result text): %.1f ms counting them, %.1f ms "
                 "writing them out; the writing runs at %.0f MB/s." % (
                     hits, tag_bytes / 1e6, counted * 1e3, written * 1e3, tag_bytes / 1e6 / max(written - counted, 1e-4)))
    lines += ["", "| index look-up | scan | index | speed-up | search alone: scan / index | speed-up | lines: scan / index |",
              "|---|---|---|---|---|---|---|"]
    for mode, word, scan, index, counts, engine in index_rows:
        lines.append("| %s `%s`, headword only | %.1f ms | %.2f ms | %.0f× | %.2f / %.2f ms | %.0f× | %s / %s |" % (
            mode, word, scan[0] * 1e3, index[0] * 1e3, scan[0] / index[0], engine[0], engine[1],
            engine[0] / engine[1], counts[0], counts[1]))
    lines += ["", "Whole runs include starting the program (about 2 ms); \"search alone\" is the search as "
              "`quilsk-cli search --time` reports it."]
    lines += ["", "Peak resident memory of a scan with 300,000+ hits (`-i the`): %.1f MiB." % (rss / 1024), ""]
    return "\n".join(lines)


def render_window(rows):
    lines = ["", "| search in the desktop application | result window | engine alone | window / engine | lines |",
             "|---|---|---|---|---|"]
    for r in rows:
        window, engine = r["window_ms"], r["engine_ms"]
        lines.append("| `%s` | %.1f ms (%.1f) | %.1f ms (%.1f) | %.2f× | %d |" % (
            r["keyword"], window["median"], window["min"], engine["median"], engine["min"],
            window["median"] / engine["median"], r["lines"]))
    lines += ["", "Medians (minimum in brackets) of %d searches each, taking turns in one process of `window-search` "
              "(`-DQUILSK_BUILD_TOOLS=ON`) on the offscreen platform: the result window's search as its search "
              "command runs it, through the application's host, which handles events every 40 ms and shows the "
              "file being searched in the caption; the engine's alone through a host that does neither, as "
              "`quilsk-cli`'s. The goal is at most 1.2×." % rows[0]["runs"], ""]
    return "\n".join(lines)


if __name__ == "__main__":
    main()
