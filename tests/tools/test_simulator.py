#!/usr/bin/env python3
"""Tests of the service simulator: the three answers as the program cuts them,
new draws, fault modes, the request log and shutdown."""

import http.client
import json
import os
import re
import signal
import socket
import sys
import threading
import time
import unittest
import urllib.error
import urllib.parse

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "simulator"))

import lottery_draws  # noqa: E402
import service_pages  # noqa: E402
from sim_client import SimulatorProcess  # noqa: E402

# The program's row pattern, matched case-insensitively and multi-line.
ROW = re.compile(r'<span class="c_ba2636" kjhm="(.*?)">(.*?) </span>', re.I | re.M)
TREND = "/cqssc/jiben-5xing.html?periodNumber=30"
INFO = "/api/lotteryinfo/cqssc?"


def text_between(text, start, end):
    """The program's cut: the text after `start` up to the next `end`, or ""."""
    begin = text.find(start)
    if begin < 0:
        return ""
    begin += len(start)
    finish = text.find(end, begin)
    return text[begin:finish] if finish >= 0 else ""


def fetch(port, path, body=None, timeout=5):
    """(status, body bytes) of one request to the service port."""
    connection = http.client.HTTPConnection("127.0.0.1", port, timeout=timeout)
    try:
        headers = {"Content-Type": "application/x-www-form-urlencoded"} if body else {}
        connection.request("POST" if body else "GET", path, body=body, headers=headers)
        answer = connection.getresponse()
        return answer.status, answer.read()
    finally:
        connection.close()


def plan_of(port, number):
    _, answer = fetch(port, "/int.ashx", body="id=i%d" % number)
    decoded = urllib.parse.unquote_to_bytes(answer).decode("utf-8")
    return text_between(decoded, '{"values":"', '","time"')


class PeriodTest(unittest.TestCase):
    def test_next_period(self):
        cases = [
            ("261211-042", "261211-043"),
            ("261211-059", "261212-001"),
            ("261231-059", "270101-001"),
            ("not a period", lottery_draws.format_period(__import__("datetime").date.today(), 1)),
        ]
        for period, expected in cases:
            with self.subTest(period=period):
                self.assertEqual(lottery_draws.next_period(period), expected)

    def test_history_ends_at_start_period_with_consecutive_periods(self):
        draws = lottery_draws.DrawHistory("s", "261212-003").recent()
        self.assertEqual(len(draws), 30)
        self.assertEqual(draws[-1][0], "261212-003")
        self.assertEqual(draws[0][0], "261211-033")  # 29 back, across midnight
        for (older, _), (newer, _) in zip(draws, draws[1:]):
            self.assertEqual(lottery_draws.next_period(older), newer)

    def test_rejects_a_start_period_of_another_form(self):
        for period in ("20261211-042", "261211-060", "261332-001", "261211042"):
            with self.subTest(period=period), self.assertRaises(ValueError):
                lottery_draws.DrawHistory("s", period)

    def test_seed_decides_the_draws(self):
        one = lottery_draws.DrawHistory("a", "261211-042").recent()
        again = lottery_draws.DrawHistory("a", "261211-042").recent()
        other = lottery_draws.DrawHistory("b", "261211-042").recent()
        self.assertEqual(one, again)
        self.assertNotEqual(one, other)


class PageWithoutDecoysTest(unittest.TestCase):
    def test_plain_page_has_only_the_rows(self):
        draws = lottery_draws.DrawHistory("s", "261211-042").recent()
        page = service_pages.trend_page(draws, decoys=False).decode("gbk")
        self.assertEqual(ROW.findall(page), draws)
        self.assertEqual(len(re.findall(r'class="c_ba2636"', page)), 30)
        self.assertNotIn("<SPAN", page)


class ServiceTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.sim = SimulatorProcess(seed="unit", start_period="261211-042")
        cls.port = cls.sim.port

    @classmethod
    def tearDownClass(cls):
        cls.sim.stop()

    def tearDown(self):
        self.sim.restore()
        self.sim.reset_log()

    def page_rows(self):
        status, page = fetch(self.port, TREND)
        self.assertEqual(status, 200)
        return ROW.findall(page.decode("gbk")), page

    def info(self):
        status, answer = fetch(self.port, INFO)
        self.assertEqual(status, 200)
        return answer.decode("utf-8")

    def test_page_lists_thirty_draws_oldest_first(self):
        rows, page = self.page_rows()
        state = self.sim.state()
        self.assertEqual(rows, [tuple(d) for d in state["page"]])
        self.assertEqual(len(rows), 30)
        self.assertEqual(rows[-1], (state["period"], state["draw"]))
        for (older, _), (newer, _) in zip(rows, rows[1:]):
            self.assertEqual(lottery_draws.next_period(older), newer)
        for period, draw in rows:
            self.assertRegex(period, r"^\d{6}-\d{3}$")
            self.assertRegex(draw, r"^\d{5}$")
        # The program decodes nothing for a page that declares gb2312 early.
        self.assertRegex(page[:1024].decode("gbk"), r'<meta[^>]+charset=gb2312')

    def test_page_decoys(self):
        rows, page = self.page_rows()
        text = page.decode("gbk")
        state = self.sim.state()
        # The decoy, without the space before its closing tag, is on the page but no row.
        self.assertIn('kjhm="%s">%s</span>' % (state["decoy_period"], state["draw"]), text)
        self.assertNotIn(state["decoy_period"], [p for p, _ in rows])
        # The upper-case row is listed, and only a case-insensitive match finds it.
        upper = state["upper_case_period"]
        self.assertIn('<SPAN class="c_ba2636" kjhm="%s">' % upper, text)
        self.assertIn(upper, [p for p, _ in rows])
        case_sensitive = re.findall(ROW.pattern, text, re.M)
        self.assertEqual(len(case_sensitive), 29)

    def test_info_current_period_is_20_and_the_last_page_period(self):
        rows, _ = self.page_rows()
        answer = self.info()
        members = json.loads(answer)
        self.assertEqual(members["CurrentPeriod"], "20" + rows[-1][0])
        self.assertEqual(members["CurrentLottery"], rows[-1][1])
        # The program cuts the values out of the text, it parses no JSON.
        self.assertEqual(text_between(answer, 'CurrentPeriod":"20', '"'), rows[-1][0])
        self.assertEqual(text_between(answer, 'CurrentLottery":"', '"'), rows[-1][1])
        self.assertIn("NextPeriod", members)
        self.assertIn("ServerTime", members)

    def test_plans_decode_and_name_their_author(self):
        authors = self.sim.state()["authors"]
        plans = [plan_of(self.port, number) for number in range(11)]
        for number, plan in enumerate(plans):
            with self.subTest(number=number):
                self.assertEqual(text_between(plan, "【", "】"), authors[number])
                self.assertGreaterEqual(plan.count(authors[number]), 2)
                self.assertGreaterEqual(plan.count("<br />"), 2)
                self.assertNotIn('"', plan)
        self.assertEqual(len(set(plans)), 11)

    def test_unknown_planner_gets_an_empty_plan(self):
        for body in ("id=i11", "id=x", "name=i0"):
            with self.subTest(body=body):
                _, answer = fetch(self.port, "/int.ashx", body=body)
                self.assertTrue(answer.startswith(b'{"values":"","time":"'))

    def test_unknown_path_is_404(self):
        for path in ("/", "/int.ashx"):  # the plan service answers POST only
            with self.subTest(path=path):
                self.assertEqual(fetch(self.port, path)[0], 404)

    def test_advance_moves_page_info_and_plans(self):
        before = self.sim.state()
        plan_before = plan_of(self.port, 0)
        period, draw = self.sim.advance()
        self.assertEqual(period, before["next_period"])
        rows, _ = self.page_rows()
        self.assertEqual(len(rows), 30)
        self.assertEqual(rows[-1], (period, draw))
        self.assertEqual(rows[0], tuple(before["page"][1]))
        self.assertEqual(json.loads(self.info())["CurrentPeriod"], "20" + period)
        self.assertNotEqual(plan_of(self.port, 0), plan_before)

    def test_set_draw_can_make_the_period_go_back(self):
        older = self.sim.state()["page"][-3]
        self.sim.set_draw(older[0], "01234")
        self.assertEqual(json.loads(self.info())["CurrentPeriod"], "20" + older[0])
        self.assertEqual(json.loads(self.info())["CurrentLottery"], "01234")
        self.assertEqual(self.page_rows()[0][-1], (older[0], "01234"))

    def test_fault_modes_on_one_endpoint(self):
        def refused_answer():
            with self.assertRaises((ConnectionError, http.client.HTTPException)):
                fetch(self.port, INFO)

        def status_500():
            self.assertEqual(fetch(self.port, INFO)[0], 500)

        def junk():
            status, body = fetch(self.port, INFO)
            self.assertEqual(status, 200)
            self.assertNotIn(b"CurrentPeriod", body)

        def hang():
            with self.assertRaises(socket.timeout):
                fetch(self.port, INFO, timeout=0.5)

        cases = [("reset", refused_answer), ("refuse", refused_answer), ("garbage", refused_answer),
                 ("status500", status_500), ("junk", junk), ("hang", hang)]
        for mode, check in cases:
            with self.subTest(mode=mode):
                self.assertEqual(self.sim.fail("info", mode)["info"], mode)
                check()
                # The other endpoints answer as usual meanwhile.
                self.assertEqual(len(self.page_rows()[0]), 30)
                self.sim.restore("info")
                self.assertIn("CurrentPeriod", self.info())

    def test_refuse_on_all_closes_the_port_until_restored(self):
        self.sim.fail("all", "refuse")
        with self.assertRaises(ConnectionRefusedError):
            fetch(self.port, TREND)
        self.sim.restore()
        self.assertEqual(len(self.page_rows()[0]), 30)

    def test_hanging_request_answers_nothing_and_ends_when_restored(self):
        self.sim.fail("plan", "hang")
        outcome = {}

        def ask():
            try:
                outcome["answer"] = fetch(self.port, "/int.ashx", body="id=i0", timeout=10)
            except (ConnectionError, http.client.HTTPException) as error:
                outcome["error"] = error

        asker = threading.Thread(target=ask)
        asker.start()
        time.sleep(0.3)
        self.assertTrue(asker.is_alive())
        self.assertEqual(len(self.sim.requests("plan")), 1)  # logged while it hangs
        self.sim.restore("plan")
        asker.join(5)
        self.assertFalse(asker.is_alive())
        self.assertIn("error", outcome)

    def test_log_records_requests_in_order_and_resets(self):
        start = time.time()
        fetch(self.port, TREND)
        fetch(self.port, INFO)
        fetch(self.port, "/int.ashx", body="id=i10")
        entries = self.sim.requests()
        self.assertEqual([(e["method"], e["path"], e["body"], e["endpoint"]) for e in entries], [
            ("GET", TREND, "", "trend"),
            ("GET", INFO, "", "info"),
            ("POST", "/int.ashx", "id=i10", "plan"),
        ])
        times = [e["time"] for e in entries]
        self.assertEqual(times, sorted(times))
        self.assertGreaterEqual(times[0], start - 1)
        content_type = dict(entries[2]["headers"]).get("Content-Type")
        self.assertEqual(content_type, "application/x-www-form-urlencoded")
        self.assertEqual(self.sim.reset_log(), 3)
        self.assertEqual(self.sim.requests(), [])

    def test_control_rejects_bad_requests(self):
        cases = [("POST", "/fail", {"endpoint": "info", "mode": "sleepy"}),
                 ("POST", "/fail", {"endpoint": "nowhere", "mode": "hang"}),
                 ("POST", "/draw", {"period": "261211-001"}),
                 ("GET", "/nothing", None)]
        for method, path, arguments in cases:
            with self.subTest(path=path, arguments=arguments):
                with self.assertRaises(urllib.error.HTTPError) as raised:
                    self.sim.control(method, path, arguments)
                self.assertIn(raised.exception.code, (400, 404))
        self.assertEqual(self.sim.state()["modes"], {"trend": "ok", "info": "ok", "plan": "ok"})


class ProcessTest(unittest.TestCase):
    def test_interval_draws_new_periods(self):
        with SimulatorProcess(interval=0.2, start_period="261211-058") as sim:
            time.sleep(0.9)
            state = sim.state()
        draws = state["history"][30:]
        self.assertTrue(2 <= len(draws) <= 5, draws)
        self.assertEqual([p for p, _ in draws], ["261211-059", "261212-001", "261212-002",
                                                  "261212-003", "261212-004"][:len(draws)])

    def test_sigterm_stops_promptly_while_a_request_hangs(self):
        sim = SimulatorProcess()
        sim.fail("trend", "hang")
        hung = socket.create_connection(("127.0.0.1", sim.port))
        hung.sendall(b"GET " + TREND.encode() + b" HTTP/1.1\r\nHost: x\r\n\r\n")
        time.sleep(0.2)
        started = time.monotonic()
        sim.process.send_signal(signal.SIGTERM)
        self.assertEqual(sim.process.wait(5), 0)
        self.assertLess(time.monotonic() - started, 3)
        hung.close()
        sim.stop()

    def test_port_file_names_the_listening_ports(self):
        with SimulatorProcess() as sim:
            self.assertEqual(sim.pid, sim.process.pid)
            state = sim.state()
            self.assertEqual((state["port"], state["control_port"]), (sim.port, sim.control_port))
            self.assertEqual(fetch(sim.port, TREND)[0], 200)


if __name__ == "__main__":
    unittest.main(verbosity=2)
