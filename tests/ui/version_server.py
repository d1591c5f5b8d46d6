"""A version-check script stand-in for the update-check tests.

Binds 127.0.0.1 on a free port and prints the port; with a certificate and key as the
second and third arguments it speaks HTTPS. A POST to /<name> answers with the
bytes of the file <name> in the folder given as the first argument, written in pieces of
at most 1,000 bytes; the last request (request line, headers, body) is saved as
'last_request' in that folder.
"""
import http.server
import os
import sys
import time

ROOT = sys.argv[1]


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.0"

    def do_POST(self):
        length = int(self.headers.get("Content-Length", "0"))
        body = self.rfile.read(length)
        with open(os.path.join(ROOT, "last_request"), "wb") as f:
            head = self.requestline + "\r\n"
            head += "".join(f"{k}: {v}\r\n" for k, v in self.headers.items())
            f.write(head.encode() + b"\r\n" + body)
        name = os.path.basename(self.path)
        with open(os.path.join(ROOT, name), "rb") as f:
            data = f.read()
        self.send_response(200)
        self.send_header("Content-Type", "text/html")
        self.end_headers()
        self.wfile.flush()
        for i in range(0, len(data), 1000):
            self.wfile.write(data[i:i + 1000])
            self.wfile.flush()
            time.sleep(0.005)

    def log_message(self, *args):
        pass


server = http.server.HTTPServer(("127.0.0.1", 0), Handler)
if len(sys.argv) > 3:
    import ssl
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(sys.argv[2], sys.argv[3])
    server.socket = context.wrap_socket(server.socket, server_side=True)
print(server.server_address[1], flush=True)
server.serve_forever()
