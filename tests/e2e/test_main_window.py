"""The main window as the user first sees it, with every service down: its
place, settings and controls, and Esc ending the program."""

import time
import unittest

from harness import RELEASE_EXE, TITLE, PLANNERS, ProgramTest, labels, plan_box, planner_buttons, port_in_use, probe

# name: (class, text, left, top, width, height) relative to the parent's client area
FORM = [
    ("SysListView32", None, 5, 144, 194, 520),
    ("Edit", "", 208, 143, 456, 520),
    ("QinglanTransparentLabel",
     "承接各类彩票软件定制。（计划出号，方案缩水，自动投注，大数据统计。）\r\n更多免费软件联系Q:1234567890",
     208, 42, 536, 96),
    ("Button", "", 5, 37, 194, 99),  # the panel group box
]


class MainWindowWithServicesDown(ProgramTest):
    """The program as shipped, whose services are on port 8360: nothing may
    listen there while this runs."""

    def setUp(self):
        self.assertFalse(port_in_use(8360), "port 8360 is taken (a demo running?); this test needs it free")

    def test_window_controls_and_escape(self):
        existing = b"261210-059\t12345\r\n261210-058\t54321"
        program = self.program(draw_file=existing, exe=RELEASE_EXE).start()
        # The start-up has finished once the first planner's button is checked.
        tree = program.tree_until(lambda t: any(b["text"] == PLANNERS[0] for b in t.checked_buttons()))
        window = tree.window

        with self.subTest("the window"):
            self.assertEqual(window["text"], TITLE)
            self.assertEqual((window["client"]["width"], window["client"]["height"]), (748, 665))
            self.assertEqual((window["rect"]["width"], window["rect"]["height"]), (748, 665), "no frame")
            self.assertTrue(tree.centred(), (window["rect"], tree.screen))
            style = window["style"]
            self.assertFalse(style & probe.WS_CAPTION, hex(style))
            self.assertFalse(style & probe.WS_THICKFRAME, hex(style))
            self.assertTrue(style & probe.WS_MINIMIZEBOX, hex(style))
            self.assertFalse(style & probe.WS_MAXIMIZEBOX, hex(style))
            self.assertTrue(tree.responsive)

        with self.subTest("controls of the form"):
            for cls, text, left, top, width, height in FORM:
                node = tree.get(cls=cls, text=text) if text is not None else tree.get(cls=cls)
                self.assertEqual(probe.rect_tuple(node), (left, top, width, height), (cls, text))
                self.assertTrue(node["visible"], (cls, text))
            edit = tree.get(cls="Edit")
            self.assertTrue(edit["style"] & probe.ES_MULTILINE and edit["style"] & probe.WS_VSCROLL)
            panel = tree.get(cls="Button", text="")
            inside = sorted((probe.rect_tuple(n) for n in panel["children"]), key=lambda r: r[1])
            self.assertEqual(inside, [(10, 14, 174, 45), (10, 73, 174, 19)])

        with self.subTest("planner buttons"):
            buttons = planner_buttons(tree)
            self.assertEqual([b["text"] for b in buttons], PLANNERS)
            self.assertEqual([b["rect"]["top"] for b in buttons], [145 + 48 * k for k in range(11)])
            self.assertEqual(buttons[-1]["rect"]["top"] + buttons[-1]["rect"]["height"], 657)
            for b in buttons:
                self.assertEqual(probe.rect_tuple(b)[::2], (665, 75))
                self.assertEqual(b["style"] & (probe.BS_TYPEMASK | probe.BS_MULTILINE),
                                 probe.BS_AUTORADIOBUTTON | probe.BS_MULTILINE)
            self.assertEqual([b["text"] for b in tree.checked_buttons()], [PLANNERS[0]])
            template = tree.get(cls="Button", text="单选框")
            self.assertEqual(probe.rect_tuple(template), (665, 145, 75, 32), "the template keeps its place")

        with self.subTest("history list, panel, plan box and draw file with no service"):
            self.assertEqual(tree.list_columns(), [("", 0, probe.LVCFMT_LEFT), ("期号", 100, probe.LVCFMT_CENTER),
                                                   ("奖号", 70, probe.LVCFMT_CENTER)])
            self.assertEqual(tree.list_rows(), [])
            self.assertEqual(labels(tree), ("期", ""))
            self.assertEqual(plan_box(tree), "")
            self.assertEqual(program.draw_file(), existing, "a failed start keeps the draw file")

        with self.subTest("Esc closes the window and the program ends"):
            began = time.monotonic()
            self.assertClosed(program)
            self.assertLess(time.monotonic() - began, 10)
            self.assertTrue(probe.gone(TITLE, 5))

    def test_no_draw_file_is_written_when_there_is_none(self):
        program = self.program(exe=RELEASE_EXE).start()
        program.tree_until(lambda t: t.checked_buttons())
        self.assertIsNone(program.draw_file())
        self.assertClosed(program)


if __name__ == "__main__":
    unittest.main()
