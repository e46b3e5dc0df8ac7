#!/usr/bin/env bash
# Regenerates the trainer's voice prompts and tones in assets/sounds: the English ones and the
# tones in the folder itself, the prompts of language LL in its subfolder LL/.
# Needs espeak-ng and sox; the outputs are committed, so running the program needs neither.
#
#   tools/assets/make-sounds.sh [--check] [--lang en|de|fr|es|nl|all] [OUTDIR]
#
# --lang picks one language (all of them without it); OUTDIR stands for assets/sounds. --check
# makes them in a temporary folder instead and compares them with those in OUTDIR: it fails naming
# every file that differs or is missing (the test assets.prompts-regenerate runs it).
#
# Speech: espeak-ng (en-us at ~150 wpm, the others a little faster so that their longer words keep
# within the same time; pitch a little lowered), band-limited and gently compressed so it sounds
# like the small speaker of a trainer, then every file is brought to the same RMS level with a
# limiter holding the peaks under -1 dBFS. Leading silence is trimmed so a prompt starts at once.
# All files: 22050 Hz, 16-bit PCM, mono. A language folder holds only the spoken prompts, under the
# English names; the tones (charging, shock, metronome) are the same in every language, and the
# program falls back to the English folder for a file a language folder does not have.
set -euo pipefail

usage() {
    echo "usage: make-sounds.sh [--check] [--lang en|de|fr|es|nl|all] [OUTDIR]" >&2
    exit 2
}

lang=all
check=false
while [ $# -gt 0 ]; do
    case "$1" in
    --lang)
        [ $# -ge 2 ] || usage
        lang="$2"
        shift 2
        ;;
    --lang=*)
        lang="${1#--lang=}"
        shift
        ;;
    --check)
        check=true
        shift
        ;;
    -h | --help) usage ;;
    -*) usage ;;
    *) break ;;
    esac
done
[ $# -le 1 ] || usage
case "$lang" in
en | de | fr | es | nl) langs=("$lang") ;;
all) langs=(en de fr es nl) ;;
*) usage ;;
esac

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
out="${1:-$here/../../assets/sounds}"
mkdir -p "$out"
out="$(cd "$out" && pwd)"

for tool in espeak-ng sox; do
    # A check without the tools is skipped (77), not failed.
    command -v "$tool" >/dev/null || { echo "make-sounds: $tool is not installed" >&2; $check && exit 77; exit 1; }
done

# Repeatable mode: dither and noise are seeded alike on every run, so an unchanged prompt comes
# out byte for byte the same.
sox() { command sox -R "$@"; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
if $check; then
    committed="$out"
    out="$work/out"
    mkdir -p "$out"
fi

rate=22050
fmt=(-r "$rate" -c 1 -b 16 -e signed-integer)
# The voice and speed of the language being made (set by `say` below); the pitch is the same in
# every language.
voice=en-us
speed=152
pitch=38
amplitude=()
# Speech is brought to this RMS level (dBFS); the tones sit a little lower, since a steady tone
# sounds louder than speech of the same RMS.
speech_rms=-20
tone_rms=-23

# speak NAME TEXT: a processed, trimmed speech clip in $work/NAME.wav
speak() {
    local name="$1" text="$2"
    espeak-ng -v "$voice" -s "$speed" -p "$pitch" -g 2 "${amplitude[@]}" -w "$work/$name.raw.wav" "$text"
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

# finish OUT PARTS...: joins the levelled parts and writes the prompt OUT (a name under $out, with
# the language folder in front for a language other than English).
finish() {
    local dest="$1"
    shift
    local parts=()
    for p in "$@"; do parts+=("$work/$p.wav"); done
    local dir
    dir="$(dirname "$out/$dest")"
    mkdir -p "$dir"
    # Written through a temporary name, then moved: a failed run leaves the old file.
    sox "${parts[@]}" "${fmt[@]}" "$dir/.tmp.wav" fade h 0 -0 0.008 pad 0 0.04
    mv "$dir/.tmp.wav" "$out/$dest"
    $check || echo "made $dest"
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

level beep "$tone_rms"
level warn "$tone_rms"
level sweep "$((tone_rms - 1))"
# The thump is short and low: it needs more RMS to be heard as loud as the rest.
level shock -16
# So is the tick.
level tick -16

# --- speech ------------------------------------------------------------------------------------
# The spoken clips, in the order of `clips`; each language gives its words for every one of them.
clips=(connect pushanalyze standclear analyzing motion shockadv noshock pushshock checkpulse
    ifnopulse ifnopulsecpr battery shockdelivered startcpr stopcpr)

# The words, in the terms the resuscitation councils' first-aid courses use (docs/glossary.md).
# A prompt the next step of its chain follows after 2 s ("SHOCK DELIVERED", "CHECK FOR PULSE",
# "IF NO PULSE" before "PUSH ANALYZE", "STOP CPR") or 2.5 s (the held charge's "STAND CLEAR") must
# have ended by then: its words are the shortest that keep the meaning.
words_en=(
    "Connect electrodes."
    "Push analyze."
    "Stand clear."
    "Analyzing now. Stand clear."
    "Motion detected. Stop motion."
    "Shock advised."
    "No shock advised."
    "Push to shock."
    "Check for pulse."
    "If no pulse, push analyze."
    "If no pulse, start CPR."
    "Replace battery."
    "Shock delivered."
    "Start CPR."
    "Stop CPR. Do not touch the patient."
)
words_de=(
    "Elektroden anschließen."
    "Analysetaste drücken."
    "Patient nicht berühren."
    "Analyse läuft. Patient nicht berühren."
    "Bewegung erkannt. Bewegung stoppen."
    "Schock empfohlen."
    "Kein Schock empfohlen."
    "Schockknopf drücken."
    "Puls prüfen."
    "Kein Puls: Analysetaste drücken."
    "Kein Puls: HLW beginnen."
    "Batterie ersetzen."
    "Schock abgegeben."
    "HLW beginnen."
    "HLW unterbrechen, nicht berühren."
)
words_fr=(
    "Connectez les électrodes."
    "Appuyez sur le bouton d'analyse."
    "Ne touchez pas le patient."
    "Analyse en cours. Ne touchez pas le patient."
    "Mouvement détecté. Arrêtez tout mouvement."
    "Choc conseillé."
    "Choc non conseillé."
    "Appuyez sur le bouton de choc."
    "Vérifiez le pouls."
    "Pas de pouls : appuyez sur Analyse."
    "En l'absence de pouls, commencez la RCP."
    "Remplacez la batterie."
    "Choc délivré."
    "Commencez la RCP."
    "Arrêtez la RCP, écartez-vous."
)
words_es=(
    "Conecte los electrodos."
    "Pulse el botón de análisis."
    "No toque al paciente."
    "Analizando. No toque al paciente."
    "Movimiento detectado. Detenga el movimiento."
    "Descarga recomendada."
    "Descarga no recomendada."
    "Pulse el botón de descarga."
    "Compruebe el pulso."
    "Sin pulso, pulse Análisis."
    "Si no hay pulso, inicie la RCP."
    "Sustituya la batería."
    "Descarga administrada."
    "Inicie la RCP."
    "Detenga la RCP, apártense."
)
words_nl=(
    "Sluit de elektroden aan."
    "Druk op de analyseknop."
    "Raak de patiënt niet aan."
    "Analyse bezig. Raak de patiënt niet aan."
    "Beweging gedetecteerd. Stop beweging."
    "Schok geadviseerd."
    "Geen schok geadviseerd."
    "Druk op de schokknop."
    "Controleer de pols."
    "Geen pols: druk op de analyseknop."
    "Geen pols: start met reanimeren."
    "Vervang de batterij."
    "Schok toegediend."
    "Start met reanimeren."
    "Stop reanimatie, afstand houden."
)

# The prompts a language speaks faster than its others, to end before the next step of their chain.
declare -A faster_en=() faster_fr=() faster_es=()
declare -A faster_de=([ifnopulse]=195 [stopcpr]=190)
declare -A faster_nl=([ifnopulse]=195 [stopcpr]=195)

# say LANG VOICE SPEED [AMPLITUDE]: speaks and levels every clip of LANG as $work/LANG-CLIP.wav
say() {
    local lang="$1" i
    voice="$2"
    speed="$3"
    amplitude=()
    [ $# -lt 4 ] || amplitude=(-a "$4")
    local -n words="words_$lang" faster="faster_$lang"
    [ "${#words[@]}" -eq "${#clips[@]}" ] || { echo "make-sounds: $lang has ${#words[@]} prompts, not ${#clips[@]}" >&2; exit 1; }
    for i in "${!clips[@]}"; do
        speed="${faster[${clips[i]}]:-$3}"
        speak "$lang-${clips[i]}" "${words[i]}"
    done
    for i in "${!clips[@]}"; do
        level "$lang-${clips[i]}" "$speech_rms"
    done
}

# prompts LANG DIR: the spoken prompts of LANG under the names the program asks for, in $out/DIR
# (DIR is "LL/" for language LL, empty for English).
prompts() {
    local l="$1" d="$2"
    finish "${d}connecte.wav" "$l-connect"
    finish "${d}connectE.wav" "$l-connect"
    finish "${d}pushanal.wav" "$l-pushanalyze"
    finish "${d}pushanaB.wav" beep pause "$l-pushanalyze"
    finish "${d}bepclear.wav" beep pause "$l-standclear"
    finish "${d}analyzeN.wav" "$l-analyzing"
    finish "${d}motion.wav" "$l-motion"
    finish "${d}MOTION.WAV" "$l-motion"
    finish "${d}shockadv.wav" "$l-shockadv"
    finish "${d}noshockA.wav" "$l-noshock"
    finish "${d}standcle.wav" "$l-standclear"
    finish "${d}shkwarn.wav" warn pause "$l-pushshock"
    finish "${d}checkfor.wav" "$l-checkpulse"
    finish "${d}ifnopls.wav" "$l-ifnopulse"
    finish "${d}ifnoplsS.wav" "$l-ifnopulsecpr"
    finish "${d}battrepl.wav" "$l-battery"
    finish "${d}shockdel.wav" "$l-shockdelivered"
    finish "${d}startcpr.wav" "$l-startcpr"
    finish "${d}stopcpr.wav" "$l-stopcpr"
}

# The voice and speed of each language: German, French, Spanish and Dutch take more syllables
# than English for the same prompt, so they are spoken a little faster, and a little softer into
# the filters (espeak-ng's amplitude 75 of 100), which its louder voices would otherwise clip.
for l in "${langs[@]}"; do
    case "$l" in
    en)
        say en en-us 152
        prompts en ""
        # The tones: English only.
        finish SWEEP.wav sweep
        finish click.wav shock
        finish CLICK.WAV shock
        finish metro.wav tick
        ;;
    de) say de de 175 75 && prompts de de/ ;;
    fr) say fr fr 175 75 && prompts fr fr/ ;;
    es) say es es 175 75 && prompts es es/ ;;
    nl) say nl nl 175 75 && prompts nl nl/ ;;
    esac
done

if $check; then
    differ=()
    while IFS= read -r made; do
        cmp -s "$out/$made" "$committed/$made" || differ+=("$made")
    done < <(cd "$out" && find . -type f ! -name '.*' | sed 's|^\./||' | sort)
    if [ ${#differ[@]} -gt 0 ]; then
        echo "make-sounds: these prompts in $committed are not what the script makes: ${differ[*]}" >&2
        exit 1
    fi
    echo "every prompt in $committed is what the script makes"
fi
