#!/usr/bin/env python3
"""Fails when a text in the code has no finished translation in one of the .ts files.

lupdate runs over the sources into throw-away copies of the .ts files; any message it leaves
unfinished (a new text, or one whose source changed) is reported with its context.
"""
import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET


def unfinished(ts_path):
    found = []
    for context in ET.parse(ts_path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "unfinished"
            if kind in ("obsolete", "vanished"):
                continue
            text = "".join(translation.itertext()) if translation is not None else ""
            numerus = translation.findall("numerusform") if translation is not None else []
            if kind == "unfinished" or (not text.strip() and not numerus):
                found.append((name, message.findtext("source")))
    return found


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--lupdate", required=True)
    parser.add_argument("--project", required=True, help="lupdate's project description (JSON)")
    parser.add_argument("--options", default="", help="lupdate options, ';'-separated")
    parser.add_argument("ts_files", nargs="+")
    args = parser.parse_args()
    options = [o for o in args.options.split(";") if o]
    failures = 0
    with tempfile.TemporaryDirectory() as tmp:
        copies = []
        for ts in args.ts_files:
            copy = os.path.join(tmp, os.path.basename(ts))
            shutil.copyfile(ts, copy)
            copies.append(copy)
        result = subprocess.run(
            [args.lupdate, "-silent", *options, "-project", args.project, "-ts", *copies],
            capture_output=True, text=True)
        if result.returncode != 0:
            sys.stderr.write(result.stdout + result.stderr)
            return 1
        for copy in copies:
            for context, source in unfinished(copy):
                print(f"{os.path.basename(copy)}: [{context}] {source!r} has no finished translation")
                failures += 1
    if failures:
        print(f"{failures} text(s) untranslated; run the hollymoor_lupdate target and translate them")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
