#!/usr/bin/env bash
# Builds the program and starts it on its default catalog (movies.mdb in the program folder).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh"
cmake -S "$here" -B "$here/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$here/build" --target dvdkorvel
[ "$(id -u)" -eq 0 ] && export QTWEBENGINE_DISABLE_SANDBOX=1
exec "$here/build/bin/dvdkorvel" "$@"
