"""Takes the README's screenshots: starts the built program on a private desktop in a
fresh program folder with the sample file, walks through its windows as a person
does and saves one PNG per window.

Usage: screenshots.py BUILD_PROGRAM_FOLDER ASSETS_FOLDER OUTPUT_FOLDER

Each entry of SHOTS is a file name and a step: a function that goes on from where the
one before left the program and returns the window to capture: its title, or
(title, a control it contains) where two windows share a title, optionally with a
margin in pixels to show the window in its place. To show a new window, add a
function and an entry at the place in the walk where it opens.

The program runs with a home folder of its own (a few folders and files for the
pickers to show) under /tmp/brindlecase-tour, with its program folder in it.
"""
import os
import shutil
import sys
import time

from desktop import Desktop, copy_program_folder


def start_window(d):
    return "brindlecase"


def new_file(d):
    d.click("new file", window="brindlecase")
    d.window("New Brindlecase File")
    d.type("Projects")
    return "New Brindlecase File"


def password(d):
    d.click("exit", window="New Brindlecase File")
    d.click("Sample.bcn", window="brindlecase")
    d.click("encrypt file", window="brindlecase")
    return "Encryption"


def main_window(d):
    d.click("exit", window="Encryption")
    d.click("Sample.bcn", window="brindlecase")
    d.click("open file", window="brindlecase")
    d.window("Brindlecase")
    d.click("Garden shed rebuild", window="Brindlecase")
    return "Brindlecase"


def link_menu(d):
    d.click(match=r"email\b.*", window="Brindlecase")
    d.click("tom.baker@example.com", window="Brindlecase")
    return ("link menu", "edit email", 80)


def edit_link(d):
    d.click("edit email", window="link menu")
    return ("edit link", "enter a link description")


def add_link(d):
    d.click("exit", window="edit link")
    d.click(match=r"folders\b.*", window="Brindlecase")
    d.click("NEW ITEM", window="Brindlecase")
    return ("add link", "browse")


def file_picker(d):
    d.click("browse", window="add link")
    return "browse"


def quick_links(d):
    d.click("exit", window="browse")
    d.click("existing link", window="add link")
    return "existing links"


def email_group(d):
    d.click("exit", window="existing links")
    d.click("exit", window="add link")
    d.click(match=r"email\b.*", window="Brindlecase")
    d.click("tom.baker@example.com", window="Brindlecase")
    d.click("add to group", window="link menu")
    return "Email Group"


def help_preview(d):
    d.click("help", window="Brindlecase")
    d.window("Preview")
    time.sleep(4)  # the embedded browser draws the page after the window shows
    return "Preview"


SHOTS = [
    ("start-window.png", start_window),
    ("new-file.png", new_file),
    ("password.png", password),
    ("main-window.png", main_window),
    ("link-menu.png", link_menu),
    ("edit-link.png", edit_link),
    ("add-link.png", add_link),
    ("file-picker.png", file_picker),
    ("quick-links.png", quick_links),
    ("email-group.png", email_group),
    ("help-preview.png", help_preview),
]


TOUR = "/tmp/brindlecase-tour"
HOME_FILES = [
    "Documents/Garden/slab-plan.pdf",
    "Documents/Garden/quotes.ods",
    "Documents/Tax/2026/summary.ods",
    "Documents/Tax/2026/receipts.pdf",
    "Work/Larch/sitemap.odg",
    "Work/Newsletter/december.odt",
]


def make_home():
    shutil.rmtree(TOUR, ignore_errors=True)
    home = os.path.join(TOUR, "home", "me")
    for name in HOME_FILES:
        os.makedirs(os.path.dirname(os.path.join(home, name)), exist_ok=True)
        open(os.path.join(home, name), "w").close()
    return home


def capture(d, target, path):
    if not isinstance(target, tuple):
        target = (target,)
    title, containing, margin = target + (None, 0)[len(target) - 1:]
    return d.screenshot(d.window(title, containing), path, margin)


def main():
    build_program, assets, output = sys.argv[1:4]
    os.makedirs(output, exist_ok=True)
    home = make_home()
    folder = copy_program_folder(build_program, os.path.join(assets, "Sample.bcn"),
                                 os.path.join(assets, "settings.txt"), os.path.join(home, "Brindlecase"))
    try:
        with Desktop() as d:
            d.start([os.path.join(folder, "brindlecase")], cwd=home, env={"HOME": home})
            d.window("brindlecase", timeout=20)
            for name, step in SHOTS:
                print(capture(d, step(d), os.path.join(output, name)))
    finally:
        shutil.rmtree(TOUR, ignore_errors=True)


if __name__ == "__main__":
    main()
