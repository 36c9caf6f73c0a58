"""Kivo heard through Orca, the screen reader, speaking through speech-dispatcher's dummy voice: a
short game played from the keyboard at a listener's pace (each key waits until Orca has said
what the last one brought), then "Cancel", "Restart" and a game for three. speech-dispatcher's
log holds, as it comes, what Orca said; Orca's own debug log, read once Orca has ended (it writes
it out in blocks), holds the braille line. Each throw and each walk must be said as the keys come
to "Move" and "Shuffle" and be shown on the braille line; no board text may be read at a throw
or a walk; the new game must start with Player 1's turn; a turn must bring few accessibility
events."""

import html
import re
import shutil

import pytest
from conftest import skip
from gi.repository import Atspi, GLib
from harness import expect, wait_for

BOARD_TEXT = re.compile(r"snake down to|ladder up to|snakes and ladders for|Roll: |Roll total|Kivo: board")
heard = {}  # what the game leaves the checks


@pytest.fixture
def game():
    """What the game left, or a skip where it was not played to the end."""
    if "braille" not in heard:
        pytest.skip("the game by keyboard did not run to its end")
    return heard


@pytest.fixture(scope="module")
def orca(run):
    """Orca on the run's session and display, before Kivo starts; what it has said so far."""
    if not shutil.which("orca") or not shutil.which("speech-dispatcher"):
        skip("orca or speech-dispatcher is not installed")
    conf = run.s.dir / "CONFIG" / "speech-dispatcher"
    conf.mkdir(parents=True)
    # The dummy voice plays its sound through libao's null driver; at log level 5 speech-
    # dispatcher writes down every message it is given.
    (conf / "speechd.conf").write_text('AddModule "dummy" "sd_dummy" ""\nDefaultModule dummy\n'
                                       f'AudioOutputMethod "libao"\nLogDir "{run.s.out}"\nLogLevel 5\n')
    (run.s.dir / ".libao").write_text("default_driver=null\n")
    debug = run.s.out / "orca-debug.log"
    proc = run.s.spawn("orca", ["orca", "--replace", f"--debug-file={debug}"])

    def spoken():
        log = run.s.out / "speech-dispatcher.log"
        return [html.unescape(re.sub(r"<[^>]*>", "", m)) for m in re.findall(
            r"Queueing message \|(.*)\| with priority", log.read_text(errors="replace") if log.exists() else "")]

    def up():
        assert proc.poll() is None, f"orca ended at start with status {proc.returncode}"
        return expect("Screen reader on." in spoken(), "orca has not spoken")
    try:
        wait_for(up, 60)
    except AssertionError as e:
        skip(f"orca did not start speaking: {e}")
    yield proc, debug, spoken


class Events:
    """Counts the accessibility events Kivo sends, as a screen reader receives them: each
    change once (Qt tells a focus change also as a "focus:" event, and a button's enabling also
    as its "sensitive" state)."""

    TOLD_TWICE = ("focus:", "object:state-changed:sensitive")

    def __init__(self, pid):
        self.pid, self.n, self.boxes = pid, 0, 0
        self.listener = Atspi.EventListener.new(self.hear)
        for kind in ("object:", "window:", "focus:"):
            self.listener.register(kind)

    def hear(self, event):
        if event.type.startswith(self.TOLD_TWICE):
            return
        try:
            self.n += event.source.get_process_id() == self.pid
        except GLib.Error:  # the object went before it was asked: a box's, as it closed
            self.n += 1

    def pump(self):
        while GLib.MainContext.default().iteration(False):
            pass


def test_a_game_by_keyboard(run, orca):
    proc, debug, spoken = orca

    heard["told"] = 0  # how much of what Orca said has been listened to

    def said(text):  # waits until Orca says it, after what it said before
        def now():
            told = spoken()[heard["told"]:]
            return expect(next((i for i, s in enumerate(told) if text in s), None), f"Orca has not said {text!r}")
        heard["told"] += wait_for(lambda: now() is not None and now(), 60, events.pump) + 1

    def focused(*roles_caption):  # the control has the keys; boxes in the way are heard, then answered
        for box in run.boxes():
            events.boxes += 1
            said(box.name)
            run.key("Return")
            wait_for(lambda: expect(box.name not in [b.name for b in run.boxes()], f"{box.name} stays open"))
        *roles, caption = roles_caption
        c = run.one(tuple(roles) or "push button", caption)
        return expect(c.has("focused") and c.has("enabled"), f"{caption} has not the keys") and c

    def then(key, *roles_caption):
        run.key(key)
        if roles_caption:
            said(wait_for(lambda: focused(*roles_caption), 90, events.pump).name)

    run.start_kivo()
    events = Events(run.proc.pid)
    said("Press any key to play")
    for step in (("x", "radio button", "Two"), ("Tab", "Ok"), ("space",), ("Tab",), ("Tab", "GO"),
                 ("space", "Shuffle")):
        then(*step)
    said("Player 1's turn, at the start.")
    heard["turns"], heard["events"] = [], []
    for _ in range(6):
        events.pump()
        before, boxes = events.n, events.boxes
        run.key("space")
        thrown = wait_for(lambda: focused("Move"), 90, events.pump).name
        said(thrown)
        then("Return", "Shuffle")
        events.pump()
        walked = int(thrown.split(": ")[-1].split()[-1])  # "Move, Ann rolled 6 and 3: 9"
        heard["turns"].append((thrown, run.one("push button", "Shuffle").name))
        heard["events"].append((events.n - before, walked, events.boxes - boxes))
    heard["restart"] = heard["told"]
    for step in (("Tab", "Cancel"), ("space", "Restart"), ("space", "radio button", "Two"),
                 ("Down", "radio button", "Three"), ("Tab", "Ok"), ("space",), ("Tab",), ("Tab",),
                 ("Tab", "GO"), ("space", "Shuffle")):
        then(*step)
    said("Player 1's turn, at the start.")
    heard["spoken"] = spoken()
    proc.terminate()
    proc.wait(30)
    heard["braille"] = re.findall(r"BRAILLE LINE: +'(.*)'", debug.read_text(errors="replace"))


def test_throws_and_walks_are_shown_on_the_braille_line(game):
    for move, shuffle in game["turns"]:
        for news in (move, shuffle):
            assert any(news in b for b in game["braille"]), f"the braille line never showed {news!r}"


def test_no_board_text_at_a_throw_or_walk(game):
    spoken, (first, _), (_, last) = game["spoken"], game["turns"][0], game["turns"][-1]
    start = next(i for i, s in enumerate(spoken) if first in s)
    end = next(i for i, s in enumerate(spoken) if last in s)
    read = [s for s in spoken[start:end + 1] if BOARD_TEXT.search(s)]
    assert not read, f"Orca read the board's text during the game: {read}"


def test_the_new_game_begins_with_player_1(game):
    turns = [s for s in game["spoken"][game["restart"]:] if s.endswith("'s turn, at the start.")]
    assert turns == ["Player 1's turn, at the start."], f"the new game began with {turns}"


def test_a_turn_brings_few_accessibility_events(game):
    """At most 20 a turn, two more for each square walked, and 30 more for each message box:
    the box, its text and the keys going to it and back, and its notice."""
    print("accessibility events a turn (events, squares walked, boxes):", game["events"])
    for n, walked, boxes in game["events"]:
        assert n <= 20 + 2 * walked + 30 * boxes, \
            f"a turn of {walked} squares and {boxes} boxes brought {n} accessibility events"
