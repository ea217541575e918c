#!/usr/bin/env python3
"""Writes the example effects: demo.bin (8 channels), demo16.bin and demo32.bin.

A step is 1, 2 or 4 bytes; channel n of a step is bit 7 - n % 8 of its byte n // 8, and a
0 bit is a lit lamp. Run it from anywhere: python3 examples/make_effects.py
"""
import random
from pathlib import Path


def step(channels, lit):
    """The bytes of one step of `channels` channels with the channels in `lit` lit."""
    data = bytearray(b"\xff" * (channels // 8))
    for channel in lit:
        channel %= channels
        data[channel // 8] &= ~(0x80 >> (channel % 8)) & 0xFF
    return bytes(data)


def lamps(*lit):
    """One 8-channel step lighting the given channels (0 = leftmost)."""
    return step(8, lit)[0]


def effect8():
    steps = []
    steps += [lamps(i) for i in range(8)]                     # one lamp runs right
    steps += [lamps(i) for i in range(6, 0, -1)]              # and back
    steps += [lamps(*range(i + 1)) for i in range(8)]         # the row fills up
    steps += [lamps(*range(i, 8)) for i in range(1, 8)]       # and empties to the right
    steps += [0xFF]
    steps += [lamps(i, 7 - i) for i in range(4)] * 2          # two lamps meet in the middle
    steps += [lamps(3 - i, 4 + i) for i in range(4)] * 2      # and part again
    steps += [0x55, 0xAA] * 8                                 # alternate blinking
    steps += [lamps(i % 8, (i + 1) % 8, (i + 2) % 8) for i in range(16)]  # a chaser of three
    steps += [0x00, 0xFF] * 4                                 # everything flashes
    steps += [lamps(*[c for c in range(8) if (c + i) % 4 == 0]) for i in range(16)]  # every fourth
    while len(steps) < 256:                                   # a slow fade of the chaser
        steps += [lamps(len(steps) % 8)]
    return bytes(steps[:256])


def effect16():
    """Sixteen channels in a row: a bouncing comet, a fill from the middle, a two-tone march."""
    n = 16
    out = []
    bounce = list(range(n)) + list(range(n - 2, 0, -1))
    for _ in range(2):
        out += [step(n, [p, p - 1 if p > 0 else p, p - 2 if p > 1 else p]) for p in bounce]
    out += [step(n, range(7 - i, 9 + i)) for i in range(8)]   # from the middle outwards
    out += [step(n, range(i, 16 - i)) for i in range(1, 8)] + [step(n, [])]
    out += [step(n, [c for c in range(n) if (c // 2 + i) % 2]) for i in range(16)]
    while len(out) < 256:
        out += [step(n, [len(out) % n, (len(out) + 8) % n])]
    return b"".join(out[:256])


def effect32():
    """Thirty-two channels around a sign: a chase, a comet, four runners, a fill, sparkle."""
    n = 32
    out = []
    out += [step(n, [i]) for i in range(n)]
    out += [step(n, [i, i - 1, i - 2, i - 3]) for i in range(2 * n)]
    out += [step(n, [i, i + 8, i + 16, i + 24]) for i in range(16)]
    out += [step(n, range(i + 1)) for i in range(n)]
    out += [step(n, range(i + 1, n)) for i in range(n)]
    out += [step(n, range(0, n, 2)), step(n, range(1, n, 2))] * 8
    sparkle = random.Random(32)
    while len(out) < 256:
        out += [step(n, sparkle.sample(range(n), 6))]
    return b"".join(out[:256])


if __name__ == "__main__":
    here = Path(__file__).parent
    for name, data in (("demo.bin", effect8()), ("demo16.bin", effect16()),
                       ("demo32.bin", effect32())):
        (here / name).write_bytes(data)
        print(f"wrote {here / name} ({len(data)} bytes)")
