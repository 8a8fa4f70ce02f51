#!/usr/bin/env bash
# `vork --screenshots` under a real X server (Xvfb, the xcb platform) writes non-empty pictures
# of the main window and the configuration window.
#   xvfb_smoke.sh VORK FILE
set -euo pipefail
vork=$1
file=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
QT_QPA_PLATFORM=xcb xvfb-run -a "$vork" --screenshots "$out" "$file" --ticks 12
for picture in TForm1.png TConfigForm.png; do
  if [ ! -s "$out/$picture" ]; then
    echo "missing or empty: $picture" >&2
    exit 1
  fi
done
test -s "$out/widgets.json"
echo "screenshots under Xvfb: $(ls "$out" | tr '\n' ' ')"
