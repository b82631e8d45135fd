#!/usr/bin/env bash
# Builds Ostrel and runs it (`run`) or its tests (`test`), installing missing Debian packages first.
# CI's modes (`test`, `asan`, `clang`, `fuzz`) treat compiler warnings as errors.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"

# Installs the missing packages of the given lists: tools/packages.txt for the program,
# tools/packages-test.txt as well for the tests (their own dependencies stay out of the program).
install_packages() {
    local missing=()
    while read -r pkg; do
        [[ -z "$pkg" || "$pkg" == \#* ]] && continue
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
    done < <(cat "$@")
    if ((${#missing[@]})); then
        echo "Installing: ${missing[*]}"
        local sudo=""
        [[ $(id -u) -ne 0 ]] && sudo=sudo
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
    fi
}

build() {
    local dir=$1; shift
    cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" -j "$(nproc)"
}

mode=${1:-run}
case "$mode" in
run)
    install_packages tools/packages.txt
    build build
    exec build/bin/Ostrel
    ;;
test)
    install_packages tools/packages.txt tools/packages-test.txt
    build build -DOSTREL_WERROR=ON
    QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j "$(nproc)"
    ;;
asan)
    install_packages tools/packages.txt tools/packages-test.txt
    build build-asan -DOSTREL_SANITIZE=ON -DOSTREL_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug -DOSTREL_WERROR=ON
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export LSAN_OPTIONS=suppressions=$here/.ci/lsan.supp:print_suppressions=0
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    QT_QPA_PLATFORM=offscreen ctest --test-dir build-asan --output-on-failure -j "$(nproc)"
    ;;
clang)
    # The program and its tests built by clang, whose warnings differ from gcc's.
    install_packages tools/packages.txt tools/packages-test.txt
    export CC=clang CXX=clang++
    build build-clang -DOSTREL_BENCH=OFF -DOSTREL_WERROR=ON
    QT_QPA_PLATFORM=offscreen ctest --test-dir build-clang --output-on-failure -j "$(nproc)"
    ;;
format-check)
    # Fails on a source that clang-format would change. The tables and pictures written by the
    # tools stay exactly as the tools write them.
    install_packages tools/packages-test.txt
    git ls-files -z -- '*.cpp' '*.h' \
        ':!colour/colour_matching_tables.h' ':!colour/ral_design_list.h' \
        ':!windows/logo_picture.cpp' ':!windows/main_panel_pictures.cpp' ':!windows/cielab_pictures.cpp' \
        ':!windows/chart3d_pictures.cpp' |
        xargs -0 clang-format-14 --dry-run --Werror
    ;;
fuzz)
    # The settings reader under libFuzzer for a minute (seconds as the second argument).
    install_packages tools/packages.txt tools/packages-test.txt
    build build -DOSTREL_WERROR=ON
    cmake --build build --target fuzz_settings
    corpus=$(mktemp -d)
    trap 'rm -rf "$corpus"' EXIT
    (cd "$corpus" && "$here/build/fuzz/settings_fuzzer" -max_total_time="${2:-60}" -max_len=4096 \
        "$corpus" "$here/fuzz/seeds")
    ;;
*)
    echo "usage: tools/dev.sh run|test|asan|clang|format-check|fuzz [seconds]" >&2
    exit 2
    ;;
esac
