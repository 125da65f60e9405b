"""The ways of reading the files that the floor program (bench/floor) is timed with."""


def threaded_scan_way(threads):
    """The way the scan reads on a machine of `threads` logical CPUs: one thread a CPU, each a file or a range
    of a large file at a time."""
    return "%d threads, files and ranges, pread 256 KiB" % threads if threads > 1 else "pread 256 KiB buffer"


def ways(threads):
    """(name, read-floor options). `threads` is the machine's logical CPU count."""
    populate_seq = ["--populate", "--sequential"]
    one = [
        ("mmap 1 MiB windows", ["--call", "mmap", "--block", "1M"]),
        ("mmap 1 MiB windows, MAP_POPULATE", ["--call", "mmap", "--block", "1M", "--populate"]),
        ("mmap 1 MiB windows, MADV_SEQUENTIAL", ["--call", "mmap", "--block", "1M", "--sequential"]),
        ("mmap 1 MiB windows, MAP_POPULATE + MADV_SEQUENTIAL", ["--call", "mmap", "--block", "1M"] + populate_seq),
        ("mmap 16 MiB windows, MAP_POPULATE + MADV_SEQUENTIAL", ["--call", "mmap", "--block", "16M"] + populate_seq),
        ("mmap whole files", ["--call", "mmap", "--block", "0"]),
        ("mmap whole files, MAP_POPULATE", ["--call", "mmap", "--block", "0", "--populate"]),
        ("read 64 KiB buffer", ["--call", "read", "--block", "64K"]),
        ("read 256 KiB buffer", ["--call", "read", "--block", "256K"]),
        ("read 1 MiB buffer", ["--call", "read", "--block", "1M"]),
        ("read 256 KiB buffer, fadvise sequential", ["--call", "read", "--block", "256K", "--sequential"]),
        ("pread 256 KiB buffer", ["--call", "pread", "--block", "256K"]),
        ("pread 1 MiB buffer", ["--call", "pread", "--block", "1M"]),
    ]
    if threads < 2:
        return one
    t = str(threads)
    return one + [
        ("%s threads, files, read 256 KiB" % t, ["--threads", t, "--split", "files", "--call", "read", "--block", "256K"]),
        ("%s threads, files, pread 256 KiB" % t, ["--threads", t, "--split", "files", "--call", "pread", "--block", "256K"]),
        (threaded_scan_way(threads), ["--threads", t, "--split", "ranges", "--call", "pread", "--block", "256K"]),
        ("%s threads, files, mmap 1 MiB windows, MAP_POPULATE + MADV_SEQUENTIAL" % t,
         ["--threads", t, "--split", "files", "--call", "mmap", "--block", "1M"] + populate_seq),
        ("%s threads, 256 KiB blocks, pread" % t,
         ["--threads", t, "--split", "blocks", "--call", "pread", "--block", "256K"]),
        ("%s threads, 1 MiB blocks, pread" % t, ["--threads", t, "--split", "blocks", "--call", "pread", "--block", "1M"]),
        ("%s threads, 1 MiB blocks, mmap, MAP_POPULATE" % t,
         ["--threads", t, "--split", "blocks", "--call", "mmap", "--block", "1M", "--populate"]),
    ]
