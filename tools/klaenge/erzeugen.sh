#!/bin/sh
# Makes the two feedback sounds of the quiz in resources/sound/ with sox.
# -R keeps the output byte-identical between runs (no random dither).
set -e
ziel="$(dirname "$0")/../../resources/sound"
mkdir -p "$ziel"
fmt="-R -r 22050 -c 1 -b 16"

# "Richtig": two bright ascending notes (E5, A5) with a soft bell fade.
sox $fmt -n "$ziel/Richtig1-a.wav" synth 0.12 sine 659.25 fade q 0.005 0.12 0.06 vol 0.5
sox $fmt -n "$ziel/Richtig1-b.wav" synth 0.28 sine 880 fade q 0.005 0.28 0.22 vol 0.5
sox $fmt "$ziel/Richtig1-a.wav" "$ziel/Richtig1-b.wav" "$ziel/Richtig1.wav"

# "Falsch": two low descending notes (A3, F3), muted and short.
sox $fmt -n "$ziel/Falsch1-a.wav" synth 0.14 triangle 220 fade q 0.01 0.14 0.05 vol 0.45
sox $fmt -n "$ziel/Falsch1-b.wav" synth 0.30 triangle 174.61 fade q 0.01 0.30 0.2 vol 0.45
sox $fmt "$ziel/Falsch1-a.wav" "$ziel/Falsch1-b.wav" "$ziel/Falsch1.wav"

rm -f "$ziel"/Richtig1-?.wav "$ziel"/Falsch1-?.wav
