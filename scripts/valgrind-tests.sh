#!/usr/bin/env bash
# Runs every unit and window test executable of a build under valgrind's memcheck, and the
# end-to-end smoke test with the program itself under memcheck. Prints one line per
# executable and fails if valgrind reports an error or a definite leak.
#   usage: bash scripts/valgrind-tests.sh [build-dir]
set -u
build=$(cd "${1:-build}" && pwd)
root=$(cd "$(dirname "$0")/.." && pwd)
log=$build/valgrind
mkdir -p "$log"
memcheck=(valgrind --tool=memcheck --error-exitcode=99 --leak-check=full
          --errors-for-leak-kinds=definite --show-leak-kinds=definite
          --suppressions="$root/tests/valgrind.supp")
failed=0
for exe in "$build"/*_test; do
    name=$(basename "$exe")
    case $(ls "$root"/tests/gui/"$name".cpp 2>/dev/null) in
        "") run=("${memcheck[@]}" "$exe") ;;
        *) run=("$root/tests/on_screen.sh" 1280x1024x24 "${memcheck[@]}" "$exe") ;;
    esac
    if (cd "$build" && "${run[@]}") > "$log/$name.log" 2>&1; then
        echo "clean   $name"
    else
        echo "REPORT  $name (see $log/$name.log)"; failed=1
    fi
done
# The real program under memcheck, driven by the smoke test.
wrapper=$log/veltrane-under-valgrind
printf '#!/bin/sh\nexec %s %s "$@"\n' "${memcheck[*]}" "$build/veltrane" > "$wrapper"
chmod +x "$wrapper"
if bash "$root/tests/e2e/test_smoke.sh" "$wrapper" "$build" > "$log/e2e_smoke.log" 2>&1; then
    echo "clean   veltrane (smoke session)"
else
    echo "REPORT  veltrane (see $log/e2e_smoke.log)"; failed=1
fi
exit $failed
