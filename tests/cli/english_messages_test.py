#!/usr/bin/env python3
"""The engine's messages on the command line follow the locale: English when
its first choice is English, else the Japanese they are written in.

Usage: english_messages_test.py QUILSK-CLI
"""
import os
import subprocess
import sys
import tempfile

CLI = sys.argv[1]
failures = []

ENGLISH = "Couldn't prepare the keywords (;_;)"
JAPANESE = "キーワードの初期化に失敗しました(;_;)"

# (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) -> the message expected.
CASES = [
    (("", "", "", "en_US.UTF-8"), ENGLISH),
    (("", "", "", "en_GB"), ENGLISH),
    (("", "", "", "en"), ENGLISH),
    (("", "", "", "ja_JP.UTF-8"), JAPANESE),
    (("", "", "", "C"), JAPANESE),
    (("", "", "", "C.UTF-8"), JAPANESE),
    (("", "", "", ""), JAPANESE),
    (("", "", "", "eo.UTF-8"), JAPANESE),  # "en" only as a whole language name
    (("", "", "en_US.UTF-8", "ja_JP.UTF-8"), ENGLISH),
    (("", "ja_JP.UTF-8", "en_US.UTF-8", "en_US.UTF-8"), JAPANESE),
    (("", "en_US.UTF-8", "ja_JP.UTF-8", "ja_JP.UTF-8"), ENGLISH),
    (("en_US:ja", "", "", "ja_JP.UTF-8"), ENGLISH),
    (("ja:en_US", "", "", "en_US.UTF-8"), JAPANESE),
]


def run(args, language, lc_all, lc_messages, lang, home):
    env = {k: v for k, v in os.environ.items() if k not in ("LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG")}
    for name, value in (("LANGUAGE", language), ("LC_ALL", lc_all), ("LC_MESSAGES", lc_messages), ("LANG", lang)):
        if value:
            env[name] = value
    env["QUILSK_HOME"] = home
    return subprocess.run([CLI] + args, capture_output=True, env=env)


def main():
    with tempfile.TemporaryDirectory() as home:
        for variables, expected in CASES:
            result = run(["search", "--group1", "nogroup"], *variables, home)
            stderr = result.stderr.decode("utf-8", "replace")
            if result.returncode != 2 or expected not in stderr:
                failures.append("%r: exit %d, stderr %r, wanted %r" % (variables, result.returncode, stderr, expected))
        # Output that scripts read stays as it is documented, whatever the locale.
        listing = run(["categories"], "", "", "", "en_US.UTF-8", home).stdout.decode("utf-8")
        if "\t未登録\t" not in listing:
            failures.append("categories under English: %r" % listing)
    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
