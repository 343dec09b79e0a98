"""One click acts in the first question window of a run, under a real window
manager: starts twm and the game on the X server of $DISPLAY, presses Play,
then clicks the window's way on (Skip, Done, quit) once, with real pointer
events (xdotool) at the place the accessibility bus gives for the button, and
waits for the window to close or the next one to open; one run for each kind
of question window. Then opens the data editor and clicks its list of
presidents once.
Exits 77 (skipped) when twm, xdotool or pyatspi is missing.

Usage: wm_first_click.py BREVALLO SEEDED_PROGRAM_DIR"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
# One run per kind of window: the category ticked, the seed, whether bonus
# questions are on (with seeds whose first question is of that bonus kind),
# the window's title and the caption of the button clicked.
CASES = [("matching", 7, 1, False, "Match 'em", "Skip"),
         ("portraits", 11, 1, False, "Match 'em", "Skip"),
         ("multiple choice", 1, 1, False, "Multiple Choice", "skip"),
         ("sorting", 15, 1, False, " Sort ", "Done"),
         ("quotation", 15, 13, True, "Multiple Choice", "skip"),
         ("odd one out", 15, 9, True, "Who didn't finish this term this way? ", "Skip"),
         ("Name Me", 15, 6, True, "Name Me -- Press the letter keys to enter my name... ", "quit")]


def skip(why):
    print("SKIP:", why)
    sys.exit(77)


for tool in ("twm", "xdotool"):
    if shutil.which(tool) is None:
        skip(tool + " is not installed (apt-get install twm xdotool xfonts-base)")
try:
    import pyatspi
except ImportError:
    skip("pyatspi is not installed (apt-get install python3-pyatspi)")


def nodes(node, depth=0):
    if node is None or depth > 40:
        return
    yield node
    for i in range(node.childCount):
        yield from nodes(node.getChildAtIndex(i), depth + 1)


def button_centre(name, pid, timeout=15, role="push button", window=None):
    """Screen centre of the showing control `name` (any name for None) of process pid,
    in its window titled `window` (any window for None)."""
    end = time.time() + timeout
    while time.time() < end:
        for app in pyatspi.Registry.getDesktop(0):
            if app is None or app.get_process_id() != pid:
                continue
            tops = [app] if window is None else \
                [app.getChildAtIndex(i) for i in range(app.childCount)
                 if app.getChildAtIndex(i) is not None and app.getChildAtIndex(i).name == window]
            for node in (n for top in tops for n in nodes(top)):
                if node.getRoleName() == role and (name is None or node.name == name) \
                        and node.getState().contains(pyatspi.STATE_SHOWING):
                    e = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                    if e.width > 0:
                        return e.x + e.width // 2, e.y + e.height // 2
        time.sleep(0.2)
    return None


def windows(title):
    out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % re.escape(title)],
                         capture_output=True, text=True).stdout
    return set(out.split())


def titled_windows(pid):
    """The shown windows of pid that carry a title of their own (not a tooltip)."""
    out = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid), "--name", "."],
                         capture_output=True, text=True).stdout
    names = {w: subprocess.run(["xdotool", "getwindowname", w], capture_output=True, text=True).stdout.strip()
             for w in out.split()}
    return {w for w, name in names.items() if name and name != "brevallo"}


def wait_for(predicate, timeout):
    end = time.time() + timeout
    while time.time() < end:
        value = predicate()
        if value:
            return value
        time.sleep(0.1)
    return None


def click(at):
    subprocess.run(["xdotool", "mousemove", str(at[0]), str(at[1])], check=True)
    time.sleep(0.3)   # as a player's hand rests before it clicks
    subprocess.run(["xdotool", "click", "1"], check=True)


def program_dir(seeded, category, bonus=False):
    d = tempfile.mkdtemp(prefix="brev-wm-")
    for f in os.listdir(seeded):
        if f.startswith(("brev", "eagle")) and os.path.isfile(os.path.join(seeded, f)):
            shutil.copy(os.path.join(seeded, f), d)
    for f in ("brev.hof", "brevquiz.log"):
        if os.path.exists(os.path.join(d, f)):
            os.remove(os.path.join(d, f))
    # brev.INI: line 1 (one question of difficulty 1), sound off, the one category.
    lines = open(os.path.join(d, "brev.INI"), newline="", encoding="latin-1").read().split("\r\n")
    lines[0] = "1  1  3  0 "
    lines[1] = " 0  0  8  8 "
    for k in range(0, 19):
        lines[13 + k] = "-1 " if k == category else " 0 "
    open(os.path.join(d, "brev.INI"), "w", newline="", encoding="latin-1").write("\r\n".join(lines))
    with open(os.path.join(d, "brevplus.ini"), "w", encoding="utf-8") as f:
        f.write("[game]\nbonusQuestions=%s\nlaterPresidents=true\n" % ("true" if bonus else "false"))
    return d


def run_case(game, seeded, label, category, seed, bonus, title, skip_caption):
    d = program_dir(seeded, category, bonus)
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    proc = subprocess.Popen([game, "--dir", d, "--seed", str(seed)], env=env)
    try:
        play = button_centre("Play", proc.pid)
        if not play:
            return "%s: the main window's Play button never showed" % label
        click(play)
        first = wait_for(lambda: windows(title), 10)
        if not first:
            return "%s: one click on Play opened no question window" % label
        skip_at = button_centre(skip_caption, proc.pid)
        if not skip_at:
            return "%s: no %s button in the question window" % (label, skip_caption)
        before = titled_windows(proc.pid)
        click(skip_at)
        if not wait_for(lambda: titled_windows(proc.pid) != before, 5):
            return "%s: one click on %s in the first question window did nothing" % (label, skip_caption)
        return None
    finally:
        proc.kill()
        proc.wait()
        shutil.rmtree(d, ignore_errors=True)


def shown_lists(pid):
    """The shown windows of pid tall enough to be an open list (not a tooltip)."""
    out = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid), ""],
                         capture_output=True, text=True).stdout
    tall = set()
    for w in out.split():
        shape = subprocess.run(["xdotool", "getwindowgeometry", "--shell", w],
                               capture_output=True, text=True).stdout
        height = [int(l.split("=")[1]) for l in shape.split() if l.startswith("HEIGHT=")]
        if height and height[0] > 100:
            tall.add(w)
    return tall


def editor_list(game, seeded):
    """Setup, Edit, then one click on the editor's list of presidents: the
    list opens and stays open."""
    d = program_dir(seeded, 1)
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    proc = subprocess.Popen([game, "--dir", d, "--seed", "1"], env=env)
    try:
        for caption in ("Setup", "Edit"):
            at = button_centre(caption, proc.pid)
            if not at:
                return "editor: no %s button" % caption
            click(at)
        # The editor's list, not the setup screen's language box behind it.
        combo = button_centre(None, proc.pid, role="combo box", window="Edit")
        if not combo:
            return "editor: no list of presidents"
        time.sleep(0.5)
        before = shown_lists(proc.pid)
        click(combo)
        time.sleep(1.0)   # long enough for a focus change to close it again
        if not shown_lists(proc.pid) - before:
            return "editor: one click on the list of presidents did not open it, or it closed at once"
        return None
    finally:
        proc.kill()
        proc.wait()
        shutil.rmtree(d, ignore_errors=True)


def main():
    game, seeded = sys.argv[1], sys.argv[2]
    wm = subprocess.Popen(["twm", "-f", os.path.join(HERE, "twmrc")],
                          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(0.5)
    try:
        failures = [f for f in (run_case(game, seeded, *case) for case in CASES) if f]
        failures += [f for f in [editor_list(game, seeded)] if f]
    finally:
        wm.kill()
    for f in failures:
        print("FAIL:", f)
    if not failures:
        print("PASS: one click on Play and on the way on in the first", ", ".join(c[0] for c in CASES),
              "window, and on the editor's list, under twm")
    return 1 if failures else 0


sys.exit(main())
