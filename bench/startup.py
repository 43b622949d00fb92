#!/usr/bin/python3
"""Start-up to the first visible window, Korvel against a minimal Qt Widgets program.

Both are started in turn on the same X display (run it under xvfb-run) with a fresh settings
folder; the time from starting the process until its first window is on the screen and drawn
into (the window system maps it, then reports the first damage to it) is taken RUNS times for
each, and the medians and their ratio are printed.

    xvfb-run -a bench/startup.py build [RUNS]
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time

from Xlib import X, display
from Xlib.ext import damage


def time_to_first_window(d, command, env):
    while d.pending_events():  # what the previous program left
        d.next_event()
    start = time.perf_counter()
    process = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    try:
        while True:
            event = d.next_event()
            if event.type == X.MapNotify:
                event.window.damage_create(damage.DamageReportNonEmpty)
                d.flush()
            elif event.type == d.extension_event.DamageNotify:
                return time.perf_counter() - start
    finally:
        process.kill()
        process.wait()


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build"
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 15
    programs = {
        "korvel": [os.path.join(build, "src/ui/korvel")],
        "minimal": [os.path.join(build, "bench/korvel-minimal-window")],
    }
    times = {name: [] for name in programs}
    # One connection throughout: the display must not reset between the programs.
    d = display.Display()
    d.damage_query_version()
    d.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
    d.sync()
    with tempfile.TemporaryDirectory() as home:
        for run in range(runs):
            for name, command in programs.items():
                env = dict(os.environ, XDG_CONFIG_HOME=os.path.join(home, str(run)),
                           XDG_DATA_HOME=os.path.join(home, "data"))
                times[name].append(time_to_first_window(d, command, env))
    medians = {name: statistics.median(t) * 1000 for name, t in times.items()}
    for name, ms in medians.items():
        print(f"{name:8} {ms:7.1f} ms  (median of {runs})")
    print(f"ratio    {medians['korvel'] / medians['minimal']:7.2f}")


if __name__ == "__main__":
    main()
