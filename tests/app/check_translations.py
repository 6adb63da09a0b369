#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Every translation is complete and in step with the code: run against fresh copies of the
.ts files updated from the sources (as update_translations would), no entry may be unfinished,
vanished or empty, and each keeps its source's placeholders, access key and outer blanks. The
.po files of the desktop entry and metainfo must translate every text of both."""

import argparse
import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%(?:\d|n)")


def flat(element):
    """An element's text, lupdate's <byte value="xd"/> turned back into its character."""
    if element is None:
        return ""
    text = element.text or ""
    for child in element:
        if child.tag == "byte":
            text += chr(int(child.get("value").lstrip("x"), 16))
        text += child.tail or ""
    return text


def access_keys(text):
    return len(re.findall(r"&(?!&)", text.replace("&&", "")))


def outer(text):
    return re.match(r"^\s*", text).group(0), re.search(r"\s*$", text).group(0)


def problems_in_ts(path):
    found = []
    for context in ET.parse(path).getroot().iter("context"):
        for message in context.iter("message"):
            source = flat(message.find("source"))
            translation = message.find("translation")
            where = f"{os.path.basename(path)}: {context.findtext('name')}: {source[:60]!r}"
            forms = [flat(f) for f in translation.iter("numerusform")] or [flat(translation)]
            if translation.get("type") in ("unfinished", "vanished", "obsolete"):
                found.append(f"{where} is {translation.get('type')}")
            elif any(not form.strip() for form in forms):
                found.append(f"{where} has an empty translation")
            for form in forms:
                if sorted(set(PLACEHOLDER.findall(form))) != sorted(set(PLACEHOLDER.findall(source))):
                    found.append(f"{where} changes the placeholders: {form[:60]!r}")
                if access_keys(form) != access_keys(source) or outer(form) != outer(source):
                    found.append(f"{where} changes the access key or outer blanks: {form[:60]!r}")
    return found


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--lupdate", required=True)
    parser.add_argument("--root", required=True, help="the project's source folder")
    options = parser.parse_args()
    root = options.root
    sources = [p for ext in ("cpp", "h") for p in glob.glob(f"{root}/src/**/*.{ext}", recursive=True)]
    ts_files = sorted(glob.glob(f"{root}/translations/dwellstar_*.ts"))
    po_folder = os.path.join(root, "packaging", "po")
    with open(os.path.join(po_folder, "LINGUAS"), encoding="utf-8") as linguas:
        languages = sorted(linguas.read().split())
    problems = []
    ts_languages = sorted(os.path.basename(p)[len("dwellstar_"):-3] for p in ts_files)
    if ts_languages != languages:
        problems.append(f"translations/ holds {ts_languages}, po/LINGUAS {languages}")

    with tempfile.TemporaryDirectory() as scratch:
        copies = [shutil.copy(p, scratch) for p in ts_files]
        subprocess.run([options.lupdate, "-silent", "-locations", "none", "-tr-function-alias",
                        "QT_TRANSLATE_NOOP+=READING_TR_NOOP", *sources, "-ts", *copies],
                       check=True, stdout=subprocess.DEVNULL)
        for copy in copies:
            problems += problems_in_ts(copy)

        # The template as the desktop entry and metainfo stand now, and each .po against it.
        template = os.path.join(scratch, "kv-dwellstar.pot")
        metainfo = shutil.copy(f"{root}/packaging/kv-dwellstar.metainfo.xml.in",
                               os.path.join(scratch, "kv-dwellstar.metainfo.xml"))
        subprocess.run(["xgettext", "--language=Desktop", "-o", template,
                        f"{root}/packaging/kv-dwellstar.desktop.in"], check=True)
        subprocess.run(["xgettext", "--join-existing", "-o", template, metainfo], check=True,
                       cwd=scratch)
        for language in languages:
            po = os.path.join(po_folder, f"{language}.po")
            done = subprocess.run(["msgcmp", po, template], capture_output=True, text=True)
            stats = subprocess.run(["msgfmt", "--check", "--statistics", "-o", os.devnull, po],
                                   capture_output=True, text=True)
            if done.returncode != 0 or stats.returncode != 0 or re.search(
                    r"fuzzy|untranslated", stats.stderr):
                problems.append(f"{po}: {done.stderr.strip()} {stats.stderr.strip()}")

    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
