#!/usr/bin/env bash
# Redraws docs/screenshots/: every window at 100 % and at a scale factor of 2, by the program
# itself on Qt's offscreen platform. Run after `scripts/test` or `scripts/run` has built once.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target korvel-screenshots
mkdir -p docs/screenshots
QT_QPA_PLATFORM=offscreen build/tools/korvel-screenshots docs/screenshots
QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 build/tools/korvel-screenshots docs/screenshots @2x
ls docs/screenshots
