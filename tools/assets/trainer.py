"""The trainer: the closed case (AED), the opened case (aed2), its buttons, the low battery
sign and the program icon.

The case lies flat, seen from above. Closed, it takes the left half of the 500 x 400 frame; the
lid is hinged on its right edge and opens flat into the right half, so the two pictures swap
without the case moving. The device face (left half of aed2) leaves the display window, the
LEDs' lenses and the recesses of the buttons empty: the program draws the text, lights the LEDs
and lays the button pictures over them (see assets/pictures.h for every place)."""

import math

from svg import Svg, path, rect, circle, ellipse, line, text, group, smooth, num, darker, lighter

# The case and the face.
CASE = dict(base='#a9c83c', light='#c7df6a', shade='#8eab2c', deep='#6c8620', line='#4d6116')
FACE = dict(base='#2f3439', light='#3b4147', deep='#23272b', well='#1a1d20', line='#121416', ink='#e9edf0',
            label='#b4bcc3')

# Where things are on the face (aed2 pixels); mirrored in pictures.h.
DISPLAY = (24, 58, 170, 60)
POWER = (38, 140, 48, 48)
ANALYZE = (38, 226, 48, 48)
SHOCK = (152, 183, 48, 48)
LEDS = dict(power=(106, 164, 6), analyze=(106, 250, 6), shock=(176, 152, 6))
SOCKET = (30, 354)

BASE = (6, 8, 244, 384)     # the case's base (and the closed case)
LID = (250, 8, 244, 384)    # the opened lid


def centre(box):
    x, y, w, h = box
    return x + w / 2, y + h / 2


def heart_path(cx, cy, s):
    """A heart of width about 2 s centred on (cx, cy)."""
    return ('M{0},{1} C{2},{3} {4},{5} {6},{7} C{8},{9} {10},{11} {0},{12} '
            'C{13},{11} {14},{9} {15},{7} C{16},{5} {17},{3} {0},{1} Z').format(
        num(cx), num(cy - 0.45 * s),
        num(cx + 0.25 * s), num(cy - 1.05 * s), num(cx + 1.1 * s), num(cy - 1.0 * s), num(cx + 1.0 * s),
        num(cy - 0.25 * s),
        num(cx + 0.95 * s), num(cy + 0.25 * s), num(cx + 0.45 * s), num(cy + 0.6 * s), num(cy + 0.95 * s),
        num(cx - 0.45 * s), num(cx - 0.95 * s), num(cx - 1.0 * s), num(cx - 1.1 * s), num(cx - 0.25 * s))


def bolt_path(cx, cy, s):
    """A lightning bolt about 1.1 s wide and 2 s high centred on (cx, cy)."""
    pts = [(0.18, -1.0), (-0.5, 0.12), (-0.04, 0.12), (-0.22, 1.0), (0.52, -0.2), (0.06, -0.2), (0.3, -1.0)]
    return 'M' + ' L'.join('%s,%s' % (num(cx + x * s), num(cy + y * s)) for x, y in pts) + ' Z'


def ecg_path(x0, y0, w, h):
    """One beat of a heart rhythm trace across w, baseline y0, spike height h."""
    pts = [(0, 0), (0.22, 0), (0.28, -0.12), (0.34, 0), (0.42, 0), (0.47, 0.22), (0.53, -1.0), (0.6, 0.42),
           (0.65, 0), (0.74, 0), (0.82, -0.2), (0.9, 0), (1, 0)]
    return 'M' + ' L'.join('%s,%s' % (num(x0 + x * w), num(y0 + y * h)) for x, y in pts)


def logo(svg, cx, cy, r, on_light=False):
    """Our mark: a heart with a lightning bolt, in a disc."""
    svg.add(circle(cx, cy, r, fill='#ffffff' if not on_light else '#2f3439'))
    svg.add(path(heart_path(cx, cy + r * 0.08, r * 0.62), fill=svg.linear(cx, cy - r * 0.6, cx, cy + r * 0.6, [
        (0, '#ef5350'), (1, '#c62828')])))
    svg.add(path(bolt_path(cx + r * 0.02, cy + r * 0.05, r * 0.42), fill='#ffffff', stroke='#7f1d1d',
                 stroke_width=max(0.6, r * 0.03), stroke_linejoin='round'))


def case_body(svg, box, radius=26):
    x, y, w, h = box
    # Shadow on the floor.
    svg.add(rect(x + 4, y + 6, w, h, radius, fill='#000000', fill_opacity=0.18))
    svg.add(rect(x, y, w, h, radius, fill=svg.linear(x, y, x + w, y + h, [(0, CASE['light']), (0.5, CASE['base']),
                                                                          (1, CASE['shade'])]),
                 stroke=CASE['line'], stroke_width=1.4))
    # The moulded rim.
    svg.add(rect(x + 5, y + 5, w - 10, h - 10, radius - 5, fill='none', stroke='#ffffff', stroke_opacity=0.25,
                 stroke_width=1.2))
    svg.add(rect(x + 7, y + 7, w - 14, h - 14, radius - 7, fill='none', stroke=CASE['deep'], stroke_opacity=0.5,
                 stroke_width=1))


def draw_closed(out):
    svg = Svg(500, 400, 'Defibrio trainer, closed')
    x, y, w, h = BASE
    case_body(svg, BASE)
    # The lid's raised top.
    svg.add(rect(x + 16, y + 30, w - 32, h - 60, 18, fill=svg.linear(x, y + 30, x + w, y + h - 30, [
        (0, lighter(CASE['base'], 0.12)), (1, CASE['base'])]), stroke=CASE['deep'], stroke_width=1,
        stroke_opacity=0.6))
    svg.add(rect(x + 34, y + 32, w - 68, 1.6, 0.8, fill='#ffffff', fill_opacity=0.35))
    # The carrying handle along the top edge.
    svg.add(rect(x + 72, y - 2, 100, 22, 10, fill=CASE['deep'], stroke=CASE['line'], stroke_width=1))
    svg.add(rect(x + 84, y + 3, 76, 10, 5, fill='#2b3410', fill_opacity=0.85))
    # Hinges on the right edge, where the lid opens.
    for hy in (y + 60, y + h - 100):
        svg.add(rect(x + w - 8, hy, 12, 40, 4, fill='#5a5f64', stroke='#2f3336', stroke_width=1))
        svg.add(rect(x + w - 6, hy + 4, 3, 32, 1.5, fill='#ffffff', fill_opacity=0.25))
    # The pull tab on the left edge.
    ty = y + 262
    svg.add(rect(x - 4, ty - 34, 18, 68, 6, fill='#d8492f', stroke='#8e2a17', stroke_width=1))
    svg.add(path('M%s,%s l-6,8 l6,8' % (num(x + 9), num(ty - 8)), stroke='#ffffff', stroke_width=2.2,
                 stroke_linecap='round', stroke_linejoin='round'))
    svg.add(text(x + 7.5, ty + 24, 'PULL', 6.5, fill='#ffffff', font_weight='bold', text_anchor='middle',
                 transform='rotate(-90 %s %s)' % (num(x + 7.5), num(ty + 24))))
    # The window in the lid over the power button: the trainer is switched on through it, and
    # switching it on opens the lid.
    pcx, pcy = centre(POWER)
    svg.add(circle(pcx, pcy, 37, fill=CASE['deep'], fill_opacity=0.35))
    svg.add(circle(pcx, pcy, 35, fill=svg.linear(pcx, pcy - 35, pcx, pcy + 35, [(0, CASE['shade']),
                                                                              (1, lighter(CASE['base'], 0.2))]),
                   stroke=CASE['line'], stroke_width=1))
    svg.add(circle(pcx, pcy, 31.5, fill=FACE['base'], stroke='#15181a', stroke_width=1))
    ring_recess(svg, pcx, pcy, 29, accent='#3c9a52')
    svg.add(text(pcx + 44, pcy - 3, 'ON', 15, fill='#263014', font_weight='bold'))
    svg.add(text(pcx + 44, pcy + 13, 'press to start', 10.5, fill='#263014'))
    # Emblem and name.
    cx = x + w / 2
    ly = y + 78
    logo(svg, cx, ly, 32)
    svg.add(circle(cx, ly, 32, fill='none', stroke=CASE['line'], stroke_width=1.2, stroke_opacity=0.6))
    svg.add(text(cx, y + 244, 'Defibrio', 30, fill='#263014', font_weight='bold', text_anchor='middle'))
    svg.add(rect(cx - 62, y + 256, 124, 22, 11, fill='#263014'))
    svg.add(text(cx, y + 272, 'AED TRAINER', 13, fill=CASE['light'], font_weight='bold', text_anchor='middle',
                 letter_spacing='1'))
    svg.add(text(cx, y + 304, 'Training device', 11, fill='#263014', text_anchor='middle'))
    svg.add(text(cx, y + 319, 'delivers no shock', 11, fill='#263014', text_anchor='middle'))
    # Feet seen at the corners.
    for fx, fy in ((x + 30, y + h - 22), (x + w - 30, y + h - 22)):
        svg.add(rect(fx - 14, fy, 28, 6, 3, fill=CASE['deep'], fill_opacity=0.6))
    svg.save(out, 'AED')


def led_socket(svg, cx, cy, r, tint):
    svg.add(circle(cx, cy, r + 3.2, fill=FACE['well'], stroke='#000000', stroke_opacity=0.5, stroke_width=0.8))
    svg.add(circle(cx, cy, r + 1.6, fill='none', stroke='#8b949c', stroke_width=1.1))
    svg.add(circle(cx, cy, r, fill=svg.radial(cx - r * 0.3, cy - r * 0.3, r * 1.3, [(0, lighter(tint, 0.15)),
                                                                                     (1, darker(tint, 0.45))])))
    svg.add(ellipse(cx - r * 0.3, cy - r * 0.38, r * 0.4, r * 0.25, fill='#ffffff', fill_opacity=0.35))


def ring_recess(svg, cx, cy, r, accent=None):
    svg.add(circle(cx, cy, r + 1.2, fill=svg.linear(cx, cy - r, cx, cy + r, [(0, '#15181b'), (1, '#3f464c')])))
    svg.add(circle(cx, cy, r - 2.5, fill=FACE['well']))
    if accent:
        svg.add(circle(cx, cy, r - 0.6, fill='none', stroke=accent, stroke_width=1.6, stroke_opacity=0.9))


def square_recess(svg, cx, cy, half, accent=None):
    svg.add(rect(cx - half - 1, cy - half - 1, 2 * half + 2, 2 * half + 2, 12,
                 fill=svg.linear(cx, cy - half, cx, cy + half, [(0, '#15181b'), (1, '#3f464c')])))
    svg.add(rect(cx - half + 2.5, cy - half + 2.5, 2 * half - 5, 2 * half - 5, 10, fill=FACE['well']))
    if accent:
        svg.add(rect(cx - half + 0.4, cy - half + 0.4, 2 * half - 0.8, 2 * half - 0.8, 11, fill='none',
                     stroke=accent, stroke_width=1.6, stroke_opacity=0.9))


def label(svg, x, y, s, size=8.5, anchor='middle', colour=None, weight='bold'):
    svg.add(text(x, y, s, size, fill=colour or FACE['label'], font_weight=weight, text_anchor=anchor,
                 letter_spacing='0.6'))


def step(svg, x, y, n):
    svg.add(circle(x, y, 6.5, fill=CASE['base']))
    svg.add(text(x, y + 3.3, str(n), 9, fill='#1d2410', font_weight='bold', text_anchor='middle'))


def pad_diagram(svg, x, y, w, h):
    """The lid's picture: where the two pads go on a bare chest."""
    svg.add(rect(x, y, w, h, 12, fill='#eef1f2', stroke='#9aa3a8', stroke_width=1))
    cx = x + w / 2
    svg.add(text(cx, y + 24, 'PLACE PADS', 14, fill='#2f3439', font_weight='bold', text_anchor='middle',
                 letter_spacing='1'))
    svg.add(text(cx, y + 40, 'on the bare chest, as shown', 9.5, fill='#5a646b', text_anchor='middle'))
    # A torso outline.
    t = y + 84
    body = [(cx, t + 6), (cx + 16, t + 7), (cx + 24, t + 14), (cx + 52, t + 22), (cx + 66, t + 36),
            (cx + 66, t + 80), (cx + 60, t + 124), (cx + 58, t + 156), (cx - 58, t + 156), (cx - 60, t + 124),
            (cx - 66, t + 80), (cx - 66, t + 36), (cx - 52, t + 22), (cx - 24, t + 14), (cx - 16, t + 7)]
    svg.add(path(smooth(body), fill='#f8e1cf', stroke='#8c6a57', stroke_width=1.6))
    svg.add(ellipse(cx, t - 14, 20, 22, fill='#f8e1cf', stroke='#8c6a57', stroke_width=1.6))
    for s in (-1, 1):
        svg.add(path(smooth([(cx + s * 8, t + 28), (cx + s * 26, t + 25), (cx + s * 46, t + 28)], closed=False),
                     stroke='#b08b76', stroke_width=1.2))
        svg.add(circle(cx + s * 26, t + 66, 2.2, fill='#c0917c'))
    svg.add(line(cx, t + 30, cx, t + 96, stroke='#b08b76', stroke_width=1, stroke_dasharray='3,3'))
    # The white pad at the upper right chest (viewer's left), the red one low on the left side.
    wx, wy = cx - 40, t + 34
    svg.add(rect(wx, wy, 30, 34, 5, fill='#ffffff', stroke='#59626a', stroke_width=1.4,
                 transform='rotate(-8 %s %s)' % (num(wx + 15), num(wy + 17))))
    svg.add(circle(wx + 15, wy + 17, 6, fill='none', stroke='#59626a', stroke_width=2))
    rx, ry = cx + 30, t + 82
    svg.add(rect(rx, ry, 30, 34, 5, fill='#e8473c', stroke='#8e2119', stroke_width=1.4,
                 transform='rotate(14 %s %s)' % (num(rx + 15), num(ry + 17))))
    svg.add(path('M%s,%s l7,12 h-14 Z' % (num(rx + 15), num(ry + 10)), fill='#ffffff',
                 transform='rotate(14 %s %s)' % (num(rx + 15), num(ry + 17))))
    step(svg, wx - 12, wy - 4, 1)
    step(svg, rx + 42, ry + 2, 2)
    # The two rules of the panel.
    ty = t + 178
    svg.add(text(cx, ty, 'Peel each pad off its liner.', 9.5, fill='#2f3439', text_anchor='middle'))
    svg.add(text(cx, ty + 14, 'Do not touch the patient', 9.5, fill='#2f3439', text_anchor='middle'))
    svg.add(text(cx, ty + 28, 'while the trainer analyzes.', 9.5, fill='#2f3439', text_anchor='middle'))


def draw_open(out):
    svg = Svg(500, 400, 'Defibrio trainer, opened')
    bx, by, bw, bh = BASE
    lx, ly, lw, lh = LID
    # The lid, opened flat to the right: its inner side.
    case_body(svg, LID)
    svg.add(rect(lx + 12, ly + 12, lw - 24, lh - 24, 18, fill=darker(CASE['base'], 0.12), stroke=CASE['deep'],
                 stroke_width=1))
    pad_diagram(svg, lx + 26, ly + 28, lw - 52, lh - 80)
    # An elastic strap across the bottom of the lid.
    svg.add(rect(lx + 26, ly + lh - 40, lw - 52, 16, 5, fill='#2b2f33', stroke='#15181a', stroke_width=1))
    for i in range(12):
        sx = lx + 36 + i * (lw - 72) / 11.0
        svg.add(line(sx, ly + lh - 37, sx, ly + lh - 27, stroke='#4a5056', stroke_width=1))
    # The base, with the device face.
    case_body(svg, BASE)
    # Hinges along the fold.
    for hy in (by + 60, by + bh - 100):
        svg.add(rect(bx + bw - 8, hy, 16, 40, 4, fill='#5a5f64', stroke='#2f3336', stroke_width=1))
        svg.add(rect(bx + bw - 6, hy + 4, 3, 32, 1.5, fill='#ffffff', fill_opacity=0.25))
        svg.add(rect(bx + bw + 3, hy + 4, 3, 32, 1.5, fill='#000000', fill_opacity=0.2))
    fx, fy, fw, fh = bx + 10, by + 12, bw - 20, bh - 24
    svg.add(rect(fx, fy, fw, fh, 18, fill=svg.linear(fx, fy, fx, fy + fh, [(0, FACE['light']), (1, FACE['base'])]),
                 stroke=FACE['line'], stroke_width=1.2))
    svg.add(rect(fx + 2, fy + 2, fw - 4, fh - 4, 16, fill='none', stroke='#ffffff', stroke_opacity=0.08,
                 stroke_width=1))
    # Name plate.
    svg.add(text(fx + 14, fy + 27, 'Defibrio', 16, fill=FACE['ink'], font_weight='bold'))
    svg.add(rect(fx + fw - 66, fy + 13, 54, 17, 8.5, fill=CASE['base']))
    svg.add(text(fx + fw - 39, fy + 25.5, 'TRAINER', 9, fill='#1d2410', font_weight='bold', text_anchor='middle',
                 letter_spacing='0.8'))
    # Display: bezel, dark glass and a faint reflection.
    dx, dy, dw, dh = DISPLAY
    svg.add(rect(dx - 5, dy - 5, dw + 10, dh + 10, 9, fill='#15181a', stroke='#4a5157', stroke_width=1))
    svg.add(rect(dx, dy, dw, dh, 5, fill=svg.linear(dx, dy, dx, dy + dh, [(0, '#0d1a15'), (1, '#122019')])))
    svg.add(path('M%s,%s h%s l-40,%s h-%s Z' % (num(dx + 2), num(dy + 2), num(dw * 0.55), num(dh - 4),
                                                 num(dw * 0.55 - 40)),
                 fill='#ffffff', fill_opacity=0.035))
    # Speaker grille beside the display.
    for col in range(3):
        for row in range(7):
            svg.add(circle(206 + col * 9, dy + 4 + row * 8.6, 1.9, fill='#111315', stroke='#4a5157',
                           stroke_width=0.5))
    # Power: ring, LED, label.
    pcx, pcy = centre(POWER)
    ring_recess(svg, pcx, pcy, 30, accent='#3c9a52')
    # The power button itself is part of the opened face (POWERBUTTON2 is laid over it when the
    # battery has been replaced).
    inner = Svg(48, 48, '')
    inner.count = 500
    power_button(inner, False)
    svg.defs.extend(inner.defs)
    svg.add(group(inner.items, transform='translate(%s %s)' % (num(POWER[0]), num(POWER[1]))))
    step(svg, pcx - 26, pcy - 26, 1)
    label(svg, pcx, pcy + 42, 'ON/OFF')
    # Analyze: a rounded square recess.
    acx, acy = centre(ANALYZE)
    square_recess(svg, acx, acy, 29, accent='#d9a21b')
    # Beside the cover of the Analyze button, which lies over the recess, and below ON/OFF.
    step(svg, acx - 37, acy - 36, 3)
    label(svg, acx, acy + 42, 'ANALYZE')
    # Shock: a larger ring with a hazard rim.
    scx, scy = centre(SHOCK)
    svg.add(circle(scx, scy, 40, fill='none', stroke='#e0452e', stroke_width=3, stroke_dasharray='5.2,3.2',
                   stroke_opacity=0.9))
    ring_recess(svg, scx, scy, 34, accent='#e0452e')
    step(svg, scx - 31, scy - 31, 4)
    label(svg, scx, scy + 52, 'SHOCK')
    # The LEDs' lenses, unlit.
    for key, tint in (('power', '#2f5a38'), ('analyze', '#6a5a1e'), ('shock', '#6a2620')):
        lx_, ly_, r = LEDS[key]
        led_socket(svg, lx_, ly_, r, tint)
    # Pads socket on the lower left edge, with its plug way in.
    sx, sy = SOCKET
    svg.add(circle(sx, sy, 12.5, fill=svg.linear(sx, sy - 12, sx, sy + 12, [(0, '#121416'), (1, '#3f464c')])))
    svg.add(circle(sx, sy, 9.5, fill='#0b0c0d', stroke='#8b949c', stroke_width=1.2))
    for a in (-1, 1):
        svg.add(circle(sx + a * 3.6, sy - 1, 1.7, fill='#c9ad5a'))
    svg.add(rect(sx - 1.2, sy + 3, 2.4, 3, 0.8, fill='#8b949c'))
    step(svg, sx + 22, sy - 4, 2)
    label(svg, sx + 32, sy - 0.5, 'PADS', 8.5, anchor='start')
    label(svg, sx + 32, sy + 10, 'plug in here', 7, anchor='start', weight='normal')
    # The trainer's plate at the bottom right.
    px, py = 124, 304
    svg.add(rect(px, py, 104, 58, 6, fill='none', stroke='#4a5157', stroke_width=1))
    label(svg, px + 52, py + 16, 'AED TRAINER', 8, colour=FACE['ink'])
    label(svg, px + 52, py + 30, 'for training only', 7, weight='normal')
    label(svg, px + 52, py + 41, 'delivers no shock', 7, weight='normal')
    svg.add(path(ecg_path(px + 14, py + 51, 76, 6), stroke=CASE['base'], stroke_width=1.2,
                 stroke_linejoin='round', stroke_linecap='round'))
    svg.save(out, 'aed2')


# --- buttons -------------------------------------------------------------------------------------

def power_symbol(svg, cx, cy, r, colour, width):
    a0, a1 = math.radians(-58), math.radians(238)
    x0, y0 = cx + r * math.cos(a0), cy + r * math.sin(a0)
    x1, y1 = cx + r * math.cos(a1), cy + r * math.sin(a1)
    svg.add(path('M%s,%s A%s,%s 0 1 1 %s,%s' % (num(x0), num(y0), num(r), num(r), num(x1), num(y1)),
                 stroke=colour, stroke_width=width, stroke_linecap='round'))
    svg.add(line(cx, cy - r - 1.5, cx, cy - r * 0.15, stroke=colour, stroke_width=width, stroke_linecap='round'))


def power_button(svg, replaced):
    """The round power button in a 48 x 48 box at the origin."""
    c = 24
    svg.add(circle(c, c + 1, 23.2, fill='#000000', fill_opacity=0.35))
    svg.add(circle(c, c, 23, fill=svg.linear(0, 2, 0, 46, [(0, '#5b636a'), (1, '#1e2225')]), stroke='#0f1113',
                   stroke_width=0.8))
    svg.add(circle(c, c, 20.6, fill='none', stroke='#3fbf5f', stroke_width=1.6))
    svg.add(circle(c, c, 18.8, fill=svg.radial(c - 5, c - 7, 24, [(0, '#5e666d'), (0.6, '#3c4248'),
                                                                 (1, '#2a2f33')])))
    svg.add(ellipse(c - 3, c - 10, 10, 5, fill='#ffffff', fill_opacity=0.12))
    power_symbol(svg, c, c + 0.5, 8.6, '#e9f7ec', 3)
    if replaced:
        # A small mark under the symbol: a full battery with a tick.
        svg.add(rect(c - 5.5, c + 12, 10, 5.2, 1.2, fill='none', stroke='#7fe39a', stroke_width=1))
        svg.add(rect(c + 4.5, c + 13.4, 1.5, 2.4, 0.5, fill='#7fe39a'))
        svg.add(path('M%s,%s l1.6,1.6 l3,-3' % (num(c - 3.4), num(c + 14.6)), stroke='#7fe39a', stroke_width=1.1,
                     stroke_linecap='round', stroke_linejoin='round'))


def draw_power(out, replaced):
    svg = Svg(48, 48, 'Power button' + (', battery replaced' if replaced else ''))
    power_button(svg, replaced)
    svg.save(out, 'POWERBUTTON2' if replaced else 'PowerButton')


def draw_analyze(out):
    svg = Svg(48, 48, 'Analyze button')
    svg.add(rect(1.5, 2.5, 45, 45, 10, fill='#000000', fill_opacity=0.35))
    svg.add(rect(1, 1, 46, 46, 10, fill=svg.linear(0, 1, 0, 47, [(0, '#8a6a10'), (1, '#4a3806')]), stroke='#2e2303',
                 stroke_width=0.8))
    svg.add(rect(4, 4, 40, 40, 8, fill=svg.linear(0, 4, 0, 44, [(0, '#ffd54a'), (0.55, '#f5b400'), (1, '#d99400')])))
    svg.add(rect(6, 5.5, 36, 12, 6, fill='#ffffff', fill_opacity=0.22))
    # A heart with a rhythm trace through it.
    svg.add(path(heart_path(24, 22.5, 9.5), fill='none', stroke='#4a3300', stroke_width=1.6, stroke_opacity=0.55))
    svg.add(path(ecg_path(7, 25, 34, 13), stroke='#2b1d00', stroke_width=2.4, stroke_linejoin='round',
                 stroke_linecap='round'))
    svg.save(out, 'AnalyzeButton')


def draw_shock(out):
    svg = Svg(48, 48, 'Shock button')
    c = 24
    svg.add(circle(c, c + 1, 23.2, fill='#000000', fill_opacity=0.35))
    svg.add(circle(c, c, 23, fill=svg.linear(0, 1, 0, 47, [(0, '#8f2a1d'), (1, '#4a120b')]), stroke='#2a0905',
                   stroke_width=0.8))
    svg.add(circle(c, c, 20.2, fill=svg.radial(c - 5, c - 7, 25, [(0, '#ff8a5c'), (0.45, '#f4511e'),
                                                                 (1, '#c62a12')])))
    svg.add(ellipse(c - 3, c - 10.5, 11, 5.5, fill='#ffffff', fill_opacity=0.2))
    svg.add(path(bolt_path(c + 0.5, c + 0.5, 12.5), fill='#fff4d6', stroke='#6e1406', stroke_width=1.3,
                 stroke_linejoin='round'))
    svg.save(out, 'ShockButton')


def draw_low_battery(out):
    svg = Svg(24, 14, 'Low battery')
    # A dark edge round a light outline, so that it reads on the display and on a light face alike.
    svg.add(rect(1, 1.5, 19, 11, 2.2, fill='#101214', stroke='#101214', stroke_width=2.4))
    svg.add(rect(20, 4.5, 3, 5, 1, fill='#101214', stroke='#101214', stroke_width=1.6))
    svg.add(rect(1, 1.5, 19, 11, 2.2, fill='#101214', stroke='#e9edf0', stroke_width=1.3))
    svg.add(rect(20.4, 5, 2, 4, 0.7, fill='#e9edf0'))
    svg.add(rect(3, 3.5, 4.2, 7, 0.8, fill='#ff3b2f'))
    svg.save(out, 'LOWBATTERYINDICATOR')


def draw_icon(out):
    svg = Svg(256, 256, 'Defibrio')
    svg.add(rect(8, 10, 240, 240, 54, fill='#000000', fill_opacity=0.25))
    svg.add(rect(8, 6, 240, 240, 54, fill=svg.linear(0, 6, 0, 246, [(0, '#3a444d'), (1, '#1d2328')])))
    svg.add(rect(14, 12, 228, 228, 48, fill='none', stroke=CASE['base'], stroke_width=8))
    svg.add(path(heart_path(128, 134, 82), fill=svg.linear(0, 60, 0, 220, [(0, '#ff5a52'), (1, '#c4231d')])))
    svg.add(path(heart_path(128, 134, 82), fill='none', stroke='#7f1410', stroke_width=3, stroke_opacity=0.5))
    svg.add(ellipse(96, 92, 26, 14, fill='#ffffff', fill_opacity=0.2, transform='rotate(-30 96 92)'))
    svg.add(path(bolt_path(130, 134, 58), fill='#fff3c4', stroke='#5e0f0b', stroke_width=5,
                 stroke_linejoin='round'))
    svg.save(out, 'icon')


def draw_all(out):
    draw_closed(out)
    draw_open(out)
    draw_power(out, False)
    draw_power(out, True)
    draw_analyze(out)
    draw_shock(out)
    draw_low_battery(out)
    draw_icon(out)
