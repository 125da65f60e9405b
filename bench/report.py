"""The machine's section of bench/RESULTS.md, from what bench.py measured."""
import machine

GOAL_FLOOR = 1.3  # the scan's time at most this many times the floor of its way of reading
GOAL_RG1 = 1.5  # at least this many times as fast as rg -j1
GOAL_RG = 1.0  # at least as fast as rg with its default threads
GOAL_COMBINED = 1.3  # a group of ten words, AND and NOT at most this many times one keyword
GOAL_LIST_OP_S = 0.5  # the duplicate check and the sort of 2 M lines
GOAL_INDEX_RARE = 20  # the index at least this many times as fast as the scan up to 1,000 postings
RARE_POSTINGS = 1000
# The million-hit run that keeps its lines in the list (to save them) and does nothing else with them.
KEPT_LABEL = "`-c -o FILE` (kept in the list)"
# The same on one thread: no scanning thread holds lines for later, so its overhead is the list's own.
KEPT_ONE_THREAD_LABEL = "`-c -o FILE -j1` (kept in the list, one thread)"
GOAL_BYTES_PER_HIT = 24


def mark(ok):
    return "✓" if ok else "✗"


def at_least(value, goal):
    return "%.2f× %s" % (value, mark(value >= goal))


def at_most(value, goal):
    return "%.2f× %s" % (value, mark(value <= goal))


def ms(t):
    return "%.1f ms (%.1f)" % (t.median * 1e3, t.min * 1e3)


def render(this, bench, measured, date, seconds):
    busy = max(load for _, load in bench.loads) >= machine.QUIET_LOAD
    loads = ", ".join("%s %.2f" % (part, load) for part, load in bench.loads)
    lines = ["## %s" % this["cpu"], "",
             "Made by `bench/run` on %s in %.0f s%s." % (date, seconds, " (`--quick`)" if bench.quick else ""), "",
             "Machine: " + machine.summary(this).replace("\n", " "), "",
             "Load average (1 min) at the start of each part: %s. %s" % (
                 loads, "The machine was busy (other work ran on it): medians are noisy, so every time also "
                        "gives the minimum in brackets; re-run on a quiet machine before drawing fine conclusions."
                 if busy else "The machine was quiet."), "",
             "Data: %d files, %.1f MB (the generated main dictionary and corpus, cp932), in the page cache. Times "
             "are medians (minimum in brackets) of %d whole runs of each command after 2 warm-up runs, output "
             "through a pipe; `quilsk-cli search -c` scans with its default of one thread a processor. Ratios are "
             "of medians; ✓ marks a goal met, "
             "✗ one missed." % (len(bench.files), bench.total_bytes / 1e6, bench.runs), ""]
    floors = dict(measured["floors"])
    scan_floor = floors[bench.args.scan_reading]
    fastest_name, fastest = min(measured["floors"], key=lambda f: f[1].median)
    lines += render_floors(measured["floors"], bench, fastest)
    lines += render_queries(measured["queries"], bench.total_bytes / 1e6, scan_floor, fastest, bench.args.scan_reading,
                            fastest_name, bench.one_keyword, bench.combined)
    lines += render_one_file(*measured["one file"], one_keyword=bench.one_keyword)
    lines += render_tag(*measured["tag"])
    lines += render_million(*measured["million"], runs=bench.slow_runs)
    lines += render_index(measured["index"])
    lines += render_window(measured["window"])
    return "\n".join(lines) + "\n"


def render_floors(floors, bench, fastest):
    mb = bench.total_bytes / 1e6
    lines = ["### The floor: reading every byte once", "",
             "`bench/floor` (built by `bench/run` with a Release build's compiler and flags) reads the same files "
             "and counts their LF bytes with 32-byte vector loads, so every byte is loaded once; each way of "
             "reading gave the same count. Whole runs through a pipe, like the queries.", "",
             "| way of reading | time | processor time | GB/s | ÷ fastest |", "|---|---|---|---|---|"]
    for name, t in floors:
        note = []
        if name == bench.args.scan_reading:
            note.append("the scan's way")
        if t is fastest:
            note.append("fastest")
        lines.append("| %s%s | %s | %.1f ms | %.1f | %.2f× |" % (
            name, " (**%s**)" % ", ".join(note) if note else "", ms(t), t.cpu * 1e3, mb / 1e3 / t.median,
            t.median / fastest.median))
    return lines + ["", "Processor time is the mean user + system time of a run (the pipe's `cat` included); on a "
                        "busy machine it varies less than the time on the clock.", ""]


def render_queries(rows, mb, scan_floor, fastest, scan_reading, fastest_name, one_keyword, combined):
    lines = ["### Queries against ripgrep, grep and the floor", "",
             "| query | quilsk-cli | its processor time | MB/s | rg -j1 -F -c | rg -F -c | grep -F -c "
             "| floor beside it | lines: ours / rg / grep |",
             "|---|---|---|---|---|---|---|---|---|"]
    for name, times, ours_count, rg_count, grep_count in rows:
        ours, rg1, rgn, gr, floor = times[:5]
        lines.append("| %s | %s | %.1f ms | %.0f | %s | %s | %s | %s | %d / %d / %d |" % (
            name, ms(ours), ours.cpu * 1e3, mb / ours.median, ms(rg1), ms(rgn), ms(gr), ms(floor), ours_count,
            rg_count, grep_count))
    lines += ["", "| query | rg -j1 ÷ ours (≥ %.1f) | rg ÷ ours (≥ %.0f) | grep ÷ ours | ours ÷ floor (≤ %.1f) | "
                  "ours ÷ fastest floor | ÷ one keyword (≤ %.1f) |" % (GOAL_RG1, GOAL_RG, GOAL_FLOOR, GOAL_COMBINED),
              "|---|---|---|---|---|---|---|"]
    for name, times, *_ in rows:
        ours, rg1, rgn, gr, floor = times[:5]
        one = times[5] if name in combined else None
        lines.append("| %s | %s | %s | %.1f× | %s | %.2f× | %s |" % (
            name, at_least(rg1.median / ours.median, GOAL_RG1), at_least(rgn.median / ours.median, GOAL_RG),
            gr.median / ours.median, at_most(ours.median / floor.median, GOAL_FLOOR),
            ours.median / fastest.median,
            "%s (%.1f ms)" % (at_most(ours.median / one.median, GOAL_COMBINED), one.median * 1e3) if one else "–"))
    lines += ["", "The floor is the scan's way of reading (%s), timed again beside each query in the same "
              "hyperfine call, so that the ratio does not depend on when the floor table was made (there it took "
              "%.1f ms); the fastest floor is that table's %s (%.1f ms). "
              "ripgrep's and grep's whole-word and prefix options are byte-wise and ignore Shift-JIS, so their "
              "line counts differ where ours are exact; for the second keyword, the group and the filters they "
              "search the first keyword alone. \"One keyword\" is the query \"%s\", timed again beside each "
              "combined query (its median there in brackets)." % (
                  scan_reading, scan_floor.median * 1e3, fastest_name, fastest.median * 1e3, one_keyword), ""]
    return lines


def render_one_file(sizes, times, counts, one_keyword):
    ours, rg1, rgn, gr, floor = times
    return ["### One large file", "",
            "The query \"%s\" over the main dictionary's files joined into one (%.1f MB) and the corpus "
            "(%.1f MB): a set that file-by-file reading would leave on one thread for most of its time." % (
                one_keyword, sizes[0] / 1e6, sizes[1] / 1e6), "",
            "| quilsk-cli | rg -j1 -F -c | rg -F -c | grep -F -c | floor | rg -j1 ÷ ours (≥ %.1f) | rg ÷ ours (≥ %.0f) "
            "| ours ÷ floor (≤ %.1f) | lines: ours / rg |" % (GOAL_RG1, GOAL_RG, GOAL_FLOOR),
            "|---|---|---|---|---|---|---|---|---|",
            "| %s | %s | %s | %s | %s | %s | %s | %s | %d / %d |" % (
                ms(ours), ms(rg1), ms(rgn), ms(gr), ms(floor), at_least(rg1.median / ours.median, GOAL_RG1),
                at_least(rgn.median / ours.median, GOAL_RG), at_most(ours.median / floor.median, GOAL_FLOOR),
                *counts), ""]


def render_tag(times, hits, size):
    counted, written = times
    return ["Tag form, whole word \"in\" (%d lines, %.1f MB of result text): %s counting them, %s writing them "
            "out (`--raw` to /dev/null); the writing runs at %.0f MB/s." % (
                hits, size / 1e6, ms(counted), ms(written), size / 1e6 / max(written.median - counted.median, 1e-4)),
            ""]


def render_million(keyword, baseline, rows, runs):
    lines = ["### At a million hits", "",
             "| `%s` | whole run | search alone | peak RSS | hits | lines' bytes | overhead per hit |" % keyword,
             "|---|---|---|---|---|---|---|"]
    overheads = {}
    for label, m, hits, line_bytes in rows:
        overhead = overheads[label] = (m.peak_rss - baseline - line_bytes) / max(hits, 1)
        lines.append("| %s | %.2f s (%.2f) | %.2f s (%.2f) | %.0f MB | %d | %.1f MB | %.0f bytes |" % (
            label, m.wall.median, m.wall.min, m.search.median, m.search.min, m.peak_rss / 1e6, hits,
            line_bytes / 1e6, overhead))
    by_label = {label: m for label, m, *_ in rows}
    kept = by_label[KEPT_LABEL].search.median
    dedupe = by_label["`-c --dedupe`"].search.median - kept
    sort = by_label["`-c --sort -o FILE`"].search.median - kept
    list_bytes = overheads[KEPT_ONE_THREAD_LABEL]
    lines += ["", "Duplicate check alone: %.2f s %s; sort alone: %.2f s %s (goal: at most %.1f s each). "
              "The list's overhead, from the run that keeps the lines on one thread: %.0f bytes a hit %s "
              "(goal: at most %d)." % (
                  dedupe, mark(dedupe <= GOAL_LIST_OP_S), sort, mark(sort <= GOAL_LIST_OP_S), GOAL_LIST_OP_S,
                  list_bytes, mark(list_bytes <= GOAL_BYTES_PER_HIT), GOAL_BYTES_PER_HIT), "",
              "Medians (minimum in brackets) of %s. \"Search alone\" is what `quilsk-cli search --time` "
              "reports: the search with the duplicate check and the sort it runs, without starting the program "
              "and without saving; lines written out are written as they are found, so there it includes the "
              "writing, and no list is built. `-o FILE` saves the lines, which needs them all in the list first. "
              "The duplicate check and the sort alone are the search alone with them minus the search alone of "
              "the run that keeps the lines in the list and does nothing else with them. Peak RSS is "
              "GNU time's maximum resident set size; the overhead per hit is (peak RSS − %.1f MB, the peak RSS "
              "of a search with 3 hits − the bytes of the lines as the list holds them, CR LF included, as "
              "`--raw` writes them before any duplicate is removed) ÷ hits. It is an upper bound of what the "
              "list costs beyond its lines: the peak also holds whatever the program allocated for the moment "
              "(the sort's and the duplicate check's work space, the output buffer, the lines the scanning "
              "threads hold until their turn). Where no list is built it is negative." % (
                  "1 run" if runs == 1 else "%d runs" % runs, baseline / 1e6), ""]
    return lines


def render_index(measured):
    rows, (nothing, version) = measured
    lines = ["### Index against scan", "",
             "| headword only, whole word | postings | scan | index | scan ÷ index | search alone: scan / index "
             "| scan ÷ index | lines: scan / index |",
             "|---|---|---|---|---|---|---|---|"]
    for frequency, word, scan, index, alone, counts in rows:
        postings = int(counts[0] or 0)
        goal = GOAL_INDEX_RARE if postings <= RARE_POSTINGS else 1
        whole = scan.median / index.median
        alone_ratio = alone[0].median / alone[1].median
        lines.append("| %s `%s` | %d | %s | %s | %.2f× %s | %.2f / %.2f ms | %.2f× %s | %s / %s |" % (
            frequency, word, postings, ms(scan), ms(index), whole, mark(whole >= goal), alone[0].median * 1e3,
            alone[1].median * 1e3, alone_ratio, mark(alone_ratio >= 1), counts[0], counts[1]))
    best = rows[0][2].median / nothing.median
    lines += ["", "Postings are counted as the scan's hit lines. Goals: the index never slower than the scan "
                  "(scan ÷ index ≥ 1) and, in whole runs, at least %d× for words with up to %d postings. Whole "
                  "runs include starting the program; \"search alone\" is the search as `quilsk-cli search "
                  "--time` reports it, its runs of the scan and of the index taking turns." % (
                      GOAL_INDEX_RARE, RARE_POSTINGS), "",
              "Starting a program costs a whole run on this machine %s for `/bin/true` and %s for `quilsk-cli "
              "--version`, so no look-up, however short, can run more than %.1f× faster than the scan of "
              "`%s` in whole runs." % (ms(nothing), ms(version), best, rows[0][1]), ""]
    return lines


def render_window(rows):
    lines = ["### The result window", "",
             "| search in the desktop application | result window | engine alone | window ÷ engine | lines |",
             "|---|---|---|---|---|"]
    for dedupe, r in rows:
        window, engine = r["window_ms"], r["engine_ms"]
        lines.append("| `%s`%s | %.1f ms (%.1f) | %.1f ms (%.1f) | %.2f× %s | %d |" % (
            r["keyword"], ", duplicate check on" if dedupe else "", window["median"], window["min"], engine["median"],
            engine["min"], window["median"] / engine["median"], mark(window["median"] / engine["median"] <= 1.2),
            r["lines"]))
    plain = [r for dedupe, r in rows if not dedupe]
    checked = [r for dedupe, r in rows if dedupe]
    if checked:
        base = next(r for r in plain if r["keyword"] == checked[0]["keyword"])
        lines += ["", "The window's duplicate check of %d lines, as the search runs it at its end: %.2f s (the "
                      "search with it minus the search without it, medians; the engine alone: %.2f s). Goal: at "
                      "most %.1f s." % (
                          base["lines"], (checked[0]["window_ms"]["median"] - base["window_ms"]["median"]) / 1e3,
                          (checked[0]["engine_ms"]["median"] - base["engine_ms"]["median"]) / 1e3, GOAL_LIST_OP_S)]
    lines += ["", "Medians (minimum in brackets) of %s searches each, taking turns in one process of "
                  "`window-search` (`-DQUILSK_BUILD_TOOLS=ON`) on the offscreen platform: the result window's "
                  "search as its search command runs it, through the application's host, which handles events "
                  "every 40 ms and shows the file being searched in the caption; the engine's alone through a host "
                  "that does neither, as `quilsk-cli`'s. The goal is at most 1.2×." % (
                      " or ".join(sorted({str(r["runs"]) for _, r in rows}, key=int))), ""]
    return lines
