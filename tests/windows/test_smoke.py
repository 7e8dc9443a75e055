"""The real prismark.exe under Wine and Xvfb, driven as a user would drive it on Windows.

Wine draws each window's frame itself inside the X window (its X11 driver is set to unmanaged
windows), so points in a window's client area are shifted by that frame, and scaled where the
prefix sets a screen scale. scripts/windows.sh makes the prefixes: WINEPREFIX with Windows'
interface faces mapped to DejaVu Sans, WINEPREFIX-bare with no face replaced (as a player's
Wine is), WINEPREFIX-125 at 125 %, and WINEPREFIX-contrast in High Contrast Black."""

import os
import re
import shutil
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "e2e"))
from harness import (BINARY, BYE, COPY_BUTTON, CREATE_NAME, MAIN_TITLE, PATH_FIELD,  # noqa: E402
                     PREVIEW, RESULT_FIELD, RESULT_TITLE, Session, Window, wait_until)

PREFIX = os.environ.get("WINEPREFIX", "")
MAIN_CLIENT = (612, 426)
RESULT_CLIENT = (385, 244)
LOGOS = [(56, 24, 150, 45), (320, 8, 262, 96)]
RED = (255, 0, 0)
WHITE = (255, 255, 255)


def contrast(a, b):
    """The contrast of two colours, from 1 to 21, by the WCAG formula for readable text."""
    def luminance(colour):
        channels = [c / 255 for c in colour]
        linear = [c / 12.92 if c <= 0.03928 else ((c + 0.055) / 1.055) ** 2.4 for c in channels]
        return 0.2126 * linear[0] + 0.7152 * linear[1] + 0.0722 * linear[2]
    lighter, darker = sorted((luminance(a), luminance(b)), reverse=True)
    return (lighter + 0.05) / (darker + 0.05)

NAME = 'seta name "^1Łódź Жук カ é€^7XYZ"'
ENDING = (rb"//pmk\.example\.org//\r\n"
          rb"//\d\d:\d\d:\d\d  \d\d-\d\d-\d{4} Prismark Crew crew\.example\.org //\r\n")
# The name line in each ANSI code page, with "?" for what the code page lacks, and what the
# notice lists: from the code pages' own tables.
CODE_PAGES = {
    "C.UTF-8": (b'seta name "^1?\xf3d? ??? ? \xe9\x80^7XYZ"',
                "Ł (U+0141), ź (U+017A), Ж (U+0416), у (U+0443), к (U+043A), カ (U+30AB)"),
    "pl_PL.UTF-8": (b'seta name "^1\xa3\xf3d\x9f ??? ? \xe9\x80^7XYZ"',
                    "Ж (U+0416), у (U+0443), к (U+043A), カ (U+30AB)"),
    "ru_RU.UTF-8": (b'seta name "^1??d? \xc6\xf3\xea ? ?\x88^7XYZ"',
                    "Ł (U+0141), ó (U+00F3), ź (U+017A), カ (U+30AB), é (U+00E9)"),
    "ja_JP.UTF-8": (b'seta name "^1??d? \x84\x47\x84\x85\x84\x7b \x83\x4a ??^7XYZ"',
                    "Ł (U+0141), ó (U+00F3), ź (U+017A), é (U+00E9), € (U+20AC)"),
}


class WineWindow(Window):
    def __init__(self, session, wid, client, scale=1.0):
        super().__init__(session, wid)
        self.scale = scale
        width, height = self.size()
        client_width, client_height = round(client[0] * scale), round(client[1] * scale)
        border = (width - client_width) // 2
        self.offset = (border, height - client_height - border)

    def point(self, x, y):
        super().point(round(x * self.scale) + self.offset[0], round(y * self.scale) + self.offset[1])

    def client_image(self, rect):
        """The pixels of a client rectangle given in logical pixels, as x, y -> colour in
        screen pixels from the rectangle's corner."""
        image = self.image()
        x0, y0 = round(rect[0] * self.scale), round(rect[1] * self.scale)
        width, height = round(rect[2] * self.scale), round(rect[3] * self.scale)
        return {(x, y): image.pixel(x0 + x + self.offset[0], y0 + y + self.offset[1])
                for x in range(width) for y in range(height)}


class WindowsSmoke(Session):
    def setUp(self):
        super().setUp()
        self.env.update(WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=")
        self.scale = 1.0

    def tearDown(self):
        subprocess.run(["wineserver", "-k"], env=self.env, capture_output=True)
        super().tearDown()

    def use(self, prefix="", locale="C.UTF-8", scale=1.0):
        """A Wine session of this test's own, on this test's X server, in the prefix with that
        suffix and the locale that sets Wine's ANSI code page."""
        subprocess.run(["wineserver", "-k"], env=self.env, capture_output=True)
        self.env.update(WINEPREFIX=PREFIX + prefix, LANG=locale, LC_ALL=locale)
        self.scale = scale

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
        wid = wait_until(search, timeout, what=f"window '{title}'")
        return WineWindow(self, wid, client, self.scale)

    def message_text(self):
        """The text of the message box that is up, copied with Ctrl+C as on Windows; then the
        box is closed."""
        found = wait_until(lambda: self.xdotool_ok("search", "--onlyvisible", "--name", "^Prismark$"),
                           what="a message")
        box = Window(self, int(found.split()[0]))
        width, height = box.size()
        box.point(width // 2, height // 3)
        self.clear_clipboard()
        box.key("ctrl+c")
        text = self.clipboard()
        self.close_window(box.id)
        wait_until(lambda: not box.exists(), what="the message to close")
        return text

    def write_name_file(self, locale, main=None):
        """One user's journey (in the program started, or a new one): two coloured parts,
        "create name", the name string and its preview, and a pasted name in four scripts
        written to a path in double quotes (as Explorer's "Copy as path" gives it), with the
        notice of what the code page lacks."""
        main = main or self.start_prismark()
        main.fill_rows([("XYZ", "01 red"), ("Name", "07 white")])
        main.click(CREATE_NAME)
        # Left where the program put it: Wine does not follow a window moved behind its back.
        result = self.find_wine_window(RESULT_TITLE, RESULT_CLIENT)
        time.sleep(0.5)
        self.assertEqual(result.read_field(RESULT_FIELD), "^1XYZ^7Name")

        # The preview: the tag in red, the name after it in white.
        colours = {}
        for (x, _), colour in result.client_image(PREVIEW).items():
            colours.setdefault(colour, []).append(x)
        self.assertIn(RED, colours)
        self.assertIn(WHITE, colours)
        self.assertLess(max(colours[RED]), min(colours[WHITE]))

        self.paste(result, RESULT_FIELD, NAME)
        self.assertEqual(result.read_field(RESULT_FIELD), NAME)
        path = os.path.join(self.scratch, "prismark.cfg")
        result.replace_field(PATH_FIELD, '"Z:' + path.replace("/", "\\") + '"')
        result.click(COPY_BUTTON)
        first_line, listed = CODE_PAGES[locale]
        self.assertIn("\n\n" + listed + "\n\n", self.message_text())
        with open(path, "rb") as written:
            contents = written.read()
        self.assertIsNotNone(re.fullmatch(re.escape(first_line) + rb"\r\n" + ENDING, contents),
                             contents)
        return main, result

    def reg(self, *args):
        """Wine's reg command in this test's prefix."""
        return subprocess.run(["wine", "reg", *args], env=self.env, capture_output=True)

    def fresh_result_window(self, main, result):
        self.close_window(result.id)
        wait_until(lambda: not result.exists(), what="the result window to close")
        main.click(CREATE_NAME)
        result = self.find_wine_window(RESULT_TITLE, RESULT_CLIENT)
        time.sleep(0.5)
        return result

    def unix_path(self, windows_path):
        return subprocess.run(["winepath", "-u", windows_path], env=self.env, check=True,
                              capture_output=True, text=True).stdout.strip()

    def test_a_user_session(self):
        self.use()
        self.reg("delete", "HKCU\\Software\\Prismark", "/f")  # no name file written yet
        main, result = self.write_name_file("C.UTF-8")
        self.screenshot(save_as="windows_result.png")
        # A bad path: reported, and the program goes on with everything kept.
        result.replace_field(PATH_FIELD, "Z:\\no such folder\\prismark.cfg")
        result.click(COPY_BUTTON)
        self.assertIn("Path not found.", self.message_text())
        self.assert_running()
        self.assertEqual(result.read_field(RESULT_FIELD), NAME)

        # A fresh result window names the last file written, kept in the registry; without it
        # and without the game, the user's documents folder, where writing needs no rights that
        # a player lacks.
        result = self.fresh_result_window(main, result)
        self.assertEqual(result.read_field(PATH_FIELD),
                         "Z:" + os.path.join(self.scratch, "prismark.cfg").replace("/", "\\"))
        self.reg("delete", "HKCU\\Software\\Prismark", "/f")
        result = self.fresh_result_window(main, result)
        path = result.read_field(PATH_FIELD)
        self.assertRegex(path, r"^C:\\users\\[^\\]+\\Documents\\prismark\.cfg$")
        written = self.unix_path(path)
        if os.path.exists(written):
            os.remove(written)
        result.click(COPY_BUTTON)
        wait_until(lambda: os.path.exists(written), what="the name file in the documents folder")
        time.sleep(1)
        self.assertFalse(self.xdotool_ok("search", "--onlyvisible", "--name", "^Prismark$"),
                         "a report or notice showed")
        with open(written, "rb") as contents:
            self.assertTrue(contents.read().startswith(b"^1XYZ^7Name\r\n"))
        os.remove(written)

        # The game, where its 32-bit installer records it: the untouched path is its base\mp.
        key = "HKLM\\Software\\Activision\\Soldier of Fortune II - Double Helix"
        install = "C:\\Program Files (x86)\\Soldier of Fortune II - Double Helix"
        game = self.unix_path(install)
        os.makedirs(os.path.join(game, "base", "mp"))
        try:
            self.reg("add", key, "/v", "InstallPath", "/t", "REG_SZ", "/d", install, "/f", "/reg:32")
            self.reg("delete", "HKCU\\Software\\Prismark", "/f")
            result = self.fresh_result_window(main, result)
            self.assertEqual(result.read_field(PATH_FIELD), install + "\\base\\mp\\prismark.cfg")
            result.click(COPY_BUTTON)
            written = os.path.join(game, "base", "mp", "prismark.cfg")
            wait_until(lambda: os.path.exists(written), what="the name file in the game's folder")
            time.sleep(0.5)
            self.screenshot(save_as="windows_written_in_the_game_folder.png")
        finally:
            self.reg("delete", key, "/f", "/reg:32")
            shutil.rmtree(game)

        # F4 in the path field opens Windows' own save dialog; the file chosen there fills the
        # field.
        chosen = "Z:" + os.path.join(self.scratch, "chosen.cfg").replace("/", "\\")
        result.click(PATH_FIELD)
        result.key("F4")
        dialog = Window(self, int(wait_until(
            lambda: self.xdotool_ok("search", "--onlyvisible", "--name", "^Name file$"),
            timeout=30, what="the save dialog").split()[0]))
        time.sleep(1)
        self.screenshot(save_as="windows_save_dialog.png")
        dialog.key("End", "shift+Home")  # the file name, as the dialog shows it
        dialog.type(chosen)
        dialog.key("Return")
        wait_until(lambda: not dialog.exists(), what="the save dialog to close")
        self.assertEqual(result.read_field(PATH_FIELD), chosen)
        main.click(BYE)
        self.assert_ends(timeout=30)

        # In High Contrast Black the name reads in its field: the field takes the scheme's colours.
        self.use(prefix="-contrast")
        main = self.start_prismark()
        main.fill_rows([("XYZ", "01 red"), ("Name", "07 white")])
        main.click(CREATE_NAME)
        result = self.find_wine_window(RESULT_TITLE, RESULT_CLIENT)
        time.sleep(0.5)
        self.screenshot(save_as="windows_high_contrast_black.png")
        x, y, width, height = RESULT_FIELD
        pixels = list(result.client_image((x + 3, y + 3, width - 6, height - 6)).values())
        face = max(set(pixels), key=pixels.count)
        readable = [pixel for pixel in pixels if contrast(pixel, face) >= 4.5]
        self.assertGreater(len(readable), 30, f"the name hardly shows on {face}")
        main.click(BYE)
        self.assert_ends(timeout=30)

    def test_players_code_pages(self):
        for locale in ("pl_PL.UTF-8", "ru_RU.UTF-8", "ja_JP.UTF-8"):
            with self.subTest(locale=locale):
                self.use(locale=locale)
                main, _ = self.write_name_file(locale)
                main.click(BYE)
                self.assert_ends(timeout=30)

    def buttons(self, main):
        """The bottom band with both buttons, as drawn."""
        return main.client_image((380, 388, 220, 27))

    def test_without_face_replacements(self):
        """A player's Wine has neither Tahoma nor Segoe UI. The buttons must look as they do
        where those faces are DejaVu Sans, not fall back to a serif face."""
        self.use()
        main = self.start_prismark()
        with_replacements = self.buttons(main)
        main.click(BYE)
        self.assert_ends(timeout=30)

        self.use(prefix="-bare")
        main, _ = self.write_name_file("C.UTF-8")
        self.screenshot(save_as="windows_without_face_replacements.png")
        self.assertEqual(self.buttons(main), with_replacements)
        main.click(BYE)
        self.assert_ends(timeout=30)

    def test_version_strings(self):
        """Explorer's file properties tell the build's version."""
        with open(BINARY, "rb") as exe:
            data = exe.read()
        for key in ("FileVersion", "ProductVersion"):
            # A version string is its key, a null, maybe a null for alignment, and its value.
            found = re.search(key.encode("utf-16-le") + rb"\0\0(?:\0\0)?((?:[^\0]\0)+)\0\0", data)
            self.assertIsNotNone(found, key)
            self.assertEqual(found.group(1).decode("utf-16-le"), os.environ["PRISMARK_VERSION"])

    def test_at_125_percent(self):
        """Both windows scaled by 5/4: every pixel beside the logos is painted."""
        self.use(prefix="-125", scale=1.25)
        main = self.start_prismark()
        self.screenshot(save_as="windows_125_percent.png")
        for x, y, width, height in LOGOS:
            beside = main.client_image((x, y, width + 2, height + 2))
            black = [at for at, colour in beside.items() if colour == (0, 0, 0)]
            self.assertEqual(black, [], f"unpainted pixels beside the logo at {x},{y}")
        self.write_name_file("C.UTF-8", main)
        main.click(BYE)
        self.assert_ends(timeout=30)


if __name__ == "__main__":
    unittest.main()
