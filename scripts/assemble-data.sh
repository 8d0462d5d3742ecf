#!/bin/sh
# Copies the shipped data into the program folder. Text data is kept in UTF-8 with LF in
# the repository and installed in GBK with CR LF, the encoding the program reads and writes.
# usage: assemble-data.sh SOURCE_DATA_DIR PROGRAM_FOLDER
set -eu
src=$1
dst=$2
mkdir -p "$dst"
cd "$src"
find . -type d ! -name . ! -path './templates-src*' | while read -r d; do mkdir -p "$dst/$d"; done
find . -type f ! -name CMakeLists.txt ! -name '*.md' ! -path './templates-src/*' | while read -r f; do
    case "$f" in
        *.txt|*.TXT|*.DTK|*.dtk|*.CHO|*.cho|*.ini|*.INI)
            tmp="$dst/$f.tmp"
            iconv -f UTF-8 -t GBK "$f" | sed 's/\r$//; s/$/\r/' > "$tmp"
            mv "$tmp" "$dst/$f" ;;
        *)
            cp "$f" "$dst/$f" ;;
    esac
done
