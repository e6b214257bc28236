#!/usr/bin/env bash
# Fuzzes each target for a quarter of a minute (UGRAPH_FUZZ_SECONDS) on top of its
# checked-in corpus, under AddressSanitizer, UndefinedBehaviorSanitizer and
# the leak check. The corpus is copied first, so what the fuzzer adds stays in
# the scratch folder. Any crash, broken check, sanitizer report, leak or
# timeout fails the step; the input that caused it is kept in
# build/fuzz/artifacts/ and printed (Base64), for the corpus once it is fixed.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${UGRAPH_FUZZ_SECONDS:-15}

cmake --workflow --preset fuzz

artifacts=$PWD/build/fuzz/artifacts
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
rm -rf "$artifacts" && mkdir -p "$artifacts"
failed=0
# The targets as fuzz/CMakeLists.txt lists them, written by the configure.
IFS=';' read -ra targets < build/fuzz/fuzz_targets.txt
for target in "${targets[@]}"; do
    mkdir "$scratch/$target"
    cp fuzz/corpus/$target/* "$scratch/$target/"
    log=$scratch/$target.log
    echo "== fuzzing $target for ${seconds}s"
    status=0
    build/fuzz/fuzz/$target "$scratch/$target" -max_total_time="$seconds" -timeout=10 \
        -detect_leaks=1 -print_final_stats=1 -artifact_prefix="$artifacts/$target-" \
        >"$log" 2>&1 || status=$?
    grep -E 'DONE|Done [0-9]+ runs|stat::number_of_executed_units' "$log" || true
    if [ "$status" -ne 0 ] || grep -qE 'ERROR: (libFuzzer|AddressSanitizer|LeakSanitizer)|runtime error:' "$log"; then
        echo "FAIL: $target (exit status $status); its report:"
        # From the first report line on; the whole end of the log if none.
        first=$(grep -n -m1 -E 'ERROR:|runtime error:|==[0-9]+==' "$log" | cut -d: -f1 || true)
        tail -n +"${first:-1}" "$log" | tail -80
        failed=1
    fi
done
exit "$failed"
