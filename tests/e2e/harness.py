"""Drives the real prismark program under a private Xvfb, as a user would.

Each test case gets its own X server (no window manager), starts the program with
`start_prismark()`, and works it with the pointer and keyboard through xdotool. Fields are read
back through the clipboard, pictures through screenshots, and windows are closed the way a
window manager closes them (WM_DELETE_WINDOW), so the program sees a real close request.
"""

import os
import shutil
import subprocess
import tempfile
import time
import unittest

from Xlib import X, display as xdisplay, protocol

BINARY = os.environ.get("PRISMARK_BINARY", "")
ARTIFACTS = os.environ.get("PRISMARK_E2E_ARTIFACTS", tempfile.gettempdir())

MAIN_TITLE = "Soldier of Fortune 2 Double Helix - Prismark"
RESULT_TITLE = "Soldier of Fortune Double Helix - Prismark"
SCREEN = (1280, 1024)

# Control rectangles in window pixels (15 twips to a pixel).
def row_list(row):
    return (224, 128 + 24 * (row - 1), 185, 19)


def row_text(row):
    return (480, 128 + 24 * (row - 1), 105, 19)


CREATE_NAME = (512, 392, 81, 19)
BYE = (392, 392, 81, 19)
RESULT_FIELD = (8, 40, 369, 19)
HINT = (160, 64, 217, 17)
PATH_FIELD = (248, 208, 121, 19)
COPY_BUTTON = (144, 208, 89, 19)
PREVIEW = (8, 128, 369, 25)

SLATE = (42, 44, 64)


def centre(rect):
    x, y, w, h = rect
    return x + w // 2, y + h // 2


def wait_until(predicate, timeout=10.0, what="condition"):
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out waiting for {what}")
        time.sleep(0.05)


class Image:
    """An 8-bit RGB screenshot."""

    def __init__(self, ppm):
        fields, pos = [], 0
        while len(fields) < 4:  # magic, width, height, maximum value
            while ppm[pos:pos + 1].isspace():
                pos += 1
            if ppm[pos:pos + 1] == b"#":
                pos = ppm.index(b"\n", pos) + 1
                continue
            end = pos
            while not ppm[end:end + 1].isspace():
                end += 1
            fields.append(ppm[pos:end])
            pos = end
        self.width, self.height = int(fields[1]), int(fields[2])
        self.data = ppm[pos + 1 : pos + 1 + self.width * self.height * 3]

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.data[i : i + 3])


class Window:
    def __init__(self, session, wid):
        self.session = session
        self.id = wid

    def origin(self):
        out = self.session.xdotool("getwindowgeometry", "--shell", str(self.id))
        values = dict(line.split("=", 1) for line in out.splitlines() if "=" in line)
        return int(values["X"]), int(values["Y"])

    def size(self):
        out = self.session.xdotool("getwindowgeometry", "--shell", str(self.id))
        values = dict(line.split("=", 1) for line in out.splitlines() if "=" in line)
        return int(values["WIDTH"]), int(values["HEIGHT"])

    def move(self, x, y):
        self.session.xdotool("windowmove", str(self.id), str(x), str(y))
        wait_until(lambda: self.origin() == (x, y), what="the window to move")

    def point(self, x, y):
        """Moves the pointer into the window; without a window manager the focus follows it."""
        self.session.xdotool("mousemove", "--window", str(self.id), str(x), str(y))

    def click(self, rect_or_point):
        x, y = centre(rect_or_point) if len(rect_or_point) == 4 else rect_or_point
        self.point(x, y)
        time.sleep(0.05)
        self.session.xdotool("click", "1")
        time.sleep(0.15)

    def type(self, text):
        self.session.xdotool("type", "--delay", "30", "--", text)
        time.sleep(0.1)

    def key(self, *keys):
        self.session.xdotool("key", "--delay", "40", *keys)
        time.sleep(0.1)

    def read_field(self, rect):
        """The field's whole text, by select-all and copy."""
        self.click(rect)
        self.session.clear_clipboard()
        self.key("ctrl+a", "ctrl+c")
        return self.session.clipboard()

    def fill_rows(self, parts):
        """Types each part's text and list text, rows 1, 2, ... in order; a list text of None
        leaves that list at its prompt."""
        for row, (text, list_text) in enumerate(parts, start=1):
            self.click(row_text(row))
            self.type(text)
            if list_text is not None:
                self.click(row_list(row))
                self.key("ctrl+a")
                self.type(list_text)

    def replace_field(self, rect, text):
        self.click(rect)
        self.key("ctrl+a", "BackSpace")
        self.type(text)

    def close(self):
        self.session.close_window(self.id)

    def image(self):
        return self.session.screenshot(window=self.id)

    def exists(self):
        return self.id in self.session.windows()


class Session(unittest.TestCase):
    """A test case with its own X server and, once started, the program."""

    def setUp(self):
        if not BINARY or not os.path.exists(BINARY):
            self.fail("PRISMARK_BINARY does not name the built program")
        self.scratch = tempfile.mkdtemp(prefix="prismark-e2e-")
        runtime = os.path.join(self.scratch, "runtime")
        os.mkdir(runtime, 0o700)
        read_fd, write_fd = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-noreset", "-nolisten", "tcp",
             "-screen", "0", f"{SCREEN[0]}x{SCREEN[1]}x24"],
            pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_fd)
        with os.fdopen(read_fd) as announced:
            number = announced.readline().strip()
        if not number:
            self.fail("Xvfb did not start")
        # A home of the test's own, with a documents folder, where the name file goes by default.
        self.home = os.path.join(self.scratch, "home")
        os.makedirs(os.path.join(self.home, "Documents"))
        self.env = dict(os.environ, DISPLAY=f":{number}", XDG_RUNTIME_DIR=runtime, HOME=self.home,
                        XDG_CONFIG_HOME=os.path.join(self.home, ".config"))
        self.env.pop("QT_QPA_PLATFORM", None)
        self.env.pop("WAYLAND_DISPLAY", None)
        self.env.pop("WINEPREFIX", None)  # the game is looked for in the test's own home
        self.x = xdisplay.Display(self.env["DISPLAY"])
        self.program = None
        self.clipboard_holder = None

    def tearDown(self):
        if self.clipboard_holder and self.clipboard_holder.poll() is None:
            self.clipboard_holder.kill()
        if self.program and self.program.poll() is None:
            self.program.kill()
            self.program.wait()
        self.x.close()
        self.xvfb.terminate()
        self.xvfb.wait()
        shutil.rmtree(self.scratch, ignore_errors=True)

    # --- the program ---------------------------------------------------------------------

    def start_prismark(self, cwd=None):
        self.program = subprocess.Popen([BINARY], env=self.env, cwd=cwd or self.scratch,
                                        stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
        main = self.find_window(MAIN_TITLE)
        # Let it paint before anyone looks.
        time.sleep(0.3)
        return main

    def open_result_window(self, main, parts=()):
        """Fills the rows with `parts` (see Window.fill_rows), presses "create name" and returns
        the result window, moved to the top-left corner, out of the main window's way."""
        main.fill_rows(parts)
        main.click(CREATE_NAME)
        result = self.find_window(RESULT_TITLE)
        if result.origin() != (0, 0):
            result.move(0, 0)
        time.sleep(0.3)
        return result

    def paste(self, window, rect, text):
        """Replaces the field's text with `text` through the clipboard, as a user pastes what
        the keyboard cannot type."""
        self.set_clipboard(text)
        window.click(rect)
        window.key("ctrl+a", "ctrl+v")

    def find_window(self, title, timeout=10.0):
        def search():
            found = self.xdotool_ok("search", "--all", "--onlyvisible", "--pid",
                                    str(self.program.pid), "--name", f"^{title}$")
            return int(found.split()[0]) if found else None
        return Window(self, wait_until(search, timeout, what=f"window '{title}'"))

    def assert_ends(self, timeout=10.0):
        try:
            code = self.program.wait(timeout)
        except subprocess.TimeoutExpired:
            self.fail("the program did not end")
        self.assertEqual(code, 0, self.program.stdout.read().decode(errors="replace"))

    def assert_running(self):
        time.sleep(0.3)
        self.assertIsNone(self.program.poll(), "the program ended")

    # --- X ------------------------------------------------------------------------------

    def xdotool(self, *args):
        return subprocess.run(["xdotool", *args], env=self.env, check=True,
                              capture_output=True, text=True).stdout

    def xdotool_ok(self, *args):
        done = subprocess.run(["xdotool", *args], env=self.env, capture_output=True, text=True)
        return done.stdout if done.returncode == 0 else ""

    def windows(self):
        """The ids of all mapped top-level windows."""
        ids = []
        for child in self.x.screen().root.query_tree().children:
            if child.get_attributes().map_state == X.IsViewable:
                ids.append(child.id)
        return ids

    def close_window(self, wid):
        window = self.x.create_resource_object("window", wid)
        protocols = self.x.intern_atom("WM_PROTOCOLS")
        delete = self.x.intern_atom("WM_DELETE_WINDOW")
        event = protocol.event.ClientMessage(window=window, client_type=protocols,
                                             data=(32, [delete, X.CurrentTime, 0, 0, 0]))
        window.send_event(event)
        self.x.flush()
        time.sleep(0.3)

    def window_type(self, wid):
        out = subprocess.run(["xprop", "-id", str(wid), "_NET_WM_WINDOW_TYPE"], env=self.env,
                             capture_output=True, text=True).stdout
        return out.strip()

    def clipboard(self):
        time.sleep(0.1)
        return subprocess.run(["xclip", "-o", "-selection", "clipboard"], env=self.env,
                              capture_output=True, text=True, timeout=5).stdout

    def clear_clipboard(self):
        self.set_clipboard("")

    def set_clipboard(self, text):
        """Owns the clipboard with `text` until the next call or the end of the test."""
        if self.clipboard_holder and self.clipboard_holder.poll() is None:
            self.clipboard_holder.kill()
        self.clipboard_holder = subprocess.Popen(
            ["xclip", "-quiet", "-i", "-selection", "clipboard"], env=self.env,
            stdin=subprocess.PIPE, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.clipboard_holder.stdin.write(text.encode())
        self.clipboard_holder.stdin.close()
        time.sleep(0.2)

    def screenshot(self, window="root", save_as=None):
        ppm = subprocess.run(["import", "-window", str(window), "-depth", "8", "ppm:-"],
                             env=self.env, check=True, capture_output=True).stdout
        if save_as:
            os.makedirs(ARTIFACTS, exist_ok=True)
            subprocess.run(["convert", "ppm:-", os.path.join(ARTIFACTS, save_as)], input=ppm,
                           check=True)
        return Image(ppm)
