#!/usr/bin/env python3
"""Loopback simulator of the lottery trend page, the lottery-information
service and the plan service, steered through a second (control) port.
See README.md beside this file."""

import argparse
import http.server
import json
import os
import signal
import sys
import threading
import urllib.parse

import lottery_draws
import service_pages
from control_handler import ControlHandler
from service_handler import ServiceHandler
from sim_state import Faults, RequestLog

HOST = "127.0.0.1"


class _Server(http.server.ThreadingHTTPServer):
    daemon_threads = True  # a hanging request must not hold up shutdown
    allow_reuse_address = True


class ServicePort:
    """The services' listening socket; closed while the service refuses connections."""

    def __init__(self, simulator, port):
        self._simulator = simulator
        self.port = port
        self._server = None
        self._lock = threading.Lock()

    def set_open(self, wanted):
        with self._lock:
            if wanted and self._server is None:
                self._server = _serve(ServiceHandler, self.port, self._simulator)
                self.port = self._server.server_address[1]
            elif not wanted and self._server is not None:
                _close(self._server)
                self._server = None


def _serve(handler, port, simulator):
    server = _Server((HOST, port), handler)
    server.simulator = simulator
    threading.Thread(target=server.serve_forever, args=(0.05,), name=handler.__name__,
                     daemon=True).start()
    return server


def _close(server):
    server.shutdown()
    server.server_close()


class Simulator:
    def __init__(self, seed, start_period, decoys):
        self.seed = seed
        self.decoys = decoys
        self.history = lottery_draws.DrawHistory(seed, start_period)
        self.faults = Faults()
        self.log = RequestLog()
        self._stopped = threading.Event()
        self._service = None
        self._control = None

    def start(self, port, control_port, interval):
        self._service = ServicePort(self, port)
        self._service.set_open(True)
        self._control = _serve(ControlHandler, control_port, self)
        if interval > 0:
            threading.Thread(target=self._tick, args=(interval,), name="ticker", daemon=True).start()

    @property
    def port(self):
        return self._service.port

    @property
    def control_port(self):
        return self._control.server_address[1]

    def stop(self):
        self._stopped.set()
        self.faults.stop()
        self._service.set_open(False)
        _close(self._control)

    def wait(self):
        while not self._stopped.wait(0.5):  # short waits keep signals prompt
            pass

    def request_stop(self):
        """Safe from a signal handler: `wait` returns and the caller stops."""
        self._stopped.set()

    def _tick(self, interval):
        while not self._stopped.wait(interval):
            self.history.advance()

    def set_mode(self, endpoint, mode):
        changed = self.faults.set(endpoint, mode)
        self._service.set_open(not self.faults.service_refused())
        return changed

    def plan_for(self, body):
        """The plan asked for by the form body "id=iN", or "" for an unknown id."""
        form = urllib.parse.parse_qs(body.decode("latin-1"))
        wanted = form.get("id", [""])[0]
        numbers = {"i%d" % n: n for n in range(len(service_pages.AUTHORS))}
        if wanted not in numbers:
            return ""
        number = numbers[wanted]
        return service_pages.plan_text(service_pages.AUTHORS[number], number,
                                       self.history.recent(), self.seed)

    def state(self):
        latest_period, latest_draw = self.history.latest()
        page = self.history.recent()
        return {
            "port": self.port,
            "control_port": self.control_port,
            "pid": os.getpid(),
            "period": latest_period,
            "draw": latest_draw,
            "next_period": lottery_draws.next_period(latest_period),
            "page": [list(d) for d in page],
            "history": [list(d) for d in self.history.all()],
            "modes": self.faults.modes(),
            "authors": list(service_pages.AUTHORS),
            "decoys": self.decoys,
            "upper_case_period": page[service_pages.UPPER_CASE_ROW][0] if self.decoys else None,
            "decoy_period": service_pages.decoy_period(latest_period) if self.decoys else None,
        }


def _write_port_file(path, simulator):
    document = {"port": simulator.port, "control_port": simulator.control_port, "pid": os.getpid()}
    temporary = path + ".tmp"
    with open(temporary, "w") as out:
        json.dump(document, out)
    os.replace(temporary, path)  # readers never see a half-written file


def _options(argv):
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--port", type=int, default=8360, help="service port (0: a free one)")
    parser.add_argument("--control-port", type=int, default=0, help="control port (0: a free one)")
    parser.add_argument("--port-file", help="write {port, control_port, pid} as JSON here once listening")
    parser.add_argument("--interval", type=float, default=0, help="seconds between new draws (0: never)")
    parser.add_argument("--seed", default="qinglan", help="seed of the draws and plans")
    parser.add_argument("--start-period", default=None,
                        help="latest period at start, YYMMDD-NNN (default: the one drawn last before now)")
    parser.add_argument("--no-decoys", action="store_true",
                        help="no decoy element and no upper-case row in the trend page")
    return parser.parse_args(argv)


def main(argv=None):
    options = _options(argv)
    start_period = options.start_period or lottery_draws.default_start_period()
    simulator = Simulator(options.seed, start_period, not options.no_decoys)
    simulator.start(options.port, options.control_port, options.interval)
    for signum in (signal.SIGTERM, signal.SIGINT):
        signal.signal(signum, lambda *_: simulator.request_stop())
    if options.port_file:
        _write_port_file(options.port_file, simulator)
    print("simulator: services on http://%s:%d, control on http://%s:%d, pid %d"
          % (HOST, simulator.port, HOST, simulator.control_port, os.getpid()), flush=True)
    simulator.wait()
    simulator.stop()
    return 0


if __name__ == "__main__":
    sys.exit(main())
