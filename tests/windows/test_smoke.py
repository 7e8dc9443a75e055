"""The real prismark.exe under Wine and Xvfb, driven as a user would drive it on Windows.

Wine draws each window's frame itself inside the X window (its X11 driver is set to unmanaged
windows), so points in a window's client area are shifted by that frame."""

import os
import re
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "e2e"))
from harness import (BINARY, COPY_BUTTON, CREATE_NAME, MAIN_TITLE, PATH_FIELD, PREVIEW,  # noqa: E402
                     RESULT_FIELD, RESULT_TITLE, BYE, Session, Window, wait_until)

MAIN_CLIENT = (612, 426)
RESULT_CLIENT = (385, 244)
RED = (255, 0, 0)
WHITE = (255, 255, 255)

NAME = 'seta name "^1XYZé^7Name€"'
FILE = re.compile(rb'seta name "\^1XYZ\xe9\^7Name\x80"\r\n'
                  rb"//pmk\.example\.org//\r\n"
                  rb"//\d\d:\d\d:\d\d  \d\d-\d\d-\d{4} Prismark Crew crew\.example\.org //\r\n")


class WineWindow(Window):
    def __init__(self, session, wid, client):
        super().__init__(session, wid)
        width, height = self.size()
        border = (width - client[0]) // 2
        self.offset = (border, height - client[1] - border)

    def point(self, x, y):
        super().point(x + self.offset[0], y + self.offset[1])

    def client_pixel(self, image, x, y):
        return image.pixel(x + self.offset[0], y + self.offset[1])


class WindowsSmoke(Session):
    def setUp(self):
        super().setUp()
        self.env.update(WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=")
        # A Wine session of this test's own, on this test's X server.
        subprocess.run(["wineserver", "-k"], env=self.env, capture_output=True)

    def tearDown(self):
        subprocess.run(["wineserver", "-k"], env=self.env, capture_output=True)
        super().tearDown()

    def start_prismark(self, cwd=None):
        self.program = subprocess.Popen(["wine", BINARY], env=self.env, cwd=cwd or self.scratch,
                                        stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
        main = self.find_wine_window(MAIN_TITLE, MAIN_CLIENT, timeout=60)
        time.sleep(0.5)
        return main

    def find_wine_window(self, title, client, timeout=15.0):
        def search():
            found = self.xdotool_ok("search", "--onlyvisible", "--name", f"^{title}$")
            return int(found.split()[0]) if found else None
        return WineWindow(self, wait_until(search, timeout, what=f"window '{title}'"), client)

    def test_a_user_session(self):
        main = self.start_prismark()
        main.fill_rows([("XYZ", "01 red"), ("Name", "07 white")])
        main.click(CREATE_NAME)
        # Left where the program put it: Wine does not follow a window moved behind its back.
        result = self.find_wine_window(RESULT_TITLE, RESULT_CLIENT)
        time.sleep(0.5)
        self.assertEqual(result.read_field(RESULT_FIELD), "^1XYZ^7Name")

        # The preview: the tag in red, the name after it in white.
        image = result.image()
        self.screenshot(save_as="windows_result.png")
        x0, y0, width, height = PREVIEW
        colours = {}
        for x in range(x0, x0 + width):
            for y in range(y0, y0 + height):
                colours.setdefault(result.client_pixel(image, x, y), []).append(x)
        self.assertIn(RED, colours)
        self.assertIn(WHITE, colours)
        self.assertLess(max(colours[RED]), min(colours[WHITE]))

        # The name file, in Windows-1252 bytes.
        self.paste(result, RESULT_FIELD, NAME)
        self.assertEqual(result.read_field(RESULT_FIELD), NAME)
        path = os.path.join(self.scratch, "prismark.cfg")
        result.replace_field(PATH_FIELD, "Z:" + path.replace("/", "\\"))
        result.click(COPY_BUTTON)
        wait_until(lambda: os.path.exists(path), what="the name file")
        time.sleep(0.3)
        with open(path, "rb") as written:
            contents = written.read()
        self.assertIsNotNone(FILE.fullmatch(contents), contents)

        # A bad path: reported, and the program goes on with everything kept.
        result.replace_field(PATH_FIELD, "Z:\\no such folder\\prismark.cfg")
        result.click(COPY_BUTTON)
        report = self.find_wine_window("Prismark", (0, 0))
        self.screenshot(save_as="windows_report.png")
        self.close_window(report.id)
        wait_until(lambda: not report.exists(), what="the report to close")
        self.assert_running()
        self.assertEqual(result.read_field(RESULT_FIELD), NAME)

        main.click(BYE)
        self.assert_ends(timeout=30)


if __name__ == "__main__":
    unittest.main()
