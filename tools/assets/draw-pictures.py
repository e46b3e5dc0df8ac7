#!/usr/bin/env python3
"""Draws every picture of the trainer as SVG into assets/pictures (or into the folder given).

    tools/assets/draw-pictures.py [OUTDIR]

The SVG files are committed; this script is how they are made and changed. Only Python's standard
library is needed."""

import os
import sys

sys.dont_write_bytecode = True   # keep the source folder free of __pycache__
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import patients  # noqa: E402
import props  # noqa: E402
import trainer  # noqa: E402


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, '..', '..', 'assets', 'pictures')
    out = os.path.abspath(out)
    for module in (patients, trainer, props):
        module.draw_all(out)
    print('pictures written to', out)


if __name__ == '__main__':
    main()
