#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
"""Checks the program's .ts files against the texts in the code.

usage: check_translations.py LUPDATE SOURCE_ROOT "FOLDER;FOLDER..." "OPTION;OPTION..." TS_FILE...

Each .ts file is copied to a temporary folder and lupdate reads the code into the copy, with
the options the build uses. The check fails when a text of the code has no entry in the file
(missing), when an entry is no longer in the code (vanished or obsolete), when an entry is
unfinished or empty, when a translation's %1..%99 or %n differ from its source's, or when a
plural has not the number of forms the language has.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

# Plural forms by language, as Qt counts them (qtbase's numerus rules).
PLURAL_FORMS = {"de": 2, "fr": 2, "es": 2, "it": 2, "pt": 2, "nl": 2, "pl": 3, "cs": 3}
ARGUMENT = re.compile(r"%(?:L?[1-9][0-9]?|n)")


def entries(path):
    """(context, source, comment) -> (numerus, translation element) for every message."""
    found = {}
    root = ET.parse(path).getroot()
    for context in root.findall("context"):
        name = context.findtext("name", "")
        for message in context.findall("message"):
            key = (name, message.findtext("source", ""), message.findtext("comment", ""))
            found[key] = (message.get("numerus") == "yes", message.find("translation"))
    return root.get("language", ""), found


def arguments(text):
    return sorted(set(a.replace("%L", "%") for a in ARGUMENT.findall(text or "")))


def check_file(ts_file, lupdate, root, folders, options):
    problems = []
    language, committed = entries(ts_file)
    with tempfile.TemporaryDirectory() as folder:
        copy = os.path.join(folder, os.path.basename(ts_file))
        shutil.copyfile(ts_file, copy)
        run = subprocess.run([lupdate, "-silent", *options, *folders, "-extensions", "cpp,h",
                              "-ts", copy], cwd=root, capture_output=True, text=True,
                             timeout=300)
        if run.returncode != 0:
            return [f"lupdate failed: {run.stderr.strip()}"]
        _, fresh = entries(copy)
    for key in sorted(fresh.keys() - committed.keys()):
        problems.append(f"missing: {key[0]}: {key[1]!r}")
    for key in sorted(committed.keys() - fresh.keys()):
        problems.append(f"vanished: {key[0]}: {key[1]!r}")
    forms = PLURAL_FORMS.get(language.split("_")[0])
    for key, (numerus, translation) in sorted(committed.items()):
        where = f"{key[0]}: {key[1]!r}"
        kind = translation.get("type") if translation is not None else "unfinished"
        if kind in ("unfinished", "vanished", "obsolete"):
            problems.append(f"{kind}: {where}")
            continue
        texts = ([f.text for f in translation.findall("numerusform")] if numerus
                 else [translation.text])
        if numerus and forms is not None and len(texts) != forms:
            problems.append(f"{len(texts)} plural forms where {language} has {forms}: {where}")
        wanted = arguments(key[1])
        for text in texts:
            if not text:
                problems.append(f"empty: {where}")
            elif arguments(text) != wanted:
                problems.append(f"arguments {arguments(text)} where the source has {wanted}: "
                                f"{where} -> {text!r}")
    return problems


def main(argv):
    if len(argv) < 6:
        print(__doc__, file=sys.stderr)
        return 2
    lupdate, root, folders, options = argv[1], argv[2], argv[3].split(";"), argv[4].split(";")
    failed = False
    for ts_file in argv[5:]:
        problems = check_file(ts_file, lupdate, root, folders, [o for o in options if o])
        name = os.path.basename(ts_file)
        for problem in problems:
            print(f"{name}: {problem}")
        print(f"{name}: {'FAILED, ' + str(len(problems)) + ' problems' if problems else 'ok'}")
        failed = failed or bool(problems)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
