#!/usr/bin/env python3
"""Writes the launcher artwork, the icon, the HTML page and the dialog
initialisation data into res/. Deterministic: the same bytes on every run.
The build uses the committed output and does not run this script."""
import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))


def png_bytes(width, height, pixels):
    """pixels: function (x, y) -> (r, g, b, a), 8 bits each."""
    rows = bytearray()
    for y in range(height):
        rows.append(0)
        for x in range(width):
            rows.extend(pixels(x, y))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(bytes(rows), 9)) + chunk(b"IEND", b""))


def clamp(v):
    return max(0, min(255, int(round(v))))


# Launcher background, 1278 x 708: an opaque frame with soft flourishes.
BG_W, BG_H = 1278, 708
FRAME = (92, 92, 1186, 620)      # opaque area: left, top, right, bottom
GLOW = 45                         # width of the partly transparent band
BROWSER = (445, 147, 445 + 717, 147 + 447)


def frame_distance(x, y):
    """Distance outside the opaque frame (0 inside)."""
    l, t, r, b = FRAME
    dx = max(l - x, 0, x - (r - 1))
    dy = max(t - y, 0, y - (b - 1))
    return math.hypot(dx, dy)


def background_pixel(x, y):
    d = frame_distance(x, y)
    if d == 0:
        l, t, r, b = FRAME
        edge = min(x - l, r - 1 - x, y - t, b - 1 - y)
        bl, bt, br, bb = BROWSER
        if bl - 8 <= x < br + 8 and bt - 8 <= y < bb + 8:
            return (24, 18, 14, 255)                       # dark well under the browser
        if edge < 6:
            return (200, 160, 90, 255)                     # gilded rim
        shade = 0.5 + 0.5 * math.sin(x * 0.045) * math.cos(y * 0.06)
        return (clamp(70 + 40 * shade), clamp(44 + 26 * shade), clamp(30 + 12 * shade), 255)
    # Flourishes: a glow that fades outwards, rippled along the rim.
    ripple = 0.75 + 0.25 * math.sin((x + y) * 0.08)
    reach = GLOW * ripple
    if d >= reach:
        return (0, 0, 0, 0)
    alpha = 255 * (1 - d / reach) ** 1.5
    return (230, 190, 110, clamp(max(alpha, 1)))


def cross_pixel(x, y):
    cx = cy = 13.5
    u, v = x - cx, y - cy
    dist = min(abs(u - v), abs(u + v)) / math.sqrt(2)
    if max(abs(u), abs(v)) > 9.5:
        return (0, 0, 0, 0)
    return (235, 215, 170, clamp(255 * max(0.0, min(1.0, 2.2 - dist))))


def bar_pixel(x, y):
    if 5 <= x <= 22 and 17 <= y <= 20:
        return (235, 215, 170, 255)
    return (0, 0, 0, 0)


def icon_pixel(x, y):
    d = math.hypot(x - 23.5, y - 23.5)
    if d > 22:
        return (0, 0, 0, 0)
    inner = d < 15
    return (90, 40, 20, 255) if inner else (210, 170, 80, clamp(255 * min(1.0, 22 - d)))


def icon_bytes(size, pixels):
    """A one-image .ico holding a 32-bit BGRA DIB with an all-clear AND mask."""
    xor = bytearray()
    for y in range(size - 1, -1, -1):
        for x in range(size):
            r, g, b, a = pixels(x, y)
            xor.extend((b, g, r, a))
    mask_row = ((size + 31) // 32) * 4
    mask = bytes(mask_row * size)
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = info + bytes(xor) + mask
    header = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), 6 + 16)
    return header + entry + image


def html_page():
    lines = [
        "<HTML>",
        '<META http-equiv="Content-Type" content="text/html; charset=gb2312">',
        "<BODY ID=CKwGameDlg BGCOLOR=BLACK>",
        "",
        "<TABLE WIDTH=100% BORDER=0>",
        "<TR><TD ALIGN=\"RIGHT\"></TD></TR>",
        "<TR WIDTH=100% HEIGHT=75></TR>",
        "</TABLE>",
        "",
        "</BODY></HTML>",
    ]
    text = "\r\n".join(lines).encode("ascii")
    assert len(text) == 237, len(text)
    return text


def button_settings(full_text_tool):
    values = [
        ("MFCButton_Style", "6"),
        ("MFCButton_Autosize", "FALSE"),
        ("MFCButton_Tooltip", ""),
        ("MFCButton_FullTextTool", "TRUE" if full_text_tool else "FALSE"),
        ("MFCButton_CursorType", "12"),
        ("MFCButton_ImageType", "10"),
        ("MFCButton_ImageOnTop", "FALSE"),
        ("MFCButton_ImageOnRight", "FALSE"),
    ]
    return "".join("<%s>%s</%s>" % (tag, value, tag) for tag, value in values).encode("ascii")


def browser_state():
    """Persisted initial state of the browser control: 160 bytes."""
    state = struct.pack("<IIII", 0, 0x4C, 0x4A1A, 0x2E3A)   # header and extent in HIMETRIC
    state += bytes(160 - len(state))
    return state


def dlginit_103():
    records = [(1005, 0x0376, browser_state()),
               (1004, 0x037C, button_settings(False)),
               (1012, 0x037C, button_settings(True))]
    data = bytearray()
    for control, message, payload in records:
        data += struct.pack("<HHI", control, message, len(payload)) + payload
    data += struct.pack("<H", 0)
    assert len(button_settings(False)) == 371 and len(button_settings(True)) == 370
    return bytes(data)


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as out:
        out.write(data)


def main():
    write("launcher_background.png", png_bytes(BG_W, BG_H, background_pixel))
    cross = png_bytes(28, 28, cross_pixel)
    bar = png_bytes(28, 28, bar_pixel)
    write("close_normal.png", cross)
    write("close_hot.png", cross)
    write("minimize_normal.png", bar)
    write("minimize_hot.png", bar)
    write("Veyrath.ico", icon_bytes(48, icon_pixel))
    write("game_page.htm", html_page())
    write("launcher_panel.dlginit", dlginit_103())


if __name__ == "__main__":
    main()
