"""Under a real window manager (openbox): the windows' frames, title bar included, are centred,
and "create name" brings the result window forward with the keyboard in it."""

import subprocess
import time
import unittest

from harness import CREATE_NAME, RESULT_TITLE, SCREEN, Session, wait_until


class UnderAWindowManager(Session):
    def setUp(self):
        super().setUp()
        self.window_manager = subprocess.Popen(
            ["openbox", "--sm-disable"], env=self.env,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_until(self.window_manager_runs, what="the window manager")

    def tearDown(self):
        self.window_manager.terminate()
        self.window_manager.wait()
        super().tearDown()

    def window_manager_runs(self):
        out = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=self.env,
                             capture_output=True, text=True).stdout
        return "window id" in out

    def frame(self, window):
        """The frame's rectangle: the client's place and size grown by _NET_FRAME_EXTENTS."""
        def extents():
            out = subprocess.run(["xprop", "-id", str(window.id), "_NET_FRAME_EXTENTS"],
                                 env=self.env, capture_output=True, text=True).stdout
            return out.split("=", 1)[1] if "=" in out else None
        left, right, top, bottom = (int(v) for v in wait_until(extents).split(","))
        info = subprocess.run(["xwininfo", "-id", str(window.id)], env=self.env, check=True,
                              capture_output=True, text=True).stdout
        value = dict(line.strip().split(":", 1) for line in info.splitlines() if ":" in line)
        x, y = int(value["Absolute upper-left X"]), int(value["Absolute upper-left Y"])
        width, height = int(value["Width"]), int(value["Height"])
        return x - left, y - top, width + left + right, height + top + bottom

    def assert_centred(self, window, what):
        """The program centres the frame once the window manager has framed the window."""
        def off_centre():
            x, y, width, height = self.frame(window)
            return (x + width / 2 - SCREEN[0] / 2, y + height / 2 - SCREEN[1] / 2), height
        deadline = time.monotonic() + 5
        while True:
            off, height = off_centre()
            if abs(off[0]) <= 2 and abs(off[1]) <= 2 or time.monotonic() > deadline:
                break
            time.sleep(0.1)
        self.assertTrue(abs(off[0]) <= 2 and abs(off[1]) <= 2,
                        f"{what}: the frame is off centre by {off}")
        self.assertGreater(height, window.size()[1], f"{what} has no title bar")

    def active_window(self):
        out = subprocess.run(["xprop", "-root", "_NET_ACTIVE_WINDOW"], env=self.env,
                             capture_output=True, text=True).stdout
        return int(out.rsplit(" ", 1)[-1], 16) if "#" in out else None

    def hidden(self, window):
        out = subprocess.run(["xprop", "-id", str(window.id), "_NET_WM_STATE"], env=self.env,
                             capture_output=True, text=True).stdout
        return "_NET_WM_STATE_HIDDEN" in out

    def test_both_frames_are_centred(self):
        main = self.start_prismark()
        self.assert_centred(main, "main window")
        main.click(CREATE_NAME)
        result = self.find_window(RESULT_TITLE)
        self.assert_centred(result, "result window")
        self.screenshot(save_as="window_manager.png")

        # The result window is active, its name string has the keyboard: what is typed next
        # lands there.
        wait_until(lambda: self.active_window() == result.id, what="the result window to be active")
        result.type("typed")
        self.clear_clipboard()
        result.key("ctrl+a", "ctrl+c")
        self.assertEqual(self.clipboard(), "typed")

        # Minimised, it comes back on the next "create name", in front and active.
        self.xdotool("windowminimize", str(result.id))
        wait_until(lambda: self.hidden(result), what="the result window to be minimised")
        main.click(CREATE_NAME)
        wait_until(lambda: not self.hidden(result), what="the result window to be restored")
        wait_until(lambda: self.active_window() == result.id, what="the result window to be active")


if __name__ == "__main__":
    unittest.main()
