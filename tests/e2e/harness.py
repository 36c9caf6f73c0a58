"""Kivo played end to end, as players at one screen would: a private X server (Xvfb) with a
session bus and the accessibility bus, a display in it (the bare X server, openbox, or a
Wayland compositor in a window of the X server), screenshots of the X server's root, and the
pointer and keys through XTEST. Controls are found by what Kivo tells a screen reader: their
role, name and extents. The session alone (X server and buses) serves any other program, a
screen reader too, through Session.env."""

import contextlib
import ctypes
import os
import re
import select
import shutil
import signal
import subprocess
import tempfile
import time
from collections import namedtuple
from pathlib import Path

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio, GLib  # noqa: E402
from PIL import Image, ImageChops  # noqa: E402
from Xlib import X, XK, Xatom, display as xdisplay, protocol  # noqa: E402
from Xlib.ext import xtest  # noqa: E402

GROUND = (128, 64, 64)  # the stage's colour, 0x00404080
STRIP = 32  # bare X screen below a compositor's output: the pointer waits there

Rect = namedtuple("Rect", "x y w h")


class Skip(Exception):
    """The display cannot be had on this machine: the run is skipped, and says why."""


def wait_for(check, timeout=30, first=None):
    """Retries check until it passes (returning what it returns), doing first before each
    try; after timeout seconds the check's last complaint stands."""
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
    """A check for wait_for in one expression."""
    assert condition, why
    return condition


def tail(path, lines=15, skip=None):
    try:
        text = [t for t in Path(path).read_text(errors="replace").splitlines()
                if not (skip and re.match(skip, t))]
    except OSError:
        return ""
    return "\n".join(text[-lines:])


def _die_with_parent():
    ctypes.CDLL(None).prctl(1, signal.SIGTERM)  # PR_SET_PDEATHSIG: no orphans if we are killed


def _read_line(fd, what, timeout=30):
    """The line a program writes when it is ready (read whole: a pipe closed early kills it)."""
    got, end = b"", time.monotonic() + timeout
    while not got.endswith(b"\n"):
        if not select.select([fd], [], [], max(0, end - time.monotonic()))[0]:
            raise RuntimeError(f"{what} did not start within {timeout} s")
        more = os.read(fd, 256)
        if not more:
            raise RuntimeError(f"{what} ended at start")
        got += more
    os.close(fd)
    return got.decode().strip()


class Session:
    """A private X server of width x height, a session bus and the accessibility bus, and a
    private home; the programs started here and their output live in `out`."""

    def __init__(self, out, width, height):
        self.out = Path(out)
        self.out.mkdir(parents=True, exist_ok=True)
        for old in [*self.out.glob("*.png"), *self.out.glob("*.log")]:
            old.unlink()
        self.dir = Path(tempfile.mkdtemp(prefix="kivo-e2e-"))
        self.procs = []
        keep = ("DISPLAY", "WAYLAND_", "XAUTHORITY", "DBUS_", "XDG_", "QT_", "AT_SPI", "SESSION_")
        self.env = {k: v for k, v in os.environ.items() if not k.startswith(keep)}
        self.env |= {"HOME": str(self.dir), "XDG_RUNTIME_DIR": str(self.dir), "GSETTINGS_BACKEND": "memory",
                     **{f"XDG_{d}_HOME": str(self.dir / d) for d in ("CONFIG", "DATA", "CACHE", "STATE")}}
        # A signal from ctest ends the run through its clean-up, not around it.
        for sig in (signal.SIGTERM, signal.SIGHUP):
            signal.signal(sig, signal.default_int_handler)
        try:
            r, w = os.pipe()
            self.spawn("xvfb", ["Xvfb", "-nolisten", "tcp", "-screen", "0", f"{width}x{height}x24",
                                "-displayfd", str(w)], pass_fds=(w,))
            os.close(w)
            self.env["DISPLAY"] = ":" + _read_line(r, "Xvfb")
            self.x = xdisplay.Display(self.env["DISPLAY"])
            self.root = self.x.screen().root
            r, w = os.pipe()
            self.spawn("bus", ["dbus-daemon", "--session", "--nofork", f"--print-address={w}",
                               f"--address=unix:path={self.dir}/bus"], pass_fds=(w,))
            os.close(w)
            self.env["DBUS_SESSION_BUS_ADDRESS"] = _read_line(r, "the session bus")
            os.environ.update(self.env)  # for our own accessibility client
            # Asking for the accessibility bus starts it, on this bus and with it.
            bus = Gio.DBusConnection.new_for_address_sync(
                self.env["DBUS_SESSION_BUS_ADDRESS"], Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
                | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)
            bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None,
                          GLib.VariantType("(s)"), Gio.DBusCallFlags.NONE, 60000, None)
            bus.close_sync(None)
        except BaseException:
            self.close()
            raise

    def spawn(self, name, cmd, env=None, **kw):
        log = open(self.out / f"{name}.log", "w")
        p = subprocess.Popen(cmd, env=env or self.env, stdin=subprocess.DEVNULL, stdout=log,
                             stderr=subprocess.STDOUT, start_new_session=True,
                             preexec_fn=_die_with_parent, **kw)
        log.close()
        self.procs.append(p)
        return p

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

    # --- The X server: screenshots, input, windows ---------------------------------------

    def grab(self, x, y, w, h):
        raw = self.root.get_image(x, y, w, h, X.ZPixmap, 0xFFFFFFFF)
        return Image.frombytes("RGB", (w, h), raw.data, "raw", "BGRX")

    def pointer(self, x, y, press=False):
        xtest.fake_input(self.x, X.MotionNotify, x=x, y=y)
        if press:
            xtest.fake_input(self.x, X.ButtonPress, 1)
            xtest.fake_input(self.x, X.ButtonRelease, 1)
        self.x.sync()
        # A window manager may hold a click while it decides on the focus, and keys typed
        # meanwhile would overtake it; once no one holds the pointer, the click is on its way.
        wait_for(lambda: expect(self.root.grab_pointer(False, 0, X.GrabModeAsync, X.GrabModeAsync, 0, 0,
                                                       X.CurrentTime) == X.GrabSuccess, "the pointer is held"))
        self.x.ungrab_pointer(X.CurrentTime)

    def key(self, combo):
        """Presses keys together, by X names joined with "+": "Return", "ctrl+a"."""
        syms = [XK.string_to_keysym({"ctrl": "Control_L", "shift": "Shift_L"}.get(k, k))
                for k in combo.split("+")]
        codes = [self.x.keysym_to_keycode(s) for s in syms]
        # A capital letter shares its key with the small one: Shift tells them apart.
        if len(codes) == 1 and self.x.keycode_to_keysym(codes[0], 0) != syms[0]:
            codes.insert(0, self.x.keysym_to_keycode(XK.XK_Shift_L))
        assert all(codes), f"no key for {combo!r}"
        for c in codes:
            xtest.fake_input(self.x, X.KeyPress, c)
        for c in reversed(codes):
            xtest.fake_input(self.x, X.KeyRelease, c)
        self.x.sync()

    def atom(self, name):
        return self.x.intern_atom(name)

    def windows(self, pid):
        """The X windows of a process that are on the screen or that a window manager keeps."""
        out, tag = set(), self.atom("_NET_WM_PID")

        def walk(w):
            for c in w.query_tree().children:
                p = c.get_full_property(tag, Xatom.CARDINAL)
                if p and p.value[0] == pid and c.get_attributes().map_state == X.IsViewable:
                    out.add(c.id)
                walk(c)

        walk(self.root)
        kept = self.root.get_full_property(self.atom("_NET_CLIENT_LIST"), Xatom.WINDOW)
        for w in kept.value if kept else []:
            p = self.x.create_resource_object("window", w).get_full_property(tag, Xatom.CARDINAL)
            if p and p.value[0] == pid:
                out.add(w)
        return out

    def ask_wm(self, window, message, *data):
        """A client message to the window manager about a window, as a pager sends it."""
        event = protocol.event.ClientMessage(window=window, client_type=self.atom(message),
                                             data=(32, [*data, 0, 0, 0, 0, 0][:5]))
        self.root.send_event(event, event_mask=X.SubstructureRedirectMask | X.SubstructureNotifyMask)
        self.x.sync()


# --- Displays ----------------------------------------------------------------------------


class Display:
    """Kivo on the bare X server, where Qt alone makes the stage full screen."""

    wayland, strip, log = False, 0, None

    def __init__(self, width, height):
        self.size, self.origin = (width, height), (0, 0)

    def start(self, s):
        pass

    def kivo_env(self, s):
        return dict(s.env, QT_QPA_PLATFORM="xcb")


class Openbox(Display):
    """Openbox with settings of its own: one desktop, new windows focused, no animation (a
    screenshot must show the finished picture)."""

    log = "openbox"

    def start(self, s):
        (s.dir / "rc.xml").write_text(
            '<?xml version="1.0"?><openbox_config xmlns="http://openbox.org/3.4/rc">'
            "<focus><focusNew>yes</focusNew><followMouse>no</followMouse></focus>"
            "<theme><animateIconify>no</animateIconify></theme><desktops><number>1</number>"
            "</desktops></openbox_config>")
        wm = s.spawn("openbox", ["openbox", "--sm-disable", "--config-file", str(s.dir / "rc.xml")])

        def up():
            assert wm.poll() is None, f"openbox ended at start with status {wm.returncode}"
            assert s.root.get_full_property(s.atom("_NET_SUPPORTING_WM_CHECK"), Xatom.WINDOW), \
                "openbox has not taken the screen"

        wait_for(up, 60)


class Compositor(Display):
    """A Wayland compositor whose one output is a window of the X server; Kivo is its client.
    The pointer enters the output from the bare strip below it, where it waits between clicks,
    so that the compositor takes the X pointer's place and draws no cursor into screenshots."""

    wayland, strip, socket = True, STRIP, "kivo-wayland"

    def start(self, s):
        cmd, env = self.command(s)
        if not shutil.which(cmd[0]):
            raise Skip(f"{self.log} is not installed")
        p = s.spawn(self.log, cmd, env)

        def up():
            if p.poll() is not None:
                raise Skip(f"{self.log} ended at start with status {p.returncode}:\n{tail(s.out / (self.log + '.log'))}")
            assert (s.dir / self.socket).exists(), f"{self.log} has not opened its socket"
            for w in s.root.query_tree().children:
                g = w.get_geometry()
                if (g.width, g.height) == self.size and w.get_attributes().map_state == X.IsViewable:
                    return w
            raise AssertionError(f"{self.log} shows no {self.size[0]}x{self.size[1]} output")

        try:
            self.window = wait_for(up, 60)
        except AssertionError as e:
            raise Skip(f"{self.log} did not start: {e}\n{tail(s.out / (self.log + '.log'))}")
        where = self.window.translate_coords(s.root, 0, 0)
        self.origin = (-where.x, -where.y)
        # Keys go to the output window wherever the pointer is.
        s.x.set_input_focus(self.window, X.RevertToPointerRoot, X.CurrentTime)

    def kivo_env(self, s):
        env = dict(s.env, QT_QPA_PLATFORM="wayland", WAYLAND_DISPLAY=self.socket, WAYLAND_DEBUG="client")
        del env["DISPLAY"]  # Wayland only, no X server to fall back on
        return env


class Weston(Compositor):
    """Weston on its X11 backend, without its on-screen keyboard (it would rise over the name
    boxes), animations or screen lock, on a plain background."""

    log = "weston"

    def command(self, s):
        (s.dir / "weston.ini").write_text(
            "[core]\nidle-time=0\n[shell]\nbackground-color=0xff203060\nlocking=false\n"
            "animation=none\nclose-animation=none\nstartup-animation=none\nfocus-animation=none\n"
            "[input-method]\npath=\n")
        w, h = self.size
        return ["weston", "--backend=x11-backend.so", "--use-pixman", f"--width={w}", f"--height={h}",
                f"--socket={self.socket}", f"--config={s.dir}/weston.ini"], None


class Mutter(Compositor):
    """GNOME's mutter, nested. Its Xwayland takes a free display of :0 to :49; X programs
    beside Kivo reach it through x_env."""

    log = "mutter"

    def command(self, s):
        w, h = self.size
        return (["mutter", "--nested", "--wayland", "--wayland-display", self.socket],
                dict(s.env, MUTTER_DEBUG_DUMMY_MODE_SPECS=f"{w}x{h}"))

    def start(self, s):
        super().start(s)

        def xwayland():
            number = re.search(r"public X11 display :(\d+)", (s.out / "mutter.log").read_text())
            auth = list(s.dir.glob(".mutter-Xwaylandauth.*"))
            assert number and auth, "mutter's Xwayland is not up"
            return {"DISPLAY": ":" + number[1], "XAUTHORITY": str(auth[0])}

        self.x_env = wait_for(xwayland, 60)


class KWin(Compositor):
    """KDE's kwin_wayland on its X11 backend. Its binary carries a file capability that a
    sandbox may refuse to run; a copy without it, under the same name, starts."""

    log = "kwin"

    def command(self, s):
        found = shutil.which("kwin_wayland")
        if not found:
            return ["kwin_wayland"], None
        (s.dir / "bin").mkdir()
        copy = shutil.copy(found, s.dir / "bin" / "kwin_wayland")
        w, h = self.size
        return [copy, "--x11-display", s.env["DISPLAY"], "--socket", self.socket,
                f"--width={w}", f"--height={h}", "--no-lockscreen", "--no-global-shortcuts"], None


DISPLAYS = {"x11": Display, "openbox": Openbox, "weston": Weston, "mutter": Mutter, "kwin": KWin}


# --- Kivo and what it tells a screen reader -----------------------------------------------


class Control:
    """One of Kivo's controls on the accessibility bus, read afresh at every look."""

    def __init__(self, acc):
        self.acc = acc

    name = property(lambda self: self.acc.get_name())
    caption = property(lambda self: self.name.split(",")[0])  # a button's news follows a comma

    def rect(self):
        e = self.acc.get_extents(Atspi.CoordType.SCREEN)
        return Rect(e.x, e.y, e.width, e.height)

    def middle(self):
        r = self.rect()
        return r.x + r.w // 2, r.y + r.h // 2

    def has(self, state):
        return self.acc.get_state_set().contains(getattr(Atspi.StateType, state.upper()))

    def text(self):
        return Atspi.Text.get_text(self.acc, 0, -1)

    def __repr__(self):
        return f"{self.acc.get_role_name()} {self.name!r} at {tuple(self.rect())}"


class Run:
    """One run: the session, the display, Kivo, and the steps' screenshots."""

    def __init__(self, kivo, display, width, height, out):
        self.display = DISPLAYS[display](width, height)
        self.kivo_path, self.proc, self.step_no, self.last = kivo, None, 0, "(none)"
        self.s = Session(out, width, height + self.display.strip)
        try:
            self.display.start(self.s)
        except BaseException:
            self.s.close()
            raise

    def start_kivo(self):
        env = dict(self.display.kivo_env(self.s), QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        self.proc = self.s.spawn("kivo", [self.kivo_path], env)

        def registered():
            desktop = Atspi.get_desktop(0)
            for i in range(desktop.get_child_count()):
                app = desktop.get_child_at_index(i)
                if app and app.get_process_id() == self.proc.pid:
                    app.set_cache_mask(Atspi.Cache.NONE)  # every look asks Kivo itself
                    return app
            assert self.proc.poll() is None, f"Kivo ended at start with status {self.proc.returncode}"
            raise AssertionError("Kivo is not on the accessibility bus")

        self.app = wait_for(registered)
        self.point(self.display.size[0] - 1, self.display.size[1] - 1)

    def close(self):
        self.s.close()

    def report(self):
        """What a failure leaves to read: the last screenshot and the programs' last words."""
        out = [f"last screenshot: {self.last}"]
        for log in ("kivo", self.display.log):
            text = log and tail(self.s.out / f"{log}.log", skip=r"\[ *\d+\.\d+\] ")
            if text:
                out += [f"--- {log}'s output ends:", text]
        return "\n".join(out)

    # --- Finding controls ------------------------------------------------------------------

    def find(self, role, name=None, within=None, depth=20):
        """The showing controls of a role (by its accessible role name), by name or by a test
        of the name; a button's name counts up to its first comma."""
        found = []

        def walk(acc, depth):
            for i in range(acc.get_child_count()):
                c = acc.get_child_at_index(i)
                if c is None:
                    continue
                if c.get_role_name() == role:
                    ctl = Control(c)
                    if (name is None or (name(ctl.name) if callable(name) else ctl.caption == name)) \
                            and ctl.has("showing"):
                        found.append(ctl)
                if depth > 1:
                    walk(c, depth - 1)

        walk(within.acc if within else self.app, depth)
        return found

    def one(self, role, name=None, within=None):
        found = self.find(role, name, within)
        assert len(found) == 1, f"expected one {role} {name if name else ''}, found {found}"
        return found[0]

    def boxes(self):
        """The message boxes open: a window of their own, or a card on the stage."""
        return self.find("alert", depth=3)

    def stage(self):
        return self.one("frame", "Kivo")

    # --- Screen and input, in the output's coordinates --------------------------------------

    def step(self, name):
        """A new step, with its first screenshot."""
        self.step_no, self.step_name = self.step_no + 1, name
        self.shot_path = self.s.out / f"{self.step_no:02d}-{name}.png"
        self.look()

    def look(self, keep=True):
        """A screenshot of the output, kept for the step; looking again replaces it."""
        img = self.s.grab(*self.display.origin, *self.display.size)
        if self.display.strip:  # the tip of the compositor's cursor, left out
            w, h = self.display.size
            img.paste(GROUND, (w - 4, h - 4, w, h))
        if not keep:
            return img
        img.save(self.shot_path)
        self.last = self.shot_path
        return img

    def point(self, x, y, press=False):
        """Moves the pointer to a point of the output, entering it from the strip below where
        there is one (a compositor takes the X pointer's place as it enters), and clicks."""
        (ox, oy), (w, h) = self.display.origin, self.display.size
        if self.display.strip:
            self.s.pointer(ox + w // 2, oy + h + STRIP // 2)
        self.s.pointer(ox + x, oy + y, press)

    def click(self, x, y=None):
        """Clicks a point, or the middle of a control; then the pointer waits in the bottom
        right corner, where a compositor's cursor hides all but its tip."""
        self.point(*((x, y) if y is not None else x.middle()), press=True)
        self.point(self.display.size[0] - 1, self.display.size[1] - 1)

    def key(self, combo):
        self.s.key(combo)

    def type(self, text):
        for ch in text:
            self.s.key(ch)


# --- Reading screenshots -------------------------------------------------------------------


def exactly(img, rgb):
    """A mask of the pixels of exactly one colour."""
    r, g, b = ImageChops.difference(img, Image.new("RGB", img.size, rgb)).split()
    return ImageChops.lighter(ImageChops.lighter(r, g), b).point(lambda v: 255 if v == 0 else 0)


def box_of(img, rgb, other=False):
    """The bounding rectangle of one colour's pixels (or, with other, of all the rest)."""
    mask = exactly(img, rgb)
    b = (ImageChops.invert(mask) if other else mask).getbbox()
    return b and Rect(b[0], b[1], b[2] - b[0], b[3] - b[1])


def count(img, rect, kind):
    """How many pixels in a rectangle are of a kind: a colour, or a test of (r, g, b)."""
    r = rect
    colours = img.crop((r.x, r.y, r.x + r.w, r.y + r.h)).getcolors(max(1, r.w * r.h)) or []
    test = kind if callable(kind) else kind.__eq__
    return sum(n for n, c in colours if test(c))


def commonest(img, rect):
    """The colour most of a rectangle shows, and its share."""
    colours = img.crop((rect.x, rect.y, rect.x + rect.w, rect.y + rect.h)).getcolors(rect.w * rect.h)
    n, c = max(colours)
    return c, n / (rect.w * rect.h)
