"""Kivo played end to end, as players at one screen would: a private X server (Xvfb) with a
session bus and the accessibility bus, a display in it (the bare X server, openbox, or a
Wayland compositor in a window of the X server), screenshots of the X server's root, and the
pointer and keys through XTEST. Controls are found by what Kivo tells a screen reader: their
role, name and extents. A Session serves any other program too, a screen reader, by its env."""

import contextlib, ctypes, os, re, shutil, signal, subprocess, tempfile, time  # noqa: E401
from collections import namedtuple
from pathlib import Path

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio, GLib  # noqa: E402
from PIL import Image, ImageChops  # noqa: E402
from Xlib import X, XK, Xatom, display as xdisplay, protocol  # noqa: E402
from Xlib.ext import xtest  # noqa: E402

GROUND = (128, 64, 64)  # the stage's colour, 0x00404080
STRIP = 32  # bare X screen below a compositor's output, where the pointer enters it from
Rect = namedtuple("Rect", "x y w h")


class Skip(Exception):
    """The display cannot be had on this machine: the run is skipped, saying why."""


def wait_for(check, timeout=30, first=None):
    """Retries check (doing first before each try) until it passes, and returns what it
    returns; after timeout seconds its last complaint stands."""
    end = time.monotonic() + timeout
    while True:
        if first:
            first()
        try:
            return check()
        except (AssertionError, GLib.Error) as e:
            if time.monotonic() > end:
                raise AssertionError(f"{e} (still so after {timeout} s)") from None
        time.sleep(0.05)


def expect(condition, why):
    assert condition, why
    return condition


def tail(path):
    """A log's last lines, without Wayland's protocol lines."""
    with contextlib.suppress(OSError):
        lines = Path(path).read_text(errors="replace").splitlines()
        return "\n".join([t for t in lines if not re.match(r"\[ *\d+\.\d+\] ", t)][-15:])
    return ""


class Session:
    """A private X server of width x height, a session bus with the accessibility bus, and a
    private home; every program started here logs to out/<name>.log."""

    def __init__(self, out, width, height):
        self.out, self.dir, self.procs = Path(out), Path(tempfile.mkdtemp(prefix="kivo-e2e-")), []
        self.out.mkdir(parents=True, exist_ok=True)
        for old in [*self.out.glob("*.png"), *self.out.glob("*.log")]:
            old.unlink()
        drop = ("DISPLAY", "WAYLAND_", "XAUTHORITY", "DBUS_", "XDG_", "QT_", "AT_SPI", "SESSION_")
        self.env = {k: v for k, v in os.environ.items() if not k.startswith(drop)}
        self.env |= {"HOME": str(self.dir), "XDG_RUNTIME_DIR": str(self.dir), "GSETTINGS_BACKEND": "memory",
                     **{f"XDG_{d}_HOME": str(self.dir / d) for d in ("CONFIG", "DATA", "CACHE", "STATE")}}
        for sig in (signal.SIGTERM, signal.SIGHUP):  # ctest's signals end the run through its clean-up
            signal.signal(sig, signal.default_int_handler)
        try:
            self.env["DISPLAY"] = ":" + self.spawn_ready("xvfb", "Xvfb", "-nolisten", "tcp", "-screen", "0",
                                                         f"{width}x{height}x24", "-displayfd")
            self.x = xdisplay.Display(self.env["DISPLAY"])
            self.root = self.x.screen().root
            self.env["DBUS_SESSION_BUS_ADDRESS"] = self.spawn_ready(
                "bus", "dbus-daemon", "--session", "--nofork", f"--address=unix:path={self.dir}/bus", "--print-address")
            os.environ.update(self.env)  # for our own accessibility client
            # Asking for the accessibility bus starts it, on this bus and with it.
            Gio.DBusConnection.new_for_address_sync(
                self.env["DBUS_SESSION_BUS_ADDRESS"],
                Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION,
            ).call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None, None,
                        Gio.DBusCallFlags.NONE, 60000)
        except BaseException:
            self.close()
            raise

    def spawn(self, name, cmd, env=None, **kw):
        with open(self.out / f"{name}.log", "w") as log:  # (prctl: it ends if we are killed)
            self.procs.append(subprocess.Popen(
                cmd, env=env or self.env, stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT,
                start_new_session=True, preexec_fn=lambda: ctypes.CDLL(None).prctl(1, signal.SIGTERM), **kw))
        return self.procs[-1]

    def spawn_ready(self, name, *cmd):
        """Starts a program that writes a line to the file descriptor given last once it is ready: that line."""
        with open(ready := self.dir / f"{name}.ready", "w") as f:
            self.spawn(name, [*cmd, str(f.fileno())], pass_fds=(f.fileno(),))
        return wait_for(lambda: expect(re.fullmatch(r"(.+)\n", ready.read_text()), f"{name} is not ready"))[1]

    def close(self):
        # Each program is asked to end, so that it can clean up (mutter its Xwayland's lock
        # files); then what is left of its group goes: the bus takes the accessibility bus.
        for p in reversed(self.procs):
            p.terminate()
            with contextlib.suppress(subprocess.TimeoutExpired):
                p.wait(10)
            with contextlib.suppress(ProcessLookupError):
                os.killpg(p.pid, signal.SIGKILL)
            p.wait()
        self.procs = []
        shutil.rmtree(self.dir, ignore_errors=True)

    def grab(self, x, y, w, h):
        raw = self.root.get_image(x, y, w, h, X.ZPixmap, 0xFFFFFFFF)
        return Image.frombytes("RGB", (w, h), raw.data, "raw", "BGRX")

    def pointer(self, x, y, press=False):
        xtest.fake_input(self.x, X.MotionNotify, x=x, y=y)
        for kind in (X.ButtonPress, X.ButtonRelease) if press else ():
            xtest.fake_input(self.x, kind, 1)
        self.x.sync()
        # A window manager may hold a click while it decides on the focus, and keys typed
        # meanwhile would overtake it; once no one holds the pointer, the click is on its way.
        wait_for(lambda: expect(self.root.grab_pointer(False, 0, X.GrabModeAsync, X.GrabModeAsync, 0, 0,
                                                       X.CurrentTime) == X.GrabSuccess, "the pointer is held"))
        self.x.ungrab_pointer(X.CurrentTime)

    def key(self, combo):
        """Presses keys together, by their X names joined with "+": "Return", "ctrl+a", "B"."""
        syms = [XK.string_to_keysym({"ctrl": "Control_L"}.get(k, k)) for k in combo.split("+")]
        codes = [self.x.keysym_to_keycode(s) for s in syms]
        if len(codes) == 1 and self.x.keycode_to_keysym(codes[0], 0) != syms[0]:  # a capital
            codes.insert(0, self.x.keysym_to_keycode(XK.XK_Shift_L))
        assert all(codes), f"no key for {combo!r}"
        for kind, order in ((X.KeyPress, codes), (X.KeyRelease, codes[::-1])):
            for c in order:
                xtest.fake_input(self.x, kind, c)
        self.x.sync()

    def atom(self, name):
        return self.x.intern_atom(name)

    def windows(self, pid):
        """The windows of a process that the window manager keeps, and would frame."""
        kept = self.root.get_full_property(self.atom("_NET_CLIENT_LIST"), Xatom.WINDOW)
        windows = [self.x.create_resource_object("window", w) for w in (kept.value if kept else [])]
        return [w for w in windows if (p := w.get_full_property(self.atom("_NET_WM_PID"), Xatom.CARDINAL))
                and p.value[0] == pid]

    def ask_wm(self, window, message, *data):
        """A message to the window manager about a window, as a pager sends it."""
        self.root.send_event(protocol.event.ClientMessage(window=window, client_type=self.atom(message),
                                                          data=(32, [*data, 0, 0, 0, 0, 0][:5])),
                             event_mask=X.SubstructureRedirectMask | X.SubstructureNotifyMask)
        self.x.sync()


class Display:
    """Where the stage shows: the bare X server ("x11", where Qt alone makes the stage full
    screen and gives it the keys), "openbox", or a Wayland compositor ("weston", "mutter",
    "kwin") whose one output is a window of the X server, with Kivo its client. The pointer
    enters an output from the bare strip below it: a compositor takes the X pointer's place
    only as it enters."""

    def __init__(self, kind, width, height):
        self.kind, self.size, self.origin, self.x_env = kind, (width, height), (0, 0), None
        self.wayland = kind in ("weston", "mutter", "kwin")
        self.strip, self.log = STRIP * self.wayland, None if kind == "x11" else kind

    def start(self, s):
        if self.kind == "openbox":  # settings of its own: one desktop, new windows focused, no animation
            (s.dir / "rc.xml").write_text(
                '<?xml version="1.0"?><openbox_config xmlns="http://openbox.org/3.4/rc"><focus><focusNew>yes'
                "</focusNew><followMouse>no</followMouse></focus><theme><animateIconify>no</animateIconify>"
                "</theme><desktops><number>1</number></desktops></openbox_config>")
            wm = s.spawn("openbox", ["openbox", "--sm-disable", "--config-file", str(s.dir / "rc.xml")])
            wait_for(lambda: expect(wm.poll() is None and s.root.get_full_property(
                s.atom("_NET_SUPPORTING_WM_CHECK"), Xatom.WINDOW), "openbox has not taken the screen"), 60)
        if not self.wayland:
            return
        cmd, env = getattr(self, self.kind)(s)
        if not shutil.which(cmd[0]):
            raise Skip(f"{self.kind} is not installed")
        p, log = s.spawn(self.kind, cmd, env), s.out / f"{self.kind}.log"

        def up():
            if p.poll() is not None:
                raise Skip(f"{self.kind} ended at start with status {p.returncode}:\n{tail(log)}")
            assert (s.dir / "kivo-wayland").exists(), f"{self.kind} has not opened its socket"
            return expect(next((w for w in s.root.query_tree().children if w.get_attributes().map_state ==
                                X.IsViewable and (w.get_geometry().width, w.get_geometry().height) == self.size),
                               None), f"{self.kind} shows no output window")
        try:
            window = wait_for(up, 60)
        except AssertionError as e:
            raise Skip(f"{self.kind} did not start: {e}\n{tail(log)}")
        where = window.translate_coords(s.root, 0, 0)
        self.origin = (-where.x, -where.y)
        s.x.set_input_focus(window, X.RevertToPointerRoot, X.CurrentTime)  # the keys go there
        if self.kind == "mutter":  # its Xwayland, on a free display of :0 to :49, for X programs beside Kivo
            def xwayland():
                number, auth = re.search(r"public X11 display :(\d+)", log.read_text()), list(
                    s.dir.glob(".mutter-Xwaylandauth.*"))
                return {"DISPLAY": ":" + expect(number, "mutter's Xwayland is not up")[1], "XAUTHORITY": str(auth[0])}
            self.x_env = wait_for(xwayland, 60)

    def kivo_env(self, s):
        if not self.wayland:
            return dict(s.env, QT_QPA_PLATFORM="xcb")
        env = dict(s.env, QT_QPA_PLATFORM="wayland", WAYLAND_DISPLAY="kivo-wayland", WAYLAND_DEBUG="client")
        del env["DISPLAY"]  # Wayland only, with no X server to fall back on
        return env

    def weston(self, s):  # without its on-screen keyboard (over the name boxes), animations or lock
        (s.dir / "weston.ini").write_text(
            "[core]\nidle-time=0\n[shell]\nbackground-color=0xff203060\nlocking=false\nanimation=none\n"
            "close-animation=none\nstartup-animation=none\nfocus-animation=none\n[input-method]\npath=\n")
        return ["weston", "--backend=x11-backend.so", "--use-pixman", "--width=%d" % self.size[0],
                "--height=%d" % self.size[1], "--socket=kivo-wayland", f"--config={s.dir}/weston.ini"], None

    def mutter(self, s):
        return (["mutter", "--nested", "--wayland", "--wayland-display", "kivo-wayland"],
                dict(s.env, MUTTER_DEBUG_DUMMY_MODE_SPECS="%dx%d" % self.size))

    def kwin(self, s):  # its binary carries a file capability that a sandbox may refuse to start:
        if not shutil.which("kwin_wayland"):  # a copy without it, under the same name, starts
            return ["kwin_wayland"], None
        (s.dir / "bin").mkdir()
        return [shutil.copy(shutil.which("kwin_wayland"), s.dir / "bin"), "--x11-display", s.env["DISPLAY"],
                "--socket", "kivo-wayland", "--width=%d" % self.size[0], "--height=%d" % self.size[1],
                "--no-lockscreen", "--no-global-shortcuts"], None


class Control:
    """One of Kivo's controls on the accessibility bus, read afresh at each use."""

    def __init__(self, acc):
        self.acc = acc

    name = property(lambda self: self.acc.get_name())

    def rect(self):
        e = self.acc.get_extents(Atspi.CoordType.SCREEN)
        return Rect(e.x, e.y, e.width, e.height)

    def has(self, state):
        return self.acc.get_state_set().contains(getattr(Atspi.StateType, state.upper()))

    def text(self):
        return Atspi.Text.get_text(self.acc, 0, -1)

    def __repr__(self):
        return f"{self.acc.get_role_name()} {self.name!r} at {tuple(self.rect())}"


class Run:
    """One run: the session, the display, Kivo, and one screenshot a step. Places are in the
    output's coordinates, which are the stage's: it covers the output from its origin."""

    def __init__(self, kivo, display, width, height, out):
        self.display, self.kivo, self.proc, self.step_no, self.last = Display(display, width, height), kivo, None, 0, ""
        self.s = Session(out, width, height + self.display.strip)
        try:
            self.display.start(self.s)
        except BaseException:
            self.s.close()
            raise

    def start_kivo(self, **env):
        """Kivo, with env added to its environment."""
        self.proc = self.s.spawn("kivo", [self.kivo], dict(self.display.kivo_env(self.s),
                                                            QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", **env))

        def registered():
            desktop = Atspi.get_desktop(0)
            apps = [desktop.get_child_at_index(i) for i in range(desktop.get_child_count())]
            mine = [a for a in apps if a and a.get_process_id() == self.proc.pid]
            assert mine, f"Kivo is not on the accessibility bus (its status: {self.proc.poll()})"
            assert len(mine) == 1, f"Kivo is on the accessibility bus {len(mine)} times: " + \
                ", ".join(f"{a.get_name()} ({a.get_toolkit_name()})" for a in mine)
            app = mine[0]
            app.set_cache_mask(Atspi.Cache.NONE)  # every look asks Kivo itself
            return app
        self.app = wait_for(registered)
        self.park()

    def report(self):
        """What a failure leaves to read: the last screenshot and the programs' last words."""
        logs = [f"--- {n}'s output ends:\n{tail(self.s.out / f'{n}.log')}" for n in ("kivo", self.display.log) if n]
        return "\n".join([f"last screenshot: {self.last}", *logs])

    def find(self, role, name=None, within=None):
        """The showing controls of a role (or of any of several), by name (a button's up to any
        comma that adds news to its caption) or by a test of the name."""
        found = []

        def walk(acc):
            for c in filter(None, (acc.get_child_at_index(i) for i in range(acc.get_child_count()))):
                n = c.get_role_name() in ((role,) if isinstance(role, str) else role) and c.get_name()
                if n is not False and (name(n) if callable(name) else name in (None, n.split(",")[0])) \
                        and c.get_state_set().contains(Atspi.StateType.SHOWING):
                    found.append(Control(c))
                walk(c)
        walk(within.acc if within else self.app)
        return found

    def one(self, role, name=None, within=None):
        found = self.find(role, name, within)
        assert len(found) == 1, f"expected one {role} {name or ''}, found {found}"
        return found[0]

    def boxes(self):
        """The message boxes open: on the stage, on a card, or windows of their own."""
        return self.find("alert")

    def stage(self):
        return self.one("frame", "Kivo")

    def step(self, name):
        """A new step, and its first screenshot."""
        self.step_no, self.step_name = self.step_no + 1, name
        self.shot = self.s.out / f"{self.step_no:02d}-{name}.png"
        self.look()

    def look(self, keep=True):
        """A screenshot of the output, kept as the step's (looking again replaces it)."""
        img, (w, h) = self.s.grab(*self.display.origin, *self.display.size), self.display.size
        if self.display.strip:  # the tip of the compositor's cursor, waiting in the corner, left out
            img.paste(GROUND, (w - 4, h - 4, w, h))
        if keep:
            img.save(self.shot)
            self.last = self.shot
        return img

    def point(self, x, y, press=False):
        """The pointer to a point of the output (from the strip below, if any), and a click."""
        (ox, oy), (w, h) = self.display.origin, self.display.size
        if self.display.strip:
            self.s.pointer(ox + w // 2, oy + h + STRIP // 2)
        self.s.pointer(ox + x, oy + y, press)

    def park(self):
        """The pointer waits in the bottom right corner, where a cursor hides all but its tip."""
        self.point(self.display.size[0] - 1, self.display.size[1] - 1)

    def click(self, at):
        """Clicks a control's middle, or a point."""
        r = at.rect() if isinstance(at, Control) else Rect(*at, 1, 1)
        self.point(r.x + r.w // 2, r.y + r.h // 2, press=True)
        self.park()

    def key(self, combo):
        self.s.key(combo)


def exactly(img, rgb):
    """A mask of the pixels of exactly one colour."""
    r, g, b = ImageChops.difference(img, Image.new("RGB", img.size, rgb)).split()
    return ImageChops.lighter(ImageChops.lighter(r, g), b).point(lambda v: 255 if v == 0 else 0)


def box_of(img, rgb, other=False):
    """The bounding rectangle of one colour's pixels (or, with other, of all the rest)."""
    b = (ImageChops.invert if other else lambda m: m)(exactly(img, rgb)).getbbox()
    return b and Rect(b[0], b[1], b[2] - b[0], b[3] - b[1])


def colours(img, r):
    return img.crop((r.x, r.y, r.x + r.w, r.y + r.h)).getcolors(max(1, r.w * r.h)) or []


def count(img, r, kind):
    """How many pixels in a rectangle are of a kind: a colour, or a test of (r, g, b)."""
    return sum(n for n, c in colours(img, r) if (kind(c) if callable(kind) else c == kind))


def commonest(img, r):
    return max(colours(img, r))[1]
