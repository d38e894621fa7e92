#!/usr/bin/python3
"""Collects, from a finished Qt build and the source tree it was built from, what the licences of each installed
library and plugin ask to be passed on with it, into PREFIX/notices:

  binaries.tsv       one line per installed library or plugin: its path under PREFIX, the licences of Qt's own code in
                     it (SPDX identifiers, Qt's commercial licence left out) and the third-party parts compiled into it
  licenses/ID.txt    the text of each such licence, from the source tree's LICENSES
  third-party/ID.txt each third-party part's notice: what its qt_attribution.json says, with its licence texts

What a binary holds is read from the build itself: every file the compiler read for it (ninja's dependency log) and
every input of the build steps that made it (ninja's graph), so that a part switched off in the configuration is not
named and one compiled in cannot be left out.

Usage: qt_notices.py SOURCE_DIR BUILD_DIR PREFIX
"""

import collections
import json
import os
import re
import shutil
import subprocess
import sys

QT_COMMERCIAL = "LicenseRef-Qt-Commercial"


def fail(message):
    sys.exit(f"qt_notices.py: {message}")


def as_list(value):
    """A field that Qt writes as one string, a space- or comma-separated string, or a list, as a list."""
    if value is None:
        return []
    if isinstance(value, list):
        return [str(item) for item in value]
    return [item for item in re.split(r"[\s,]+", value) if item]


def ninja(build_dir, *args):
    return subprocess.run(["ninja", "-C", build_dir, *args], check=True, capture_output=True, text=True).stdout


def build_inputs(build_dir):
    """Every node's inputs: the graph's own (order-only ones left out: they order, they add nothing) and the headers
    the compiler read, from the dependency log. Paths are made absolute."""
    def absolute(path):
        return os.path.normpath(os.path.join(build_dir, path))

    inputs = collections.defaultdict(set)
    labels = {}
    edges = []
    for line in ninja(build_dir, "-t", "graph").splitlines():
        node = re.match(r'"(0x[0-9a-f]+)" \[label="(.*?)"(, shape=ellipse)?\]$', line)
        if node:
            labels[node.group(1)] = None if node.group(3) else absolute(node.group(2).replace("\\\\", "\\"))
            continue
        edge = re.match(r'"(0x[0-9a-f]+)" -> "(0x[0-9a-f]+)"( \[.*\])?$', line)
        if edge and "style=dotted" not in (edge.group(3) or ""):
            edges.append((edge.group(1), edge.group(2)))
    # A rule node stands between a step's inputs and its outputs; files are keyed by path, rules by their node.
    def key(node):
        return labels.get(node) or node

    for source, target in edges:
        inputs[key(target)].add(key(source))

    current = None
    for line in ninja(build_dir, "-t", "deps").splitlines():
        if not line.strip():
            current = None
        elif not line.startswith(" "):
            current = absolute(line.split(":", 1)[0])
        elif current:
            inputs[current].add(absolute(line.strip()))
    if not inputs:
        fail(f"ninja knows nothing of a build in {build_dir}")
    return inputs


def closure(inputs, target):
    seen = {target}
    todo = [target]
    while todo:
        for item in inputs.get(todo.pop(), ()):
            if item not in seen:
                seen.add(item)
                todo.append(item)
    return {item for item in seen if item.startswith("/")}


def spdx_ids(path):
    """The licence identifiers in a source file's SPDX tag, if it has one near its top."""
    try:
        with open(path, encoding="utf-8", errors="replace") as source:
            head = source.read(4096)
    except OSError:
        return set()
    tag = re.search(r"SPDX-License-Identifier:\s*([^\n]*)", head)
    if not tag:
        return set()
    expression = re.sub(r"\s*(\*/|-->|\"\"\"|#).*$", "", tag.group(1))
    return {word for word in re.findall(r"[A-Za-z0-9.+:-]+", expression) if word not in ("AND", "OR", "WITH")}


class Attribution:
    def __init__(self, source_dir, json_path, entry):
        self.entry = entry
        self.id = entry["Id"]
        self.base = os.path.dirname(json_path)
        files = as_list(entry.get("Files"))
        paths = [entry["Path"]] if entry.get("Path") else []
        self.scope = [os.path.normpath(os.path.join(self.base, item)) for item in (files or paths or ["."])]
        self.licence_files = [os.path.normpath(os.path.join(self.base, item))
                              for item in as_list(entry.get("LicenseFiles")) + as_list(entry.get("LicenseFile"))]
        for path in self.licence_files:
            if not os.path.isfile(path):
                fail(f"{os.path.relpath(json_path, source_dir)} names a licence file that is missing: {path}")
        if not self.licence_files:
            # Newer Qt keeps the texts in one place, named by their SPDX identifiers.
            for word in re.findall(r"[A-Za-z0-9.+-]+", entry.get("LicenseId", "")):
                text = os.path.join(source_dir, "LICENSES", word + ".txt")
                if os.path.isfile(text):
                    self.licence_files.append(text)

    def covers(self, path):
        return any(path == item or path.startswith(item + os.sep) for item in self.scope)

    def notice(self):
        entry = self.entry
        lines = [f"{entry.get('Name', self.id)} {entry.get('Version', '')}".rstrip()]
        for field in ("Homepage", "QtUsage"):
            if entry.get(field):
                lines.append(entry[field])
        licence = entry.get("License", "")
        if entry.get("LicenseId"):
            licence += f" ({entry['LicenseId']})"
        lines += ["", f"Licence: {licence}", ""]
        if entry.get("CopyrightFile"):
            with open(os.path.join(self.base, entry["CopyrightFile"]), encoding="utf-8", errors="replace") as text:
                lines.append(text.read().rstrip())
        else:
            copyright = entry.get("Copyright", "")
            lines.append("\n".join(copyright) if isinstance(copyright, list) else copyright.rstrip())
        for path in self.licence_files:
            with open(path, encoding="utf-8", errors="replace") as text:
                lines += ["", f"---- {os.path.basename(path)} ----", "", text.read().rstrip()]
        return "\n".join(lines) + "\n"


def attributions(source_dir):
    found = []
    for root, dirs, files in os.walk(source_dir):
        dirs[:] = sorted(item for item in dirs if item not in ("debian", ".pc"))
        if "qt_attribution.json" in files:
            path = os.path.join(root, "qt_attribution.json")
            with open(path, encoding="utf-8") as text:
                # Qt's files hold line breaks inside strings, which strict JSON refuses.
                data = json.loads(text.read(), strict=False)
            for entry in data if isinstance(data, list) else [data]:
                found.append(Attribution(source_dir, path, entry))
    if not found:
        fail(f"no qt_attribution.json under {source_dir}")
    return found


def main():
    if len(sys.argv) != 4:
        fail("usage: qt_notices.py SOURCE_DIR BUILD_DIR PREFIX")
    source_dir, build_dir, prefix = (os.path.abspath(item) for item in sys.argv[1:])
    parts = attributions(source_dir)
    inputs = build_inputs(build_dir)

    out = os.path.join(prefix, "notices")
    shutil.rmtree(out, ignore_errors=True)
    os.makedirs(os.path.join(out, "licenses"))
    os.makedirs(os.path.join(out, "third-party"))
    rows = []
    for root, _, files in os.walk(prefix):
        for name in files:
            installed = os.path.relpath(os.path.join(root, name), prefix)
            # What a program loads or links: the libraries, the plugins and the static libraries, such as the entry
            # point; not the import libraries, which only stand for a DLL at link time.
            stem = re.fullmatch(r"lib(.*)\.a", name)
            if not (name.endswith(".dll") or (installed.startswith("lib" + os.sep) and stem)):
                continue
            if stem and os.path.isfile(os.path.join(prefix, "bin", stem.group(1) + ".dll")):
                continue
            built = os.path.join(build_dir, installed)
            if built not in inputs:
                fail(f"{installed} is installed, but the build has no step that makes {built}")
            files_read = closure(inputs, built)
            held = set()
            licences = set()
            for path in files_read:
                covering = {part.id for part in parts if part.covers(path)}
                held |= covering
                # Qt's own code is tagged with its licences; a third-party part's are in its notice.
                if not covering and path.startswith(source_dir + os.sep):
                    licences |= spdx_ids(path)
            licences.discard(QT_COMMERCIAL)
            held = sorted(held)
            if not licences and not held:
                fail(f"neither an SPDX licence tag nor a third-party part in any source of {installed}")
            for licence in licences:
                text = os.path.join(source_dir, "LICENSES", licence + ".txt")
                if not os.path.isfile(text):
                    fail(f"the sources of {installed} name {licence}, whose text is not in {source_dir}/LICENSES")
                shutil.copyfile(text, os.path.join(out, "licenses", licence + ".txt"))
            rows.append(f"{installed}\t{' '.join(sorted(licences))}\t{' '.join(held)}\n")
            for part in parts:
                if part.id in held:
                    with open(os.path.join(out, "third-party", part.id + ".txt"), "w", encoding="utf-8") as text:
                        text.write(part.notice())
    if not rows:
        fail(f"no library or plugin installed in {prefix}")
    with open(os.path.join(out, "binaries.tsv"), "w", encoding="utf-8") as table:
        table.writelines(sorted(rows))
    for row in sorted(rows):
        print(row.rstrip().replace("\t", " | "))


if __name__ == "__main__":
    main()
