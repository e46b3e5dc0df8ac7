"""The four patients: lying on the back, seen from above, head at the top, the patient's right
side on the viewer's left. One frame of 180 x 440 for all; the landmarks (mouth, neck, sternum,
shoulders, upper arm, pad places) sit where the main window's layout expects them."""

import math

from svg import Svg, path, ellipse, circle, smooth, mirror, clockwise, translate, darker, lighter, num

W, H = 180, 440
FADE_FROM, FADE_TO = 384, 438   # the legs fade out towards the bottom of the frame

SKINS = {
    'light': dict(base='#f1cbad', shade='#e0ae8e', deep='#c98f6e', line='#a46b50', lip='#c77f72', blush='#e8a58e'),
    'medium': dict(base='#d6a07b', shade='#c58964', deep='#ad714f', line='#80503a', lip='#a9675a', blush='#cc8a6c'),
    'deep': dict(base='#91603f', shade='#7f5034', deep='#683f28', line='#4a2a1a', lip='#6f3d31', blush='#8a5038'),
    'child': dict(base='#f3cfb2', shade='#e6b394', deep='#d09877', line='#a97055', lip='#d98a80', blush='#f0a89a'),
}

CLOTH = {
    'jeans': dict(base='#4a5d75', shade='#3a4a5e', deep='#2c394a', line='#222c39', seam='#8a98aa'),
    'chino': dict(base='#6b6f78', shade='#595d66', deep='#474a52', line='#34373d', seam='#9ea2aa'),
    'navy': dict(base='#3d4a63', shade='#313c51', deep='#252e40', line='#1b2230', seam='#7f8aa0'),
    'kid': dict(base='#557a8c', shade='#466676', deep='#38525f', line='#2a3d47', seam='#9bb6c2'),
}

# --- the bodies ---------------------------------------------------------------------------------
# torso: (y, half width) from the neck down to under the waistband; arm: (y, outer x, inner x) for
# the patient's right arm (viewer's left) from the shoulder to the wrist, mirrored for the other.

BODIES = {
    'Patient1': dict(
        title='Patient 1: adult man, broad build',
        skin='medium', cloth='jeans', hair='short', hair_colour='#35271f',
        cx=90, head=dict(cx=91, top=2, chin=54, hw=22, eye=26.5, mouth=43),
        neck=dict(hw=16, top=44),
        torso=[(58, 16.5), (62, 21), (64.5, 32), (67.5, 45), (70.5, 55), (74, 59.5), (86, 60.5), (100, 59.5),
               (122, 61.5), (150, 63), (176, 63), (198, 61), (218, 57.5), (240, 56)],
        arm=[(70, 31, 45), (74, 20, 43), (81, 12, 40.5), (100, 5.8, 33), (128, 5, 31.5), (160, 5.5, 31), (190, 6.5, 30),
             (214, 7.5, 31), (244, 9.5, 31.5), (274, 12, 30.5)],
        hand=dict(len=50, w=20),
        trousers=dict(top=234, hips=[(234, 56.5), (262, 58.5), (292, 59.5)], crotch=312,
                      legs=[(320, 59), (360, 56.5), (400, 53.5), (440, 51)]),
        chest=dict(clav=70, nipple=(28, 121), pec=125, xiphoid=163, navel=216, hair=False),
    ),
    'Patient2': dict(
        title='Patient 2: adult man',
        skin='light', cloth='chino', hair='side', hair_colour='#7b5a3c',
        cx=90, head=dict(cx=91, top=4, chin=56, hw=21, eye=28.5, mouth=45),
        neck=dict(hw=14.5, top=46),
        torso=[(60, 15), (64, 19.5), (66.5, 29), (69.5, 41), (72.5, 51), (76, 55.5), (88, 56.5), (102, 56),
               (124, 57), (150, 58), (176, 58), (200, 56), (220, 52.5), (242, 51.5)],
        arm=[(73, 34, 47), (77, 24, 45), (84, 16.5, 42), (103, 10.7, 36), (130, 10, 35), (160, 10.5, 34.5),
             (190, 11.5, 33.5), (216, 12.5, 34), (246, 14, 34), (276, 16, 33)],
        hand=dict(len=46, w=18.5),
        trousers=dict(top=236, hips=[(236, 51.5), (262, 54), (292, 55)], crotch=314,
                      legs=[(322, 54.5), (360, 52), (400, 49.5), (440, 47.5)]),
        chest=dict(clav=73, nipple=(26, 124), pec=126, xiphoid=164, navel=218, hair=False),
    ),
    'Patient3': dict(
        title='Patient 3: adult woman',
        skin='deep', cloth='navy', hair='long', hair_colour='#1f1714',
        cx=90, head=dict(cx=91, top=5, chin=56, hw=19.5, eye=29, mouth=45),
        neck=dict(hw=12, top=46),
        torso=[(60, 12.5), (64, 17), (67, 27), (70, 39), (73, 49), (77, 53.5), (90, 54.5), (104, 54),
               (124, 55), (150, 57), (174, 55.5), (196, 51.5), (214, 47.5), (232, 49.5), (244, 52)],
        arm=[(74, 35, 47), (78, 26, 45), (85, 19, 42.5), (105, 13.7, 38), (130, 13, 37), (160, 13.5, 36.5),
             (190, 14.5, 35.5), (216, 15.5, 36), (246, 17, 35.5), (274, 18.5, 34.5)],
        hand=dict(len=42, w=16.5),
        trousers=dict(top=236, hips=[(236, 51), (262, 58), (292, 60)], crotch=316,
                      legs=[(324, 59.5), (360, 55.5), (400, 51.5), (440, 48)]),
        chest=dict(clav=73, nipple=None, pec=None, xiphoid=166, navel=218, hair=False, top=(114, 151)),
    ),
    'Patient4': dict(
        title='Patient 4: child',
        skin='child', cloth='kid', hair='child', hair_colour='#6a4a2e',
        cx=90, head=dict(cx=90, top=13, chin=74, hw=25, eye=45, mouth=64.5),
        neck=dict(hw=12.5, top=66),
        torso=[(79, 13), (83, 16.5), (86, 24), (90, 33.5), (94, 41), (99, 46), (106, 46.5), (116, 45.5),
               (136, 45.5), (160, 47), (184, 48), (200, 47), (214, 46.5)],
        arm=[(92, 43, 53), (95, 37.5, 52), (100, 33.5, 51), (110, 31, 50), (126, 30.5, 49), (150, 30.5, 48.5), (174, 31.5, 48),
             (198, 32.5, 48.5), (222, 34, 48.5), (246, 35.5, 48)],
        hand=dict(len=36, w=14.5),
        trousers=dict(top=210, hips=[(210, 46.5), (232, 48), (252, 48.5)], crotch=268,
                      legs=[(278, 48), (320, 45.5), (370, 42), (440, 38)]),
        chest=dict(clav=89, nipple=(20, 131), pec=None, xiphoid=171, navel=200, hair=False),
    ),
}


def torso_points(b):
    """The neck and the trunk in one outline, down to under the waistband."""
    cx = b['cx']
    n = b['neck']
    rows = [(n['top'], n['hw'])] + b['torso']
    right = [(cx + hw, y) for y, hw in rows]
    right[-1] = right[-1] + ('c',)
    left = [(cx - hw, y) for y, hw in reversed(rows)]
    left[0] = left[0] + ('c',)
    return right + left


def arm_points(b, side):
    """The arm from the shoulder to the wrist; side -1 is the viewer's left, +1 the right."""
    rows = b['arm']
    outer = [(x_o, y) for y, x_o, x_i in rows]
    inner = [(x_i, y) for y, x_o, x_i in reversed(rows)]
    top = rows[0]
    cap = [((top[1] + top[2]) / 2 + 2, top[0] - 3)]
    pts = cap + outer + inner
    if side > 0:
        pts = mirror(pts, b['cx'])
    return pts


def hand_points(b, side):
    """A relaxed hand, palm down, the fingers together and a little curled, the thumb towards
    the thigh."""
    y, xo, xi = b['arm'][-1]
    w, L = b['hand']['w'], b['hand']['len']
    k = w / 20.0
    d = 1 if xi > xo else -1   # towards the body
    X = lambda f: xo + d * f * k
    pts = [
        (xo + d * 0.5, y - 3), (X(-0.9), y + 0.22 * L), (X(-0.8), y + 0.5 * L), (X(-0.2), y + 0.66 * L),
        (X(1.6), y + 0.8 * L), (X(3.6), y + 0.8 * L), (X(4.6), y + 0.76 * L, 'c'),
        (X(5.6), y + 0.88 * L), (X(7.6), y + 0.92 * L), (X(8.8), y + 0.86 * L, 'c'),
        (X(10), y + 0.96 * L), (X(12), y + 1.0 * L), (X(13.4), y + 0.92 * L, 'c'),
        (X(14.4), y + 0.94 * L), (X(16.6), y + 0.9 * L), (X(18.6), y + 0.8 * L), (X(19.6), y + 0.64 * L),
        (xi - d * 0.2, y + 0.32 * L), (xi - d * 0.5, y + 6 * k), (xi - d * 0.5, y - 3),
    ]
    if side > 0:
        pts = mirror(pts, b['cx'])
    return pts


def thumb_points(b, side):
    y, xo, xi = b['arm'][-1]
    w, L = b['hand']['w'], b['hand']['len']
    k = w / 20.0
    d = 1 if xi > xo else -1
    pts = [(xi - d * 2.5 * k, y + 0.22 * L), (xi + d * 1.6 * k, y + 0.3 * L), (xi + d * 2.6 * k, y + 0.46 * L),
           (xi + d * 1.6 * k, y + 0.64 * L), (xi - d * 0.6 * k, y + 0.7 * L), (xi - d * 2.2 * k, y + 0.56 * L)]
    if side > 0:
        pts = mirror(pts, b['cx'])
    return pts


def trouser_points(b):
    t = b['trousers']
    cx = b['cx']
    right = [(cx + hw, y) for y, hw in t['hips']] + [(cx + hw, y) for y, hw in t['legs']]
    right[0] = right[0] + ('c',)
    right[-1] = right[-1] + ('c',)
    gap = 1.2
    inner = [(cx + gap + 0.6, 440, 'c'), (cx + gap + 0.3, 400), (cx + gap, t['crotch'] + 20), (cx, t['crotch'], 'c')]
    left = mirror(right, cx)
    inner_left = mirror(inner, cx)
    return right + inner + inner_left + left


def head_points(h):
    cx, top, chin, hw = h['cx'], h['top'], h['chin'], h['hw']
    L = chin - top
    right = [(cx, top), (cx + hw * 0.62, top + L * 0.06), (cx + hw * 0.95, top + L * 0.24),
             (cx + hw, top + L * 0.42), (cx + hw * 0.93, top + L * 0.62), (cx + hw * 0.76, top + L * 0.8),
             (cx + hw * 0.45, top + L * 0.95)]
    left = mirror(right[1:], cx)
    return right + [(cx, chin)] + left


def shaded(svg, x0, x1, c, y=None):
    """A horizontal gradient that rounds a limb or the torso: darker at both edges."""
    stops = [(0, c['deep']), (0.1, c['shade']), (0.32, c['base']), (0.62, c['base']), (0.86, c['shade']),
             (1, c['deep'])]
    return svg.linear(x0, 0, x1, 0, stops)


def draw_shadow(svg, b, shapes):
    d = ' '.join(smooth(clockwise(translate(s, 2.5, 3.5))) for s in shapes)
    fill = svg.linear(0, FADE_FROM - 20, 0, FADE_TO, [(0, '#000000', 0.16), (1, '#000000', 0)])
    svg.add(path(d, fill=fill))


def draw_arm(svg, b, side, c):
    pts = arm_points(b, side)
    svg.add(path(smooth(pts), fill=c['base']))
    rows = b['arm']
    X = (lambda x: x) if side < 0 else (lambda x: 2 * b['cx'] - x)
    outer = [(y, X(xo)) for y, xo, xi in rows]
    inner = [(y, X(xi)) for y, xo, xi in rows]
    y0, y1 = rows[1][0], rows[-1][0] + 2
    d = -side   # from the outer edge inwards
    edge_band(svg, lambda y: interp(outer, y), d * 11, y0, y1, c['deep'], 0.7, fade_in=10)
    armpit = rows[3][0]
    edge_band(svg, lambda y: interp(inner, y), -d * 8, armpit - 6, y1, c['deep'], 0.6, fade_in=22)
    svg.add(path(smooth(pts), stroke=c['line'], stroke_width=0.9, stroke_opacity=0.75))
    # The inner side of the elbow and the forearm muscle.
    rows = b['arm']
    mid = rows[len(rows) // 2 + 1]
    ex = (mid[1] + mid[2]) / 2
    crease = [(ex - 3, mid[0] - 2), (ex, mid[0] + 1), (ex + 3.5, mid[0] - 1)]
    if side > 0:
        crease = mirror(crease, b['cx'])
    svg.add(path(smooth(crease, closed=False), stroke=c['deep'], stroke_width=0.8, stroke_opacity=0.5,
                 stroke_linecap='round'))
    # Deltoid: a soft highlight on the shoulder.
    top = rows[1]
    hx = top[1] + (top[2] - top[1]) * 0.45
    if side > 0:
        hx = 2 * b['cx'] - hx
    svg.add(ellipse(hx, top[0] + 12, 6, 11, fill='#ffffff', fill_opacity=0.09))


def draw_hand(svg, b, side, c):
    pts = hand_points(b, side)
    xs = [p[0] for p in pts]
    svg.add(path(smooth(pts), fill=shaded(svg, min(xs), max(xs), c), stroke=c['line'], stroke_width=0.9,
                 stroke_opacity=0.8))
    y, xo, xi = b['arm'][-1]
    L, w = b['hand']['len'], b['hand']['w']
    k = w / 20.0
    d = 1 if xi > xo else -1
    # The gaps between the fingers, and the knuckles.
    lines = []
    for f, depth in ((4.6, 0.76), (8.8, 0.86), (13.4, 0.92)):
        fx = xo + d * f * k
        lines.append([(fx + d * 0.3 * k, y + (depth - 0.2) * L), (fx, y + depth * L)])
    knuckles = [(xo + d * 2 * k, y + 0.52 * L), (xo + d * 9 * k, y + 0.56 * L), (xo + d * 16 * k, y + 0.52 * L)]
    for ln_pts in lines:
        if side > 0:
            ln_pts = mirror(ln_pts, b['cx'])
        svg.add(path(smooth(ln_pts, closed=False), stroke=c['deep'], stroke_width=0.8, stroke_opacity=0.75,
                     stroke_linecap='round'))
    if side > 0:
        knuckles = mirror(knuckles, b['cx'])
    svg.add(path(smooth(knuckles, closed=False), stroke='#ffffff', stroke_width=1.6, stroke_opacity=0.12,
                 stroke_linecap='round'))
    th = thumb_points(b, side)
    tx = [p[0] for p in th]
    svg.add(path(smooth(th), fill=shaded(svg, min(tx) - 2, max(tx) + 2, c), stroke=c['line'], stroke_width=0.8,
                 stroke_opacity=0.8))
    # Wrist bone highlight.
    wx = xo + (xi - xo) * 0.3
    if side > 0:
        wx = 2 * b['cx'] - wx
    svg.add(ellipse(wx, y + 4, 3, 2.2, fill='#ffffff', fill_opacity=0.12))


def interp(table, y):
    for (ya, ha), (yb, hb) in zip(table, table[1:]):
        if ya <= y <= yb:
            return ha + (hb - ha) * (y - ya) / (yb - ya)
    return table[0][1] if y < table[0][0] else table[-1][1]


def edge_band(svg, x_of, width, y0, y1, colour, opacity, fade_in=0, step=4):
    """Shade along an edge x_of(y): darkest at the edge, clearing over `width` px (negative: to
    the left) from y0 to y1. Over its first fade_in px the band narrows to nothing, so it starts
    without a seam."""
    ys = [y0 + i * step for i in range(int((y1 - y0) / step) + 1)]
    if ys[-1] < y1:
        ys.append(y1)

    def taper(y):
        if not fade_in or y - y0 >= fade_in:
            return 1.0
        t = (y - y0) / float(fade_in)
        return t * t * (3 - 2 * t)

    a = [(x_of(y), y) for y in ys]
    bb = [(x_of(y) + width * taper(y), y) for y in reversed(ys)]
    d = smooth(a, closed=False) + ' L' + smooth(bb, closed=False)[1:] + ' Z'
    xe = sum(x for x, _ in a) / len(a)
    fill = svg.linear(xe, 0, xe + width, 0, [(0, colour, opacity), (0.45, colour, opacity * 0.45), (1, colour, 0)])
    svg.add(path(d, fill=fill))


def draw_trousers(svg, b, cl):
    """The trousers, rounded by bands of shade along the edges of the legs; everything fades out
    towards the bottom edge of the frame (Qt's renderer has no masks, so every layer here carries
    its own fading paint)."""
    t = b['trousers']
    cx = b['cx']
    top, crotch = t['top'], t['crotch']
    outer = t['hips'] + t['legs']
    gap = 1.2
    pts = trouser_points(b)

    def fading(colour, opacity):
        return svg.linear(0, FADE_FROM, 0, FADE_TO, [(0, colour, opacity), (1, colour, 0)])

    svg.add(path(smooth(pts), fill=fading(cl['base'], 1)))
    ys = list(range(int(top), 441, 6))
    if ys[-1] != 440:
        ys.append(440)

    def band_fill(colour, opacity, y_from):
        # Fades in over its first 24 px, and out with the legs.
        return svg.linear(0, y_from, 0, FADE_TO, [
            (0, colour, 0), (min(0.99, 24.0 / (FADE_TO - y_from)), colour, opacity),
            ((FADE_FROM - y_from) / (FADE_TO - y_from), colour, opacity), (1, colour, 0)])

    def band(x_of, width, y_from=top):
        yy = [y for y in ys if y >= y_from]
        a = [(x_of(y), y) for y in yy]
        bb = [(x_of(y) + width(y), y) for y in reversed(yy)]
        return smooth(a, closed=False) + ' L' + smooth(bb, closed=False)[1:] + ' Z'

    for s in (-1, 1):
        # Shade along the outside of the leg, deeper at the very edge.
        for w, op in ((14, 0.16), (8, 0.2), (3.5, 0.3)):
            svg.add(path(band(lambda y: cx + s * interp(outer, y), lambda y: -s * w), fill=fading(cl['deep'], op)))
        # Shade along the inside of the leg and between the thighs.
        for w, op in ((10, 0.18), (4, 0.3)):
            svg.add(path(band(lambda y: cx + s * gap, lambda y: s * w, crotch - 26), fill=band_fill(cl['deep'], op, crotch - 26)))
        # A lit ridge down the front of the thigh.
        ridge = lambda y: cx + s * (gap + (interp(outer, y) - gap) * 0.42)
        svg.add(path(band(ridge, lambda y: s * 6, crotch - 40), fill=band_fill('#ffffff', 0.07, crotch - 40)))
        # The seam down the outside.
        seam = [(cx + s * (interp(outer, y) - 3.2), y) for y in ys if y >= top + 14]
        svg.add(path(smooth(seam, closed=False), stroke=fading(cl['seam'], 0.5), stroke_width=0.7,
                     stroke_dasharray='2,1.6'))
        # A front pocket.
        hw = interp(outer, top + 10)
        pocket = [(cx + s * (hw - 17), top + 8), (cx + s * (hw - 12), top + 21), (cx + s * (hw - 2), top + 27)]
        svg.add(path(smooth(pocket, closed=False), stroke=cl['line'], stroke_width=0.9, stroke_opacity=0.7))
        # Creases at the hip and over the thigh.
        for (y0, dx, ln) in ((crotch + 4, 9, 14), (crotch + 38, 22, 11), (crotch + 62, 8, 10)):
            cr = [(cx + s * dx, y0), (cx + s * (dx + ln * 0.6), y0 + 3), (cx + s * (dx + ln), y0 + 2)]
            svg.add(path(smooth(cr, closed=False), stroke=fading(cl['deep'], 0.45), stroke_width=1,
                         stroke_linecap='round'))
    svg.add(path(smooth(pts), stroke=fading(cl['line'], 0.9), stroke_width=1.0))
    fly = [(cx + 3.5, top + 8), (cx + 4, crotch - 22), (cx + 0.5, crotch - 12)]
    svg.add(path(smooth(fly, closed=False), stroke=cl['line'], stroke_width=0.8, stroke_opacity=0.6))


def draw_waistband(svg, b, cl):
    t = b['trousers']
    cx = b['cx']
    top = t['top']
    whw = t['hips'][0][1]
    band = [(cx - whw - 0.5, top), (cx + whw + 0.5, top), (cx + whw + 0.8, top + 8), (cx - whw - 0.8, top + 8)]
    svg.add(path(smooth([(x, y, 'c') for x, y in band]), fill=cl['shade'], stroke=cl['line'], stroke_width=0.8))
    if b['cloth'] != 'kid':
        belt = [(cx - whw - 0.6, top + 1.5), (cx + whw + 0.6, top + 1.5), (cx + whw + 0.8, top + 6.5),
                (cx - whw - 0.8, top + 6.5)]
        svg.add(path(smooth([(x, y, 'c') for x, y in belt]), fill='#2e2a28', stroke='#1c1a19', stroke_width=0.6))
        svg.add(path('M%s,%s h9 v6.6 h-9 Z' % (num(cx - 4.5), num(top + 0.7)), fill='none', stroke='#a7a39c',
                     stroke_width=1.3))
        for s in (-1, 1):
            x = cx + s * 26
            svg.add(path('M%s,%s v9' % (num(x), num(top - 0.5)), stroke=cl['line'], stroke_width=2.2))
    else:
        svg.add(path('M%s,%s h%s' % (num(cx - whw + 3), num(top + 4), num(2 * whw - 6)), stroke=cl['seam'],
                     stroke_width=0.7, stroke_opacity=0.5, stroke_dasharray='1.5,1.5'))
        svg.add(circle(cx, top + 4, 1.8, fill='#c9c2b5', stroke=cl['line'], stroke_width=0.5))


def draw_torso(svg, b, c):
    pts = torso_points(b)
    cx = b['cx']
    hw = max(h for _, h in b['torso'])
    svg.add(path(smooth(pts), fill=svg.linear(cx - hw, 0, cx + hw, 0, [
        (0, c['base']), (0.4, lighter(c['base'], 0.05)), (0.6, c['base']), (1, c['base'])])))
    rows_all = [(b['neck']['top'], b['neck']['hw'])] + b['torso']
    y_top = b['arm'][2][0]
    y_end = b['torso'][-1][0]
    for s_ in (-1, 1):
        edge = lambda y, s_=s_: cx + s_ * interp(rows_all, y)
        edge_band(svg, edge, -s_ * 22, y_top, y_end, c['deep'], 0.75, fade_in=30)
    # The outline: along the neck and the slope of the shoulders, then from the armpit down; where
    # the shoulder runs into the arm there is no edge.
    n = b['neck']
    rows = [(n['top'], n['hw'])] + b['torso']
    shoulder = b['arm'][0][0] - 0.5
    armpit = b['arm'][3][0]
    for s_ in (-1, 1):
        upper = [(cx + s_ * hw_, y) for y, hw_ in rows if y <= shoulder]
        lower = [(cx + s_ * hw_, y) for y, hw_ in rows if y >= armpit]
        for part in (upper, lower):
            svg.add(path(smooth(part, closed=False), stroke=c['line'], stroke_width=0.9, stroke_opacity=0.75))
    ch = b['chest']
    t0 = b['torso'][0]
    # Collarbones: a highlight with a soft shadow under it.
    rows_c = [(b['neck']['top'], b['neck']['hw'])] + b['torso']
    reach = interp(rows_c, ch['clav'] - 3.5) - 5
    for s in (-1, 1):
        clav = [(cx + s * 4, ch['clav'] + 1.5), (cx + s * reach * 0.3, ch['clav'] - 0.5),
                (cx + s * reach * 0.62, ch['clav'] - 1.5), (cx + s * reach * 0.86, ch['clav'] - 3),
                (cx + s * reach, ch['clav'] - 3.5)]
        svg.add(path(smooth(clav, closed=False), stroke='#ffffff', stroke_width=1.6, stroke_opacity=0.16,
                     stroke_linecap='round'))
        svg.add(path(smooth(translate(clav, 0, 1.6), closed=False), stroke=c['deep'], stroke_width=1.1,
                     stroke_opacity=0.35, stroke_linecap='round'))
    # The notch above the breastbone and the breastbone itself.
    svg.add(ellipse(cx, ch['clav'] + 2, 3.5, 2.2, fill=c['deep'], fill_opacity=0.35))
    svg.add(path('M%s,%s C%s,%s %s,%s %s,%s' % (num(cx), num(ch['clav'] + 6), num(cx + 0.5), num(ch['clav'] + 40),
                                                 num(cx - 0.5), num(ch['xiphoid'] - 30), num(cx), num(ch['xiphoid'])),
                 stroke=c['deep'], stroke_width=1.4, stroke_opacity=0.16))
    if ch.get('pec'):
        for s in (-1, 1):
            # The lower edge of the chest muscle, from the breastbone out to the armpit.
            pec = [(cx + s * 7, ch['pec'] - 5), (cx + s * 20, ch['pec'] + 0.5), (cx + s * 34, ch['pec'] - 1),
                   (cx + s * 46, ch['pec'] - 9), (cx + s * 53, ch['pec'] - 22)]
            svg.add(path(smooth(pec, closed=False), stroke=c['deep'], stroke_width=3, stroke_opacity=0.13,
                         stroke_linecap='round'))
            svg.add(path(smooth(pec, closed=False), stroke=c['deep'], stroke_width=1.1, stroke_opacity=0.16,
                         stroke_linecap='round'))
            svg.add(path(smooth(translate(pec, 0, -2.5), closed=False), stroke='#ffffff', stroke_width=2,
                         stroke_opacity=0.06, stroke_linecap='round'))
    if ch.get('nipple'):
        dx, y = ch['nipple']
        r = 2.6 if b['skin'] != 'child' else 1.8
        for s in (-1, 1):
            svg.add(circle(cx + s * dx, y, r, fill=c['lip'], fill_opacity=0.75))
            svg.add(circle(cx + s * dx, y, r * 0.45, fill=darker(c['lip'], 0.15), fill_opacity=0.8))
    if ch.get('hair'):
        # A little chest hair between the chest muscles, lighter than the head hair.
        for i, (dx, dy) in enumerate(((0, 0), (-3, 4), (3, 5), (-1, 10), (2, 14), (-2, 19), (1, 24))):
            y = ch['pec'] - 18 + dy
            svg.add(path('M%s,%s q1.2,1.6 0.4,3.4' % (num(cx + dx), num(y)), stroke=b['hair_colour'],
                         stroke_width=0.6, stroke_opacity=0.35, stroke_linecap='round'))
    # The lower edge of the ribs.
    for s in (-1, 1):
        ribs = [(cx + s * 3, ch['xiphoid']), (cx + s * 14, ch['xiphoid'] + 8), (cx + s * 30, ch['xiphoid'] + 18),
                (cx + s * 44, ch['xiphoid'] + 24)]
        svg.add(path(smooth(ribs, closed=False), stroke=c['deep'], stroke_width=1.4, stroke_opacity=0.16,
                     stroke_linecap='round'))
    # Belly: navel and a soft middle line.
    svg.add(ellipse(cx, ch['navel'], 2.2, 2.8, fill=c['deep'], fill_opacity=0.55))
    svg.add(path('M%s,%s q-1.5,2.8 0,5.2' % (num(cx - 1.4), num(ch['navel'] - 2.6)), stroke='#ffffff',
                 stroke_width=0.7, stroke_opacity=0.25))
    svg.add(path('M%s,%s L%s,%s' % (num(cx), num(ch['xiphoid'] + 8), num(cx), num(ch['navel'] - 6)), stroke=c['deep'],
                 stroke_width=1.2, stroke_opacity=0.1))
    # The armpits: the shadow where the arm meets the chest.
    for s in (-1, 1):
        y = b['arm'][3][0]
        x = cx + s * (b['torso'][6][1] - 3)
        svg.add(path(smooth([(x, y - 14), (x + s * 2.5, y), (x + s * 1.5, y + 14)], closed=False), stroke=c['deep'],
                     stroke_width=2, stroke_opacity=0.25, stroke_linecap='round'))


def draw_sports_top(svg, b):
    """A bandeau top: covers the breasts, leaves the upper chest and the flanks bare."""
    cx = b['cx']
    y0, y1 = b['chest']['top']

    def hw_at(y):
        return interp(b['torso'], y)

    top = [(cx + hw_at(y0) + 1.2, y0 + 1), (cx + 30, y0 - 0.5), (cx + 10, y0 + 4), (cx, y0 + 7),
           (cx - 10, y0 + 4), (cx - 30, y0 - 0.5), (cx - hw_at(y0) - 1.2, y0 + 1)]
    bottom = [(cx - hw_at(y1) - 1.2, y1 - 2), (cx - 20, y1), (cx, y1 + 0.5), (cx + 20, y1), (cx + hw_at(y1) + 1.2, y1 - 2)]
    pts = top + bottom
    base, shade, deep = '#3e7f86', '#326a70', '#26555a'
    svg.add(path(smooth(pts), fill=svg.linear(cx - 56, 0, cx + 56, 0, [(0, deep), (0.14, shade), (0.3, base),
                                                                        (0.7, base), (0.86, shade), (1, deep)]),
                 stroke='#1c4246', stroke_width=0.9))
    # The two cups: soft highlights and the fold between them.
    for s in (-1, 1):
        bx = cx + s * 25
        svg.add(ellipse(bx - 3, (y0 + y1) / 2 - 1, 17, 13, fill=svg.radial(bx - 5, (y0 + y1) / 2 - 5, 17, [
            (0, '#ffffff', 0.22), (1, '#ffffff', 0)])))
        under = [(cx + s * 6, y1 - 5), (cx + s * 22, y1 - 3.5), (cx + s * 38, y1 - 6), (cx + s * 46, y1 - 14)]
        svg.add(path(smooth(under, closed=False), stroke=deep, stroke_width=1.6, stroke_opacity=0.7,
                     stroke_linecap='round'))
    svg.add(path(smooth([(cx, y0 + 8), (cx - 0.6, y0 + 16), (cx, y1 - 8)], closed=False), stroke=deep, stroke_width=1.4,
                 stroke_opacity=0.8, stroke_linecap='round'))
    # Trims along both edges.
    svg.add(path(smooth(translate(top, 0, 2.2), closed=False), stroke='#8fc3c7', stroke_width=0.8,
                 stroke_opacity=0.8))
    svg.add(path(smooth(translate(bottom, 0, -2.6), closed=False), stroke='#8fc3c7', stroke_width=0.8,
                 stroke_opacity=0.8))
    svg.add(path(smooth(translate(bottom, 0, -1.2), closed=False), stroke='#1c4246', stroke_width=2.2,
                 stroke_opacity=0.35))


def draw_neck(svg, b, c):
    cx = b['cx']
    n = b['neck']
    # The muscles running down either side to the breastbone, and the windpipe.
    h = b['head']
    t0 = b['torso'][0][0]
    for s in (-1, 1):
        m = [(cx + s * (n['hw'] - 2.5), h['chin'] - 4), (cx + s * (n['hw'] * 0.55), (h['chin'] + t0) / 2 + 1),
             (cx + s * 3.5, b['chest']['clav'] + 1)]
        svg.add(path(smooth(m, closed=False), stroke=c['deep'], stroke_width=1.2, stroke_opacity=0.3,
                     stroke_linecap='round'))
    svg.add(ellipse(cx, (h['chin'] + t0) / 2 + 2, 2.6, 3.5, fill='#ffffff', fill_opacity=0.12))


def draw_ears(svg, b, c):
    h = b['head']
    for s in (-1, 1):
        x = h['cx'] + s * (h['hw'] - 0.5)
        y = h['eye'] + 4.5
        k = h['hw'] / 22
        svg.add(ellipse(x + s * 1.4 * k, y, 3.6 * k, 7 * k, fill=c['shade'], stroke=c['line'], stroke_width=0.8,
                        stroke_opacity=0.8))
        svg.add(path('M%s,%s q%s,4 0,8' % (num(x + s * 1.8 * k), num(y - 4 * k), num(s * 2 * k)), stroke=c['deep'],
                     stroke_width=0.8, stroke_opacity=0.7))


def draw_head(svg, b, c):
    h = b['head']
    cx = h['cx']
    pts = head_points(h)
    L = h['chin'] - h['top']
    k = h['hw'] / 22.0
    fill = svg.radial(cx - 4 * k, h['eye'] + 2, h['hw'] * 1.25,
                      [(0, lighter(c['base'], 0.06)), (0.55, c['base']), (0.85, c['shade']), (1, c['deep'])])
    # The shadow of the jaw on the neck.
    svg.add(ellipse(cx + 1, h['chin'] + 1, h['hw'] * 0.62, 4.5, fill=svg.radial(cx + 1, h['chin'] + 1, h['hw'] * 0.62, [
        (0, c['deep'], 0.55), (0.7, c['deep'], 0.3), (1, c['deep'], 0)],
        transform='translate(%s %s) scale(1 %s) translate(%s %s)' % (num(cx + 1), num(h['chin'] + 1), num(4.5 / (h['hw'] * 0.62)),
                                                                    num(-cx - 1), num(-h['chin'] - 1)))))
    svg.add(path(smooth(pts), fill=fill, stroke=c['line'], stroke_width=0.9, stroke_opacity=0.8))
    e = h['eye']
    m = h['mouth']
    # Cheeks.
    for s in (-1, 1):
        svg.add(ellipse(cx + s * 11.5 * k, e + 9 * k, 5.5 * k, 3.8 * k, fill=c['blush'], fill_opacity=0.35))
    # Brows.
    for s in (-1, 1):
        brow = [(cx + s * 3.8 * k, e - 4.2 * k), (cx + s * 8.5 * k, e - 6 * k), (cx + s * 13.5 * k, e - 4.6 * k)]
        col = b['hair_colour'] if b['hair'] != 'side' else darker(b['hair_colour'], 0.25)
        svg.add(path(smooth(brow, closed=False), stroke=col, stroke_width=1.7 * k, stroke_opacity=0.9,
                     stroke_linecap='round'))
    # Closed eyes: a lid crease and a lash line.
    for s in (-1, 1):
        ex = cx + s * 8.6 * k
        svg.add(ellipse(ex, e + 0.2, 4.6 * k, 2.2 * k, fill=c['shade'], fill_opacity=0.8))
        lash = [(ex - 4.2 * k, e), (ex, e + 1.8 * k), (ex + 4.2 * k, e)]
        svg.add(path(smooth(lash, closed=False), stroke=darker(c['line'], 0.35), stroke_width=1.1 * k,
                     stroke_linecap='round'))
        if b['hair'] == 'long':
            for f in (0.2, 0.5, 0.8):
                lx = ex - 4.2 * k + 8.4 * k * f
                ly = e + 1.8 * k * (1 - (2 * f - 1) ** 2)
                svg.add(path('M%s,%s l%s,%s' % (num(lx), num(ly), num(s * 0.5 * (f - 0.2) * k), num(1.3 * k)),
                             stroke=darker(c['line'], 0.4), stroke_width=0.6 * k, stroke_linecap='round'))
        crease = [(ex - 3.4 * k, e - 1.6 * k), (ex, e - 2.3 * k), (ex + 3.4 * k, e - 1.6 * k)]
        svg.add(path(smooth(crease, closed=False), stroke=c['deep'], stroke_width=0.6 * k, stroke_opacity=0.7,
                     stroke_linecap='round'))
    # Nose, seen from above: the bridge, a lit tip, the nostrils.
    nose = e + (m - e) * 0.56
    svg.add(path(smooth([(cx + 2.4 * k, e + 1), (cx + 3 * k, nose - 4 * k), (cx + 3.8 * k, nose)], closed=False),
                 stroke=c['deep'], stroke_width=1.2 * k, stroke_opacity=0.35, stroke_linecap='round'))
    svg.add(ellipse(cx, nose, 4.3 * k, 3.3 * k, fill=c['shade'], fill_opacity=0.9))
    svg.add(ellipse(cx - 0.6, nose - 0.8 * k, 2.4 * k, 1.9 * k, fill='#ffffff', fill_opacity=0.2))
    for s in (-1, 1):
        svg.add(ellipse(cx + s * 2.1 * k, nose + 2.3 * k, 1.35 * k, 0.8 * k, fill=darker(c['line'], 0.3),
                        fill_opacity=0.85))
    # Mouth: the lips a little apart.
    mw = 6.2 * k
    upper = [(cx - mw, m), (cx - 2.4 * k, m - 1.9 * k), (cx, m - 1.2 * k), (cx + 2.4 * k, m - 1.9 * k), (cx + mw, m)]
    lower = [(cx + mw, m), (cx + 3 * k, m + 2.9 * k), (cx - 3 * k, m + 2.9 * k)]
    svg.add(path(smooth(upper + lower), fill=c['lip'], stroke=darker(c['lip'], 0.2), stroke_width=0.5))
    svg.add(path(smooth([(cx - mw + 0.4, m + 0.1), (cx, m + 0.7 * k), (cx + mw - 0.4, m + 0.1)], closed=False),
                 stroke=darker(c['lip'], 0.45), stroke_width=0.9 * k, stroke_linecap='round'))
    svg.add(ellipse(cx, m + 1.9 * k, 2.4 * k, 0.8 * k, fill='#ffffff', fill_opacity=0.2))
    # Chin.
    svg.add(ellipse(cx, h['chin'] - 5 * k, 4.5 * k, 2.6 * k, fill='#ffffff', fill_opacity=0.1))


def draw_hair(svg, b):
    h = b['head']
    cx, top, hw = h['cx'], h['top'], h['hw']
    L = h['chin'] - top
    col = b['hair_colour']
    k = hw / 22.0
    hi = lighter(col, 0.22)
    e = h['eye']
    if b['hair'] == 'short':
        # Cropped short: a little volume over the crown, an uneven hairline, sideburns.
        pts = [(cx, top - 1.6), (cx + hw * 0.68, top + L * 0.03), (cx + hw * 1.05, top + L * 0.23),
               (cx + hw * 1.05, top + L * 0.4), (cx + hw * 0.99, e + 2.5), (cx + hw * 0.93, e + 3, 'c'),
               (cx + hw * 0.9, e - 3 * k), (cx + hw * 0.8, e - 8.2 * k), (cx + hw * 0.62, e - 9.6 * k),
               (cx + hw * 0.4, e - 9.6 * k), (cx + hw * 0.22, e - 10.8 * k), (cx + 0.5, e - 10.2 * k),
               (cx - hw * 0.2, e - 11 * k), (cx - hw * 0.42, e - 9.8 * k), (cx - hw * 0.62, e - 9.6 * k),
               (cx - hw * 0.8, e - 8.2 * k), (cx - hw * 0.9, e - 3 * k), (cx - hw * 0.93, e + 3, 'c'),
               (cx - hw * 0.99, e + 2.5), (cx - hw * 1.05, top + L * 0.4), (cx - hw * 1.05, top + L * 0.23),
               (cx - hw * 0.68, top + L * 0.03)]
        svg.add(path(smooth(pts), fill=svg.radial(cx - 4, top + 7, hw * 1.25, [(0, lighter(col, 0.3)), (0.5, col),
                                                                            (1, darker(col, 0.15))]),
                     stroke=darker(col, 0.35), stroke_width=0.7))
        # Short strands fanning out from the crown, and the soft fringe edge.
        for i in range(11):
            a = math.radians(200 + i * 14)
            x0, y0 = cx + 3 * math.cos(a), top + 9 + 3 * math.sin(a)
            x1, y1 = cx + hw * 0.8 * math.cos(a), top + 9 + 9 * math.sin(a) + (0 if math.sin(a) < -0.2 else 6)
            svg.add(path('M%s,%s Q%s,%s %s,%s' % (num(x0), num(y0), num((x0 + x1) / 2), num(min(y0, y1) - 2),
                                                  num(x1), num(max(1.2, y1))),
                         stroke=lighter(col, 0.35), stroke_width=0.7, stroke_opacity=0.35, stroke_linecap='round'))
    elif b['hair'] == 'side':
        pts = [(cx - 2, top - 1.2), (cx + hw * 0.7, top + L * 0.03), (cx + hw * 1.05, top + L * 0.22),
               (cx + hw * 1.06, top + L * 0.42), (cx + hw * 0.93, e - 1.5), (cx + hw * 0.8, e - 7 * k),
               (cx + hw * 0.45, e - 11 * k), (cx + 2 * k, e - 13 * k), (cx - 7 * k, e - 11 * k),
               (cx - hw * 0.72, e - 7.5 * k), (cx - hw * 0.93, e - 1.5), (cx - hw * 1.06, top + L * 0.42),
               (cx - hw * 1.05, top + L * 0.22), (cx - hw * 0.7, top + L * 0.03)]
        svg.add(path(smooth(pts), fill=svg.radial(cx - 4, top + 9, hw * 1.3, [(0, hi), (0.6, col), (1, darker(col, 0.22))]),
                     stroke=darker(col, 0.4), stroke_width=0.8))
        # The parting on the viewer's left, combed over to the right.
        part = [(cx - 8 * k, top + 2.5), (cx - 9 * k, top + 8), (cx - 8.5 * k, e - 12 * k)]
        svg.add(path(smooth(part, closed=False), stroke=darker(col, 0.25), stroke_width=0.8, stroke_opacity=0.6,
                     stroke_linecap='round'))
        for i in range(6):
            x = cx - 6 * k + i * 4.5 * k
            svg.add(path('M%s,%s q%s,%s %s,%s' % (num(x), num(top + 3 + i * 0.6), num(5 * k), num(4), num(7 * k),
                                                  num(13 - abs(i - 2) * 1.2)), stroke=hi, stroke_width=0.9,
                         stroke_opacity=0.45, stroke_linecap='round'))
    elif b['hair'] == 'long':
        col2 = lighter(col, 0.12)
        # Hair spread out on the floor around the head, drawn behind the head and the shoulders.
        # (Drawn earlier, in draw_long_hair_back.) Here the part over the forehead.
        pts = [(cx, top - 1.5), (cx + hw * 0.72, top + L * 0.02), (cx + hw * 1.1, top + L * 0.22),
               (cx + hw * 1.16, top + L * 0.46), (cx + hw * 1.08, top + L * 0.7), (cx + hw * 0.9, top + L * 0.62),
               (cx + hw * 0.9, e - 1), (cx + hw * 0.72, e - 8 * k),
               (cx + hw * 0.4, e - 11 * k), (cx + 1 * k, e - 12.5 * k), (cx - 1 * k, e - 12.5 * k),
               (cx - hw * 0.4, e - 11 * k), (cx - hw * 0.72, e - 8 * k), (cx - hw * 0.9, e - 1),
               (cx - hw * 0.9, top + L * 0.62), (cx - hw * 1.08, top + L * 0.7),
               (cx - hw * 1.16, top + L * 0.46), (cx - hw * 1.1, top + L * 0.22), (cx - hw * 0.72, top + L * 0.02)]
        svg.add(path(smooth(pts), fill=svg.radial(cx - 4, top + 8, hw * 1.3, [(0, col2), (0.65, col), (1, darker(col, 0.2))]),
                     stroke=darker(col, 0.3), stroke_width=0.8))
        # Swept back off the face: strands run from the hairline up and out.
        for s_ in (-1, 1):
            for i in range(5):
                x0 = cx + s_ * (1.5 + i * 3.6) * k
                y0 = e - 12.2 * k + i * i * 0.28 * k
                svg.add(path('M%s,%s q%s,%s %s,%s' % (num(x0), num(y0), num(s_ * 1.5 * k), num(-6 * k),
                                                      num(s_ * (3 + i * 1.6) * k), num(-(y0 - top) + 1.5)),
                             stroke=lighter(col, 0.3), stroke_width=0.8, stroke_opacity=0.4, stroke_linecap='round'))
    elif b['hair'] == 'child':
        pts = [(cx, top - 1.5), (cx + hw * 0.7, top + L * 0.03), (cx + hw * 1.05, top + L * 0.22),
               (cx + hw * 1.06, top + L * 0.42), (cx + hw * 0.95, e - 2), (cx + hw * 0.86, e - 8 * k),
               (cx + hw * 0.62, e - 10 * k), (cx + hw * 0.42, e - 8.5 * k), (cx + hw * 0.22, e - 10.5 * k),
               (cx + 0, e - 8.8 * k), (cx - hw * 0.22, e - 10.8 * k), (cx - hw * 0.44, e - 8.6 * k),
               (cx - hw * 0.64, e - 10.2 * k), (cx - hw * 0.86, e - 8 * k), (cx - hw * 0.95, e - 2),
               (cx - hw * 1.06, top + L * 0.42), (cx - hw * 1.05, top + L * 0.22), (cx - hw * 0.7, top + L * 0.03)]
        svg.add(path(smooth(pts), fill=svg.radial(cx - 5, top + 10, hw * 1.3, [(0, hi), (0.6, col), (1, darker(col, 0.2))]),
                     stroke=darker(col, 0.35), stroke_width=0.8))
        # A crown whorl and the fringe's strands.
        for i in range(7):
            x = cx - 13 * k + i * 4.4 * k
            svg.add(path('M%s,%s q%s,%s %s,%s' % (num(x), num(top + 10), num(1 * k), num(6), num(0.5 * k),
                                                  num(e - 11 * k - top - 10)), stroke=hi, stroke_width=0.9,
                         stroke_opacity=0.45, stroke_linecap='round'))


def draw_long_hair_back(svg, b):
    """Long hair spread out on the floor around the head, in loose locks."""
    h = b['head']
    cx, top, hw = h['cx'], h['top'], h['hw']
    col = b['hair_colour']
    oy = top + 27
    pts = []
    n = 13
    for i in range(n + 1):
        # From the left shoulder round over the top of the head to the right shoulder.
        a = math.radians(120 + i * (300 / n))
        wob = 1.1 if i % 2 else -0.4
        rx, ry = 38 + wob, 31 + wob
        x, y = cx + rx * math.cos(a), oy + ry * math.sin(a) * (1.0 if math.sin(a) < 0 else 1.25)
        pts.append((x, max(0.8, y)))
    pts += [(cx + 16, top + 60), (cx, top + 44), (cx - 16, top + 60)]
    svg.add(path(smooth(pts), fill=svg.radial(cx, oy, 44, [(0, lighter(col, 0.14)), (0.6, col),
                                                          (1, darker(col, 0.1))]),
                 stroke=darker(col, 0.3), stroke_width=0.8))
    # Locks: soft curves flowing from the crown out over the sides and down to the shoulders.
    for s_ in (-1, 1):
        for i in range(4):
            x0, y0 = cx + s_ * (6 + i * 5), top - 1 + i * 1.5
            x1, y1 = cx + s_ * (26 + i * 1.5), oy + 2 + i * 5
            xm, ym = cx + s_ * (30 + i * 2), top + 6 + i * 3
            svg.add(path('M%s,%s Q%s,%s %s,%s' % (num(x0), num(max(1, y0)), num(xm), num(ym), num(x1), num(y1)),
                         stroke=lighter(col, 0.3), stroke_width=0.9, stroke_opacity=0.35, stroke_linecap='round'))


def draw_patient(name, out):
    b = BODIES[name]
    c = SKINS[b['skin']]
    cl = CLOTH[b['cloth']]
    svg = Svg(W, H, b['title'])
    cx = b['cx']

    shapes = [arm_points(b, -1), arm_points(b, 1), hand_points(b, -1), hand_points(b, 1), torso_points(b),
              trouser_points(b), head_points(b['head'])]
    draw_shadow(svg, b, shapes)
    if b['hair'] == 'long':
        draw_long_hair_back(svg, b)
    draw_trousers(svg, b, cl)
    for side in (-1, 1):
        draw_arm(svg, b, side, c)
        draw_hand(svg, b, side, c)
    draw_torso(svg, b, c)
    if b['chest'].get('top'):
        draw_sports_top(svg, b)
    draw_waistband(svg, b, cl)
    draw_neck(svg, b, c)
    if b['hair'] != 'long':
        draw_ears(svg, b, c)
    draw_head(svg, b, c)
    draw_hair(svg, b)
    svg.save(out, name)


def draw_all(out):
    for name in BODIES:
        draw_patient(name, out)
