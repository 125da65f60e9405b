"""How the benchmark times commands: hyperfine for short ones, a loop under GNU time for the long ones."""
import json
import statistics
import subprocess
import tempfile
import time


class Timed:
    """Median and minimum of some runs, in seconds, and the mean processor time (user + system) of a run
    when known: on a busy machine it varies less than the time on the clock."""

    def __init__(self, values, cpu=None):
        self.median = statistics.median(values)
        self.min = min(values)
        self.cpu = cpu


def hyperfine(commands, runs, warmup=2):
    """Each command timed in whole runs by bash (the commands quote cp932 bytes as $'\\x..'), one
    command's runs after the other's."""
    with tempfile.NamedTemporaryFile(suffix=".json") as out:
        subprocess.run(["hyperfine", "--style", "none", "--warmup", str(warmup), "--runs", str(runs),
                        "--shell", "bash", "--export-json", out.name, "-i"] + commands, stdout=subprocess.DEVNULL, check=True)
        results = json.load(open(out.name))["results"]
    return [Timed(r["times"], r["user"] + r["system"]) for r in results]


def shell_output(cmd):
    return subprocess.run(["bash", "-c", cmd], capture_output=True).stdout


class MeasuredRuns:
    """Whole runs of one quilsk-cli search with `--time` under GNU time: wall time, peak resident
    memory and the search as the program times it. GNU time forks the command from a small process,
    so the memory of this one is not counted."""

    def __init__(self, cmd, runs, stdout=subprocess.DEVNULL):
        self.cmd, self.stdout = cmd, stdout
        self.walls, self.searches, self.rss = [], [], []
        for _ in range(runs):
            self.run_once()

    def run_once(self):
        started = time.perf_counter()
        result = subprocess.run(["/usr/bin/time", "-f", "%M"] + self.cmd + ["--time"], stdout=self.stdout,
                                stderr=subprocess.PIPE, text=True)
        self.walls.append(time.perf_counter() - started)
        err = result.stderr.strip().splitlines()
        self.rss.append(int(err[-1]) * 1024)
        self.searches.append(search_seconds(result.stderr))

    @property
    def wall(self):
        return Timed(self.walls)

    @property
    def search(self):
        return Timed(self.searches)

    @property
    def peak_rss(self):
        return max(self.rss)


def measured_in_turns(cmds, runs):
    """MeasuredRuns of each command, one run of each in turn, so that a drift of the machine's speed
    falls on all of them alike."""
    measured = [MeasuredRuns(cmd, 0) for cmd in cmds]
    for _ in range(runs):
        for m in measured:
            m.run_once()
    return measured


def search_seconds(stderr):
    """The search's own time from what `quilsk-cli search --time` wrote."""
    for line in stderr.splitlines():
        if line.startswith("quilsk-cli: ") and " lines in " in line:
            return float(line.rsplit(" in ", 1)[1].split()[0]) / 1e3
    raise RuntimeError("no time reported: " + stderr.strip())
