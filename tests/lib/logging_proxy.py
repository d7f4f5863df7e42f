#!/usr/bin/env python3
"""A logging HTTP proxy for the end-to-end tests, on 127.0.0.1 only.

The web engine is pointed at it, so every request the program's browser makes
is written to the log, one absolute URL a line, and answered with a small page
without any outside host being reached. Stops by itself after --lifetime seconds.
"""
import argparse
import http.server
import socketserver
import threading

PAGE = """<!doctype html><html><head><meta charset="utf-8"><title>QQ Show</title></head>
<body style="font-family:sans-serif;background:#fff4fa;margin:0">
<div style="background:#e0408f;color:#fff;padding:14px 18px;font-size:20px">QQ秀 · test page</div>
<p style="padding:12px 18px">Requested: <code>{url}</code></p>
<div style="margin:18px;width:220px;height:300px;border-radius:12px;
background:linear-gradient(#ffd1e8,#b9d7ff)"></div></body></html>"""


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--log", required=True)
    parser.add_argument("--port-file", required=True)
    parser.add_argument("--lifetime", type=float, default=300)
    args = parser.parse_args()
    lock = threading.Lock()

    class Handler(http.server.BaseHTTPRequestHandler):
        def do_GET(self):
            with lock, open(args.log, "a", encoding="utf-8") as log:
                log.write(self.path + "\n")
            body = PAGE.format(url=self.path).encode("utf-8")
            self.send_response(200)
            self.send_header("Content-Type", "text/html; charset=utf-8")
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            try:
                self.wfile.write(body)
            except (BrokenPipeError, ConnectionResetError):
                pass  # a newer navigation replaced this one

        def do_CONNECT(self):  # no tunnels to anywhere
            with lock, open(args.log, "a", encoding="utf-8") as log:
                log.write("CONNECT " + self.path + "\n")
            self.send_error(403)

        def log_message(self, *unused):
            pass

    class Server(socketserver.ThreadingMixIn, http.server.HTTPServer):
        daemon_threads = True

    server = Server(("127.0.0.1", 0), Handler)
    with open(args.port_file, "w") as f:
        f.write(str(server.server_address[1]))
    threading.Timer(args.lifetime, server.shutdown).start()
    server.serve_forever()


if __name__ == "__main__":
    main()
