#!/usr/bin/env python3
"""Writes the small seed corpora of the fuzz harnesses from the sample chart and the delivered
data of a normal build: python3 fuzz/make_seeds.py BUILD_DIR. The seeds are kept in the
repository; run this again only when a format changes."""
import os
import struct
import sys

root = os.path.dirname(os.path.abspath(__file__))
app = os.path.join(sys.argv[1] if len(sys.argv) > 1 else "build", "app")


def put(harness, name, data):
    folder = os.path.join(root, "corpus", harness)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as out:
        out.write(data)


def read(path):
    with open(path, "rb") as f:
        return f.read()


def counted(text):
    data = text.encode("cp1251")
    return struct.pack("<i", len(data)) + data


def small_bitmap():
    # 2 x 2, 24 bits: 40-byte information header and two rows of 8 bytes.
    header = struct.pack("<IiiHHIIiiII", 40, 2, 2, 1, 24, 0, 16, 0, 0, 0, 0)
    return header + bytes([0, 0, 255, 255, 255, 255, 0, 0]) * 2


def embedded(packed):
    return b"BM" + struct.pack("<IHHI", len(packed) + 14, 0, 0, 14 + 40) + \
        struct.pack("<I", len(packed)) + packed


def aspect(i, picture):
    record = struct.pack("<Iiiddi", 0x102030 + i, i % 3, i % 5, 10.0 * i, 1.5, i % 2)
    record += counted("аспект %d" % i)
    record += (b"Ok" + embedded(small_bitmap())) if picture else b"No"
    return record + b"No"


def planet(n, picture):
    # A position the chart computation could have written: the sign and the degree in it
    # make up the longitude.
    longitude = 100.0 + n
    sign = int(longitude // 30) + 1
    degree = longitude - 30 * (sign - 1)
    record = struct.pack("<dddiiiiii", longitude, degree, 0.0, 0, 1, 1, 1, n, sign)
    record += counted("объект %d" % n) + counted("сфера %d" % n)
    record += (b"Ok" + embedded(small_bitmap())) if picture else b"No"
    return record + b"No"


put("map", "sample.map", read(os.path.join(root, "..", "data", "samples", "sample.map")))
put("aspects", "plain.asp", b"".join(aspect(i, False) for i in range(18)))
put("aspects", "pictures.asp", b"".join(aspect(i, i < 2) for i in range(18)))
put("planets", "bodies.trp", b"".join(planet(n, n == 1) for n in range(1, 17)))
put("planets", "all.rxp", b"".join(planet(n, False) for n in range(1, 29)))
put("orientation", "Default.rnd", read(os.path.join(app, "Default.rnd")))
put("orientation", "angle.rnd", b"0 2 30.000000 \0".ljust(100, b"\0"))
put("picture_file", "small.bmp", embedded(small_bitmap())[:14] + small_bitmap())
put("picture_file", "sign.bmp", read(os.path.join(app, "BMP_ZZ", "SET1", "1.bmp")))
put("picture_embedded", "ok", b"Ok" + embedded(small_bitmap()))
put("picture_embedded", "no", b"No")
places = read(os.path.join(app, "Place.PLB"))
count, at = 0, 4
while count < 6:
    (length,) = struct.unpack_from("<i", places, at)
    at += 4 + length + 16
    count += 1
put("places", "six.PLB", struct.pack("<i", 6) + places[4:at])
put("places", "empty.PLB", struct.pack("<i", 0))
put("timechange", "Timechg.tch", read(os.path.join(app, "Timechg.tch")))
put("ini", "ORVANTA.INI",
    "[Last]\r\nFont=Liberation Serif\r\nPlace=Москва\r\nHouse=Placidus\r\n; note\r\n"
    .encode("cp1251"))
texts = os.path.join(app, "TXT_OR")
short = sorted(n for n in os.listdir(texts) if n.lower().startswith("short"))[0]
put("keyed_text", "short.txt", read(os.path.join(texts, short))[:3000])
asp = sorted(n for n in os.listdir(texts) if n.lower().startswith("asp"))[0]
put("keyed_text", "asp.txt", read(os.path.join(texts, asp))[:3000])
put("cli", "chart", b"\0".join([b"chart", b"--date", b"12.04.1961", b"--time", b"09:07",
                                 b"--zone", b"3", b"--lat", b"55.75", b"--lon", b"37.6",
                                 b"--json"]))
put("cli", "show", b"show\0sample.map")
put("cli", "timechange", b"timechange\0001.06.1991\00012")
put("cli", "places", b"places\0" + "Москва".encode())


def note(moment, body, radix, aspect_index, text):
    data = text.encode("cp1251")
    return struct.pack("<dddddiiiii", moment, 120.0, 0.8, 45.5, 30.0, body, radix,
                       aspect_index, 0, len(data)) + data


put("notebook", "two.NTF", struct.pack("<i", 2) +
    note(1200000.25, 3, 1, 4, "Разговор с начальником.\r\nВсё обошлось.") +
    note(1100000.5, 10, 12, 0, ""))
put("notebook", "empty.NTF", struct.pack("<i", 0))
