#!/usr/bin/env bash
# Installs the Debian packages listed in .ci/packages.txt when any is missing.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
mapfile -t pkgs < <(grep -v '^\s*#' "$here/.ci/packages.txt" | sed '/^\s*$/d')
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -q -o DPkg::Lock::Timeout=900
  $sudo apt-get install -y -q --no-install-recommends -o DPkg::Lock::Timeout=900 "${missing[@]}"
fi
