"""What a screen reader hears: the real program's accessibility tree over AT-SPI."""

import json
import os
import re
import subprocess
import time
import unittest

from harness import RESULT_FIELD, Session

HERE = os.path.dirname(os.path.abspath(__file__))


def nodes(tree):
    yield tree
    for child in tree["children"]:
        yield from nodes(child)


class Accessibility(Session):
    def setUp(self):
        super().setUp()
        # A private session bus; Qt then speaks AT-SPI even without a desktop asking for it.
        out = subprocess.run(["dbus-launch", "--sh-syntax"], env=self.env, check=True,
                             capture_output=True, text=True).stdout
        values = dict(re.findall(r"(\w+)='?([^';]*)'?;", out))
        self.bus_pid = int(values["DBUS_SESSION_BUS_PID"])
        self.env.update(DBUS_SESSION_BUS_ADDRESS=values["DBUS_SESSION_BUS_ADDRESS"],
                        QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")

    def tearDown(self):
        super().tearDown()
        try:
            os.kill(self.bus_pid, 15)
        except ProcessLookupError:
            pass

    def tree(self):
        out = subprocess.run(["/usr/bin/python3", os.path.join(HERE, "atspi_tree.py"), "Prismark"],
                             env=self.env, check=True, capture_output=True, text=True,
                             timeout=60).stdout
        return list(nodes(json.loads(out)))

    def test_what_a_screen_reader_hears(self):
        main = self.start_prismark()
        heard = self.tree()
        # The part fields, and the lists' own fields, where the focus lands in a list.
        fields = [n for n in heard if n["role"] == "text" and n["name"].startswith("part ")]
        self.assertEqual(sorted(n["name"] for n in fields),
                         sorted(f"part {row} {what}" for row in range(1, 11)
                                for what in ("text", "colour")))
        # Orca names an editable list by the label it is labelled by.
        lists = [n for n in heard if n["role"] == "combo box"]
        self.assertEqual(sorted(label for n in lists for label in n["labelled_by"]),
                         sorted(f"part {row} colour" for row in range(1, 11)))

        result = self.open_result_window(main, [("XYZ", "01 red"), ("Name", "07 white")])
        time.sleep(0.2)
        heard = self.tree()
        names = {n["name"] for n in heard}
        self.assertIn("name string", names)
        self.assertIn("name file path", names)
        preview = [n for n in heard if n["name"] == "name preview"]
        self.assertEqual([n["description"] for n in preview], ["XYZ in red, Name in white"])
        # The preview is heard once: the nine labels behind it, which show the same name, are
        # not showing.
        self.assertEqual([n["name"] for n in heard
                          if n["showing"] and n["name"].startswith("XYZ")], [])

        # Right after the preview, the game check and the game's colours, which follow the
        # player's edits.
        def after_preview(heard, step):
            for node in heard:
                names = [child["name"] for child in node["children"]]
                if "name preview" in names:
                    return node["children"][names.index("name preview") + step]
            self.fail("no name preview")
        self.assertEqual(after_preview(heard, 1)["name"],
                         "sets no name: not a command yet: Alt+S wraps it")
        self.assertEqual(after_preview(heard, 2)["name"], "in game colours: ")

        # The wrap, and what it says: the game check follows, and the status line tells it.
        result.click(RESULT_FIELD)
        result.key("alt+s")
        heard = self.tree()
        self.assertIn('wrapped into seta name "…": Ctrl+Z takes it back',
                      {n["name"] for n in heard if n["showing"]})
        result.key("End", "Left")
        result.type(";")
        heard = self.tree()
        self.assertEqual(after_preview(heard, 1)["name"], "in game: refused, it holds ;")
        self.assertEqual(after_preview(heard, 2)["description"], "nothing")


if __name__ == "__main__":
    unittest.main()
