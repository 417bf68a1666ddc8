"""A private, headless desktop for driving Brindlecase as a person does.

Desktop() starts Xvfb with its own D-Bus session bus. A program started on it with
accessibility on shows its windows and controls to the accessibility bus (AT-SPI),
where they are found by the names a screen reader reads (captions, tooltips); the
pointer and the keyboard then act through real X input events (XTest), and the
screen is read back for screenshots. Runs on Debian's python3 with python3-xlib,
python3-gi and gir1.2-atspi-2.0 (scripts/install-deps installs them when asked).
"""
import os
import re
import shutil
import signal
import struct
import subprocess
import tempfile
import time
import zlib

from Xlib import X, XK, display as xdisplay
from Xlib.ext import xtest


class DriveError(RuntimeError):
    pass


def wait_for(what, probe, timeout=10.0, seen=None, interval=0.05):
    """Calls probe until it returns something true; returns that or raises, saying
    what was looked for and (from `seen`) what there was instead."""
    end = time.monotonic() + timeout
    while True:
        found = probe()
        if found:
            return found
        if time.monotonic() > end:
            raise DriveError(f"timed out waiting for {what}" + (f" ({seen()})" if seen else ""))
        time.sleep(interval)


def write_png(path, width, height, rgb_rows):
    raw = b"".join(b"\0" + row for row in rgb_rows)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        f.write(chunk(b"IEND", b""))


class Desktop:
    def __init__(self, width=1280, height=1024, accessibility=True):
        self._processes = []
        self.log = tempfile.NamedTemporaryFile(prefix="brindlecase-desktop-", suffix=".log", delete=False)
        xvfb = self._spawn(["Xvfb", "-displayfd", "1", "-screen", "0", f"{width}x{height}x24", "-nolisten", "tcp"],
                           stdout=subprocess.PIPE)
        number = xvfb.stdout.readline().decode().strip()
        if not number:
            raise DriveError("Xvfb did not start")
        self.env = dict(os.environ, DISPLAY=":" + number)
        for name in ("WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "SESSION_MANAGER"):
            self.env.pop(name, None)
        self.x = xdisplay.Display(self.env["DISPLAY"])
        self.root = self.x.screen().root
        self.accessibility = accessibility
        if accessibility:
            bus = self._spawn(["dbus-daemon", "--session", "--nofork", "--print-address=1"], stdout=subprocess.PIPE)
            self.env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().decode().strip()
            self.env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
            # The accessibility library reads its buses from this process's environment.
            os.environ["DISPLAY"] = self.env["DISPLAY"]
            os.environ["DBUS_SESSION_BUS_ADDRESS"] = self.env["DBUS_SESSION_BUS_ADDRESS"]
            import gi
            gi.require_version("Atspi", "2.0")
            from gi.repository import Atspi
            self.atspi = Atspi

    def _spawn(self, argv, **kwargs):
        kwargs.setdefault("stdout", self.log)
        kwargs.setdefault("stderr", self.log)
        process = subprocess.Popen(argv, start_new_session=True, **kwargs)
        self._processes.append(process)
        return process

    def start(self, argv, cwd=None, env=None):
        """Starts a program on this desktop; returns its process."""
        return self._spawn(argv, cwd=cwd, env=dict(self.env, **(env or {})))

    def close(self):
        for process in reversed(self._processes):
            if process.poll() is None:
                os.killpg(process.pid, signal.SIGTERM)
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    os.killpg(process.pid, signal.SIGKILL)
                    process.wait()
        self._processes.clear()

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    # --- finding windows and controls through the accessibility bus -------------

    def _showing(self, node):
        try:
            return node.get_state_set().contains(self.atspi.StateType.SHOWING)
        except Exception:
            return False

    def _windows(self):
        desktop = self.atspi.get_desktop(0)
        for a in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(a)
            if app is None:
                continue
            app.clear_cache()
            for w in range(app.get_child_count()):
                window = app.get_child_at_index(w)
                if window is not None and self._showing(window):
                    yield window

    def _descendants(self, node):
        for i in range(node.get_child_count()):
            child = node.get_child_at_index(i)
            if child is None:
                continue
            yield child
            yield from self._descendants(child)

    def _matching(self, node, name, match):
        try:
            text = node.get_name()
        except Exception:
            return False
        return text == name if name is not None else re.fullmatch(match, text or "") is not None

    def window(self, title, containing=None, timeout=10.0):
        """The showing top-level window with this title (and, among several, the one
        with a control named `containing`)."""
        def probe():
            for window in self._windows():
                if window.get_name() != title:
                    continue
                if containing is None or any(self._matching(n, containing, None) for n in self._descendants(window)):
                    return window
            return None
        what = f"window '{title}'" + (f" with '{containing}'" if containing else "")
        return wait_for(what, probe, timeout, lambda: "showing: " + ", ".join(repr(w.get_name()) for w in self._windows()))

    def control(self, name=None, match=None, window=None, timeout=10.0):
        """A showing control by its accessible name (or a regular expression over it),
        optionally inside the window with that title."""
        def probe():
            for top in self._windows():
                if window is not None and top.get_name() != window:
                    continue
                for node in self._descendants(top):
                    if self._matching(node, name, match) and self._showing(node) and self.extents(node)[2] > 0:
                        return node
            return None
        what = f"control '{name or match}'" + (f" in '{window}'" if window else "")
        return wait_for(what, probe, timeout, lambda: "showing: " + ", ".join(repr(w.get_name()) for w in self._windows()))

    def extents(self, node):
        box = node.get_extents(self.atspi.CoordType.SCREEN)
        return box.x, box.y, box.width, box.height

    # --- acting as a person: real pointer and key events --------------------------

    def click_at(self, x, y, button=1):
        xtest.fake_input(self.x, X.MotionNotify, x=x, y=y)
        self.x.sync()
        time.sleep(0.05)
        xtest.fake_input(self.x, X.ButtonPress, button)
        xtest.fake_input(self.x, X.ButtonRelease, button)
        self.x.sync()
        time.sleep(0.15)

    def click(self, name=None, match=None, window=None, timeout=10.0):
        x, y, w, h = self.extents(self.control(name, match, window, timeout))
        self.click_at(x + w // 2, y + h // 2)

    def key(self, keysym_name):
        code = self.x.keysym_to_keycode(XK.string_to_keysym(keysym_name))
        if not code:
            raise DriveError(f"no key for {keysym_name}")
        xtest.fake_input(self.x, X.KeyPress, code)
        xtest.fake_input(self.x, X.KeyRelease, code)
        self.x.sync()
        time.sleep(0.03)

    def type(self, text):
        shift = self.x.keysym_to_keycode(XK.string_to_keysym("Shift_L"))
        for ch in text:
            keysym = XK.string_to_keysym(ch) or ord(ch)
            code = self.x.keysym_to_keycode(keysym)
            if not code:
                raise DriveError(f"no key for {ch!r}")
            shifted = self.x.keycode_to_keysym(code, 0) != keysym
            if shifted:
                xtest.fake_input(self.x, X.KeyPress, shift)
            xtest.fake_input(self.x, X.KeyPress, code)
            xtest.fake_input(self.x, X.KeyRelease, code)
            if shifted:
                xtest.fake_input(self.x, X.KeyRelease, shift)
            self.x.sync()
            time.sleep(0.02)

    # --- reading the screen -----------------------------------------------------

    def pixels(self, x, y, w, h):
        screen = self.x.screen()
        x0, y0 = max(0, x), max(0, y)
        x1, y1 = min(screen.width_in_pixels, x + w), min(screen.height_in_pixels, y + h)
        image = self.root.get_image(x0, y0, x1 - x0, y1 - y0, X.ZPixmap, 0xFFFFFFFF)
        return x1 - x0, y1 - y0, image.data

    def settle(self, box, quiet=0.25, timeout=10.0):
        """Waits until the screen in `box` stops changing (a note being typed out,
        a window painting), then returns its pixels."""
        end = time.monotonic() + timeout
        time.sleep(0.1)
        last = self.pixels(*box)
        while time.monotonic() < end:
            time.sleep(quiet)
            now = self.pixels(*box)
            if now == last:
                return now
            last = now
        return last

    def screenshot(self, window, path, margin=0):
        """Saves what the screen shows of a window (an accessible node or a title)."""
        node = self.window(window) if isinstance(window, str) else window
        x, y, w, h = self.extents(node)
        width, height, data = self.settle((x - margin, y - margin, w + 2 * margin, h + 2 * margin))
        stride = len(data) // height
        rows = []
        for r in range(height):
            line = data[r * stride:r * stride + width * 4]
            rgb = bytearray(width * 3)
            rgb[0::3], rgb[1::3], rgb[2::3] = line[2::4], line[1::4], line[0::4]
            rows.append(bytes(rgb))
        write_png(path, width, height, rows)
        return path


def copy_program_folder(build_program_folder, sample, settings=None, folder=None):
    """A fresh, writable program folder (a new temporary one unless given): the built
    program with its assets (none of the files a run from the build folder may have
    left), the sample data file and, if given, a settings file."""
    folder = folder or tempfile.mkdtemp(prefix="brindlecase-program-")
    os.makedirs(folder, exist_ok=True)
    users_own = re.compile(r".*\.(bcn|bcy|htm)|settings\.txt")
    for entry in os.listdir(build_program_folder):
        source = os.path.join(build_program_folder, entry)
        if os.path.isdir(source):
            shutil.copytree(source, os.path.join(folder, entry))
        elif not users_own.fullmatch(entry) or entry == "About.htm":
            shutil.copy2(source, folder)
    shutil.copy2(sample, folder)
    if settings:
        shutil.copy2(settings, os.path.join(folder, "settings.txt"))
    return folder
