#!/usr/bin/env python3
"""Writes the example project examples/demo/: pictures drawn here pixel by
pixel, a short WAV effect and demo.VKP (Windows-1250, CR LF).

Everything comes from this script (python3's own zlib, struct, math and
wave), so the folder can be rebuilt at any time:  python3 examples/make_demo.py
"""
import math
import os
import struct
import wave
import zlib

HERE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "demo")


def png(path, width, height, pixel, alpha):
    """pixel(x, y) -> (r, g, b, a); colour type 6 with alpha, else 2."""
    channels = 4 if alpha else 3
    rows = bytearray()
    for y in range(height):
        rows.append(0)  # filter: none
        for x in range(width):
            p = pixel(x, y)
            rows.extend(bytes(p[:channels]))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", width, height, 8, 6 if alpha else 2, 0, 0, 0)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", header))
        f.write(chunk(b"IDAT", zlib.compress(bytes(rows), 9)))
        f.write(chunk(b"IEND", b""))


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def disc(radius, inner, outer, edge=1.5):
    """Soft-edged disc coloured from inner (centre) to outer (rim)."""
    def pixel(x, y):
        d = math.hypot(x + 0.5 - radius, y + 0.5 - radius)
        a = max(0.0, min(1.0, (radius - d) / edge))
        return mix(inner, outer, min(1.0, d / radius)) + (int(a * 255),)
    return pixel


def background(x, y):
    if y < 560:  # sky, lighter towards the horizon
        return mix((70, 130, 210), (190, 225, 250), y / 560) + (255,)
    stripe = 8 if (x // 64 + y // 32) % 2 else 0
    g = mix((90, 170, 70), (50, 120, 40), (y - 560) / 208)
    return (g[0] + stripe, g[1] + stripe, g[2]) + (255,)


def cloud(x, y):
    blobs = [(40, 40, 30), (75, 30, 34), (110, 42, 28), (75, 50, 28)]
    a = 0.0
    for cx, cy, r in blobs:
        a = max(a, min(1.0, (r - math.hypot(x - cx, y - cy)) / 3))
    return (250, 250, 255, int(max(0.0, a) * 235))


def car(x, y):
    # A body with a cabin; transparent around it.
    body = 30 <= y < 70
    cabin = 5 <= y < 30 and 40 <= x < 130 - (30 - y)
    if not (body or cabin):
        return (0, 0, 0, 0)
    if cabin and 10 <= y < 28 and 48 <= x < 120 - (30 - y) and (x - 48) % 40 < 34:
        return (180, 220, 255, 255)  # windows
    return (200, 40, 40, 255) if y < 60 else (150, 25, 25, 255)


def wheel(x, y):
    r = 20
    d = math.hypot(x + 0.5 - r, y + 0.5 - r)
    if d > r:
        return (0, 0, 0, 0)
    if d < 5:
        return (200, 200, 200, 255)
    ang = math.atan2(y + 0.5 - r, x + 0.5 - r)
    spoke = abs(math.sin(ang * 3)) < 0.25 and d < 14
    return (200, 200, 200, 255) if spoke else (30, 30, 30, 255)


def star(colour):
    def pixel(x, y):
        cx = cy = 32
        ang = math.atan2(y + 0.5 - cy, x + 0.5 - cx)
        d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
        reach = 14 + 16 * abs(math.cos(2.5 * (ang + math.pi / 2)))
        return colour + ((255,) if d < reach else (0,))
    return pixel


def boing(path):
    rate, seconds = 22050, 0.35
    n = int(rate * seconds)
    frames = bytearray()
    phase = 0.0
    for i in range(n):
        t = i / rate
        phase += 2 * math.pi * (660 - 900 * t) / rate
        v = math.sin(phase) * math.exp(-7 * t)
        frames += struct.pack("<h", int(v * 20000))
    with wave.open(path, "wb") as w:  # canonical 44-byte PCM header
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(rate)
        w.writeframes(bytes(frames))


# ---- the project ---------------------------------------------------------

FILES = ["background.png", "sun.png", "cloud.png", "car.png", "wheel.png", "ball.png",
         "star.png", "star2.png", "boing.wav"]
GROUPS = ["Autó"]

def layer(name, file, left, top, w, h, parent="", group=0, origo=(0, 0), play=1, tracks=None, colour="FFFFFF"):
    return dict(name=name, file=file, left=left, top=top, w=w, h=h, parent=parent, group=group,
                origo=origo, play=play, tracks=tracks or {}, colour=colour)

EASE_IN_OUT = "Ease(d=3e=52f=0g=0h=-2i=3j=0)"  # in/out on Left and Top: smoothstep

LAYERS = [
    layer("background", "background.png", 0, 0, 1024, 768, play=0),
    layer("sun", "sun.png", 820, 60, 128, 128, origo=(64, 64), tracks={
        3: [(4, "90", "2"), (4, "0", "2")],                       # Rotate there and back
        1: [(6, "1"), (13, "150", "1"), (13, "255", "1")],        # Wait, FadeTo twice
    }),
    layer("cloud", "cloud.png", -150, 90, 150, 80, tracks={
        1: [(1, "300", "110", EASE_IN_OUT), (2, "150", "-20", "1"), (6, "0,5"),
            (2, "-100", "20", "1"), (16, "1", "2")],                  # MoveTo with ease, RelativeMoveTo, Loop
    }),
    layer("car", "car.png", 60, 520, 160, 70, group=1, colour="FF8080", tracks={
        1: [(17, "10"), (1, "700", "520", "4"), (17, "0")],             # Accelerate, MoveTo
    }),
    layer("wheel1", "wheel.png", 85, 570, 40, 40, parent="car", group=1, origo=(20, 20), tracks={
        1: [(17, "10"), (1, "725", "570", "4"), (17, "0")],
        3: [(4, "720", "4")],
    }),
    layer("wheel2", "wheel.png", 155, 570, 40, 40, parent="car", group=1, origo=(20, 20), tracks={
        1: [(17, "10"), (1, "795", "570", "4"), (17, "0")],
        3: [(4, "720", "4")],
    }),
    layer("ball", "ball.png", 460, 380, 96, 96, origo=(48, 48), tracks={
        1: [(3, "128", "128", "0,5"), (3, "96", "96", "0,5"), (15, "boing.wav")],   # ReSize, PlaySfx
        4: [(15, "boing.wav"), (3, "160", "160", "0,3"), (3, "96", "96", "0,3"),    # Touch1
            (11, "star", "0"), (14,)],                                                # StartOther, ReSet
    }),
    layer("star", "star.png", 300, 250, 64, 64, origo=(32, 32), tracks={
        1: [(9, "star"), (6, "0,5"), (8, "star"), (10, "1"), (6, "0,5"), (5, "star2.png"),
            (6, "0,5"), (10, "0"), (5, "star.png")],                 # Hide, Show, Flip, ChgImage
        3: [(18, "x=300y=250w=64h=64a=0f=255", "0,5"), (18, "x=360y=220w=96h=96a=45f=200", "1"),
            (18, "x=300y=250w=64h=64a=0", "1")],                      # KeyFrame poses
    }),
]
LINES = ["V600", "F512"]


def vkp_text():
    out = ["[Project]", "Resolution=1", "BackgroundColor=FFFFFF", "SelectColor=FFFFFF", "Lock=0", "[Files]"]
    out += ["Name%d=%s" % (i + 1, f) for i, f in enumerate(FILES)]
    out += ["[Groups]"] + ["Name%d=%s" % (i + 1, g) for i, g in enumerate(GROUPS)]
    out.append("-------")
    for n, l in enumerate(LAYERS, 1):
        out += ["[Image%d]" % n, "Name=" + l["name"], "FileName=" + l["file"]]
        w, h = l["w"], l["h"]
        values = [l["top"], l["left"], w, h, 255, 0, l["origo"][0], l["origo"][1], 0, 0, w, h]
        keys = ["Top", "Left", "Width", "Height", "Alpha", "Angle", "OrigoX", "OrigoY",
                "TouchTop", "TouchLeft", "TouchWidth", "TouchHeight"]
        out += ["%s=%d" % kv for kv in zip(keys, values)]
        out += ["Parent=" + l["parent"], "Visible=1", "PlayAnim=%d" % l["play"], "Group=%d" % l["group"],
                "ItemColor=" + l["colour"]]
        for t in range(1, 13):
            for c, cmd in enumerate(l["tracks"].get(t, []), 1):
                params = list(cmd[1:]) + [""] * (3 - len(cmd[1:]))
                out += ["[Image%d_Command%d_%d]" % (n, t, c), "Command=%d" % cmd[0],
                        "sParam1=" + params[0], "sParam2=" + params[1], "sParam3=" + params[2],
                        "OX=512", "OY=384"]
    out += ["[Lines]"] + ["Pos%d=%s" % (i + 1, v) for i, v in enumerate(LINES)]
    return "".join(line + "\r\n" for line in out)


def main():
    os.makedirs(HERE, exist_ok=True)
    png(os.path.join(HERE, "background.png"), 1024, 768, background, alpha=False)
    png(os.path.join(HERE, "sun.png"), 128, 128, disc(64, (255, 250, 180), (255, 190, 40)), alpha=True)
    png(os.path.join(HERE, "cloud.png"), 150, 80, cloud, alpha=True)
    png(os.path.join(HERE, "car.png"), 160, 70, car, alpha=True)
    png(os.path.join(HERE, "wheel.png"), 40, 40, wheel, alpha=True)
    png(os.path.join(HERE, "ball.png"), 96, 96, disc(48, (120, 160, 255), (20, 40, 200)), alpha=True)
    png(os.path.join(HERE, "star.png"), 64, 64, star((255, 215, 0)), alpha=True)
    png(os.path.join(HERE, "star2.png"), 64, 64, star((255, 90, 160)), alpha=True)
    boing(os.path.join(HERE, "boing.wav"))
    with open(os.path.join(HERE, "demo.VKP"), "wb") as f:
        f.write(vkp_text().encode("cp1250"))


if __name__ == "__main__":
    main()
