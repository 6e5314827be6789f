#!/usr/bin/env python3
"""Makes the built-in gong: a struck metal plate of about ten seconds.

Inharmonic partials, each a pair of close frequencies that beat slowly, the
low ones ringing long and the high ones dying fast, a short noisy strike,
and a swell of the middle partials a moment after the strike, as a gong
blooms. Written as WAV, then compressed to Ogg Vorbis with sox:

    python3 scripts/maak-gong.py data/geluid/gong.wav
    sox data/geluid/gong.wav -C 4 data/geluid/gong.ogg
"""
import math
import random
import struct
import sys
import wave

RATE = 44100
SECONDS = 10.0
BASE = 92.0  # Hz
# (frequency ratio, amplitude, decay time in seconds, beating in Hz, bloom)
PARTIALS = [
    (1.00, 1.00, 6.0, 0.35, 0.0),
    (1.47, 0.70, 4.8, 0.55, 0.3),
    (2.09, 0.55, 3.9, 0.80, 0.6),
    (2.56, 0.45, 3.2, 1.10, 0.8),
    (3.24, 0.35, 2.5, 1.40, 0.6),
    (3.91, 0.28, 2.0, 1.90, 0.4),
    (4.63, 0.20, 1.4, 2.30, 0.2),
    (5.72, 0.14, 0.9, 3.10, 0.0),
    (7.13, 0.10, 0.6, 4.00, 0.0),
    (8.87, 0.07, 0.35, 5.20, 0.0),
]


def sample(t, noise):
    s = 0.0
    for ratio, amp, decay, beat, bloom in PARTIALS:
        f = BASE * ratio
        env = amp * math.exp(-t / decay)
        # The middle partials swell a little after the strike.
        env *= 1.0 + bloom * (1.0 - math.exp(-t / 0.4)) * math.exp(-t / 2.5)
        s += env * (math.sin(2 * math.pi * f * t) + 0.6 * math.sin(2 * math.pi * (f + beat) * t + 1.3))
    # The mallet: a burst of noise over the first 40 ms.
    s += noise * 0.8 * math.exp(-t / 0.012)
    # A gentle fade over the last half second.
    if t > SECONDS - 0.5:
        s *= (SECONDS - t) / 0.5
    return s


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "gong.wav"
    random.seed(183)
    n = int(RATE * SECONDS)
    raw = [sample(i / RATE, random.uniform(-1, 1)) for i in range(n)]
    peak = max(abs(x) for x in raw)
    with wave.open(out, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(b"".join(struct.pack("<h", int(x / peak * 0.85 * 32767)) for x in raw))


if __name__ == "__main__":
    main()
