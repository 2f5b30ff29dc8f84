#!/usr/bin/env python3
"""Writes data/php.ini, the list of PHP functions the function hints and the
completion list read: one line a function, name=declaration - description.

Source: the PHP stub files of the JetBrains "phpstorm-stubs" repository
(https://github.com/JetBrains/phpstorm-stubs, Apache License 2.0), read from a
local checkout given as the first argument. Only facts are taken from it:
each function's name, its parameters' names and types, which parameters are
optional, its return type and the extension it belongs to. No documentation
text is copied; the description is written here from the extension's name.

Usage: tools/gen_php_functions.py STUBS_CHECKOUT [OUTPUT]
"""
import os
import re
import sys

# The extensions a web page script commonly calls, as folders of the stubs.
EXTENSIONS = [
    "Core", "standard", "pcre", "date", "json", "mbstring", "ctype", "SPL",
    "filter", "hash", "session", "curl", "gd", "zlib", "iconv", "libxml",
    "SimpleXML", "xml", "mysqli", "random", "fileinfo", "calendar", "exif",
    "ftp", "gettext", "bcmath", "openssl", "posix", "sockets", "dom", "intl",
    "pgsql", "sqlite3", "zip", "bz2", "gmp", "sodium", "tokenizer", "xmlwriter",
    "xmlreader", "readline", "pcntl", "shmop", "sysvsem", "sysvshm", "sysvmsg",
]

FUNCTION = re.compile(r"^function\s+&?\s*([A-Za-z_][A-Za-z0-9_]*)\s*\(", re.M)
TYPE_AWARE = re.compile(r"LanguageLevelTypeAware\s*\(\s*\[(.*?)\]\s*,\s*default\s*:\s*['\"]([^'\"]*)['\"]",
                        re.S)


def balanced(text, start, open_ch, close_ch):
    """Index just past the bracket that closes the one at start."""
    depth = 0
    i = start
    quote = None
    while i < len(text):
        c = text[i]
        if quote:
            if c == "\\":
                i += 1
            elif c == quote:
                quote = None
        elif c in "'\"":
            quote = c
        elif c == open_ch:
            depth += 1
        elif c == close_ch:
            depth -= 1
            if depth == 0:
                return i + 1
        i += 1
    return len(text)


def split_top(text, sep):
    parts, depth, quote, cur = [], 0, None, []
    i = 0
    while i < len(text):
        c = text[i]
        if quote:
            cur.append(c)
            if c == "\\" and i + 1 < len(text):
                cur.append(text[i + 1])
                i += 1
            elif c == quote:
                quote = None
        elif c in "'\"":
            quote = c
            cur.append(c)
        elif c in "([":
            depth += 1
            cur.append(c)
        elif c in ")]":
            depth -= 1
            cur.append(c)
        elif c == sep and depth == 0:
            parts.append("".join(cur))
            cur = []
        else:
            cur.append(c)
        i += 1
    parts.append("".join(cur))
    return parts


def newest_type(attribute):
    """The type a LanguageLevelTypeAware attribute names for the newest PHP."""
    m = TYPE_AWARE.search(attribute)
    if not m:
        return None
    types = re.findall(r"=>\s*['\"]([^'\"]*)['\"]", m.group(1))
    return (types[-1] if types else m.group(2)) or None


def strip_attributes(text):
    """The text without its #[...] attributes, the type they name, and
    whether they limit it to older PHP versions."""
    aware = None
    old = False
    while True:
        at = text.find("#[")
        if at < 0:
            return text, aware, old
        end = balanced(text, at + 1, "[", "]")
        attribute = text[at:end]
        aware = newest_type(attribute) or aware
        old = old or ("ElementAvailable" in attribute and re.search(r"\bto\s*:", attribute))
        text = text[:at] + text[end:]


def parameter(text):
    """(declaration, optional) of one parameter; None for an empty one."""
    text, aware, old = strip_attributes(text)
    text = " ".join(text.split())
    if not text or old:
        return None
    optional = "=" in split_top(text, "=")[0] or len(split_top(text, "=")) > 1
    text = split_top(text, "=")[0].strip()
    variadic = "..." in text
    if aware and "$" in text and not text.split("$")[0].strip(" &."):
        text = aware + " " + text
    return text, optional or variadic


def declaration(name, params_text, returns):
    params = [p for p in (parameter(t) for t in split_top(params_text, ",")) if p]
    required = []
    optional = []
    for text, is_optional in params:
        (optional if is_optional or optional else required).append(text)
    inner = ", ".join(required)
    tail = ""
    for i, text in enumerate(optional):
        tail += ("[" if (i == 0 and not required) else " [, ") + text
    inner += tail + "]" * len(optional)
    return "%s %s(%s)" % (returns, name, inner)


def functions_of(path):
    text = open(path, encoding="utf-8", errors="replace").read()
    for m in FUNCTION.finditer(text):
        name = m.group(1)
        open_at = m.end() - 1
        close_at = balanced(text, open_at, "(", ")")
        params = text[open_at + 1:close_at - 1]
        rest = text[close_at:close_at + 200]
        rm = re.match(r"\s*:\s*([^{;]+)", rest)
        returns = " ".join(rm.group(1).split()) if rm else None
        # An attribute on the lines right above may name the return type.
        before = text[max(0, m.start() - 400):m.start()]
        attr_at = before.rfind("*/")
        aware = newest_type(before[attr_at + 2:] if attr_at >= 0 else before)
        yield name, params, aware or returns or "mixed"


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    root = sys.argv[1]
    out = sys.argv[2] if len(sys.argv) > 2 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "data", "php.ini")
    seen = {}
    for ext in EXTENSIONS:
        folder = os.path.join(root, ext)
        if not os.path.isdir(folder):
            continue
        for name in sorted(os.listdir(folder)):
            if not name.endswith(".php"):
                continue
            for fname, params, returns in functions_of(os.path.join(folder, name)):
                key = fname.lower()
                if key in seen:
                    continue
                seen[key] = "%s=%s - A function of the %s extension." % (
                    fname, declaration(fname, params, returns), ext)
    with open(out, "w", encoding="utf-8", newline="\n") as f:
        for key in sorted(seen):
            f.write(seen[key] + "\n")
    print("%d functions written to %s" % (len(seen), out))


if __name__ == "__main__":
    main()
