#!/usr/bin/env python3
"""Writes the English engine texts of a translation file as C++ table rows.

Usage: engine_texts_table.py TS_FILE OUTPUT

Each row is {"Japanese source", "English"}, sorted by the source's UTF-8 bytes
so that the command line can look a text up by binary search. Only the context
"Engine" is taken: the other texts belong to the desktop application.
"""

import sys
import xml.etree.ElementTree as ET


def cpp_string(text):
    out = []
    for byte in text.encode("utf-8"):
        ch = chr(byte)
        if ch == "\\" or ch == '"':
            out.append("\\" + ch)
        elif 0x20 <= byte < 0x7F:
            out.append(ch)
        else:
            # Octal, so that no following character is read as part of the escape.
            out.append("\\%03o" % byte)
    return '"' + "".join(out) + '"'


def main():
    ts_file, output = sys.argv[1], sys.argv[2]
    rows = {}
    for context in ET.parse(ts_file).getroot().iter("context"):
        if context.findtext("name") != "Engine":
            continue
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation.get("type") in ("unfinished", "vanished", "obsolete") or not translation.text:
                continue
            rows[message.findtext("source")] = translation.text
    lines = ["// Generated from %s by engine_texts_table.py; do not edit.\n" % ts_file.split("/")[-1]]
    for source in sorted(rows, key=lambda s: s.encode("utf-8")):
        lines.append("{%s, %s},\n" % (cpp_string(source), cpp_string(rows[source])))
    with open(output, "w", encoding="ascii") as out:
        out.writelines(lines)


if __name__ == "__main__":
    main()
