#!/usr/bin/env python3
"""Writes demo.bin: a little running-light effect for a board of 8 channels.

Each byte is one step; bit 7 is channel 1 (the leftmost lamp), and a 0 bit is a lit lamp.
Run it from anywhere: python3 examples/make_demo.py
"""
from pathlib import Path

SIZE = 256


def lamps(*lit):
    """The byte that lights the given channels (0 = leftmost), all others dark."""
    value = 0xFF
    for channel in lit:
        value &= ~(0x80 >> channel)
    return value & 0xFF


def effect():
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
    while len(steps) < SIZE:                                  # a slow fade of the chaser
        steps += [lamps(len(steps) % 8)]
    return bytes(steps[:SIZE])


if __name__ == "__main__":
    target = Path(__file__).with_name("demo.bin")
    target.write_bytes(effect())
    print(f"wrote {target} ({SIZE} bytes)")
