#!/usr/bin/env python3
"""Loopback servers for the HTTP routine's tests and benchmark.

  http_test_server.py start DIR   start in the background; writes DIR/net_test_server.ports
  http_test_server.py stop DIR    stop the server named by that file (by its PID)

The ports file holds `origin=`, `proxy=`, `closed=` and `pid=` lines:
- origin: an HTTP server with fixed routes (see ROUTES); /echo answers the
  request exactly as it arrived, so a test can see the header block and body;
- proxy: a recording proxy; a request in absolute form is answered with the
  request head it received (for host auth.invalid only once it carries
  Proxy-Authorization; before that with 407), CONNECT is refused (502) after
  being recorded, and
  GET /_log (origin form) answers every request line recorded so far;
- closed: a port that was free when the server started and has no listener.
"""
import os
import signal
import socket
import socketserver
import subprocess
import sys
import threading
import time
from urllib.parse import parse_qs, urlsplit

PORTS_FILE = "net_test_server.ports"
MAX_HEAD = 1 << 20


def read_request(conn):
    """The raw head (up to and with the blank line) and body of one request."""
    data = b""
    while b"\r\n\r\n" not in data:
        chunk = conn.recv(65536)
        if not chunk or len(data) > MAX_HEAD:
            return None, None
        data += chunk
    head, _, body = data.partition(b"\r\n\r\n")
    head += b"\r\n\r\n"
    length = 0
    for line in head.split(b"\r\n")[1:]:
        name, _, value = line.partition(b":")
        if name.strip().lower() == b"content-length":
            length = int(value.strip() or 0)
    while len(body) < length:
        chunk = conn.recv(65536)
        if not chunk:
            break
        body += chunk
    return head, body


def response(status, body=b"", headers=(), length=None):
    lines = [b"HTTP/1.1 " + status]
    lines += list(headers)
    lines.append(b"Content-Length: %d" % (len(body) if length is None else length))
    lines.append(b"Connection: close")
    return b"\r\n".join(lines) + b"\r\n\r\n" + body


ECHO = object()  # route() answer: echo the request
ENDLESS = object()  # stream a body that never ends
PAGE_TEXT = "中文 第123期 大小"  # in GBK and in Big5 alike


def charset_page(name):
    """A page declaring `name`, its text encoded in that charset."""
    codec = {"x-unknown": "gbk"}.get(name.lower(), name)
    meta = '<meta http-equiv="Content-Type" content="text/html; charset=%s" />' % name
    page = "<html><head>%s</head><body>%s</body></html>" % (meta, PAGE_TEXT)
    return response(b"200 OK", page.encode(codec), [b"Content-Type: text/html"])


def big_body():
    # 5 MiB of bytes 1..250 repeating: no zero, so the text is the whole body.
    pattern = bytes(i % 250 + 1 for i in range(250))
    return pattern * (5 * 1024 * 1024 // 250) + pattern[: 5 * 1024 * 1024 % 250]


def page_40k(head):
    row = '<tr><td class="period">20250101001</td><td class="draw">1,2,3,4,5</td></tr>\n'
    body = "<html><head>%s</head><body><table>\n" % head
    while len(body) < 40 * 1024 - 30:
        body += row
    return (body + "</table></body></html>").encode("ascii")[: 40 * 1024]


GARBAGE = [
    b"HTTP/1.1 200 OK\r\nthis line has no colon\r\n:\r\n: value only\r\n\r\nbody",
    b"HTTP/1.1 200\r\n\r\n",
    b"\x00\xff\xfe\x80 not http at all\r\n\r\n\x00\x01",
    b"HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\nonly ten b",
    b"HTTP/1.1 200 OK\r\nSet-Cookie: " + b"k" * 65536 + b"=v\r\nContent-Length: 2\r\n\r\nok",
    b"HTTP/1.1 200 OK\r\nSet-Cookie:\r\nSet-Cookie: ;\r\nset-cookie: =;=\r\nLocation:\r\nContent-Length: 2\r\n\r\nok",
    response(b"200 OK", b"<meta charset=utf-8>\xff\xfe\xc0\x80\xed\xa0\x80abcdefg"),
    b"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nzz\r\nnot a chunk\r\n",
    b"",
    response(b"200 OK", b"<meta charset=" + b"a" * 2000 + b">\r\n<meta"),
    response(b"200 OK", b"<meta charset=>\xa1\xa1\x81"),
    response(b"200 OK", b"<meta charset=\"utf-16\">" + b"\x00" * 3),
    b"HTTP/1.1 999999999999 \xff\xfe\r\nSet-Cookie: \xa1\xa1\xff=\x81\r\nLOCATION: \xff\r\nContent-Length: 0\r\n\r\n",
]


def route(path, query):
    """The bytes answered for `path`; None: never answer; ECHO: echo the request."""
    if path == "/cookies":
        return response(b"200 OK", b"ok", [b"Set-Cookie: a=1; path=/", b"set-cookie: b=2"])
    if path == "/location":
        return response(b"200 OK", b"ok", [b"Location: /next"])
    if path == "/teapot":
        return response(b"418 I'm a teapot", b"short and stout")
    if path == "/redirect":
        code = query.get("code", ["302"])[0].encode()
        target = query.get("to", ["/echo/landed"])[0].encode()
        return response(code + b" Moved", b"", [b"Location: " + target])
    if path.startswith("/charset/"):
        return charset_page(path[len("/charset/"):])
    if path == "/big":
        return response(b"200 OK", BIG_BODY, [b"Content-Type: application/octet-stream"])
    if path == "/zero":
        return response(b"200 OK", b"abc\x00def")
    if path == "/empty":
        return response(b"204 No Content", b"")
    if path == "/page40k":
        return response(b"200 OK", PAGE_40K, [b"Content-Type: text/html"])
    if path == "/page40k-plain":
        return response(b"200 OK", PAGE_40K_PLAIN, [b"Content-Type: text/html"])
    if path.startswith("/garbage/"):
        index = int(path[len("/garbage/"):])
        return GARBAGE[index] if index < len(GARBAGE) else response(b"404 Not Found")
    if path == "/endless":
        return ENDLESS
    return None if path == "/silent" else ECHO


class OriginHandler(socketserver.BaseRequestHandler):
    def handle(self):
        head, body = read_request(self.request)
        if head is None:
            return
        target = head.split(b" ", 2)[1].decode("latin-1") if head.count(b" ") >= 2 else "/"
        parts = urlsplit(target)
        answer = route(parts.path, parse_qs(parts.query))
        if answer is ECHO:
            # /echo and every unknown path: the request exactly as it arrived.
            status = b"200 OK" if parts.path.startswith("/echo") else b"404 Not Found"
            answer = response(status, head + body, [b"Content-Type: text/plain"])
        if answer is None:
            self.stay_silent()
            return
        if answer is ENDLESS:
            self.stream_endlessly()
            return
        self.request.sendall(answer)

    def stream_endlessly(self):
        """A body with no length and no end: bytes until the client hangs up
        (bounded here at 1 GiB or 60 s, so the server stops by itself)."""
        self.request.sendall(b"HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\nConnection: close\r\n\r\n")
        chunk = b"x" * (1 << 20)
        deadline = time.monotonic() + 60
        try:
            for _ in range(1024):
                if time.monotonic() > deadline:
                    return
                self.request.sendall(chunk)
        except OSError:
            return

    def stay_silent(self):
        """Keeps the connection open without a word until the client gives up."""
        self.request.settimeout(0.2)
        deadline = time.monotonic() + 60
        while time.monotonic() < deadline:
            try:
                if not self.request.recv(4096):
                    return
            except socket.timeout:
                continue
            except OSError:
                return


class ProxyHandler(socketserver.BaseRequestHandler):
    log = []
    lock = threading.Lock()

    def handle(self):
        head, _ = read_request(self.request)
        if head is None:
            return
        request_line = head.split(b"\r\n", 1)[0]
        if request_line.startswith(b"GET /_log "):
            with self.lock:
                listing = b"\n".join(self.log)
            self.request.sendall(response(b"200 OK", listing))
            return
        with self.lock:
            self.log.append(request_line)
        if b"//auth.invalid" in request_line and b"\r\nproxy-authorization:" not in head.lower():
            # This host is behind a proxy that wants basic credentials.
            self.request.sendall(response(b"407 Proxy Authentication Required", b"",
                                          [b'Proxy-Authenticate: Basic realm="plans"']))
        elif request_line.startswith(b"CONNECT "):
            self.request.sendall(response(b"502 Bad Gateway"))
        else:
            self.request.sendall(response(b"200 OK", head, [b"Content-Type: text/plain"]))


class Server(socketserver.ThreadingTCPServer):
    daemon_threads = True
    allow_reuse_address = True


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def serve(directory):
    origin = Server(("127.0.0.1", 0), OriginHandler)
    proxy = Server(("127.0.0.1", 0), ProxyHandler)
    for server in (origin, proxy):
        threading.Thread(target=server.serve_forever, daemon=True).start()
    ports = "origin=%d\nproxy=%d\nclosed=%d\npid=%d\n" % (
        origin.server_address[1], proxy.server_address[1], free_port(), os.getpid())
    path = os.path.join(directory, PORTS_FILE)
    with open(path + ".tmp", "w") as f:
        f.write(ports)
    os.replace(path + ".tmp", path)
    signal.sigwait([signal.SIGTERM, signal.SIGINT])


def read_ports(directory):
    with open(os.path.join(directory, PORTS_FILE)) as f:
        return dict(line.strip().split("=", 1) for line in f if "=" in line)


def start(directory):
    path = os.path.join(directory, PORTS_FILE)
    if os.path.exists(path):
        os.remove(path)
    subprocess.Popen([sys.executable, os.path.abspath(__file__), "serve", directory],
                     stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                     start_new_session=True)
    for _ in range(100):
        if os.path.exists(path):
            print("net test server: %s" % read_ports(directory))
            return 0
        time.sleep(0.1)
    print("net test server did not start", file=sys.stderr)
    return 1


def stop(directory):
    try:
        pid = int(read_ports(directory)["pid"])
    except (OSError, KeyError, ValueError):
        return 0
    try:
        os.kill(pid, signal.SIGTERM)
    except ProcessLookupError:
        pass
    os.remove(os.path.join(directory, PORTS_FILE))
    return 0


BIG_BODY = big_body()
PAGE_40K = page_40k('<meta charset="gb2312" />')  # needs the charset step
PAGE_40K_PLAIN = page_40k("<title>draws</title>")

if __name__ == "__main__":
    if len(sys.argv) != 3 or sys.argv[1] not in ("start", "stop", "serve"):
        sys.exit(__doc__)
    action, directory = sys.argv[1], os.path.abspath(sys.argv[2])
    if action == "serve":
        signal.pthread_sigmask(signal.SIG_BLOCK, [signal.SIGTERM, signal.SIGINT])
        serve(directory)
    else:
        sys.exit(start(directory) if action == "start" else stop(directory))
