"""The legend, logos, lines and credits of the real main window, and their tool tips."""

import time
import unittest

from harness import SLATE, Session, wait_until

GREY = (200, 200, 200)


def cell_origin(cell):
    return 32 + 24 * ((cell - 1) % 4), 144 + 24 * ((cell - 1) // 4)


class Legend(Session):
    def test_the_look(self):
        main = self.start_prismark()
        image = main.image()
        self.screenshot(save_as="legend.png")
        swatches = {1: (247, 28, 26), 4: (81, 81, 231), 7: (255, 255, 255), 23: (0, 0, 0),
                    24: (38, 51, 34), 26: (45, 48, 67)}
        for cell, colour in swatches.items():
            x, y = cell_origin(cell)
            self.assertEqual(image.pixel(x + 14, y + 14), colour, f"swatch {cell}")
        for point in [(16, 200), (136, 200), (80, 128), (80, 320), (300, 384)]:
            self.assertEqual(image.pixel(*point), GREY, f"line at {point}")
        self.assertEqual(image.pixel(20, 128), SLATE)  # the frame's corners are open
        # Both logos and both credits have something drawn.
        for x, y, w, h in [(320, 8, 262, 96), (56, 24, 150, 45), (24, 392, 161, 17),
                           (208, 392, 121, 17)]:
            colours = {image.pixel(px, py) for px in range(x, x + w, 3) for py in range(y, y + h, 3)}
            self.assertGreater(len(colours), 2, (x, y))

    def tool_tip_at(self, main, x, y):
        """The tool tip window that shows when the pointer rests at (x, y), or None."""
        before = set(self.windows())
        main.point(x - 3, y - 3)
        time.sleep(0.1)
        main.point(x, y)
        try:
            new = wait_until(lambda: set(self.windows()) - before, timeout=3, what="a tool tip")
        except AssertionError:
            return None
        return next(iter(new))

    def test_tool_tips(self):
        main = self.start_prismark()
        # Tool tips show in the active window; a click on the background makes it active, as a
        # window manager would.
        main.click((300, 60))
        x, y = cell_origin(4)
        tip = self.tool_tip_at(main, x + 7, y + 7)
        self.assertIsNotNone(tip, "no tool tip on swatch 4")
        self.screenshot(save_as="tool_tip_swatch_4.png")
        # Away from everything the tip goes; the small logo shows the version.
        main.point(300, 60)
        wait_until(lambda: tip not in self.windows(), what="the tip to go")
        self.assertIsNotNone(self.tool_tip_at(main, 130, 45), "no tool tip on the small logo")
        self.screenshot(save_as="tool_tip_small_logo.png")
        main.point(300, 60)
        time.sleep(1)
        self.assertIsNone(self.tool_tip_at(main, 450, 50), "the large logo has a tool tip")


if __name__ == "__main__":
    unittest.main()
