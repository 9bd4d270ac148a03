#!/usr/bin/python3
"""What a screen reader gets from the running program, for accessibility_test.sh.

  accessibility_probe.py speech ORCA_LOG FROM_LINE
      what Orca spoke after line FROM_LINE of its debug file, one utterance a line
  accessibility_probe.py focus APP
      one line per focus change in APP, as it arrives, until killed:
      gained|lost, alive|dead (whether the object still exists then), role, name
  accessibility_probe.py tree APP [--word NAME] [--status-bar PANELS PATTERN...]
                                  [--board NAME] [--not-named NAME...]
      checks on the objects of APP; prints ok or FAIL for each, fails if any fails
"""

import argparse
import re
import sys

import pyatspi

# Orca's debug line: the text, then which voice and its settings.
SPOKEN = re.compile(r" - SPEECH OUTPUT: '(.*?)'(?: voice=\w+)?(?:\{.*\})?$")


def speech(log, from_line):
    with open(log, encoding="utf-8", errors="replace") as lines:
        for number, line in enumerate(lines, 1):
            spoken = SPOKEN.search(line.rstrip("\n"))
            if number > from_line and spoken:
                print(spoken.group(1))


def describe(obj):
    try:
        return f"{obj.getRoleName()} '{obj.name}'"
    except Exception:
        return "an object that is gone"


def alive(obj):
    try:
        return not obj.getState().contains(pyatspi.STATE_DEFUNCT) and obj.getIndexInParent() >= 0
    except Exception:
        return False


def application(name):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == name:
            return app
    sys.exit(f"FAIL: no application named {name} on the accessibility bus")


def watch_focus(app_name):
    def on_focus(event):
        try:
            if event.host_application.name != app_name:
                return
        except Exception:
            pass
        line = "\t".join(("gained" if event.detail1 else "lost",
                          "alive" if alive(event.source) else "dead", describe(event.source)))
        print(line, flush=True)

    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
    print("listening", flush=True)
    pyatspi.Registry.start()


def descendants(obj):
    for child in obj:
        if child is not None:
            yield child
            yield from descendants(child)


class Checks:
    failed = 0

    def check(self, passed, what, why=""):
        print(f"ok: {what}" if passed else f"FAIL: {what}: {why}")
        self.failed += not passed


def check_tree(args):
    everything = list(descendants(application(args.app)))
    checks = Checks()

    if args.word:
        words = [o for o in everything if o.name == args.word]
        focusable = [o for o in words if o.getState().contains(pyatspi.STATE_FOCUSABLE)]
        first_word = args.word.split()[0]
        like = [describe(o) for o in everything if o.name.startswith(first_word)]
        checks.check(len(focusable) == 1, f"one focusable control is named '{args.word}'",
                     f"{len(words)} named so, {len(focusable)} focusable; named like it: {like}")

    if args.status_bar:
        panels, *patterns = args.status_bar
        bars = [o for o in everything if o.getRole() == pyatspi.ROLE_STATUS_BAR]
        checks.check(len(bars) == 1, "one object has the role status bar", f"{len(bars)} have it")
        for bar in bars:
            names = [child.name for child in bar]
            checks.check(len(names) == int(panels), f"the status bar has {panels} panels", f"it has {names}")
            for pattern in patterns:
                checks.check(any(re.fullmatch(pattern, n) for n in names),
                             f"a status bar panel is named like '{pattern}'", f"they are {names}")

    if args.board:
        board = next((o for o in everything if o.name == args.board), None)
        # The status bar is said by its role: a name besides would be said twice.
        named = [o for o in descendants(board) if o.getRole() != pyatspi.ROLE_STATUS_BAR] if board else []
        nameless = [d for d in map(describe, named) if d.endswith(" ''")]
        checks.check(board is not None and not nameless, f"everything on '{args.board}' has a name",
                     f"nameless: {nameless}" if board else "there is no such object")

    for name in args.not_named:
        named = [describe(o) for o in everything if o.name == name]
        checks.check(not named, f"no object is named '{name}'", f"found {named}")

    return 1 if checks.failed else 0


def main():
    parser = argparse.ArgumentParser()
    commands = parser.add_subparsers(dest="command", required=True)
    spoken = commands.add_parser("speech")
    spoken.add_argument("log")
    spoken.add_argument("from_line", type=int)
    focus = commands.add_parser("focus")
    focus.add_argument("app")
    tree = commands.add_parser("tree")
    tree.add_argument("app")
    tree.add_argument("--word")
    tree.add_argument("--status-bar", nargs="+", metavar="PANELS PATTERN")
    tree.add_argument("--board")
    tree.add_argument("--not-named", nargs="*", default=[])
    args = parser.parse_args()

    if args.command == "speech":
        speech(args.log, args.from_line)
    elif args.command == "focus":
        watch_focus(args.app)
    else:
        sys.exit(check_tree(args))


if __name__ == "__main__":
    main()
