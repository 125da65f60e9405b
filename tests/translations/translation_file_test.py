#!/usr/bin/env python3
"""The English translation file is complete and current: every text has a
finished translation that keeps the source's placeholders, menu accelerator and
any blanks and line breaks at its ends (texts are joined to others), and, when
lupdate is given, the sources hold exactly the texts the file translates.

Usage: translation_file_test.py TS_FILE SOURCE_DIR [LUPDATE OPTION...]
"""
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def messages(ts_file):
    """(context, source) -> translation element, for every message of the file."""
    found = {}
    for context in ET.parse(ts_file).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            found[(name, message.findtext("source"))] = message.find("translation")
    return found


def placeholders(text):
    return sorted(re.findall(r"%(?:\d|[A-Zn])", text))


def ends(text):
    """The blanks and line breaks at either end."""
    return re.match(r"\s*", text).group(0), re.search(r"\s*$", text).group(0)


def check_translations(ts_file):
    found = messages(ts_file)
    check(found, "the file holds no text")
    for (context, source), translation in found.items():
        what = "%s: %r" % (context, source)
        check(translation.get("type") is None, what + " is marked " + str(translation.get("type")))
        # A text with a count (%n) has one form for each English number: one, more.
        forms = [form.text or "" for form in translation.iter("numerusform")] or [translation.text or ""]
        for text in forms:
            check(text.strip(), what + " has no translation")
            check(placeholders(text) == placeholders(source), what + " changes the placeholders: %r" % text)
            # English may need a blank where Japanese has none, never the other way round.
            for kept, given in zip(ends(source), ends(text)):
                check(not kept or kept == given, what + " changes the blanks at its ends: %r" % text)
            if re.search(r"&[^&\s]", source):
                check(re.search(r"&[^&\s]", text), what + " loses its accelerator: %r" % text)


def check_current(ts_file, source_dir, lupdate):
    with tempfile.TemporaryDirectory() as scratch:
        fresh = os.path.join(scratch, "fresh.ts")
        result = subprocess.run(lupdate + [source_dir, "-ts", fresh], capture_output=True, text=True)
        check(result.returncode == 0, "lupdate failed: " + result.stderr)
        if result.returncode != 0:
            return
        in_sources = set(messages(fresh))
    in_file = set(messages(ts_file))
    for context, source in sorted(in_sources - in_file):
        failures.append("%s: %r is in the sources but not in the file (build the target update_translations)"
                        % (context, source))
    for context, source in sorted(in_file - in_sources):
        failures.append("%s: %r is in the file but no longer in the sources" % (context, source))


def main():
    ts_file, source_dir, lupdate = sys.argv[1], sys.argv[2], sys.argv[3:]
    check_translations(ts_file)
    if lupdate:
        check_current(ts_file, source_dir, lupdate)
    else:
        print("lupdate not found: the sources were not compared with the file")
    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
