"""The stage on a bare X server, where no window manager looks after it, and the program with
no display at all: the stage follows the screen as it is made smaller and larger again; a stage
whose window another client destroys ends the program with status 1; with no display the
program says so in one line and ends with status 1; and under a dark desktop theme the title,
set-up and board cards look, pixel for pixel, as they do under none, and the GTK that Qt loads
for that theme does not put Kivo on the accessibility bus a second time."""

import os
import subprocess
from pathlib import Path

from harness import Rect, expect, wait_for
from PIL import ImageChops
from Xlib import X, Xatom

DARK = {"QT_QPA_PLATFORMTHEME": "gtk3", "GTK_THEME": "Adwaita:dark", "XDG_CURRENT_DESKTOP": "XFCE"}


def stage_is(run, w, h):
    r = run.stage().rect()
    return expect(tuple(r) == (0, 0, w, h), f"the stage is at {r}, not 0,0 {w}x{h}")


def xrandr(run, *args):
    subprocess.run(["xrandr", *args], env=run.s.env, check=True, capture_output=True)


def stage_window(run):
    """Kivo's mapped top-level X window, found without a window manager's help."""
    def mine(w):
        pid = w.get_full_property(run.s.atom("_NET_WM_PID"), Xatom.CARDINAL)
        return pid and pid.value[0] == run.proc.pid and w.get_attributes().map_state == X.IsViewable
    return expect(next(filter(mine, run.s.root.query_tree().children), None), "Kivo shows no window")


def test_the_stage_follows_the_screen(run):
    run.start_kivo()
    w, h = run.display.size
    wait_for(lambda: stage_is(run, w, h))
    xrandr(run, "--newmode", "800x600", "40", "800", "840", "968", "1056", "600", "601", "605", "628")
    xrandr(run, "--addmode", "screen", "800x600")
    xrandr(run, "--output", "screen", "--mode", "800x600", "--fb", "800x600")
    wait_for(lambda: stage_is(run, 800, 600))
    card = run.one("dialog", "Kivo").rect()
    assert card.x >= 0 and card.y >= 0 and card.x + card.w <= 800 and card.y + card.h <= 600, \
        f"the title card at {card} lies off the 800x600 screen"
    xrandr(run, "--output", "screen", "--mode", f"{w}x{h}", "--fb", f"{w}x{h}")
    wait_for(lambda: stage_is(run, w, h))


def test_a_destroyed_window_ends_the_program(run):
    stage_window(run).destroy()
    run.s.x.sync()
    status = wait_for(lambda: expect(run.proc.poll() is not None, "Kivo still runs") and run.proc.poll())
    log = (run.s.out / "kivo.log").read_text(errors="replace")
    assert status == 1 and "the game's window was destroyed" in log, f"Kivo ended with status {status}: {log}"


def test_with_no_display_it_says_so(run):
    env = {k: v for k, v in os.environ.items() if not k.startswith(("DISPLAY", "WAYLAND_", "QT_QPA"))}
    done = subprocess.run([run.kivo], env=env, capture_output=True, text=True, timeout=60)
    assert (done.returncode, done.stderr) == (1, "kivo: there is no display to show the game on (X11 or Wayland)\n"), \
        f"with no display Kivo ended with {done.returncode}, saying {done.stderr!r}"


def cards(run, **env):
    """The title card, the set-up card and the board, reached by keys, as screenshots."""
    run.start_kivo(**env)
    shots = []
    for key, title in ((None, "Kivo"), ("x", "Kivo: players"), ("Tab", None), ("space", None), ("Tab", None),
                       ("Tab", None), ("space", "Kivo: board")):
        if key:
            run.key(key)
        if title:
            up = lambda: [c.name for c in run.find("dialog")]  # noqa: E731 (the cards showing)
            wait_for(lambda: expect(up() == [title], f"the cards showing are {up()}, not {title!r} alone"))
            shots.append(wait_for(lambda: steady(run)))
    run.proc.terminate()
    run.proc.wait(30)
    return shots


def steady(run):
    """The screen, once two looks in a row agree."""
    a, b = run.look(keep=False), run.look(keep=False)
    return expect(ImageChops.difference(a, b).getbbox() is None, "the screen is still changing") and b


def test_a_dark_theme_changes_nothing(run):
    theme = next(Path("/usr/lib").glob("*/qt6/plugins/platformthemes/libqgtk3.so"), None)
    assert theme, "Qt's GTK theme (qt6-gtk-platformtheme) is not installed"
    for name, plain, dark in zip(("title", "set-up", "board"), cards(run), cards(run, **DARK)):
        diff = ImageChops.difference(plain, dark).getbbox()
        if diff:
            plain.save(run.s.out / f"plain-{name}.png"), dark.save(run.s.out / f"dark-{name}.png")
        assert diff is None, f"under a dark theme the {name} card differs within {Rect(*diff)}"
