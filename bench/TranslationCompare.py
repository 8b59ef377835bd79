#!/usr/bin/python3
"""Compares quillmark-cli translate --tsv with the open steno engine's own
translator on the same strokes and dictionary.

    /usr/bin/python3 bench/TranslationCompare.py CLI STROKES.rtf DICT.json

Needs Debian's plover package (its Python modules); the test suite does not.
Prints how many standing translations differ (first stroke, stroke count,
outline, entry or untranslated, text) and the first few that do.
"""
import subprocess
import sys

from plover import system
from plover.registry import registry

registry.update()
system.setup('English Stenotype')

from plover.dictionary.json_dict import JsonDictionary  # noqa: E402
from plover.steno import Stroke  # noqa: E402
from plover.steno_dictionary import StenoDictionaryCollection  # noqa: E402
from plover.translation import Translator  # noqa: E402

LETTERS = "@#STKPWHRAO*EUFRPBLGTSDZ"
DIGITS = "@#12K3W4R50*EU6R7B8G9SDZ"
NAMES = [None, '#', 'S-', 'T-', 'K-', 'P-', 'W-', 'H-', 'R-', 'A-', 'O-', '*', '-E', '-U',
         '-F', '-R', '-P', '-B', '-L', '-G', '-T', '-S', '-D', '-Z']
UNDO_LIMIT = 100
# What the engine writes for a * with nothing left to take back; Quillmark
# leaves such a * untranslated.
NOTHING_TO_UNDO = '{#Control_L(BackSpace)}{^}'


def keys_of(text):
    """Engine key names of a stroke in Quillmark's own notation."""
    pos, keys = 0, []
    for ch in text:
        if ch == '-':
            pos = max(pos, 12)
            continue
        while pos < 24 and LETTERS[pos] != ch and DIGITS[pos] != ch:
            pos += 1
        if pos == 24:
            raise ValueError(text)
        if NAMES[pos]:
            keys.append(NAMES[pos])
        if ch.isdigit() and '#' not in keys:
            keys.append('#')
        pos += 1
    return keys


# The engine names a key by its digit while the number bar is down.
DIGIT_NAMES = {'1-': 'S-', '2-': 'T-', '3-': 'P-', '4-': 'H-', '5-': 'A-', '0-': 'O-',
               '-6': '-F', '-7': '-P', '-8': '-L', '-9': '-T'}


def canonical(keys):
    keys = set(keys)
    if keys & DIGIT_NAMES.keys():
        keys = {DIGIT_NAMES.get(k, k) for k in keys} | {'#'}
    return ''.join(sorted(keys, key=NAMES.index))


def engine_rows(strokes, dictionary):
    translator = Translator()
    translator.set_min_undo_length(UNDO_LIMIT)
    translator.set_dictionary(StenoDictionaryCollection([JsonDictionary.load(dictionary)]))
    standing, current = [], [0]

    def changed(undo, do, _prev):
        for t in reversed(undo):
            assert standing[-1] is t
            standing.pop()
        for t in do:
            if not hasattr(t, 'qm_first'):
                t.qm_first = t.replaced[0].qm_first if t.replaced else current[0]
            standing.append(t)

    translator.add_listener(changed)
    for index, keys in enumerate(strokes):
        current[0] = index
        if keys:
            translator.translate(Stroke(keys))
    rows = []
    for t in standing:
        outline = '/'.join(canonical(s.steno_keys) for s in t.strokes)
        english = t.english
        if english is None or english == NOTHING_TO_UNDO:
            rows.append((t.qm_first, len(t.strokes), outline, 'untranslated', ''))
        else:
            rows.append((t.qm_first, len(t.strokes), outline, 'entry', english))
    return rows


def quillmark_rows(cli, strokes_file, dictionary):
    out = subprocess.run([cli, 'translate', strokes_file, '-d', dictionary, '--tsv'],
                         check=True, capture_output=True, text=True).stdout
    rows = []
    for line in out.splitlines():
        first, count, outline, kind, text = line.split('\t')
        text = text.replace('\\n', '\n').replace('\\t', '\t').replace('\\r', '\r')
        outline = '/'.join(canonical(keys_of(s)) for s in outline.split('/'))
        rows.append((int(first), int(count), outline, kind, text))
    return rows


def main():
    cli, strokes_file, dictionary = sys.argv[1:4]
    dump = subprocess.run([cli, 'dump', strokes_file], check=True, capture_output=True,
                          text=True).stdout
    strokes = [keys_of(line.split('\t')[2]) for line in dump.splitlines()]
    ours = quillmark_rows(cli, strokes_file, dictionary)
    theirs = engine_rows(strokes, dictionary)
    ours_set, theirs_set = set(ours), set(theirs)
    only_ours = sorted(ours_set - theirs_set)
    only_theirs = sorted(theirs_set - ours_set)
    print(f'{len(strokes)} strokes; {len(ours)} translations from quillmark-cli, '
          f'{len(theirs)} from the engine; {len(only_ours)} only in quillmark-cli, '
          f'{len(only_theirs)} only in the engine')
    for row in only_ours[:10]:
        print('quillmark-cli:', row)
    for row in only_theirs[:10]:
        print('engine:       ', row)
    return 0 if not only_ours and not only_theirs else 1


if __name__ == '__main__':
    sys.exit(main())
