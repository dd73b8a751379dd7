"""Drives the real Quenlowe.exe under Wine on the test display, like a person would, and looks at it from
the outside: a window inspector running in the same Wine session, X properties, screenshots and the sound
that reaches the test's private sound server."""

import array
import http.server
import json
import math
import os
import shutil
import subprocess
import tempfile
import threading
import time
from pathlib import Path

WINE = "/usr/lib/wine/wine64"
EXE = Path(os.environ.get("CORVATTO_EXE", "build/x86_64/app/Quenlowe.exe"))
INSPECTOR = Path(os.environ.get("CORVATTO_INSPECTOR", "build/x86_64/tests/e2e/window_inspector.exe"))
CLIPS = Path(os.environ.get("CORVATTO_CLIPS", "build/x86_64/tests/e2e/clips"))
WINE_EXEC = os.environ.get("CORVATTO_WINE_EXEC", "scripts/lib/wine-exec")
SINK = os.environ.get("CORVATTO_SINK", "corvatto_sink")
SKIN_ENGINES = Path(os.environ.get("CORVATTO_SKIN_ENGINES", "build/x86_64/tests/app"))


def prefix_folder(*parts):
    """A folder of the test's Wine prefix, as a Linux path."""
    return Path(os.environ["WINEPREFIX"], "drive_c", *parts)


def desktop_folder():
    users = [user for user in prefix_folder("users").iterdir() if user.name != "Public"]
    return users[0] / "Desktop"


def windows_path(path):
    return "Z:" + str(Path(path).resolve()).replace("/", "\\")


def wait_for(predicate, timeout, interval=0.1, message="condition"):
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out after {timeout} s waiting for {message}")
        time.sleep(interval)


class AnnouncementServer:
    """An HTTP server on 127.0.0.1 that records every request and answers after an optional delay."""

    def __init__(self, body=b"", status=200, delay=0.0):
        self.paths = []
        self.answered_at = None
        server = self

        class Handler(http.server.BaseHTTPRequestHandler):
            def do_GET(self):
                server.paths.append(self.path)
                time.sleep(delay)
                server.answered_at = time.monotonic()
                self.send_response(status)
                self.send_header("Content-Length", str(len(body)))
                self.end_headers()
                self.wfile.write(body)

            def log_message(self, *args):
                pass

        self.httpd = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
        self.port = self.httpd.server_address[1]
        self.thread = threading.Thread(target=self.httpd.serve_forever, daemon=True)
        self.thread.start()

    def close(self):
        self.httpd.shutdown()
        self.httpd.server_close()


def unused_port():
    import socket
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


class Program:
    """Quenlowe.exe started from a run directory of its own, holding the given clips."""

    def __init__(self, announcement_port, clips=()):
        self.run_dir = Path(tempfile.mkdtemp(prefix="corvatto-run-"))
        shutil.copy(EXE, self.run_dir / "Quenlowe.exe")
        for source, name in clips:
            shutil.copy(source, self.run_dir / name)
        env = dict(os.environ)
        env["CORVATTO_ANNOUNCEMENT_SERVER"] = f"127.0.0.1:{announcement_port}"
        self.process = subprocess.Popen(
            [WINE, windows_path(self.run_dir / "Quenlowe.exe")], cwd=self.run_dir, env=env,
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def wait_exit(self, timeout=20):
        return self.process.wait(timeout=timeout)

    def close(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        shutil.rmtree(self.run_dir, ignore_errors=True)

    def windows(self):
        return inspect()

    def main_window(self):
        return next((w for w in inspect() if w["title"] == "Corvatto"), None)

    def voice_bars(self):
        return [w for w in inspect() if w["title"] == "" and w["visible"]]

    def wait_main_window(self, timeout=20):
        return wait_for(lambda: (w := self.main_window()) and w["visible"] and w, timeout,
                        message="the main window")

    def x_windows(self):
        result = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(self.process.pid)],
                                capture_output=True, text=True)
        return [int(line) for line in result.stdout.split()]


def inspect(*args):
    """What the window inspector sees: every form window of the program, with its controls."""
    result = subprocess.run([WINE_EXEC, str(INSPECTOR), *(args or ["list"])],
                            capture_output=True, text=True, encoding="utf-8")
    if args:
        return result.stdout.strip()
    return json.loads(result.stdout[result.stdout.index("["):])


def control(window, control_id):
    return next(c for c in window["controls"] if c["id"] == control_id)


def centre(rect):
    x, y, w, h = rect
    return x + w // 2, y + h // 2


def move(x, y):
    subprocess.run(["xdotool", "mousemove", "--sync", str(x), str(y)], check=True)
    time.sleep(0.05)


def click(x, y):
    move(x, y)
    subprocess.run(["xdotool", "click", "1"], check=True)
    # Clicks at one spot less than half a second apart would make a double click.
    time.sleep(0.6)


def key(window_id, *keys):
    subprocess.run(["xdotool", "windowfocus", "--sync", str(window_id)], check=False)
    subprocess.run(["xdotool", "key", *keys], check=True)


def x_property(window_id, name):
    result = subprocess.run(["xprop", "-id", str(window_id), name], capture_output=True, text=True)
    text = result.stdout.strip()
    return int(text.split("=")[1].strip()) if "=" in text else None


def pointer_picture():
    """The pointer shape the display shows now: size, hot spot and pixels."""
    from Xlib import display
    connection = display.Display()
    try:
        connection.xfixes_query_version()
        image = connection.xfixes_get_cursor_image(connection.screen().root)
        return (image.width, image.height, image.xhot, image.yhot, tuple(image.cursor_image))
    finally:
        connection.close()


def system_pointer_picture(name, x=1200, y=950):
    """The picture of one of the system's pointer shapes, taken from a sample window shown by the inspector."""
    sample = subprocess.Popen([WINE_EXEC, str(INSPECTOR), "cursor-sample", name, str(x), str(y), "4000"],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        time.sleep(1.5)
        move(x + 20, y + 20)
        time.sleep(0.3)
        return pointer_picture()
    finally:
        sample.wait()


def screenshot(path):
    subprocess.run(["import", "-window", "root", str(path)], check=True)


class SoundRecorder:
    """Records what reaches the test's sound sink, as 16 kHz mono samples."""

    RATE = 16000

    def __enter__(self):
        self.file = tempfile.NamedTemporaryFile(suffix=".raw", delete=False)
        self.process = subprocess.Popen(
            ["parec", "-d", f"{SINK}.monitor", "--format=s16le", f"--rate={self.RATE}", "--channels=1", "--raw"],
            stdout=self.file, stderr=subprocess.DEVNULL)
        time.sleep(0.5)
        return self

    def __exit__(self, *exc):
        self.process.terminate()
        self.process.wait()
        self.file.close()
        data = Path(self.file.name).read_bytes()
        os.unlink(self.file.name)
        self.samples = array.array("h", data[: len(data) // 2 * 2])
        return False

    def tones(self, frequencies, window_seconds=0.05):
        """For each window of the recording, the frequency that dominates it, or None for silence."""
        size = int(self.RATE * window_seconds)
        result = []
        for start in range(0, len(self.samples) - size, size):
            block = self.samples[start:start + size]
            energy = sum(s * s for s in block) / size
            if energy < 100 * 100:
                result.append(None)
                continue
            powers = {f: goertzel(block, self.RATE, f) for f in frequencies}
            best = max(powers, key=powers.get)
            others = [p for f, p in powers.items() if f != best]
            result.append(best if all(powers[best] > 10 * p for p in others) else "mixed")
        return result


def goertzel(block, rate, frequency):
    coefficient = 2 * math.cos(2 * math.pi * frequency / rate)
    previous = before = 0.0
    for sample in block:
        previous, before = sample + coefficient * previous - before, previous
    return previous * previous + before * before - coefficient * previous * before
