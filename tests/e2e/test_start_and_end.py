"""Start-up, and the ways the program ends."""

import unittest

from harness import (BYE, CREATE_NAME, RESULT_TITLE, SCREEN, SLATE, Session,
                     row_list, row_text)


class StartAndEnd(Session):
    def test_main_window_at_start(self):
        main = self.start_prismark()
        self.assertEqual(main.size(), (612, 426))
        # Centred by the program itself: no window manager runs here.
        self.assertEqual(main.origin(), ((SCREEN[0] - 612) // 2, (SCREEN[1] - 426) // 2))

        image = main.image()
        self.screenshot(save_as="main_window_at_start.png")
        self.assertEqual(image.pixel(2, 2), SLATE)
        for row in range(1, 11):
            x, y, w, h = row_list(row)
            self.assertEqual(image.pixel(x + w - 30, y + h // 2), (255, 255, 255), f"list {row}")
            x, y, w, h = row_text(row)
            self.assertEqual(image.pixel(x + w // 2, y + h // 2), (255, 255, 255), f"field {row}")
        for button in (BYE, CREATE_NAME):
            x, y, w, h = button
            self.assertNotEqual(image.pixel(x + 3, y + h // 2), SLATE)

        # The focus is in the first list with its prompt selected: a copy takes the prompt.
        main.point(300, 60)
        self.clear_clipboard()
        main.key("ctrl+c")
        self.assertEqual(self.clipboard(), "- select a color -")
        # Every other list shows the prompt too.
        for row in (2, 10):
            self.assertEqual(main.read_field(row_list(row)[:2] + (150, 19)), "- select a color -")
        self.assertEqual(len(self.windows()), 1)

    def test_bye_ends_the_program(self):
        main = self.start_prismark()
        main.click(BYE)
        self.assert_ends()

    def test_bye_closes_both_windows(self):
        main = self.start_prismark()
        main.click(CREATE_NAME)
        self.find_window(RESULT_TITLE)
        main.click(BYE)
        self.assert_ends()

    def test_closing_the_main_window_ends_the_program(self):
        main = self.start_prismark()
        main.close()
        self.assert_ends()

    def test_enter_and_escape_neither_press_nor_close(self):
        main = self.start_prismark()
        main.click(row_text(1))
        main.key("Return", "Escape")
        main.click(row_list(1))
        main.key("Return", "Escape")
        self.assert_running()
        self.assertEqual(len(self.windows()), 1)


if __name__ == "__main__":
    unittest.main()
