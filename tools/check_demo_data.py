#!/usr/bin/env python3
"""Checks the demo edition's course files the way the trainer reads them.

Usage: check_demo_data.py [data folder]   (default: the repository's data/)
Prints the counts and exits with 1 when a fault is found.
"""

import os
import sys

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
DATA = os.path.abspath(sys.argv[1]) if len(sys.argv) > 1 else os.path.join(ROOT, "data")
PROGRAM = os.path.join(DATA, "program")
DISC = os.path.join(DATA, "disc")

faults = []


def fault(msg):
    faults.append(msg)


def trim(s):
    # Trim removes every character up to and including the space at both ends.
    i, j = 0, len(s)
    while i < j and ord(s[i]) <= 32:
        i += 1
    while j > i and ord(s[j - 1]) <= 32:
        j -= 1
    return s[i:j]


def read_lines(name, folder=PROGRAM, required=True):
    path = os.path.join(folder, name)
    if not os.path.exists(path):
        if required:
            fault(f"{name}: missing")
        return []
    raw = open(path, "rb").read()
    if raw and not raw.endswith(b"\r\n"):
        fault(f"{name}: last line not ended by CR LF")
    if b"\n" in raw.replace(b"\r\n", b""):
        fault(f"{name}: a line ends in LF without CR")
    try:
        text = raw.decode("cp1250")
    except UnicodeDecodeError as e:
        fault(f"{name}: not Windows-1250: {e}")
        return []
    if raw.startswith(b"\xef\xbb\xbf"):
        fault(f"{name}: starts with a UTF-8 byte-order mark")
    # UTF-8 bytes of Polish letters read as cp1250 look like "Ä…" or "Ĺ‚".
    for bad in ("Ä", "Ĺ", "Ă"):
        if bad in text:
            fault(f"{name}: looks like UTF-8 text ({bad!r})")
    return text.split("\r\n")[:-1] if text.endswith("\r\n") else text.split("\r\n")


def integer(text, where):
    t = trim(text)
    if t == "":
        return 0
    try:
        return int(t)
    except ValueError:
        fault(f"{where}: not a number: {text!r}")
        return 0


def parse_items(name, sentences):
    items = []
    for n, raw in enumerate(read_lines(name), 1):
        line = trim(raw)
        if len(line) <= 7:
            continue
        where = f"{name}:{n}"
        eqs = [i for i, c in enumerate(line) if c == "="]
        if len(eqs) != 9:
            fault(f"{where}: {len(eqs)} '=' instead of 9")
            continue
        if line[2] != " " or line[9] != " " or line[12] != " ":
            fault(f"{where}: columns 3, 10 and 13 must be blank")
        own = integer(line[3], where)
        item = {
            "where": where,
            "group": integer(line[0:2], where),
            "own": own,
            "id": integer(line[4:9], where),
            "level": integer(line[10], where),
            "kind": integer(line[11], where),
            "foreign": trim(line[13:eqs[0]]),
            "f": [trim(line[eqs[k] + 1:eqs[k + 1]]) for k in range(8)],
        }
        if not line[4:9].isdigit():
            fault(f"{where}: ID columns 5-9 are not five digits: {line[4:9]!r}")
        if item["level"] not in (1, 2, 3):
            fault(f"{where}: level {item['level']}")
        kinds = (5,) if sentences else (1, 2, 3, 4)
        if item["kind"] not in kinds:
            fault(f"{where}: kind {item['kind']}")
        if not item["foreign"]:
            fault(f"{where}: empty foreign text")
        if not item["f"][0]:
            fault(f"{where}: empty Polish text")
        items.append(item)
    return items


def check():
    # Program folder and disc.
    ini = read_lines("ts40.ini")
    last = ini[1] if len(ini) >= 2 else (ini[0] if ini else "")
    root = trim(last.partition("=")[2])
    disc_root = os.path.normpath(os.path.join(PROGRAM, root))
    if os.path.normpath(disc_root) != os.path.normpath(DISC):
        fault(f"ts40.ini: disc root {root!r} is not the disc folder")
    p = read_lines("p.txt", DISC)
    if not p or trim(p[0]).lower()[1:2] != "h":
        fault("p.txt: second character of the first line is not h")
    probe = os.path.join(DISC, "bsslow3", "z2", "10", "1001.jpg")
    if not os.path.exists(probe) or open(probe, "rb").read(3) != b"\xff\xd8\xff":
        fault("probe file z2/10/1001.jpg missing or not a JPEG")

    edition = read_lines("tavo_sk.txt")
    if len(edition) != 8:
        fault(f"tavo_sk.txt: {len(edition)} lines instead of 8")
    else:
        if integer(edition[1], "tavo_sk.txt:2") != 1:
            fault("tavo_sk.txt: language is not 1")
        integer(edition[2], "tavo_sk.txt:3")
        integer(edition[5], "tavo_sk.txt:6")

    for name in ("ss_sk.t", "ss.t"):
        pairs = [l for l in read_lines(name) if "=" in l]
        if not 1 <= len(pairs) <= 30:
            fault(f"{name}: {len(pairs)} pairs")

    # Groups.
    groups = {}
    for n, line in enumerate(read_lines("gta_s.txt"), 1):
        if len(line) <= 7:
            continue
        fields = line.split("=")
        if len(fields) != 6 or trim(fields[5]):
            fault(f"gta_s.txt:{n}: not five fields each ended by '='")
            continue
        number = integer(fields[0], f"gta_s.txt:{n}")
        integer(fields[1], f"gta_s.txt:{n}")
        if number in groups:
            fault(f"gta_s.txt:{n}: group {number} twice")
        groups[number] = trim(fields[3])
        if not 1 <= number <= 99:
            fault(f"gta_s.txt:{n}: group number {number} outside 1..99")

    words = parse_items("sba_slow.txt", False)
    own = parse_items("sbusr.txt", False)
    sentences = parse_items("zda.txt", True)

    for w in words:
        if w["own"] != 0:
            fault(f"{w['where']}: built-in word with own flag")
        if not 1 <= w["id"] < 40000:
            fault(f"{w['where']}: word ID {w['id']}")
        if not w["f"][4].isdigit() or int(w["f"][4]) < 1:
            fault(f"{w['where']}: no recording number")
        if w["f"][1] and w["kind"] != 1:
            fault(f"{w['where']}: plural on a word that is not a noun")
    for w in own:
        if w["own"] != 1 or w["id"] <= 40000 or w["id"] >= 60000:
            fault(f"{w['where']}: own word flag or ID")
        if any(w["f"][5:]):
            fault(f"{w['where']}: own word fields 6 to 8 not empty")
    for s in sentences:
        where, text = s["where"], s["foreign"]
        if s["id"] <= 60000:
            fault(f"{where}: sentence ID {s['id']}")
        gaps = text.count("<")
        if gaps != text.count(">") or gaps > 4:
            fault(f"{where}: gaps")
        answers = s["f"][2].split("#") if s["f"][2] else []
        if len(answers) != gaps:
            fault(f"{where}: {gaps} gaps but {len(answers)} gap answers")
        # Every gap text must be among its accepted answers.
        rest = text
        for g in range(gaps):
            a, b = rest.index("<"), rest.index(">")
            gap = trim(rest[a + 1:b])
            rest = rest[b + 1:]
            if g < len(answers) and gap not in [trim(x) for x in answers[g].split("/")]:
                fault(f"{where}: gap {gap!r} not in its answers {answers[g]!r}")
        # Choice options: four for a sentence with one or two gaps; none is
        # allowed where the choice exercise cannot be made (no gap, or more).
        options = [trim(o) for o in s["f"][4].split("/")] if s["f"][4] else []
        if (options or gaps in (1, 2)) and (len(options) != 4 or len(set(options)) != 4):
            fault(f"{where}: choice options {s['f'][4]!r}")
        expected = " ... ".join(trim(x) for x in __import__("re").findall(r"<([^>]*)>", text)[:2])
        if options and options[-1].replace("...", " ... ") != expected:
            fault(f"{where}: last option {options[-1]!r} is not the answer {expected!r}")
        if not s["f"][1]:
            fault(f"{where}: no second translation")
        if not s["f"][5].isdigit():
            fault(f"{where}: no recording number")

    all_items = words + own + sentences
    ids = {}
    for it in all_items:
        if it["id"] in ids:
            fault(f"{it['where']}: ID {it['id']} also in {ids[it['id']]}")
        ids[it["id"]] = it["where"]
        if it["group"] not in groups:
            fault(f"{it['where']}: group {it['group']} not in gta_s.txt")
    recs = {}
    for it in words + sentences:
        r = it["f"][4] if it["kind"] != 5 else it["f"][5]
        if r in recs:
            fault(f"{it['where']}: recording {r} also used by {recs[r]}")
        recs[r] = it["where"]
    word_ids = {w["id"] for w in words + own}
    sentence_ids = {s["id"] for s in sentences}

    links = []
    for n, line in enumerate(read_lines("coneca.txt"), 1):
        if len(line) <= 7:
            continue
        f = line.split("=")
        w, s = integer(f[0], f"coneca.txt:{n}"), integer(f[1], f"coneca.txt:{n}")
        if w not in word_ids:
            fault(f"coneca.txt:{n}: word {w} missing")
        if s not in sentence_ids:
            fault(f"coneca.txt:{n}: sentence {s} missing")
        if (w, s) in links:
            fault(f"coneca.txt:{n}: link twice")
        links.append((w, s))
    for s in sentence_ids - {s for _, s in links}:
        fault(f"sentence {s} has no link")

    for n, line in enumerate(read_lines("kom_user.txt"), 1):
        if len(line) > 3 and integer(line.partition("=")[0], f"kom_user.txt:{n}") not in ids:
            fault(f"kom_user.txt:{n}: ID not in the store")

    exercises = []
    names = set()
    for n, line in enumerate(read_lines("cwa_s.txt"), 1):
        where = f"cwa_s.txt:{n}"
        if line.count("=") < 3:
            continue
        digit, name, title = line.split("=")[:3]
        name = trim(name).lower()
        if name in names:
            fault(f"{where}: name {name} twice")
        names.add(name)
        if len(name) > 24 or len(trim(title)) > 64:
            fault(f"{where}: name or title too long")
        if not name[4:5].isdigit() or int(name[4]) not in (1, 2, 3):
            fault(f"{where}: category (character 5) of {name!r}")
        if integer(name[1:3], where) not in groups:
            fault(f"{where}: section {name[1:3]!r} is no group")
        kind_word = trim(digit) == "7"
        if name[0] != ("0" if kind_word else "1"):
            fault(f"{where}: first character of the name does not match the set digit")
        cells = line[line.index("=", line.index("=", line.index("=") + 1) + 1):]
        ids_here = []
        while cells:
            ids_here.append(integer(cells[1:6], where))
            cells = cells[6:]
        if not ids_here or len(ids_here) > 300:
            fault(f"{where}: {len(ids_here)} cells")
        for i in ids_here:
            if i not in ids:
                fault(f"{where}: cell {i} not in the store")
            elif (i < 60000) != kind_word:
                fault(f"{where}: cell {i} of the wrong kind for set {digit}")
        exercises.append((name, kind_word, len(ids_here)))

    sets = []
    for k in range(1, 8):
        b = read_lines(f"b{k}.txt")
        if len(b) != 4:
            fault(f"b{k}.txt: {len(b)} lines")
            continue
        title, kind, data, period = (trim(x) for x in b)
        if integer(period, f"b{k}.txt:4") < 1:
            fault(f"b{k}.txt: period below 1")
        rows = 0
        if kind == "sent1":
            for line in read_lines(data):
                f = line.split("=")
                if len(f) != 4 or not all(trim(x) for x in f):
                    fault(f"{data}: row {line!r} is not four fields")
                elif not trim(f[1]).endswith(".wav"):
                    fault(f"{data}: recording name {f[1]!r}")
                rows += 1
        elif kind in ("zd1", "zd2"):
            for line in read_lines(data):
                if len(line) <= 5 or "=" not in line:
                    continue
                f = line.split("=")
                code = trim(f[0])
                caption = f[3] if len(f) > 3 else ""
                if not caption and len(f) > 4:
                    caption = "=".join(f[4:])[:-1]
                if len(code) != 6 or not code[2:].isdigit():
                    fault(f"{data}: picture code {code!r}")
                if not caption or caption != trim(caption):
                    fault(f"{data}: caption of {code!r} is {caption!r}")
                rows += 1
        elif kind != "koj":
            fault(f"b{k}.txt: kind {kind!r}")
        sets.append((k, kind, title, rows))

    # Counts.
    kinds = {k: sum(1 for w in words if w["kind"] == k) for k in (1, 2, 3, 4)}
    levels = {l: sum(1 for w in words if w["level"] == l) for l in (1, 2, 3)}
    per_group = {g: sum(1 for w in words if w["group"] == g) for g in groups}
    print(f"groups: {len(groups)}; words per group: {per_group}")
    print(f"words: {len(words)} (kinds {kinds}, levels {levels}); own words: {len(own)}")
    print(f"sentences: {len(sentences)}; links: {len(links)}")
    print(f"exercises: {len(exercises)} ({sum(1 for e in exercises if e[1])} word sets, "
          f"{sum(1 for e in exercises if not e[1])} sentence sets)")
    for k, kind, title, rows in sets:
        print(f"  b{k}: {kind:5} {rows:3} rows  {title}")
    if len(words) < 150 or len(groups) < 6 or len(sentences) < 50 or len(links) < 60 or len(exercises) < 12:
        fault("counts below the demo's minimum")
    per_section = {}
    for name, _, _ in exercises:
        per_section[name[1:3]] = per_section.get(name[1:3], 0) + 1
    if max(per_section.values(), default=0) < 19:
        fault("no section has more exercises than the chooser shows at once (19)")
    for g, n in per_group.items():
        if {w["kind"] for w in words if w["group"] == g} != {1, 2, 3, 4}:
            fault(f"group {g}: not all four kinds")


check()
for f in faults:
    print("FAULT:", f)
sys.exit(1 if faults else 0)
