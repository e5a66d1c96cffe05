#!/usr/bin/env bash
# Regenerates the WAVE files in this folder with the programs that real users
# convert from. Needed only to regenerate them, never to build or test:
#   Debian packages ffmpeg, sox, sndfile-programs, and python3.
# Every file is a hundredth of a second of a 440 Hz / 660 Hz stereo tone, so
# that the whole corpus stays a few KiB a file. README.md here lists which
# program and options wrote each file.
set -euo pipefail
cd "$(dirname "$0")"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The source every writer starts from: 16-bit stereo at 48 kHz.
sox -D -n -r 48000 -c 2 -b 16 "$work/source.wav" synth 0.01 sine 440 sine 660 vol 0.5

# -fflags +bitexact keeps ffmpeg's version string out of the files, so that
# regenerating them with the same tools gives the same bytes.
ff() {
    ffmpeg -nostdin -hide_banner -loglevel error -y -i "$work/source.wav" -fflags +bitexact "$@"
}

# Plain 16-bit stereo PCM at the common rates.
for rate in 8000 22050 44100 48000; do
    ff -ar "$rate" -c:a pcm_s16le "ffmpeg-s16-$rate.wav"
done
# Tags in a LIST/INFO chunk before the data.
ff -c:a pcm_s16le -metadata title="Tone" -metadata artist="kenrow tests" \
    -metadata comment="odd" ffmpeg-s16-list-info.wav
# A broadcast-wave "bext" chunk before the data. Its coding history (with the
# terminating zero that ffmpeg writes, 7 bytes) makes the chunk's size odd, so
# a pad byte follows it.
ff -c:a pcm_s16le -write_bext 1 -metadata description="tone" -metadata coding_history="A=PCMx" \
    ffmpeg-s16-bext.wav
# A peak-envelope "levl" chunk after the data.
ff -c:a pcm_s16le -write_peak on ffmpeg-s16-peak.wav
# Above 48 kHz ffmpeg writes the extensible header.
ff -ar 96000 -c:a pcm_s16le ffmpeg-s16-96000-extensible.wav
# Written to a pipe: ffmpeg cannot seek back, so both sizes stay 0xFFFFFFFF.
ff -c:a pcm_s16le -f wav - >ffmpeg-s16-pipe.wav

sox -D "$work/source.wav" -r 22050 -b 16 sox-s16-22050.wav
sndfile-convert -pcm16 "$work/source.wav" sndfile-s16.wav
cp sndfile-s16.wav sndfile-s16-metadata.wav
sndfile-metadata-set --str-title "Tone" --str-artist "kenrow" --str-comment "odd" \
    sndfile-s16-metadata.wav

python3 - "$work/source.wav" python-wave-s16.wav <<'PY'
import sys
import wave

with wave.open(sys.argv[1], "rb") as source, wave.open(sys.argv[2], "wb") as target:
    target.setnchannels(2)
    target.setsampwidth(2)
    target.setframerate(source.getframerate())
    target.writeframes(source.readframes(source.getnframes()))
PY

# Files the command must refuse.
sox -D "$work/source.wav" -c 1 refuse-sox-mono.wav
sox -D "$work/source.wav" -b 24 refuse-sox-s24.wav
ff -c:a pcm_s24le refuse-ffmpeg-s24-extensible.wav
sox -D "$work/source.wav" -e floating-point -b 32 refuse-sox-f32.wav
sox -D "$work/source.wav" -e unsigned-integer -b 8 refuse-sox-u8.wav
sox -D "$work/source.wav" -e a-law refuse-sox-alaw.wav
ff -c:a pcm_s16le -rf64 always refuse-ffmpeg-rf64.wav
