"""What the control port changes and the services read: fault modes and the request log."""

import threading
import time

ENDPOINTS = ("trend", "info", "plan")
# ok: answer normally; reset: drop the connection without an answer;
# status500: answer "500 Internal Server Error"; hang: read the request and
# answer nothing until the mode changes; garbage: bytes that are no HTTP
# answer; junk: "200 OK" with a body of random bytes. refuse is a state of
# the whole service port (see Faults.set): its listening socket is closed.
MODES = ("ok", "refuse", "reset", "status500", "hang", "garbage", "junk")


class Faults:
    """The fault mode of each endpoint; `hang` waits here until it is lifted."""

    def __init__(self):
        self._changed = threading.Condition()
        self._modes = dict.fromkeys(ENDPOINTS, "ok")
        self._stopping = False

    def set(self, endpoint, mode):
        """Sets `mode` on one endpoint or on "all"; returns the endpoints changed."""
        if mode not in MODES:
            raise ValueError("unknown mode %r (one of %s)" % (mode, ", ".join(MODES)))
        targets = ENDPOINTS if endpoint == "all" else (endpoint,)
        if any(t not in ENDPOINTS for t in targets):
            raise ValueError("unknown endpoint %r (one of all, %s)" % (endpoint, ", ".join(ENDPOINTS)))
        with self._changed:
            for target in targets:
                self._modes[target] = mode
            self._changed.notify_all()
        return targets

    def mode(self, endpoint):
        with self._changed:
            return self._modes[endpoint]

    def modes(self):
        with self._changed:
            return dict(self._modes)

    def service_refused(self):
        """The port is closed while every endpoint is in mode refuse."""
        with self._changed:
            return all(m == "refuse" for m in self._modes.values())

    def wait_while_hanging(self, endpoint):
        with self._changed:
            self._changed.wait_for(lambda: self._stopping or self._modes[endpoint] != "hang")

    def stop(self):
        """Releases every hanging request (at shutdown)."""
        with self._changed:
            self._stopping = True
            self._changed.notify_all()


class RequestLog:
    """Requests the services received, in order of arrival."""

    def __init__(self):
        self._lock = threading.Lock()
        self._entries = []

    def add(self, method, path, headers, body, endpoint, mode):
        entry = {
            "time": time.time(),
            "method": method,
            "path": path,
            "headers": headers,
            "body": body,
            "endpoint": endpoint,
            "mode": mode,
        }
        with self._lock:
            self._entries.append(entry)

    def entries(self):
        with self._lock:
            return list(self._entries)

    def reset(self):
        with self._lock:
            count = len(self._entries)
            self._entries.clear()
            return count
