# A private desktop for the real program, for the end-to-end tests and the
# timing benchmark: an Xvfb display, a sound server whose null sink is recorded
# in real time by parec, xdotool to press the program's access keys, and on
# request a screen reader (Orca) whose speech log is read as it is written.
# Every process started here dies with this one and is killed on the way out.
# The sound server is one of SOUND_SERVERS: PulseAudio, or PipeWire (as Debian's
# desktops run it) reached by ALSA's PulseAudio plugin or by PipeWire's own.

import bisect
import ctypes
import glob
import os
import re
import shutil
import subprocess
import tempfile
import threading
import time
import tty
from pathlib import Path

import numpy as np

RATE = 44100
# The socket comes last: once it is there, so is the sink.
_SERVER = """load-module module-null-sink sink_name=morse rate=44100 format=s16le channels=1 \
norewinds=1
set-default-sink morse
load-module module-native-protocol-unix auth-anonymous=1 socket={0}/native"""
# PipeWire at 44,100 Hz with its own default cycle of 1024 frames, which a short
# stream (the recorder's) would otherwise pull down to cycles so short that a
# small machine misses some of them.
_PIPEWIRE = """context.properties = {
    default.clock.rate = 44100
    default.clock.allowed-rates = [ 44100 ]
    default.clock.quantum = 1024
    default.clock.min-quantum = 1024
}"""
# PipeWire's ALSA plugin, unpacked (not installed: its package makes it the
# machine's ALSA default) by tools/install-deps.sh; this configuration replaces
# ALSA's own, so that only the program's `default` device goes through it.
PIPEWIRE_ALSA = Path(os.environ.get("XDG_CACHE_HOME", Path.home() / ".cache"),
                     "korvane", "pipewire-alsa")
_PIPEWIRE_ALSA_CONFIG = """pcm_type.pipewire {{ lib "{0}" }}
pcm.!default {{ type pipewire }}"""
SOUND_SERVERS = ("pulseaudio", "pipewire", "pipewire-alsa")
_libc = ctypes.CDLL(None)
# xdotool's own library, so that a key goes out within this process: the time
# taken just before it is the press, with no process start or exit in between.
_xdo = ctypes.CDLL("libxdo.so.3")
_xdo.xdo_new.restype = ctypes.c_void_p
_xdo.xdo_send_keysequence_window.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_char_p,
                                             ctypes.c_uint]


def wait(condition, timeout, what):
    deadline = time.monotonic() + timeout
    while not (result := condition()):
        if time.monotonic() > deadline:
            raise TimeoutError(f"waited {timeout} s for {what}")
        time.sleep(0.05)
    return result


# When a Wine prefix's registry last changed on disk: now while it is being replaced.
def _registry_written(prefix):
    try:
        return max((path.stat().st_mtime for path in prefix.glob("*.reg")), default=time.time())
    except OSError:
        return time.time()


# Everything lives in a new directory right below /tmp, so that the program's
# file window, which starts at "/", reaches it as "tmp" and then its name. The
# caller starts the program with start() and sets `program` to it.
class Sandbox:
    def __init__(self, sound="pulseaudio"):
        assert sound in SOUND_SERVERS, sound
        self.sound = sound
        # What PipeWire adds between the program and the recorder: the cycle
        # its graph has taken from the program and plays out whatever comes.
        self.cycle = 0 if sound == "pulseaudio" else 1024 / RATE

    def __enter__(self):
        self._dir = tempfile.TemporaryDirectory(prefix="korvane-e2e-", dir="/tmp")
        self.root = r = Path(self._dir.name)
        self._processes, self._seen, self._data = [], set(), bytearray()
        self._last, self._arrivals = -1, []  # the last sound; (samples, time) of each read
        self.wine_dry = []  # see _read_wine
        # Should this fail, the processes die with the caller and the directory goes at its exit.
        (r / "home").mkdir(mode=0o700)
        (r / "run").mkdir(mode=0o700)
        # Nothing of the caller's desktop session: only this sandbox's servers.
        self.env = dict(PATH=os.environ["PATH"], LC_ALL="C.UTF-8", HOME=f"{r}/home",
                        XDG_RUNTIME_DIR=f"{r}/run", PULSE_SERVER=f"unix:{r}/native")
        if self.sound == "pulseaudio":
            (r / "null.pa").write_text(_SERVER.format(r))
        else:
            self._configure_pipewire()
        self._start_sound()
        # Xvfb takes a free display, never a fixed one, and writes its number. With
        # -noreset it does not reset whenever its last client leaves, which would
        # turn away a program starting just then.
        xvfb = self.start(["Xvfb", "-displayfd", "1", "-screen", "0", "1280x1024x24", "-noreset",
                           "-nolisten", "tcp"], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        self.env["DISPLAY"] = ":" + xvfb.stdout.readline().decode().strip()
        self._keyboard = _xdo.xdo_new(self.env["DISPLAY"].encode())
        self._start_recorder()
        return self

    def __exit__(self, *_):
        # Wine's services are no children of this process: their server ends them.
        if "WINEPREFIX" in self.env:
            subprocess.run(["wineserver", "--kill"], env=self.env, timeout=30)
        # Asked to end first, so that the Wine server removes its socket.
        for process in reversed(self._processes):
            process.terminate()
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        self._dir.cleanup()

    # PipeWire's settings, state and session bus are the sandbox's own, and its
    # PulseAudio server listens where PulseAudio's would.
    def _configure_pipewire(self):
        r = self.root
        (conf := r / "config" / "pipewire" / "pipewire.conf.d").mkdir(parents=True)
        (conf / "44100.conf").write_text(_PIPEWIRE)
        self.env.update(XDG_CONFIG_HOME=f"{r}/config", XDG_STATE_HOME=f"{r}/state",
                        DBUS_SESSION_BUS_ADDRESS=f"unix:path={r}/run/bus",
                        PULSE_SERVER=f"unix:{r}/run/pulse/native")
        if self.sound == "pipewire-alsa":
            plugin = glob.glob(f"{PIPEWIRE_ALSA}/usr/lib/*/alsa-lib/libasound_module_pcm_pipewire.so")
            assert plugin, f"no PipeWire ALSA plugin under {PIPEWIRE_ALSA}: run tools/install-deps.sh e2e"
            (r / "alsa.conf").write_text(_PIPEWIRE_ALSA_CONFIG.format(plugin[0]))
            self.env["ALSA_CONFIG_PATH"] = f"{r}/alsa.conf"

    def _start_sound(self):
        if self.sound == "pulseaudio":
            self._servers = [self.start(["pulseaudio", "--daemonize=no", "-n",
                                         f"--file={self.root}/null.pa", "--realtime=yes",
                                         "--high-priority=yes", "--exit-idle-time=-1",
                                         f"--log-target=file:{self.root}/pulse.log"])]
            wait((self.root / "native").exists, 20, "PulseAudio")
            return
        # Each waited for before the next: the bus, the graph, its session
        # manager, its PulseAudio server; then the sink, as PulseAudio's own.
        run, quiet = self.root / "run", dict(stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self._servers = [self.start(["dbus-daemon", "--session", "--nofork", "--nopidfile",
                                     f"--address=unix:path={run}/bus"], **quiet)]
        for command, socket in (("pipewire", "bus"), ("wireplumber", "pipewire-0"),
                                ("pipewire-pulse", "pipewire-0")):
            wait((run / socket).exists, 20, f"{socket} before {command}")
            self._servers.append(self.start([command], **quiet))
        wait(lambda: self._pactl("info", check=False).returncode == 0, 20,
             "PipeWire's PulseAudio server")
        self._pactl("load-module", "module-null-sink", "sink_name=morse", "rate=44100",
                    "format=s16le", "channels=1")
        # The sink comes into the graph a moment after the module is loaded.
        wait(lambda: self._pactl("set-default-sink", "morse", check=False).returncode == 0, 20,
             "the sink")

    def _pactl(self, *arguments, check=True):
        return subprocess.run(["pactl", *arguments], env=self.env, check=check,
                              capture_output=True, timeout=20)

    def _start_recorder(self):
        since = self.position
        parec = self.start(["parec", "-d", "morse.monitor", "--rate=44100", "--channels=1",
                            "--format=s16le", "--latency-msec=20"], stdout=subprocess.PIPE)
        self._recorder = threading.Thread(target=self._record, args=[parec.stdout], daemon=True)
        self._recorder.start()
        wait(lambda: self.position > since + RATE // 10, 10, "the recorder")

    # The sound server killed and started again, as a desktop's is when its
    # devices change; the recording goes on after what was heard before.
    def restart_sound(self):
        for server in reversed(self._servers):
            server.kill()
            server.wait()
        self._recorder.join(10)  # the recorder ends with its server
        del self._data[len(self._data) // 2 * 2:]
        for socket in ("native", "run/bus", "run/pipewire-0"):  # each one waited for
            (self.root / socket).unlink(missing_ok=True)
        self._start_sound()
        self._start_recorder()

    def start(self, command, **options):
        # PR_SET_PDEATHSIG to SIGKILL: a test that is killed leaves nothing running.
        self._processes.append(subprocess.Popen(command, env=self.env, **options,
                                                preexec_fn=lambda: _libc.prctl(1, 9)))
        return self._processes[-1]

    # Starts the program as `program`. A Windows program runs under the Wine
    # loader that the caller names in WINELOADER (the one the kernel can run,
    # see tests/win32/run-tests.sh), in a prefix of its own whose sound goes
    # through Wine's PulseAudio driver to this sandbox's server. Wine's own
    # services outlive the programs that start them: their output goes nowhere,
    # so that no caller waits for them, and they end with the Wine server.
    def start_program(self, program, *arguments, wrapper=()):
        if not program.endswith(".exe"):
            self.program = self.start([*wrapper, program, *arguments])
            return
        quiet = dict(stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # Wine keeps 30 ms of its stream queued in the sound server, topped up
        # every 10 ms by a thread at normal priority, so that a busy moment
        # inserts silence; PulseAudio's own client setting gives it 200 ms
        # (at 60 ms a loaded machine still inserted some).
        loader = os.environ["WINELOADER"]
        self.env.update(WINEPREFIX=f"{self.root}/wine", WINELOADER=loader, WINEDEBUG="-all",
                        WINEARCH="win64" if loader.endswith("64") else "win32",
                        PULSE_LATENCY_MSEC="200")
        # The server of the prefix, ready once its socket is there (in a folder
        # whose name it writes into the prefix); a Wine program started sooner
        # would start a second one.
        (prefix := self.root / "wine").mkdir()
        self.start(["wineserver", "--foreground", "--persistent"], **quiet)
        folder = wait(lambda: (prefix / "wineserver").exists() and
                      (prefix / "wineserver").read_text().strip(), 20, "the Wine server")
        wait(Path(f"/tmp/{folder}/server-{prefix.stat().st_dev:x}-{prefix.stat().st_ino:x}/socket")
             .exists, 20, "the Wine server's socket")
        subprocess.run([Path(__file__).with_name("wine-prefix.sh"), "sound"], env=self.env,
                       timeout=240, check=True)
        # Wine's driver reports each time the sound server found its stream
        # empty, and each stop of it: see _read_wine.
        self.program = self.start([*wrapper, "env", "WINEDEBUG=-all,warn+pulse,trace+pulse",
                                   loader, program, *arguments],
                                  stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        threading.Thread(target=self._read_wine, args=[self.program.stderr], daemon=True).start()
        # Every 30 s the Wine server writes out the registry (3 MB) if it has
        # changed, and answers no Wine process meanwhile, long enough to break a
        # sound under way. A new prefix changes it for a minute, as Wine's
        # services start one by one: the program is driven once 30 s have passed
        # without a change.
        wait(lambda: time.time() - _registry_written(prefix) > 31, 150, "a settled registry")

    # Where the sound server found the Windows program's stream empty, Wine
    # inserted that silence, unless it had played all that the program had
    # handed over: then its multimedia thread stops the stream within a few
    # periods, and the program was late. Wine's driver reports both
    # (warn+pulse, trace+pulse), each line as it happens.
    def _read_wine(self, pipe, stopped_within=RATE // 10):
        for line in pipe:
            if "Underflow" in line:
                self.wine_dry.append(self.position)
            elif ("AudioClient_Stop" in line and self.wine_dry and
                  self.position - self.wine_dry[-1] <= stopped_within):
                self.wine_dry.pop()

    # The recorded samples near which Wine let its stream run dry (see _read_wine),
    # by when the report came: within the recorder's and the server's latency.
    def wine_dried(self, places, near=RATE // 4):
        return [place for place in places
                if any(abs(place - dry) <= near for dry in self.wine_dry)]

    # The accessibility bus, a speech server that speaks into nothing and Orca, on
    # the sandbox's desktop and a session bus of its own. Orca writes its log line
    # by line only to a terminal: a pseudo-terminal, whose other end is read here
    # into the one-item list returned, as its log so far.
    def start_screen_reader(self):
        run, home, quiet = self.root / "run", self.root / "home", dict(stderr=subprocess.DEVNULL)
        self.env.update(XDG_CONFIG_HOME=f"{home}/.config", XDG_DATA_HOME=f"{home}/.local/share",
                       XDG_CACHE_HOME=f"{home}/.cache", GSETTINGS_BACKEND="memory",
                       DBUS_SESSION_BUS_ADDRESS=f"unix:path={run}/bus", SPEECHD_ADDRESS=f"unix_socket:"
                       f"{run}/speech", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        self.start(["dbus-daemon", "--session", "--nofork", f"--address=unix:path={run}/bus"], **quiet)
        wait((run / "bus").exists, 20, "the session bus")
        self.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], **quiet)
        wait(lambda: subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                                     "/org/a11y/bus", "org.freedesktop.DBus.Properties.Set",
                                     "string:org.a11y.Status", "string:IsEnabled",
                                     "variant:boolean:true"],
                                    env=self.env, capture_output=True).returncode == 0, 20, "the bus")
        shutil.copytree("/etc/speech-dispatcher", conf := self.root / "speechd")
        with open(conf / "speechd.conf", "a") as f:
            f.write('AudioOutputMethod "alsa"\nDefaultModule espeak-ng\n')
        (self.root / "silence.conf").write_text("pcm.!default { type null }\n")
        self.start(["env", f"ALSA_CONFIG_PATH={self.root}/silence.conf", "speech-dispatcher", "-s",
                   "-t", "0", "-C", str(conf), "-c", "unix_socket", "-S", f"{run}/speech"], **quiet)
        wait((run / "speech").exists, 20, "the speech server")
        master, slave = os.openpty()
        tty.setraw(slave)
        log = [""]
        threading.Thread(target=lambda: [log.__setitem__(0, log[0] + chunk.decode(errors="replace"))
                                         for chunk in iter(lambda: os.read(master, 65536), b"")],
                         daemon=True).start()
        self.start(["orca", "-u", str(self.root), f"--debug-file={os.ttyname(slave)}"], **quiet)
        # Orca listens from its last word before its main loop.
        wait(lambda: "ORCA: Starting ATSPI registry." in log[0], 60, "Orca")
        return log

    def _record(self, pipe):
        while chunk := os.read(pipe.fileno(), 65536):
            if loud := len(chunk.rstrip(b"\0")):
                self._last = (len(self._data) + loud - 1) // 2
            self._data += chunk
            self._arrivals.append((self.position, time.monotonic()))

    @property
    def position(self):
        return len(self._data) // 2

    # Everything recorded, once what was heard last has reached the recorder.
    def samples(self):
        time.sleep(0.5)
        return np.frombuffer(self._data[:2 * self.position], "<i2")

    # When the recorder had the sample in hand, which is never before the
    # sound server rendered it.
    def time_of(self, sample):
        return self._arrivals[bisect.bisect_right(self._arrivals, sample, key=lambda a: a[0])][1]

    # A visible window with this caption not returned with it before: each
    # showing of a window, and each caption it takes, is a new one.
    def window(self, caption="Korvane"):
        def fresh():
            assert self.program.poll() is None, f"the program ended ({self.program.returncode})"
            return {(w, caption) for w in self.xdotool("search", "--onlyvisible", "--name",
                    f"^{caption}$", check=False).split()} - self._seen
        self._seen |= (found := wait(fresh, 30, caption))
        return found.pop()[0]

    # Returns the time right before the keys went out; with `heard_ms`, waits
    # until they sent something followed by that much silence.
    def press(self, window, *keys, heard_ms=None):
        since = self.position
        self.xdotool("windowfocus", "--sync", window)
        pressed = time.monotonic()
        for key in keys:
            _xdo.xdo_send_keysequence_window(self._keyboard, 0, key.encode(), 2000)
        if heard_ms is not None:
            wait(lambda: self._last >= since and self.position - self._last > heard_ms * 44.1,
                 150, "a sound")
        return pressed

    def xdotool(self, *arguments, check=True):
        return subprocess.run(["xdotool", *arguments], env=self.env, check=check, text=True,
                              capture_output=True, timeout=20).stdout
