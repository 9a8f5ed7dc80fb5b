"""Starts the simulator for a test and steers it through its control port.

    with SimulatorProcess(port=0, seed="t") as sim:
        sim.advance()
        sim.fail("plan", "hang")
        sim.requests("plan")
"""

import json
import os
import signal
import subprocess
import sys
import tempfile
import time
import urllib.request

SIMULATOR = os.path.join(os.path.dirname(os.path.abspath(__file__)), "simulator.py")


class SimulatorProcess:
    """The simulator as a child process; stopped with SIGTERM by its PID."""

    def __init__(self, port=0, interval=0, seed="test", start_period=None, decoys=True,
                 start_timeout=10):
        self._directory = tempfile.TemporaryDirectory(prefix="qlsim-")
        port_file = os.path.join(self._directory.name, "ports.json")
        command = [sys.executable, SIMULATOR, "--port", str(port), "--port-file", port_file,
                   "--interval", str(interval), "--seed", seed]
        if start_period:
            command += ["--start-period", start_period]
        if not decoys:
            command.append("--no-decoys")
        self.process = subprocess.Popen(command, stdout=subprocess.DEVNULL)
        ports = _wait_for_file(port_file, self.process, start_timeout)
        self.port, self.control_port, self.pid = ports["port"], ports["control_port"], ports["pid"]

    @property
    def base_url(self):
        return "http://127.0.0.1:%d" % self.port

    def control(self, method, path, arguments=None):
        """One control request; returns the decoded JSON answer."""
        data = json.dumps(arguments).encode("utf-8") if arguments is not None else None
        request = urllib.request.Request("http://127.0.0.1:%d%s" % (self.control_port, path),
                                         data=data, method=method,
                                         headers={"Content-Type": "application/json"})
        with urllib.request.urlopen(request, timeout=10) as answer:
            return json.loads(answer.read().decode("utf-8"))

    def state(self):
        return self.control("GET", "/state")

    def advance(self, count=1):
        return self.control("POST", "/advance", {"count": count})["latest"]

    def set_draw(self, period, draw):
        return self.control("POST", "/draw", {"period": period, "draw": draw})["latest"]

    def fail(self, endpoint, mode):
        return self.control("POST", "/fail", {"endpoint": endpoint, "mode": mode})["modes"]

    def restore(self, endpoint="all"):
        return self.control("POST", "/restore", {"endpoint": endpoint})["modes"]

    def requests(self, endpoint=None):
        """Logged requests, all or those of one endpoint ("trend", "info", "plan")."""
        entries = self.control("GET", "/log")["requests"]
        return [e for e in entries if endpoint is None or e["endpoint"] == endpoint]

    def reset_log(self):
        return self.control("POST", "/log/reset")["removed"]

    def stop(self, timeout=10):
        """SIGTERM, then the exit status (killed after `timeout` seconds)."""
        if self.process.poll() is None:
            self.process.send_signal(signal.SIGTERM)
            try:
                self.process.wait(timeout)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        self._directory.cleanup()
        return self.process.returncode

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self.stop()


def _wait_for_file(path, process, timeout):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if os.path.exists(path):
            with open(path) as source:
                return json.load(source)
        if process.poll() is not None:
            raise RuntimeError("simulator exited with status %d" % process.returncode)
        time.sleep(0.05)
    process.kill()
    raise RuntimeError("simulator did not start within %s s" % timeout)
