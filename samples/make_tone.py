#!/usr/bin/env python3
"""Writes samples/tone.wav: half a second of 16-bit stereo PCM at 22050 Hz,
a 440 Hz sine on the left and a 660 Hz sine on the right, at half scale.

Run from anywhere: python3 samples/make_tone.py
"""
import math
import os
import struct

RATE = 22050
FRAMES = RATE // 2
AMPLITUDE = 16384


def main():
    frames = bytearray()
    for n in range(FRAMES):
        left = round(AMPLITUDE * math.sin(2 * math.pi * 440 * n / RATE))
        right = round(AMPLITUDE * math.sin(2 * math.pi * 660 * n / RATE))
        frames += struct.pack("<hh", left, right)
    fmt = struct.pack("<HHIIHH", 1, 2, RATE, RATE * 4, 4, 16)
    chunks = b"fmt " + struct.pack("<I", len(fmt)) + fmt
    chunks += b"data" + struct.pack("<I", len(frames)) + bytes(frames)
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "tone.wav")
    with open(path, "wb") as out:
        out.write(b"RIFF" + struct.pack("<I", 4 + len(chunks)) + b"WAVE" + chunks)


if __name__ == "__main__":
    main()
