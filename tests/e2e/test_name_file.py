""""copy into file:": the name file, and a path that cannot be written."""

import datetime
import os
import re
import time
import unittest

from harness import COPY_BUTTON, PATH_FIELD, RESULT_FIELD, Session, wait_until

FILE = re.compile(rb"\^1XYZ\^7Name\r\n"
                  rb"//pmk\.example\.org//\r\n"
                  rb"//(\d\d:\d\d:\d\d)  (\d\d-\d\d-\d{4}) Prismark Crew crew\.example\.org //\r\n")


class NameFile(Session):
    def compose(self):
        main = self.start_prismark()
        return main, self.open_result_window(main, [("XYZ", "01 red"), ("Name", "07 white")])

    def test_the_file_is_written(self):
        _, result = self.compose()
        # Untouched, the path names the documents folder.
        path = os.path.join(self.home, "Documents", "prismark.cfg")
        self.assertEqual(result.read_field(PATH_FIELD), path)
        before = datetime.datetime.now().replace(microsecond=0)
        result.click(COPY_BUTTON)
        wait_until(lambda: os.path.exists(path), what="the name file")
        after = datetime.datetime.now()
        with open(path, "rb") as written:
            contents = written.read()
        match = FILE.fullmatch(contents)
        self.assertIsNotNone(match, contents)
        stamp = datetime.datetime.strptime(b" ".join(match.groups()).decode(), "%H:%M:%S %m-%d-%Y")
        self.assertTrue(before - datetime.timedelta(seconds=1) <= stamp <= after, stamp)
        self.assertEqual(len(self.windows()), 2)  # no message on success

    def test_a_relative_path_lands_in_the_current_folder(self):
        _, result = self.compose()
        result.replace_field(PATH_FIELD, "relative.cfg")
        result.click(COPY_BUTTON)
        path = os.path.join(self.scratch, "relative.cfg")
        wait_until(lambda: os.path.exists(path), what="the name file")

    def test_a_bad_path_is_reported_and_nothing_is_lost(self):
        main, result = self.compose()
        bad = os.path.join(self.scratch, "missing", "prismark.cfg")
        result.replace_field(PATH_FIELD, bad)
        result.click(COPY_BUTTON)
        report = self.find_window("Prismark")
        self.assertIn("_NET_WM_WINDOW_TYPE_DIALOG", self.window_type(report.id))
        self.screenshot(save_as="error_report.png")
        report.point(20, 20)
        report.key("Return")  # its one button, OK
        wait_until(lambda: not report.exists(), what="the report to close")

        self.assert_running()
        self.assertTrue(main.exists())
        self.assertEqual(result.read_field(PATH_FIELD), bad)
        self.assertEqual(result.read_field(RESULT_FIELD), "^1XYZ^7Name")
        self.assertFalse(os.path.exists(os.path.dirname(bad)))

        # Corrected, the same click writes the file.
        good = os.path.join(self.scratch, "prismark.cfg")
        result.replace_field(PATH_FIELD, good)
        result.click(COPY_BUTTON)
        wait_until(lambda: os.path.exists(good), what="the name file")
        time.sleep(0.2)
        with open(good, "rb") as written:
            self.assertIsNotNone(FILE.fullmatch(written.read()))


if __name__ == "__main__":
    unittest.main()
