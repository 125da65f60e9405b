"""The floor program reads every byte once in every way of reading: its LF count equals Python's, for
files of awkward sizes, with every way bench/run times and with one or several threads."""
import os
import random
import subprocess
import tempfile
import unittest

import floor_ways

FLOOR = os.environ.get("READ_FLOOR", "")


@unittest.skipUnless(FLOOR, "READ_FLOOR names the read-floor program")
class ReadFloor(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.dir = tempfile.TemporaryDirectory()
        rng = random.Random(12)
        alphabet = b"\n\r a\x81\xfc"
        table = bytes(alphabet[i % len(alphabet)] for i in range(256))
        page = os.sysconf("SC_PAGE_SIZE")
        # Empty, shorter than a vector, around a page and a window, over several windows, and large enough
        # to be read in ranges.
        sizes = [0, 1, 31, 33, page - 1, page, page + 1, (1 << 20) - 1, (1 << 20) + 129, 3 * (1 << 20) + 7,
                 9 * (1 << 20) + 5]
        cls.files, cls.line_feeds = [], 0
        for i, size in enumerate(sizes):
            data = rng.randbytes(size).translate(table)
            path = os.path.join(cls.dir.name, "f%d" % i)
            with open(path, "wb") as f:
                f.write(data)
            cls.files.append(path)
            cls.line_feeds += data.count(b"\n")

    @classmethod
    def tearDownClass(cls):
        cls.dir.cleanup()

    def count(self, options):
        result = subprocess.run([FLOOR] + options + self.files, capture_output=True, text=True)
        self.assertEqual(result.returncode, 0, result.stderr)
        return int(result.stdout)

    def test_every_way_counts_every_byte(self):
        ways = floor_ways.ways(3) + [("read 4093 bytes", ["--call", "read", "--block", "4093"]),
                                     ("pread 4099 bytes", ["--call", "pread", "--block", "4099"]),
                                     ("8 threads, 4 KiB blocks, mmap", ["--threads", "8", "--split", "blocks",
                                                                        "--block", "4K"])]
        for name, options in ways:
            with self.subTest(way=name):
                self.assertEqual(self.count(options), self.line_feeds)

    def test_refused_options(self):
        for options in (["--call", "mmap", "--block", "100"], ["--call", "read", "--block", "0"],
                        ["--split", "blocks", "--call", "read"], ["--split", "blocks", "--block", "0"], ["--split", "ranges", "--call", "mmap"],
                        ["--threads", "0"], ["--block", "1G"], ["--call", "write"], ["--bogus"]):
            with self.subTest(options=options):
                result = subprocess.run([FLOOR] + options + self.files, capture_output=True, text=True)
                self.assertEqual(result.returncode, 2)
                self.assertEqual(result.stdout, "")
                self.assertTrue(result.stderr.startswith(("read-floor: ", "usage: ")))

    def test_missing_file(self):
        result = subprocess.run([FLOOR, os.path.join(self.dir.name, "missing")], capture_output=True, text=True)
        self.assertEqual(result.returncode, 2)
        self.assertIn("missing", result.stderr)


if __name__ == "__main__":
    unittest.main()
