"""A small SVG writer for the trainer's pictures.

Only what Qt's SVG renderer (SVG Tiny 1.2) draws is used: paths and basic shapes, linear and
radial gradients, opacity, groups with transforms and plain text. No clip paths, masks or
filters.
"""

import math
import os


def num(v):
    s = '%.2f' % v
    s = s.rstrip('0').rstrip('.')
    return '0' if s in ('-0', '') else s


def attrs(kw):
    out = []
    for k, v in kw.items():
        if v is None:
            continue
        k = k.rstrip('_').replace('_', '-')
        if isinstance(v, float):
            v = num(v)
        out.append('%s="%s"' % (k, v))
    return (' ' + ' '.join(out)) if out else ''


def path(d, **kw):
    kw.setdefault('fill', 'none')
    return '<path d="%s"%s/>' % (d, attrs(kw))


def rect(x, y, w, h, rx=0, **kw):
    return '<rect x="%s" y="%s" width="%s" height="%s"%s%s/>' % (
        num(x), num(y), num(w), num(h), (' rx="%s"' % num(rx)) if rx else '', attrs(kw))


def circle(cx, cy, r, **kw):
    return '<circle cx="%s" cy="%s" r="%s"%s/>' % (num(cx), num(cy), num(r), attrs(kw))


def ellipse(cx, cy, rx, ry, **kw):
    return '<ellipse cx="%s" cy="%s" rx="%s" ry="%s"%s/>' % (num(cx), num(cy), num(rx), num(ry), attrs(kw))


def line(x1, y1, x2, y2, **kw):
    return '<line x1="%s" y1="%s" x2="%s" y2="%s"%s/>' % (num(x1), num(y1), num(x2), num(y2), attrs(kw))


def text(x, y, s, size, **kw):
    kw.setdefault('font_family', 'DejaVu Sans, Verdana, Arial, sans-serif')
    s = s.replace('&', '&amp;').replace('<', '&lt;')
    return '<text x="%s" y="%s" font-size="%s"%s>%s</text>' % (num(x), num(y), num(size), attrs(kw), s)


def group(items, **kw):
    return '<g%s>\n%s\n</g>' % (attrs(kw), '\n'.join(items))


# --- paths ---------------------------------------------------------------------------------------

def _pt(p):
    return p[0], p[1]


def smooth(points, closed=True, tension=1.0):
    """A Catmull-Rom curve through the points, as cubic Beziers. A point given as (x, y, 'c')
    is a corner: the curve meets it without smoothing."""
    pts = list(points)
    n = len(pts)
    if n < 2:
        return ''
    d = ['M%s,%s' % (num(pts[0][0]), num(pts[0][1]))]
    last = n if closed else n - 1
    for i in range(last):
        p0 = pts[(i - 1) % n] if (closed or i > 0) else pts[i]
        p1 = pts[i]
        p2 = pts[(i + 1) % n]
        p3 = pts[(i + 2) % n] if (closed or i + 2 < n) else pts[(i + 1) % n]
        t = tension / 6.0
        if len(p1) > 2:
            c1 = _pt(p1)
        else:
            c1 = (p1[0] + (p2[0] - p0[0]) * t, p1[1] + (p2[1] - p0[1]) * t)
        if len(p2) > 2:
            c2 = _pt(p2)
        else:
            c2 = (p2[0] - (p3[0] - p1[0]) * t, p2[1] - (p3[1] - p1[1]) * t)
        d.append('C%s,%s %s,%s %s,%s' % (num(c1[0]), num(c1[1]), num(c2[0]), num(c2[1]), num(p2[0]), num(p2[1])))
    if closed:
        d.append('Z')
    return ' '.join(d)


def poly(points, closed=True):
    d = 'M' + ' L'.join('%s,%s' % (num(x), num(y)) for x, y, *_ in points)
    return d + (' Z' if closed else '')


def area(points):
    a = 0.0
    for i in range(len(points)):
        x1, y1 = points[i][0], points[i][1]
        x2, y2 = points[(i + 1) % len(points)][0], points[(i + 1) % len(points)][1]
        a += x1 * y2 - x2 * y1
    return a / 2


def clockwise(points):
    """The points in clockwise order (on screen), so that shapes joined in one path add up."""
    return list(points) if area(points) > 0 else list(reversed(points))


def mirror(points, cx):
    return [(2 * cx - p[0], p[1]) + tuple(p[2:]) for p in reversed(points)]


def translate(points, dx, dy):
    return [(p[0] + dx, p[1] + dy) + tuple(p[2:]) for p in points]


def rotate(points, deg, ox, oy):
    a = math.radians(deg)
    c, s = math.cos(a), math.sin(a)
    return [(ox + (p[0] - ox) * c - (p[1] - oy) * s, oy + (p[0] - ox) * s + (p[1] - oy) * c) + tuple(p[2:])
            for p in points]


# --- colours -------------------------------------------------------------------------------------

def rgb(c):
    c = c.lstrip('#')
    return tuple(int(c[i:i + 2], 16) for i in (0, 2, 4))


def hexc(t):
    return '#%02x%02x%02x' % tuple(max(0, min(255, int(round(v)))) for v in t)


def mix(a, b, t):
    a, b = rgb(a), rgb(b)
    return hexc(tuple(a[i] + (b[i] - a[i]) * t for i in range(3)))


def darker(c, t):
    return mix(c, '#000000', t)


def lighter(c, t):
    return mix(c, '#ffffff', t)


# --- the document --------------------------------------------------------------------------------

class Svg:
    def __init__(self, width, height, title):
        self.width = width
        self.height = height
        self.title = title
        self.defs = []
        self.items = []
        self.count = 0

    def uid(self, prefix):
        self.count += 1
        return '%s%d' % (prefix, self.count)

    def _stops(self, stops):
        out = []
        for s in stops:
            off, colour = s[0], s[1]
            op = s[2] if len(s) > 2 else 1
            out.append('<stop offset="%s" stop-color="%s"%s/>' % (
                num(off), colour, '' if op == 1 else ' stop-opacity="%s"' % num(op)))
        return ''.join(out)

    def linear(self, x1, y1, x2, y2, stops):
        gid = self.uid('l')
        self.defs.append('<linearGradient id="%s" gradientUnits="userSpaceOnUse" x1="%s" y1="%s" x2="%s" y2="%s">%s'
                         '</linearGradient>' % (gid, num(x1), num(y1), num(x2), num(y2), self._stops(stops)))
        return 'url(#%s)' % gid

    def radial(self, cx, cy, r, stops, fx=None, fy=None, transform=None):
        gid = self.uid('r')
        extra = ''
        if fx is not None:
            extra += ' fx="%s" fy="%s"' % (num(fx), num(fy))
        if transform:
            extra += ' gradientTransform="%s"' % transform
        self.defs.append('<radialGradient id="%s" gradientUnits="userSpaceOnUse" cx="%s" cy="%s" r="%s"%s>%s'
                         '</radialGradient>' % (gid, num(cx), num(cy), num(r), extra, self._stops(stops)))
        return 'url(#%s)' % gid

    def add(self, *items):
        for i in items:
            if isinstance(i, (list, tuple)):
                self.items.extend(i)
            else:
                self.items.append(i)

    def render(self):
        head = ('<?xml version="1.0" encoding="UTF-8"?>\n'
                '<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
                'width="%d" height="%d" viewBox="0 0 %d %d">\n<title>%s</title>\n'
                % (self.width, self.height, self.width, self.height, self.title))
        defs = ('<defs>\n%s\n</defs>\n' % '\n'.join(self.defs)) if self.defs else ''
        return head + defs + '\n'.join(self.items) + '\n</svg>\n'

    def save(self, folder, name):
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, name + '.svg'), 'w', encoding='utf-8') as f:
            f.write(self.render())
