#!/usr/bin/env bash
# Regenerates every voice prompt and tone of the trainer in assets/sounds.
# Needs espeak-ng and sox; the outputs are committed, so running the program needs neither.
#
#   tools/assets/make-sounds.sh [OUTDIR]
#
# Speech: espeak-ng (en-us, ~150 wpm, pitch a little lowered), band-limited and gently
# compressed so it sounds like the small speaker of a trainer, then every file is brought to
# the same RMS level with a limiter holding the peaks under -1 dBFS. Leading silence is trimmed
# so a prompt starts at once. All files: 22050 Hz, 16-bit PCM, mono.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
out="${1:-$here/../../assets/sounds}"
mkdir -p "$out"
out="$(cd "$out" && pwd)"

for tool in espeak-ng sox; do
    command -v "$tool" >/dev/null || { echo "make-sounds: $tool is not installed" >&2; exit 1; }
done

# Repeatable mode: dither and noise are seeded alike on every run, so an unchanged prompt comes
# out byte for byte the same.
sox() { command sox -R "$@"; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

rate=22050
fmt=(-r "$rate" -c 1 -b 16 -e signed-integer)
voice=en-us
speed=152
pitch=38
# Speech is brought to this RMS level (dBFS); the tones sit a little lower, since a steady tone
# sounds louder than speech of the same RMS.
speech_rms=-20
tone_rms=-23

# speak NAME TEXT: a processed, trimmed speech clip in $work/NAME.wav
speak() {
    local name="$1" text="$2"
    espeak-ng -v "$voice" -s "$speed" -p "$pitch" -g 2 -w "$work/$name.raw.wav" "$text"
    sox "$work/$name.raw.wav" "${fmt[@]}" "$work/$name.wav" \
        highpass 170 lowpass 5200 equalizer 2400 1.2q 2.5 \
        compand 0.005,0.12 6:-70,-70,-50,-42,-30,-21,-10,-9,0,-6 -3 \
        silence 1 0.004 -42d reverse silence 1 0.02 -42d reverse
}

# tone NAME SOX-SYNTH-ARGS...: a synthesised clip in $work/NAME.wav
tone() {
    local name="$1"
    shift
    sox -n "${fmt[@]}" "$work/$name.wav" "$@"
}

# gap NAME SECONDS: silence
gap() {
    sox -n "${fmt[@]}" "$work/$1.wav" trim 0 "$2"
}

# stat FILE FIELD: one figure of `sox stats` ("RMS lev dB", "Pk lev dB")
stat() {
    sox "$1" -n stats 2>&1 | awk -v f="$2" 'index($0, f) == 1 {print $NF}'
}

# level NAME DB: brings $work/NAME.wav to an RMS of DB dBFS. The gain goes through sox's limiter
# so that nothing clips; the limiter takes a little off, so a second pass makes up for it. Should a
# peak still stand above -1 dBFS, the whole clip comes down by that much.
level() {
    local f="$work/$1.wav" want="$2" g
    for _ in 1 2; do
        g="$(awk -v t="$want" -v r="$(stat "$f" "RMS lev dB")" 'BEGIN {printf "%.2f", t - r}')"
        sox "$f" "${fmt[@]}" "$work/level.wav" gain -l "$g"
        mv "$work/level.wav" "$f"
    done
    g="$(awk -v p="$(stat "$f" "Pk lev dB")" 'BEGIN {printf "%.2f", (p > -1) ? -1 - p : 0}')"
    sox "$f" "${fmt[@]}" "$work/level.wav" gain "$g"
    mv "$work/level.wav" "$f"
}

# finish OUT PARTS...: joins the levelled parts and writes the prompt.
finish() {
    local dest="$1"
    shift
    local parts=()
    for p in "$@"; do parts+=("$work/$p.wav"); done
    # Written through a temporary name, then moved: a failed run leaves the old file.
    sox "${parts[@]}" "${fmt[@]}" "$out/.tmp.wav" fade h 0 -0 0.008 pad 0 0.04
    mv "$out/.tmp.wav" "$out/$dest"
    echo "made $dest"
}

# --- tones -------------------------------------------------------------------------------------
# The short attention beep before a prompt.
tone beep synth 0.16 sine 988 sine 1976 remix 1v0.85,2v0.15 fade h 0.004 0.16 0.03
gap pause 0.14
# Warning before the shock: two bright alternating tones, three times.
tone warnhi synth 0.14 sine 1320 fade h 0.004 0.14 0.012
tone warnlo synth 0.14 sine 990 fade h 0.004 0.14 0.012
sox "$work/warnhi.wav" "$work/warnlo.wav" "$work/warnhi.wav" "$work/warnlo.wav" \
    "$work/warnhi.wav" "$work/warnlo.wav" "${fmt[@]}" "$work/warn.wav"
# The charging tone: a whine rising over five seconds, with a little edge to it.
tone sweep synth 5.0 sine 420:2300 sine 840:4600 remix 1v0.9,2v0.12 \
    tremolo 24 8 fade h 0.03 5.0 0.08
# The shock: a short low thump with a snap on top.
tone thump synth 0.30 sine 70:42 fade q 0.002 0.30 0.26
tone snap synth 0.03 whitenoise lowpass 2500 fade h 0.001 0.03 0.025
tone body synth 0.12 sine 160:90 fade q 0.002 0.12 0.11
sox -m -v 0.6 "$work/thump.wav" -v 0.35 "$work/snap.wav" -v 0.4 "$work/body.wav" "${fmt[@]}" \
    "$work/shock.wav"
# The CPR metronome: a dry woodblock tick, short enough to leave most of a beat (545 ms at 110 a
# minute) silent, so the clicks never run into each other.
tone tick synth 0.035 sine 1760 sine 2640 remix 1v0.7,2v0.3 fade q 0.001 0.035 0.032

# --- speech ------------------------------------------------------------------------------------
speak connect "Connect electrodes."
speak pushanalyze "Push analyze."
speak standclear "Stand clear."
speak analyzing "Analyzing now. Stand clear."
speak motion "Motion detected. Stop motion."
speak shockadv "Shock advised."
speak noshock "No shock advised."
speak pushshock "Push to shock."
speak checkpulse "Check for pulse."
speak ifnopulse "If no pulse, push analyze."
speak ifnopulsecpr "If no pulse, start CPR."
speak battery "Replace battery."
speak shockdelivered "Shock delivered."
speak startcpr "Start CPR."
speak stopcpr "Stop CPR. Do not touch the patient."

for clip in connect pushanalyze standclear analyzing motion shockadv noshock pushshock checkpulse \
    ifnopulse ifnopulsecpr battery shockdelivered startcpr stopcpr; do
    level "$clip" "$speech_rms"
done
level beep "$tone_rms"
level warn "$tone_rms"
level sweep "$((tone_rms - 1))"
# The thump is short and low: it needs more RMS to be heard as loud as the rest.
level shock -16
# So is the tick.
level tick -16

# --- the prompts under the names the program asks for -------------------------------------------
finish connecte.wav connect
finish connectE.wav connect
finish pushanal.wav pushanalyze
finish pushanaB.wav beep pause pushanalyze
finish bepclear.wav beep pause standclear
finish analyzeN.wav analyzing
finish motion.wav motion
finish MOTION.WAV motion
finish shockadv.wav shockadv
finish noshockA.wav noshock
finish SWEEP.wav sweep
finish standcle.wav standclear
finish shkwarn.wav warn pause pushshock
finish click.wav shock
finish CLICK.WAV shock
finish checkfor.wav checkpulse
finish ifnopls.wav ifnopulse
finish ifnoplsS.wav ifnopulsecpr
finish battrepl.wav battery
finish shockdel.wav shockdelivered
finish startcpr.wav startcpr
finish stopcpr.wav stopcpr
finish metro.wav tick
