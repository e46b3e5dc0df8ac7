#!/usr/bin/env python3
"""The core's catalogues: finds every text of the core and checks or updates lang/LL/*.po.

A text of the core is the English literal of tx(s, "...") or TX("...") in engine/, device/,
patient/ and options/, without the spaces around it (the code adds those to the translation). Its catalogue is lang/LL/trainer.po for the first three folders and
lang/LL/files.po for options/ (the reports, the scoreboard, sending, the option files).

  catalogues.py check  [--root DIR]   fails (exit 1) when a shipped language lacks a text, holds
                                      one the core no longer has, or moves a placeholder
  catalogues.py update [--root DIR]   adds every new text to each catalogue with an empty msgstr
                                      and drops the texts the core no longer has
  catalogues.py list   [--root DIR]   prints every text with where it is
"""
import argparse
import os
import re
import sys

LANGUAGES = ["de", "fr", "es", "nl"]
AREAS = {"trainer": ["engine", "device", "patient"], "files": ["options"]}

LITERAL = r'"(?:[^"\\\n]|\\.)*"'
LITERALS = LITERAL + r'(?:\s*' + LITERAL + r')*'
CALL = re.compile(r'\b(?:tx\s*\(\s*[A-Za-z_][\w.>\-]*\s*,|TX\s*\()\s*(' + LITERALS + ')')
PLACEHOLDER = re.compile(r'\{[1-9]\}')


def unescape_c(text):
    out, i = [], 0
    while i < len(text):
        c = text[i]
        if c == '\\' and i + 1 < len(text):
            i += 1
            c = {'n': '\n', 't': '\t', '"': '"', '\\': '\\'}.get(text[i], '\\' + text[i])
        out.append(c)
        i += 1
    return ''.join(out)


def join_literals(group):
    return ''.join(unescape_c(m[1:-1]) for m in re.findall(LITERAL, group))


def extract(root):
    """{area: {text: [file:line, ...]}} in the order the sources give them."""
    found = {area: {} for area in AREAS}
    seen = set()
    for area, folders in AREAS.items():
        for folder in folders:
            base = os.path.join(root, folder)
            for name in sorted(os.listdir(base)):
                if not name.endswith(('.cpp', '.h')) or name == 'catalogue.h':
                    continue
                path = os.path.join(base, name)
                source = open(path, encoding='utf-8').read()
                for match in CALL.finditer(source):
                    start = source.rfind('\n', 0, match.start()) + 1
                    if '//' in source[start:match.start()]:
                        continue  # a comment that shows how it is done
                    # Spaces around a text are layout: the code keeps them out of the key.
                    text = join_literals(match.group(1)).strip(' ')
                    if not text:
                        continue
                    line = source.count('\n', 0, match.start()) + 1
                    where = f"{folder}/{name}:{line}"
                    if text in seen and text not in found[area]:
                        continue  # kept in the first area that has it
                    seen.add(text)
                    found[area].setdefault(text, []).append(where)
    return found


def po_quote(text):
    return '"' + text.replace('\\', '\\\\').replace('"', '\\"').replace('\n', '\\n').replace('\t', '\\t') + '"'


def read_po(path):
    """[(msgid, msgstr)] of a PO file, the header left out."""
    entries, part, msgid, msgstr = [], None, None, None
    if not os.path.exists(path):
        return entries

    def unquote(rest):
        rest = rest.strip()
        if not (rest.startswith('"') and rest.endswith('"')):
            raise ValueError(f"{path}: not a quoted text: {rest}")
        return unescape_c(rest[1:-1])

    for raw in open(path, encoding='utf-8'):
        line = raw.rstrip('\r\n')
        if not line or line.startswith('#'):
            continue
        if line.startswith('msgid '):
            if msgid is not None:
                entries.append((msgid, msgstr or ''))
            msgid, msgstr, part = unquote(line[6:]), None, 'id'
        elif line.startswith('msgstr '):
            msgstr, part = unquote(line[7:]), 'str'
        elif line.startswith('"'):
            if part == 'id':
                msgid += unquote(line)
            else:
                msgstr += unquote(line)
    if msgid is not None:
        entries.append((msgid, msgstr or ''))
    return [(i, s) for i, s in entries if i]


def write_po(path, language, area, texts, old):
    lines = [f"# The {area} texts of Defibrio's core in {language}: tools/lang/catalogues.py update keeps",
             "# the msgids in step with the sources; translate each msgstr (see docs/glossary.md).",
             'msgid ""', 'msgstr ""', '"Content-Type: text/plain; charset=UTF-8\\n"',
             f'"Language: {language}\\n"', '']
    for text, places in texts.items():
        lines.append('#: ' + ' '.join(places[:3]))
        lines.append('msgid ' + po_quote(text))
        lines.append('msgstr ' + po_quote(old.get(text, '')))
        lines.append('')
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, 'w', encoding='utf-8', newline='\n') as f:
        f.write('\n'.join(lines))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('command', choices=['check', 'update', 'list'])
    parser.add_argument('--root', default=os.path.join(os.path.dirname(__file__), '..', '..'))
    args = parser.parse_args()
    root = os.path.abspath(args.root)
    found = extract(root)
    if args.command == 'list':
        for area, texts in found.items():
            for text, places in texts.items():
                print(f"{area}\t{places[0]}\t{text!r}")
        print(sum(len(t) for t in found.values()), "texts", file=sys.stderr)
        return 0
    problems = []
    for language in LANGUAGES:
        for area, texts in found.items():
            path = os.path.join(root, 'lang', language, area + '.po')
            old = dict(read_po(path))
            if args.command == 'update':
                write_po(path, language, area, texts, old)
                continue
            rel = os.path.relpath(path, root)
            for text in texts:
                translated = old.get(text, '')
                if not translated:
                    problems.append(f"{rel}: no translation of {text!r}")
                elif sorted(PLACEHOLDER.findall(text)) != sorted(PLACEHOLDER.findall(translated)):
                    problems.append(f"{rel}: the placeholders of {text!r} differ in {translated!r}")
            for text in old:
                if text not in texts:
                    problems.append(f"{rel}: {text!r} is no text of the core any more")
    for problem in problems:
        print(problem)
    if problems:
        print(f"{len(problems)} problems; tools/lang/catalogues.py update adds the missing texts", file=sys.stderr)
        return 1
    return 0


if __name__ == '__main__':
    sys.exit(main())
