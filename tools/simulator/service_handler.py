"""HTTP handler of the service port: the trend page, the lottery information
and the plan service, each answering in its fault mode."""

import http.server
import random
import socket
import struct
import urllib.parse

import service_pages

_ROUTES = {
    ("GET", "/cqssc/jiben-5xing.html"): "trend",
    ("GET", "/api/lotteryinfo/cqssc"): "info",
    ("POST", "/int.ashx"): "plan",
}


class ServiceHandler(http.server.BaseHTTPRequestHandler):
    """`self.server.simulator` holds the history, faults, log and options."""

    protocol_version = "HTTP/1.1"
    server_version = "LotteryServer/1.0"
    sys_version = ""

    def do_GET(self):
        self._serve("GET")

    def do_POST(self):
        self._serve("POST")

    def log_message(self, format, *args):
        pass  # the request log of the control port replaces the console log

    def _serve(self, method):
        sim = self.server.simulator
        path, _, query = self.path.partition("?")
        body = self._read_body()
        endpoint = _ROUTES.get((method, path))
        mode = sim.faults.mode(endpoint) if endpoint else "ok"
        sim.log.add(method, self.path, [[k, v] for k, v in self.headers.items()],
                    body.decode("utf-8", "replace"), endpoint, mode)
        self.close_connection = True
        if endpoint is None:
            self._answer(404, "text/html", b"<html><body><h1>404 Not Found</h1></body></html>")
        elif mode == "ok":
            self._answer_normally(sim, endpoint, query, body)
        else:
            self._misbehave(sim, endpoint, mode)

    def _read_body(self):
        length = int(self.headers.get("Content-Length") or 0)
        return self.rfile.read(length) if length > 0 else b""

    def _answer_normally(self, sim, endpoint, query, body):
        if endpoint == "trend":
            count = _period_number(query)
            page = service_pages.trend_page(sim.history.recent(count), sim.decoys)
            self._answer(200, "text/html", page)
        elif endpoint == "info":
            self._answer(200, "application/json; charset=utf-8",
                         service_pages.lottery_info(sim.history.latest()))
        else:
            self._answer(200, "text/plain; charset=utf-8", service_pages.plan_answer(sim.plan_for(body)))

    def _misbehave(self, sim, endpoint, mode):
        if mode == "hang":
            sim.faults.wait_while_hanging(endpoint)
            self._drop()
        elif mode == "status500":
            self._answer(500, "text/html", b"<html><body><h1>500 Internal Server Error</h1></body></html>")
        elif mode == "garbage":
            self.wfile.write(_noise(sim.seed, 700))
        elif mode == "junk":
            self._answer(200, "text/html", _noise(sim.seed, 2048))
        else:  # reset, and refuse of a single endpoint
            self._drop()

    def _answer(self, status, content_type, payload):
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(payload)))
        self.send_header("Cache-Control", "private")
        self.send_header("Connection", "close")
        self.end_headers()
        self.wfile.write(payload)

    def _drop(self):
        """Closes the connection with a reset, sending nothing."""
        try:
            self.connection.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
            self.connection.close()
        except OSError:
            pass


def _period_number(query):
    values = urllib.parse.parse_qs(query).get("periodNumber", ["30"])
    try:
        return max(1, int(values[0]))
    except ValueError:
        return 30


def _noise(seed, size):
    """Random bytes that never start like an HTTP status line."""
    rng = random.Random("%s:noise:%d" % (seed, size))
    return b"\x8f\xfe" + bytes(rng.randrange(256) for _ in range(size - 2))
