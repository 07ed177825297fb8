#!/usr/bin/env python3
"""Compares the Windows module's renders with the Linux module's.

Usage: compare-renders.py LINUX_DIR WINDOWS_DIR

LINUX_DIR holds velkortape-render's float WAV files (demo-<deck>.wav),
WINDOWS_DIR the raw interleaved float32 files of velkortape-render-raw
(demo-<deck>.f32). Every pair must hold the same number of samples, equal
within float precision: the two C libraries' exp, tanh and erf may differ in
their last bits.
"""
import array
import pathlib
import struct
import sys

# One float step at full scale (2^-23), relative to the sample above it. The
# renders differ by about one step of the sample itself; a wrong filter or
# gain differs by orders of magnitude more.
TOLERANCE = 2.0 ** -23
WAVE_FORMAT_IEEE_FLOAT = 3
WAVE_FORMAT_EXTENSIBLE = 0xFFFE


def read_float_wav(path):
    data = path.read_bytes()
    if data[:4] != b"RIFF" or data[8:12] != b"WAVE":
        raise ValueError(f"{path}: not a WAV file")
    position, fmt, samples = 12, None, None
    while position + 8 <= len(data):
        kind, size = data[position:position + 4], struct.unpack_from("<I", data, position + 4)[0]
        body = data[position + 8:position + 8 + size]
        if kind == b"fmt ":
            fmt = struct.unpack_from("<HHIIHH", body)
            if fmt[0] == WAVE_FORMAT_EXTENSIBLE:
                fmt = (struct.unpack_from("<H", body, 24)[0],) + fmt[1:]
        elif kind == b"data":
            samples = array.array("f", body)
        position += 8 + size + (size & 1)
    if fmt is None or samples is None or fmt[0] != WAVE_FORMAT_IEEE_FLOAT or fmt[5] != 32:
        raise ValueError(f"{path}: not 32-bit float samples")
    if sys.byteorder != "little":
        samples.byteswap()
    return samples


def read_raw(path):
    samples = array.array("f", path.read_bytes())
    if sys.byteorder != "little":
        samples.byteswap()
    return samples


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    linux_dir, windows_dir = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    linux_files = sorted(linux_dir.glob("demo-*.wav"))
    windows_files = sorted(windows_dir.glob("demo-*.f32"))
    if not linux_files or [f.stem for f in linux_files] != [f.stem for f in windows_files]:
        print(f"renders differ in their decks: {[f.name for f in linux_files]} and {[f.name for f in windows_files]}")
        print("renders: 0 passed, 1 failed")
        return 1
    passed = failed = 0
    for linux_file, windows_file in zip(linux_files, windows_files):
        linux, windows = read_float_wav(linux_file), read_raw(windows_file)
        if len(linux) != len(windows):
            print(f"{linux_file.stem}: {len(linux)} samples on Linux, {len(windows)} on Windows")
            failed += 1
            continue
        worst = max(abs(a - b) / max(1.0, abs(a)) for a, b in zip(linux, windows))
        peak = max(abs(a) for a in linux)
        matches = worst <= TOLERANCE and peak > 0.0
        print(f"{linux_file.stem}: largest difference {worst:.3g} of full scale, peak {peak:.3f}"
              f"{'' if matches else '  MISMATCH'}")
        passed += matches
        failed += not matches
    print(f"renders: {passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
