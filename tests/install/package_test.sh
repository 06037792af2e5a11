#!/usr/bin/env bash
# Packs the build with cpack -G DEB into a scratch folder and checks the
# package: the dependencies dpkg-shlibdeps computed, and lintian's verdict
# when lintian is installed.
#   package_test.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd -P)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch" >/dev/null
package=$(ls "$scratch"/*.deb)
depends=$(dpkg-deb -f "$package" Depends)
for library in libc6 libstdc++6; do
    [[ $depends == *"$library "* ]] || fail "the package does not depend on $library: Depends: $depends"
done

if ! command -v lintian >/dev/null; then
    echo "lintian is not installed: the package was not checked with it"
    exit 0
fi
# The project has no mail address yet (see cmake/Packaging.cmake).
lintian --fail-on error --suppress-tags bogus-mail-host,bogus-mail-host-in-debian-changelog "$package"
