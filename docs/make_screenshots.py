"""Remakes the README's pictures from the real program under a private Xvfb.

    /usr/bin/python3 docs/make_screenshots.py [PATH_TO_PRISMARK]

Needs what the README's test command installs; writes docs/main_window.png and
docs/result_window.png.
"""

import os
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
os.environ["PRISMARK_BINARY"] = os.path.abspath(
    sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "..", "build", "release", "prismark"))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "e2e"))

import harness  # noqa: E402  (reads PRISMARK_BINARY when imported)


class Pictures(harness.Session):
    def runTest(self):
        main = self.start_prismark()
        example = [("XYZ", "01 red"), ("Your", "05 cyan"), ("Name", "07 white"),
                   ("Here", "08 orange")]
        main.fill_rows(example)
        main.point(300, 60)
        time.sleep(0.3)
        self.save(main, "main_window.png")
        result = self.open_result_window(main)
        # The path as a player's reads, not the test's own home folder.
        result.replace_field(harness.PATH_FIELD, "/home/player/Documents/prismark.cfg")
        main.point(300, 60)  # away from the result window, so it shows no focus frame
        time.sleep(0.5)
        self.save(result, "result_window.png")

    def save(self, window, name):
        subprocess.run(["import", "-window", str(window.id), "-depth", "8",
                        os.path.join(HERE, name)], env=self.env, check=True)
        print("wrote", os.path.join(HERE, name))


if __name__ == "__main__":
    pictures = Pictures()
    pictures.setUp()
    try:
        pictures.runTest()
    finally:
        pictures.tearDown()
