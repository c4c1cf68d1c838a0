#!/bin/sh
# The layer check on a planted tree: the real table, a core file including
# an app header written <...>, and a core test using Qt Widgets. Both fail.
set -eu
script=$1 source=$2 build=$3
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree/docs" "$tree/src/core" "$tree/src/app" "$tree/tests/core"
cp "$source/docs/architecture.md" "$tree/docs/"
echo '#include <app/popover_window.h>' >"$tree/src/core/planted.cpp"
: >"$tree/src/app/popover_window.h"
echo '#include <QWidget>' >"$tree/tests/core/planted_test.cpp"
if out=$(TORVEL_LAYERS_ROOT=$tree python3 "$script" "$build" 2>&1); then
    echo "check-layers passed a planted tree: $out"
    exit 1
fi
echo "$out" | grep -q 'src/core/planted.cpp:1: app/popover_window.h (core may not include app)'
echo "$out" | grep -q 'tests/core/planted_test.cpp:1: QWidget (Qt Widgets only in tests of src/ui and src/app)'
