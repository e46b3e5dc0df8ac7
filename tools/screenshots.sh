#!/usr/bin/env bash
# Saves PNG pictures of the windows under Xvfb: tools/screenshots.sh [OUTDIR] (default build/screenshots).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/build/screenshots}
bin=$(realpath "${BIN:-$root/build/bin}")
mkdir -p "$out"
xvfb-run -a -s "-screen 0 1400x900x24" "$bin/defibrio-screenshots" "$out"
xvfb-run -a -s "-screen 0 1400x900x24" "$bin/defibrio-options-screenshots" "$out"
# The summary's debrief at 100 % and 200 % and on a dark desktop.
xvfb-run -a -s "-screen 0 1400x900x24" "$bin/defibrio-debrief-screenshots" "$out" 12-debrief
QT_SCALE_FACTOR=2 xvfb-run -a -s "-screen 0 2800x1800x24" "$bin/defibrio-debrief-screenshots" "$out" 13-debrief-200
xvfb-run -a -s "-screen 0 1400x900x24" "$bin/defibrio-debrief-screenshots" "$out" 14-debrief-dark --dark
# The pads' drop zones and the Options pages over the menu at 100 %, 125 % and 200 %.
xvfb-run -a -s "-screen 0 1280x720x24" "$bin/defibrio-places-screenshots" "$out" 15-places-100
QT_SCALE_FACTOR=1.25 xvfb-run -a -s "-screen 0 1366x768x24" "$bin/defibrio-places-screenshots" "$out" 16-places-125
QT_SCALE_FACTOR=2 xvfb-run -a -s "-screen 0 3840x2160x24" "$bin/defibrio-places-screenshots" "$out" 17-places-200
# The send window against servers of its own on 127.0.0.1, with a window manager for the frames.
xvfb-run -a -s "-screen 0 1400x900x24" bash -c "(openbox >/dev/null 2>&1 &) ; sleep 1; /usr/bin/python3 \"$root/tests/transfer/run_transfer.py\" --servers ftp,slowftp,refused --work \"$out/send-work\" -- \"$bin/defibrio-send-screenshots\" \"$out\""
# The scenario editor with four frames, a problem and its printed summary, with a window manager,
# at 100 %, 125 % and 200 %.
for size in "18-editor-100 1280x720 1" "19-editor-125 1366x768 1.25" "20-editor-200 3840x2160 2"; do
    set -- $size
    QT_SCALE_FACTOR=$3 xvfb-run -a -s "-screen 0 ${2}x24" bash -c "(openbox >/dev/null 2>&1 &) ; sleep 1; \"$bin/defibrio-editor-screenshots\" \"$out\" $1"
done
# The instructor's console with three stations, with a window manager, at 100 %, 125 % and 200 %.
for size in "21-console-100 1280x720 1" "22-console-125 1366x768 1.25" "23-console-200 3840x2160 2"; do
    set -- $size
    QT_SCALE_FACTOR=$3 xvfb-run -a -s "-screen 0 ${2}x24" bash -c "(openbox >/dev/null 2>&1 &) ; sleep 1; \"$bin/defibrio-console-screenshots\" \"$out\" $1"
done
