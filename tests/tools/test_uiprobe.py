#!/usr/bin/env python3
"""Tests of the UI probe against probe_target.exe, a window of known contents:
what the tree reports, clicks, keys, and waiting for a window to go."""

import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "uiprobe"))

import probe  # noqa: E402

TITLE = "青岚探针测试窗口"
TARGET = os.environ.get("QL_PROBE_TARGET") or os.path.join(
    os.environ.get("QL_BUILD_DIR", "build/windows-release"), "tests", "tools", "probe_target.exe")


class Target:
    """probe_target.exe with its window shown; stop() ends it if it still runs."""

    def __init__(self):
        self.process = probe.launch(TARGET)
        if not probe.wait(TITLE, 30):
            self.stop()
            raise AssertionError("the target window did not appear")

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait(10)


class TreeTest(unittest.TestCase):
    """One probe of the untouched window, checked member by member."""

    @classmethod
    def setUpClass(cls):
        target = Target()
        cls.addClassCleanup(target.stop)
        cls.tree = probe.tree(TITLE)

    def test_top_level_window(self):
        window = self.tree.window
        self.assertEqual(window["text"], TITLE)
        self.assertEqual(window["class"], "QlProbeTarget")
        self.assertEqual((window["client"]["width"], window["client"]["height"]), (400, 300))
        self.assertEqual((window["rect"]["width"], window["rect"]["height"]), (400, 300))
        self.assertTrue(self.tree.centred())
        self.assertEqual(probe.rect_tuple(window), (440, 362, 400, 300))  # screen coordinates
        style = window["style"]
        self.assertTrue(style & probe.WS_POPUP and style & probe.WS_MINIMIZEBOX and style & probe.WS_VISIBLE)
        self.assertFalse(style & probe.WS_CAPTION or style & probe.WS_MAXIMIZEBOX)
        self.assertTrue(window["visible"])
        self.assertGreater(self.tree.pid, 0)
        self.assertTrue(self.tree.responsive)
        self.assertEqual((self.tree.screen["width"], self.tree.screen["height"]), (1280, 1024))

    def test_controls_texts_places_and_kinds(self):
        # text, class, id, (left, top, width, height) relative to the parent's client area
        cases = [
            ("选项一", "Button", 101, (10, 10, 100, 24)),
            ("选项二", "Button", 102, (10, 40, 100, 24)),
            ("第一行\r\n第二行", "Edit", 201, (120, 10, 270, 60)),
            ("面板", "Button", 301, (10, 80, 100, 60)),
            ("标签", "Static", 302, (8, 20, 80, 20)),  # inside the group box
            ("", "SysListView32", 401, (120, 80, 270, 200)),
        ]
        for text, cls, control_id, rect in cases:
            with self.subTest(text=text):
                node = self.tree.get(id=control_id)
                self.assertEqual((node["text"], node["class"], probe.rect_tuple(node)), (text, cls, rect))
        self.assertEqual([c["id"] for c in self.tree.window["children"]], [101, 102, 201, 301, 401])
        self.assertEqual(self.tree.get(id=302)["path"], "3/0")
        radio = self.tree.get(text="选项一")
        self.assertEqual(radio["style"] & probe.BS_TYPEMASK, probe.BS_AUTORADIOBUTTON)
        self.assertEqual([b["checked"] for b in self.tree.find_all(cls="Button")], [0, 0, 0])
        self.assertTrue(self.tree.get(cls="Edit")["style"] & probe.ES_MULTILINE)
        self.assertNotIn("checked", self.tree.get(cls="Edit"))

    def test_list_view_columns_and_rows(self):
        self.assertEqual(self.tree.list_columns(), [
            ("", 0, probe.LVCFMT_LEFT), ("期号", 100, probe.LVCFMT_CENTER), ("奖号", 70, probe.LVCFMT_CENTER)])
        expected = [["", "261211-%03d" % n, "第%d号" % n] for n in range(1, 41)]
        self.assertEqual(self.tree.list_rows(), expected)
        state = self.tree.list_view()["list"]
        self.assertTrue(state["readable"])
        self.assertEqual(state["top_index"], 0)
        self.assertTrue(0 < state["count_per_page"] < 40)
        self.assertFalse(state["last_row_visible"])
        self.assertEqual(state["selected"], [])
        self.assertEqual([c["class"] for c in self.tree.list_view()["children"]], ["SysHeader32"])


class ActionTest(unittest.TestCase):
    def test_click_checks_the_radio_and_notifies_the_parent(self):
        self.addCleanup(Target().stop)
        first = probe.tree(TITLE).get(text="选项一")
        # by text, then by path, then by the node's handle
        for control, checked_id, edit_text in [("选项二", 102, "点击：选项二"),
                                               ("path:0", 101, "点击：选项一"),
                                               (first, 101, "点击：选项一")]:
            with self.subTest(control=str(control)[:20]):
                self.assertEqual(probe.click(TITLE, control), probe.DONE)
                tree = probe.tree(TITLE)
                self.assertEqual([b["id"] for b in tree.checked_buttons()], [checked_id])
                self.assertEqual(tree.get(cls="Edit")["text"], edit_text)
        self.assertEqual(probe.click(TITLE, "选项三"), probe.NO_CONTROL)
        self.assertEqual(probe.click(TITLE, "path:9"), probe.NO_CONTROL)

    def test_keys_reach_the_control_and_esc_closes(self):
        target = Target()
        self.addCleanup(target.stop)
        # To the list view by name: windows of other tests may take the activation.
        self.assertEqual(probe.key(TITLE, "END", "path:4"), probe.DONE)
        tree = probe.tree_until(TITLE, lambda t: t.list_view()["list"]["last_row_visible"], 5)
        state = tree.list_view()["list"]
        self.assertTrue(state["last_row_visible"])
        self.assertEqual(state["selected"], [39])
        self.assertGreater(state["top_index"], 0)
        self.assertEqual(probe.key(TITLE, "NOSUCHKEY"), probe.NO_CONTROL)
        self.assertEqual(probe.key(TITLE, "0x1B"), probe.DONE)  # to whatever has the focus
        self.assertTrue(probe.gone(TITLE, 10))
        self.assertEqual(target.process.wait(10), 0)

    def test_missing_window(self):
        self.assertIsNone(probe.tree("没有这个窗口"))
        self.assertFalse(probe.wait("没有这个窗口", 0.2))
        self.assertTrue(probe.gone("没有这个窗口", 0))
        self.assertEqual(probe.click("没有这个窗口", "x"), probe.NO_WINDOW)
        self.assertEqual(probe.run("tree").returncode, probe.USAGE)


if __name__ == "__main__":
    unittest.main(verbosity=2)
