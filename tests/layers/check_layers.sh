#!/usr/bin/env bash
# Dependencies run one way: the host knows no plug-in and no program, a
# plug-in knows no other plug-in's private headers, and the program reaches
# the modules only through the host and the shared declarations in common/.
# Prints every include that breaks this and fails when there is one.
set -u
cd "$1" || exit 2

status=0
forbid() {  # folder regex-of-included-folders why
    local hits
    hits=$(grep -rnE "^[[:space:]]*#[[:space:]]*include[[:space:]]+\"($2)/" "$1" --include='*.h' --include='*.cpp' 2>/dev/null)
    if [ -n "$hits" ]; then
        echo "$3:"
        echo "$hits"
        status=1
    fi
}

forbid host 'common|exporter|objects|modifiers|corvatrix|actorbuilder' "host/ includes a plug-in or program header"
forbid exporter 'objects|modifiers|corvatrix|actorbuilder' "the exporter includes another module's header"
forbid modifiers 'exporter|objects|corvatrix|actorbuilder' "the modifier module includes another module's header"
forbid objects 'exporter|modifiers|corvatrix|actorbuilder' "the object module includes another module's header"
forbid corvatrix 'exporter|modifiers|objects/(actor|trigger|shared)|objects/[A-Za-z]+\.h' \
    "the program includes a module's private header"

links=$(grep -nE 'corvatrix_(exporter|objects|modifiers|common|cxa|trigger_sets)\b' host/CMakeLists.txt host/*/CMakeLists.txt)
if [ -n "$links" ]; then
    echo "the host links a plug-in library:"
    echo "$links"
    status=1
fi
if grep -nE 'corvatrix_exporter\b' corvatrix/CMakeLists.txt; then
    echo "the program links the exporter's library"
    status=1
fi
exit $status
