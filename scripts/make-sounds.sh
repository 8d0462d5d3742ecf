#!/bin/sh
# Records the spoken-score sounds in Mandarin with espeak-ng: the digits "0.wav".."9.wav",
# "10.wav" (ten), "100.wav" (hundred) and "dian.wav" (decimal point), as 16 kHz mono
# 16-bit WAV files (sox resamples espeak-ng's 22.05 kHz output).
# usage: make-sounds.sh [OUTPUT_DIR]   (default: data/sys of the repository)
set -eu
out=${1:-$(dirname "$0")/../data/sys}
mkdir -p "$out"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

say() {  # say FILE WORD
    espeak-ng -v cmn -s 150 -w "$tmp/raw.wav" "$2"
    sox -G "$tmp/raw.wav" -r 16000 -c 1 -b 16 "$tmp/$1"
    mv "$tmp/$1" "$out/$1"
}

i=0
for word in 零 一 二 三 四 五 六 七 八 九; do
    say "$i.wav" "$word"
    i=$((i + 1))
done
say 10.wav 十
say 100.wav 百
say dian.wav 点
