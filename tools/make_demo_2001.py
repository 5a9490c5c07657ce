#!/usr/bin/env python3
"""Writes the demo earlier-edition folder (data/ta2001): a user list, one user's
repetition file and the own words, so the import can be tried by hand.

Its p.b holds records for words and sentences of the demo course, records for the
own words, records whose IDs the demo course does not have (they go to the
rejected-codes file) and per-type bytes raised by 100 (flagged types).
The outputs are committed; run this again only after changing the tables below.
Windows-1250 with CR LF line ends, as the earlier edition wrote them.
"""

import os
import struct

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
PROGRAM = os.path.join(ROOT, "data", "program")
OUT = os.path.join(ROOT, "data", "ta2001")

USERS = [(1, "Marta"), (2, "Tomek")]

# Own words of the earlier edition: (ID, group, foreign, Polish).
OWN_WORDS = [
    (40001, 1, "teapot", "czajniczek"),
    (40002, 1, "doormat", "wycieraczka"),
    (40003, 6, "kite", "latawiec"),
]

# IDs no item of the demo course has.
UNKNOWN_IDS = [39001, 39002, 59990]

LAST_DATE = 45292.0  # 2024-01-01: every record with an interval is due


def item_ids(name):
    ids = []
    with open(os.path.join(PROGRAM, name), "rb") as f:
        for line in f.read().split(b"\r\n"):
            line = line.strip()
            if len(line) > 7:
                ids.append(int(line[4:9]))
    return ids


def record(item_id, interval, types):
    """60 bytes: ID, first and last date, count, interval, previous interval,
    factor, 15 per-type bytes, the "known" and bin flags, 3 spare bytes."""
    body = struct.pack("<iddiiid", item_id, LAST_DATE - 40, LAST_DATE, 3, interval, 4, 1.5)
    return body + bytes(types) + bytes([0, 0, 0, 0, 0])


def write(rel, data):
    path = os.path.join(OUT, rel)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def main():
    words = item_ids("sba_slow.txt")[:40]
    sentences = item_ids("zda.txt")[:10]
    records = []
    for n, i in enumerate(words):
        types = [0] * 15
        types[5] = 2            # dictation, right at the first attempt
        if n % 4 == 0:
            types[3] = 102      # flagged
        if n % 7 == 0:
            types[0] = 101
        records.append(record(i, 0 if n % 10 == 9 else 10, types))
    for i in sentences:
        types = [0] * 15
        types[11] = 1
        records.append(record(i, 6, types))
    for i, *_ in OWN_WORDS:
        records.append(record(i, 12, [0, 0, 0, 102] + [0] * 11))
    for i in UNKNOWN_IDS:
        records.append(record(i, 5, [0] * 15))
    write("1/p.b", b"".join(records))
    write("2/p.b", b"".join(records[:5]))
    write("usr.t", "".join(f"{n}={name}\r\n" for n, name in USERS).encode("cp1250"))
    own = "".join(
        f"{g:02d} 1{i:05d} 11 {en} = {pl} == = = == = = =\r\n" for i, g, en, pl in OWN_WORDS)
    write("sbusr.txt", own.encode("cp1250"))


if __name__ == "__main__":
    main()
