#!/usr/bin/env python3
"""Local HTTP server that plays the version and download servers for the update tests.

Loopback only and bounded in time: it ends by itself after --lifetime seconds.

  update_server.py serve --port P [--lifetime S]             in the foreground
  update_server.py start --port P --pid-file F [--log F]     in the background; returns once it listens
  update_server.py stop --pid-file F                          stops the one started by start

A test says what to answer with POST /__control and a JSON body {"routes": [route, ...]}, which
replaces every earlier route and forgets the requests seen so far. A route:

  path       the request path to answer; a path with a query matches exactly, one without
             matches any query
  status     status code (200)
  body_hex   the body as hex digits ("")
  size       instead of body_hex: this many bytes of a fixed pattern
  length     "auto" (the body's length), "absent" (no Content-Length, the body ends with the
             connection) or a number announced whatever the body is
  cut_after  close the connection after this many body bytes
  location   Location header (for redirects)
  delay      seconds to wait before answering

GET /__requests gives the requests seen since the last control request: path and headers.
"""
import argparse
import http.server
import json
import os
import signal
import socket
import sys
import threading
import time

PATTERN = bytes(range(256)) * 4096  # 1 MiB


class State:
    lock = threading.Lock()
    routes = []
    requests = []


def find_route(target):
    bare = target.split("?", 1)[0]
    with State.lock:
        for route in State.routes:
            if route.get("path") == target:
                return route
        for route in State.routes:
            path = route.get("path", "")
            if "?" not in path and path == bare:
                return route
    return None


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.0"
    server_version = "UpdateTestServer"

    def log_message(self, format, *args):
        pass

    def do_POST(self):
        length = int(self.headers.get("Content-Length") or 0)
        data = self.rfile.read(length)
        if self.path != "/__control":
            self.send_plain(404, b"no such control")
            return
        try:
            routes = json.loads(data.decode("utf-8"))["routes"]
        except (ValueError, KeyError) as error:
            self.send_plain(400, str(error).encode())
            return
        with State.lock:
            State.routes = routes
            State.requests = []
        self.send_plain(200, b"ok")

    def do_GET(self):
        if self.path == "/__requests":
            with State.lock:
                body = json.dumps(State.requests).encode()
            self.send_plain(200, body)
            return
        with State.lock:
            State.requests.append({"path": self.path, "headers": dict(self.headers.items())})
        route = find_route(self.path)
        if route is None:
            self.send_plain(404, b"no route")
            return
        self.answer(route)

    def send_plain(self, status, body):
        self.send_response(status)
        self.send_header("Content-Type", "text/plain")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def answer(self, route):
        time.sleep(float(route.get("delay", 0)))
        if "size" in route:
            size = int(route["size"])
            body = None
        else:
            body = bytes.fromhex(route.get("body_hex", ""))
            size = len(body)
        length = route.get("length", "auto")
        cut = route.get("cut_after")
        to_send = size if cut is None else min(size, int(cut))

        self.send_response(int(route.get("status", 200)))
        self.send_header("Content-Type", "application/octet-stream")
        self.send_header("Cache-Control", "no-store")
        if length == "auto":
            self.send_header("Content-Length", str(size))
        elif length != "absent":
            self.send_header("Content-Length", str(length))
        if "location" in route:
            self.send_header("Location", route["location"])
        self.end_headers()
        try:
            if body is not None:
                self.wfile.write(body[:to_send])
            else:
                sent = 0
                while sent < to_send:
                    piece = PATTERN[: min(len(PATTERN), to_send - sent)]
                    self.wfile.write(piece)
                    sent += len(piece)
            self.wfile.flush()
        except (BrokenPipeError, ConnectionResetError):
            pass
        self.close_connection = True


class Server(http.server.ThreadingHTTPServer):
    daemon_threads = True
    allow_reuse_address = True


def serve(port):
    """Starts answering on a thread of its own; the caller decides how long the process lives."""
    server = Server(("127.0.0.1", port), Handler)
    signal.signal(signal.SIGTERM, lambda *_: os._exit(0))
    threading.Thread(target=server.serve_forever, daemon=True).start()


def wait_listening(port, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            with socket.create_connection(("127.0.0.1", port), timeout=0.5):
                return True
        except OSError:
            time.sleep(0.05)
    return False


def is_our_server(pid):
    try:
        with open(f"/proc/{pid}/cmdline", "rb") as f:
            return b"update_server.py" in f.read()
    except OSError:
        return False


def stop(pid_file):
    try:
        with open(pid_file) as f:
            pid = int(f.read().strip())
    except (OSError, ValueError):
        return 0
    if is_our_server(pid):
        os.kill(pid, signal.SIGTERM)
        deadline = time.monotonic() + 5
        while is_our_server(pid) and time.monotonic() < deadline:
            time.sleep(0.05)
        if is_our_server(pid):
            os.kill(pid, signal.SIGKILL)
    os.remove(pid_file)
    return 0


def start(port, pid_file, log, lifetime):
    stop(pid_file)  # one left from an interrupted run
    child = os.fork()
    if child == 0:
        os.setsid()
        out = os.open(log or os.devnull, os.O_WRONLY | os.O_CREAT | os.O_TRUNC, 0o644)
        null = os.open(os.devnull, os.O_RDONLY)
        os.dup2(null, 0)
        os.dup2(out, 1)
        os.dup2(out, 2)
        try:
            serve(port)
        except OSError as error:
            print(f"cannot listen on 127.0.0.1:{port}: {error}", flush=True)
            os._exit(1)
        time.sleep(lifetime)
        os._exit(0)
    with open(pid_file, "w") as f:
        f.write(str(child))
    if wait_listening(port, 10):
        return 0
    stop(pid_file)
    print(f"update server did not start on 127.0.0.1:{port}", file=sys.stderr)
    return 1


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("command", choices=["serve", "start", "stop"])
    parser.add_argument("--port", type=int)
    parser.add_argument("--pid-file")
    parser.add_argument("--log")
    parser.add_argument("--lifetime", type=float, default=900)
    args = parser.parse_args()
    if args.command == "serve":
        serve(args.port)
        time.sleep(args.lifetime)
        return 0
    if args.command == "start":
        return start(args.port, args.pid_file, args.log, args.lifetime)
    return stop(args.pid_file)


if __name__ == "__main__":
    sys.exit(main())
