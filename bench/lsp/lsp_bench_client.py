#!/usr/bin/env python3
"""Drives one language server over stdio as an editor would, and measures it.

    lsp_bench_client.py --source FILE.c --word F4711 [--rounds N] -- SERVER...

Starts SERVER, opens FILE.c (whose last occurrence of WORD is where the cursor
stands) and asks for completion there until an item for WORD comes back: the
time from starting the process until then is "ready". Then it measures ROUNDS
completion round trips at the same place (the client's own reading and
decoding included, as an editor would see them) and the peak resident memory
of the server process. Prints one line: ready_s median_ms peak_mb items.
Standard library only, so that it runs wherever the servers do.
"""
import argparse
import json
import os
import pathlib
import re
import statistics
import subprocess
import sys
import time


class Connection:
    def __init__(self, process):
        self.process = process
        self.next_id = 0

    def send(self, message):
        body = json.dumps(message).encode()
        self.process.stdin.write(b"Content-Length: %d\r\n\r\n" % len(body) + body)
        self.process.stdin.flush()

    def notify(self, method, params):
        self.send({"jsonrpc": "2.0", "method": method, "params": params})

    def read(self):
        length = None
        while True:
            line = self.process.stdout.readline()
            if not line:
                raise EOFError("the server closed its output")
            line = line.strip()
            if not line:
                break
            name, _, value = line.partition(b":")
            if name.strip().lower() == b"content-length":
                length = int(value)
        return json.loads(self.process.stdout.read(length))

    def request(self, method, params):
        self.next_id += 1
        wanted = self.next_id
        self.send({"jsonrpc": "2.0", "id": wanted, "method": method, "params": params})
        while True:
            message = self.read()
            if "method" in message and "id" in message:
                # A request of the server's own (progress, configuration): say yes.
                self.send({"jsonrpc": "2.0", "id": message["id"], "result": None})
            elif message.get("id") == wanted and "method" not in message:
                if "error" in message:
                    raise RuntimeError(f"{method}: {message['error']}")
                return message.get("result")


def peak_rss_mb(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1]) / 1024
    return 0.0


def offers(result, word):
    items = result.get("items", []) if isinstance(result, dict) else (result or [])
    name = re.compile(r"\b%s\b" % re.escape(word))
    return items, any(
        item.get("filterText") == word or name.search(item.get("label", "")) for item in items
    )


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--source", required=True)
    parser.add_argument("--word", required=True)
    parser.add_argument("--rounds", type=int, default=200)
    parser.add_argument("--timeout", type=float, default=120.0)
    parser.add_argument("server", nargs="+")
    args = parser.parse_args()

    source = pathlib.Path(args.source).resolve()
    text = source.read_text()
    lines = text[: text.rindex(args.word) + len(args.word)].split("\n")
    position = {"line": len(lines) - 1, "character": len(lines[-1])}
    document = {"uri": source.as_uri()}

    started = time.perf_counter()
    process = subprocess.Popen(
        args.server, stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
        cwd=source.parent,
    )
    server = Connection(process)
    server.request("initialize", {
        "processId": os.getpid(),
        "rootUri": source.parent.as_uri(),
        "capabilities": {"textDocument": {"completion": {"completionItem": {}}}},
    })
    server.notify("initialized", {})
    server.notify("textDocument/didOpen", {"textDocument": {
        **document, "languageId": "c", "version": 1, "text": text}})
    completion = {"textDocument": document, "position": position}

    attempts = 0
    while True:
        attempts += 1
        items, found = offers(server.request("textDocument/completion", completion), args.word)
        if found:
            break
        if time.perf_counter() - started > args.timeout:
            sys.exit(f"no {args.word} after {args.timeout} s ({attempts} requests)")
        time.sleep(0.005)
    ready = time.perf_counter() - started

    trips = []
    for _ in range(args.rounds):
        begun = time.perf_counter()
        server.request("textDocument/completion", completion)
        trips.append(time.perf_counter() - begun)
    peak = peak_rss_mb(process.pid)

    server.request("shutdown", None)
    server.notify("exit", None)
    try:
        process.wait(timeout=10)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()
    print(f"{ready:.3f} {statistics.median(trips) * 1000:.3f} {peak:.1f} {len(items)} {attempts}")


if __name__ == "__main__":
    main()
