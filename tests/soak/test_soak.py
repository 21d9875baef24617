# SPDX-License-Identifier: MIT
"""Soak test: the real program under tens of thousands of X input events, then still whole.

A plan of pointer and key actions is drawn from a fixed seed and played by soak_driver (our
XTEST driver) into the program on the end-to-end harness's private X server: moves over the
whole window and along both sides of every key's edges and through the gaps, clicks,
double-clicks and drags on every key but Quit, Tab walks with the space bar over every
hidden button but Quit, and typed keys: digits, operations, Enter, Escape, Backspace, copy and
paste (of the program's own copies and of text another program offers). The driver closes every
message box that opens. Every few thousand
events the display is read through the accessibility bus (at most 15 characters) and the
program's resident memory is noted. At the end the program must still compute, must have
grown by less than 2 MiB since the warm-up, and the skin Quit key must end it with status 0.

Usage: test_soak.py --binary B --driver D --layout build/.../layout.json
                    [--seed N] [--events N] [--plan FILE]
The same seed gives the same plan: a failure is replayed with the seed it prints.
"""

import argparse
import json
import os
import random
import re
import select
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
import harness  # noqa: E402
import window_layout  # noqa: E402
from window_layout import accessible_name  # noqa: E402

TITLE = "Varnik Calculator"
DEFAULT_SEED = 4005
DEFAULT_EVENTS = 40000
CHECKPOINT_EVENTS = 2500
DISPLAY_LIMIT = 15
RSS_GROWTH_LIMIT_KIB = 2048
DOUBLE_CLICK_PIXELS = 5
DRIVER_ANSWER_SECONDS = 120
# Enough boxes that 1 KiB kept by each would fail the memory limit.
ABOUT_BOXES = 3000
# Boxes were seen up to 7 ms after the program had answered for the key (both cores busy).
EQUALS_BOX_WAIT_MS = 250

ANCHOR = "About "  # where the focus rests between visits to the hidden buttons
POINT = "."
DIGIT_KEYS = ["one", "two", "three", "four", "five", "six", "seven", "eight", "nine", "zero"]
# Typed keys by their X names: the numeric keypad's operations need no Shift on any layout.
TYPED_KEYS = ["1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "KP_Decimal", "KP_Add",
              "KP_Subtract", "KP_Multiply", "KP_Divide", "BackSpace", "Escape", "Delete",
              "ctrl+c", "ctrl+shift+c", "ctrl+v", "shift+Insert", "ctrl+Insert"]
# Enter and = compute: on a failure the equals button's box opens.
EQUALS_KEYS = ["KP_Enter", "Return"]
# What another program offers on the clipboard at the start: a number in Bengali digits.
OFFERED_TEXT = "\u09e8.\u09eb"


class HiddenButtons:
    """The hidden buttons' captions in Tab order from the About button (layout.json), and the
    walks to them. A walk never crosses the point button, which Tab skips while it is
    disabled: the buttons after it are reached backwards, past Quit (never pressed)."""

    def __init__(self):
        self.order = window_layout.tab_order()
        point = self.order.index(POINT)
        self.forward = self.order[1:point]
        self.backward = self.order[point + 1:][::-1]
        assert self.order[0] == ANCHOR and self.backward[0] == "Quit", self.order
        self.pressable = [ANCHOR, POINT] + self.forward + self.backward[1:]


def skin_keys(layout):
    """Each skin key's rectangle in pixels, {name: (left, top, width, height)}."""
    with open(layout, encoding="utf-8") as file:
        keys = {key["name"]: tuple(key["pixels"]) for key in json.load(file)["skinKeys"]}
    assert len(keys) == 18 and "Quit" in keys, f"skin keys read from {layout}: {sorted(keys)}"
    return keys


class Plan:
    """Lines for soak_driver and the number of X input events each one makes."""

    def __init__(self, keys, width, height, rng):
        self.keys, self.width, self.height, self.rng = keys, width, height, rng
        self.hidden = HiddenButtons()
        self.clickable = sorted(name for name in keys if name != "Quit")
        self.lines, self.events = [], 0
        self.last_press = (-100, -100)

    def add(self, line, events=0):
        self.lines.append(line)
        self.events += events

    # Pointer

    def move(self, x, y):
        self.add(f"m {x} {y}", 1)
        self.add("s")

    def point_in(self, name):
        """A point of the key, often on its outermost pixels, not within double-click reach
        of the last press (so every click counts on its own)."""
        left, top, width, height = self.keys[name]
        while True:
            x = left + self.rng.randrange(width)
            y = top + self.rng.randrange(height)
            if self.rng.random() < 0.4:
                x = self.rng.choice([left, left + width - 1])
            if self.rng.random() < 0.4:
                y = self.rng.choice([top, top + height - 1])
            last_x, last_y = self.last_press
            if abs(x - last_x) > DOUBLE_CLICK_PIXELS or abs(y - last_y) > DOUBLE_CLICK_PIXELS:
                self.last_press = (x, y)
                return x, y

    def click(self, name, double=False):
        x, y = self.point_in(name)
        self.add(f"{'d' if double else 'c'} {x} {y}", 5 if double else 3)
        self.add("s")

    def clicks(self, *names):
        for name in names:
            self.click(name)

    def long_number(self):
        """More digits on the skin than the display holds."""
        for _ in range(DISPLAY_LIMIT + 5):
            self.click(self.rng.choice(DIGIT_KEYS))

    def drag(self, name):
        x, y = self.point_in(name)
        to_x, to_y = self.rng.randrange(self.width), self.rng.randrange(self.height)
        self.add(f"g {x} {y} {to_x} {to_y}", 4)
        self.add("s")

    def sweep(self, points):
        for x, y in points:
            self.move(x, y)

    # Keyboard

    def key(self, name):
        self.add(f"k {name}", 4 if name == "BackTab" else 2)

    def typed(self):
        """A few typed keys, now and then Enter; the driver closes a box Enter opens."""
        for _ in range(self.rng.randrange(1, 6)):
            self.key(self.rng.choice(TYPED_KEYS))
        self.add("s")
        if self.rng.random() < 0.3:
            self.key(self.rng.choice(EQUALS_KEYS))
            self.add(f"s {EQUALS_BOX_WAIT_MS}")

    def walk(self, steps):
        for _ in range(abs(steps)):
            self.key("Tab" if steps > 0 else "BackTab")

    def press_hidden(self, name):
        """From the About button to the button, space, and back; the driver closes a box."""
        forward, backward = self.hidden.forward, self.hidden.backward
        if name == POINT:
            # Clear enables the point button; its press disables it, and the focus moves on
            # to the next button, one step further from About than the point was.
            self.press_hidden("Clear")
            self.walk(len(forward) + 1)
            self.key("space")
            self.add("s")
            self.walk(-(len(forward) + 1))
            self.add("s")
            return
        steps = forward.index(name) + 1 if name in forward else \
            -(backward.index(name) + 1) if name in backward else 0
        assert name != "Quit" and (steps or name == ANCHOR), name
        self.walk(steps)
        self.key("space")
        # About always opens its box; equals opens one when it fails (the driver waits a
        # while for it); no other button opens any.
        self.add("b" if name == ANCHOR else f"s {EQUALS_BOX_WAIT_MS}" if name == "=" else "s")
        self.walk(-steps)
        self.add("s")

    def excursion(self):
        """Tab or Shift+Tab some way round and back, pressing nothing."""
        steps = self.rng.choice([-1, 1]) * self.rng.randrange(1, 2 * len(self.hidden.order))
        self.walk(steps)
        self.walk(-steps)
        self.add("s")

    def checkpoint(self):
        self.add("r")


def edge_sweeps(keys, width, height):
    """Moves along both sides of each key's four edges, and through each gap between the keys
    from one side of the window to the other (one pixel beyond it where the screen goes on)."""
    sweeps = []
    for left, top, w, h in keys.values():
        right, bottom = left + w, top + h  # the first pixels outside
        for x in (left - 1, left, right - 1, right):
            sweeps.append([(x, y) for y in range(top - 1, bottom + 1)])
        for y in (top - 1, top, bottom - 1, bottom):
            sweeps.append([(x, y) for x in range(left - 1, right + 1)])

    def gaps(spans, size):
        """The runs of pixels that no span covers, within 0..size-1."""
        covered = sorted(spans)
        runs, start = [], 0
        for first, end in covered:
            if first > start:
                runs.append((start, first))
            start = max(start, end)
        if start < size:
            runs.append((start, size))
        return runs

    for first, end in gaps([(l, l + w) for l, _, w, _ in keys.values()], width):
        sweeps.append([((first + end) // 2, y) for y in range(height + 1)])
    for first, end in gaps([(t, t + h) for _, t, _, h in keys.values()], height):
        sweeps.append([(x, (first + end) // 2) for x in range(width + 1)])
    for x in (0, width - 1, width):
        sweeps.append([(x, y) for y in range(height + 1)])
    for y in (0, height - 1, height):
        sweeps.append([(x, y) for x in range(width + 1)])
    return [[(x, y) for x, y in sweep if x >= 0 and y >= 0] for sweep in sweeps]


def warm_up(plan):
    """Every key hovered, clicked and double-clicked, every hidden button pressed, both
    message boxes (About, and equals on the empty display after Clear) opened, a long
    number, a drag and a Tab walk round: whatever is made once and then kept exists."""
    for name in plan.clickable:
        plan.click(name)
        plan.click(name, double=True)
    left, top, width, height = plan.keys["Quit"]
    plan.move(left + width // 2, top + height // 2)
    plan.move(plan.width // 2, plan.height - 8)  # the web link
    for name in ["Clear", "="] + plan.hidden.pressable:
        plan.press_hidden(name)
    plan.drag(plan.clickable[0])
    plan.excursion()
    for name in TYPED_KEYS + EQUALS_KEYS:
        plan.key(name)
        plan.add(f"s {EQUALS_BOX_WAIT_MS}")
    # Results with every character the display shows: "e+", "e-", "-", ".".
    plan.clicks("Clear")
    plan.long_number()
    plan.clicks("times")
    plan.long_number()
    plan.clicks("equals", "Clear", "one", "divided by")
    plan.long_number()
    plan.clicks("equals", "Clear", "one", "minus", "nine", "equals")
    plan.clicks("Clear", "two", "divided by", "three", "equals")
    for _ in range(10):
        plan.press_hidden(ANCHOR)
    plan.long_number()
    plan.checkpoint()


def soak(plan, events):
    """Random actions up to `events`, with the edge sweeps and the About boxes spread evenly
    among them."""
    rng = plan.rng
    # A shorter soak opens fewer boxes in proportion.
    boxes = ABOUT_BOXES * events // DEFAULT_EVENTS
    scheduled = edge_sweeps(plan.keys, plan.width, plan.height) + [None] * boxes
    rng.shuffle(scheduled)
    scheduled_events = sum(len(item) if item else 2 for item in scheduled)
    random_budget = max(events - plan.events - scheduled_events, 1)
    actions = [
        (30, lambda: plan.move(rng.randrange(plan.width + 3), rng.randrange(plan.height + 3))),
        (25, lambda: near_an_edge(plan)),
        (25, lambda: plan.click(rng.choice(plan.clickable))),
        (8, lambda: plan.click(rng.choice(plan.clickable), double=True)),
        (4, lambda: plan.drag(rng.choice(plan.clickable))),
        (3, lambda: plan.press_hidden(rng.choice(plan.hidden.pressable))),
        (4, plan.typed),
        (0.5, plan.excursion),
    ]
    weights = [weight for weight, _ in actions]
    total, random_events = len(scheduled), 0
    next_checkpoint = plan.events + CHECKPOINT_EVENTS
    while plan.events < events or scheduled:
        done = total - len(scheduled)
        if scheduled and (random_events / random_budget >= done / total
                          or plan.events >= events):
            item = scheduled.pop()
            if item is None:
                plan.press_hidden(ANCHOR)
            else:
                plan.sweep(item if rng.random() < 0.5 else item[::-1])
        else:
            before = plan.events
            rng.choices(actions, weights)[0][1]()
            random_events += plan.events - before
        if plan.events >= next_checkpoint:
            plan.long_number()  # the display is read full at the checkpoint
            plan.checkpoint()
            next_checkpoint = plan.events + CHECKPOINT_EVENTS
    if plan.lines[-1] != "r":
        plan.checkpoint()


def near_an_edge(plan):
    """A move onto or next to a key's edge, anywhere along it."""
    left, top, width, height = plan.keys[plan.rng.choice(sorted(plan.keys))]
    if plan.rng.random() < 0.5:
        x = plan.rng.choice([left - 1, left, left + width - 1, left + width])
        y = top + plan.rng.randrange(-1, height + 1)
    else:
        x = left + plan.rng.randrange(-1, width + 1)
        y = plan.rng.choice([top - 1, top, top + height - 1, top + height])
    plan.move(max(x, 0), max(y, 0))


def resident_kib(pid):
    with open(f"/proc/{pid}/status", encoding="ascii") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    raise AssertionError("no VmRSS")


class Driver:
    """soak_driver fed the plan in pieces, each ending with a checkpoint line."""

    def __init__(self, path, session):
        self.process = subprocess.Popen([path, str(session.window)], env=session.env,
                                        stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                        text=True)

    def play(self, lines):
        """Sends lines (the last one "r") and returns the driver's counts."""
        try:
            self.process.stdin.write("".join(line + "\n" for line in lines))
            self.process.stdin.flush()
        except BrokenPipeError:
            pass  # it failed; its last words say why
        ready, _, _ = select.select([self.process.stdout], [], [], DRIVER_ANSWER_SECONDS)
        answer = self.process.stdout.readline().strip() if ready else "no answer"
        if not answer.startswith("ok "):
            raise AssertionError(f"input driver: {answer or 'ended'}")
        return dict(field.split("=") for field in answer.split()[1:])

    def close(self):
        if self.process.stdin:
            self.process.stdin.close()
        if self.process.wait(10) != 0:
            raise AssertionError(f"input driver ended with {self.process.returncode}")


def tab_to(session, caption):
    """Tabs to a hidden button as the accessibility bus reports the focus and Tab stops (by
    the names a screen reader hears)."""
    nodes = session.tree()
    stops = {node.name for node in nodes if node.role == "push button"
             and {"focusable", "sensitive"} <= set(node.states)}
    cycle = [name for name in map(accessible_name, window_layout.tab_order()) if name in stops]
    current = next(node.name for node in nodes if "focused" in node.states)
    steps = (cycle.index(accessible_name(caption)) - cycle.index(current)) % len(cycle)
    if steps:
        session.key(*["Tab"] * steps)
    harness.poll_equal("focused button", session.focused_name, accessible_name(caption))


def check_window(session, where):
    """What a screen reader sees at a checkpoint: one window, a short display, the focus
    where the plan left it."""
    tops = [node.name for node in session.top_levels()]
    assert tops == [TITLE], f"{where}: windows {tops}"
    text = session.display_text()
    assert len(text) <= DISPLAY_LIMIT, f"{where}: {len(text)} characters on display: {text!r}"
    focused, anchor = session.focused_name(), accessible_name(ANCHOR)
    assert focused == anchor, f"{where}: the focus is on {focused!r}, not {anchor!r}"
    return text


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--binary", required=True)
    parser.add_argument("--driver", required=True)
    parser.add_argument("--layout", required=True, help="layout.json of the build")
    parser.add_argument("--seed", type=int, default=DEFAULT_SEED)
    # The sanitizers' build soaks for less: its program runs slower.
    parser.add_argument("--events", type=int,
                        default=int(os.environ.get("VARNIK_SOAK_EVENTS", DEFAULT_EVENTS)))
    parser.add_argument("--plan", help="also write the plan to this file")
    args = parser.parse_args()
    window_layout.PATH = args.layout
    replay = (f"{sys.argv[0]} --binary {args.binary} --driver {args.driver} "
              f"--layout {args.layout} --seed {args.seed} --events {args.events}")
    print(f"seed {args.seed}, at least {args.events} input events; replay with:\n  {replay}",
          flush=True)

    try:
        return soak_once(args)
    except AssertionError as error:
        print(f"FAILED: {error}\nreplay with seed {args.seed}: {replay}")
        return 1


def play(session, driver_path, plan, warm_lines):
    """Plays the plan, checking the window at each checkpoint. Returns the driver's last
    counts, the resident memory after the warm-up and at the end (KiB), and the longest
    display text seen."""
    driver = Driver(driver_path, session)
    pid = session.process.pid
    counts = driver.play(plan.lines[:warm_lines])
    text = check_window(session, "after the warm-up")
    rss_before = resident_kib(pid)
    print(f"warm-up: {counts['events']} events, {counts['boxes']} message boxes, "
          f"display {text!r}, resident {rss_before} KiB", flush=True)
    longest, piece = len(text), []
    for line in plan.lines[warm_lines:]:
        piece.append(line)
        if line == "r":
            counts = driver.play(piece)
            piece = []
            where = f"after {counts['events']} events"
            text = check_window(session, where)
            longest = max(longest, len(text))
            print(f"{where}: {counts['boxes']} message boxes, display {text!r}, "
                  f"resident {resident_kib(pid)} KiB", flush=True)
    driver.close()
    return counts, rss_before, resident_kib(pid), longest


def soak_once(args):
    with harness.Session(os.path.abspath(args.binary), TITLE) as session:
        geometry = session.xdotool("getwindowgeometry", session.window)
        width, height = map(int, re.search(r"Geometry: (\d+)x(\d+)", geometry).groups())
        plan = Plan(skin_keys(args.layout), width, height, random.Random(args.seed))
        # Another program offers a number until the calculator copies one of its own.
        offer = session.spawn(["xclip", "-i", "-selection", "clipboard"], session.env,
                              stdin=subprocess.PIPE, text=True)
        offer.stdin.write(OFFERED_TEXT)
        offer.stdin.close()
        warm_up(plan)
        warm_lines, warm_events = len(plan.lines), plan.events
        soak(plan, args.events)
        if args.plan:
            with open(args.plan, "w", encoding="ascii") as file:
                file.write("".join(line + "\n" for line in plan.lines))

        start = time.monotonic()
        counts, rss_before, rss_after, longest = play(session, args.driver, plan, warm_lines)
        elapsed = time.monotonic() - start

        # Still answers: a computation on the hidden keypad.
        for name in ["Clear", "1", "2", "+", "3", "="]:
            tab_to(session, name)
            session.key("space")
        harness.poll_equal("display after 12 + 3 =", session.display_text, "15")

        left, top, key_width, key_height = plan.keys["Quit"]
        session.click(left + key_width // 2, top + key_height // 2)
        status = session.wait_exit(5)

    events = int(counts["events"])
    growth = rss_after - rss_before
    print(f"{events} input events in {elapsed:.1f} s: {plan.events} planned ({warm_events} "
          f"of them the warm-up), {events - plan.events} closing {counts['boxes']} message "
          f"boxes; the display held at most {longest} characters")
    print(f"resident memory after the warm-up {rss_before} KiB, at the end {rss_after} KiB, "
          f"growth {growth} KiB (limit {RSS_GROWTH_LIMIT_KIB} KiB)")
    assert events >= args.events, f"only {events} events"
    # Under AddressSanitizer freed memory waits in quarantine: its growth says nothing there,
    # and the sanitizer itself reports any leak when the program ends.
    if "ASAN_OPTIONS" not in os.environ:
        assert growth < RSS_GROWTH_LIMIT_KIB, f"resident memory grew by {growth} KiB"
    assert status == 0, f"the skin Quit key ended the program with status {status}"
    print("soak passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
