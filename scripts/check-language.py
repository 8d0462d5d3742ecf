#!/usr/bin/env python3
"""Checks Veltora's language files.

usage: check-language.py KEYS_FILE [LANGUAGE_FILE ...]

KEYS_FILE lists one language key per line ('#' starts a comment line). Without
LANGUAGE_FILE arguments the two files in data/ are checked. Each language file must
parse as the program's profile reader sees it, define every listed key (letter case
ignored, any section), define [info] Language, keep every value GBK-encodable and within
the reader's 255 bytes, and give the workbook valid sheet names. When several files are
checked they must define the same sections and keys. Exit status 0 when all is well.
"""
import argparse
import pathlib
import re
import sys

MAX_VALUE_BYTES = 255          # the profile reader cuts a value after this many bytes
SHEET_NAME_KEYS = [f"SHEET{n}" for n in range(1, 11)]
SHEET_NAME_MAX = 31            # spreadsheet limit on sheet names
SHEET_NAME_FORBIDDEN = set('[]:*?/\\')

SECTION_LINE = re.compile(r"^\[(.*)\]$")


class LanguageFile:
    """One parsed language file: sections in file order, keys in section order."""

    def __init__(self, path, encoding):
        self.path = path
        self.errors = []
        self.sections = {}   # folded section name -> (name, {folded key: (key, value, line)})
        self._parse(path.read_bytes(), encoding)

    def error(self, line, text):
        self.errors.append(f"{self.path}:{line}: {text}" if line else f"{self.path}: {text}")

    def _parse(self, data, encoding):
        try:
            text = data.decode(encoding)
        except UnicodeDecodeError as e:
            self.error(0, f"not valid {encoding}: {e}")
            return
        current = None
        for number, raw in enumerate(text.split("\n"), start=1):
            line = raw.rstrip("\r").strip()
            if not line:
                continue
            match = SECTION_LINE.match(line)
            if match:
                name = match.group(1).strip()
                current = {}
                if name.casefold() in self.sections:
                    # Its entries are still checked, but the reader never sees them.
                    self.error(number, f"section [{name}] repeated; the reader sees only the first")
                else:
                    self.sections[name.casefold()] = (name, current)
                continue
            if "=" not in line:
                self.error(number, f"neither a section nor key=value: {line!r}")
                continue
            if current is None:
                self.error(number, "entry before the first section")
                continue
            key, value = (part.strip() for part in line.split("=", 1))
            if not key:
                self.error(number, "empty key")
            elif key.casefold() in current:
                self.error(number, f"key {key} repeated in its section; the reader sees only the first")
            else:
                current[key.casefold()] = (key, value, number)
                self._check_value(number, key, value)

    def _check_value(self, number, key, value):
        try:
            size = len(value.encode("gbk"))
        except UnicodeEncodeError as e:
            self.error(number, f"{key}: not encodable in GBK ({e.object[e.start:e.end]!r})")
            return
        if size > MAX_VALUE_BYTES:
            self.error(number, f"{key}: {size} bytes in GBK, the reader keeps only {MAX_VALUE_BYTES}")
        if not shown_text(value):
            self.error(number, f"{key}: empty text")

    def value(self, section, key):
        entry = self.sections.get(section.casefold(), (None, {}))[1].get(key.casefold())
        return None if entry is None else shown_text(entry[1])

    def defined_keys(self):
        return {key for _, entries in self.sections.values() for key in entries}

    def pairs(self):
        """{(folded section, folded key): "[Section] Key"} of every entry."""
        return {(folded_section, folded_key): f"[{section}] {entry[0]}"
                for folded_section, (section, entries) in self.sections.items()
                for folded_key, entry in entries.items()}


def shown_text(value):
    """The text the program gets: one matching pair of enclosing quotes removed."""
    if len(value) >= 2 and value[0] == value[-1] and value[0] in "\"'":
        return value[1:-1]
    return value


def read_keys(path):
    keys = []
    for line in path.read_text(encoding="utf-8").splitlines():
        line = line.strip()
        if line and not line.startswith("#"):
            keys.append(line)
    return keys


def check_file(language, keys):
    if language.value("info", "Language") is None:
        language.error(0, "[info] Language is missing")
    defined = language.defined_keys()
    for key in keys:
        if key.casefold() not in defined:
            language.error(0, f"key {key} is not defined in any section")
    names = {}
    for key in SHEET_NAME_KEYS:
        name = language.value("Excel", key)
        if name is None:
            language.error(0, f"[Excel] {key} (sheet name) is missing")
            continue
        bad = sorted(SHEET_NAME_FORBIDDEN.intersection(name))
        if len(name) > SHEET_NAME_MAX or bad or name.startswith("'") or name.endswith("'"):
            language.error(0, f"[Excel] {key}: {name!r} is not a valid sheet name")
        if name.casefold() in names:
            language.error(0, f"[Excel] {key}: sheet name {name!r} also used by {names[name.casefold()]}")
        names[name.casefold()] = key


def check_same_entries(files):
    """All files must define the same sections and keys, so no language lacks a text."""
    errors = []
    reference = files[0]
    for other in files[1:]:
        for a, b in ((reference, other), (other, reference)):
            a_pairs, b_pairs = a.pairs(), b.pairs()
            for pair in sorted(a_pairs.keys() - b_pairs.keys()):
                errors.append(f"{a_pairs[pair]}: in {a.path} but not in {b.path}")
    return errors


def main():
    repo = pathlib.Path(__file__).resolve().parent.parent
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("keys", type=pathlib.Path, help="file listing the required keys")
    parser.add_argument("files", type=pathlib.Path, nargs="*",
                        default=[repo / "data" / "Language.txt", repo / "data" / "Language.en.txt"])
    parser.add_argument("--encoding", default="utf-8",
                        help="encoding of the language files (gbk for an assembled program folder)")
    args = parser.parse_args()

    keys = read_keys(args.keys)
    files = [LanguageFile(path, args.encoding) for path in args.files]
    errors = []
    for language in files:
        check_file(language, keys)
        errors += language.errors
    errors += check_same_entries(files)

    for language in files:
        count = sum(len(entries) for _, entries in language.sections.values())
        print(f"{language.path}: Language={language.value('info', 'Language')}, "
              f"{len(language.sections)} sections, {count} entries")
    for error in errors:
        print(error, file=sys.stderr)
    print(f"{len(keys)} required keys; {len(errors)} problem(s)")
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
