#!/usr/bin/env bash
# Synthesises the game's sixteen sound effects with SoX and writes the sound
# list. Usage: make_sounds.sh OUTDIR
# Every file is 16-bit PCM mono at 44100 Hz, shorter than one second, peaking
# near -6 dBFS, with short fades at both ends. -R and -D keep SoX from using
# fresh random numbers or dither, so every run gives the same bytes.
set -euo pipefail

out=${1:?usage: make_sounds.sh OUTDIR}
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

SOX=(sox -R -D -V1)
RAW=(-r 44100 -c 1 -e floating-point -b 32)   # intermediate pieces
n=0                                            # piece counter

calc() { awk "BEGIN { printf \"%.4f\", $1 }"; }

# piece WAVE FREQ DUR START GAIN [FADE_SHAPE]: one tone that starts at START
# seconds, fades in over 4 ms and dies away over its whole length.
piece() {
    local wave=$1 freq=$2 dur=$3 start=$4 gain=$5 shape=${6:-l}
    n=$((n + 1))
    local f="$work/p$n.wav"
    "${SOX[@]}" -n "${RAW[@]}" "$f" synth "$dur" "$wave" "$freq" \
        fade "$shape" 0.004 "$dur" "$(calc "$dur - 0.004")" vol "$gain" pad "$start"
    pieces+=("$f")
}

# bell FREQ DUR START GAIN: a struck bell, the fundamental with two
# inharmonic partials that fade faster.
bell() {
    local f=$1 d=$2 s=$3 g=$4
    piece sine "$f" "$d" "$s" "$g"
    piece sine "$(calc "$f * 2.76")" "$(calc "$d * 0.5")" "$s" "$(calc "$g * 0.3")"
    piece sine "$(calc "$f * 5.4")" "$(calc "$d * 0.25")" "$s" "$(calc "$g * 0.1")"
}

# finish NAME [EFFECTS...]: mixes the pieces, applies the effects, sets the
# peak to -6 dBFS (or PEAK) and writes OUTDIR/NAME as 16-bit PCM.
finish() {
    local name=$1
    shift
    local mixed="$work/mix.wav"
    if ((${#pieces[@]} > 1)); then
        "${SOX[@]}" -m "${pieces[@]}" "$mixed"
    else
        cp "${pieces[0]}" "$mixed"
    fi
    local shaped="$work/shaped.wav"
    "${SOX[@]}" "$mixed" "$shaped" "$@" norm "${PEAK:--6}"
    "${SOX[@]}" "$shaped" -r 44100 -c 1 -e signed-integer -b 16 "$out/$name" \
        fade q 0.003 "$(soxi -D "$shaped")" 0.01
    pieces=()
}

pieces=()
# 0: a bar picked up - a soft short upward blip.
piece sine 600:950 0.07 0 1 q
PEAK=-8 finish pickup.wav lowpass 3000

# 1: a bar dropped on a portrait - a soft low thud with a light tick.
piece sine 220:80 0.11 0 1 q
piece triangle 1400 0.015 0 0.2 q
PEAK=-7 finish drop.wav lowpass 2500

# 2: a bar dropped on a description - a slightly higher wooden tick.
piece triangle 420:200 0.08 0 1 q
piece sine 2100 0.012 0 0.25 q
PEAK=-7 finish place.wav lowpass 3500

# 3: a letter found - a bright ping.
bell 1568 0.28 0 1
finish letter.wav

# 4: the odd one out found - a happy two-note rise.
bell 1046.5 0.22 0 1
bell 1568 0.32 0.13 1
finish oddone.wav

# 5: a correct answer - a rising arpeggio.
bell 523.25 0.45 0 1
bell 659.25 0.45 0.09 1
bell 783.99 0.45 0.18 1
bell 1046.5 0.5 0.27 1
finish correct.wav

# 6: a wrong pick or wrong letter - a low soft buzz.
piece square 110 0.26 0 1 t
piece square 116 0.26 0 0.6 t
PEAK=-8 finish wrong.wav lowpass 700 lowpass 900

# 7: a neutral chime.
bell 880 0.6 0 1
bell 1318.5 0.55 0.02 0.6
finish chime.wav

# 8: a wrong answer - a gentle descending "uh-oh".
piece triangle 392 0.17 0 1 t
piece triangle 311.13 0.34 0.19 1 t
finish uhoh.wav lowpass 1500

# 9: a place in the hall of fame - a short fanfare.
for note in "392 0 0.13" "523.25 0.13 0.13" "659.25 0.26 0.13" "783.99 0.39 0.45"; do
    read -r f s d <<<"$note"
    piece sawtooth "$f" "$d" "$s" 1 t
    piece sawtooth "$(calc "$f * 1.003")" "$d" "$s" 0.5 t
done
piece sawtooth 523.25 0.45 0.39 0.6 t
piece sawtooth 659.25 0.45 0.39 0.5 t
finish fame.wav lowpass 2200 reverb 20 50 40

# 10..15: pleasant neutral sounds, each distinct.
bell 659.25 0.55 0 1
bell 987.77 0.5 0.0 0.5
finish chime10.wav

bell 1174.66 0.3 0 1
bell 880 0.45 0.15 1
finish chime11.wav

piece triangle 698.46 0.5 0 1
piece sine 1396.9 0.3 0 0.3
finish chime12.wav lowpass 3000

bell 1760 0.4 0 1
finish chime13.wav

bell 523.25 0.7 0 1
bell 784 0.6 0.05 0.4
finish chime14.wav

bell 1568 0.25 0 1
bell 1318.5 0.25 0.1 1
bell 1046.5 0.4 0.2 1
finish chime15.wav

# The sound list: effect 0 first, one quoted name a line, CR LF line ends.
printf '"%s"\r\n' pickup.wav drop.wav place.wav letter.wav oddone.wav correct.wav \
    wrong.wav chime.wav uhoh.wav fame.wav chime10.wav chime11.wav chime12.wav \
    chime13.wav chime14.wav chime15.wav >"$out/brevsnd.dat"
