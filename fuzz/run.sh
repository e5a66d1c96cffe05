#!/usr/bin/env bash
# Builds the fuzz target and runs it for the given number of seconds (default
# 60), seeded with the shipped sample, the files from real writers in
# tests/corpus, and the WAVE files that the test suite writes (run the tests
# first). Exits non-zero on any finding; the input that
# caused it is left in fuzz/artifacts/.
#   bash fuzz/run.sh [seconds] [extra libFuzzer flags...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

mkdir -p fuzz/corpus fuzz/artifacts
cp samples/tone.wav tests/corpus/*.wav fuzz/corpus/
if [ -d build/tests/scratch ]; then
    # Fixtures small enough to mutate; the sparse multi-gigabyte one is not.
    find build/tests/scratch -name '*.wav' -type f -size -1024k |
        while read -r f; do cp "$f" "fuzz/corpus/$(echo "$f" | md5sum | cut -c1-16).wav"; done
fi

# -close_fd_mask=3 sends the command's own standard output and error to
# /dev/null; libFuzzer and the sanitizers keep reporting on the real stderr.
build-fuzz/fuzz/kenrow_fuzz fuzz/corpus -dict=fuzz/wav.dict -max_len=4096 -timeout=10 \
    -rss_limit_mb=2048 -max_total_time="$seconds" -close_fd_mask=3 -print_final_stats=1 \
    -artifact_prefix=fuzz/artifacts/ "$@"
