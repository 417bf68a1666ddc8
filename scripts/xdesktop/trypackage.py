"""Tries the installed program as a new user would, on a private headless display.

Usage: trypackage.py   (after the package is installed; scripts/try-package does all)

With a fresh home folder it starts the program the way the desktop menu does (the
Exec line of the installed desktop entry), and checks that the program folder is
the user's data folder, filled from the installed assets; opens the sample file,
picks a colour scheme by clicking a swatch, shuts the program down, starts it again
and checks that the start window wears the chosen scheme. Prints each step; exits
non-zero at the first step that fails.
"""
import filecmp
import os
import shutil
import sys
import tempfile

from desktop import Desktop, wait_for

DESKTOP_ENTRY = "/usr/share/applications/org.brindlecase.Brindlecase.desktop"
INSTALLED_ASSETS = "/usr/share/brindlecase"
SCHEME_7_SHADE_5 = (0, 0, 64)  # the start window's background in the blue scheme


def step(text, ok, detail=""):
    print(("PASS " if ok else "FAIL ") + text + (f": {detail}" if detail else ""))
    if not ok:
        sys.exit(1)


def menu_command():
    with open(DESKTOP_ENTRY) as f:
        for line in f:
            if line.startswith("Exec="):
                return line[len("Exec="):].split()
    raise RuntimeError("the desktop entry has no Exec line")


def installed_files():
    for top, _, files in os.walk(INSTALLED_ASSETS):
        for name in files:
            yield os.path.relpath(os.path.join(top, name), INSTALLED_ASSETS)


def settings_scheme(folder):
    with open(os.path.join(folder, "settings.txt"), newline="") as f:
        return f.read().split("\r\n")[5].strip()


def pixel(d, window, x, y):
    wx, wy, _, _ = d.extents(window)
    _, _, data = d.pixels(wx + x, wy + y, 1, 1)
    return data[2], data[1], data[0]


def main():
    home = tempfile.mkdtemp(prefix="brindlecase-home-")
    folder = os.path.join(home, ".local", "share", "Brindlecase")
    env = {"HOME": home}
    command = menu_command()
    print("menu entry runs:", " ".join(command))
    try:
        with Desktop() as d:
            d.env.pop("XDG_DATA_HOME", None)
            program = d.start(command, cwd=home, env=env)
            start = d.window("brindlecase", timeout=20)
            step("the start window shows", True)
            expected = sorted(installed_files())
            step("the program folder is the user's data folder", os.path.isdir(folder), folder)
            different = [f for f in expected if not os.path.isfile(os.path.join(folder, f))
                         or not filecmp.cmp(os.path.join(INSTALLED_ASSETS, f), os.path.join(folder, f), shallow=False)]
            step(f"it holds the {len(expected)} installed assets", not different, ", ".join(different))
            path_box = d.control("path", window="brindlecase")
            step("the start window opens on it", path_box.get_text(0, -1) == folder, path_box.get_text(0, -1))

            d.click("Sample.bcn", window="brindlecase")
            d.click("open file", window="brindlecase")
            d.window("Brindlecase")
            step("the sample file opens in the main window", True)
            d.click("cols7_0", window="Brindlecase")
            wait_for("the blue scheme in settings.txt", lambda: settings_scheme(folder) == "7", 5)
            step("clicking a blue swatch writes scheme 7 into settings.txt", True)
            d.click("file", window="Brindlecase")
            d.click(match=r"\s*shut-down", window="Brindlecase")
            step("shut-down ends the program", program.wait(10) == 0)

            program = d.start(command, cwd=home, env=env)
            start = d.window("brindlecase", timeout=20)
            d.settle(d.extents(start))
            colour = pixel(d, start, 4, 4)
            step("started again, the start window wears the blue scheme", colour == SCHEME_7_SHADE_5, str(colour))
            step("the user's settings were kept", settings_scheme(folder) == "7")
    finally:
        shutil.rmtree(home, ignore_errors=True)


if __name__ == "__main__":
    main()
