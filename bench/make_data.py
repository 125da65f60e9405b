#!/usr/bin/env python3
"""Builds the benchmark dictionaries from the converted EDICT files.

Deterministic (fixed seed): a main dictionary of about 150 MB in per-letter
files ZELK5.A .. ZELK5.Z and ZELK5.SYM, with headword, phrase and example lines
and some ESC-marked spans, and a bilingual corpus file of about 20 MB. All cp932
with CR LF, in the family's line format.

usage: make_data.py EDICT_DIR OUT_DIR
"""
import os
import random
import sys

MAIN_BYTES = 150 * 1000 * 1000
CORPUS_BYTES = 20 * 1000 * 1000
ESC = b"\x1b"
SQUARE = "■".encode("cp932")
CIRCLE = "●".encode("cp932")


def read_entries(edict_dir):
    entries = []
    for name in sorted(os.listdir(edict_dir)):
        if not name.startswith("EDICT."):
            continue
        with open(os.path.join(edict_dir, name), "rb") as f:
            for line in f.read().split(b"\r\n"):
                if line.startswith(SQUARE) and b" : " in line:
                    head, japanese = line[len(SQUARE):].split(b" : ", 1)
                    entries.append((head, japanese))
    return entries


def english(head):
    cut = head.find(b" {")
    return head if cut < 0 else head[:cut]


def letter_of(head):
    c = head[:1].upper()
    return c.decode() if c.isalpha() and c.isascii() else "SYM"


def main():
    edict_dir, out_dir = sys.argv[1], sys.argv[2]
    rng = random.Random(20261208)
    entries = read_entries(edict_dir)
    os.makedirs(os.path.join(out_dir, "main"), exist_ok=True)
    os.makedirs(os.path.join(out_dir, "corpus"), exist_ok=True)

    files = {}
    total = 0
    variant = 0
    while total < MAIN_BYTES:
        variant += 1
        for head, japanese in entries:
            if total >= MAIN_BYTES:
                break
            word = english(head)
            if variant > 1:
                head = head.replace(word, word + b" (" + str(variant).encode() + b")", 1)
            if rng.random() < 0.05:
                japanese = ESC + japanese + ESC
            lines = [SQUARE + head + b" : " + japanese]
            if rng.random() < 0.3:
                lines.append(b"* This is how " + word + b" is used. : " + japanese + "の使い方です。".encode("cp932"))
            if rng.random() < 0.1:
                lines.append(CIRCLE + b"to " + word + b" again : " + japanese + "を再び".encode("cp932"))
            bucket = files.setdefault(letter_of(word), [])
            for line in lines:
                bucket.append(line)
                total += len(line) + 2
    for letter, lines in files.items():
        lines.sort(key=lambda l: l.lower())
        with open(os.path.join(out_dir, "main", "ZELK5." + letter), "wb") as f:
            f.write(b"\r\n".join(lines) + b"\r\n")

    corpus = []
    size = 0
    while size < CORPUS_BYTES:
        a, b = rng.choice(entries), rng.choice(entries)
        line = (b"The " + english(a[0]) + b" and the " + english(b[0]) + b" were mentioned. : "
                + a[1] + "と".encode("cp932") + b[1] + "が話題になった。".encode("cp932"))
        corpus.append(line)
        size += len(line) + 2
    with open(os.path.join(out_dir, "corpus", "ZELK-BIL.TXT"), "wb") as f:
        f.write(b"\r\n".join(corpus) + b"\r\n")


if __name__ == "__main__":
    main()
