#!/usr/bin/env python3
"""Writes resources/Internet.mid: Vicania's splash tune, about a minute long.

An original three-part piece (A, B, A') at 96 beats per minute in C major:
flute melody, string chords and a plucked bass, one bar of four beats per
chord. Run it again after changing the notes; the MIDI file is committed.
"""
import struct
import sys
from pathlib import Path

TPQ = 480  # ticks per quarter note
BPM = 96

N = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}


def pitch(name):
    """'E5' -> MIDI note number; None stays a rest."""
    if name is None:
        return None
    return 12 * (int(name[-1]) + 1) + N[name[0]] + (1 if "#" in name else 0)


# (note, beats) per bar; None is a rest.
A_BARS = [
    [("E5", 1), ("G5", 1), ("C6", 1.5), ("B5", 0.5)],
    [("A5", 2), ("E5", 1), ("A5", 1)],
    [("F5", 1), ("A5", 1), ("C6", 1), ("A5", 1)],
    [("G5", 3), (None, 1)],
    [("E5", 1), ("G5", 0.5), ("A5", 0.5), ("G5", 1), ("E5", 1)],
    [("C5", 1), ("E5", 1), ("A5", 2)],
    [("D5", 1), ("F5", 1), ("A5", 1), ("G5", 1)],
    [("B4", 1), ("D5", 1), ("G5", 2)],
]
B_BARS = [
    [("C6", 1.5), ("B5", 0.5), ("A5", 1), ("E5", 1)],
    [("G5", 1.5), ("F5", 0.5), ("E5", 2)],
    [("F5", 1), ("A5", 1), ("C6", 1), ("D6", 1)],
    [("E6", 2), ("C6", 2)],
    [("D6", 1), ("C6", 1), ("A5", 1), ("F5", 1)],
    [("E5", 1), ("A5", 1), ("C6", 2)],
    [("A5", 1), ("G5", 1), ("F5", 1), ("D5", 1)],
    [("G5", 3), (None, 1)],
]
ENDING = [
    [("F5", 1), ("E5", 1), ("D5", 1), ("B4", 1)],
    [("C5", 4)],
]
MELODY = A_BARS + B_BARS + A_BARS[:6] + ENDING

CHORDS = (["C", "Am", "F", "G", "C", "Am", "Dm", "G"]
          + ["Am", "Em", "F", "C", "Dm", "Am", "F", "G"]
          + ["C", "Am", "F", "G", "C", "Am", "G", "C"])

TRIADS = {
    "C": ["C4", "E4", "G4"], "Am": ["A3", "C4", "E4"], "F": ["F3", "A3", "C4"],
    "G": ["G3", "B3", "D4"], "Dm": ["D4", "F4", "A4"], "Em": ["E3", "G3", "B3"],
}
ROOTS = {"C": "C3", "Am": "A2", "F": "F2", "G": "G2", "Dm": "D3", "Em": "E2"}


def vlq(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.append(0x80 | (value & 0x7F))
        value >>= 7
    return bytes(reversed(out))


def track(events):
    """events: (tick, bytes) in any order -> an MTrk chunk."""
    data = b""
    now = 0
    for tick, message in sorted(events, key=lambda e: (e[0], e[1][0] & 0xF0 != 0x80)):
        data += vlq(tick - now) + message
        now = tick
    data += vlq(0) + b"\xFF\x2F\x00"
    return b"MTrk" + struct.pack(">I", len(data)) + data


def note(events, channel, tick, length, number, velocity):
    events.append((tick, bytes([0x90 | channel, number, velocity])))
    events.append((tick + length, bytes([0x80 | channel, number, 0])))


def build():
    bar = 4 * TPQ
    tempo = [(0, b"\xFF\x51\x03" + (60_000_000 // BPM).to_bytes(3, "big")),
             (0, b"\xFF\x58\x04\x04\x02\x18\x08")]

    melody = [(0, bytes([0xC0, 73]))]  # flute
    tick = 0
    for notes in MELODY:
        for name, beats in notes:
            length = int(beats * TPQ)
            if name is not None:
                note(melody, 0, tick, length - 20, pitch(name), 92)
            tick += length

    chords = [(0, bytes([0xC1, 48]))]  # strings
    bass = [(0, bytes([0xC2, 33]))]  # finger bass
    for i, chord in enumerate(CHORDS):
        start = i * bar
        last = i == len(CHORDS) - 1
        for name in TRIADS[chord]:
            note(chords, 1, start, bar * (2 if last else 1) - 30, pitch(name), 58)
        for half in range(2):
            note(bass, 2, start + half * 2 * TPQ, 2 * TPQ - 40, pitch(ROOTS[chord]), 78)

    header = b"MThd" + struct.pack(">IHHH", 6, 1, 4, TPQ)
    return header + track(tempo) + track(melody) + track(chords) + track(bass)


if __name__ == "__main__":
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "resources" / "Internet.mid"
    out.write_bytes(build())
    bars = len(MELODY)
    print(f"{out}: {bars} bars, {bars * 4 * 60 / BPM:.1f} s")
