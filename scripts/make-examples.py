#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes the example lens data files in examples/.

The values are invented. The full-size lens uses a simple model: the
diffraction-limited MTF of a circular pupil at the working f-number, times
a Gaussian fall-off for the residual aberrations that grows with the image
height (tangential faster than sagittal), shrinks when stopping down and
grows a little at close range. Running the script again writes the same
bytes. Files are Windows-1252 text.
"""

import math
import pathlib

ROOT = pathlib.Path(__file__).resolve().parent.parent
EXAMPLES = ROOT / "examples"

WAVELENGTH_MM = 0.000546


def write(name, lines, newline):
    data = newline.join(lines) + newline
    (EXAMPLES / name).write_bytes(data.encode("cp1252"))


def diffraction_mtf(frequency, working_f_number):
    cutoff = 1.0 / (WAVELENGTH_MM * working_f_number)
    s = frequency / cutoff
    if s >= 1.0:
        return 0.0
    return 2.0 / math.pi * (math.acos(s) - s * math.sqrt(1.0 - s * s))


def model_mtf(f_number, frequency, height, max_height, magnification, tangential,
              wide_open, sharpness=46.0):
    """Modulation in percent (integer 0..100)."""
    working = f_number * (1.0 + abs(magnification))
    r = height / max_height
    field = (1.0 * r * r + 0.6 * r ** 4) if tangential else (0.5 * r * r + 0.3 * r ** 4)
    field *= (wide_open / f_number) ** 0.7
    limit = sharpness * (f_number / wide_open) ** 1.4 / (1.0 + field) / (1.0 + 0.4 * abs(magnification))
    value = 100.0 * diffraction_mtf(frequency, working) * math.exp(-((frequency / limit) ** 2))
    return max(0, min(100, round(value)))


def modulation_line(label, values):
    # Label, one blank before every value and the required trailing blank.
    return label + "".join(" %d" % v for v in values) + " "


def distance_line(index, magnification, focal_length, principal_gap):
    if magnification == 0:
        return "%d 0 -1E20 -1E20" % index
    object_distance = focal_length * (1.0 / magnification - 1.0)
    image_distance = focal_length * (1.0 - magnification)
    total = -object_distance + image_distance + principal_gap
    return "%d %s %.1f %.1f" % (index, format_number(magnification), object_distance, total)


def format_number(value):
    text = ("%.3f" % value).rstrip("0").rstrip(".")
    return "0" if text == "-0" else text


def worked_example():
    # The small example the reader's documentation walks through.
    sag = {
        1: [[(92, 85), (88, 78), (80, 66)], [(90, 83), (86, 75), (77, 62)]],
        2: [[(95, 90), (93, 87), (89, 80)], [(94, 89), (92, 85), (87, 77)]],
    }
    tan = {
        1: [[(92, 85), (85, 72), (70, 52)], [(90, 83), (83, 69), (67, 48)]],
        2: [[(95, 90), (91, 84), (85, 73)], [(94, 89), (90, 82), (83, 70)]],
    }
    lines = [
        "Lens data",
        "X12320",
        "Lumivex-Projekt",
        "Beispieldatei",
        "Obj:Testlinse 2.8/50 mm",
        "[GAUSS]",
        "f'   =   50.00",
        "s    =  -43.20",
        "s'   =   41.70",
        "HH'  =   -0.50",
        "EP   =   17.90",
        "AP   =   15.10",
        "[PARAM]",
        "k 2.8 5.6",
        "m 0 -0.1",
        "y 0 10 21.6",
        "WL   546 480 644",
        "GEW 1.0 0.5 0.5",
        "f 10 20",
        "[ABB]",
        "1 0 -1E20 -1E20",
        "2 -0.1 -550 604.5",
    ]
    for n in (1, 2):
        lines.append("[%d/SAGMOD]" % n)
        for block in sag[n]:
            lines += [modulation_line("y%d" % (h + 1), v) for h, v in enumerate(block)]
        lines.append("[%d/TANMOD]" % n)
        for block in tan[n]:
            lines += [modulation_line("y%d" % (h + 1), v) for h, v in enumerate(block)]
    write("beispiel-testlinse.mtf", lines, "\n")


def full_size_lens():
    f_numbers = [1.4, 2, 2.8, 4, 5.6, 8, 11, 16]
    magnifications = [0, -0.02, -0.05, -0.1, -0.15, -0.2, -0.3, -0.5, -1]
    heights = [0, 4, 8, 12, 16, 21.6]
    frequencies = [5, 10, 20, 30, 40, 50, 60, 80]
    focal_length = 50.0
    lines = [
        "MTF-Daten",
        "X88690",
        "Lumivex-Projekt, erfundene Beispieldaten",
        "polychromatisch, Fokus auf beste Bildmitte",
        "Obj:Lumivex Normal für KB 1.4/50 mm",
        "Bildkreis 43.2 mm",
        "[GAUSS]",
        "f'   =   51.62",
        "s    =  -45.10",
        "s'   =   38.74",
        "HH'  =   -2.30",
        "EP   =   36.90",
        "AP   =   27.40",
        "[PARAM]",
        "k " + " ".join(format_number(k) for k in f_numbers),
        "m " + " ".join(format_number(m) for m in magnifications),
        "y " + " ".join(format_number(y) for y in heights),
        "WL   546 486 656 588 436",
        "GEW 1.0 0.6 0.4 0.5 0.2",
        "f " + " ".join(format_number(f) for f in frequencies),
        "",
        "[ABB]",
    ]
    lines += [distance_line(i + 1, m, focal_length, -2.3) for i, m in enumerate(magnifications)]
    lines += modulation_blocks(f_numbers, magnifications, heights, frequencies, heights[-1])
    write("vollformat-objektiv.mtf", lines, "\r\n")


def height_row_per_f_number():
    # Wide open the usable field ends early: the last value of a row is the
    # row's largest usable height, written after a larger one.
    f_numbers = [2.8, 4, 5.6, 8]
    rows = [
        [0, 5, 10, 15, 20, 15],
        [0, 5, 10, 15, 20, 18],
        [0, 5, 10, 15, 20, 21.6],
        [0, 5, 10, 15, 20, 21.6],
    ]
    magnifications = [0, -0.05, -0.1]
    frequencies = [10, 20, 40]
    focal_length = 24.0
    lines = [
        "MTF-Daten",
        "X43631",
        "Lumivex-Projekt, erfundene Beispieldaten",
        "eine Bildhöhenzeile je Blende",
        "Obj:Lumivex Weitwinkel 2.8/24 mm",
        "[GAUSS]",
        "f'   =   24.40",
        "s    =  -18.30",
        "s'   =   37.90",
        "HH'  =    1.20",
        "EP   =    8.70",
        "AP   =   11.40",
        "[PARAM]",
        "k " + " ".join(format_number(k) for k in f_numbers),
        "m " + " ".join(format_number(m) for m in magnifications),
    ]
    lines += ["y " + " ".join(format_number(y) for y in row) for row in rows]
    lines += [
        "WL   546 486 656",
        "GEW 1.0 0.5 0.5",
        "f " + " ".join(format_number(f) for f in frequencies),
        "[ABB]",
    ]
    lines += [distance_line(i + 1, m, focal_length, 1.2) for i, m in enumerate(magnifications)]
    for n, (k, row) in enumerate(zip(f_numbers, rows), start=1):
        for marker, tangential in (("SAGMOD", False), ("TANMOD", True)):
            lines.append("[%d/%s]" % (n, marker))
            for mi, m in enumerate(magnifications, start=1):
                # Each column holds the values measured at the height written
                # in that column of the row.
                for hi, y in enumerate(row, start=1):
                    values = [model_mtf(k, f, y, 21.6, m, tangential, f_numbers[0], sharpness=52.0)
                              for f in frequencies]
                    lines.append(modulation_line("m%dy%d" % (mi, hi), values))
    write("bildhoehe-je-blende.mtf", lines, "\r\n")


def reference_lens():
    # A slower lens of the same focal length to compare with the full-size
    # example: it starts at 1.8 and goes to 22, lacks the highest
    # frequencies but has 25 LP/mm, and its image circle ends at 20 mm.
    f_numbers = [1.8, 2.8, 4, 5.6, 8, 11, 16, 22]
    magnifications = [0, -0.05, -0.1, -0.2, -0.5]
    heights = [0, 5, 10, 15, 20]
    frequencies = [5, 10, 20, 25, 30, 40, 50]
    focal_length = 50.0
    lines = [
        "MTF-Daten",
        "X51200",
        "Lumivex-Projekt, erfundene Beispieldaten",
        "Vergleichsobjektiv zum Normalobjektiv",
        "Obj:Lumivex Kompakt 1.8/50 mm",
        "[GAUSS]",
        "f'   =   50.40",
        "s    =  -40.80",
        "s'   =   40.10",
        "HH'  =   -1.10",
        "EP   =   27.80",
        "AP   =   22.10",
        "[PARAM]",
        "k " + " ".join(format_number(k) for k in f_numbers),
        "m " + " ".join(format_number(m) for m in magnifications),
        "y " + " ".join(format_number(y) for y in heights),
        "WL   546 486 656",
        "GEW 1.0 0.5 0.5",
        "f " + " ".join(format_number(f) for f in frequencies),
        "[ABB]",
    ]
    lines += [distance_line(i + 1, m, focal_length, -1.1) for i, m in enumerate(magnifications)]
    lines += modulation_blocks(f_numbers, magnifications, heights, frequencies, 18.0, sharpness=40.0)
    write("vergleich-normal-1.8.mtf", lines, "\r\n")


def modulation_blocks(f_numbers, magnifications, heights, frequencies, largest_height, **model):
    """The sagittal and tangential blocks of every f-number, one line per magnification and height."""
    lines = []
    for n, k in enumerate(f_numbers, start=1):
        for marker, tangential in (("SAGMOD", False), ("TANMOD", True)):
            lines.append("[%d/%s]" % (n, marker))
            for mi, m in enumerate(magnifications, start=1):
                for hi, y in enumerate(heights, start=1):
                    values = [model_mtf(k, f, y, largest_height, m, tangential, f_numbers[0], **model)
                              for f in frequencies]
                    lines.append(modulation_line("m%dy%d" % (mi, hi), values))
    return lines


def main():
    EXAMPLES.mkdir(exist_ok=True)
    worked_example()
    full_size_lens()
    height_row_per_f_number()
    reference_lens()


if __name__ == "__main__":
    main()
