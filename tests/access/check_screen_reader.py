"""What a screen reader sees of the two main windows, through AT-SPI.

Starts the program on the example study inside the session bus the wrapper
script made, waits for its windows on the accessibility bus, and checks that
every input, button and toolbar action has a name and that the results grid
is a table with its headings."""
import subprocess
import sys
import time

import pyatspi

ENTRY_ROLES = {pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_SPIN_BUTTON}
PROJECTION_INPUTS = [
    "Anno di partenza", "Numero di abitanti nell'anno di partenza", "Tasso di fecondità (%)",
    "Età inizio di procreazione", "Età di fine procreazione", "Mortalità infantile su 1000",
    "Età mediana di morte", "Immigrazione x 1000", "Emigrazione x 1000", "Anno di arrivo",
]


SHARE = "Donne in età feconda (% sulla popolazione)"


def walk(node, depth=0):
    if node is None or depth > 40:
        return
    yield node
    for i in range(node.childCount):
        try:
            child = node.getChildAtIndex(i)
        except Exception:
            continue
        yield from walk(child, depth + 1)


def app_named(name, timeout=30):
    end = time.time() + timeout
    while time.time() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and name in (app.name or "").lower():
                return app
        time.sleep(0.5)
    return None


def frame_titled(app, words, timeout=20):
    end = time.time() + timeout
    while time.time() < end:
        for i in range(app.childCount):
            frame = app.getChildAtIndex(i)
            if frame is not None and words in (frame.name or "") and frame.getState().contains(pyatspi.STATE_SHOWING):
                return frame
        time.sleep(0.3)
    return None


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def click(node):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(box.x + box.width // 2), str(box.y + box.height // 2), "click", "1"],
                   check=True)


def describe(node):
    return "%s %r" % (node.getRoleName(), node.name)


def check_named(frame, label, failures):
    """Every showing input, push button and toolbar action has a name."""
    entries, buttons, tools = [], [], []
    for node in walk(frame):
        if not showing(node):
            continue
        role = node.getRole()
        if role in ENTRY_ROLES:
            entries.append(node)
        elif role in (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON):
            parent = node.parent
            (tools if parent is not None and parent.getRole() == pyatspi.ROLE_TOOL_BAR else buttons).append(node)
        elif role == pyatspi.ROLE_SCROLL_BAR and not node.name:
            failures.append("%s: a scroll bar without a name" % label)
    for kind, nodes in (("input", entries), ("button", buttons), ("toolbar action", tools)):
        for node in nodes:
            if not (node.name or "").strip():
                failures.append("%s: an unnamed %s (%s)" % (label, kind, describe(node)))
    return entries, buttons, tools


def check_share(frame, failures):
    """The share's scroll bar reads the share of the study, 10 to 40."""
    bars = [n for n in walk(frame) if n.getRole() == pyatspi.ROLE_SCROLL_BAR and n.name == SHARE]
    if len(bars) != 1:
        failures.append("projection: %d scroll bars named %r, one expected" % (len(bars), SHARE))
        return
    value = bars[0].queryValue()
    read = (value.currentValue, value.minimumValue, value.maximumValue)
    if read != (23, 10, 40):
        failures.append("projection: the share reads %r, (23, 10, 40) expected" % (read,))


def keys_to_projection(*keys):
    """Keys typed in the projection window, as a keyboard user reaches its menus."""
    subprocess.run(["xdotool", "search", "--name", "stima del numero di abitanti", "windowfocus", "--sync"],
                   check=False)
    subprocess.run(["xdotool", "key", "--delay", "200", *keys], check=True)


def check_plan_windows(app, failures):
    """The hypotheses, the sizing and the ISTAT import, opened from the
    projection window's menus by their access keys: every input and button named."""
    for keys, title, label, least in ((("alt+g", "i"), "Ipotesi a confronto", "hypotheses", 0),
                                      (("alt+g", "d"), "Dimensionamento", "sizing", 14),
                                      (("alt+f", "i"), "Importa dati ISTAT", "import", 4)):
        keys_to_projection(*keys)
        frame = frame_titled(app, title)
        if frame is None:
            failures.append("%s: the window %r did not open from the keyboard" % (label, title))
            continue
        time.sleep(1)
        entries, buttons, _ = check_named(frame, label, failures)
        if len(entries) < least or not buttons:
            failures.append("%s: %d inputs and %d buttons" % (label, len(entries), len(buttons)))
        # Esc closes each (the import as Annulla does), so none hides the next.
        subprocess.run(["xdotool", "key", "Escape"], check=True)
        time.sleep(1)


def main():
    program, study = sys.argv[1], sys.argv[2]
    proc = subprocess.Popen([program, study])
    failures = []
    try:
        app = app_named("vicania")
        if app is None:
            print("FAIL: the program never appeared on the accessibility bus")
            return 1
        # The splash opens the projection window on a click, the study in it.
        splash = frame_titled(app, "")
        if splash is not None:
            click(splash)
        projection = frame_titled(app, "stima del numero di abitanti")
        if projection is None:
            names = [app.getChildAtIndex(i).name for i in range(app.childCount)]
            print("FAIL: no projection window among %r" % names)
            return 1
        # The study is read once the window is up; let its controls settle.
        time.sleep(2)
        entries, buttons, tools = check_named(projection, "projection", failures)
        names = {e.name for e in entries}
        for caption in PROJECTION_INPUTS:
            if caption not in names:
                failures.append("projection: no input named %r (names: %s)" % (caption, sorted(names)))
        if len(tools) != 13:
            failures.append("projection: %d toolbar actions, 13 expected" % len(tools))
        check_share(projection, failures)
        tables = [n for n in walk(projection) if n.getRole() == pyatspi.ROLE_TABLE]
        if len(tables) != 1:
            failures.append("projection: %d tables, one expected" % len(tables))
        else:
            table = tables[0].queryTable()
            headings = [table.getColumnDescription(c) or
                        (table.getColumnHeader(c).name if table.getColumnHeader(c) else "")
                        for c in range(table.nColumns)]
            if table.nColumns != 9 or headings[0] != "Anno" or headings[1] != "Abitanti":
                failures.append("projection: table columns %r" % headings)
            if table.nRows < 10:
                failures.append("projection: table has %d rows" % table.nRows)

        # The title page opens once there are results to report.
        calcola = [b for b in buttons if b.name.startswith("Calcola")]
        if calcola:
            click(calcola[0])
            time.sleep(1)
        front = [b for b in buttons if b.name == "Frontespizio"]
        if not front:
            failures.append("projection: no Frontespizio button")
        else:
            click(front[0])
            title = frame_titled(app, "frontespizio per la relazione")
            if title is None:
                failures.append("the title page did not open")
            else:
                entries, _, tools = check_named(title, "title page", failures)
                if len(entries) < 7:
                    failures.append("title page: %d inputs, at least 7 expected" % len(entries))
                if len(tools) != 13:
                    failures.append("title page: %d toolbar actions, 13 expected" % len(tools))
        check_plan_windows(app, failures)
    finally:
        proc.kill()
        proc.wait()
    for f in failures:
        print("FAIL:", f)
    print("checked" if not failures else "%d failures" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
