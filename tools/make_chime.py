#!/usr/bin/env python3
"""Writes assets/tools/chime.wav: the end-of-countdown chime.

Three rising bell notes (E5, G5, C6), each a handful of partials that die away
at their own rates, spread a little across the stereo field. PCM 16-bit
stereo at 11,025 Hz, exactly 30,000 frames. Partials above 4.8 kHz are left
out (they would fold back at this rate), the peak is kept 3 dB under full
scale and the tail fades to silence, so nothing clips or clicks.
"""
import math
import os
import struct
import wave

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
RATE = 11025
FRAMES = 30000
PEAK = 0.708  # -3 dBFS
FADE_SECONDS = 0.45
ATTACK_SECONDS = 0.004

# (start in seconds, frequency in Hz, loudness, pan from -1 left to +1 right)
NOTES = [
    (0.00, 659.26, 0.85, -0.35),
    (0.24, 783.99, 0.85, 0.0),
    (0.48, 1046.50, 1.00, 0.35),
]
# A struck bar: (frequency ratio, amplitude, decay per second).
PARTIALS = [
    (1.0, 1.00, 1.9),
    (2.0, 0.30, 3.2),
    (3.0, 0.10, 4.8),
    (4.2, 0.05, 7.5),
]


def note_sample(t, freq, loudness):
    if t < 0.0:
        return 0.0
    attack = min(1.0, t / ATTACK_SECONDS)
    value = 0.0
    for ratio, amp, decay in PARTIALS:
        f = freq * ratio
        if f > 4800.0:
            continue
        value += amp * math.exp(-decay * t) * math.sin(2.0 * math.pi * f * t)
    return value * attack * loudness


def render():
    left, right = [], []
    for n in range(FRAMES):
        t = n / RATE
        l = r = 0.0
        for start, freq, loudness, pan in NOTES:
            v = note_sample(t - start, freq, loudness)
            angle = (pan + 1.0) * math.pi / 4.0  # equal-power panning
            l += v * math.cos(angle)
            r += v * math.sin(angle)
        left.append(l)
        right.append(r)
    fade_frames = int(FADE_SECONDS * RATE)
    for k in range(fade_frames):
        n = FRAMES - fade_frames + k
        g = math.cos(0.5 * math.pi * (k + 1) / fade_frames) ** 2
        left[n] *= g
        right[n] *= g
    peak = max(max(abs(v) for v in left), max(abs(v) for v in right))
    scale = PEAK * 32767.0 / peak
    frames = bytearray()
    for l, r in zip(left, right):
        frames += struct.pack("<hh", int(round(l * scale)), int(round(r * scale)))
    return bytes(frames)


def main():
    path = os.path.join(ROOT, "assets", "tools", "chime.wav")
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with wave.open(path, "wb") as w:
        w.setnchannels(2)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(render())


if __name__ == "__main__":
    main()
