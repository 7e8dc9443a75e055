""""create name": the result window, its life, and the name string."""

import os
import unittest

from harness import BYE, HINT, PATH_FIELD, RESULT_FIELD, Session, row_list, row_text


class Compose(Session):
    def fill_example(self, main):
        """Part 1 XYZ picked red with the mouse, part 2 Name picked white with the keyboard."""
        main.click(row_text(1))
        main.type("XYZ")
        x, y, w, h = row_list(1)
        main.click((x + w - 8, y + h // 2))      # open the list
        main.click((x + 40, y + h + 8))           # its first entry, "01 red"
        main.click(row_text(2))
        main.type("Name")
        main.click(row_list(2))
        main.key(*["Down"] * 7)                   # from the prompt down to "07 white"
        self.assertEqual(main.read_field(row_list(1)), "01 red")
        self.assertEqual(main.read_field(row_list(2)), "07 white")

    def test_the_name_string_reaches_the_result_field(self):
        main = self.start_prismark()
        self.fill_example(main)
        result = self.open_result_window(main)
        self.assertEqual(result.size(), (385, 244))
        self.assertEqual(result.read_field(RESULT_FIELD), "^1XYZ^7Name")
        self.screenshot(save_as="both_windows.png")
        # A click on the hint wraps the name into the game's command.
        result.click(HINT)
        self.assertEqual(result.read_field(RESULT_FIELD), 'seta name "^1XYZ^7Name"')

    def test_typed_labels_carets_and_quotes_pass_unchanged(self):
        main = self.start_prismark()
        result = self.open_result_window(main, [('  ^3a"b ', "21 whitepink"),
                                                ("x", "01 Red")])  # a near miss: no code
        self.assertEqual(result.read_field(RESULT_FIELD), '^q  ^3a"b x')

    def test_non_latin_text_pasted_into_a_part(self):
        main = self.start_prismark()
        self.paste(main, row_text(1), "Zoë😀")
        main.click(row_list(1))
        main.key("ctrl+a")
        main.type("03 yellow")
        result = self.open_result_window(main)
        self.assertEqual(result.read_field(RESULT_FIELD), "^3Zoë😀")

    def test_a_pasted_line_break_becomes_a_blank(self):
        main = self.start_prismark()
        self.paste(main, row_text(1), "two\nlines")
        result = self.open_result_window(main)
        self.assertEqual(result.read_field(RESULT_FIELD), "two lines")

    def test_the_window_is_reused_while_open_and_made_afresh_after_close(self):
        main = self.start_prismark()
        self.fill_example(main)
        result = self.open_result_window(main)
        typed_path = os.path.join(self.scratch, "typed.cfg")
        result.replace_field(PATH_FIELD, typed_path)

        again = self.open_result_window(main)
        self.assertEqual(again.id, result.id)
        self.assertEqual(again.read_field(PATH_FIELD), typed_path)

        result.close()
        self.assertFalse(result.exists())
        self.assert_running()
        fresh = self.open_result_window(main)
        self.assertEqual(fresh.read_field(PATH_FIELD),
                         os.path.join(self.home, "Documents", "prismark.cfg"))
        self.assertEqual(fresh.read_field(RESULT_FIELD), "^1XYZ^7Name")

    def test_the_result_window_outlives_the_main_window(self):
        main = self.start_prismark()
        self.fill_example(main)
        result = self.open_result_window(main)
        main.close()
        self.assert_running()
        self.assertFalse(main.exists())
        # Still working: its fields can be edited and read.
        result.replace_field(RESULT_FIELD, 'seta name "^1XYZ^7Name"')
        self.assertEqual(result.read_field(RESULT_FIELD), 'seta name "^1XYZ^7Name"')
        result.close()
        self.assert_ends()

    def test_bye_with_a_result_window_open(self):
        main = self.start_prismark()
        self.open_result_window(main)
        main.click(BYE)
        self.assert_ends()


if __name__ == "__main__":
    unittest.main()
