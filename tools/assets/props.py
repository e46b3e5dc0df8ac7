"""Everything laid over a patient or beside him: the pads and their cables, the rescuer's hands
(blue gloves, navy sleeves), the masks, the cuff, the speech bubble and the open mouth.

Each picture is transparent outside its drawing. A rescuer's arm runs out of its picture; there
it fades out, as if it rose towards the viewer, instead of ending at a cut."""

import math

from svg import (Svg, path, rect, circle, ellipse, line, text, group, smooth, poly, mirror, translate, num, darker,
                 lighter)

GLOVE = dict(base='#4c7fd6', light='#7ea6ea', shade='#3a66b4', deep='#2b4d8c', line='#1f3766')
SLEEVE = dict(base='#2a3a55', shade='#1f2c42', line='#141d2c', stripe='#c9d94a')
RESCUER_SKIN = dict(base='#e9b995', shade='#d49f7a', deep='#b9805c', line='#8e5b3f')
RESCUER_HAIR = '#5a3b24'

PAD_WHITE = dict(base='#fbfbfa', edge='#8d979e', gel='#e4eaee', mark='#4a545b')
PAD_RED = dict(base='#e2463b', edge='#8c1f17', gel='#f07a6f', mark='#ffffff')
CABLE_WHITE = dict(core='#f2f4f5', edge='#69737a', shine='#ffffff')
CABLE_RED = dict(core='#d93a2e', edge='#6e160f', shine='#ff8a80')


# --- pads ----------------------------------------------------------------------------------------

def mini_torso(svg, cx, cy, s, colour, width):
    """A tiny figure: head, neck and the outline of the chest; s is the chest's half width."""
    svg.add(circle(cx, cy - s * 1.42, s * 0.38, fill=colour))
    pts = [(cx - s * 0.22, cy - s * 0.9), (cx - s * 0.9, cy - s * 0.7), (cx - s, cy + s * 0.15),
           (cx - s * 0.85, cy + s * 1.05)]
    svg.add(path(smooth(pts, closed=False), stroke=colour, stroke_width=width, stroke_linecap='round'))
    svg.add(path(smooth(mirror(pts, cx), closed=False), stroke=colour, stroke_width=width, stroke_linecap='round'))


def draw_pad(out, name, w, h, c, marker):
    svg = Svg(w, h, 'Electrode pad, ' + ('white: upper right chest' if marker == 'circle' else 'red: left side'))
    # The foam, a soft shadow under it, the gel area and the lead's tab at the top left.
    svg.add(rect(1.6, 2.4, w - 2.4, h - 2.6, 5, fill='#000000', fill_opacity=0.22))
    if marker == 'circle':
        svg.add(rect(0.8, 0.8, w - 2.4, h - 2.6, 5, fill=c['base'], stroke=c['edge'], stroke_width=1.1))
        svg.add(rect(3.4, 5, w - 7.6, h - 9.4, 3.4, fill=c['gel'], fill_opacity=0.75))
    else:
        # The red pad has a cut corner at the bottom right: another outline, not just another colour.
        pts = [(0.8, 5.5), (5.5, 0.8), (w - 6, 0.8), (w - 1.6, 5), (w - 1.6, h - 11), (w - 10.5, h - 1.8),
               (5.5, h - 1.8), (0.8, h - 6.5)]
        svg.add(path(smooth([(x, y, 'c') for x, y in pts]), fill=c['base'], stroke=c['edge'], stroke_width=1.1,
                     stroke_linejoin='round'))
        inner = [(3.6, 7), (7, 4.4), (w - 7.4, 4.4), (w - 4.4, 7), (w - 4.4, h - 12.2), (w - 11.6, h - 4.8),
                 (7, h - 4.8), (3.6, h - 8)]
        svg.add(path(poly(inner), fill=c['gel'], fill_opacity=0.55, stroke_linejoin='round'))
    # The lead leaves at the top left corner.
    svg.add(rect(0.4, 0.4, 7.5, 5, 2, fill='#5d666d', stroke='#30363b', stroke_width=0.6))
    svg.add(circle(3, 2.9, 1.3, fill='#c9ced2'))
    # The placement icon: where this pad goes, and its marker shape.
    cx, cy = w / 2 - 0.6, h / 2 + 3.2
    mini_torso(svg, cx, cy, 7, c['mark'], 1.3)
    if marker == 'circle':
        svg.add(circle(cx - 3.4, cy - 2.6, 2.7, fill=c['mark']))
    else:
        tx, ty = cx + 4.2, cy + 2.4
        svg.add(path('M%s,%s l3.2,5.2 h-6.4 Z' % (num(tx), num(ty - 3.2)), fill=c['mark'], stroke_linejoin='round'))
    svg.save(out, name)


def draw_pad_side(out):
    """PadSMALL: the red pad stuck on the patient's side, seen edge-on."""
    svg = Svg(14, 40, 'Electrode pad on the side, seen edge-on')
    c = PAD_RED
    # A thin curved strip following the flank, foam outside and gel against the skin.
    outer = [(9.5, 2.5), (11.8, 10), (12.6, 20), (12, 30), (10, 37.5)]
    inner = [(6.8, 37.5), (8.4, 30), (9, 20), (8.3, 10), (6.2, 2.5)]
    svg.add(path(smooth(outer + inner, tension=0.8), fill=c['base'], stroke=c['edge'], stroke_width=0.9))
    gel = [(6.2, 2.5), (8.3, 10), (9, 20), (8.4, 30), (6.8, 37.5), (5.2, 37), (6.6, 30), (7.2, 20), (6.6, 10),
           (4.8, 3.4)]
    svg.add(path(smooth(gel, tension=0.8), fill='#d9dfe2', stroke='#8d979e', stroke_width=0.6))
    svg.add(path(smooth([(10.6, 6), (11.6, 14), (11.8, 24)], closed=False), stroke='#ffffff', stroke_width=0.8,
                 stroke_opacity=0.45, stroke_linecap='round'))
    # The lead's tab and a stub of the red lead at the top.
    svg.add(rect(6.8, 0.4, 5.2, 4.4, 1.5, fill='#5d666d', stroke='#30363b', stroke_width=0.5))
    svg.add(path('M9.4,0.6 q-2,-0.4 -5,0', stroke=CABLE_RED['edge'], stroke_width=2.4, stroke_linecap='round'))
    svg.add(path('M9.4,0.6 q-2,-0.4 -5,0', stroke=CABLE_RED['core'], stroke_width=1.4, stroke_linecap='round'))
    svg.save(out, 'PadSMALL')


def draw_cable(out, name, w, h, c):
    svg = Svg(w, h, 'Pad cable, ' + ('white' if c is CABLE_WHITE else 'red'))
    # From the pad's tab at the top left, sagging, to the plug at the bottom right.
    x0, y0 = 5, 5
    x1, y1 = w - 12, h - 12
    c1 = (x0 + w * 0.08, y0 + h * 0.55)
    c2 = (x1 - w * 0.3, y1 - h * 0.22)
    d = 'M%s,%s C%s,%s %s,%s %s,%s' % (num(x0), num(y0), num(c1[0]), num(c1[1]), num(c2[0]), num(c2[1]), num(x1),
                                       num(y1))
    svg.add(path(d, stroke='#000000', stroke_width=4.2, stroke_opacity=0.18, stroke_linecap='round',
                 transform='translate(1.5 2.5)'))
    svg.add(path(d, stroke=c['edge'], stroke_width=4.2, stroke_linecap='round'))
    svg.add(path(d, stroke=c['core'], stroke_width=2.6, stroke_linecap='round'))
    svg.add(path(d, stroke=c['shine'], stroke_width=0.7, stroke_opacity=0.6, stroke_linecap='round',
                 transform='translate(-0.5 -0.6)'))
    # Strain relief at the pad end.
    svg.add(circle(x0, y0, 3.6, fill='#5d666d', stroke='#30363b', stroke_width=0.7))
    svg.add(circle(x0, y0, 1.5, fill='#c9ced2'))
    # The plug: a grey body along the cable's last stretch, its tip at the corner.
    ang = math.degrees(math.atan2(y1 - c2[1], x1 - c2[0]))
    g = [rect(-1, -4, 13, 8, 2.6, fill='#4b5359', stroke='#23282c', stroke_width=0.8),
         rect(1, -3, 3, 6, 1, fill=c['core'], stroke=c['edge'], stroke_width=0.5),
         rect(6, -3.4, 6.5, 2, 1, fill='#ffffff', fill_opacity=0.25)]
    svg.add(group(g, transform='translate(%s %s) rotate(%s)' % (num(x1), num(y1), num(ang))))
    svg.save(out, name)


# --- the rescuer's hands ------------------------------------------------------------------------

def sleeve(svg, pts, fade_from, fade_to, horizontal=True):
    """A sleeve that fades out towards the edge of its picture."""
    if horizontal:
        fill = svg.linear(fade_from, 0, fade_to, 0, [(0, SLEEVE['base'], 1), (1, SLEEVE['base'], 0)])
    else:
        fill = svg.linear(0, fade_from, 0, fade_to, [(0, SLEEVE['base'], 1), (1, SLEEVE['base'], 0)])
    svg.add(path(smooth(pts), fill=fill))


def glove_fill(svg, x0, y0, x1, y1):
    return svg.linear(x0, y0, x1, y1, [(0, GLOVE['light']), (0.45, GLOVE['base']), (1, GLOVE['shade'])])


def finger(svg, x0, y0, x1, y1, width, fill, stroke=GLOVE['line']):
    """A straight finger from its root (x0, y0) to its tip (x1, y1), with a rounded tip."""
    svg.add(line(x0, y0, x1, y1, stroke=stroke, stroke_width=width + 0.9, stroke_linecap='round'))
    svg.add(line(x0, y0, x1, y1, stroke=fill, stroke_width=width, stroke_linecap='round'))


def cuff(svg, cx, cy, rx, ry, angle):
    svg.add(ellipse(cx, cy, rx, ry, fill=GLOVE['shade'], stroke=GLOVE['line'], stroke_width=0.7,
                    transform='rotate(%s %s %s)' % (num(angle), num(cx), num(cy))))


def forearm(svg, wrist_top, wrist_bottom, edge_top, edge_bottom, fade_from, fade_to):
    """A forearm in its sleeve from the wrist out to the picture's edge, fading out there."""
    pts = [wrist_top, edge_top, edge_bottom, wrist_bottom]
    (x0, y0), (x1, y1) = fade_from, fade_to
    fill = svg.linear(x0, y0, x1, y1, [(0, SLEEVE['base'], 1), (0.55, SLEEVE['base'], 0.75), (1, SLEEVE['base'], 0)])
    svg.add(path(smooth([p + ('c',) for p in pts]), fill=fill))


def glove_cuff(svg, a, b, width):
    """The glove's rolled cuff across the wrist, from a to b."""
    svg.add(line(a[0], a[1], b[0], b[1], stroke=GLOVE['line'], stroke_width=width + 1.2, stroke_linecap='round'))
    svg.add(line(a[0], a[1], b[0], b[1], stroke=GLOVE['shade'], stroke_width=width, stroke_linecap='round'))


def stacked_hands(svg):
    """Two hands one on the other, fingers interlaced, the heel of the lower hand at the centre of
    a 64 x 56 frame. The rescuer kneels at the patient's left side (the viewer's right): the fingers
    point across the chest to the left, the forearms rise out of the picture to the right."""
    # Forearms: the upper hand's to the right and up, the lower hand's to the right and down.
    forearm(svg, (37, 18), (41, 32), (66, 9), (66, 27), (42, 0), (64, 0))
    forearm(svg, (38, 27), (38, 41), (66, 31), (66, 49), (42, 0), (64, 0))
    glove_cuff(svg, (42.5, 30), (40.5, 41), 4.5)
    # The lower hand: fingers stretched out and lifted, its thumb along the bottom.
    for y, tip in ((20.5, 3.5), (27, 2.5), (33.5, 3.2), (39.5, 6.5)):
        finger(svg, 16, y, tip, y + (y - 30) * 0.08, 5.8, GLOVE['shade'])
    finger(svg, 28, 41.5, 19, 45.5, 5.8, GLOVE['shade'])
    # The upper hand's back, from the wrist to the knuckles.
    back = [(17, 14.5), (27, 13.5), (36, 16.5), (41.5, 22), (41.5, 33), (37, 38.5), (27, 42), (17, 41.5),
            (13.5, 35), (12.8, 28), (13.5, 21)]
    svg.add(path(smooth(back), fill=glove_fill(svg, 13, 14, 41, 42), stroke=GLOVE['line'], stroke_width=1))
    glove_cuff(svg, (41.5, 18.5), (43, 31.5), 5)
    # Its fingers curl down between the lower hand's.
    for y in (17.2, 23.8, 30.4, 37):
        finger(svg, 14.5, y, 9, y + (y - 27) * 0.06, 5.6, GLOVE['base'])
        svg.add(ellipse(9.6, y - 0.8, 1.8, 1.1, fill=GLOVE['light'], fill_opacity=0.65))
    # The upper hand's thumb, laid along the top.
    finger(svg, 32, 15.5, 22, 12, 5.8, GLOVE['base'])
    svg.add(ellipse(23.5, 11.8, 2.2, 1.2, fill=GLOVE['light'], fill_opacity=0.6, transform='rotate(-20 23.5 11.8)'))
    # Knuckles and tendons on the back of the hand, a sheen on the nitrile.
    for y in (18.5, 24.5, 30.5, 36.5):
        svg.add(ellipse(16.6, y, 1.7, 1.4, fill=GLOVE['light'], fill_opacity=0.55))
    for y0, y1 in ((19, 21.5), (25, 25.8), (31, 30), (36.5, 34.5)):
        svg.add(line(19.5, y0, 35, y1, stroke=GLOVE['deep'], stroke_width=0.7, stroke_opacity=0.45,
                     stroke_linecap='round'))
    svg.add(ellipse(27, 20, 8, 3.2, fill='#ffffff', fill_opacity=0.2, transform='rotate(8 27 20)'))


def draw_cpr(out, name, w, h, title):
    svg = Svg(w, h, title)
    if (w, h) == (64, 56):
        stacked_hands(svg)
    else:
        # The same hands, smaller, centred in the child's frame.
        s_ = min(w / 64.0, h / 56.0)
        ox, oy = (w - 64 * s_) / 2, (h - 56 * s_) / 2
        inner = Svg(64, 56, '')
        inner.count = 100
        stacked_hands(inner)
        svg.defs.extend(inner.defs)
        svg.add(group(inner.items, transform='translate(%s %s) scale(%s)' % (num(ox), num(oy), num(s_))))
    svg.save(out, name)


def draw_pulse(out):
    """Two fingers on the carotid; the hand comes from the viewer's right."""
    svg = Svg(30, 26, 'Two fingers on the neck, feeling for a pulse')
    forearm(svg, (21, 7.5), (22, 20.5), (31, 6), (31, 22), (23, 0), (30, 0))
    # Ring and little finger curled under the palm.
    finger(svg, 15, 19.2, 11.2, 20.6, 3.6, GLOVE['shade'])
    finger(svg, 16.5, 22.2, 13.6, 23.2, 3.2, GLOVE['shade'])
    # The back of the hand.
    back = [(11, 8.5), (17, 7), (22.5, 8.5), (24, 14), (22.5, 20.5), (16.5, 22), (11.5, 19)]
    svg.add(path(smooth(back), fill=glove_fill(svg, 11, 7, 24, 22), stroke=GLOVE['line'], stroke_width=0.8))
    glove_cuff(svg, (23, 8.5), (23.6, 20), 3.2)
    # Index and middle finger laid on the neck, tips at the left.
    finger(svg, 12.5, 10.5, 3, 10.2, 3.7, GLOVE['base'])
    finger(svg, 12.5, 14.6, 2.3, 14.8, 3.7, GLOVE['base'])
    for y in (10.2, 14.8):
        svg.add(ellipse(3.4, y - 0.5, 1.3, 0.8, fill=GLOVE['light'], fill_opacity=0.7))
    # The thumb, resting along the top.
    finger(svg, 18.5, 8, 12, 4.6, 3.6, GLOVE['base'])
    svg.add(ellipse(17, 12, 4.2, 1.7, fill='#ffffff', fill_opacity=0.2))
    svg.save(out, 'PULSEHAND')


def flat_hand(svg, cx, top, k, flip=1):
    """A hand laid flat, fingers pointing down, wrist at the top (the rescuer at the head); the
    thumb on the right, or on the left with flip = -1."""
    S = lambda x, y: (cx + flip * x * k, top + y * k)
    palm = [S(-8, 9), S(0, 7.5), S(8, 9), S(9, 18), S(7, 22), S(-7, 22), S(-9, 18)]
    x0, y0 = S(-9, 7)
    x1, y1 = S(9, 22)
    svg.add(path(smooth(palm), fill=glove_fill(svg, x0, y0, x1, y1), stroke=GLOVE['line'], stroke_width=0.8))
    for i, dx in enumerate((-5.2, -1.7, 1.8, 5.2)):
        ln = 8.8 - abs(i - 1.6) * 1.5 - (1.2 if i == 0 else 0)
        a, b = S(dx, 19), S(dx * 1.08, 19 + ln)
        finger(svg, a[0], a[1], b[0], b[1], 3.5 * k, GLOVE['base'])
    a, b = S(8.5, 14), S(12.5, 21)
    finger(svg, a[0], a[1], b[0], b[1], 3.3 * k, GLOVE['base'])
    hx, hy = S(-2, 13)
    svg.add(ellipse(hx, hy, 4.5 * k, 2.4 * k, fill='#ffffff', fill_opacity=0.18))


def draw_shake(out):
    """Both hands on the shoulders, the rescuer kneeling at the head."""
    w, h = 144, 30
    svg = Svg(w, h, 'Hands on the shoulders')
    for cx, flip in ((18, -1), (126, 1)):
        # The forearm runs up out of the picture; the sleeve fades.
        arm = [(cx - 7.5, 9), (cx - 8.5, 0), (cx + 8.5, 0), (cx + 7.5, 9)]
        svg.add(path(smooth([(x, y, 'c') for x, y in arm]),
                     fill=svg.linear(0, 8, 0, 0, [(0, SLEEVE['base'], 0.95), (1, SLEEVE['base'], 0)])))
        svg.add(rect(cx - 7.6, 5.6, 15.2, 4, 1.5, fill=GLOVE['shade'], stroke=GLOVE['line'], stroke_width=0.6))
        flat_hand(svg, cx, -1.5, 1.0, -flip)
    svg.save(out, 'SHAKE')


def draw_shout(out):
    svg = Svg(70, 40, 'Are you OK?')
    d = ('M12,2 H62 Q67,2 67,7 V24 Q67,29 62,29 H22 L6,38 L12,29 Q7,29 7,24 V7 Q7,2 12,2 Z')
    svg.add(path(d, fill='#000000', fill_opacity=0.2, transform='translate(1 1.4)'))
    svg.add(path(d, fill='#ffffff', stroke='#2f3439', stroke_width=1.6, stroke_linejoin='round'))
    svg.add(text(37, 14.2, 'Are you', 10.5, fill='#1d2328', font_weight='bold', text_anchor='middle'))
    svg.add(text(37, 25.6, 'OK?', 10.5, fill='#1d2328', font_weight='bold', text_anchor='middle'))
    svg.save(out, 'SHOUT')


def draw_breathing(out):
    """The rescuer's head bent over the face, cheek and ear to the mouth, eyes down the chest."""
    w, h = 60, 44
    svg = Svg(w, h, 'Look, listen and feel for breathing')
    c = RESCUER_SKIN
    # Shoulders and back, rising out of the picture to the right.
    back = [(30, 8), (50, 2), (62, 4), (62, 42), (48, 44), (32, 38)]
    svg.add(path(smooth(back), fill=svg.linear(40, 0, 60, 0, [(0, SLEEVE['base'], 1), (1, SLEEVE['base'], 0)])))
    svg.add(path(smooth([(36, 6), (46, 3), (58, 3)], closed=False), stroke=SLEEVE['stripe'], stroke_width=1.6,
                 stroke_opacity=0.7))
    # The face turned down and to the left: cheek and jaw, ear close to the patient's mouth.
    face = [(9, 22), (12, 13), (20, 9), (28, 12), (31, 22), (28, 33), (22, 40), (14, 41), (9, 35)]
    svg.add(path(smooth(face), fill=svg.linear(8, 0, 32, 0, [(0, c['shade']), (0.5, c['base']), (1, c['shade'])]),
                 stroke=c['line'], stroke_width=0.8))
    # Hair over the top and the back of the head.
    hair = [(12, 14), (17, 6), (27, 3), (37, 7), (41, 17), (40, 29), (34, 37), (29, 34), (30, 24), (27, 15),
            (20, 12)]
    svg.add(path(smooth(hair), fill=svg.radial(30, 14, 16, [(0, lighter(RESCUER_HAIR, 0.2)), (1, RESCUER_HAIR)]),
                 stroke=darker(RESCUER_HAIR, 0.3), stroke_width=0.8))
    for i in range(4):
        svg.add(path('M%s,%s q5,3 6,10' % (num(24 + i * 3), num(6 + i * 0.6)), stroke=lighter(RESCUER_HAIR, 0.35),
                     stroke_width=0.7, stroke_opacity=0.5, stroke_linecap='round'))
    # The ear, near the mouth.
    svg.add(ellipse(12.5, 23, 3, 4.6, fill=c['shade'], stroke=c['line'], stroke_width=0.7))
    svg.add(path('M12,20.5 q1.8,2.5 0,5', stroke=c['deep'], stroke_width=0.7))
    # Eye looking down along the chest, brow, nose tip.
    svg.add(path('M17,34 q2.6,1.4 5,0', stroke='#3a2a20', stroke_width=1, stroke_linecap='round'))
    svg.add(path('M16.5,31.4 q3,-1.2 6,0', stroke=RESCUER_HAIR, stroke_width=1.1, stroke_linecap='round'))
    svg.add(path('M22,38.5 q2,1.6 1,3', stroke=c['deep'], stroke_width=0.8, stroke_linecap='round'))
    # Listen: the breath's sound towards the ear; look: down the chest.
    for i, r in enumerate((3, 5.5, 8)):
        svg.add(path('M%s,%s a%s,%s 0 0 1 0,%s' % (num(5 - r * 0.4), num(23 - r * 0.8), num(r), num(r),
                                                   num(r * 1.6)),
                     stroke='#2f80ed', stroke_width=1.1, stroke_opacity=0.9 - i * 0.2, stroke_linecap='round'))
    svg.add(path('M19,36.5 l-2,6', stroke='#2f80ed', stroke_width=1, stroke_dasharray='1.6,1.4',
                 stroke_linecap='round'))
    svg.add(path('M15,41.5 l2,2.2 l1.6,-2.6', stroke='#2f80ed', stroke_width=1, stroke_linecap='round',
                 stroke_linejoin='round'))
    svg.save(out, 'BreathingCheck')


def mask_shape(cx, top, w, h):
    """A face mask seen from above: narrow over the nose, wide over the chin."""
    return [(cx, top), (cx + w * 0.3, top + h * 0.12), (cx + w * 0.46, top + h * 0.55), (cx + w * 0.4, top + h * 0.9),
            (cx, top + h), (cx - w * 0.4, top + h * 0.9), (cx - w * 0.46, top + h * 0.55),
            (cx - w * 0.3, top + h * 0.12)]


def draw_bvm(out):
    w, h = 42, 30
    svg = Svg(w, h, 'Bag-valve mask on the face')
    cx = 21
    pts = mask_shape(cx, 1.2, 36, 27.5)
    svg.add(path(smooth(translate(pts, 0.8, 1.2)), fill='#000000', fill_opacity=0.18))
    svg.add(path(smooth(pts), fill='#dfeef7', fill_opacity=0.6, stroke='#4f7d99', stroke_width=2.2))
    inner = mask_shape(cx, 4.5, 29, 21)
    svg.add(path(smooth(inner), fill='#ffffff', fill_opacity=0.25, stroke='#8fb7cf', stroke_width=0.8))
    # The connector and the valve; the bag joins it towards the top right.
    svg.add(circle(cx, 14.5, 6.2, fill='#37424c', stroke='#1d2328', stroke_width=0.8))
    svg.add(circle(cx, 14.5, 3.8, fill='#7a8791'))
    svg.add(circle(cx, 14.5, 1.8, fill='#e7ecef'))
    svg.add(path('M25,10.6 L35,1.2', stroke='#1d2328', stroke_width=6, stroke_linecap='round'))
    svg.add(path('M25,10.6 L35,1.2', stroke='#5b6a76', stroke_width=4.2, stroke_linecap='round'))
    svg.add(path('M26,9 L33.5,2', stroke='#ffffff', stroke_width=0.8, stroke_opacity=0.35, stroke_linecap='round'))
    svg.save(out, 'BVM')


def draw_bvm_hand(out):
    """The self-inflating bag, squeezed by the rescuer's hand; it joins the mask at the bottom left."""
    w, h = 52, 34
    svg = Svg(w, h, 'Hand squeezing the bag')
    # The valve housing at the bottom left (over the mask's connector), then the bag up to the right.
    ang = -36
    ox, oy = 13, 27
    svg.add(group([
        rect(-3, -3.2, 12, 6.4, 2.4, fill='#5b6a76', stroke='#1d2328', stroke_width=0.8),
        ellipse(27, 0, 20, 8.6, fill='#000000', fill_opacity=0.18, transform='translate(1 2)'),
        ellipse(27, 0, 20, 8.6, fill='#9ed3b8', fill_opacity=0.92, stroke='#3f7f63', stroke_width=1),
        ellipse(27, -2.5, 15, 3.4, fill='#ffffff', fill_opacity=0.3),
        path('M12,-7.4 q2,7.4 0,14.8 M20,-8.4 q2,8.4 0,16.8 M36,-8.4 q2,8.4 0,16.8', stroke='#3f7f63',
             stroke_width=0.6, stroke_opacity=0.5),
        rect(45, -3.2, 4, 6.4, 1.2, fill='#5b6a76', stroke='#1d2328', stroke_width=0.6),
    ], transform='translate(%s %s) rotate(%s)' % (num(ox), num(oy), num(ang))))
    # The hand, squeezing from above: fingers wrap the bag, the wrist rises out at the top.
    hx, hy = 30, 15
    svg.add(path(smooth([(hx - 2, hy - 6), (hx + 6, hy - 16), (hx + 14, hy - 16), (hx + 8, hy - 4)]),
                 fill=svg.linear(0, hy - 5, 0, hy - 16, [(0, GLOVE['shade'], 1), (1, SLEEVE['base'], 0)])))
    palm = [(hx - 6, hy - 3), (hx + 2, hy - 8), (hx + 9, hy - 6), (hx + 8, hy + 2), (hx, hy + 6), (hx - 6, hy + 4)]
    svg.add(path(smooth(palm), fill=glove_fill(svg, hx - 6, hy - 8, hx + 9, hy + 6), stroke=GLOVE['line'],
                 stroke_width=0.8))
    for i in range(4):
        a = (hx - 4 + i * 3.4, hy + 3 + i * 0.2)
        b = (hx - 9 + i * 3.6, hy + 10 - i * 0.6)
        finger(svg, a[0], a[1], b[0], b[1], 3.1, GLOVE['base'])
    finger(svg, hx + 7, hy - 4, hx + 12, hy + 2, 3.2, GLOVE['base'])
    svg.add(ellipse(hx + 1, hy - 3, 3.6, 1.8, fill='#ffffff', fill_opacity=0.2))
    svg.save(out, 'BVMHAND')


def draw_face_mask(out):
    w, h = 38, 26
    svg = Svg(w, h, 'Pocket mask on the face')
    cx = 19
    pts = mask_shape(cx, 1, 34, 24)
    svg.add(path(smooth(translate(pts, 0.8, 1.2)), fill='#000000', fill_opacity=0.18))
    svg.add(path(smooth(pts), fill='#e9f3f8', fill_opacity=0.55, stroke='#6a8ea3', stroke_width=1.8))
    # The one-way valve: a white mouthpiece on a blue filter.
    svg.add(circle(cx, 12.5, 6, fill='#2d7fc1', stroke='#1b4f7a', stroke_width=0.8))
    svg.add(circle(cx, 12.5, 3.6, fill='#f4f6f7', stroke='#9aa6ad', stroke_width=0.6))
    svg.add(circle(cx, 12.5, 1.5, fill='#9aa6ad'))
    svg.add(ellipse(cx - 6, 6, 3, 1.5, fill='#ffffff', fill_opacity=0.5, transform='rotate(-30 %s 6)' % num(cx - 6)))
    svg.save(out, 'FACEMASK')


def draw_face_mask_blow(out):
    """The rescuer at the patient's head, mouth on the mask's valve, hands holding the mask."""
    w, h = 52, 40
    svg = Svg(w, h, 'Rescuer blowing into the pocket mask')
    c = RESCUER_SKIN
    cx = 25
    # Hands on either side of the mask: thumbs on its top, fingers under the jaw.
    for s in (-1, 1):
        x = cx + s * 18
        svg.add(path(smooth([(x - 5, 40), (x - 6, 30), (x + 5 * s, 25), (x + 7, 33), (x + 5, 40)]),
                     fill=glove_fill(svg, x - 6, 25, x + 7, 40), stroke=GLOVE['line'], stroke_width=0.8))
        finger(svg, x, 30, x - s * 7, 35.5, 3.2, GLOVE['base'])
    # The rescuer's head seen from above, bent down over the valve.
    head = [(cx, 1.5), (cx + 14.5, 5), (cx + 19, 16), (cx + 15, 28), (cx + 6, 33.5), (cx - 6, 33.5), (cx - 15, 28),
            (cx - 19, 16), (cx - 14.5, 5)]
    svg.add(path(smooth(translate(head, 1, 1.5)), fill='#000000', fill_opacity=0.2))
    svg.add(path(smooth(head), fill=svg.linear(cx - 15, 0, cx + 15, 0, [(0, c['shade']), (0.5, c['base']),
                                                                        (1, c['shade'])]),
                 stroke=c['line'], stroke_width=0.8))
    hair = [(cx, 0.5), (cx + 15, 3.5), (cx + 19.5, 15), (cx + 15.5, 24), (cx + 7, 20.5), (cx, 21.5), (cx - 7, 20.5),
            (cx - 15.5, 24), (cx - 19.5, 15), (cx - 15, 3.5)]
    svg.add(path(smooth(hair), fill=svg.radial(cx - 3, 9, 18, [(0, lighter(RESCUER_HAIR, 0.2)), (1, RESCUER_HAIR)]),
                 stroke=darker(RESCUER_HAIR, 0.3), stroke_width=0.8))
    for i in range(6):
        svg.add(path('M%s,3 q%s,8 %s,15' % (num(cx - 10 + i * 4), num(-1 + i * 0.4), num(-2.5 + i)),
                     stroke=lighter(RESCUER_HAIR, 0.35), stroke_width=0.7, stroke_opacity=0.5))
    # Ears, the nose tip and the lips sealed round the valve.
    for s in (-1, 1):
        svg.add(ellipse(cx + s * 18.4, 21, 2.2, 3.6, fill=c['shade'], stroke=c['line'], stroke_width=0.6))
    svg.add(ellipse(cx, 28.5, 2.6, 1.8, fill=c['shade']))
    svg.add(ellipse(cx, 34.2, 5, 3.2, fill='#c97f72', stroke='#8e4b40', stroke_width=0.7))
    svg.add(ellipse(cx, 34.6, 2.4, 1.6, fill='#4a2a24'))
    # Air going in.
    for s in (-1, 1):
        svg.add(path('M%s,%s q%s,1.5 %s,4' % (num(cx + s * 8), num(30.5), num(s * 1.5), num(s * 0.5)),
                     stroke='#2f80ed', stroke_width=1, stroke_linecap='round', stroke_opacity=0.85))
    svg.save(out, 'FACEMASKBLOW')


def draw_cuff(out, name, w, h, title, colour):
    svg = Svg(w, h, title)
    base, shade, edge = colour
    # The cuff wrapped round the upper arm: its ends bow with the arm's roundness.
    x0, x1 = 1, w - 1
    y0, y1 = 3, h - 7
    d = 'M%s,%s Q%s,%s %s,%s L%s,%s Q%s,%s %s,%s Z' % (
        num(x0), num(y0 + 2), num(w / 2), num(y0 - 2.5), num(x1), num(y0 + 2), num(x1), num(y1 - 1),
        num(w / 2), num(y1 + 3.5), num(x0), num(y1 - 1))
    svg.add(path(d, fill='#000000', fill_opacity=0.22, transform='translate(1 1.5)'))
    svg.add(path(d, fill=svg.linear(x0, 0, x1, 0, [(0, shade), (0.35, base), (0.65, base), (1, shade)]), stroke=edge,
                 stroke_width=1))
    # Stitching along the edges, the hook-and-loop flap and the artery mark.
    for yy, bow in ((y0 + 4.2, -2.4), (y1 - 3, 3)):
        svg.add(path('M%s,%s Q%s,%s %s,%s' % (num(x0 + 2), num(yy), num(w / 2), num(yy + bow), num(x1 - 2), num(yy)),
                     stroke='#ffffff', stroke_width=0.6, stroke_opacity=0.5, stroke_dasharray='1.5,1.2'))
    svg.add(path('M%s,%s L%s,%s' % (num(w * 0.66), num(y0 + 5), num(w * 0.66), num(y1 - 4)), stroke=edge,
                 stroke_width=0.8, stroke_opacity=0.7))
    ax, ay = w * 0.38, (y0 + y1) / 2
    svg.add(path('M%s,%s l3,-4.4 h-6 Z' % (num(ax), num(ay + 3)), fill='#ffffff', fill_opacity=0.9))
    svg.add(line(ax, ay - 1.4, ax, ay - 6.5, stroke='#ffffff', stroke_width=1, stroke_opacity=0.9))
    # The tube leaving at the bottom.
    tx = w * 0.38
    svg.add(path('M%s,%s Q%s,%s %s,%s' % (num(tx), num(y1 + 1.5), num(tx), num(h - 1.5), num(w - 3), num(h - 2)),
                 stroke='#1b1f22', stroke_width=2.4, stroke_linecap='round'))
    svg.add(path('M%s,%s Q%s,%s %s,%s' % (num(tx), num(y1 + 1.5), num(tx), num(h - 1.5), num(w - 3), num(h - 2)),
                 stroke='#5c656b', stroke_width=1, stroke_linecap='round'))
    svg.save(out, name)


def draw_airway(out):
    svg = Svg(12, 6, 'Open mouth')
    svg.add(ellipse(6, 3, 5.8, 2.9, fill='#6a2e2a'))
    svg.add(ellipse(6, 3.1, 4.9, 2.3, fill='#1a0a09'))
    svg.add(ellipse(6, 4.2, 2.6, 0.9, fill='#7a2f33', fill_opacity=0.8))
    svg.add(path('M2.2,2 Q6,0.6 9.8,2', stroke='#f3ece6', stroke_width=0.7, stroke_opacity=0.85, stroke_linecap='round'))
    svg.save(out, 'AIRWAY')


def draw_all(out):
    draw_pad(out, 'PADWHITE', 28, 31, PAD_WHITE, 'circle')
    draw_pad(out, 'PADRED', 29, 31, PAD_RED, 'triangle')
    draw_pad_side(out)
    draw_cable(out, 'CABLEWHITE', 230, 300, CABLE_WHITE)
    draw_cable(out, 'CABLERED', 150, 230, CABLE_RED)
    draw_cpr(out, 'CPRHAND2', 64, 56, 'Hands on the breastbone, adult')
    draw_cpr(out, 'CPRHAND', 56, 48, 'Hands on the breastbone, child')
    draw_pulse(out)
    draw_shake(out)
    draw_shout(out)
    draw_breathing(out)
    draw_bvm(out)
    draw_bvm_hand(out)
    draw_face_mask(out)
    draw_face_mask_blow(out)
    draw_cuff(out, 'BPCUFF', 30, 44, 'Blood pressure cuff, adult', ('#3c5a86', '#2c4469', '#1c2d47'))
    draw_cuff(out, 'BPCUFFSMALL', 26, 38, 'Blood pressure cuff, child', ('#4f86b8', '#3c6b95', '#284a69'))
    draw_airway(out)
