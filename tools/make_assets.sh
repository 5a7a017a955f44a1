#!/usr/bin/env bash
# Regenerates every picture, icon and sound under assets/ (except the theme).
# Deterministic: running it again reproduces the committed files byte for byte
# on the same ImageMagick, libjpeg and fonts. Needs python3 and ImageMagick's
# `convert` (fonts: fonts-wqy-microhei, fonts-dejavu-core).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
for script in make_icon.py make_icons.py make_pictures.py make_startup.py make_chime.py; do
  printf '%s\n' "$script" >&2
  python3 "$here/$script"
done
