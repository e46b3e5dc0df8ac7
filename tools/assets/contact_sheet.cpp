// contact-sheet: renders the trainer's pictures to PNG files for a look at them.
//
//   contact-sheet [--scale N] [--dark] [--only A,B] OUT.png
//                                                every picture (or the ones named) with its name
//   contact-sheet --overlay [--scale N] OUT.png  the patients with the window's drop zones and
//                                                pad places drawn over them
//   contact-sheet --scene N [--scale N] OUT.png  patient N (1-4) with every picture that is laid
//                                                over a patient, each in its place
//   contact-sheet --window N [--dark] [--closed] OUT.png
//                                                the main window's picture area as a trainee sees
//                                                it: patient N, the opened trainer with its
//                                                buttons, LEDs and text, pads and cables (or the
//                                                closed case with the pads in their trays)

#include "assets/pictures.h"
#include "engine/layout.h"

#include <QDir>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRadialGradient>
#include <QStringList>
#include <QSvgRenderer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using defib::Rect;
using defib::assets::picturePath;
namespace face = defib::assets::face;

struct Options {
    enum class Mode { Sheet, Overlay, Scene, Window } mode = Mode::Sheet;
    int patient = 1;
    double scale = 1.0;
    bool dark = false;
    bool closed = false;
    QStringList only;
    QString out;
};

const QColor lightBackground(0xee, 0xf1, 0xf4);
const QColor darkBackground(0x26, 0x2a, 0x30);

QRectF toRectF(const Rect& r, double scale, QPointF origin = {})
{
    return {origin.x() + r.left * scale, origin.y() + r.top * scale, r.width * scale, r.height * scale};
}

bool drawPicture(QPainter& p, const QString& name, const QRectF& target)
{
    QSvgRenderer renderer(picturePath(name.toLatin1().constData()));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "contact-sheet: %s does not load\n", qPrintable(name));
        return false;
    }
    renderer.render(&p, target);
    return true;
}

QSize naturalSize(const QString& name)
{
    QSvgRenderer renderer(picturePath(name.toLatin1().constData()));
    return renderer.defaultSize();
}

QStringList allPictures()
{
    QStringList names;
    const QStringList files = QDir(QStringLiteral(":/pictures")).entryList({QStringLiteral("*.svg")}, QDir::Files);
    for (const QString& f : files)
        names << f.chopped(4);
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return names;
}

bool save(const QImage& image, const QString& out)
{
    if (!image.save(out)) {
        std::fprintf(stderr, "contact-sheet: cannot write %s\n", qPrintable(out));
        return false;
    }
    std::printf("wrote %s (%d x %d)\n", qPrintable(out), image.width(), image.height());
    return true;
}

// --- every picture -------------------------------------------------------------------------------

int sheet(const Options& o)
{
    QStringList names = allPictures();
    if (!o.only.isEmpty()) {
        names.erase(std::remove_if(names.begin(), names.end(), [&](const QString& n) { return !o.only.contains(n); }),
                    names.end());
    }
    if (names.isEmpty()) {
        std::fprintf(stderr, "contact-sheet: no pictures in the resource\n");
        return 1;
    }
    const int margin = 16, label = 30, minCell = 96, sheetWidth = int(1500 * std::max(1.0, o.scale / 1.5));
    struct Cell {
        QString name;
        QRect frame;
        QSize size;
    };
    std::vector<Cell> cells;
    const QFont labelFont(QStringLiteral("DejaVu Sans"), 8);
    const QFontMetrics labelMetrics(labelFont);
    int x = margin, y = margin + 34, rowHeight = 0;
    for (const QString& name : names) {
        const QSize size = naturalSize(name) * o.scale;
        const int w = std::max({size.width(), minCell, labelMetrics.horizontalAdvance(name) + 8});
        const int h = size.height() + label;
        if (x + w + margin > sheetWidth && x > margin) {
            x = margin;
            y += rowHeight + margin;
            rowHeight = 0;
        }
        cells.push_back({name, QRect(x, y, w, h), size});
        x += w + margin;
        rowHeight = std::max(rowHeight, h);
    }
    QImage image(sheetWidth, y + rowHeight + margin, QImage::Format_ARGB32_Premultiplied);
    const QColor background = o.dark ? darkBackground : lightBackground;
    const QColor ink = o.dark ? QColor(0xe8, 0xea, 0xed) : QColor(0x20, 0x24, 0x2a);
    image.fill(background);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(ink);
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 13, QFont::Bold));
    p.drawText(QPoint(margin, margin + 18),
               QStringLiteral("Defibrio pictures (%1, scale %2)").arg(names.size()).arg(o.scale));
    int failed = 0;
    p.setFont(labelFont);
    for (const Cell& c : cells) {
        const QRectF pic(c.frame.left() + (c.frame.width() - c.size.width()) / 2.0, c.frame.top(), c.size.width(),
                         c.size.height());
        p.setPen(QPen(ink.lighter(o.dark ? 60 : 300), 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(pic.adjusted(-0.5, -0.5, 0.5, 0.5));
        if (!drawPicture(p, c.name, pic))
            ++failed;
        p.setPen(ink);
        const QSize natural = naturalSize(c.name);
        p.drawText(QRectF(c.frame.left() - 8, pic.bottom() + 2, c.frame.width() + 16, label),
                   Qt::AlignHCenter | Qt::AlignTop,
                   QStringLiteral("%1\n%2 x %3").arg(c.name).arg(natural.width()).arg(natural.height()));
    }
    p.end();
    return save(image, o.out) && failed == 0 ? 0 : 1;
}

// --- the patients with the window's zones ---------------------------------------------------------

void outline(QPainter& p, const QRectF& r, const QColor& c, const QString& label, double scale)
{
    QColor fill = c;
    fill.setAlpha(40);
    p.setBrush(fill);
    p.setPen(QPen(c, 1.5));
    p.drawRect(r);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(int(std::max(8.0, 5.0 * scale)));
    p.setFont(f);
    p.setPen(c.darker(130));
    p.drawText(r.topLeft() + QPointF(2, f.pixelSize() + 1), label);
}

int overlay(const Options& o)
{
    const double s = o.scale;
    const int gap = 40;
    const int w = defib::patientPicture.width, h = defib::patientPicture.height;
    QImage image(int(4 * (w * s + gap) + gap), int(h * s + 2 * gap), QImage::Format_ARGB32_Premultiplied);
    image.fill(lightBackground);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor colours[]
        = {QColor(0x1e, 0x88, 0xe5), QColor(0xe5, 0x39, 0x35), QColor(0x43, 0xa0, 0x47), QColor(0x8e, 0x24, 0xaa),
           QColor(0xfb, 0x8c, 0x00), QColor(0x00, 0x89, 0x7b), QColor(0x6d, 0x4c, 0x41), QColor(0x39, 0x49, 0xab)};
    for (int i = 0; i < 4; ++i) {
        const QPointF origin(gap + i * (w * s + gap), gap);
        const QString name = QStringLiteral("Patient%1").arg(i + 1);
        p.setPen(Qt::black);
        p.setFont(QFont(QStringLiteral("DejaVu Sans"), 11, QFont::Bold));
        p.drawText(origin + QPointF(0, -12), name);
        drawPicture(p, name, QRectF(origin, QSizeF(w * s, h * s)));
        const defib::BodyLayout& b = defib::bodyLayouts[i];
        const std::pair<const char*, Rect> zones[] = {
            {"white", b.whiteZone}, {"red", b.redZone},  {"side", b.padSmall}, {"cpr", b.cprHands},
            {"pulse", b.pulseHand}, {"mouth", b.airway}, {"shake", b.shake},   {"breath", b.breathing},
            {"bvm", b.bvm},         {"bag", b.bvmHand},  {"mask", b.faceMask}, {"blow", b.faceMaskBlow},
            {"cuff", b.bpCuff},     {"torso", b.torso},
        };
        int c = 0;
        for (const auto& [label, r] : zones)
            outline(p, toRectF(r, s, origin), colours[c++ % 8], QString::fromLatin1(label), s);
        const defib::PadFit& fit = defib::padFits[i];
        const Rect pad{fit.left, fit.top, fit.whiteWidth, fit.whiteHeight};
        p.setOpacity(0.65);
        drawPicture(p, QStringLiteral("PADWHITE"), toRectF(pad, s, origin));
        p.setOpacity(1.0);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::black, 2, Qt::DashLine));
        p.drawRect(toRectF(pad, s, origin));
    }
    p.end();
    return save(image, o.out) ? 0 : 1;
}

// --- a patient with every picture laid over him -------------------------------------------------

Rect centredIn(const Rect& zone, int width, int height)
{
    return {zone.left + (zone.width - width) / 2, zone.top + (zone.height - height) / 2, width, height};
}

int scene(const Options& o)
{
    const int i = o.patient - 1;
    const bool child = i == 3;
    const defib::BodyLayout& b = defib::bodyLayouts[i];
    const defib::PadFit& fit = defib::padFits[i];
    struct Layer {
        const char* picture;
        Rect where;
    };
    struct Panel {
        const char* title;
        std::vector<Layer> layers;
    };
    const std::vector<Panel> panels = {
        {"bare", {}},
        {"pads",
         {{"PADWHITE", {fit.left, fit.top, fit.whiteWidth, fit.whiteHeight}},
          {"PADRED", centredIn(b.redZone, 29, 31)},
          {"PadSMALL", b.padSmall}}},
        {"compressions", {{child ? "CPRHAND" : "CPRHAND2", b.cprHands}}},
        {"shout, pulse", {{"SHOUT", {defib::shoutLeft, defib::shoutTop, 70, 40}}, {"PULSEHAND", b.pulseHand}}},
        {"shake", {{"SHAKE", b.shake}}},
        {"look, listen", {{"AIRWAY", b.airway}, {"BreathingCheck", b.breathing}}},
        {"bag-valve mask", {{"BVM", b.bvm}, {"BVMHAND", b.bvmHand}}},
        {"pocket mask", {{"FACEMASK", b.faceMask}, {"FACEMASKBLOW", b.faceMaskBlow}}},
        {"cuff", {{child ? "BPCUFFSMALL" : "BPCUFF", b.bpCuff}}},
        {"mouth open", {{"AIRWAY", b.airway}}},
    };
    const double s = o.scale;
    const int w = defib::patientPicture.width, h = defib::patientPicture.height;
    const int shown = 270; // the head and the chest: where the pictures land
    const int gap = 24, columns = 5;
    const int rows = int((panels.size() + columns - 1) / columns);
    QImage image(int(columns * (w * s + gap) + gap), int(rows * (shown * s + gap + 20) + gap),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(lightBackground);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (size_t k = 0; k < panels.size(); ++k) {
        const QPointF origin(gap + int(k % columns) * (w * s + gap),
                             gap + 20 + int(k / columns) * (shown * s + gap + 20));
        p.setClipRect(QRectF(origin, QSizeF(w * s, shown * s)));
        p.fillRect(QRectF(origin, QSizeF(w * s, shown * s)), QColor(0xdd, 0xe2, 0xe6));
        drawPicture(p, QStringLiteral("Patient%1").arg(o.patient), QRectF(origin, QSizeF(w * s, h * s)));
        for (const Layer& l : panels[k].layers)
            drawPicture(p, QString::fromLatin1(l.picture), toRectF(l.where, s, origin));
        p.setClipping(false);
        p.setPen(Qt::black);
        p.setFont(QFont(QStringLiteral("DejaVu Sans"), 10, QFont::Bold));
        p.drawText(origin + QPointF(0, -6), QString::fromLatin1(panels[k].title));
    }
    p.end();
    return save(image, o.out) ? 0 : 1;
}

// --- the window's picture area ------------------------------------------------------------------

void led(QPainter& p, QPointF centre, double r, QColor colour, bool lit)
{
    if (lit) {
        QRadialGradient glow(centre, r * 2.6);
        QColor halo = colour;
        halo.setAlpha(110);
        glow.setColorAt(0.0, halo);
        halo.setAlpha(0);
        glow.setColorAt(1.0, halo);
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(centre, r * 2.6, r * 2.6);
    }
    QRadialGradient body(centre - QPointF(r * 0.3, r * 0.3), r * 1.2);
    body.setColorAt(0.0, lit ? colour.lighter(170) : colour.darker(250));
    body.setColorAt(1.0, lit ? colour : colour.darker(400));
    p.setBrush(body);
    p.setPen(QPen(QColor(0, 0, 0, 150), 0.8));
    p.drawEllipse(centre, r, r);
}

int window(const Options& o)
{
    const int i = o.patient - 1;
    QImage image(defib::mainWindowWidth, defib::mainWindowHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(o.dark ? darkBackground : lightBackground);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF patient(defib::patientPicture.left, defib::patientPicture.top);
    drawPicture(p, QStringLiteral("Patient%1").arg(o.patient), toRectF(defib::patientPicture, 1));
    drawPicture(p, o.closed ? QStringLiteral("AED") : QStringLiteral("aed2"), toRectF(defib::devicePicture, 1));
    const QPointF device(defib::devicePicture.left, defib::devicePicture.top);
    if (o.closed) {
        const QRectF power(device + QPointF(face::powerButton.left, face::powerButton.top),
                           QSizeF(face::powerButton.width, face::powerButton.height));
        drawPicture(p, QStringLiteral("PowerButton"), power);
        drawPicture(p, QStringLiteral("PADWHITE"), toRectF(defib::whitePadTray, 1));
        drawPicture(p, QStringLiteral("PADRED"), toRectF(defib::redPadTray, 1));
        p.end();
        return save(image, o.out) ? 0 : 1;
    }

    const defib::BodyLayout& b = defib::bodyLayouts[i];
    const defib::PadFit& fit = defib::padFits[i];
    const QRectF white = toRectF({fit.left, fit.top, fit.whiteWidth, fit.whiteHeight}, 1, patient);
    const QRectF red = toRectF(centredIn(b.redZone, 29, 31), 1, patient);
    const QPointF socket = device + QPointF(face::socket.x, face::socket.y);
    // Cables laid with the plug's tip in the socket; the dashed lines show how far their pad ends
    // are from the pads' lead tabs.
    namespace a = defib::assets;
    const QPointF whiteOrigin = socket - QPointF(a::whiteCablePlug.x, a::whiteCablePlug.y);
    const QPointF redOrigin = socket - QPointF(a::redCablePlug.x, a::redCablePlug.y);
    drawPicture(p, QStringLiteral("CABLERED"), QRectF(redOrigin, QSizeF(150, 230)));
    drawPicture(p, QStringLiteral("CABLEWHITE"), QRectF(whiteOrigin, QSizeF(230, 300)));
    drawPicture(p, QStringLiteral("PADWHITE"), white);
    drawPicture(p, QStringLiteral("PADRED"), red);
    p.setPen(QPen(QColor(0, 0, 0, 120), 1, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    const QPointF lead(a::padLead.x, a::padLead.y);
    p.drawLine(white.topLeft() + lead, whiteOrigin + QPointF(a::whiteCablePad.x, a::whiteCablePad.y));
    p.drawLine(red.topLeft() + lead, redOrigin + QPointF(a::redCablePad.x, a::redCablePad.y));

    auto at = [&](const defib::assets::Box& box) {
        return QRectF(device + QPointF(box.left, box.top), QSizeF(box.width, box.height));
    };
    drawPicture(p, QStringLiteral("AnalyzeButton"), at(face::analyzeButton));
    drawPicture(p, QStringLiteral("ShockButton"), at(face::shockButton));
    drawPicture(p, QStringLiteral("LOWBATTERYINDICATOR"), at(face::lowBattery));
    led(p, device + QPointF(face::powerLed.x, face::powerLed.y), face::powerLed.radius, QColor(0x3d, 0xdc, 0x5a), true);
    led(p, device + QPointF(face::analyzeLed.x, face::analyzeLed.y), face::analyzeLed.radius, QColor(0xff, 0xc4, 0x1a),
        true);
    led(p, device + QPointF(face::shockLed.x, face::shockLed.y), face::shockLed.radius, QColor(0xff, 0x3b, 0x2f),
        false);

    // The two display lines, as the program lays them out.
    QFont f(QStringLiteral("DejaVu Sans Mono"));
    f.setPixelSize(15);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0xb8, 0xf5, 0xd0));
    const QRectF window = at(face::display);
    const QRectF line(defib::displayLeft, window.top() + 12, defib::displayWidth, 18);
    p.drawText(line, Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("CONNECT"));
    p.drawText(line.translated(0, 20), Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("ELECTRODES"));
    p.end();
    return save(image, o.out) ? 0 : 1;
}

int usage()
{
    std::fprintf(stderr,
                 "usage: contact-sheet [--overlay | --scene N | --window N] [--scale S] [--dark] [--closed] [--only "
                 "A,B] OUT.png\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Options o;
    const QStringList args = app.arguments().mid(1);
    for (int k = 0; k < args.size(); ++k) {
        const QString& a = args[k];
        auto next = [&]() -> QString { return k + 1 < args.size() ? args[++k] : QString(); };
        if (a == QLatin1String("--overlay")) {
            o.mode = Options::Mode::Overlay;
            o.scale = 2.0;
        } else if (a == QLatin1String("--scene") || a == QLatin1String("--window")) {
            o.mode = a == QLatin1String("--scene") ? Options::Mode::Scene : Options::Mode::Window;
            o.patient = next().toInt();
            if (o.patient < 1 || o.patient > 4)
                return usage();
            if (o.mode == Options::Mode::Scene)
                o.scale = 2.0;
        } else if (a == QLatin1String("--scale")) {
            o.scale = next().toDouble();
            if (o.scale <= 0)
                return usage();
        } else if (a == QLatin1String("--closed")) {
            o.closed = true;
        } else if (a == QLatin1String("--only")) {
            o.only = next().split(QLatin1Char(','), Qt::SkipEmptyParts);
        } else if (a == QLatin1String("--dark")) {
            o.dark = true;
        } else if (a.startsWith(QLatin1String("--")) || !o.out.isEmpty()) {
            return usage();
        } else {
            o.out = a;
        }
    }
    if (o.out.isEmpty())
        return usage();
    switch (o.mode) {
    case Options::Mode::Sheet:
        return sheet(o);
    case Options::Mode::Overlay:
        return overlay(o);
    case Options::Mode::Scene:
        return scene(o);
    case Options::Mode::Window:
        return window(o);
    }
    return 1;
}
