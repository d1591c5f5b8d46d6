"""SMTP servers for tests, on 127.0.0.1 at a free port.

  smtp_server.py OUTDIR aiosmtpd [--auth] [--starttls] [--implicit-tls] [--cert C --key K]
                 [--xoauth2 TOKENS]  (AUTH XOAUTH2 only, with a token TOKENS lists unexpired:
                                      the JSON oauth_server.py writes)
                 [--xoauth2-user USER]  (and for USER only)
  smtp_server.py OUTDIR script [--auth-last] [--auth-offer MECHS] [--pipelining]
                 [--starttls-reply R] [--reject CMD:N[+]:REPLY]... [--drop-in-data N]
                 [--slow SECONDS]   (each message is stored, then answered after SECONDS)
                 [--slow-mail SECONDS]   (each MAIL is answered after SECONDS)
                 [--silent CMD:N] [--bytewise] [--quit-reply R]

Prints "READY <port>" once it accepts connections. Every accepted message is written to
OUTDIR as msg-NNN.eml (the data as received after un-stuffing) with msg-NNN.env beside it
(MAIL FROM on the first line, one recipient per further line), both renamed into place
whole. The scripted server also appends every command line it reads to OUTDIR/transcript.
It stops when its standard input closes. The scripted server reads one line at a time and
answers each in order, so pipelined commands work; AUTH PLAIN's initial response counts as the
PASS step for --reject.
"""

import argparse
import asyncio
import os
import socket
import sys
import threading

LOGIN, PASSWORD = b"alice", b"secret"


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


class Store:
    def __init__(self, outdir):
        self.outdir = outdir
        self.count = 0
        self.lock = threading.Lock()

    def save(self, mail_from, rcpts, data):
        with self.lock:
            self.count += 1
            base = os.path.join(self.outdir, "msg-%03d" % self.count)
        with open(base + ".env.tmp", "w") as f:
            f.write("\n".join([mail_from] + list(rcpts)) + "\n")
        with open(base + ".eml.tmp", "wb") as f:
            f.write(data)
        os.replace(base + ".env.tmp", base + ".env")
        os.replace(base + ".eml.tmp", base + ".eml")


def tls_context(args):
    import ssl
    ctx = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    ctx.load_cert_chain(args.cert, args.key)
    return ctx


def run_aiosmtpd(args, store):
    from aiosmtpd.controller import Controller
    from aiosmtpd.smtp import AuthResult, LoginPassword

    class Handler:
        async def handle_DATA(self, server, session, envelope):
            store.save(envelope.mail_from, envelope.rcpt_tos, envelope.original_content)
            return "250 Message accepted for delivery"

    def authenticator(server, session, envelope, mechanism, auth_data):
        ok = (isinstance(auth_data, LoginPassword) and auth_data.login == LOGIN
              and auth_data.password == PASSWORD)
        return AuthResult(success=ok, handled=False)

    if args.xoauth2:
        import base64
        import json
        import time

        def token_valid(token):
            try:
                with open(args.xoauth2) as f:
                    return json.load(f).get(token, 0) > time.time()
            except (OSError, ValueError):
                return False

        async def auth_XOAUTH2(server, auth_args):
            # "user=" USER ^A "auth=Bearer " TOKEN ^A ^A, as the providers take it.
            try:
                fields = base64.b64decode(auth_args[1]).decode().split("\x01")
                user = fields[0][len("user="):]
                token = fields[1][len("auth=Bearer "):]
            except Exception:
                return AuthResult(success=False, handled=False,
                                  message="501 5.5.2 Cannot decode XOAUTH2")
            if user and token_valid(token) and args.xoauth2_user in ("", user):
                return AuthResult(success=True, auth_data=LoginPassword(user.encode(), b""))
            # A refused token gets the JSON error challenge first, then the failure.
            await server.challenge_auth(json.dumps(
                {"status": "401", "schemes": "Bearer", "scope": "smtp"}))
            return AuthResult(success=False, handled=False,
                              message="535 5.7.8 Username and Password not accepted")

        Handler.auth_XOAUTH2 = staticmethod(auth_XOAUTH2)

    kwargs = {}
    if args.xoauth2:
        kwargs.update(authenticator=lambda *a: AuthResult(success=False), auth_required=True,
                      auth_require_tls=bool(args.starttls),
                      auth_exclude_mechanism=["LOGIN", "PLAIN"])
    if args.auth:
        kwargs.update(authenticator=authenticator, auth_required=True,
                      auth_require_tls=bool(args.starttls))
    if args.starttls:
        kwargs.update(tls_context=tls_context(args), require_starttls=True)
    if args.implicit_tls:
        kwargs.update(ssl_context=tls_context(args))
    for attempt in range(20):
        port = free_port()
        controller = Controller(Handler(), hostname="127.0.0.1", port=port, **kwargs)
        try:
            controller.start()
            break
        except Exception:
            if attempt == 19:
                raise
    print("READY %d" % port, flush=True)
    sys.stdin.read()
    controller.stop()


class Script:
    """A lock-step SMTP server whose faults are chosen on the command line; counters run
    across connections, so a fault can hit the second message after a reconnect."""

    def __init__(self, args, store):
        self.args = args
        self.store = store
        self.seen = {}
        self.rejects = []
        for rule in args.reject:
            cmd, n, reply = rule.split(":", 2)
            self.rejects.append((cmd.upper(), n, reply))
        self.silent = None
        if args.silent:
            cmd, n = args.silent.split(":")
            self.silent = (cmd.upper(), int(n))
        self.transcript = open(os.path.join(store.outdir, "transcript"), "a")

    def fault(self, cmd):
        n = self.seen[cmd] = self.seen.get(cmd, 0) + 1
        if self.silent == (cmd, n):
            return "SILENT"
        for c, which, reply in self.rejects:
            if c != cmd:
                continue
            if which.endswith("+") and n >= int(which[:-1]) or which == str(n):
                return reply
        return None

    async def reply(self, writer, text):
        data = (text + "\r\n").encode()
        if self.args.bytewise:
            for i in range(len(data)):
                writer.write(data[i:i + 1])
                await writer.drain()
                await asyncio.sleep(0.001)
        else:
            writer.write(data)
            await writer.drain()

    async def session(self, reader, writer):
        try:
            await self.converse(reader, writer)
        except (ConnectionError, asyncio.IncompleteReadError):
            pass
        finally:
            writer.close()

    async def converse(self, reader, writer):
        await self.reply(writer, "220 scripted.test ESMTP")
        mail_from, rcpts, login_step = None, [], 0
        while True:
            line = await reader.readline()
            if not line:
                return
            self.transcript.write(line.decode("utf-8", "replace"))
            self.transcript.flush()
            text = line.decode("utf-8", "replace").rstrip("\r\n")
            verb = text.split(" ")[0].upper() if text else ""
            if login_step:
                cmd = "USER" if login_step == 1 else "PASS"
                f = self.fault(cmd)
                if f == "SILENT":
                    await asyncio.sleep(3600)
                login_step = login_step + 1 if login_step == 1 else 0
                await self.reply(writer, f or ("334 UGFzc3dvcmQ6" if cmd == "USER" else
                                               "235 2.7.0 Authentication successful"))
                continue
            if verb == "EHLO":
                lines = ["scripted.test", "SIZE 1000000"]
                if self.args.pipelining:
                    lines.append("PIPELINING")
                if self.args.starttls_reply:
                    lines.append("STARTTLS")
                lines.append("HELP")
                auth = "AUTH " + self.args.auth_offer
                if self.args.auth_last:
                    lines.append(auth)
                else:
                    lines.insert(1, auth)
                f = self.fault("EHLO")
                if f == "SILENT":
                    await asyncio.sleep(3600)
                body = "\r\n".join("250-" + l for l in lines[:-1]) + "\r\n250 " + lines[-1]
                await self.reply(writer, f or body)
            elif verb == "STARTTLS":
                await self.reply(writer, self.args.starttls_reply)
            elif verb == "AUTH":
                f = self.fault("AUTH")
                if f == "SILENT":
                    await asyncio.sleep(3600)
                words = text.split(" ")
                if not f and len(words) == 3 and words[1].upper() == "PLAIN":
                    f = self.fault("PASS")
                    if f == "SILENT":
                        await asyncio.sleep(3600)
                    await self.reply(writer, f or "235 2.7.0 Authentication successful")
                    continue
                login_step = 1 if not f else 0
                await self.reply(writer, f or "334 VXNlcm5hbWU6")
            elif verb == "RCPT" and mail_from is None:
                await self.reply(writer, "503 5.5.1 Error: need MAIL command")
            elif verb == "DATA" and not rcpts:
                await self.reply(writer, "554 5.5.1 Error: no valid recipients")
            elif verb in ("MAIL", "RCPT"):
                if verb == "MAIL" and self.args.slow_mail:
                    await asyncio.sleep(self.args.slow_mail)
                f = self.fault(verb)
                if f == "SILENT":
                    await asyncio.sleep(3600)
                if not f:
                    if verb == "MAIL":
                        mail_from, rcpts = text[10:].strip("<>"), []
                    else:
                        rcpts.append(text[8:].strip("<>"))
                await self.reply(writer, f or "250 2.1.0 Ok")
            elif verb == "DATA":
                f = self.fault("DATA")
                if f == "SILENT":
                    await asyncio.sleep(3600)
                if f:
                    await self.reply(writer, f)
                    continue
                await self.reply(writer, "354 End data with <CR><LF>.<CR><LF>")
                self.seen["MSG"] = self.seen.get("MSG", 0) + 1
                drop = self.args.drop_in_data == self.seen["MSG"]
                data = b""
                while True:
                    piece = await reader.readline()
                    if not piece:
                        return
                    if piece == b".\r\n":
                        break
                    if drop and data:
                        return  # gone in the middle of the message
                    data += piece[1:] if piece.startswith(b".") else piece
                f = self.fault("DOT")
                if f == "SILENT":
                    await asyncio.sleep(3600)
                if not f:
                    self.store.save(mail_from, rcpts, data)
                if self.args.slow:
                    await asyncio.sleep(self.args.slow)
                await self.reply(writer, f or "250 2.0.0 Ok: queued")
            elif verb == "RSET":
                mail_from, rcpts = None, []
                await self.reply(writer, "250 2.0.0 Ok")
            elif verb == "QUIT":
                await self.reply(writer, self.args.quit_reply)
                return
            elif verb == "":
                continue
            else:
                await self.reply(writer, "502 5.5.2 Error: command not recognized")


async def run_script(args, store):
    script = Script(args, store)
    server = None
    for attempt in range(20):
        port = free_port()
        try:
            server = await asyncio.start_server(script.session, "127.0.0.1", port)
            break
        except OSError:
            if attempt == 19:
                raise
    print("READY %d" % port, flush=True)
    loop = asyncio.get_running_loop()
    await loop.run_in_executor(None, sys.stdin.read)
    server.close()


def main():
    p = argparse.ArgumentParser()
    p.add_argument("outdir")
    p.add_argument("kind", choices=["aiosmtpd", "script"])
    p.add_argument("--auth", action="store_true")
    p.add_argument("--starttls", action="store_true")
    p.add_argument("--implicit-tls", action="store_true")
    p.add_argument("--xoauth2")
    p.add_argument("--xoauth2-user", default="")
    p.add_argument("--cert")
    p.add_argument("--key")
    p.add_argument("--auth-last", action="store_true")
    p.add_argument("--auth-offer", default="LOGIN PLAIN")
    p.add_argument("--pipelining", action="store_true")
    p.add_argument("--starttls-reply")
    p.add_argument("--reject", action="append", default=[])
    p.add_argument("--drop-in-data", type=int, default=0)
    p.add_argument("--silent")
    p.add_argument("--bytewise", action="store_true")
    p.add_argument("--quit-reply", default="221 2.0.0 Bye")
    p.add_argument("--slow", type=float, default=0.0)
    p.add_argument("--slow-mail", type=float, default=0.0)
    args = p.parse_args()
    store = Store(args.outdir)
    if args.kind == "aiosmtpd":
        run_aiosmtpd(args, store)
    else:
        asyncio.run(run_script(args, store))
    os._exit(0)


if __name__ == "__main__":
    main()
