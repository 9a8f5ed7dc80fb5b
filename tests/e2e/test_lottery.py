"""The program's main job against the service simulator: the draw history and
the draw file at start, the planners' plans, the live poller, and failures."""

import time
import unittest

from harness import (POLL_SECONDS, PLANNERS, TITLE, ProgramTest, expected_plan, labels, plan_box, plan_requests,
                     planner_buttons, probe)


def draw_file_bytes(page):
    """The draw file for the page's draws: period, tab, draw; CRLF between lines;
    every space of the text a line break."""
    text = "\r\n".join("%s\t%s" % (period, draw) for period, draw in page)
    return text.replace(" ", "\r\n").encode("gbk")


def history(tree):
    """(period, draw) of every row of the history list."""
    return [(row[1], row[2]) for row in tree.list_rows()]


class LotteryTest(ProgramTest):
    def start(self, sim, draw_file=None):
        program = self.program(draw_file).start()
        self.tree = program.tree_until(lambda t: len(t.list_rows()) > 0 and plan_box(t) != "", seconds=30)
        return program

    def wait_rows(self, program, count, seconds=None):
        return program.tree_until(lambda t: len(t.list_rows()) >= count, seconds or 6 * POLL_SECONDS + 5)


class StartUp(LotteryTest):
    def test_history_draw_file_labels_and_first_plan(self):
        sim = self.simulator(start_period="261211-041")
        # The latest draw has a space in it: the list shows it whole, the file
        # breaks the line there.
        sim.set_draw("261211-042", "3 5216")
        state = sim.state()
        page = [tuple(pair) for pair in state["page"]]
        self.assertEqual(len(page), 30)
        program = self.start(sim)
        tree = self.tree

        self.assertEqual(history(tree), page, "30 rows in page order")
        self.assertIn(state["upper_case_period"], [p for p, _ in page])
        self.assertNotIn(state["decoy_period"], [p for p, _ in history(tree)], "the decoy is no row")
        self.assertTrue(tree.list_view()["list"]["last_row_visible"], "scrolled to the last row")
        self.assertEqual(labels(tree), ("261211-042期", "3 5216"))
        self.assertEqual(program.draw_file(), draw_file_bytes(page))

        self.assertEqual([b["text"] for b in tree.checked_buttons()], [PLANNERS[0]])
        self.assertEqual(plan_box(tree), expected_plan(sim, 1))
        self.assertIn("<br />", expected_plan(sim, 1).replace("\r\n", "<br />"))
        self.assertIn("\r\n", plan_box(tree))
        self.assertEqual(plan_requests(sim), ["id=i0"], "no other plan is fetched at start")
        self.assertClosed(program)

    def test_existing_draw_file_is_replaced(self):
        sim = self.simulator()
        program = self.start(sim, draw_file=b"old\tcontent")
        page = [tuple(pair) for pair in sim.state()["page"]]
        self.assertEqual(program.draw_file(), draw_file_bytes(page))
        self.assertClosed(program)


class Plans(LotteryTest):
    def test_each_click_fetches_and_shows_that_planners_plan(self):
        sim = self.simulator()
        program = self.start(sim)
        buttons = planner_buttons(self.tree)
        for k in [3, 11, 1, 1, 7]:  # 1 twice: the checked button fetches again
            sim.reset_log()
            self.assertEqual(probe.click(TITLE, buttons[k - 1]), probe.DONE)
            tree = program.tree()
            self.assertEqual(plan_requests(sim), ["id=i%d" % (k - 1)], k)
            self.assertEqual(plan_box(tree), expected_plan(sim, k), k)
            self.assertEqual([b["text"] for b in tree.checked_buttons()], [PLANNERS[k - 1]])
        # The template lies under the first planner's button; a click on it is
        # no planner's and fetches nothing.
        sim.reset_log()
        shown = plan_box(program.tree())
        self.assertEqual(probe.click(TITLE, self.tree.get(cls="Button", text="单选框")), probe.DONE)
        self.assertEqual(plan_requests(sim), [])
        self.assertEqual(plan_box(program.tree()), shown)
        self.assertClosed(program)


class Poller(LotteryTest):
    def test_new_draws_are_appended_once_with_the_checked_planners_plan(self):
        sim = self.simulator()
        program = self.start(sim)
        self.assertEqual(probe.click(TITLE, planner_buttons(self.tree)[2]), probe.DONE)
        sim.reset_log()

        period, draw = sim.advance()
        tree = self.wait_rows(program, 31)
        self.assertEqual(history(tree)[-1], (period, draw))
        tree = program.tree_until(lambda t: labels(t) == (period + "期", draw))
        self.assertEqual(labels(tree), (period + "期", draw))
        tree = program.tree_until(lambda t: plan_box(t) == expected_plan(sim, 3))
        self.assertEqual(plan_box(tree), expected_plan(sim, 3))
        self.assertEqual(plan_requests(sim), ["id=i2"], "only the checked planner's plan is fetched")

        time.sleep(3 * POLL_SECONDS)  # the same period, seen again, is not appended again
        self.assertEqual(len(program.tree().list_rows()), 31)

        older = history(tree)[-5]
        sim.set_draw(older[0], "11111")  # a period going back is appended again
        tree = self.wait_rows(program, 32)
        self.assertEqual(history(tree)[-1], (older[0], "11111"))
        self.assertClosed(program)

    def test_service_down_then_back(self):
        sim = self.simulator()
        program = self.start(sim)
        for mode in ["status500", "junk", "garbage", "reset"]:
            with self.subTest(mode):
                sim.fail("info", mode)
                rows = len(program.tree().list_rows())
                period, draw = sim.advance()
                time.sleep(3 * POLL_SECONDS)
                tree = program.tree()
                self.assertEqual(len(tree.list_rows()), rows, "no row while the service is down")
                self.assertTrue(tree.responsive)
                sim.restore()
                tree = self.wait_rows(program, rows + 1)
                self.assertEqual(history(tree)[-1], (period, draw), "the real draw when it returns")
        self.assertClosed(program)


class Failures(LotteryTest):
    def test_failing_services_at_start_leave_the_list_labels_and_plan_empty(self):
        for mode in ["status500", "garbage", "junk", "refuse"]:
            with self.subTest(mode):
                sim = self.simulator()
                sim.fail("all", mode)
                program = self.program(draw_file=b"kept").start()
                tree = program.tree_until(lambda t: t.checked_buttons(), seconds=40)
                time.sleep(2 * POLL_SECONDS)  # polls while the services fail add nothing
                tree = program.tree()
                self.assertEqual(tree.list_rows(), [])
                self.assertEqual(labels(tree), ("期", ""))
                self.assertEqual(plan_box(tree), "")
                self.assertEqual(program.draw_file(), b"kept")
                self.assertTrue(tree.responsive)
                self.assertClosed(program)
                sim.stop()

    def test_closing_while_a_poll_hangs_ends_the_program_promptly(self):
        sim = self.simulator()
        program = self.start(sim)
        sim.fail("info", "hang")
        sim.reset_log()
        deadline = time.monotonic() + 6 * POLL_SECONDS
        while not sim.requests("info") and time.monotonic() < deadline:
            time.sleep(0.2)
        self.assertTrue(sim.requests("info"), "a poll is waiting for its answer")
        self.assertTrue(program.tree().responsive, "the window answers while the poll hangs")
        began = time.monotonic()
        self.assertClosed(program)
        self.assertLess(time.monotonic() - began, 5)


if __name__ == "__main__":
    unittest.main()
