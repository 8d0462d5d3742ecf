#!/bin/sh
# The main job on the bundled sample data: a summary of the assembled program folder.
set -eu
build=${1:-build}
home="$build/Veltora"
echo "Program folder: $home"
for folder in DaTiKa ShiJuan MingCe ChengJi; do
    printf '  %-8s %s file(s)\n' "$folder" "$(find "$home/$folder" -maxdepth 1 -type f ! -name '.*' | wc -l)"
done
