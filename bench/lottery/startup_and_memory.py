#!/usr/bin/python3
"""Measures the test build of qinglan against the service simulator:

  1. start-up: from process start to the history list holding its 30 rows,
     median of N runs (the moment comes from the simulator's request log: the
     list is filled before the first plan is asked for, and the probe checks
     the 30 rows afterwards);
  2. memory: the process's resident and private memory over many polls with
     a short interval, once with no new draw (the poller's steady state) and
     once with a new draw at every poll (rows are added, as they should be).

Run from the repository root after building (see bench/lottery/README.md)."""

import argparse
import os
import statistics
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "e2e"))
import harness  # noqa: E402
from harness import POLL_SECONDS, Program, SimulatorProcess, plan_requests, probe  # noqa: E402


def memory_kib(pid):
    """(resident, private) KiB of a Linux process, from /proc."""
    fields = {}
    with open("/proc/%d/status" % pid) as status:
        for line in status:
            name, _, value = line.partition(":")
            fields[name] = value.strip()
    kib = lambda name: int(fields.get(name, "0 kB").split()[0])  # noqa: E731
    return kib("VmRSS"), kib("RssAnon")


def start_up(runs):
    times = []
    for run in range(runs):
        with SimulatorProcess(port=harness.PORT, seed="bench") as sim:
            program = Program("bench.start_up.%d" % run)
            launched = time.time()
            program.start()
            deadline = time.monotonic() + 30
            while not plan_requests(sim) and time.monotonic() < deadline:
                time.sleep(0.05)
            first_plan = [e for e in sim.requests("plan")][0]["time"]
            tree = program.tree_until(lambda t: len(t.list_rows()) == 30)
            assert len(tree.list_rows()) == 30, "the list did not fill"
            times.append(first_plan - launched)
            program.close()
            program.kill()
    return times


def memory(polls, new_draws):
    interval = POLL_SECONDS if new_draws else 0
    with SimulatorProcess(port=harness.PORT, seed="bench", interval=interval) as sim:
        program = Program("bench.memory.%s" % ("draws" if new_draws else "steady")).start()
        program.tree_until(lambda t: len(t.list_rows()) >= 30)
        samples = []
        began = time.monotonic()
        for poll in range(polls):
            time.sleep(POLL_SECONDS)
            if poll % max(1, polls // 10) == 0:
                samples.append((poll, *memory_kib(program.process.pid)))
        samples.append((polls, *memory_kib(program.process.pid)))
        rows = len(program.tree().list_rows())
        program.close()
        program.kill()
        return samples, rows, time.monotonic() - began


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--polls", type=int, default=72, help="72 polls = one hour at the real 50 s interval")
    options = parser.parse_args()

    times = start_up(options.runs)
    print("start-up to 30 rows: median %.3f s (runs: %s)" % (statistics.median(times),
                                                             ", ".join("%.3f" % t for t in times)))
    for new_draws in (False, True):
        samples, rows, seconds = memory(options.polls, new_draws)
        print("memory over %d polls (%s), %.0f s, %d rows at the end:" %
              (options.polls, "a new draw each poll" if new_draws else "no new draw", seconds, rows))
        for poll, resident, private in samples:
            print("  after %3d polls: resident %6d KiB, private %6d KiB" % (poll, resident, private))


if __name__ == "__main__":
    main()
