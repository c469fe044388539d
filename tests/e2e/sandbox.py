"""A private desktop for the real program: a PulseAudio server whose null sink
is recorded in real time, an Xvfb display, and the program driven by its
access keys with xdotool. Every process started here is bounded by a timeout,
dies with this one (parent-death signal) and is stopped on the way out."""

import array
import ctypes
import os
import re
import select
import shutil
import signal
import subprocess
import tempfile
import threading
import time
from pathlib import Path

RATE = 44100
_TYPE_AHEAD_INTERVAL = 0.5  # seconds; Qt forgets typed letters after 400 ms
_PR_SET_PDEATHSIG = 1
_libc = ctypes.CDLL(None, use_errno=True)

# The environment of a desktop session that must not leak into the sandbox.
_FOREIGN = ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "ALSA_CONFIG_PATH", "PULSE_",
            "XDG_", "XAUTHORITY", "DBUS_SESSION_BUS_ADDRESS")

_SERVER_SCRIPT = """\
load-module module-native-protocol-unix auth-anonymous=1 socket={socket}
load-module module-null-sink sink_name=morse rate=44100 format=s16le channels=1 norewinds=1
set-default-sink morse
"""


def _die_with_parent():
    _libc.prctl(_PR_SET_PDEATHSIG, signal.SIGKILL)


class Recorder:
    """parec on the sink's monitor, read as it arrives, with the wall-clock
    time at which each chunk came in."""

    def __init__(self, env, log):
        self._process = subprocess.Popen(
            ["parec", "-d", "morse.monitor", "--rate=44100", "--channels=1",
             "--format=s16le", "--latency-msec=20"],
            env=env, stdout=subprocess.PIPE, stderr=log, preexec_fn=_die_with_parent)
        self._data = bytearray()
        self._samples = None         # everything recorded, once stopped
        self._last_sound = -1        # index of the last non-zero sample
        self._clock_offset = None    # wall time of sample 0, earliest estimate
        self._changed = threading.Condition()
        self._thread = threading.Thread(target=self._read, daemon=True)
        self._thread.start()

    def _read(self):
        fd = self._process.stdout.fileno()
        while chunk := os.read(fd, 65536):
            arrival = time.monotonic()
            with self._changed:
                start = len(self._data)
                self._data += chunk
                whole = len(self._data) // 2
                offset = arrival - whole / RATE
                if self._clock_offset is None or offset < self._clock_offset:
                    self._clock_offset = offset
                nonzero = len(chunk.rstrip(b"\0"))
                if nonzero:
                    self._last_sound = (start + nonzero - 1) // 2
                self._changed.notify_all()
        with self._changed:
            self._changed.notify_all()

    @property
    def position(self):
        with self._changed:
            return len(self._data) // 2

    def time_of(self, sample):
        """The monotonic time at which `sample` reached the recorder."""
        with self._changed:
            return self._clock_offset + sample / RATE

    def wait(self, condition, timeout, what):
        with self._changed:
            if not self._changed.wait_for(lambda: condition(self), timeout):
                raise TimeoutError(f"waited {timeout} s for {what}")

    def wait_for_samples(self, count, timeout=10):
        self.wait(lambda r: len(r._data) // 2 >= count, timeout, f"{count} recorded samples")

    def wait_for_sound(self, since, timeout, what):
        """Waits until something was heard after sample `since`."""
        self.wait(lambda r: r._last_sound >= since, timeout, what)

    def wait_until_quiet(self, since, quiet_ms, timeout):
        """Waits until something was heard after sample `since` and then
        `quiet_ms` of silence followed it."""
        quiet = quiet_ms * RATE // 1000
        self.wait(lambda r: r._last_sound >= since and len(r._data) // 2 - r._last_sound > quiet,
                  timeout, f"a sound after sample {since} and {quiet_ms} ms of silence")

    def wait_until_time(self, moment, timeout):
        """Waits until what was heard at monotonic time `moment` has been recorded."""
        self.wait(lambda r: r._clock_offset is not None
                  and r._clock_offset + len(r._data) // 2 / RATE > moment,
                  timeout, "the recording to catch up")

    def stop(self):
        """Stops parec (at the first call) and returns every sample recorded."""
        if self._samples is None:
            _stop(self._process, signal.SIGINT)
            self._thread.join(timeout=5)
            self._samples = array.array("h")
            with self._changed:
                self._samples.frombytes(bytes(self._data[:len(self._data) // 2 * 2]))
        return self._samples


class Sandbox:
    """The private PulseAudio server, Xvfb and recorder, under one temporary
    directory directly below /tmp (so that the program's file walk, which
    starts at "/", reaches it as "tmp" and then its name)."""

    def __init__(self, keep_on_failure=None):
        self.root = Path(tempfile.mkdtemp(prefix="korvane-e2e-", dir="/tmp"))
        self._keep = keep_on_failure
        self._processes = []
        self._logs = []
        self.env = None
        self.recorder = None

    def __enter__(self):
        try:
            self._start()
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def __exit__(self, kind, value, trace):
        if self.recorder is not None:
            self.recorder.stop()
        for process in reversed(self._processes):
            _stop(process)
        for log in self._logs:
            log.close()
        if kind is not None and self._keep is not None:
            shutil.rmtree(self._keep, ignore_errors=True)
            shutil.copytree(self.root, self._keep, ignore=shutil.ignore_patterns("native"),
                            symlinks=True, ignore_dangling_symlinks=True)
        shutil.rmtree(self.root, ignore_errors=True)
        return False

    def log(self, name):
        handle = open(self.root / name, "ab")
        self._logs.append(handle)
        return handle

    def start(self, command, **options):
        process = subprocess.Popen(command, env=self.env, preexec_fn=_die_with_parent, **options)
        self._processes.append(process)
        return process

    def _start(self):
        for name in ("home", "run", "state"):
            (self.root / name).mkdir(mode=0o700)
        (self.root / "client.conf").write_text("autospawn = no\n")
        (self.root / "null.pa").write_text(_SERVER_SCRIPT.format(socket=self.root / "native"))
        env = {k: v for k, v in os.environ.items() if not k.startswith(_FOREIGN)}
        env.update(HOME=str(self.root / "home"), XDG_RUNTIME_DIR=str(self.root / "run"),
                   PULSE_RUNTIME_PATH=str(self.root / "run"),
                   PULSE_STATE_PATH=str(self.root / "state"),
                   PULSE_SERVER=f"unix:{self.root / 'native'}",
                   PULSE_CLIENTCONFIG=str(self.root / "client.conf"), LC_ALL="C.UTF-8")
        self.env = env
        self._start_pulseaudio()
        self._start_xvfb()
        self.recorder = Recorder(env, self.log("parec.log"))
        self.recorder.wait_for_samples(RATE // 10)

    def _start_pulseaudio(self):
        self.start(["pulseaudio", "--daemonize=no", "-n", f"--file={self.root / 'null.pa'}",
                    "--use-pid-file=no", "--exit-idle-time=-1", "--realtime=yes",
                    "--high-priority=yes", f"--log-target=file:{self.root / 'pulse.log'}"],
                   stdout=subprocess.DEVNULL, stderr=self.log("pulseaudio.err"))
        deadline = time.monotonic() + 20
        while subprocess.run(["pactl", "info"], env=self.env, stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL, timeout=10).returncode != 0:
            if time.monotonic() > deadline or self._processes[-1].poll() is not None:
                raise RuntimeError("the PulseAudio server did not start: see pulse.log")
            time.sleep(0.05)

    def _start_xvfb(self):
        read_end, write_end = os.pipe()
        # Without -noreset the server resets whenever its last client leaves, and
        # a program started just then cannot connect.
        self.start(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
                    "-noreset", "-nolisten", "tcp"], pass_fds=(write_end,),
                   stdout=subprocess.DEVNULL, stderr=self.log("xvfb.log"))
        os.close(write_end)
        # Xvfb writes the number and then a newline, and dies if that newline
        # cannot be written: read up to it before closing the pipe.
        display = b""
        while not display.endswith(b"\n") and select.select([read_end], [], [], 20)[0]:
            if not (chunk := os.read(read_end, 64)):
                break
            display += chunk
        os.close(read_end)
        display = display.decode().strip()
        if not display.isdigit():
            raise RuntimeError("Xvfb did not start: see xvfb.log")
        self.env["DISPLAY"] = f":{display}"

    def xdotool(self, *arguments, timeout=20):
        result = subprocess.run(["xdotool", *arguments], env=self.env, capture_output=True,
                                text=True, timeout=timeout)
        if result.returncode != 0:
            raise RuntimeError(f"xdotool {' '.join(arguments)}: {result.stderr.strip()}")
        return result.stdout


class Program:
    """One run of the real program in a working directory of the sandbox."""

    def __init__(self, sandbox, executable, workdir):
        self.box = sandbox
        self.process = sandbox.start([str(executable)], cwd=workdir,
                                     stdout=sandbox.log("korvane.out"),
                                     stderr=sandbox.log("korvane.err"))
        self.exit_time = None
        self._seen = set()
        self._typed = 0.0

    def window(self, caption="Korvane", timeout=30):
        """A visible window with exactly this caption that was not returned
        before (every showing of a window is a new one)."""
        pattern = "^" + re.escape(caption) + "$"
        deadline = time.monotonic() + timeout
        while True:
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", pattern],
                                   env=self.box.env, capture_output=True, text=True, timeout=10)
            fresh = [w for w in found.stdout.split() if w not in self._seen]
            if fresh:
                self._seen.add(fresh[-1])
                return fresh[-1]
            if self.process.poll() is not None:
                raise RuntimeError(f"the program ended (status {self.process.returncode}) "
                                   f"before a window {caption!r} appeared")
            if time.monotonic() > deadline:
                raise TimeoutError(f"no window {caption!r} within {timeout} s")
            time.sleep(0.05)

    def wait_caption(self, window, caption, timeout=30):
        deadline = time.monotonic() + timeout
        while (now := self.box.xdotool("getwindowname", window).rstrip("\n")) != caption:
            if time.monotonic() > deadline:
                raise TimeoutError(f"the caption stayed {now!r}, expected {caption!r}")
            time.sleep(0.05)

    def press(self, window, *keys):
        """Focuses `window` and presses the keys; returns the monotonic time
        right after the first key went out."""
        self.box.xdotool("windowfocus", "--sync", window)
        self.box.xdotool("key", keys[0])
        pressed = time.monotonic()
        for key in keys[1:]:
            self.box.xdotool("key", key)
        return pressed

    def type(self, window, text):
        """Types into the focused control. A list box takes typed letters as
        the start of a line's text, and goes on adding to what it was given
        until Qt's keyboard input interval (400 ms) passes without a key;
        each text typed here is kept apart from the one before by waiting that out."""
        since_last = time.monotonic() - self._typed
        if since_last < _TYPE_AHEAD_INTERVAL:
            time.sleep(_TYPE_AHEAD_INTERVAL - since_last)
        self.box.xdotool("windowfocus", "--sync", window)
        self.box.xdotool("type", "--delay", "20", text)
        self._typed = time.monotonic()

    def wait_exit(self, timeout):
        """Waits for the end of the run and for the recording to hold its last sound."""
        try:
            status = self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise TimeoutError(f"the program did not end within {timeout} s") from None
        self.exit_time = time.monotonic()
        self.box.recorder.wait_until_time(self.exit_time + 0.3, timeout=10)
        return status


def _stop(process, first_signal=signal.SIGTERM):
    if process.poll() is None:
        process.send_signal(first_signal)
        try:
            process.wait(timeout=5)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()
