"""Shared pieces of the end-to-end tests: the program under Wine in a run
directory of its own, the UI probe and the service simulator on the port the
test build of the program was made for."""

import os
import shutil
import socket
import subprocess
import sys
import time
import unittest
import urllib.parse
import urllib.request

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
sys.path[:0] = [os.path.join(ROOT, "tools", "uiprobe"), os.path.join(ROOT, "tools", "simulator")]

import probe  # noqa: E402
from sim_client import SimulatorProcess  # noqa: E402

TITLE = "青岚计划软件免费版本 更多免费咨询Q：1234567890"
EXE = os.environ.get("QL_E2E_EXE", "")  # built for the simulator on PORT
RELEASE_EXE = os.environ.get("QL_QINGLAN_EXE", "")  # the program as shipped (services on 8360)
PORT = int(os.environ.get("QL_E2E_PORT", "18361"))
POLL_SECONDS = int(os.environ.get("QL_E2E_POLL_MS", "1500")) / 1000.0
BUILD = os.environ.get("QL_BUILD_DIR", os.path.join(ROOT, "build", "windows-release"))
DRAW_FILE = "开奖数据.txt"
PLANNERS = "青岚 阿月 云帆 北辰 南风 紫烟 寒星 长歌 小雨 流光 远山".split(" ")


class Program:
    """qinglan (test build) copied into a fresh directory and run from there,
    so its draw file is the test's own."""

    def __init__(self, name, draw_file=None, exe=None):
        self.directory = os.path.join(BUILD, "e2e-runs", name)
        shutil.rmtree(self.directory, ignore_errors=True)
        os.makedirs(self.directory)
        self.exe = os.path.join(self.directory, "qinglan.exe")
        shutil.copyfile(exe or EXE, self.exe)
        if draw_file is not None:
            with open(self.draw_path(), "wb") as f:
                f.write(draw_file)
        self.process = None
        self.close_report = ""

    def draw_path(self):
        return os.path.join(self.directory, DRAW_FILE)

    def draw_file(self):
        """The draw file's bytes, or None when there is none."""
        try:
            with open(self.draw_path(), "rb") as f:
                return f.read()
        except FileNotFoundError:
            return None

    def start(self, seconds=60):
        self.started = time.monotonic()
        self.process = probe.launch(self.exe, cwd=self.directory)
        if not probe.wait(TITLE, seconds):
            raise AssertionError("the main window did not appear within %s s" % seconds)
        # The window exists before its controls; it is shown once they all are.
        if not self.tree_until(lambda t: t.window["visible"], seconds):
            raise AssertionError("the main window was not shown within %s s" % seconds)
        return self

    def tree(self):
        return probe.tree(TITLE)

    def tree_until(self, predicate, seconds=15):
        """The first tree for which `predicate` holds (a tree it cannot look into
        yet counts as not holding), else the last one seen."""
        def holds(tree):
            try:
                return predicate(tree)
            except (LookupError, KeyError):
                return False
        return probe.tree_until(TITLE, holds, seconds)

    def close(self, seconds=10):
        """Esc, then the program's exit status (None when it did not end in time).

        Esc is sent again only when the probe could not deliver it;
        `close_report` tells what was seen when the program did not end."""
        deadline = time.monotonic() + seconds
        answers = [probe.key(TITLE, "ESC")]
        while True:
            try:
                return self.process.wait(max(0.1, min(2.0, deadline - time.monotonic())))
            except subprocess.TimeoutExpired:
                pass
            if time.monotonic() >= deadline:
                self.close_report = "Esc answers %s; window %s" % (
                    answers, "gone" if probe.tree(TITLE) is None else "still there")
                return None
            if answers[-1] != probe.DONE:
                answers.append(probe.key(TITLE, "ESC"))

    def kill(self):
        if self.process and self.process.poll() is None:
            self.process.kill()
            self.process.wait()


class ProgramTest(unittest.TestCase):
    """Starts nothing by itself; `program(...)` makes a Program that is killed
    after the test if it is still running."""

    def program(self, draw_file=None, exe=None):
        program = Program(self.id().rsplit(".", 2)[-2] + "." + self._testMethodName, draw_file, exe)
        self.addCleanup(program.kill)
        return program

    def assertClosed(self, program, seconds=10):
        """Esc ends the program with exit status 0 within `seconds`."""
        status = program.close(seconds)
        self.assertEqual(status, 0, program.close_report)

    def simulator(self, **options):
        options.setdefault("seed", "e2e")
        sim = SimulatorProcess(port=PORT, **options)
        self.addCleanup(sim.stop)
        return sim


def port_in_use(port):
    with socket.socket() as probe_socket:
        return probe_socket.connect_ex(("127.0.0.1", port)) == 0


# --- what the window shows ---------------------------------------------------

def plan_box(tree):
    return tree.get(cls="Edit")["text"]


def labels(tree):
    """(period label, draw label) texts."""
    panel = tree.get(cls="Button", text="")  # the panel group box has no caption
    by_top = sorted((n for n in panel["children"]), key=lambda n: n["rect"]["top"])
    return by_top[1]["text"], by_top[0]["text"]


def planner_buttons(tree):
    """The eleven planner buttons, top to bottom (the template excluded)."""
    buttons = [tree.get(cls="Button", text=name) for name in PLANNERS]
    return sorted(buttons, key=lambda n: n["rect"]["top"])


def expected_plan(sim, planner):
    """Planner k's plan as the program must show it: the service's answer for
    id=i(k-1) decoded, "<br />" as line breaks, the author's name replaced by
    the button's caption everywhere."""
    request = urllib.request.Request(sim.base_url + "/int.ashx", data=("id=i%d" % (planner - 1)).encode(),
                                     method="POST")
    with urllib.request.urlopen(request, timeout=10) as answer:
        raw = answer.read()
    decoded = urllib.parse.unquote_to_bytes(raw).decode("utf-8")
    plan = decoded.split('{"values":"', 1)[1].split('","time"', 1)[0].replace("<br />", "\r\n")
    author = plan.split("【", 1)[1].split("】", 1)[0]
    return plan.replace(author, PLANNERS[planner - 1])


def plan_requests(sim):
    """Bodies of the plan requests the program made (the tests' own requests,
    made with another user agent, left out)."""
    return [entry["body"] for entry in sim.requests("plan")
            if any(name.lower() == "user-agent" and "MSIE" in value for name, value in entry["headers"])]
