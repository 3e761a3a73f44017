#!/usr/bin/env bash
# The README's two commands in one build folder: `scripts/build --program`
# makes a build of the program, its tools and the data only (no test, no
# benchmark), and `scripts/test` then adds the tests and the benchmarks in
# the same folder. Checked on the build graph CMake writes, without
# compiling: a cmake first on PATH configures as usual and, asked to build,
# writes down the programs the build would link instead; a ctest there does
# nothing.
#
# Usage: program_build.sh
set -euo pipefail
cd "$(dirname "$0")/../.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

mkdir "$work/tools"
real_cmake=$(command -v cmake)
cat >"$work/tools/cmake" <<EOF
#!/usr/bin/env bash
if [ "\$1" = --build ]; then
  ninja -C "\$2" -t targets all | sed -n 's/^\([^:]*\): [A-Z_]*EXECUTABLE_LINKER.*/\1/p' | sort >"\$2/linked"
  exit 0
fi
exec "$real_cmake" "\$@"
EOF
printf '#!/bin/sh\nexit 0\n' >"$work/tools/ctest"
chmod +x "$work/tools/cmake" "$work/tools/ctest"
export PATH="$work/tools:$PATH" LUMOLEX_BUILD_DIR="$work/build"

bash scripts/build --program >"$work/log" 2>&1 || { cat "$work/log"; fail "scripts/build --program failed"; }
for program in bin/lumolex bin/lumolex-cli bin/lumolex-mkdata; do
  grep -qx "$program" "$work/build/linked" || fail "scripts/build --program does not build $program"
done
! grep -E '^tests/|bench' "$work/build/linked" || fail "scripts/build --program builds tests or benchmarks"
grep -q 'lumolex\.db' <(ninja -C "$work/build" -t targets all) || fail "scripts/build --program does not build the data"

bash scripts/test >"$work/log" 2>&1 || { cat "$work/log"; fail "scripts/test failed"; }
grep -q '^tests/lumolex_ui_tests$' "$work/build/linked" || fail "scripts/test does not build the tests"
grep -q 'lumolex-bench-' "$work/build/linked" || fail "scripts/test does not build the benchmarks"
echo "program build, then tests in the same folder: passed"
