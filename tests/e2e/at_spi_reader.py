# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
#
# Reads the running program through the accessibility bus, as a screen reader does, and
# checks what it hears. Each check waits (a hang limit, not a proof) for the program to say
# what is expected, since it reaches the bus and reads its calendars in its own time.
# Usage: at_spi_reader.py EXPECTATIONS.json
#   {"application": "Solvane", "first_month": "January 2026", "last_month": "December 2026",
#    "cells": {"Friday 25 December 2026, Christmas Day": "December 2026", ...},
#    "labels": ["Sunrise 7:07A", ...], "timeout": 90}
# Prints what it read and ends with 0 when every check holds, 1 otherwise.
import json
import sys
import time

import pyatspi


def say(text):
    print(text, flush=True)


def showing(node):
    try:
        return node.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def children(node):
    try:
        return [node.getChildAtIndex(i) for i in range(node.childCount)]
    except Exception:
        return []


def find_application(name):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in children(desktop):
        if app is not None and app.name == name:
            return app
    return None


def walk(node, tables, labels):
    """The shown month tables and the names of shown static texts under `node`. A table's
    cells are not walked here: they are read by the checks that need them."""
    for child in children(node):
        if child is None or not showing(child):
            continue
        role = child.getRole()
        if role == pyatspi.ROLE_TABLE:
            tables.append(child)
            continue
        if role in (pyatspi.ROLE_LABEL, pyatspi.ROLE_STATIC):
            labels.append(child.name)
        walk(child, tables, labels)


def year_window(app):
    frames = [f for f in children(app) if f is not None and showing(f)
              and f.getRole() == pyatspi.ROLE_FRAME]
    return frames[0] if frames else None


def dump(node, depth=0, limit=5):
    """The top of the tree under `node`, for a failure's message."""
    if node is None or depth > limit:
        return
    try:
        states = [pyatspi.stateToString(s) for s in node.getState().getStates()]
        say("%s%s %r %s" % ("  " * depth, node.getRoleName(), node.name, " ".join(states)))
    except Exception as error:
        say("%s(unreadable: %s)" % ("  " * depth, error))
        return
    if node.getRole() != pyatspi.ROLE_TABLE:
        for child in children(node):
            dump(child, depth + 1, limit)


def cell_names(table):
    return [cell.name for cell in children(table) if cell is not None]


class Reader:
    def __init__(self, expected):
        self.expected = expected
        self.deadline = time.monotonic() + float(expected.get("timeout", 90))
        self.last = "nothing read yet"

    def until(self, what, check, app=None):
        """Repeats `check` until it returns a true value or the time is up."""
        while True:
            try:
                result = check()
            except Exception as error:  # the program may still be building its tree
                result = None
                self.last = "error: %s" % error
            if result:
                return result
            if time.monotonic() > self.deadline:
                say("FAIL: %s (last seen: %s)" % (what, self.last))
                if app is not None:
                    say("the application's tree:")
                    dump(app)
                sys.exit(1)
            time.sleep(0.25)

    def run(self):
        name = self.expected["application"]
        app = self.until("the application %r is on the accessibility bus" % name,
                         lambda: find_application(name))
        say("application: %s" % app.name)

        def months_shown():
            window = year_window(app)
            if window is None:
                self.last = "no shown window"
                return None
            tables, labels = [], []
            walk(window, tables, labels)
            self.last = "window %r, tables %r" % (window.name, [t.name for t in tables])
            names = [t.name for t in tables]
            if (len(names) != 12 or names[0] != self.expected["first_month"]
                    or names[-1] != self.expected["last_month"]):
                return None
            return window, tables, labels

        window, tables, labels = self.until("the year window shows the twelve months",
                                            months_shown, app)
        say("window: %s, %d month grids: %s .. %s" % (window.name, len(tables),
                                                      tables[0].name, tables[-1].name))
        by_month = {t.name: t for t in tables}

        for cell, month in self.expected["cells"].items():
            def named():
                names = cell_names(by_month[month])
                self.last = "%s: %r" % (month, [n for n in names if n][:3] + ["..."])
                return cell in names
            self.until("a cell of %s reads %r" % (month, cell), named, app)
            say("cell: %s" % cell)

        for label in self.expected["labels"]:
            def readable():
                found = []
                walk(window, [], found)
                self.last = "labels %r" % found
                return label in found
            self.until("the text %r is readable" % label, readable, app)
            say("label: %s" % label)
        say("PASS")


if __name__ == "__main__":
    with open(sys.argv[1], encoding="utf-8") as f:
        Reader(json.load(f)).run()
