#!/usr/bin/env python3
"""Check an online question file for questions with two defensible answers.

Reads the records (brev.dat and, when present, brevplus.dat) from a program
directory and an online question file made from them, e.g.

    build/brevallo --dir DIR --export online --questions 6000 --seed 1 --out q.txt
    python3 tools/check_fairness.py DIR q.txt

and looks at two kinds of question, on their own terms, without the game's
code:

* "Who didn't finish this term this way? ": three presidents share the way
  the question names, the answer does not.  The question has a second
  defensible answer when the answer's way of ending also counts as the shared
  way: a president who lost an election after his term also served that
  term; an assassinated president also died in office.  "In office" is no way
  a term finished, so it cannot be the shared way; a president who served in
  periods apart ended his terms in more than one way and cannot stand in the
  question at all.
* Sorting questions whose items list people (vice presidents, first ladies,
  cabinet members, justices): an item belongs to its president's year, but
  when another president's record of the same field names every person the
  item names (John J. Crittenden, attorney general in 1841 and in 1850), the
  item fits that president's year too.  The question has a second defensible
  answer when some reading puts two items of different years the other way
  round or level (a tie lets the player put them in either order, and one of
  the two is judged wrong).

Two names are taken for one person when their surnames agree and, where both
give them, their first names agree (an initial stands for any name with that
letter) and so do the initials of their middle names; a name given by its
surname alone may be anyone of that surname.  Suffixes (Jr., II) are ignored.

Prints one line per faulty question and a summary; exits 1 when any question
is faulty, 2 when the files cannot be read.
"""

import csv
import io
import os
import sys
from collections import Counter

# Items of a record line (0-based).
NAME, TERM_KEY, TERM, VICE, END_KIND, WIFE = 0, 3, 4, 8, 11, 12
SEC_STATE, SEC_WAR, ATTN_GEN, COURT = 19, 20, 21, 22
RECORD_ITEMS = 25

END_KINDS = {0: "Served term", 1: "Died in office", 2: "Assassinated",
             3: "Lost try at re-election", 5: "In office"}
# (odd way, shared way): the odd president's way also counts as the shared one.
ALSO_COUNTS = {("Lost try at re-election", "Served term"), ("Assassinated", "Died in office")}
END_OF_TERM = "Who didn't finish this term this way? "

PEOPLE_SORTS = {
    "Sort First Ladies by term": WIFE,
    "Sort Vice Presidents": VICE,
    "Sort Sec'ys of State": SEC_STATE,
    "Sort Sec'ys of War/Defense": SEC_WAR,
    "Sort Att'ys General": ATTN_GEN,
    "Sort Supreme Court appointments": COURT,
}
SUFFIXES = {"Jr.", "Jr", "Sr.", "Sr", "II", "III", "IV"}


def read_records(path):
    with open(path, "rb") as f:
        text = f.read().decode("latin-1")
    return [row for row in csv.reader(io.StringIO(text)) if len(row) == RECORD_ITEMS]


def split_name(name):
    words = name.split()
    while len(words) > 1 and words[-1] in SUFFIXES:
        words.pop()
    if not words:
        return "", "", []
    return words[-1], (words[0] if len(words) > 1 else ""), words[1:-1]


def given_agree(a, b):
    if a == b:
        return True
    initial = lambda w: len(w) == 2 and w.endswith(".")
    return (initial(a) or initial(b)) and a[:1] == b[:1]


def one_person(a, b):
    sa, fa, ma = split_name(a)
    sb, fb, mb = split_name(b)
    if not sa or sa != sb:
        return False
    if not fa or not fb:
        return True
    if not given_agree(fa, fb):
        return False
    return not ma or not mb or [w[0] for w in ma] == [w[0] for w in mb]


def people(text):
    return [p.strip() for p in text.split(",") if p.strip()]


def names_every(listed, named):
    """Whether the list names every person of `named`."""
    return bool(people(named)) and all(any(one_person(p, q) for q in people(listed)) for p in people(named))


def blocks(lines):
    """(kind, lines) of the SORT and ODDOUT blocks."""
    i = 0
    while i < len(lines):
        if lines[i] == "SORT" and i + 12 <= len(lines):
            yield "SORT", lines[i + 1:i + 12]
            i += 12
        elif lines[i] == "ODDOUT" and i + 8 <= len(lines):
            yield "ODDOUT", lines[i + 1:i + 8]
            i += 8
        else:
            i += 1


def check_odd_one_out(block, by_name, faults, seen):
    category, shared, names, answer = block[0], block[1], block[2:6], block[6]
    if category != END_OF_TERM:
        return
    records = [by_name.get(n) for n in names]
    if None in records:
        faults.append("unknown president in " + " / ".join(names))
        return
    ways = [END_KINDS.get(int(r[END_KIND]), "") for r in records]
    odd = [p for p, way in enumerate(ways) if way != shared]
    position = int(answer) - 1
    seen[(shared, ways[position])] += 1
    why = ""
    if odd != [position]:
        why = "not exactly one president outside the shared way"
    elif shared == "In office":
        why = "'In office' is no way a term finished"
    elif (ways[position], shared) in ALSO_COUNTS:
        why = "the answer's way also counts as the shared way"
    elif any("," in r[TERM] for r in records):
        why = "a president who served terms apart"
    if why:
        faults.append("%s: %s / answer %s (%s): %s" % (shared, ", ".join(names), names[position],
                                                       ways[position], why))


def check_sort(block, records, faults, seen):
    category, items, keys = block[0], block[1:6], [int(k) for k in block[6:11]]
    field = PEOPLE_SORTS.get(category)
    if field is None:
        return
    seen[category] += 1
    years = []   # every year each item can be read at
    for text, key in zip(items, keys):
        own = [r for r in records if r[field] == text and int(r[TERM_KEY]) == key]
        if not own:
            faults.append("%s: no record holds %r at %d" % (category, text, key))
            return
        others = [int(r[TERM_KEY]) for r in records if r not in own and names_every(r[field], text)]
        years.append(sorted({key, *others}))
    for a in range(5):
        for b in range(5):
            if keys[a] < keys[b] and years[a][-1] >= years[b][0]:
                faults.append("%s: %r (%d, also %s) against %r (%d, also %s)" % (
                    category, items[a], keys[a], years[a], items[b], keys[b], years[b]))
                return


def main():
    if len(sys.argv) != 3:
        print(__doc__.split("\n\n")[1], file=sys.stderr)
        return 2
    folder, questions = sys.argv[1], sys.argv[2]
    try:
        records = read_records(os.path.join(folder, "brev.dat"))
        plus = os.path.join(folder, "brevplus.dat")
        if os.path.exists(plus):
            records += read_records(plus)
        with open(questions, "rb") as f:
            lines = f.read().decode("latin-1").split("\r\n")
    except OSError as e:
        print("check_fairness: %s" % e, file=sys.stderr)
        return 2
    by_name = {r[NAME]: r for r in records}
    odd_faults, sort_faults = [], []
    ways, sorts = Counter(), Counter()
    for kind, block in blocks(lines):
        if kind == "ODDOUT":
            check_odd_one_out(block, by_name, odd_faults, ways)
        else:
            check_sort(block, records, sort_faults, sorts)
    for fault in odd_faults + sort_faults:
        print(fault)
    print("end of term: %d of %d questions with two defensible answers" % (len(odd_faults), sum(ways.values())))
    for (shared, odd), n in sorted(ways.items()):
        print("  shared %-24s odd %-24s %d" % (shared, odd, n))
    print("people sorts: %d of %d questions with two defensible answers" % (len(sort_faults), sum(sorts.values())))
    return 1 if odd_faults or sort_faults else 0


if __name__ == "__main__":
    sys.exit(main())
