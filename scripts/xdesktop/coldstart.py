"""Measures how long the program takes from launch to its start window on screen.

Usage: coldstart.py PROGRAM_FOLDER_OR_EXECUTABLE ASSETS_FOLDER [RUNS]

Each run starts the program afresh on a private headless display (Xvfb, no window
manager) and times, from just before the process is started:
  mapped   the X server's notice that the program's first window is mapped;
  painted  the first moment that window's area on screen shows the program's
           drawing (more than one colour) rather than an empty window.
It also looks, half a second after the paint, for a browser helper process
(QtWebEngineProcess) among the program's children: the embedded browser is to be
started only when a window that shows a page first opens, never at start.
Then it ends the program. A built program (a folder) runs from a fresh copy of
its folder with the sample file; an installed one (an executable) runs with a
temporary home, as on a first start. Prints each run and the medians.
"""
import os
import select
import shutil
import statistics
import sys
import tempfile
import time

from Xlib import X

from desktop import Desktop, copy_program_folder


def wait_for_map(d, deadline):
    while time.monotonic() < deadline:
        while d.x.pending_events():
            event = d.x.next_event()
            if event.type == X.MapNotify and not event.override:
                return time.monotonic(), event.window
        select.select([d.x.fileno()], [], [], 0.005)
    raise RuntimeError("no window was mapped")


def wait_for_paint(d, window, deadline):
    geometry = window.get_geometry()
    box = (geometry.x, geometry.y, geometry.width, geometry.height)
    while time.monotonic() < deadline:
        _, _, data = d.pixels(*box)
        first = data[0:4]
        if data.count(first) * 4 != len(data):
            return time.monotonic()
        time.sleep(0.002)
    raise RuntimeError("the window was never painted")


def browser_processes(pid):
    """Children of the process that are the embedded browser's helper."""
    found = 0
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/stat") as f:
                fields = f.read().rsplit(")", 1)[1].split()
            with open(f"/proc/{entry}/comm") as f:
                name = f.read().strip()
        except OSError:
            continue
        if int(fields[1]) == pid and name.startswith("QtWebEngine"):
            found += 1
    return found


def one_run(d, argv, cwd, env):
    d.root.change_attributes(event_mask=X.SubstructureNotifyMask)
    d.x.sync()
    while d.x.pending_events():
        d.x.next_event()
    start = time.monotonic()
    program = d.start(argv, cwd=cwd, env=env)
    try:
        mapped, window = wait_for_map(d, start + 20)
        painted = wait_for_paint(d, window, start + 20)
        time.sleep(0.5)
        browsers = browser_processes(program.pid)
    finally:
        program.terminate()
        program.wait(10)
    return (mapped - start) * 1000, (painted - start) * 1000, browsers


def main():
    target, assets = sys.argv[1:3]
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 10
    results = []
    with Desktop(accessibility=False) as d:
        for run in range(runs):
            scratch = tempfile.mkdtemp(prefix="brindlecase-coldstart-")
            try:
                if os.path.isdir(target):
                    folder = copy_program_folder(target, os.path.join(assets, "Sample.bcn"),
                                                 os.path.join(assets, "settings.txt"), os.path.join(scratch, "program"))
                    argv, env = [os.path.join(folder, "brindlecase")], {"HOME": scratch}
                else:
                    argv, env = [target], {"HOME": scratch, "XDG_DATA_HOME": os.path.join(scratch, "data")}
                mapped, painted, browsers = one_run(d, argv, scratch, env)
            finally:
                shutil.rmtree(scratch, ignore_errors=True)
            results.append((mapped, painted))
            print(f"run {run + 1:2}: mapped {mapped:6.1f} ms, painted {painted:6.1f} ms, "
                  f"browser processes {browsers}")
            if browsers:
                print("  the embedded browser was started with the start window: it should wait for a page")
    print(f"median of {runs}: mapped {statistics.median(r[0] for r in results):.1f} ms, "
          f"painted {statistics.median(r[1] for r in results):.1f} ms")


if __name__ == "__main__":
    main()
