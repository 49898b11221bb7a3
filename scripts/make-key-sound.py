#!/usr/bin/env python3
"""Writes the key sound data/SomTecla.wav: a short, soft click.

    scripts/make-key-sound.py [OUTPUT]      (default: data/SomTecla.wav)

The click is two damped sine tones (1200 and 2500 Hz) under a 1.5 ms
raised-cosine attack and a fast exponential decay, faded to silence over its
last 5 ms, peaking well below full scale so that it stays soft when a key is
pressed again and again. 40 ms, 16-bit PCM, mono, 22050 Hz. Only the Python
standard library is used (Debian package python3); the same script always
writes the same bytes.
"""

import math
import os
import struct
import sys
import wave

RATE = 22050
LENGTH_S = 0.040
ATTACK_S = 0.0015
DECAY_S = 0.008       # time constant of the exponential decay
FADE_S = 0.005        # the last part fades linearly to silence
PEAK = 0.30           # of full scale
TONES = ((1200.0, 0.6), (2500.0, 0.4))  # (frequency in Hz, weight)


def envelope(t):
    attack = 0.5 - 0.5 * math.cos(math.pi * t / ATTACK_S) if t < ATTACK_S else 1.0
    decay = math.exp(-max(0.0, t - ATTACK_S) / DECAY_S)
    fade = min(1.0, (LENGTH_S - t) / FADE_S)
    return attack * decay * fade


def samples():
    count = round(LENGTH_S * RATE)
    for n in range(count):
        t = n / RATE
        tone = sum(weight * math.sin(2 * math.pi * frequency * t) for frequency, weight in TONES)
        yield round(32767 * PEAK * envelope(t) * tone)


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    path = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "data", "SomTecla.wav")
    frames = b"".join(struct.pack("<h", value) for value in samples())
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(frames)
    print(f"make-key-sound: {path} ({len(frames) // 2} samples, {LENGTH_S * 1000:.0f} ms at {RATE} Hz)")


if __name__ == "__main__":
    main()
