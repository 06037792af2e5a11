#!/usr/bin/env bash
# Installs the build into a scratch prefix and uses the installed programs
# the way a user would: from another folder, with a bare environment, on the
# installed example. Every file the dynamic loader opens, plug-in modules
# included, must lie outside the build folder.
#   install_test.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd -P)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix=$scratch/prefix
mkdir -p "$scratch/work" "$scratch/home" "$scratch/loader"
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*" >&2; exit 1; }
# A clean environment: no CORVATRIX_* variables, no build folder on PATH.
installed() {
    (cd "$scratch/work" && env -i PATH=/usr/bin:/bin HOME="$scratch/home" \
        LD_DEBUG=files LD_DEBUG_OUTPUT="$scratch/loader/log" "$@")
}

for file in bin/corvatrix bin/actorbuilder lib/corvatrix/libcorvatrix_host.so lib/corvatrix/corvatrix.dle \
            lib/corvatrix/corvatrix.dlo lib/corvatrix/corvatrix.dlm lib/corvatrix/cxActors/PlayerStart.cxa \
            share/man/man1/corvatrix.1.gz share/man/man1/actorbuilder.1.gz share/doc/corvatrix/README.md \
            share/doc/corvatrix/scene-format.md share/doc/corvatrix/scene.schema.json \
            share/doc/corvatrix/examples/textures/bricks.bmp; do
    [ -s "$prefix/$file" ] || fail "$file is not installed"
done

installed "$prefix/bin/corvatrix" export "$prefix/share/doc/corvatrix/examples/castle.json" out/Castle.t3d \
    --package Castle --quiet || fail "the installed corvatrix could not export the example"
map=$scratch/work/out/Castle.t3d
[ -s "$scratch/work/out/Castle.exec" ] || fail "no EXEC script"
ls "$scratch/work/out/ase_Castle"*/*.ase >/dev/null 2>&1 || fail "no ASE files"
grep -q "Class=PlayerStart" "$map" || fail "the map has no PlayerStart: the installed actor library was not found"
grep -q "Class=Mover" "$map" || fail "the map has no mover: the modifier plug-in was not loaded"

shown=$(installed "$prefix/bin/actorbuilder" --show "$prefix/lib/corvatrix/cxActors/Torch.cxa") ||
    fail "the installed actorbuilder could not show a sample definition"
[[ $shown == "class Torch"* ]] || fail "actorbuilder --show printed: $shown"

if grep -l -F "$build" "$scratch"/loader/log.* >/dev/null; then
    grep -h -F "$build" "$scratch"/loader/log.* | head -5 >&2
    fail "an installed program loaded files from the build folder"
fi
echo "installed into $prefix and exported the example from there"
