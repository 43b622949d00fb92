#!/usr/bin/python3
"""Starts Korvel on the display and walks what a screen reader finds through the accessibility
bus, in each language: the main window and the settings window.

Usage: screen_reader_test.py KORVEL SRC_DIR [--dump]   (inside dbus-run-session and xvfb-run)
"""
import os, re, subprocess, sys, tempfile, time
from pathlib import Path

import pyatspi

korvel, src = sys.argv[1], Path(sys.argv[2])
dump = "--dump" in sys.argv
# The program's own control names: a screen reader must never read one of these to the user,
# unless it is also a caption on screen.
declared = [m for f in src.glob("*/controls.cpp")
            for m in re.findall(r'\b[a-zA-Z]+\(\w+, "([^"]+)", "([^"]*)"', f.read_text())]
internal = {name for name, _ in declared} - {caption.strip() for _, caption in declared}
# A few names per language: they show the switch reaches the names, and find the buttons.
heard = {
    "french": {"hours": "Durée du film, heures", "settings": "Autres réglages de l'encodeur"},
    "german": {"hours": "Spielzeit, Stunden", "settings": "Weitere Einstellungen"},
    "english": {"hours": "Play time, hours", "settings": "More encoder settings"},
}
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)


def wait_for(find, what, seconds=30):
    end = time.time() + seconds
    while time.time() < end:
        found = find()
        if found:
            return found
        time.sleep(0.1)
    sys.exit(f"FAIL: {what} did not appear")


def children(acc):
    return [acc.getChildAtIndex(i) for i in range(acc.childCount)]


def subtree(acc):
    for child in children(acc):
        yield child
        if child.getRole() != pyatspi.ROLE_COMBO_BOX:  # its list and its typing part are its own
            yield from subtree(child)


def has(acc, state):
    return acc.getState().contains(state)


def press(window, name):
    button = next(a for a in subtree(window) if a.name == name)
    action = button.queryAction()
    action.doAction([action.getName(i) for i in range(action.nActions)].index("Press"))


def frame(app, title):
    return next((w for w in children(app) if w.name == title and has(w, pyatspi.STATE_SHOWING)),
                None)


def inspect(window, lang):
    where = f"{lang} {window.name}"
    # Nothing hidden and no decoration in the window's list of controls.
    for child in children(window):
        check(has(child, pyatspi.STATE_SHOWING), f"{where}: hidden {child.name!r} is listed")
        check(child.getRole() != pyatspi.ROLE_IMAGE, f"{where}: a picture {child.name!r}")
    names = {}
    for acc in subtree(window):
        if not (has(acc, pyatspi.STATE_FOCUSABLE) and has(acc, pyatspi.STATE_SHOWING)):
            continue
        name, role = acc.name, acc.getRoleName()
        check(name.strip(), f"{where}: a {role} without a name")
        check(name not in names, f"{where}: {name!r} names both a {names.get(name)} and a {role}")
        check(name not in internal, f"{where}: {role} {name!r} is read by its own name")
        names[name] = role
        if dump:
            print(f"{lang}\t{window.name}\t{role}\t{name}\t{acc.description}")
    return names


config = tempfile.TemporaryDirectory()
(Path(config.name) / "Korvel").mkdir()
(Path(config.name) / "Korvel" / "Korvel.ini").write_text("[Values]\nlanguage=french\n")
env = dict(os.environ, HOME=config.name, XDG_CONFIG_HOME=config.name,
           XDG_DATA_HOME=config.name, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
program = subprocess.Popen([korvel], env=env)
try:
    desktop = pyatspi.Registry.getDesktop(0)
    app = wait_for(lambda: next((a for a in children(desktop)
                                 if a and a.get_process_id() == program.pid), None), "Korvel")
    main = wait_for(lambda: frame(app, "Korvel"), "the main window")
    for lang, flag in (("french", None), ("german", "Deutsch"), ("english", "English")):
        if flag:
            press(main, flag)
        wait_for(lambda: heard[lang]["hours"] in {a.name for a in children(main)},
                 f"{lang}: the play time's hours")
        names = inspect(main, lang)
        roles = sorted(names.values())
        check(roles.count("radio button") == 2, f"{lang}: the lock's two choices are radio buttons")
        profile = [a for a in children(main) if a.description == "None"]
        check(profile and profile[0].name in ("Profile", "Profil"), f"{lang}: profile button")
        press(main, heard[lang]["settings"])
        settings = wait_for(lambda: frame(app, "Settings"), f"{lang}: the settings window")
        inspect(settings, lang)
        press(main, heard[lang]["settings"])
        wait_for(lambda: not frame(app, "Settings"), f"{lang}: the settings window closing")
finally:
    program.terminate()
    program.wait()

for f in failures:
    print("FAIL:", f)
sys.exit(1 if failures else 0)
