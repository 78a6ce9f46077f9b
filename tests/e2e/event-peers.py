# The network peers of the event publishing tests: the TCP/IP server that the
# program's origin connects to (it sends codes and takes their echo) and the
# event clients that connect to the program's event server.
#
#   event-peers.py e2e CODE_PORT EVENT_PORT STATUS_FILE DDE_READY_FILE
#   event-peers.py latency CODE_PORT EVENT_PORT COUNT [--slow]
import os, socket, statistics, sys, time

def code_server(port, accept_seconds=60, reply_seconds=20):
    server = socket.socket()
    server.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    server.bind(("127.0.0.1", port))
    server.listen(1)
    server.settimeout(accept_seconds)
    connection, _ = server.accept()
    connection.settimeout(reply_seconds)
    connection.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
    return connection

def event_client(port, receive_buffer=None):
    for _ in range(300):
        client = socket.socket()
        if receive_buffer:
            client.setsockopt(socket.SOL_SOCKET, socket.SO_RCVBUF, receive_buffer)
        try:
            client.connect(("127.0.0.1", port))
            client.settimeout(20)
            return client
        except OSError:
            client.close()
            time.sleep(0.1)
    raise SystemExit("the event server never listened")

def send_code(codes, text):
    codes.sendall(text)
    echo = b""
    while len(echo) < len(text):
        echo += codes.recv(len(text) - len(echo))
    if echo != text:
        raise SystemExit("echo %r for %r" % (echo, text))

def receive_exactly(client, count):
    data = b""
    while len(data) < count:
        chunk = client.recv(count - len(data))
        if not chunk:
            raise SystemExit("the event client was closed after %r" % data)
        data += chunk
    return data

def wait_for(path, word, count=1):
    for _ in range(300):
        if os.path.exists(path) and open(path).read().count(word) >= count:
            return
        time.sleep(0.1)
    raise SystemExit("the DDE client never saw %d %s" % (count, word))

def e2e(code_port, event_port, status, dde_ready):
    def note(line):
        with open(status, "a") as out:
            out.write(line + "\n")
    codes = code_server(code_port)
    first = event_client(event_port)
    wait_for(dde_ready, "linked")
    time.sleep(0.5)  # the connect reaches the program's window before the first code
    # The DDE client asks for each event before the next comes: a request
    # crossing an advise confuses the client's side of Wine's DDEML.
    for count, text in enumerate((b"AB", b"AB", b"CD"), 1):
        send_code(codes, text)
        wait_for(dde_ready, "request", count)
    # Back to back, nothing between them.
    expected = b"TV, PowerTV, PowerTV, Mute"
    note("first got " + receive_exactly(first, len(expected)).decode())

    # A second client that never reads, with a small window that the
    # program's events soon fill.
    slow = event_client(event_port, receive_buffer=4096)
    time.sleep(0.5)
    name = b"TV, " + b"L" * 240
    total = 0
    for i in range(400):
        send_code(codes, b"EF")
        got = receive_exactly(first, len(name))
        if got != name:
            raise SystemExit("event %d reached the first client as %r" % (i, got[:40]))
        total += len(name)
    import fcntl, termios, struct
    unread = struct.unpack("i", fcntl.ioctl(slow.fileno(), termios.FIONREAD, b"\0\0\0\0"))[0]
    note("slow holds %d of %d" % (unread, total))
    note("first got all %d" % 400)

def latency(code_port, event_port, count, slow):
    codes = code_server(code_port)
    first = event_client(event_port)
    first.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
    # Held, not read: a closed one would stop the events (any disconnect does).
    idle = event_client(event_port, receive_buffer=4096) if slow else None
    time.sleep(1)
    expected = b"TV, Power"
    times = []
    for i in range(count + 20):
        start = time.perf_counter()
        codes.sendall(b"AB")
        got = receive_exactly(first, len(expected))
        end = time.perf_counter()
        if got != expected:
            raise SystemExit("got %r" % got)
        receive_exactly(codes, 2)  # the echo
        if i >= 20:  # the first ones warm up
            times.append((end - start) * 1000)
    times.sort()
    p95 = times[min(len(times) - 1, int(round(0.95 * len(times))) - 1)]
    del idle
    print("codes %d  median %.3f ms  95th percentile %.3f ms  min %.3f ms  max %.3f ms" %
          (len(times), statistics.median(times), p95, times[0], times[-1]))

if __name__ == "__main__":
    if sys.argv[1] == "e2e":
        e2e(int(sys.argv[2]), int(sys.argv[3]), sys.argv[4], sys.argv[5])
    else:
        latency(int(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4]), "--slow" in sys.argv)
