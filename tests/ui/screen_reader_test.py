#!/usr/bin/python3
"""Starts Korvel on the display and walks what a screen reader finds through the accessibility
bus, in each language, with all six windows open.

Usage: screen_reader_test.py KORVEL SRC_DIR [--dump]   (inside dbus-run-session and xvfb-run)
"""
import os, re, subprocess, sys, tempfile, time
from pathlib import Path

import pyatspi
from gi.repository import GLib

korvel, src = sys.argv[1], Path(sys.argv[2])
dump = "--dump" in sys.argv
# The program's own control names: a screen reader must never read one of these to the user,
# unless it is also a caption on screen.
declared = [m for f in src.glob("*/controls.cpp")
            for m in re.findall(r'\b[a-zA-Z]+\(\w+, "([^"]+)", "([^"]*)"', f.read_text())]
internal = {name for name, _ in declared} - {caption.strip() for _, caption in declared}
# A few names per language: they show the switch reaches the names, and find the buttons.
heard = {
    "french": {"hours": "Durée du film, heures", "preview": "Aperçu"},
    "german": {"hours": "Spielzeit, Stunden", "preview": "Vorschau"},
    "english": {"hours": "Play time, hours", "preview": "Preview"},
}
# The windows' titles, and what opens each from the main window (in French, the first language).
windows = {"CD/DVD": "Tailles des disques", "Settings": "Autres réglages de l'encodeur",
           "preview": "Afficher l'aperçu", "About Korvel": "À propos de Korvel"}
# Names that are the same word in another language.
same_word = {"Deutsch", "English", "Français", "Notes"}
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


def actions(acc):
    action = acc.queryAction()
    return [action.getName(i) for i in range(action.nActions)]


def press(window, name):
    button = next(a for a in subtree(window) if a.name == name)
    button.queryAction().doAction(actions(button).index("Press"))


def frame(app, title):
    return next((w for w in children(app) if w.name == title and has(w, pyatspi.STATE_SHOWING)),
                None)


def inspect(window, key, lang):
    """The focusable controls' names by their place in the window."""
    where = f"{lang} {key}"
    # Nothing hidden and no decoration in the window's list of controls.
    for child in children(window):
        check(has(child, pyatspi.STATE_SHOWING), f"{where}: hidden {child.name!r} is listed")
        check(child.getRole() != pyatspi.ROLE_IMAGE, f"{where}: a picture {child.name!r}")
    names = {}
    for i, acc in enumerate(subtree(window)):
        if not (has(acc, pyatspi.STATE_FOCUSABLE) and has(acc, pyatspi.STATE_SHOWING)):
            continue
        name, role = acc.name, acc.getRoleName()
        check(name.strip(), f"{where}: a {role} without a name")
        check(name not in names.values(), f"{where}: {name!r} names two controls")
        check(name not in internal, f"{where}: {role} {name!r} is read by its own name")
        # What the keyboard reaches and the mouse clicks, a screen reader presses.
        check(acc.getRole() != pyatspi.ROLE_LABEL, f"{where}: {name!r} is a label to press")
        if acc.getRole() in (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_LINK):
            check("Press" in actions(acc), f"{where}: {role} {name!r} cannot be pressed")
        names[(key, i)] = name
        if dump:
            print(f"{lang}\t{key}\t{role}\t{name}\t{acc.description}")
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
    for title, opener in windows.items():
        press(main, opener)
        wait_for(lambda: frame(app, heard["french"].get(title, title)), title)
    # The debug window opens from the notes, after a message to confirm.
    notes = next(a for a in subtree(main)
                 if a.name == "Notes" and a.getRole() == pyatspi.ROLE_TEXT)
    try:
        notes.queryEditableText().setTextContents("debug")
    except GLib.GError:
        pass  # the answer waits for the message box
    box = wait_for(lambda: next((w for w in children(app) if w.getRole() in (
        pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT) and has(w, pyatspi.STATE_SHOWING)), None),
        "the debug message")
    press(box, "OK")
    heard_in = {}
    for lang, flag in (("french", None), ("german", "Deutsch"), ("english", "English")):
        if flag:
            press(main, flag)
        wait_for(lambda: heard[lang]["hours"] in {a.name for a in children(main)},
                 f"{lang}: the play time's hours")
        heard_in[lang] = {}
        for key in ("Korvel", "Debug-Form", *windows):
            title = heard[lang].get(key, key)
            window = wait_for(lambda: frame(app, title), f"{lang}: the window {title}")
            heard_in[lang].update(inspect(window, key, lang))
        about = [a.getRole() for a in children(frame(app, "About Korvel"))]
        check(about.count(pyatspi.ROLE_LINK) == 4, f"{lang}: About's four links")
        roles = [a.getRole() for a in children(main)]
        check(roles.count(pyatspi.ROLE_RADIO_BUTTON) == 2, f"{lang}: the lock's two choices")
        profile = [a for a in children(main) if a.description == "None"]
        check(profile and profile[0].name in ("Profile", "Profil"), f"{lang}: profile button")
    # Every name in the language on screen: none stays English unless it is the same word.
    for lang in ("french", "german"):
        for place, name in heard_in[lang].items():
            check(name != heard_in["english"].get(place) or name in same_word,
                  f"{lang} {place[0]}: {name!r} stays English")
finally:
    program.terminate()
    program.wait()

for f in failures:
    print("FAIL:", f)
sys.exit(1 if failures else 0)
