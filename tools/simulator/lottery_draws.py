"""Periods and draws of the simulated Chongqing time-time lottery.

A period is written the way the trend page writes it, "YYMMDD-NNN": the
date without the century and the draw's number in that day (59 draws a
day). The lottery-information service puts "20" in front of it.
"""

import datetime
import random
import re
import threading

DRAWS_PER_DAY = 59
PAGE_SIZE = 30
_PERIOD = re.compile(r"^(\d{6})-(\d{3})$")


def parse_period(period):
    """Returns (date, sequence) of a "YYMMDD-NNN" period, or None."""
    match = _PERIOD.match(period)
    if not match:
        return None
    try:
        day = datetime.datetime.strptime(match.group(1), "%y%m%d").date()
    except ValueError:
        return None
    sequence = int(match.group(2))
    if not 1 <= sequence <= DRAWS_PER_DAY:
        return None
    return day, sequence


def format_period(day, sequence):
    return "%s-%03d" % (day.strftime("%y%m%d"), sequence)


def next_period(period):
    """The period after `period`; a text that is no period gets "-001" of today."""
    parsed = parse_period(period)
    if parsed is None:
        return format_period(datetime.date.today(), 1)
    day, sequence = parsed
    if sequence == DRAWS_PER_DAY:
        return format_period(day + datetime.timedelta(days=1), 1)
    return format_period(day, sequence + 1)


def previous_period(period):
    day, sequence = parse_period(period)
    if sequence == 1:
        return format_period(day - datetime.timedelta(days=1), DRAWS_PER_DAY)
    return format_period(day, sequence - 1)


def draw_for(seed, period):
    """The five digits drawn in `period`; the same seed always gives the same draw."""
    rng = random.Random("%s:%s" % (seed, period))
    return "".join(str(rng.randrange(10)) for _ in range(5))


def default_start_period():
    """The period drawn most recently before now (one draw every 20 minutes from 00:10)."""
    now = datetime.datetime.now()
    minutes = now.hour * 60 + now.minute - 10
    sequence = max(1, min(DRAWS_PER_DAY, minutes // 20 + 1))
    return format_period(now.date(), sequence)


class DrawHistory:
    """Every draw so far, oldest first; thread-safe."""

    def __init__(self, seed, latest_period):
        if parse_period(latest_period) is None:
            raise ValueError("period %r is not of the form YYMMDD-NNN" % latest_period)
        self._seed = seed
        self._lock = threading.Lock()
        periods = [latest_period]
        while len(periods) < PAGE_SIZE:
            periods.append(previous_period(periods[-1]))
        self._draws = [(p, draw_for(seed, p)) for p in reversed(periods)]

    def latest(self):
        with self._lock:
            return self._draws[-1]

    def recent(self, count=PAGE_SIZE):
        with self._lock:
            return list(self._draws[-count:])

    def all(self):
        with self._lock:
            return list(self._draws)

    def advance(self):
        """Draws the next period and returns (period, draw)."""
        with self._lock:
            period = next_period(self._draws[-1][0])
            entry = (period, draw_for(self._seed, period))
            self._draws.append(entry)
            return entry

    def append(self, period, draw):
        """Makes (period, draw) the latest draw, whatever it is (a period may go back)."""
        with self._lock:
            self._draws.append((period, draw))
            return self._draws[-1]
