"""An OAuth2 authorization server for tests, on 127.0.0.1 at a free port.

  oauth_server.py OUTDIR [--expires SECONDS] [--deny] [--client-id ID]
                        [--account ADDRESS] [--account-claim email|preferred_username]

Prints "READY <port>" once it accepts connections; stops when its standard input closes. A
line "expire" on standard input makes every access token issued so far expire at once (their
holders still believe them good), answered with "EXPIRED".

GET /authorize answers at once (no login page) with a redirect to the loopback redirect_uri
carrying a code and the state, or error=access_denied with --deny. It insists on the client
ID, response_type=code, a loopback redirect_uri and a PKCE challenge with method S256.
POST /token takes grant_type=authorization_code (checks the code, its redirect_uri and the
PKCE verifier against the challenge) and grant_type=refresh_token, and issues access tokens
that expire after --expires seconds, each with a refresh token. When the authorization request
asked for the "openid" scope, the code's tokens come with an id_token (a JWT with a signature
nobody can check) whose payload names --account in --account-claim.

OUTDIR/tokens.json holds every access token issued with its expiry (seconds since 1970), for
the SMTP server's XOAUTH2 check; OUTDIR/grants has one line per token issued, naming the grant.
"""

import argparse
import base64
import hashlib
import json
import os
import secrets
import sys
import threading
import time
import urllib.parse
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer


class State:
    def __init__(self, args):
        self.args = args
        self.lock = threading.Lock()
        self.codes = {}     # code -> (challenge, redirect_uri, scopes)
        self.refresh = set()
        self.access = {}    # token -> expiry

    def save(self):
        path = os.path.join(self.args.outdir, "tokens.json")
        with open(path + ".tmp", "w") as f:
            json.dump(self.access, f)
        os.replace(path + ".tmp", path)

    def expire_all(self):
        with self.lock:
            for token in self.access:
                self.access[token] = 0
            self.save()

    def id_token(self):
        def part(value):
            data = json.dumps(value).encode()
            return base64.urlsafe_b64encode(data).rstrip(b"=").decode()
        claims = {"iss": "http://127.0.0.1", "aud": self.args.client_id, "sub": "user-1",
                  "iat": int(time.time()), "exp": int(time.time()) + 3600,
                  self.args.account_claim: self.args.account}
        return part({"alg": "RS256", "kid": "test"}) + "." + part(claims) + ".bm90LWNoZWNrZWQ"

    def issue(self, grant, openid=False):
        access = "at-" + secrets.token_urlsafe(16)
        refresh = "rt-" + secrets.token_urlsafe(16)
        with self.lock:
            self.access[access] = time.time() + self.args.expires
            self.refresh.add(refresh)
            self.save()
            with open(os.path.join(self.args.outdir, "grants"), "a") as f:
                f.write(grant + "\n")
        reply = {"access_token": access, "token_type": "Bearer",
                 "expires_in": self.args.expires, "refresh_token": refresh,
                 "scope": "smtp"}
        if openid:
            reply["id_token"] = self.id_token()
        return reply


def challenge_of(verifier):
    digest = hashlib.sha256(verifier.encode()).digest()
    return base64.urlsafe_b64encode(digest).rstrip(b"=").decode()


def make_handler(state):
    class Handler(BaseHTTPRequestHandler):
        def log_message(self, *args):
            pass

        def reply(self, code, body, headers=()):
            data = json.dumps(body).encode() if body is not None else b""
            self.send_response(code)
            for k, v in headers:
                self.send_header(k, v)
            if body is not None:
                self.send_header("Content-Type", "application/json")
            self.send_header("Content-Length", str(len(data)))
            self.end_headers()
            self.wfile.write(data)

        def do_GET(self):
            url = urllib.parse.urlsplit(self.path)
            q = dict(urllib.parse.parse_qsl(url.query))
            if url.path != "/authorize":
                return self.reply(404, {"error": "not_found"})
            redirect = q.get("redirect_uri", "")
            loopback = redirect.startswith(("http://127.0.0.1:", "http://localhost:"))
            if (q.get("client_id") != state.args.client_id or q.get("response_type") != "code"
                    or not loopback or q.get("code_challenge_method") != "S256"
                    or not q.get("code_challenge")):
                return self.reply(400, {"error": "invalid_request", "query": q})
            if state.args.deny:
                result = {"error": "access_denied", "state": q.get("state", "")}
            else:
                code = "code-" + secrets.token_urlsafe(8)
                with state.lock:
                    state.codes[code] = (q["code_challenge"], redirect,
                                         q.get("scope", "").split())
                result = {"code": code, "state": q.get("state", "")}
            sep = "&" if "?" in redirect else "?"
            location = redirect + sep + urllib.parse.urlencode(result)
            self.reply(302, None, [("Location", location)])

        def do_POST(self):
            length = int(self.headers.get("Content-Length", "0"))
            form = dict(urllib.parse.parse_qsl(self.rfile.read(length).decode()))
            if urllib.parse.urlsplit(self.path).path != "/token":
                return self.reply(404, {"error": "not_found"})
            grant = form.get("grant_type")
            if grant == "authorization_code":
                with state.lock:
                    found = state.codes.pop(form.get("code", ""), None)
                if not found:
                    return self.reply(400, {"error": "invalid_grant"})
                challenge, redirect, scopes = found
                if form.get("redirect_uri") != redirect:
                    return self.reply(400, {"error": "invalid_grant",
                                            "error_description": "redirect_uri differs"})
                if challenge_of(form.get("code_verifier", "")) != challenge:
                    return self.reply(400, {"error": "invalid_grant",
                                            "error_description": "PKCE verification failed"})
                return self.reply(200, state.issue("authorization_code", "openid" in scopes))
            if grant == "refresh_token":
                with state.lock:
                    known = form.get("refresh_token") in state.refresh
                if not known:
                    return self.reply(400, {"error": "invalid_grant"})
                return self.reply(200, state.issue("refresh_token"))
            self.reply(400, {"error": "unsupported_grant_type"})

    return Handler


def main():
    p = argparse.ArgumentParser()
    p.add_argument("outdir")
    p.add_argument("--expires", type=int, default=3600)
    p.add_argument("--deny", action="store_true")
    p.add_argument("--client-id", default="hollymoor-test")
    p.add_argument("--account", default="alice@example.org")
    p.add_argument("--account-claim", default="email")
    args = p.parse_args()
    os.makedirs(args.outdir, exist_ok=True)
    state = State(args)
    server = ThreadingHTTPServer(("127.0.0.1", 0), make_handler(state))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    print("READY %d" % server.server_address[1], flush=True)
    for line in sys.stdin:
        if line.strip() == "expire":
            state.expire_all()
            print("EXPIRED", flush=True)
    server.shutdown()


if __name__ == "__main__":
    main()
