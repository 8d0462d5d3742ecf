#!/bin/sh
# The sample job: a class of 40 filled answer sheets drawn from the shipped roster and test
# paper (some upside down or sideways, some tilted, unevenly lit, blurred or noisy, plus one
# unreadable file), marked with veltora-mark. The sheets are drawn once into
# <build>/Veltora/samples and reused on later runs; ".drawn" there lists what each sheet
# holds (number, answers, sheet index, photographing options).
set -eu
build=${1:-build}
home="$build/Veltora"
samples="$home/samples"
paper=YingYu_DanYuan3.CHO      # 60 questions on the 8-digit template XuanZe60_KaoHao8
roster=GaoYi3Ban.txt
template=XuanZe60_KaoHao8
seed=${VELTORA_SAMPLE_SEED:-2025}

for tool in veltora-sheet veltora-mark; do
    [ -x "$home/$tool" ] || { echo "run-sample: $home/$tool is missing; build first (make build)" >&2; exit 1; }
done

if [ ! -f "$samples/.complete" ]; then
    echo "Drawing the sample class into $samples ..."
    rm -rf "$samples"
    mkdir -p "$samples"
    log="$samples/.render.log"
    answers=$(sed -n '/^\[CorrectAnswer\]/,/^\[/p' "$home/ShiJuan/$paper" | tr -d '\r' |
              awk -F= '$1 ~ /^[0-9]+$/ { print $1 "=" $2 }' | sort -n | cut -d= -f2 | tr '\n' ',')
    # One line per examinee: number, answers and the way the sheet was photographed, all
    # derived from the examinee's number and the seed, so every run draws the same class.
    tr -d '\r' < "$home/MingCe/$roster" | cut -d, -f1 | tr -d '"' |
    awk -v seed="$seed" -v key="$answers" '
        # Park-Miller: the products stay exact in double arithmetic.
        function next_random() { state = (state * 16807) % 2147483647; return state / 2147483647 }
        BEGIN { questions = split(key, correct, ","); if (correct[questions] == "") questions-- }
        NF {
            i++
            state = (seed * 7919 + $1) % 2147483646 + 1
            ability = 0.45 + 0.5 * next_random()
            line = ""
            for (q = 1; q <= questions; q++) {
                r = next_random()
                if (r < ability) a = correct[q]
                else if (r < ability + 0.05) a = ""
                else { a = substr("ABCD", 1 + int(4 * next_random()), 1); if (a == correct[q]) a = "" }
                line = line (q > 1 ? "," : "") a
            }
            view = ""
            if (i % 10 == 3) view = view " --turn 180"
            if (i % 10 == 6) view = view " --turn 90"
            if (i % 10 == 8) view = view " --turn 270"
            if (i % 5 == 1) view = view " --rotate " (i % 2 ? "1.5" : "-1.5")
            if (i % 7 == 2) view = view " --light 0.3"
            if (i % 4 == 0) view = view " --noise 4"
            if (i % 9 == 5) view = view " --blur 0.8"
            if (i % 11 == 4) view = view " --keystone 0.93"
            print $1, line, i, view
        }' |
    tee "$samples/.drawn" |
    while read -r number line index view; do
        # shellcheck disable=SC2086  # the view options are separate words
        "$home/veltora-sheet" --home "$home" --template "$template" --examinee "$number" --answers "$line" \
            --seed "$index" $view --out "$samples/sheet_$number.jpg" 2>>"$log" ||
            { echo "run-sample: drawing the sheet of $number failed; see $log" >&2; exit 1; }
    done
    first=$(ls "$samples"/sheet_*.jpg | head -n 1)
    head -c 4000 "$first" > "$samples/unreadable.jpg"
    touch "$samples/.complete"
fi

echo "Marking $(ls "$samples"/*.jpg | wc -l) images with $paper and $roster"
"$home/veltora-mark" --home "$home" --paper "$paper" --roster "$roster" --jobs 2 \
    --csv "$samples/results.csv" "$samples"
