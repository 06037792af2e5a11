#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those that are missing.
set -euo pipefail
# dpkg-dev and file: cpack -G DEB computes the package's dependencies with them;
# python3-jsonschema: the scene schema tests; lintian: checks the package;
# libtinygltf-dev: reads glTF scenes; libstb-dev: decodes images the level editor cannot import and writes TGA.
packages=(cmake ninja-build g++ clang libgtest-dev nlohmann-json3-dev libfltk1.3-dev
          dpkg-dev file python3-jsonschema lintian libstb-dev
          libtinygltf-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
