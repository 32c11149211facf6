#!/usr/bin/python3
"""Prints the accessibility tree (AT-SPI) of the running Ringlook, as a screen
reader sees it: role, name and, where it differs, text of every object, and
whether it is on screen. With --check it also checks the roles and names a
screen reader depends on (and with --calls, that the list holds calls) and
exits 1 when one is wrong. With --messages TEXT it checks the messages window
instead: its view must read as read-only text holding TEXT, with TEXT among
its links. With --menu NAMES, while a context menu is open, it prints that
menu and checks that it offers the named items (comma-separated), each named:
Qt leaves popups out of the application's children, so the menu is reached
as a screen reader reaches it, through the focus of its first item, which
Down (xdotool) gives it. With --listen, started
before the program, it first notes for a while which names the program
announces as changed: with --check, the new caption and a status panel must be
among them. Needs the program started with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
on the same session bus, as scripts/run.sh --check-a11y does."""

import argparse
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib


def find_application(name, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == name:
                return app
        time.sleep(0.5)
    return None


def text_of(node):
    try:
        text = node.queryText()
    except NotImplementedError:
        return None
    return text.getText(0, text.characterCount)


def describe(node):
    line = f"[{node.getRoleName()}] {node.name!r}"
    text = text_of(node)
    if text is not None and text != node.name:
        line += f" text={text!r}"
    if not node.getState().contains(pyatspi.STATE_SHOWING):
        line += " (not showing)"
    return line


def walk(node, depth=0, out=None):
    if out is None:
        out = []
    out.append((depth, node))
    for child in node:
        if child is not None:
            walk(child, depth + 1, out)
    return out


def print_tree(window):
    for depth, node in walk(window):
        print("  " * depth + describe(node))


def check_main_window(window, caption, calls):
    faults = []
    if window.getRoleName() != "frame" or window.name != caption:
        faults.append(f"main window is {describe(window)}, not [frame] {caption!r}")
    nodes = [node for _, node in walk(window)]
    bars = [n for n in nodes if n.getRoleName() == "status bar"]
    if len(bars) != 1:
        faults.append(f"{len(bars)} status bars instead of 1")
    else:
        panels = [child for child in bars[0] if child is not None]
        texts = [p.name for p in panels]
        if len(panels) != 3 or not all(p.getRoleName() == "label" and p.name.strip() for p in panels):
            faults.append(f"status bar panels are {[describe(p) for p in panels]}")
        else:
            print(f"status panels: {texts}")
    lists = [n for n in nodes if n.getRoleName() == "list"]
    if len(lists) != 1:
        faults.append(f"{len(lists)} lists instead of 1")
    else:
        items = [child for child in lists[0] if child is not None]
        if not all(item.getRoleName() == "list item" and item.name for item in items):
            faults.append("list lines are not all named list items")
        if len(items) < calls:
            faults.append(f"{len(items)} list lines, not the {calls} or more of a connected program")
        print(f"list lines: {len(items)}")
    faults += unnamed_controls(nodes)
    return faults


def unnamed_controls(nodes):
    controls = {"push button", "check box", "text", "combo box", "list"}
    return [f"control without a name: {describe(n)}" for n in nodes if n.getRoleName() in controls and not n.name]


def check_messages(app, address, seconds):
    deadline = time.monotonic() + seconds
    window = None
    while window is None and time.monotonic() < deadline:
        window = next((w for w in app if w is not None and w.name == "Berichten"), None)
        if window is None:
            time.sleep(0.5)
    if window is None:
        return ["the messages window did not open"]
    print_tree(window)
    views = [n for _, n in walk(window) if n.name == "Berichten" and n is not window]
    if len(views) != 1:
        return [f"{len(views)} messages views instead of 1"]
    view = views[0]
    faults = []
    if view.getRoleName() != "text" or not view.getState().contains(pyatspi.STATE_READ_ONLY):
        faults.append(f"the messages view is {describe(view)}, not read-only [text]")
    content = text_of(view)
    if content is None or address not in content:
        faults.append(f"the messages view does not hold {address!r}")
    links = [child.name for child in view if child is not None and child.getRoleName() == "link"]
    print(f"links: {links}")
    if address not in links:
        faults.append(f"{address!r} is not among the links {links}")
    return faults


def open_menu(seconds):
    focused = []

    def on_focus(event):
        if event.source is not None and event.source.getRoleName() == "menu item" and not focused:
            focused.append(event.source)
            pyatspi.Registry.stop()

    def press_down():
        subprocess.call(["xdotool", "key", "Down"])
        return False

    kind = "object:state-changed:focused"
    pyatspi.Registry.registerEventListener(on_focus, kind)
    GLib.timeout_add(300, press_down)
    stop = GLib.timeout_add(int(seconds * 1000), pyatspi.Registry.stop)
    pyatspi.Registry.start()
    pyatspi.Registry.deregisterEventListener(on_focus, kind)
    if not focused:
        return None
    GLib.source_remove(stop)
    return focused[0].parent


def check_menu(seconds, names):
    menu = open_menu(seconds)
    if menu is None:
        return ["no menu item took the focus: no context menu is open"]
    print_tree(menu)
    shown = [n for n in menu if n is not None and n.getState().contains(pyatspi.STATE_SHOWING)]
    faults = [f"menu item without a name: {describe(n)}" for n in shown
              if n.getRoleName() == "menu item" and not n.name]
    offered = [n.name for n in shown if n.getRoleName() == "menu item"]
    faults += [f"the menu does not offer {name!r}" for name in names if name not in offered]
    return faults


def announced_renames(seconds):
    renames = []

    def on_rename(event):
        source = event.source
        parent = source.parent
        renames.append((source.getRoleName(), parent.getRoleName() if parent else "", source.name))

    kind = "object:property-change:accessible-name"
    pyatspi.Registry.registerEventListener(on_rename, kind)
    GLib.timeout_add(int(seconds * 1000), pyatspi.Registry.stop)
    pyatspi.Registry.start()
    pyatspi.Registry.deregisterEventListener(on_rename, kind)
    for rename in renames:
        print(f"announced: [{rename[0]}] in [{rename[1]}] now {rename[2]!r}")
    return renames


def check_renames(renames, caption):
    faults = []
    if ("frame", "application", caption) not in renames:
        faults.append(f"the caption {caption!r} was not announced")
    if not any(role == "label" and parent == "status bar" for role, parent, _ in renames):
        faults.append("no status panel's new text was announced")
    return faults


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true", help="check roles and names; exit 1 on a fault")
    parser.add_argument("--caption", default="Ringlook v2.54", help="the main window's expected caption")
    parser.add_argument("--wait", type=float, default=30, help="seconds to wait for the program")
    parser.add_argument("--listen", type=float, help="first note the announced name changes for this long")
    parser.add_argument("--calls", type=int, default=0, help="the least number of lines the list must hold")
    parser.add_argument("--messages", metavar="TEXT", help="check the messages window for this address instead")
    parser.add_argument("--menu", metavar="NAMES", help="check the open context menu for these items instead")
    args = parser.parse_args()

    renames = announced_renames(args.listen) if args.listen else None

    app = find_application("Ringlook", args.wait)
    if app is None:
        print("Ringlook is not on the accessibility bus", file=sys.stderr)
        return 1
    if args.messages or args.menu is not None:
        if args.messages:
            faults = check_messages(app, args.messages, args.wait)
        else:
            faults = check_menu(args.wait, [name for name in args.menu.split(",") if name])
        for fault in faults:
            print("FAULT: " + fault, file=sys.stderr)
        return 1 if faults else 0
    windows = [w for w in app if w is not None]
    faults = []
    for window in windows:
        print_tree(window)
    main_windows = [w for w in windows if w.name == args.caption or w.getRoleName() in ("frame", "filler")]
    if args.check:
        if renames is not None:
            faults += check_renames(renames, args.caption)
        if not main_windows:
            faults.append("no main window")
        else:
            faults += check_main_window(main_windows[0], args.caption, args.calls)
        for window in windows:
            if window.getRoleName() == "dialog":
                if not window.name:
                    faults.append(f"dialog without a name: {describe(window)}")
                faults += unnamed_controls([n for _, n in walk(window)])
        for fault in faults:
            print("FAULT: " + fault, file=sys.stderr)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
