"""HTTP handler of the control port: JSON requests that steer the simulator
(the API is described in README.md)."""

import http.server
import json
import urllib.parse


class ControlHandler(http.server.BaseHTTPRequestHandler):
    """`self.server.simulator` is the Simulator being steered."""

    protocol_version = "HTTP/1.1"

    def do_GET(self):
        self._dispatch("GET")

    def do_POST(self):
        self._dispatch("POST")

    def log_message(self, format, *args):
        pass

    def _dispatch(self, method):
        path, _, query = self.path.partition("?")
        action = _ACTIONS.get((method, path))
        if action is None:
            self._reply(404, {"error": "no control %s %s" % (method, path)})
            return
        try:
            self._reply(200, action(self.server.simulator, self._arguments(query)))
        except (ValueError, KeyError) as error:
            self._reply(400, {"error": str(error)})

    def _arguments(self, query):
        """Arguments from the query string and a JSON object body, the body winning."""
        arguments = {k: v[-1] for k, v in urllib.parse.parse_qs(query).items()}
        length = int(self.headers.get("Content-Length") or 0)
        if length > 0:
            body = json.loads(self.rfile.read(length) or b"{}")
            if not isinstance(body, dict):
                raise ValueError("the body must be a JSON object")
            arguments.update(body)
        return arguments

    def _reply(self, status, document):
        payload = json.dumps(document, ensure_ascii=False).encode("utf-8")
        self.send_response(status)
        self.send_header("Content-Type", "application/json; charset=utf-8")
        self.send_header("Content-Length", str(len(payload)))
        self.send_header("Connection", "close")
        self.end_headers()
        self.wfile.write(payload)
        self.close_connection = True


def _required(arguments, name):
    if name not in arguments:
        raise ValueError("missing argument %r" % name)
    return str(arguments[name])


def _state(sim, _):
    return sim.state()


def _advance(sim, arguments):
    draws = [sim.history.advance() for _ in range(int(arguments.get("count", 1)))]
    return {"draws": [list(d) for d in draws], "latest": list(draws[-1])}


def _set_draw(sim, arguments):
    latest = sim.history.append(_required(arguments, "period"), _required(arguments, "draw"))
    return {"latest": list(latest)}


def _fail(sim, arguments):
    endpoints = sim.set_mode(arguments.get("endpoint", "all"), _required(arguments, "mode"))
    return {"modes": sim.faults.modes(), "changed": list(endpoints)}


def _restore(sim, arguments):
    endpoints = sim.set_mode(arguments.get("endpoint", "all"), "ok")
    return {"modes": sim.faults.modes(), "changed": list(endpoints)}


def _log(sim, _):
    return {"requests": sim.log.entries()}


def _reset_log(sim, _):
    return {"removed": sim.log.reset()}


_ACTIONS = {
    ("GET", "/state"): _state,
    ("POST", "/advance"): _advance,
    ("POST", "/draw"): _set_draw,
    ("POST", "/fail"): _fail,
    ("POST", "/restore"): _restore,
    ("GET", "/log"): _log,
    ("POST", "/log/reset"): _reset_log,
}
