"""Kivo from start to "Exit", as players at one screen would play it: the splash (and a click
on the stage beside it), the set-up for four ("GO" first with the first name empty, for its
message box), two turns, "Cancel", "Restart", a game for two played through a message box of
the board, "Cancel" and "Exit". The chapters run in order on one Kivo."""

import itertools
import re
import time

from gi.repository import Atspi
from harness import GROUND, Rect, box_of, commonest, count, expect, wait_for
from PIL import ImageChops, ImageDraw
from Xlib import X

PALE, NAVY, SILVER = (255, 224, 192), (0, 0, 64), (192, 192, 192)  # cards and names; a token; the die
SQUARE_1, SQUARE_100 = (155, 111, 196), (255, 192, 192)
FIGURE = [lambda c: c[1] >= 100 and c[0] <= 60 and c[2] <= 60,  # the players' figures: green,
          lambda c: c[0] >= 150 and c[1] <= 60 and c[2] <= 60,  # red,
          lambda c: c[2] >= 150 and c[0] <= 60 and c[1] <= 110]  # blue
YELLOW = lambda c: c[0] >= 200 and c[1] >= 180 and c[2] <= 100  # noqa: E731 (the board's icon)
STRIP_BLUE = (0x30, 0x8C, 0xC6)  # a message box's title strip
GREY = lambda c: c[0] == c[1] == c[2] and 40 <= c[0] <= 110  # noqa: E731 (the turn pointer)
FOUR, TWO = ["Ann", "Bob", "Cy", "Dee"], ["Player 1", "Player 2"]
seen = {}  # what one chapter leaves the next


def spans(what, got, want, tol=2):
    edges = lambda r: (r.x, r.y, r.x + r.w, r.y + r.h)  # noqa: E731
    assert got and all(abs(g - w) <= tol for g, w in zip(edges(got), edges(want))), f"{what} spans {got}, not {want}"


def centred(what, r, on, tol=2):
    assert abs(2 * (r.x - on.x) + r.w - on.w) <= 2 * tol and abs(2 * (r.y - on.y) + r.h - on.h) <= 2 * tol, \
        f"{what} at {r} is not centred on {on}"


def differing(a, b, r):
    crop = (r.x, r.y, r.x + r.w, r.y + r.h)
    return ImageChops.difference(a.crop(crop), b.crop(crop)).convert("L").point(bool).histogram()[1]


def stage_covers(run, img):
    w, h = run.display.size
    assert tuple(run.stage().rect()) == (0, 0, w, h), f"the stage is not full screen: {run.stage()}"
    for x, y in ((4, 4), (w - 5, 4), (4, h - 5), (w - 5, h - 5)):
        assert img.getpixel((x, y)) == GROUND, f"the stage's corner {x},{y} is {img.getpixel((x, y))}"


def card_shown(run, title, ground=None):
    """The card is up, centred on the full stage, and nothing else shows on the stage's ground."""
    img = run.look()
    stage_covers(run, img)
    assert not run.boxes(), f"a message box is open: {run.boxes()}"
    card = run.one("dialog", title)
    centred(f"the card {title!r}", r := card.rect(), run.stage().rect(), 1)
    spans("all but the stage's ground", box_of(img, GROUND, other=True), r)
    if ground:
        spans(f"the ground of {title!r}", box_of(img, ground), r)
    return card, img


def setup_shown(run):
    img = card_shown(run, "Kivo: players", PALE)[1]
    assert not run.find("dialog", "Kivo"), "the splash is still open"
    assert count(img, seen["icon"], YELLOW) == 0, "the splash's icon still shows over the set-up card"


def board_shown(run, names):
    """The board fills the stage: its 100 squares named and drawn, squares 1 and 100 in their
    colours where Kivo says they are, and the players' names on the first rows of the list."""
    img = run.look()
    stage_covers(run, img)
    assert not run.boxes() and not run.find("dialog", "Kivo: players"), "a box or the set-up card is open"
    board = run.one("dialog", "Kivo: board")
    squares = {int(c.name.split(":")[0]): c.rect()
               for c in run.find(("image", "label"), lambda n: re.fullmatch(r"\d+(: .*)?", n), board)}
    assert sorted(squares) == list(range(1, 101)), f"the board names the squares {sorted(squares)}"
    for n, r in squares.items():
        assert commonest(img, r) != GROUND, f"square {n} at {r} shows only the stage's ground"
    for n, colour in ((1, SQUARE_1), (100, SQUARE_100)):
        r = squares[n]
        b = box_of(img.crop((r.x - 4, r.y - 4, r.x + r.w + 4, r.y + r.h + 4)), colour)
        spans(f"square {n}'s colour", b and Rect(b.x + r.x - 4, b.y + r.y - 4, b.w, b.h), r, 1)
    rows = [run.one("label", name, board).rect() for name in names]
    assert [r.y for r in rows] == sorted(r.y for r in rows), f"the names are listed out of order: {rows}"
    for name, r in zip(names, rows):
        assert count(img, r, PALE) > 20, f"{name}'s name does not show at {r}"
    for k in range(1, 5 - len(names)):  # the rows below the last player's stay empty
        r = rows[-1]._replace(y=rows[-1].y + k * (rows[1].y - rows[0].y), w=max(r.w for r in rows))
        assert count(img, r, PALE) == 0, f"a name shows below the last player's, at {r}"
    return {"squares": squares, "rows": dict(zip(names, rows))}


def on_turn(run, board, name, img):
    pointer, row = run.one("image", f"{name}'s turn").rect(), board["rows"][name]
    assert pointer.x < row.x and pointer.y < row.y + row.h and row.y < pointer.y + pointer.h, \
        f"the turn pointer at {pointer} is not level with {name}'s row at {row}"
    assert count(img, pointer, GREY) > 20, f"the turn pointer does not show at {pointer}"


def token_on(run, board, img, player, name, square):
    r, sq = run.one("image", f"{name} on square {square}").rect(), board["squares"][square]
    assert sq.x <= r.x and sq.y <= r.y and r.x + r.w <= sq.x + sq.w and r.y + r.h <= sq.y + sq.h, \
        f"{name}'s token at {r} is not on square {square} at {sq}"
    assert count(img, r, FIGURE[player]) >= 20, f"{name}'s figure does not show at {r}"
    assert count(img, r, NAVY) < 10 and commonest(img, r) == commonest(img, sq._replace(h=2)), \
        f"{name}'s token keeps its own ground instead of square {square}'s colour"


def box_shown(run, box):
    img, r = run.look(), box.rect()
    centred(f"the box {box.name!r}", r, run.stage().rect())
    # on the screen, not only in the tree: a busy compositor may show it a frame later
    assert count(img, r, STRIP_BLUE) > 5 * r.w, f"the box {box.name!r} at {r} has not shown its title strip yet"
    assert run.find("label", lambda n: n.strip(), box), f"the box {box.name!r} shows no prompt"
    assert run.one("push button", "OK", box).has("focused"), f"the box {box.name!r}'s OK has not the keys"
    return img


def answer(run, box, before_return=lambda: None):
    """Checks a message box, and answers it with Return; its title."""
    title, r, resume = box.name, box.rect(), run.step_name
    run.step("box-" + re.sub(r"\W+", "-", title).strip("-").lower())
    shown = wait_for(lambda: box_shown(run, box))
    before_return()
    run.key("Return")

    def gone():  # and what lies beneath shows again: the box was in front of it
        assert title not in [b.name for b in run.boxes()], f"the box {title!r} is still open after Return"
        assert differing(shown, run.look(keep=False), r) > r.w * r.h // 3, \
            f"the box {title!r} did not show in front at {r}, or its picture stays"
    wait_for(gone)
    run.step(resume)
    return title


def turn(run, board, names, player, by_click=False, stray_space=False):
    """The player throws (a click on "Shuffle", or Space on it) and walks (Return on "Move")
    until the turn passes; the steps thrown, the boxes' titles and the last screenshot."""
    titles = []
    answer_all = lambda: titles.extend(answer(run, b) for b in run.boxes())  # noqa: E731
    run.click(run.one("push button", "Shuffle")) if by_click else run.key("space")
    run.step("rolled")

    def rolled():
        move, total = run.one("push button", "Move"), run.one("label", lambda n: n.startswith("Roll")).name
        die = run.one("image", lambda n: n.startswith("Die: "))
        assert move.has("enabled") and move.has("focused"), "Move is not enabled and focused after the throw"
        assert not run.boxes() and re.fullmatch(r"Roll total: \d+", total), f"no total after the throw: {total}"
        return move, int(total.split()[-1]), die
    move, total, die = wait_for(rolled, first=answer_all)
    face, img = int(die.name.split()[-1]), run.look()
    assert pips(img, die.rect()) == face, f"the die named {die.name!r} shows {pips(img, die.rect())} pips"
    assert 1 <= face <= 5, f"the die shows {face}: a six is always thrown again"
    assert total == face + 6 * ("LUCKY HAND" in titles), f"{titles} and the die's {face} make no {total}"
    run.key("Return")
    if stray_space:  # a stray key while the token walks presses nothing, not "Cancel"
        wait_for(lambda: expect(not move.has("enabled"), "Return did not start the walk"))
        run.key("space")
    run.step("walking")

    def passed():
        img = run.look()
        assert run.find("dialog", "Kivo: board"), "the board closed during the walk"
        on_turn(run, board, names[(player + 1) % len(names)], img)
        return img
    return total, titles, wait_for(passed, 90, first=answer_all)


def pips(img, die):
    """The black blots on the die's silver face."""
    r = box_of(img.crop((die.x, die.y, die.x + die.w, die.y + die.h)), SILVER)
    assert r, "the die shows no silver face"
    face, n = img.crop((die.x + r.x + 2, die.y + r.y + 2, die.x + r.x + r.w - 2, die.y + r.y + r.h - 2)), 0
    while b := box_of(face, (0, 0, 0)):
        ImageDraw.floodfill(face, next((x, b.y) for x in range(b.x, b.x + b.w) if face.getpixel((x, b.y)) == (0, 0, 0)),
                            SILVER)
        n += 1
    return n


def selected(entry):
    """The name box has the keys, and all its text is selected: typing replaces it."""
    whole = Atspi.Text.get_selection(entry.acc, 0)
    assert entry.has("focused") and (whole.start_offset, whole.end_offset) == (0, len(entry.text())), \
        f"{entry} has not the keys with {entry.text()!r} all selected"


def openbox_keeps_the_box(run, box):
    """Under a window manager the box is no window of its own, so it has no title bar to
    click; minimised with the stage, it comes back with it."""
    s, (w, h) = run.s, run.display.size
    windows = s.windows(run.proc.pid)
    assert len(windows) == 1, f"Kivo has {len(windows)} X windows while a box is open; only the stage was expected"
    stage = windows[0]
    assert stage.get_wm_name() == "Kivo", f"the stage's window is titled {stage.get_wm_name()!r}"
    shown, b = run.look(), box.rect()
    s.ask_wm(stage, "WM_CHANGE_STATE", 3)  # iconic
    run.step("minimised")

    def minimised():
        img, state = run.look(), stage.get_full_property(s.atom("WM_STATE"), s.atom("WM_STATE"))
        assert stage.get_attributes().map_state != X.IsViewable and state and state.value[0] == 3, \
            "the stage did not go when it was minimised"
        assert count(img, Rect(0, 0, w, h), GROUND) < w * h // 100, "the stage's ground still shows"
        assert differing(shown, img, b) > b.w * b.h // 2, "the box stays without the stage"
    wait_for(minimised)
    s.ask_wm(stage, "_NET_ACTIVE_WINDOW", 2, X.CurrentTime)
    run.step("restored")

    def restored():
        stage_covers(run, img := box_shown(run, box))
        assert differing(shown, img, Rect(0, 0, w, h)) < w * h // 100, "the stage came back other than it was"
    wait_for(restored)


# --- The story ----------------------------------------------------------------------------------


def test_splash_waits_for_a_key(run):
    run.start_kivo()
    run.step("splash")

    def splash():
        card, img = card_shown(run, "Kivo", PALE)
        icon = run.one("image", "Kivo", card).rect()
        assert count(img, icon, YELLOW) > icon.w * icon.h // 5, f"the splash shows no icon at {icon}"
        return icon, img
    seen["icon"], before = wait_for(splash)
    run.step("stage-clicked")
    run.click((3, 3))
    def unchanged():
        diff = ImageChops.difference(before, run.look()).getbbox()
        # a compositor may draw its own cursor where the click left the pointer, now and then
        assert diff is None or (run.display.strip and diff[2] <= 32 and diff[3] <= 32), \
            f"a click on the stage changed the screen within {diff}"
        assert not run.boxes(), f"a click on the stage opened {run.boxes()}"
    wait_for(unchanged)
    end = time.monotonic() + 1
    while time.monotonic() < end:  # and what must not happen, watched for a second
        unchanged()
    run.step("setup")
    run.key("x")
    wait_for(lambda: setup_shown(run))


def test_setup_asks_for_every_name(run):
    run.click(run.one("radio button", "Four"))
    run.click(run.one("push button", "Ok"))
    run.step("names-open")
    first = wait_for(lambda: run.one("text", "Name of player 1"))
    wait_for(lambda: selected(first))
    run.key("BackSpace")
    wait_for(lambda: expect(first.text() == "", f"Backspace left {first.text()!r}"))
    card, go = run.one("dialog", "Kivo: players").rect(), run.one("push button", "GO")
    run.click(go)
    box = wait_for(lambda: run.one("alert", "EMPTY NAME"))
    centred("the box over the set-up card", box.rect(), card)
    if run.display.log == "openbox":
        openbox_keeps_the_box(run, box)

    g = go.rect()  # a click on the corner of "GO" that the box leaves free must not press it
    answer(run, box, lambda: run.click((g.x + 3, g.y + g.h - 3)))
    run.step("setup-after-box")
    wait_for(lambda: setup_shown(run))
    for i, name in enumerate(FOUR):
        entry = run.one("text", f"Name of player {i + 1}")
        run.click(entry)
        run.key("ctrl+a")
        wait_for(lambda: selected(entry))
        for ch in name:
            run.key(ch)
        wait_for(lambda: expect(entry.text() == name, f"the name box holds {entry.text()!r}, not {name!r}"))
    run.step("names-typed")


def test_four_players_take_turns(run):
    run.click(run.one("push button", "GO"))
    run.step("board")
    board = wait_for(lambda: board_shown(run, FOUR))
    img, start = run.look(), run.one("image", "Ann at the start").rect()
    assert count(img, start, FIGURE[0]) >= 20, f"Ann's token does not show on the start pad at {start}"
    on_turn(run, board, "Ann", img)
    # Ann throws with a click and walks with Return; Bob uses the keyboard only. From the
    # start pad only the ladder on 7, up to 26, is in reach.
    steps, _, img = turn(run, board, FOUR, 0, by_click=True, stray_space=True)
    token_on(run, board, img, 0, "Ann", 26 if steps == 7 else steps)
    assert count(img, start, FIGURE[0]) == 0, "Ann's figure still shows on the start pad"
    assert count(img, start, FIGURE[1]) >= 20, "Bob's token does not wait on the start pad"
    steps, titles, img = turn(run, board, FOUR, 1)
    token_on(run, board, img, 1, "Bob", 26 if steps == 7 else steps)
    if "COLLISSION......." in titles:
        run.one("image", "Ann at the start")
    assert count(img, start, FIGURE[1]) == 0, "Bob's figure still shows on the start pad"
    assert count(img, start, FIGURE[2]) >= 20 or count(img, start, FIGURE[0]) >= 20, "no token waits for Cy"


def test_restart_for_two_with_a_box_of_the_board(run):
    run.click(run.one("push button", "Cancel"))
    run.step("end")
    wait_for(lambda: card_shown(run, "Kivo: restart or exit"))
    run.click(run.one("push button", "Restart"))
    run.step("setup-again")
    wait_for(lambda: setup_shown(run))
    assert run.one("radio button", "Two").has("checked"), "the set-up does not start with two players"
    run.click(run.one("push button", "Ok"))
    names = lambda: [run.one("text", f"Name of player {i}").text() for i in range(1, 5)]  # noqa: E731
    wait_for(lambda: expect(names() == [f"Player {i}" for i in range(1, 5)], f"the set-up shows {names()}"))
    run.click(run.one("push button", "GO"))
    run.step("board-for-two")
    board, titles = wait_for(lambda: board_shown(run, TWO)), []
    for n in range(40):  # a box comes at a six, a snake, a ladder or a collision
        if titles := turn(run, board, TWO, n % 2)[1]:
            break
    assert titles, "forty turns without a message box"
    run.click(run.one("push button", "Cancel"))
    run.step("end-again")
    wait_for(lambda: card_shown(run, "Kivo: restart or exit"))


def test_exit_leaves_nothing(run):
    run.click(run.one("push button", "Exit"))
    run.step("after-exit")
    status, (w, h) = wait_for(lambda: expect(run.proc.poll() is not None, "Kivo still runs") and run.proc.poll()), \
        run.display.size

    def gone():
        assert count(run.look(), Rect(0, 0, w, h), GROUND) < w * h // 100, "the stage is still drawn after Exit"
        assert run.display.wayland or not run.s.windows(run.proc.pid), "Kivo's windows stay after Exit"
    wait_for(gone)
    assert status == 0, f"Kivo ended with status {status} after Exit"
    if run.display.wayland:  # what Kivo asked the compositor for, read from its protocol log
        log = (run.s.out / "kivo.log").read_text(errors="replace")
        made = re.findall(r"-> xdg_(?:surface@\d+\.get_toplevel|toplevel@\d+\.(destroy))\(", log)
        most = max(itertools.accumulate(-1 if destroyed else 1 for destroyed in made), default=0)
        said = dict(re.findall(r'-> xdg_toplevel@\d+\.set_(title|app_id)\("(.*)"\)', log))
        assert most == 1, f"Kivo had {most} top-level windows at once; one was expected"
        assert said == {"title": "Kivo", "app_id": "org.kivo.Kivo"} and ".set_fullscreen(" in log, \
            f"Kivo asked for a window {said}, not one titled Kivo, of org.kivo.Kivo, full screen"
