"""Helpers for the end-to-end tests: a private Xvfb, the real game started in it with a temporary
home, xdotool to act as a player, and polling with deadlines (never fixed sleeps)."""
import glob
import os
import random
import shutil
import signal
import struct
import subprocess
import tempfile
import time
import zlib

TITLE = "Dravelock v2.0 (x86)"


def wait_for(what, check, timeout=20.0, step=0.05):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        result = check()
        if result:
            return result
        time.sleep(step)
    raise AssertionError(f"timed out waiting for {what}")


class XSession:
    def __init__(self, size="1920x1080"):
        # A display number of its own, away from the low numbers desktops and other tools take, so
        # that tests running side by side never meet.
        for _ in range(20):
            number = random.randrange(1000, 60000)
            if os.path.exists(f"/tmp/.X{number}-lock") or os.path.exists(f"/tmp/.X11-unix/X{number}"):
                continue
            self.display = f":{number}"
            self.xvfb = subprocess.Popen(["Xvfb", self.display, "-screen", "0", f"{size}x24", "-nolisten", "tcp"],
                                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            # Ready once it serves a client; gone at once if the number was taken after all.
            probe_env = dict(os.environ, DISPLAY=self.display)
            served = lambda: self.xvfb.poll() is not None or subprocess.run(
                ["xdotool", "getdisplaygeometry"], env=probe_env, capture_output=True).returncode == 0
            wait_for("the X server", served)
            if self.xvfb.poll() is None:
                break
        else:
            raise AssertionError("no X server could be started")
        self.home = tempfile.mkdtemp(prefix="dravelock-e2e-")
        self.env = {k: v for k, v in os.environ.items() if k not in ("WAYLAND_DISPLAY", "SDL_VIDEODRIVER")}
        self.env.update(DISPLAY=self.display, HOME=self.home, XDG_DATA_HOME=os.path.join(self.home, "data"),
                        SDL_AUDIODRIVER="dummy")
        self.game = None

    def user_folder(self):
        return os.path.join(self.home, "data", "brackenwold game studio", "Dravelock")

    def start(self, binary, *args):
        self.output = tempfile.TemporaryFile()
        self.game = subprocess.Popen([binary, *args], env=self.env, stdout=self.output, stderr=subprocess.STDOUT,
                                     start_new_session=True)
        try:
            return wait_for("the game window", self.find_window)
        except AssertionError:
            self.output.seek(0)
            print("game still running:", self.game.poll() is None, "output:", self.output.read()[-2000:])
            raise

    def find_window(self):
        out = self.xdotool("search", "--onlyvisible", "--name", "^Dravelock v2\\.0 \\(x86\\)$", check=False)
        ids = out.split()
        return ids[0] if ids else None

    def xdotool(self, *args, check=True):
        run = subprocess.run(["xdotool", *args], env=self.env, capture_output=True, text=True, timeout=20)
        if check and run.returncode != 0:
            raise AssertionError(f"xdotool {args}: {run.stderr}")
        return run.stdout

    def geometry(self, window):
        """(x, y, width, height) of the window's inner area on the screen."""
        out = subprocess.run(["xwininfo", "-id", window], env=self.env, capture_output=True, text=True,
                             timeout=20).stdout
        fields = dict(line.strip().split(":", 1) for line in out.splitlines() if ":" in line)
        return tuple(int(fields[k]) for k in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))

    def screenshot(self):
        """Presses Ctrl+S and returns the PNG the game saves, read as read_png reads it. The file is
        renamed into place whole, so once it is there it is complete; it is removed after reading."""
        pattern = os.path.join(self.user_folder(), "Dravelock *.png")
        for old in glob.glob(pattern):
            os.remove(old)
        # A key chord sent while the window is still taking the focus can go astray: send it again.
        for attempt in range(10):
            self.xdotool("key", "--clearmodifiers", "ctrl+s")
            try:
                path = wait_for("a screenshot", lambda: glob.glob(pattern), timeout=2)[0]
                break
            except AssertionError:
                if attempt == 9:
                    raise
        shot = read_png(path)
        for taken in glob.glob(pattern):
            os.remove(taken)
        return shot

    def terminate(self, timeout=10):
        self.game.send_signal(signal.SIGTERM)
        return self.game.wait(timeout=timeout)

    def close(self):
        if self.game and self.game.poll() is None:
            self.game.kill()
            self.game.wait()
        self.xvfb.terminate()
        self.xvfb.wait()
        shutil.rmtree(self.home, ignore_errors=True)


def grab(env, window):
    """(width, height, rows of RGB bytes) of what an X window shows, read with xwd."""
    data = subprocess.run(["xwd", "-silent", "-id", window], env=env, capture_output=True, timeout=30).stdout
    header_size = struct.unpack(">I", data[:4])[0]
    fields = struct.unpack(">24I", data[4:100])
    width, height, byte_order, bits, stride, colours = fields[3], fields[4], fields[6], fields[10], fields[11], fields[18]
    assert bits == 32, "only 32-bit screens are read"
    pixels = data[header_size + colours * 12:]
    order = (2, 1, 0) if byte_order == 0 else (1, 2, 3)
    rows = []
    for y in range(height):
        line = pixels[y * stride:y * stride + 4 * width]
        row = bytearray(3 * width)
        for channel, offset in enumerate(order):
            row[channel::3] = line[offset::4]
        rows.append(bytes(row))
    return width, height, rows


def count_colour(rows, colour):
    """How many pixels have this RGB colour (counted as byte runs, which is close enough for
    telling whether a picture is on screen)."""
    wanted = bytes(colour)
    return sum(row.count(wanted) for row in rows)


def read_png(path):
    """(width, height, colour type, interlace, rows of RGB bytes) of an 8-bit RGB PNG."""
    data = open(path, "rb").read()
    assert data[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG"
    pos, idat, header = 8, b"", None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    width, height, depth, colour, _, _, interlace = header
    assert depth == 8 and colour == 2
    raw, stride, rows, previous = zlib.decompress(idat), width * 3, [], bytearray(width * 3)
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            left = line[i - 3] if i >= 3 else 0
            up, corner = previous[i], previous[i - 3] if i >= 3 else 0
            if kind == 1:
                line[i] = (line[i] + left) & 255
            elif kind == 2:
                line[i] = (line[i] + up) & 255
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 255
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                line[i] = (line[i] + (left if pa <= pb and pa <= pc else up if pb <= pc else corner)) & 255
        rows.append(bytes(line))
        previous = line
    return width, height, colour, interlace, rows


def play(binary, scenario):
    """Runs the game in a fresh X server, lets scenario(session, window) act on it, then ends it with
    SIGTERM, which must give exit code 0."""
    session = XSession()
    try:
        window = session.start(binary)
        scenario(session, window)
        code = session.terminate()
        assert code == 0, f"exit code {code}"
    finally:
        session.close()
    print("1 passed, 0 failed")
