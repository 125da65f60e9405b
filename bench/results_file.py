"""bench/RESULTS.md holds one section per machine, headed '## <processor model>'; a run replaces
only the section of the machine it ran on and keeps the others, so a regression on one shows."""
import os

HEADER = """# Benchmark results

`bench/run` writes one section per machine, named by its processor model as `/proc/cpuinfo` gives
it. A run replaces the section of the machine it ran on and keeps the others, so that a change that
helps one machine and hurts another shows here. Read the machine line and the load average of each
section before comparing numbers across sections.
"""


def split_sections(text):
    """(text before the first section, [(title, section text)]) where section text starts with its heading."""
    head, sections = [], []
    for line in text.splitlines(keepends=True):
        if line.startswith("## "):
            sections.append([line[3:].strip(), [line]])
        elif sections:
            sections[-1][1].append(line)
        else:
            head.append(line)
    return "".join(head), [(title, "".join(body)) for title, body in sections]


def replace_section(text, title, body):
    """`text` with the section `title` replaced by `body` (which starts with its own heading), or with
    `body` added at the end when no section has that title."""
    _, sections = split_sections(text)
    body = body.rstrip("\n") + "\n"
    replaced = False
    out = []
    for old_title, old_body in sections:
        if old_title == title:
            out.append(body)
            replaced = True
        else:
            out.append(old_body.rstrip("\n") + "\n")
    if not replaced:
        out.append(body)
    return HEADER + "\n" + "\n".join(out)


def write_section(path, title, body):
    text = open(path, encoding="utf-8").read() if os.path.exists(path) else ""
    updated = replace_section(text, title, body)
    with open(path + ".tmp", "w", encoding="utf-8") as out:
        out.write(updated)
    os.replace(path + ".tmp", path)
