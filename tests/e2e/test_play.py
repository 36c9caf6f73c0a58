"""Kivo from start to "Exit", as players at one screen would play it: the splash (and a click
on the stage beside it), the set-up for four ("GO" first with the first name empty, for its
message box), two turns, "Cancel", "Restart", a game for two played through a message box of
the board, "Cancel" and "Exit". The chapters run in order on one Kivo."""

import re
import time

from gi.repository import Atspi

from harness import GROUND, Rect, box_of, commonest, count, expect, wait_for
from PIL import ImageChops
from Xlib import X

PALE = (255, 224, 192)  # splash and set-up ground, 0x00C0E0FF, and the names on the board
NAVY = (0, 0, 64)  # a token's own ground, 0x00400000
SQUARE_1, SQUARE_100 = (155, 111, 196), (255, 192, 192)
FIGURE = [  # the players' figures: green, red, blue
    lambda c: c[1] >= 100 and c[0] <= 60 and c[2] <= 60,
    lambda c: c[0] >= 150 and c[1] <= 60 and c[2] <= 60,
    lambda c: c[2] >= 150 and c[0] <= 60 and c[1] <= 110,
]
YELLOW = lambda c: c[0] >= 200 and c[1] >= 180 and c[2] <= 100  # noqa: E731 (the board's icon)
GREY = lambda c: c[0] == c[1] == c[2] and 40 <= c[0] <= 110  # noqa: E731 (the turn pointer)
FOUR = ["Ann", "Bob", "Cy", "Dee"]
TWO = ["Player 1", "Player 2"]

seen = {}  # what one chapter leaves the next


def edges(r):
    return r.x, r.y, r.x + r.w, r.y + r.h


def spans(what, got, want, tol=2):
    assert got and all(abs(g - w) <= tol for g, w in zip(edges(got), edges(want))), \
        f"{what} spans {got}, not {want}"


def centred(what, r, on, tol=2):
    assert abs(2 * r.x + r.w - 2 * on.x - on.w) <= 2 * tol and \
        abs(2 * r.y + r.h - 2 * on.y - on.h) <= 2 * tol, f"{what} at {r} is not centred on {on}"


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
    r = card.rect()
    centred(f"the card {title!r}", r, run.stage().rect(), 1)
    spans("all but the stage's ground", box_of(img, GROUND, other=True), r)
    if ground:
        spans(f"the ground of {title!r}", box_of(img, ground), r)
    return card, img


def setup_shown(run):
    card, img = card_shown(run, "Kivo: players", PALE)
    assert not run.find("dialog", "Kivo"), "the splash is still open"
    assert count(img, seen["icon"], YELLOW) == 0, "the splash's icon still shows over the set-up card"
    return card


def board_shown(run, names):
    """The board fills the stage: its 100 squares named and drawn, squares 1 and 100 in their
    colours where the program says they are, and the names on the first rows of the list."""
    img = run.look()
    stage_covers(run, img)
    assert not run.boxes(), f"a message box is open: {run.boxes()}"
    assert not run.find("dialog", "Kivo: players"), "the set-up card is still open"
    board = run.one("dialog", "Kivo: board")
    squares = {int(c.name.split(":")[0]): c.rect()
               for c in run.find("label", lambda n: re.fullmatch(r"\d+(: .*)?", n), board)}
    assert sorted(squares) == list(range(1, 101)), f"the board names squares {sorted(squares)}"
    for n, r in squares.items():
        assert commonest(img, r)[0] != GROUND, f"square {n} at {r} shows only the stage's ground"
    for n, colour in ((1, SQUARE_1), (100, SQUARE_100)):
        r = squares[n]
        b = box_of(img.crop((r.x - 4, r.y - 4, r.x + r.w + 4, r.y + r.h + 4)), colour)
        spans(f"square {n}'s colour {colour}", b and Rect(b.x + r.x - 4, b.y + r.y - 4, b.w, b.h), r, 1)
    rows = [run.one("label", name, board).rect() for name in names]
    assert [r.y for r in rows] == sorted(r.y for r in rows), f"the names are not listed in order: {rows}"
    for name, r in zip(names, rows):
        assert count(img, r, PALE) > 20, f"{name}'s name does not show at {r}"
    pitch, last = rows[1].y - rows[0].y, rows[-1]
    for k in range(1, 5 - len(names)):  # rows below the last player's stay empty
        r = Rect(last.x, last.y + k * pitch, max(r.w for r in rows), last.h)
        assert count(img, r, PALE) == 0, f"a name shows below the last player's, at {r}"
    return {"squares": squares, "rows": dict(zip(names, rows))}


def on_turn(run, board, name, img):
    pointer = run.one("image", f"{name}'s turn").rect()
    row = board["rows"][name]
    assert pointer.y < row.y + row.h and row.y < pointer.y + pointer.h and pointer.x < row.x, \
        f"the turn pointer at {pointer} is not level with {name}'s row at {row}"
    assert count(img, pointer, GREY) > 20, f"the turn pointer does not show at {pointer}"


def box_shown(run, box):
    img = run.look()
    centred(f"the box {box.name!r}", box.rect(), run.stage().rect())
    assert run.find("label", lambda n: n.strip(), box), f"the box {box.name!r} shows no prompt"
    assert run.one("push button", "OK", box).has("focused"), f"the box {box.name!r}'s OK has not the keyboard"
    return img


def answer(run, box, before_return=lambda: None):
    """Checks a message box and answers it with Return; its title."""
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


def answer_all(run, titles):
    titles += [answer(run, b) for b in run.boxes()]


def turn(run, board, names, player, by_click=False, stray_space=False):
    """The player throws (a click on "Shuffle", or Space on it) and walks (Return on "Move")
    until the turn passes; the steps thrown, the boxes' titles and the last screenshot."""
    titles = []
    if by_click:
        run.click(run.one("push button", "Shuffle"))
    else:
        run.key("space")
    run.step("rolled")

    def rolled():
        move = run.one("push button", "Move")
        assert move.has("enabled") and move.has("focused"), "Move is not enabled and focused after the throw"
        total = run.one("label", lambda n: n.startswith("Roll")).name
        die = run.one("image", lambda n: n.startswith("Die: "))
        assert not run.boxes() and re.fullmatch(r"Roll total: \d+", total), f"no total after the throw: {total}"
        return move, int(total.split()[-1]), die

    move, total, die = wait_for(rolled, first=lambda: answer_all(run, titles))
    face, img = int(die.name.split()[-1]), run.look()
    assert pips(img, die.rect()) == face, f"the die named {die.name!r} shows {pips(img, die.rect())} pips"
    assert 1 <= face <= 5, f"the die shows {face}: a six is always thrown again"
    assert total == face + 6 * ("LUCKY HAND" in titles), f"{titles} and the die's {face} make no {total}"
    run.key("Return")
    if stray_space:  # a stray key while the token walks presses nothing, not "Cancel"
        wait_for(lambda: expect(not move.has("enabled"), "Return did not start the walk"))
        run.key("space")
    run.step("walking")
    nxt = names[(player + 1) % len(names)]

    def passed():
        img = run.look()
        assert run.find("dialog", "Kivo: board"), "the board closed during the walk"
        on_turn(run, board, nxt, img)
        return img

    return total, titles, wait_for(passed, 90, first=lambda: answer_all(run, titles))


def pips(img, die):
    """The black pips on the die's silver face, counted as separate blots."""
    face = box_of(img.crop((die.x, die.y, die.x + die.w, die.y + die.h)), (192, 192, 192))
    assert face, "the die shows no silver face"
    x0, y0 = die.x + face.x + 2, die.y + face.y + 2
    black = {(x, y) for x in range(face.w - 4) for y in range(face.h - 4)
             if img.getpixel((x0 + x, y0 + y)) == (0, 0, 0)}
    blots = 0
    while black:
        blots += 1
        todo = [black.pop()]
        while todo:
            x, y = todo.pop()
            for p in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)):
                if p in black:
                    black.remove(p)
                    todo.append(p)
    return blots


def landing(steps):
    return 26 if steps == 7 else steps  # from the start pad only the ladder on 7 is in reach


def token_on(run, board, img, player, name, square):
    r, sq = run.one("image", f"{name} on square {square}").rect(), board["squares"][square]
    assert sq.x <= r.x and sq.y <= r.y and r.x + r.w <= sq.x + sq.w and r.y + r.h <= sq.y + sq.h, \
        f"{name}'s token at {r} is not on square {square} at {sq}"
    assert count(img, r, FIGURE[player]) >= 20, f"{name}'s figure does not show at {r}"
    assert count(img, r, NAVY) < 10, f"{name}'s token keeps its dark ground on square {square}"
    assert commonest(img, r)[0] == commonest(img, Rect(sq.x, sq.y, sq.w, 2))[0], \
        f"{name}'s token is not on the colour of square {square}"


def steady(check, seconds=1.0):
    """What must not happen: check holds at every look for a while."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        check()


# --- The story ------------------------------------------------------------------------------


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
    run.click(3, 3)

    def unchanged():
        assert ImageChops.difference(before, run.look()).getbbox() is None, "a click on the stage changed the screen"
        assert not run.boxes(), f"a click on the stage opened {run.boxes()}"

    steady(unchanged)
    run.step("setup")
    run.key("x")
    wait_for(lambda: setup_shown(run))


def test_setup_asks_for_every_name(run):
    run.click(run.one("radio button", "Four"))
    run.click(run.one("push button", "Ok"))
    run.step("names-open")
    first = run.one("text", "Name of player 1")
    wait_for(lambda: selected(first))
    run.key("BackSpace")
    wait_for(lambda: expect(first.text() == "", f"Backspace left {first.text()!r}: the name was not all selected"))
    card, go = run.one("dialog", "Kivo: players"), run.one("push button", "GO")
    run.click(go)
    box = wait_for(lambda: run.one("alert", "EMPTY NAME"))
    centred("the box over the set-up card", box.rect(), card.rect())
    if run.display.log == "openbox":
        openbox_keeps_the_box(run, box)

    def click_beneath():  # on "GO" itself where the box leaves it free: it must not act
        b, c = box.rect(), card.rect()
        free = [r for r in (go.rect(), run.one("text", "Name of player 2").rect()) if not overlaps(r, b)]
        run.click(*((free[0].x + free[0].w // 2, free[0].y + free[0].h // 2) if free else (c.x + 4, c.y + 4)))

    answer(run, box, click_beneath)
    run.step("setup-after-box")
    wait_for(lambda: setup_shown(run))
    for i, name in enumerate(FOUR):
        entry = run.one("text", f"Name of player {i + 1}")
        run.click(entry)
        run.key("ctrl+a")
        wait_for(lambda: selected(entry))
        run.type(name)
        wait_for(lambda: expect(entry.text() == name, f"the name box holds {entry.text()!r}, not {name!r}"))
    run.step("names-typed")


def selected(entry):
    """The name box has the keyboard, and all its text is selected: typing replaces it."""
    assert entry.has("focused"), f"{entry} has not the keyboard"
    whole = Atspi.Text.get_selection(entry.acc, 0)
    assert (whole.start_offset, whole.end_offset) == (0, len(entry.text())), f"not all of {entry.text()!r} is selected"


def overlaps(a, b):
    return a.x < b.x + b.w and b.x < a.x + a.w and a.y < b.y + b.h and b.y < a.y + a.h


def openbox_keeps_the_box(run, box):
    """Under a window manager the box is no window of its own, so it has no title bar to
    click; minimised with the stage, it comes back with it."""
    s, pid = run.s, run.proc.pid
    windows = s.windows(pid)
    assert len(windows) == 1, f"Kivo has {len(windows)} X windows while a box is open; only the stage was expected"
    stage = s.x.create_resource_object("window", windows.pop())
    assert stage.get_wm_name() == "Kivo", f"the stage's window is titled {stage.get_wm_name()!r}"
    shown = run.look()
    w, h = run.display.size
    s.ask_wm(stage, "WM_CHANGE_STATE", 3)  # iconic
    run.step("minimised")

    def minimised():
        img = run.look()
        state = stage.get_full_property(s.atom("WM_STATE"), s.atom("WM_STATE"))
        assert stage.get_attributes().map_state != X.IsViewable and state and state.value[0] == 3, \
            "the stage did not go when it was minimised"
        assert count(img, Rect(0, 0, w, h), GROUND) < w * h // 100, "the stage's ground still shows"
        assert differing(shown, img, box.rect()) > box.rect().w * box.rect().h // 2, "the box stays without the stage"

    wait_for(minimised)
    s.ask_wm(stage, "_NET_ACTIVE_WINDOW", 2, X.CurrentTime)
    run.step("restored")

    def restored():
        img = box_shown(run, box)
        stage_covers(run, img)
        assert differing(shown, img, Rect(0, 0, w, h)) < w * h // 100, "the stage came back other than it was"

    wait_for(restored)


def test_four_players_take_turns(run):
    run.click(run.one("push button", "GO"))
    run.step("board")
    board = wait_for(lambda: board_shown(run, FOUR))
    img = run.look()
    start = run.one("image", "Ann at the start").rect()
    assert count(img, start, FIGURE[0]) >= 20, f"Ann's token does not show on the start pad at {start}"
    on_turn(run, board, "Ann", img)

    # Ann throws with a click and walks with Return; Bob uses the keyboard only.
    steps, _, img = turn(run, board, FOUR, 0, by_click=True, stray_space=True)
    token_on(run, board, img, 0, "Ann", landing(steps))
    assert count(img, start, FIGURE[0]) == 0, "Ann's figure still shows on the start pad"
    assert count(img, start, FIGURE[1]) >= 20, "Bob's token does not wait on the start pad"

    steps, titles, img = turn(run, board, FOUR, 1)
    token_on(run, board, img, 1, "Bob", landing(steps))
    if "COLLISSION......." in titles:
        assert run.one("image", "Ann at the start"), "Bob's landing on Ann did not send her back"
    assert count(img, start, FIGURE[1]) == 0, "Bob's figure still shows on the start pad"
    assert count(img, start, FIGURE[2]) >= 20 or count(img, start, FIGURE[0]) >= 20, \
        "no token waits on the start pad for Cy"


def test_restart_for_two_with_a_box_of_the_board(run):
    run.click(run.one("push button", "Cancel"))
    run.step("end")
    wait_for(lambda: card_shown(run, "Kivo: restart or exit"))
    run.click(run.one("push button", "Restart"))
    run.step("setup-again")

    wait_for(lambda: setup_shown(run))
    assert run.one("radio button", "Two").has("checked"), "the set-up does not start with two players"
    run.click(run.one("push button", "Ok"))

    def fresh():
        names = [run.one("text", f"Name of player {i}").text() for i in range(1, 5)]
        assert names == [f"Player {i}" for i in range(1, 5)], f"the set-up starts with the names {names}"

    wait_for(fresh)
    run.click(run.one("push button", "GO"))
    run.step("board-for-two")
    board = wait_for(lambda: board_shown(run, TWO))
    titles = []
    for n in range(40):  # a box comes at a six, a snake, a ladder or a collision
        titles += turn(run, board, TWO, n % 2)[1]
        if titles:
            break
    assert titles, "forty turns without a message box"
    run.click(run.one("push button", "Cancel"))
    run.step("end-again")
    wait_for(lambda: card_shown(run, "Kivo: restart or exit"))


def test_exit_leaves_nothing(run):
    run.click(run.one("push button", "Exit"))
    run.step("after-exit")
    status = wait_for(lambda: expect(run.proc.poll() is not None, "Kivo is still running after Exit") and run.proc.poll())
    w, h = run.display.size

    def gone():
        assert count(run.look(), Rect(0, 0, w, h), GROUND) < w * h // 100, "the stage is still drawn after Exit"
        assert run.display.wayland or not run.s.windows(run.proc.pid), "Kivo's windows stay after Exit"

    wait_for(gone)
    assert status == 0, f"Kivo ended with status {status} after Exit"
    if run.display.wayland:
        asked_one_window(run.s.out / "kivo.log")


def asked_one_window(log):
    """What Kivo asked the compositor for, read from its Wayland protocol log: one top-level
    window at a time, titled "Kivo", full screen, named by its menu entry's id."""
    alive = most = 0
    said = {}
    for line in log.read_text(errors="replace").splitlines():
        if re.search(r"-> xdg_surface@\d+\.get_toplevel\(", line):
            alive += 1
            most = max(most, alive)
        elif re.search(r"-> xdg_toplevel@\d+\.destroy\(", line):
            alive -= 1
        elif m := re.search(r'-> xdg_toplevel@\d+\.set_(title|app_id|fullscreen)\((?:"(.*)")?', line):
            said[m[1]] = m[2]
    assert most == 1, f"Kivo had {most} top-level windows at once; one was expected"
    assert said.get("title") == "Kivo" and said.get("app_id") == "org.kivo.Kivo" and "fullscreen" in said, \
        f"Kivo asked for {said}"
