#!/usr/bin/env python3
"""End-to-end tests of corvane: the real program on a virtual display, pressed by xdotool.

Each case starts its own Xvfb with openbox, runs corvane with SDL's disk audio driver recording the
device stream, and checks what the window shows (ImageMagick screenshots), what the program prints,
what the device was given and what Save writes. Run it inside dbus-run-session.
"""

import argparse
import array
import os
import re
import select
import shutil
import struct
import subprocess
import sys
import tempfile
import threading
import time
from pathlib import Path

SCREEN_WIDTH, SCREEN_HEIGHT = 1024, 768
ROOT_COLOUR = (255, 0, 255)  # the desktop behind the window: magenta, found in no art
WINDOW_WIDTH, WINDOW_HEIGHT = 400, 300
SKIN_HEIGHT = 273
WINDOW_ICON_SIZE = 128  # the icon image the program hands to the window manager

SAMPLE_COUNT = 44100
FRAME_RATE = 44100
PLAYED_ELEMENTS = SAMPLE_COUNT - 1  # a play-through sends elements 1 to 44,099
SAVED_SIZE = 88244

TRACE_LEFT, TRACE_RIGHT = 43, 262  # columns of the trace's drawn segments on a silent sample
BASELINE_LEFT, BASELINE_RIGHT = 39, 273
BASELINE_ROW = 135
BASELINE_COLOUR = (0, 78, 15)
SCREEN_RECT = (39, 75, 274, 196)  # left, top, right, bottom (exclusive): where the trace may go

# Presses, in window pixels.
CLOSE = (380, 18)
GENERATE = (350, 60)
PLAY = (350, 180)
SAVE = (350, 243)
LIGHTS = (350, 100)
SCREEN = (150, 150)

SOUND_LINE = re.compile(r"^0x[0-9A-F]{8} [A-Za-z]+Voice$")


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def wait_for(predicate, timeout, what, interval=0.02):
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure(f"timed out after {timeout} s waiting for {what}")
        time.sleep(interval)


def log(message):
    print(message, flush=True)


# ---- images ---------------------------------------------------------------------------------------

class Image:
    """Top-down RGB pixels."""

    def __init__(self, width, height, rgb):
        self.width, self.height, self.rgb = width, height, rgb

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.rgb[i:i + 3])

    def crop(self, left, top, width, height):
        rows = []
        for y in range(top, top + height):
            i = (y * self.width + left) * 3
            rows.append(self.rgb[i:i + width * 3])
        return Image(width, height, b"".join(rows))


def read_bmp(path):
    data = Path(path).read_bytes()
    offset = struct.unpack_from("<I", data, 10)[0]
    width, height = struct.unpack_from("<ii", data, 18)
    bits = struct.unpack_from("<H", data, 28)[0]
    check(bits == 24 and height > 0, f"{path}: expected a bottom-up 24-bit bitmap")
    stride = (width * 3 + 3) & ~3
    rgb = bytearray(width * height * 3)
    for y in range(height):
        row = data[offset + (height - 1 - y) * stride:][:width * 3]
        out = y * width * 3
        rgb[out:out + width * 3:3] = row[2::3]
        rgb[out + 1:out + width * 3:3] = row[1::3]
        rgb[out + 2:out + width * 3:3] = row[0::3]
    return Image(width, height, bytes(rgb))


def is_trace_colour(colour):
    red, green, blue = colour
    return red <= 10 and 50 <= green <= 106 and blue <= 30


def in_screen_rect(x, y):
    left, top, right, bottom = SCREEN_RECT
    return left <= x < right and top <= y < bottom


# ---- the desktop ----------------------------------------------------------------------------------

class Desktop:
    """Xvfb, openbox and a hermetic environment in a temporary folder."""

    def __init__(self, workdir, artifacts, case):
        self.workdir = workdir
        self.case = case
        self.artifacts = Path(artifacts) if artifacts else None
        self.processes = []
        self.display_pipe = None
        home = workdir / "home"
        runtime = workdir / "runtime"
        for folder in (home, home / "config", home / "data", home / "cache", runtime):
            folder.mkdir(parents=True, exist_ok=True)
        runtime.chmod(0o700)
        self.env = {
            "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
            "HOME": str(home),
            "LANG": "C.UTF-8",
            "XDG_CONFIG_HOME": str(home / "config"),
            "XDG_DATA_HOME": str(home / "data"),
            "XDG_CACHE_HOME": str(home / "cache"),
            "XDG_RUNTIME_DIR": str(runtime),
            "NO_AT_BRIDGE": "1",
            "GSETTINGS_BACKEND": "memory",
            "GDK_BACKEND": "x11",
        }
        for name in ("DBUS_SESSION_BUS_ADDRESS", "ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"):
            if name in os.environ:
                self.env[name] = os.environ[name]

    def start(self):
        log_file = open(self.workdir / "xvfb.log", "wb")
        read_end, write_end = os.pipe()
        xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-noreset", "-nolisten", "tcp",
             "-screen", "0", f"{SCREEN_WIDTH}x{SCREEN_HEIGHT}x24"],
            pass_fds=(write_end,), stdout=log_file, stderr=log_file)
        self.processes.append(xvfb)
        os.close(write_end)
        # Xvfb writes the number and the newline separately and dies if the pipe is gone between
        # them: read up to the newline, and keep the pipe open while it runs.
        self.display_pipe = read_end
        reported = b""
        deadline = time.monotonic() + 30
        while not reported.endswith(b"\n"):
            ready, _, _ = select.select([read_end], [], [], max(0.0, deadline - time.monotonic()))
            check(ready, "Xvfb did not report its display")
            chunk = os.read(read_end, 64)
            check(chunk, "Xvfb ended before reporting its display")
            reported += chunk
        number = reported.decode().strip()
        check(number.isdigit(), f"Xvfb reported no display number: {number!r}")
        self.env["DISPLAY"] = f":{number}"

        subprocess.run(["display", "-window", "root", "-size", "8x8", "xc:#FF00FF"],
                       env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=30)
        check(self.screenshot().pixel(0, 0) == ROOT_COLOUR, "the desktop did not turn magenta")

        openbox_log = open(self.workdir / "openbox.log", "wb")
        self.processes.append(subprocess.Popen(["openbox", "--sm-disable"], env=self.env,
                                               stdout=openbox_log, stderr=openbox_log))
        wait_for(lambda: "window id" in self.run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK"),
                 20, "openbox to manage the display")

    def stop(self):
        if self.display_pipe is not None:
            os.close(self.display_pipe)
            self.display_pipe = None
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()

    def keep_failure_picture(self):
        """Keeps the screen as it was when a check failed, beside the other artifacts."""
        if self.artifacts is None or "DISPLAY" not in self.env:
            return
        try:
            self.artifacts.mkdir(parents=True, exist_ok=True)
            self.run("import", "-silent", "-window", "root",
                     str(self.artifacts / f"failure-{self.case}.png"))
        except Exception:  # a lost picture must not hide the failure
            pass

    def run(self, *command, check_status=False, timeout=20):
        result = subprocess.run(command, env=self.env, stdout=subprocess.PIPE,
                                stderr=subprocess.PIPE, timeout=timeout)
        if check_status and result.returncode != 0:
            raise Failure(f"{' '.join(command)} failed: {result.stderr.decode(errors='replace')}")
        return result.stdout.decode(errors="replace")

    def xdotool(self, *arguments):
        return self.run("xdotool", *[str(a) for a in arguments], check_status=True)

    def screenshot(self):
        result = subprocess.run(["import", "-silent", "-window", "root", "-depth", "8", "rgb:-"],
                                env=self.env, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                                timeout=30)
        check(result.returncode == 0, f"import failed: {result.stderr.decode(errors='replace')}")
        raw = result.stdout
        check(len(raw) == SCREEN_WIDTH * SCREEN_HEIGHT * 3, "unexpected screenshot size")
        return Image(SCREEN_WIDTH, SCREEN_HEIGHT, raw)

    def visible_windows(self, name_pattern):
        result = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", name_pattern],
                                env=self.env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                timeout=20)
        return [int(w) for w in result.stdout.split()]

    def wait_window(self, name_pattern, timeout=10):
        windows = wait_for(lambda: self.visible_windows(name_pattern), timeout,
                           f"a window named {name_pattern!r}")
        window = windows[-1]
        self.focus(window)
        return window

    def focus(self, window):
        # Keys go where the keyboard focus is; wait until the dialog has it.
        self.xdotool("windowactivate", "--sync", window)
        wait_for(lambda: self.focused_toplevel() == window, 10, f"window {window} to take the focus")
        time.sleep(0.2)  # GTK gives the focused entry its keyboard a moment after mapping

    def focused_toplevel(self):
        return int(self.run("xdotool", "getactivewindow").strip() or 0)

    def wait_focus_leaves(self, window, what):
        """Waits until another window (a question GTK asks) has taken the focus from window."""
        wait_for(lambda: self.focused_toplevel() not in (0, window), 10, what)
        time.sleep(0.2)

    def confirm_chooser(self, dialog):
        """Presses Return in the file chooser until it takes it: while the name entry still
        completes what was typed, a Return can go to the completion."""
        for _ in range(3):
            self.key("Return")
            try:
                wait_for(lambda: not self.is_viewable(dialog) or
                         self.focused_toplevel() not in (0, dialog), 1.5, "the chooser to answer")
                return
            except Failure:
                continue
        raise Failure("the file chooser did not take Return")

    def is_viewable(self, window):
        return "IsViewable" in self.run("xwininfo", "-id", str(window))

    def wait_gone(self, window, timeout=10):
        wait_for(lambda: not self.is_viewable(window), timeout, f"window {window} to close")

    def geometry(self, window):
        values = dict(line.split("=", 1) for line in
                      self.xdotool("getwindowgeometry", "--shell", window).split())
        return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])

    def press(self, x, y):
        self.xdotool("mousemove", x, y, "mousedown", 1, "sleep", 0.05, "mouseup", 1)

    def drag(self, x, y, dx, dy):
        steps = 5
        arguments = ["mousemove", x, y, "mousedown", 1, "sleep", 0.1]
        for step in range(1, steps + 1):
            arguments += ["mousemove", x + dx * step // steps, y + dy * step // steps, "sleep", 0.05]
        arguments += ["sleep", 0.1, "mouseup", 1]
        self.xdotool(*arguments)

    def key(self, *keys):
        self.xdotool("key", "--clearmodifiers", *keys)

    def type_text(self, text):
        self.xdotool("type", "--delay", 15, text)


# ---- the recorded device stream --------------------------------------------------------------------

class Recording:
    """The 16-bit stereo stream SDL's disk driver writes, read as it grows."""

    def __init__(self, path):
        self.path = path
        self.data = bytearray()

    def refresh(self):
        if self.path.exists():
            with open(self.path, "rb") as stream:
                stream.seek(len(self.data))
                self.data += stream.read()
        return self

    def frame_count(self):
        return len(self.refresh().data) // 4

    def find(self, frames, start_frame):
        """First frame index at or after start_frame where `frames` (interleaved pairs) begin."""
        pattern = frames.tobytes()
        position = start_frame * 4
        while True:
            position = self.data.find(pattern, position)
            if position < 0 or position % 4 == 0:
                return -1 if position < 0 else position // 4
            position += 1

    def frames(self, first, count):
        return array.array("h", bytes(self.data[first * 4:(first + count) * 4]))


def device_frames(samples):
    """The frames a play-through sends: elements 1 to 44,099 times 32,766, truncated, L = R."""
    frames = array.array("h")
    for value in samples[1:]:
        level = max(-32766, min(32766, int(value * 32766.0)))
        frames.append(level)
        frames.append(level)
    return frames


# ---- the program ----------------------------------------------------------------------------------

class Corvane:
    def __init__(self, options, desktop, name="corvane"):
        self.options = options
        self.desktop = desktop
        self.recording = Recording(desktop.workdir / f"{name}.raw")
        env = dict(desktop.env)
        env["SDL_AUDIODRIVER"] = "disk"
        env["SDL_DISKAUDIOFILE"] = str(self.recording.path)
        if options.lsan_suppressions:
            env["LSAN_OPTIONS"] = ":".join(filter(None, [
                env.get("LSAN_OPTIONS"), f"suppressions={options.lsan_suppressions}",
                "print_suppressions=0"]))
        self.process = subprocess.Popen([options.corvane], env=env, cwd=desktop.workdir,
                                        stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        self.lines = []  # (monotonic time, line)
        self.stderr = []
        self.lock = threading.Lock()
        self.readers = [threading.Thread(target=self._read, args=(stream, into), daemon=True)
                        for stream, into in ((self.process.stdout, self.lines),
                                             (self.process.stderr, self.stderr))]
        for reader in self.readers:
            reader.start()
        self.window = None

    def _read(self, stream, into):
        for raw in stream:
            with self.lock:
                into.append((time.monotonic(), raw.decode(errors="replace").rstrip("\n")))

    def printed(self):
        with self.lock:
            return list(self.lines)

    def find_window(self, timeout=20):
        def search():
            if self.process.poll() is not None:
                raise Failure(f"corvane ended early with status {self.process.returncode}")
            result = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid",
                                     str(self.process.pid)], env=self.desktop.env,
                                    stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, timeout=20)
            for window in (int(w) for w in result.stdout.split()):
                if self.desktop.geometry(window)[2:] == (WINDOW_WIDTH, WINDOW_HEIGHT):
                    return window
            return None
        self.window = wait_for(search, timeout, "the corvane window")
        # Ready for presses once the first picture is on the screen.
        wait_for(lambda: self.window_image().pixel(*SCREEN) != ROOT_COLOUR, timeout,
                 "the first picture")
        return self.window

    def origin(self):
        x, y, _, _ = self.desktop.geometry(self.window)
        return x, y

    def press(self, point):
        x, y = self.origin()
        self.desktop.press(x + point[0], y + point[1])

    def window_image(self):
        x, y = self.origin()
        return self.desktop.screenshot().crop(x, y, WINDOW_WIDTH, WINDOW_HEIGHT)

    def wait_line(self, count, timeout=10):
        """Waits for the count-th printed line; returns (time, line)."""
        wait_for(lambda: len(self.printed()) >= count or self.process.poll() is not None, timeout,
                 f"printed line {count}")
        lines = self.printed()
        check(len(lines) >= count, f"corvane ended before printing line {count}")
        return lines[count - 1]

    def generate(self):
        """Presses Generate; returns (state, voice, frames recorded at the press, at the line)."""
        count = len(self.printed()) + 1
        at_press = self.recording.frame_count()
        self.press(GENERATE)
        _, line = self.wait_line(count)
        at_line = self.recording.frame_count()
        check(SOUND_LINE.match(line), f"unexpected line on standard output: {line!r}")
        state, voice = line.split()
        return state, voice, at_press, at_line

    def close(self, lines):
        """Presses Close; the program must end with status 0 within a second, having printed exactly
        `lines` lines: a press that ran Generate unasked shows here, however late its line came."""
        pressed = time.monotonic()
        self.press(CLOSE)
        try:
            status = self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            raise Failure("Close did not end the program")
        elapsed = time.monotonic() - pressed
        log(f"Close ended the program in {elapsed * 1000:.0f} ms")
        check(status == 0, f"Close ended the program with status {status}")
        # Under the sanitizers the leak check at exit alone can take a second.
        limit = 5.0 if self.options.sanitized else 1.0
        check(elapsed < limit, f"Close took {elapsed:.2f} s to end the program")
        for reader in self.readers:
            reader.join(timeout=5)  # everything it printed is read
        self.check_output()
        printed = len(self.printed())
        check(printed == lines, f"corvane printed {printed} lines, expected {lines}")

    def check_output(self):
        for _, line in self.printed():
            check(SOUND_LINE.match(line), f"unexpected line on standard output: {line!r}")

    def __enter__(self):
        return self

    def __exit__(self, kind, value, traceback):
        if kind is not None:
            self.desktop.keep_failure_picture()
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        for _, line in self.stderr:
            log(f"  corvane stderr: {line}")
        return False


class Renderer:
    def __init__(self, options, workdir):
        self.options = options
        self.workdir = workdir

    def render(self, state, fmt):
        path = self.workdir / f"render-{state}.{fmt}"
        result = subprocess.run([self.options.render, "-s", state, "-f", fmt, "-o", str(path),
                                 "--force", "-q"], stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                                timeout=60)
        check(result.returncode == 0, f"corvane-render failed: {result.stderr.decode()}")
        return path.read_bytes()

    def voice(self, state):
        result = subprocess.run([self.options.render, "-s", state, "-f", "f64", "-o",
                                 str(self.workdir / "voice.f64"), "--force"],
                                stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=60)
        check(result.returncode == 0, f"corvane-render failed: {result.stderr.decode()}")
        return result.stdout.decode().split()[1]

    def samples(self, state):
        data = self.render(state, "f64")
        check(len(data) == SAMPLE_COUNT * 8, "corvane-render wrote an unexpected f64 size")
        return struct.unpack(f"<{SAMPLE_COUNT}d", data)

    def wav(self, state):
        return self.render(state, "pcm16")


# ---- checks shared by the cases --------------------------------------------------------------------

def check_outline_and_skin(image, skin, trace_may_move):
    """Outside the shape the desktop shows; inside, the skin, with the trace only where it may be."""
    check(image.pixel(0, 0) == ROOT_COLOUR, "window pixel (0, 0) is part of the window")
    for y in range(SKIN_HEIGHT, WINDOW_HEIGHT):
        for x in range(WINDOW_WIDTH):
            check(image.pixel(x, y) == ROOT_COLOUR, f"window pixel ({x}, {y}) below the art is shown")
    shown = 0
    for y in range(SKIN_HEIGHT):
        for x in range(WINDOW_WIDTH):
            colour = image.pixel(x, y)
            if colour == ROOT_COLOUR:
                check(skin.pixel(x, y) == (255, 255, 255),
                      f"window pixel ({x}, {y}) of the art is cut off by the outline")
                continue
            shown += 1
            if trace_may_move and in_screen_rect(x, y):
                continue
            if y == BASELINE_ROW and BASELINE_LEFT <= x <= BASELINE_RIGHT:
                if TRACE_LEFT <= x <= TRACE_RIGHT:
                    check(is_trace_colour(colour), f"trace pixel ({x}, 135) has colour {colour}")
                else:
                    check(colour == BASELINE_COLOUR, f"baseline pixel ({x}, 135) has colour {colour}")
                continue
            check(colour == skin.pixel(x, y),
                  f"window pixel ({x}, {y}) is {colour}, the skin has {skin.pixel(x, y)}")
    check(shown > 0.9 * WINDOW_WIDTH * SKIN_HEIGHT, "too little of the window is shown")


def differing_pixels(first, second):
    return [(x, y) for y in range(first.height) for x in range(first.width)
            if first.pixel(x, y) != second.pixel(x, y)]


def trace_pixels_off_baseline(image, skin):
    left, top, right, bottom = SCREEN_RECT
    return sum(1 for y in range(top, bottom) if y != BASELINE_ROW for x in range(left, right)
               if image.pixel(x, y) != skin.pixel(x, y))


def check_play_through(corvane, expected, after_frame, what, timeout=10):
    """Finds the whole play-through recorded after after_frame; returns its first frame."""
    recording = corvane.recording
    first_sound = next(i for i in range(PLAYED_ELEMENTS) if expected[2 * i] != 0)
    probe = expected[2 * first_sound:2 * (first_sound + 2000)]

    def located():
        recording.refresh()
        position = recording.find(probe, after_frame)
        return position if position >= 0 else None

    start = wait_for(located, timeout, f"the sound of {what} in the recorded stream") - first_sound
    check(start >= after_frame, f"{what}: the sound began before the press")
    wait_for(lambda: recording.frame_count() >= start + PLAYED_ELEMENTS + 100, timeout,
             f"the whole play-through of {what}")
    recorded = recording.frames(start, PLAYED_ELEMENTS)
    if recorded != expected:
        mismatch = next(i for i in range(len(expected)) if recorded[i] != expected[i])
        raise Failure(f"{what}: recorded frame {mismatch // 2} is {recorded[mismatch]}, "
                      f"expected {expected[mismatch]}")
    after = recording.frames(start + PLAYED_ELEMENTS, 100)
    check(all(v == 0 for v in after), f"{what}: the play-through does not end in silence")
    return start, first_sound


# ---- the cases -------------------------------------------------------------------------------------

def case_window(options, desktop, renderer):
    with Corvane(options, desktop) as corvane:
        window = corvane.find_window()
        geometry = desktop.geometry(window)
        check(geometry == (100, 100, WINDOW_WIDTH, WINDOW_HEIGHT),
              f"window geometry is {geometry}, expected 400 x 300 at (100, 100)")
        check(desktop.run("xdotool", "getwindowname", str(window)).strip() == "Corvane",
              "the window is not titled Corvane")
        check('"corvane"' in desktop.run("xprop", "-id", str(window), "WM_CLASS"),
              "the window's class is not corvane")
        check_icon(desktop, window, options)

        skin = read_bmp(Path(options.source) / "resources" / "skin.bmp")
        first = corvane.window_image()
        check_outline_and_skin(first, skin, trace_may_move=False)
        # The trace shimmers on row 135 and nowhere else while the sample is silent.
        second = wait_for(lambda: (lambda image: image if differing_pixels(first, image) else None)(
            corvane.window_image()), 5, "the idle repaint to change the trace's colours")
        moved = [p for p in differing_pixels(first, second) if p[1] != BASELINE_ROW]
        check(not moved, f"a silent trace changed off row 135 at {moved[:5]}")
        check_outline_and_skin(second, skin, trace_may_move=False)
        corvane.close(lines=0)


def check_icon(desktop, window, options):
    values = desktop.run("xprop", "-id", str(window), "-notype", "32c", "_NET_WM_ICON")
    numbers = [int(v) for v in re.findall(r"\d+", values.split("=", 1)[-1])]
    check(numbers[:2] == [WINDOW_ICON_SIZE, WINDOW_ICON_SIZE],
          f"the window's icon is {numbers[:2]}, expected the program's {WINDOW_ICON_SIZE} x "
          f"{WINDOW_ICON_SIZE} image")
    png = Path(options.source) / "resources" / "icons" / f"corvane-{WINDOW_ICON_SIZE}.png"
    rgba = subprocess.run(["convert", str(png), "-depth", "8", "rgba:-"], stdout=subprocess.PIPE,
                          check=True, timeout=30).stdout
    for i in range(WINDOW_ICON_SIZE * WINDOW_ICON_SIZE):
        red, green, blue, alpha = rgba[4 * i:4 * i + 4]
        argb = (alpha << 24) | (red << 16) | (green << 8) | blue
        check(numbers[2 + i] & 0xFFFFFFFF == argb, f"icon pixel {i} differs from {png.name}")


def case_sound(options, desktop, renderer):
    with Corvane(options, desktop) as corvane:
        corvane.find_window()
        skin = read_bmp(Path(options.source) / "resources" / "skin.bmp")
        wait_for(lambda: corvane.recording.frame_count() > 0, 10, "the device to start recording")

        state, voice, at_press, at_line = corvane.generate()
        log(f"generated {state} {voice}")
        check(renderer.voice(state) == voice, f"corvane-render names another voice for {state}")
        expected = device_frames(renderer.samples(state))
        start, first_sound = check_play_through(corvane, expected, at_press, "Generate")
        delay = start - at_line
        check(delay <= FRAME_RATE // 2,
              f"the sound began {delay / FRAME_RATE * 1000:.0f} ms of stream after the printed line")
        log(f"FIGURE generate-to-sound: {(start + first_sound - at_press) / FRAME_RATE * 1000:.0f} ms "
            f"of stream from the press to the first non-silent frame, "
            f"{(start - at_line) / FRAME_RATE * 1000:.0f} ms from the printed line to the "
            f"play-through's first frame")

        image = corvane.window_image()
        check(trace_pixels_off_baseline(image, skin) > 100, "the trace is still flat after Generate")
        check_outline_and_skin(image, skin, trace_may_move=True)
        save_window_picture(desktop, corvane, options)

        # Play sends the very same frames again.
        at_play = corvane.recording.frame_count()
        corvane.press(PLAY)
        check_play_through(corvane, expected, at_play, "Play")
        check(len(corvane.printed()) == 1, "Play printed a line")
        corvane.close(lines=1)


def save_window_picture(desktop, corvane, options):
    """Keeps a picture of the window for the documentation, transparent outside its outline."""
    if not options.artifacts:
        return
    folder = Path(options.artifacts)
    folder.mkdir(parents=True, exist_ok=True)
    x, y = corvane.origin()
    shot = desktop.workdir / "shot.png"
    desktop.run("import", "-silent", "-window", "root", str(shot), check_status=True)
    subprocess.run(["convert", str(shot), "-crop", f"{WINDOW_WIDTH}x{SKIN_HEIGHT}+{x}+{y}",
                    "+repage", "-transparent", "#FF00FF", str(folder / "window.png")],
                   check=True, timeout=30)


def case_bounds(options, desktop, renderer):
    with Corvane(options, desktop) as corvane:
        corvane.find_window()
        lines = 0

        def expect_drag(point, what):
            before = corvane.origin()
            x, y = before[0] + point[0], before[1] + point[1]
            desktop.drag(x, y, 40, 25)
            wait_for(lambda: corvane.origin() == (before[0] + 40, before[1] + 25), 5,
                     f"a press at {what} to drag the window")
            time.sleep(0.5)  # long enough for a Generate to have printed
            check(len(corvane.printed()) == lines, f"a press at {what} ran a command")
            expect_nothing_before_generate(what)

        def expect_nothing(point):
            before = corvane.origin()
            corvane.press(point)
            time.sleep(0.5)
            check(len(corvane.printed()) == lines, f"a press at {point} outside the outline ran a command")
            check(corvane.origin() == before, f"a press at {point} outside the outline moved the window")
            expect_nothing_before_generate(f"{point} outside the outline")

        def expect_generate(point):
            nonlocal lines
            before = corvane.origin()
            corvane.press(point)
            _, line = corvane.wait_line(lines + 1)
            lines += 1
            check(SOUND_LINE.match(line), f"unexpected line {line!r}")
            check(corvane.origin() == before, f"a press at {point} moved the window")

        def expect_nothing_before_generate(what):
            # Presses are handled in order, and a Generate prints before the next press is handled:
            # once Generate's line is in, the press at `what` has been handled. One new line, then,
            # unless it too printed one (a line later still is caught at Close).
            expect_generate(GENERATE)
            check(len(corvane.printed()) == lines, f"a press at {what} ran a command")

        expect_drag((305, 50), "(305, 50)")
        expect_generate((306, 50))
        # The last column belongs to Generate; whether a press there reaches the window at all is
        # the outline's decision.
        if corvane.window_image().pixel(399, 50) != ROOT_COLOUR:
            expect_generate((399, 50))
        else:
            expect_nothing((399, 50))
        expect_generate((398, 50))
        expect_drag((306, 240), "(306, 240)")
        expect_drag(LIGHTS, "the strip of lights (350, 100)")
        expect_drag(SCREEN, "the screen (150, 150)")

        # (307, 240) is Save: the dialog opens, and Cancel does nothing.
        before = sorted(p.name for p in desktop.workdir.iterdir())
        corvane.press((307, 240))
        dialog = desktop.wait_window("^Save sample as\\.\\.\\.$")
        desktop.key("Escape")
        desktop.wait_gone(dialog)
        time.sleep(0.3)
        check(not desktop.visible_windows("^Can't open file$"), "a cancelled save showed a message")
        after = sorted(p.name for p in desktop.workdir.iterdir() if not p.name.endswith(".raw"))
        check(after == [n for n in before if not n.endswith(".raw")], "a cancelled save wrote a file")
        corvane.close(lines)


def case_save(options, desktop, renderer):
    out = desktop.workdir / "out"
    out.mkdir()
    skin = read_bmp(Path(options.source) / "resources" / "skin.bmp")
    with Corvane(options, desktop) as corvane:
        corvane.find_window()
        first_state = corvane.generate()[0]
        first_wav = renderer.wav(first_state)

        def open_dialog():
            corvane.press(SAVE)
            return desktop.wait_window("^Save sample as\\.\\.\\.$")

        def save_as(text, drop_completion=False):
            dialog = open_dialog()
            desktop.key("ctrl+a")
            desktop.type_text(text)
            if drop_completion:
                # The chooser completes typed text to a matching file's name ("take" →
                # "take.wav"), but only as text is added: end on a character that matches
                # nothing, then take it away.
                desktop.type_text("#")
                desktop.key("BackSpace")
            desktop.confirm_chooser(dialog)
            return dialog

        def wait_content(path, content, what):
            wait_for(lambda: path.exists() and path.read_bytes() == content, 10, what)

        # A typed path with its extension.
        desktop.wait_gone(save_as(str(out / "take.wav")))
        wait_content(out / "take.wav", first_wav, "take.wav to hold the sound")
        # A name without extension gets ".wav".
        desktop.wait_gone(save_as(str(out / "bare")))
        wait_content(out / "bare.wav", first_wav, "bare.wav to hold the sound")
        check(sorted(p.name for p in out.iterdir()) == ["bare.wav", "take.wav"],
              f"unexpected files: {sorted(p.name for p in out.iterdir())}")

        second_state = corvane.generate()[0]
        second_wav = renderer.wav(second_state)
        check(second_wav != first_wav, "two Generates made the same sound")

        # The next dialog offers the last path; replacing it is asked first.
        dialog = open_dialog()
        desktop.key("Return")
        desktop.wait_focus_leaves(dialog, "the question before replacing bare.wav")
        check((out / "bare.wav").read_bytes() == first_wav, "an existing file was replaced unasked")
        desktop.key("alt+r")
        desktop.wait_gone(dialog)
        wait_content(out / "bare.wav", second_wav, "the offered bare.wav to be replaced")

        # The name typed without extension names an existing file: asked too. Cancel goes back.
        save_as(str(out / "take"), drop_completion=True)
        question = desktop.wait_window("^Confirm Save As$")
        desktop.key("alt+c")
        desktop.wait_gone(question)
        dialog = desktop.wait_window("^Save sample as\\.\\.\\.$")
        desktop.key("Escape")
        desktop.wait_gone(dialog)
        check((out / "take.wav").read_bytes() == first_wav, "a declined replace wrote the file")
        save_as(str(out / "take"), drop_completion=True)
        desktop.wait_window("^Confirm Save As$")
        desktop.key("alt+r")
        wait_content(out / "take.wav", second_wav, "take.wav to be replaced after the question")

        # A read-only file is refused, even where the user could write it.
        locked = out / "locked.wav"
        locked.write_bytes(first_wav)
        locked.chmod(0o444)
        dialog = save_as(str(locked))
        desktop.wait_focus_leaves(dialog, "the question before replacing locked.wav")
        desktop.key("alt+r")  # the chooser's own question about an existing file
        warning = wait_for(lambda: [w for w in desktop.visible_windows("^Save sample as\\.\\.\\.$")
                                    if desktop.geometry(w)[2] < 700], 10, "the read-only warning")[0]
        desktop.focus(warning)
        desktop.key("Return")
        dialog = desktop.wait_window("^Save sample as\\.\\.\\.$")
        desktop.key("Escape")
        desktop.wait_gone(dialog)
        check(locked.read_bytes() == first_wav, "a read-only file was replaced")

        dialog, lines = check_dialog_is_modal(desktop, corvane, skin, open_dialog)

        # A target that cannot be written: the message box, and no file.
        target = Path("/proc") / f"corvane-e2e-{os.getpid()}.wav"
        desktop.key("ctrl+a")
        desktop.type_text(str(target))
        desktop.confirm_chooser(dialog)
        box = desktop.wait_window("^Can't open file$")
        check(desktop.run("xdotool", "getwindowname", str(box)).strip() == "Can't open file",
              "the message box has another caption")
        desktop.key("Return")
        desktop.wait_gone(box)
        check(not target.exists(), "a file appeared under /proc")
        check(corvane.process.poll() is None, "corvane ended after the message box")
        # The presses made while the dialog was open have been handled by the time a Generate
        # after them prints: it must be the only new line.
        corvane.generate()
        check(len(corvane.printed()) == lines + 1, "a press made while the dialog was open ran Generate")
        corvane.close(lines + 1)


def check_dialog_is_modal(desktop, corvane, skin, open_dialog):
    """With the chooser open the window repaints when uncovered and does nothing else; returns the
    dialog and the number of lines printed before the presses on the window."""
    dialog = open_dialog()
    origin = corvane.origin()
    # Cover the window with the dialog, then uncover it: the window must paint itself again.
    desktop.xdotool("windowsize", dialog, 600, 450)
    desktop.xdotool("windowmove", "--sync", dialog, origin[0] + 50, origin[1] + 40)
    time.sleep(0.3)
    desktop.xdotool("windowmove", "--sync", dialog, 520, 310)
    wait_for(lambda: desktop.geometry(dialog)[0] >= 500, 5, "the dialog to move away")
    time.sleep(0.3)
    uncovered = corvane.window_image()
    check_outline_and_skin(uncovered, skin, trace_may_move=True)
    check(trace_pixels_off_baseline(uncovered, skin) > 100, "the uncovered trace was not drawn")
    # No idle repaint while the dialog is open: the shimmer stops.
    time.sleep(0.4)
    check(not differing_pixels(uncovered, corvane.window_image()),
          "the window kept repainting while the dialog was open")
    # Presses on the window do nothing: no Generate, no drag.
    lines = len(corvane.printed())
    corvane.press(GENERATE)
    x, y = corvane.origin()
    desktop.drag(x + LIGHTS[0], y + LIGHTS[1], 30, 20)
    time.sleep(0.6)
    check(len(corvane.printed()) == lines, "a press ran Generate while the dialog was open")
    check(corvane.origin() == origin, "the window was dragged while the dialog was open")
    desktop.focus(dialog)
    return dialog, lines


def case_no_display(options, desktop, renderer):
    env = {k: v for k, v in desktop.env.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
    result = subprocess.run([options.corvane], env=env, stdout=subprocess.PIPE,
                            stderr=subprocess.PIPE, timeout=60)
    errors = result.stderr.decode(errors="replace").splitlines()
    check(result.returncode == 1, f"without a display corvane exits {result.returncode}, not 1")
    check(len(errors) == 1 and "display" in errors[0],
          f"without a display corvane should say so in one line, said {errors}")
    check(not result.stdout, "without a display corvane printed on standard output")


CASES = {
    "window": case_window,
    "sound": case_sound,
    "bounds": case_bounds,
    "save": case_save,
    "no_display": case_no_display,
}


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--case", required=True, choices=sorted(CASES))
    parser.add_argument("--corvane", required=True)
    parser.add_argument("--render", required=True)
    parser.add_argument("--source", required=True)
    parser.add_argument("--artifacts")
    parser.add_argument("--lsan-suppressions")
    parser.add_argument("--sanitized", action="store_true",
                        help="corvane is built with sanitizers: allow for their exit checks")
    parser.add_argument("--keep", action="store_true", help="keep the temporary folder")
    options = parser.parse_args()
    options.corvane = os.path.abspath(options.corvane)
    options.render = os.path.abspath(options.render)

    missing = [tool for tool in ("Xvfb", "openbox", "xdotool", "xprop", "xwininfo", "import",
                                 "display", "convert") if shutil.which(tool) is None]
    if missing:
        log(f"missing {', '.join(missing)} (scripts/install-deps installs them)")
        # In CI the tools are installed by the test command itself: their absence is a failure there.
        return 1 if os.environ.get("CI") else 77

    workdir = Path(tempfile.mkdtemp(prefix=f"corvane-e2e-{options.case}-"))
    desktop = Desktop(workdir, options.artifacts, options.case)
    renderer = Renderer(options, workdir)
    try:
        if options.case != "no_display":
            desktop.start()
        CASES[options.case](options, desktop, renderer)
        log(f"e2e {options.case}: passed")
        return 0
    except Failure as failure:
        log(f"e2e {options.case}: FAILED: {failure}")
        return 1
    finally:
        desktop.stop()
        for log_name in ("openbox.log", "xvfb.log"):
            path = workdir / log_name
            if path.exists() and path.stat().st_size and options.keep:
                log(path.read_text(errors="replace"))
        if options.keep:
            log(f"kept {workdir}")
        else:
            shutil.rmtree(workdir, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
