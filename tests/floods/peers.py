# The hostile network peers of the flood scripts. Every loop is bounded in
# count and time; only 127.0.0.1 is ever a target. Each mode ends with the
# next ordinary code: a fresh event client connects, the code server sends
# "AB" and the client must get "TV, Power"; it prints "next yes" or
# "next no: REASON" as its last line.
#
#   peers.py origin-burst CODE_PORT EVENT_PORT GO_FILE
#   peers.py origin-pieces CODE_PORT EVENT_PORT GO_FILE
#   peers.py event-churn CODE_PORT EVENT_PORT GO_FILE
#   peers.py steady CODE_PORT EVENT_PORT GO_FILE STOP_FILE
#   peers.py serial PATH SECONDS
import os, random, runpy, select, socket, struct, sys, threading, time

MEGABYTE = 1 << 20
POWER = b"TV, Power"
LONG = b"TV, " + b"L" * 240


def wait_file(path, seconds=120):
    for _ in range(seconds * 10):
        if os.path.exists(path):
            return
        time.sleep(0.1)
    raise SystemExit("no %s" % path)


# The TCP/IP server and event client of the end-to-end tests (their file's
# name is no module name, hence the loading by path).
_event_peers = runpy.run_path(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e", "event-peers.py"))
event_client = _event_peers["event_client"]


def code_server(port):
    # The program may take long to start beside a flood.
    return _event_peers["code_server"](port, accept_seconds=600, reply_seconds=60)


def receive_exactly(sock, count):
    data = b""
    while len(data) < count:
        chunk = sock.recv(min(count - len(data), 65536))
        if not chunk:
            raise OSError("closed after %d bytes" % len(data))
        data += chunk
    return data


def send_code(codes, text):
    codes.sendall(text)
    echo = receive_exactly(codes, len(text))
    if echo != text:
        raise OSError("echo %r for %r" % (echo[:20], text))


def next_code(codes, event_port):
    try:
        client = event_client(event_port)
        time.sleep(0.5)  # the connect reaches the program's window first
        send_code(codes, b"AB")
        got = receive_exactly(client, len(POWER))
        client.close()
        if got != POWER:
            return "no: the event client got %r" % got
        return "yes"
    except (OSError, socket.timeout) as error:
        return "no: %s" % error


def origin(code_port, event_port, go, pieces):
    """1 MB of random bytes to the TCP/IP origin, at once or 1 KB a millisecond."""
    codes = code_server(code_port)
    wait_file(go)
    blob = os.urandom(MEGABYTE)
    echoed = bytearray()
    started = time.perf_counter()
    if pieces:
        # The echo is read beside the sending, as a well-behaved server would.
        def drain():
            while len(echoed) < len(blob):
                chunk = codes.recv(65536)
                if not chunk:
                    break
                echoed.extend(chunk)
        reader = threading.Thread(target=drain)
        reader.start()
        for i in range(len(blob) // 1024):
            codes.sendall(blob[i * 1024:(i + 1) * 1024])
            pause = started + (i + 1) / 1000 - time.perf_counter()
            if pause > 0:
                time.sleep(pause)
        reader.join(120)
    else:
        # Sent whole before a byte of the echo is read: the program must
        # hold or shed the echo it cannot send.
        codes.sendall(blob)
        codes.settimeout(3)
        try:
            while len(echoed) < len(blob):
                chunk = codes.recv(65536)
                if not chunk:
                    break
                echoed.extend(chunk)
        except socket.timeout:
            pass  # the program held back no more than this
        codes.settimeout(60)
    print("sent %d bytes in %.1f s, %d echoed back%s" % (
        len(blob), time.perf_counter() - started, len(echoed),
        "" if bytes(echoed) == blob[:len(echoed)] else " (not only the first bytes sent)"))
    time.sleep(0.5)
    print("next " + next_code(codes, event_port))


def event_churn(code_port, event_port, go):
    """100 event clients connect and drop while codes keep arriving."""
    codes = code_server(code_port)
    wait_file(go)
    stop = threading.Event()
    sent = [0]

    def send_codes():
        deadline = time.time() + 60
        while not stop.is_set() and time.time() < deadline:
            send_code(codes, b"EF")
            sent[0] += 1

    sender = threading.Thread(target=send_codes)
    sender.start()
    held, kinds = [], [0, 0, 0, 0]
    junk = os.urandom(256 * 1024)
    for i in range(100):
        kind = i % 4
        kinds[kind] += 1
        try:
            client = event_client(event_port, receive_buffer=4096 if kind == 2 else None)
        except SystemExit:
            continue
        if kind == 0:  # gone at once
            client.close()
        elif kind == 1:  # junk of its own, cut off mid-send with a reset
            client.setblocking(False)
            try:
                client.send(junk[:random.randint(1, len(junk))])
            except BlockingIOError:
                pass
            client.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
            client.close()
        elif kind == 2:  # never reads: its queue fills
            held.append(client)
        else:  # reads a few events, then leaves politely
            try:
                client.settimeout(1)
                client.recv(100)
            except OSError:
                pass
            client.close()
        time.sleep(0.03)
    # Any client that leaves stops the events until the next one connects:
    # one more that never reads, and the codes go on for a while.
    held.append(event_client(event_port, receive_buffer=4096))
    time.sleep(4)
    stop.set()
    sender.join(70)
    # What the held ones got before the program dropped them or they left.
    dropped = 0
    for client in held:
        client.setblocking(False)
        try:
            while True:
                chunk = client.recv(65536)
                if not chunk:
                    dropped += 1
                    break
        except BlockingIOError:
            pass
        except OSError:
            dropped += 1
        client.close()
    print("codes %d; clients: %d closed at once, %d reset mid-send, %d read and left, "
          "%d never reading (%d of them dropped by the program)" %
          (sent[0], kinds[0], kinds[1], kinds[3], len(held), dropped))
    time.sleep(0.5)
    print("next " + next_code(codes, event_port))


def steady(code_port, event_port, go, stop_file):
    """Codes every 20 ms until the stop file exists (the DDE scenario)."""
    codes = code_server(code_port)
    wait_file(go)
    sent = 0
    deadline = time.time() + 120
    while not os.path.exists(stop_file) and time.time() < deadline:
        send_code(codes, b"AB")
        sent += 1
        time.sleep(0.02)
    print("codes %d" % sent)
    time.sleep(0.5)
    print("next " + next_code(codes, event_port))


def serial(path, seconds):
    """Random bytes into the receiver's side of the pseudo-terminal, as fast
    as it takes them, for SECONDS."""
    port = os.open(path, os.O_RDWR | os.O_NONBLOCK | os.O_NOCTTY)
    junk = os.urandom(65536)
    written = 0
    end = time.time() + seconds
    while time.time() < end:
        _, ready, _ = select.select([], [port], [], 0.1)
        if not ready:
            continue
        try:
            offset = random.randrange(len(junk) - 4096)
            written += os.write(port, junk[offset:offset + 4096])
        except BlockingIOError:
            pass
        # The program's own writes are read away so that they never block it.
        try:
            os.read(port, 65536)
        except (BlockingIOError, OSError):
            pass
    os.close(port)
    print("wrote %d bytes in %d s" % (written, seconds))


if __name__ == "__main__":
    mode, args = sys.argv[1], sys.argv[2:]
    if mode == "serial":
        serial(args[0], int(args[1]))
        sys.exit(0)
    code_port, event_port, go = int(args[0]), int(args[1]), args[2]
    if mode == "origin-burst":
        origin(code_port, event_port, go, pieces=False)
    elif mode == "origin-pieces":
        origin(code_port, event_port, go, pieces=True)
    elif mode == "event-churn":
        event_churn(code_port, event_port, go)
    elif mode == "steady":
        steady(code_port, event_port, go, args[3])
    else:
        raise SystemExit("unknown mode " + mode)
