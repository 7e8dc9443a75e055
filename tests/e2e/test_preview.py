"""The layered preview, checked in the pixels of the real window."""

import time
import unittest

from harness import PREVIEW, SLATE, Session

RED = (255, 0, 0)
WHITE = (255, 255, 255)
DODGERBLUE = (30, 144, 255)


class Preview(Session):
    def compose(self, parts):
        """parts: (text, list text) for rows 1, 2, ...; None leaves the list at the prompt."""
        result = self.open_result_window(self.start_prismark(), parts)
        time.sleep(0.2)
        return result

    def ink(self, result, save_as):
        """Every non-background pixel of the preview area, as x -> set of colours."""
        image = result.image()
        self.screenshot(save_as=save_as)
        x0, y0, w, h = PREVIEW
        columns = {}
        for y in range(y0, y0 + h):
            for x in range(x0, x0 + w):
                pixel = image.pixel(x, y)
                if pixel != SLATE:
                    columns.setdefault(x, set()).add(pixel)
        return columns

    def extent(self, columns, colour):
        xs = [x for x, colours in columns.items() if colour in colours]
        self.assertTrue(xs, f"no {colour} in the preview")
        return min(xs), max(xs)

    def assert_only(self, columns, allowed):
        seen = set().union(*columns.values())
        self.assertLessEqual(seen, set(allowed), f"unexpected colours {seen - set(allowed)}")

    def test_red_tag_white_name(self):
        result = self.compose([("XYZ", "01 red"), ("Name", "07 white")])
        columns = self.ink(result, "preview_red_white.png")
        self.assert_only(columns, [RED, WHITE])
        red_from, red_to = self.extent(columns, RED)
        white_from, white_to = self.extent(columns, WHITE)
        self.assertLessEqual(red_to, white_from + 1, "red reaches into the white part")
        # Three cells of red, then four of white.
        share = (red_to - red_from + 1) / (white_to - red_from + 1)
        self.assertAlmostEqual(share, 3 / 7, delta=0.06)

    def test_a_part_without_colour_inherits(self):
        result = self.compose([("XYZ", "01 red"), ("Name", None)])
        columns = self.ink(result, "preview_inherited.png")
        self.assert_only(columns, [RED])
        red_from, red_to = self.extent(columns, RED)
        self.assertGreater(red_to - red_from, 50)

    def test_dodgerblue_and_its_heir(self):
        result = self.compose([("AB", "07 white"), ("CD", "10 dodgerblue"), ("EF", None)])
        columns = self.ink(result, "preview_dodgerblue.png")
        self.assert_only(columns, [WHITE, DODGERBLUE])
        white_from, white_to = self.extent(columns, WHITE)
        blue_from, blue_to = self.extent(columns, DODGERBLUE)
        self.assertLessEqual(white_to, blue_from + 1)
        share = (blue_to - blue_from + 1) / (blue_to - white_from + 1)
        self.assertAlmostEqual(share, 4 / 6, delta=0.08)


if __name__ == "__main__":
    unittest.main()
