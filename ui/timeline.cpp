#include "ui/timeline.h"
#include "ui/language.h"

#include <QEvent>
#include <QFile>
#include <QHelpEvent>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QToolTip>
#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

namespace defib::ui {

QString actionLabel(const std::string& handler)
{
    static const std::map<std::string, const char*> labels = {
        {"PowerButtonClick", QT_TRANSLATE_NOOP("Debrief", "Power")},
        {"POWERBUTTON2Click", QT_TRANSLATE_NOOP("Debrief", "Power")},
        {"AnalyzeButtonClick", QT_TRANSLATE_NOOP("Debrief", "Analyze")},
        {"analyzeNow", QT_TRANSLATE_NOOP("Debrief", "Analyze")},
        {"SHOCKButtonClick", QT_TRANSLATE_NOOP("Debrief", "Shock")},
        {"Clearbutton1Click", QT_TRANSLATE_NOOP("Debrief", "Clear")},
        {"StartCPRMenuItemClick", QT_TRANSLATE_NOOP("Debrief", "CPR")},
        {"StopCPRMenuItemClick", QT_TRANSLATE_NOOP("Debrief", "Stop CPR")},
        {"PulseButtonClick", QT_TRANSLATE_NOOP("Debrief", "Pulse")},
        {"ABCsCirculationMenuItemClick", QT_TRANSLATE_NOOP("Debrief", "Pulse")},
        {"BPButtonClick", QT_TRANSLATE_NOOP("Debrief", "BP")},
        {"VOICEButtonClick", QT_TRANSLATE_NOOP("Debrief", "Voice")},
        {"AllABCsmenuItemClick", QT_TRANSLATE_NOOP("Debrief", "ABCs")},
        {"ABCsResponsivenessMenuItemClick", QT_TRANSLATE_NOOP("Debrief", "Response")},
        {"ABCsAirwayMenuItemClick", QT_TRANSLATE_NOOP("Debrief", "Airway")},
        {"ABCsBreathingMenuItemClick", QT_TRANSLATE_NOOP("Debrief", "Breath")},
        {"ABCsVentilationMenuItemClick", QT_TRANSLATE_NOOP("Debrief", "Ventilate")},
        {"PADWhiteZoneDragDrop", QT_TRANSLATE_NOOP("Debrief", "White pad")},
        {"PADRedZONEDragDrop", QT_TRANSLATE_NOOP("Debrief", "Red pad")},
        {"PATIENTTorsoZONEDragDrop", QT_TRANSLATE_NOOP("Debrief", "Pad")},
        {"TroubleElectrodeMenuItemClick", QT_TRANSLATE_NOOP("Debrief", "Electrode")},
        {"TroubleBatteryMenuItemClick", QT_TRANSLATE_NOOP("Debrief", "Battery")},
        {"TroubleMOTIONMenuItemClick", QT_TRANSLATE_NOOP("Debrief", "Motion")},
        {"AdviceClick", QT_TRANSLATE_NOOP("Debrief", "Advice")},
        {"PatientHistoryClick", QT_TRANSLATE_NOOP("Debrief", "History")},
        // Presses that open a menu or pick up a pad: the choice and the drop follow on their own.
        {"CPRButtonClick", ""},
        {"ABCsButtonClick", ""},
        {"TROUBLEShootButtonClick", ""},
        {"PADREDStartDrag", ""},
        {"PADWHITEStartDrag", ""},
        {"PADRedZONEMouseDown", ""},
        {"CABLEREDMouseDown", ""},
    };
    const auto found = labels.find(handler);
    if (found != labels.end())
        return *found->second ? Debrief::tr(found->second) : QString();
    return QString::fromStdString(handler);
}

QString clockOf(long long ms, bool tenths)
{
    if (ms < 0)
        return QStringLiteral("—");
    const long long seconds = ms / 1000;
    QString text = QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
    if (tenths)
        text += QStringLiteral(".%1").arg((ms % 1000) / 100);
    return text;
}

namespace {

QString secondsOf(long long ms)
{
    if (ms < 0)
        return QStringLiteral("—");
    if (ms >= 60000)
        return clockOf(ms, true) + Debrief::tr(" min");
    return Debrief::tr("%1.%2 s").arg(ms / 1000).arg((ms % 1000) / 100);
}

// Colours that read on a light and on a dark window alike.
const QColor cprColour(46, 160, 90);
const QColor chargingColour(230, 160, 20);
const QColor armedColour(215, 50, 50);
const QColor penaltyColour(214, 39, 40);
const QColor boltColour(255, 200, 0);
// The instructor's commands: a violet no lane of the trainee or the trainer uses.
const QColor instructorColour(130, 70, 200);

struct Scale {
    double left;
    double width;
    double total;
    double x(Millis at) const { return left + width * std::clamp(static_cast<double>(at.count()) / total, 0.0, 1.0); }
};

QColor withAlpha(QColor colour, int alpha)
{
    colour.setAlpha(alpha);
    return colour;
}

void drawBolt(QPainter& p, QPointF top, double height, const QColor& outline, const QColor& fill)
{
    const double w = height * 0.45;
    QPainterPath bolt;
    bolt.moveTo(top + QPointF(w * 0.15, 0));
    bolt.lineTo(top + QPointF(-w * 0.45, height * 0.55));
    bolt.lineTo(top + QPointF(-w * 0.02, height * 0.55));
    bolt.lineTo(top + QPointF(-w * 0.2, height));
    bolt.lineTo(top + QPointF(w * 0.45, height * 0.38));
    bolt.lineTo(top + QPointF(w * 0.02, height * 0.38));
    bolt.closeSubpath();
    p.setPen(QPen(outline, 1));
    p.setBrush(fill);
    p.drawPath(bolt);
}

void drawPenaltyMarker(QPainter& p, QPointF tip, double size, int number, const QColor& outline)
{
    QPolygonF triangle;
    triangle << tip << tip + QPointF(-size / 2, -size) << tip + QPointF(size / 2, -size);
    p.setPen(QPen(outline, 1));
    p.setBrush(penaltyColour);
    p.drawPolygon(triangle);
    QFont small = p.font();
    small.setPixelSize(std::max(6, static_cast<int>(size * 0.55)));
    small.setBold(true);
    p.save();
    p.setFont(small);
    p.setPen(Qt::white);
    p.drawText(QRectF(tip.x() - size / 2, tip.y() - size, size, size * 0.7), Qt::AlignCenter, QString::number(number));
    p.restore();
}

// Every "a to b" stretch of one kind of state: the screen's texts, the charge.
struct Stretch {
    Millis from;
    Millis to;
    QString text;
};

std::vector<Stretch> stretches(const std::vector<Event>& events, EventKind kind, Millis end)
{
    std::vector<Stretch> out;
    for (const Event& e : events) {
        if (e.kind != kind)
            continue;
        if (!out.empty() && out.back().to < Millis{0})
            out.back().to = e.at;
        out.push_back({e.at, Millis{-1}, QString::fromStdString(e.text)});
    }
    if (!out.empty() && out.back().to < Millis{0})
        out.back().to = end;
    return out;
}

int tickStep(double pixelsPerSecond, double labelWidth)
{
    for (int step : {5, 10, 15, 30, 60, 120, 300, 600, 1200})
        if (step * pixelsPerSecond >= labelWidth * 1.6)
            return step;
    return 1800;
}

// What every part of the picture is drawn with: the painter and its colours, the line height of
// its font, the plot with its lanes and time scale, and where the hover areas go.
struct TimelinePaint {
    QPainter& p;
    const std::vector<Event>& events;
    const QPalette& palette;
    std::vector<TimelineHit>* hits;
    QColor ink;
    QColor faint;
    QFontMetricsF fm;
    double line;
    Millis end;
    double labelWidth = 0;
    QRectF plot{};
    Scale scale{};
    double unit = 0;
    // Lanes, top to bottom: the trainee, the trainer (display and charge), CPR, the score.
    QRectF trainee{};
    QRectF trainer{};
    QRectF cpr{};
    QRectF score{};

    void hit(const QRectF& r, const QString& text) const
    {
        if (hits)
            hits->push_back({r, text});
    }
};

// Lays the plot and its lanes out in `area`; false when it is too small to draw in.
bool layOut(TimelinePaint& t, const QRectF& area)
{
    const QFontMetricsF& fm = t.fm;
    const double line = t.line;
    t.labelWidth = std::max({fm.horizontalAdvance(Debrief::tr("Trainee")), fm.horizontalAdvance(Debrief::tr("Trainer")),
                             fm.horizontalAdvance(Debrief::tr("CPR")), fm.horizontalAdvance(Debrief::tr("Score"))})
        + line * 0.8;
    const double axisHeight = line * 1.5;
    t.plot = QRectF(area.left() + t.labelWidth, area.top() + line * 0.3, area.width() - t.labelWidth - line * 0.8,
                    area.height() - axisHeight - line * 0.3);
    const QRectF& plot = t.plot;
    if (plot.width() < 10 || plot.height() < 10)
        return false;
    t.scale = Scale{plot.left(), plot.width(), std::max(1000.0, static_cast<double>(t.end.count()))};
    t.unit = plot.height() / 7.0;
    t.trainee = QRectF(plot.left(), plot.top(), plot.width(), t.unit * 1.6);
    t.trainer = QRectF(plot.left(), t.trainee.bottom(), plot.width(), t.unit * 1.8);
    t.cpr = QRectF(plot.left(), t.trainer.bottom(), plot.width(), t.unit * 1.1);
    t.score = QRectF(plot.left(), t.cpr.bottom(), plot.width(), plot.bottom() - t.cpr.bottom());
    return true;
}

// The lanes' names on the left and a faint line under each.
void drawLanes(TimelinePaint& t, const QRectF& area)
{
    QPainter& p = t.p;
    p.setPen(t.ink);
    for (auto [lane, name] :
         {std::pair{t.trainee, Debrief::tr("Trainee")}, std::pair{t.trainer, Debrief::tr("Trainer")},
          std::pair{t.cpr, Debrief::tr("CPR")}, std::pair{t.score, Debrief::tr("Score")}}) {
        p.drawText(QRectF(area.left() + t.line * 0.3, lane.top(), t.labelWidth, lane.height()),
                   Qt::AlignVCenter | Qt::AlignLeft, name);
        p.setPen(QPen(t.faint, 1));
        p.drawLine(QPointF(t.plot.left(), lane.bottom()), QPointF(t.plot.right(), lane.bottom()));
        p.setPen(t.ink);
    }
}

// Time axis with a tick every few seconds, so that its labels never touch.
void drawTimeAxis(TimelinePaint& t)
{
    QPainter& p = t.p;
    const QRectF& plot = t.plot;
    const double perSecond = plot.width() * 1000.0 / t.scale.total;
    const int step = tickStep(perSecond, t.fm.horizontalAdvance(QStringLiteral("00:00")));
    for (int second = 0; second * 1000.0 <= t.scale.total; second += step) {
        const double x = t.scale.x(Millis(second * 1000LL));
        p.setPen(QPen(t.faint, 1, Qt::DotLine));
        p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        p.setPen(t.ink);
        p.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + t.line * 0.3));
        const QString label = clockOf(second * 1000LL);
        const double w = t.fm.horizontalAdvance(label);
        p.drawText(QRectF(std::min(x - w / 2, plot.right() - w), plot.bottom() + t.line * 0.3, w + 2, t.line),
                   Qt::AlignLeft | Qt::AlignTop, label);
    }
}

// A hands-off gap of the CPR lane, hatched, with its length where it fits.
void drawHandsOff(TimelinePaint& t, const QRectF& cprBar, Millis from, Millis to)
{
    if (to <= from)
        return;
    const QRectF r(t.scale.x(from), cprBar.top(), t.scale.x(to) - t.scale.x(from), cprBar.height());
    t.p.fillRect(r, QBrush(withAlpha(armedColour, 150), Qt::BDiagPattern));
    const QString seconds = secondsOf((to - from).count());
    if (t.fm.horizontalAdvance(seconds) + 4 < r.width()) {
        t.p.setPen(t.ink);
        t.p.drawText(r, Qt::AlignCenter, seconds);
    }
    t.hit(r,
          Debrief::tr("Hands off the chest for %1 (%2 to %3)")
              .arg(secondsOf((to - from).count()), clockOf(from.count(), true), clockOf(to.count(), true)));
}

// CPR: the hands on the chest shaded, the hands-off gaps after the first CPR start hatched.
void drawCpr(TimelinePaint& t)
{
    const Millis judged = judgedUntil(t.events);
    const std::vector<Span> spans = cprSpans(t.events, t.end);
    const QRectF cprBar = t.cpr.adjusted(0, t.cpr.height() * 0.15, 0, -t.cpr.height() * 0.15);
    if (spans.empty())
        return;
    Millis off = spans.front().from;
    for (const Span& span : spans) {
        drawHandsOff(t, cprBar, off, std::min(span.from, judged));
        const QRectF r(t.scale.x(span.from), cprBar.top(), std::max(1.0, t.scale.x(span.to) - t.scale.x(span.from)),
                       cprBar.height());
        t.p.fillRect(r, withAlpha(cprColour, 200));
        t.hit(r, Debrief::tr("CPR %1 to %2").arg(clockOf(span.from.count(), true), clockOf(span.to.count(), true)));
        off = span.to;
    }
    drawHandsOff(t, cprBar, off, judged);
}

// The trainer: its lower display line as spans, its prompts as ticks along the top, the charge
// below.
void drawTrainer(TimelinePaint& t)
{
    QPainter& p = t.p;
    const QRectF& trainer = t.trainer;
    const QRectF screenRow(trainer.left(), trainer.top() + trainer.height() * 0.18, trainer.width(),
                           trainer.height() * 0.45);
    const QRectF chargeRow(trainer.left(), screenRow.bottom() + trainer.height() * 0.06, trainer.width(),
                           trainer.height() * 0.25);
    bool shade = false;
    for (const Stretch& s : stretches(t.events, EventKind::Screen, t.end)) {
        if (s.text.trimmed().isEmpty())
            continue;
        const QRectF r(t.scale.x(s.from), screenRow.top(), std::max(1.0, t.scale.x(s.to) - t.scale.x(s.from)),
                       screenRow.height());
        p.fillRect(r, withAlpha(t.palette.color(QPalette::Highlight), shade ? 70 : 120));
        shade = !shade;
        if (t.fm.horizontalAdvance(s.text) + 4 < r.width()) {
            p.setPen(t.ink);
            p.drawText(r, Qt::AlignCenter, s.text);
        }
        t.hit(r, QStringLiteral("%1  %2").arg(clockOf(s.from.count(), true), s.text));
    }
    for (const Stretch& s : stretches(t.events, EventKind::Charge, t.end)) {
        if (s.text == QLatin1String("none"))
            continue;
        const bool armed = s.text == QLatin1String("armed");
        const QRectF r(t.scale.x(s.from), chargeRow.top(), std::max(1.0, t.scale.x(s.to) - t.scale.x(s.from)),
                       chargeRow.height());
        p.fillRect(r, armed ? withAlpha(armedColour, 210) : QBrush(chargingColour, Qt::Dense3Pattern));
        t.hit(r,
              QStringLiteral("%1 %2 to %3")
                  .arg(armed ? Debrief::tr("Armed") : Debrief::tr("Charging"), clockOf(s.from.count(), true),
                       clockOf(s.to.count(), true)));
    }
    p.setPen(QPen(t.ink, 1));
    for (const Event& e : t.events) {
        if (e.kind != EventKind::Prompt)
            continue;
        const double x = t.scale.x(e.at);
        p.drawLine(QPointF(x, trainer.top() + 1), QPointF(x, screenRow.top() - 1));
    }
}

// The trainee's actions: a tick and a word, on two rows so that neighbours rarely collide; a word
// with no room is left to the hover.
void drawActions(TimelinePaint& t)
{
    QPainter& p = t.p;
    const QRectF& trainee = t.trainee;
    double rowEnd[2] = {-1e9, -1e9};
    int row = 0;
    for (const Event& e : t.events) {
        if (e.kind != EventKind::Action)
            continue;
        const QString label = actionLabel(e.text);
        if (label.isEmpty())
            continue;
        const double x = t.scale.x(e.at);
        p.setPen(QPen(t.ink, 1.5));
        p.drawLine(QPointF(x, trainee.bottom() - t.unit * 0.35), QPointF(x, trainee.bottom()));
        const double w = t.fm.horizontalAdvance(label);
        const double top = trainee.top() + (row == 0 ? 0 : t.line);
        // Centred on its tick, but kept inside the picture.
        const double left = std::clamp(x - w / 2, t.plot.left() + 1, t.plot.right() - w - 1);
        if (left > rowEnd[row] + 3) {
            p.setPen(t.ink);
            p.drawText(QRectF(left, top, w + 1, t.line), Qt::AlignCenter, label);
            rowEnd[row] = left + w;
        }
        t.hit(QRectF(x - 4, trainee.top(), 8, trainee.height()),
              QStringLiteral("%1  %2").arg(clockOf(e.at.count(), true), label));
        row = 1 - row;
    }
}

// Where a penalty lies on the score line, and its event.
using PenaltyPoint = std::pair<QPointF, const Event*>;

// The score as a line from 0 between the lowest and the highest score reached, its highest
// written at the top; the penalties are where the line drops by one. `markerSize` is left free
// above the line for the penalties' markers.
std::vector<PenaltyPoint> drawScoreLine(TimelinePaint& t, double markerSize)
{
    QPainter& p = t.p;
    int lowest = 0;
    int highest = 0;
    int running = 0;
    for (const Event& e : t.events) {
        if (e.kind != EventKind::Score)
            continue;
        running += e.amount;
        lowest = std::min(lowest, running);
        highest = std::max(highest, running);
    }
    const QRectF scorePlot = t.score.adjusted(0, markerSize + 2, 0, -t.line * 0.3);
    auto yOf = [&](int value) {
        const double range = std::max(1, highest - lowest);
        return scorePlot.bottom() - (value - lowest) / range * scorePlot.height();
    };
    p.setPen(QPen(t.faint, 1, Qt::DashLine));
    p.drawLine(QPointF(t.plot.left(), yOf(0)), QPointF(t.plot.right(), yOf(0)));
    p.setPen(t.ink);
    p.drawText(QRectF(t.plot.left() + 2, scorePlot.top() - markerSize, 200, t.line), Qt::AlignLeft | Qt::AlignTop,
               QString::number(highest));
    QPolygonF curve;
    running = 0;
    curve << QPointF(t.scale.x(Millis{0}), yOf(0));
    std::vector<PenaltyPoint> penalties;
    for (const Event& e : t.events) {
        if (e.kind != EventKind::Score)
            continue;
        const double x = t.scale.x(e.at);
        curve << QPointF(x, yOf(running));
        running += e.amount;
        curve << QPointF(x, yOf(running));
        if (e.amount < 0)
            penalties.emplace_back(QPointF(x, yOf(running)), &e);
    }
    curve << QPointF(t.scale.x(t.end), yOf(running));
    p.setPen(QPen(t.palette.color(QPalette::Link), 2));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(curve);
    return penalties;
}

// The markers stand in a row along the top of the lane, each over its moment and joined to the
// line by a thin stem; markers of one moment stand side by side.
void drawPenaltyMarkers(TimelinePaint& t, const std::vector<PenaltyPoint>& penalties, double markerSize)
{
    const QRectF& plot = t.plot;
    std::vector<double> xs;
    for (const auto& penalty : penalties) {
        double x = std::max(penalty.first.x(), plot.left() + markerSize / 2);
        if (!xs.empty())
            x = std::max(x, xs.back() + markerSize * 1.05);
        xs.push_back(x);
    }
    if (!xs.empty() && xs.back() > plot.right() - markerSize / 2) {
        xs.back() = plot.right() - markerSize / 2;
        for (std::size_t i = xs.size() - 1; i-- > 0;)
            xs[i] = std::min(xs[i], xs[i + 1] - markerSize * 1.05);
    }
    for (std::size_t i = 0; i < penalties.size(); ++i) {
        const auto& [at, e] = penalties[i];
        const QPointF tip(xs[i], t.score.top() + markerSize + 1);
        t.p.setPen(QPen(penaltyColour, 1, Qt::DotLine));
        t.p.drawLine(QPointF(tip.x(), tip.y()), at);
        drawPenaltyMarker(t.p, tip, markerSize, static_cast<int>(i + 1), t.ink);
        t.hit(QRectF(tip.x() - markerSize / 2, tip.y() - markerSize, markerSize, markerSize),
              QStringLiteral("%1.  %2  %3")
                  .arg(static_cast<int>(i + 1))
                  .arg(clockOf(e->at.count(), true), QString::fromStdString(e->text)));
    }
}

// The score as a line, each penalty a numbered red triangle on it.
void drawScore(TimelinePaint& t)
{
    const double markerSize = std::min(t.line * 1.3, t.score.height() * 0.4);
    drawPenaltyMarkers(t, drawScoreLine(t, markerSize), markerSize);
}

// A shock as a bolt over the trainer and CPR lanes. The shock to a patient not cleared is red,
// and says so: it ended the scenario.
void drawShock(TimelinePaint& t, const Event& e, double x)
{
    QPainter& p = t.p;
    const QRectF& trainer = t.trainer;
    const bool fatal = e.text == notClearedShock;
    const QColor fill = fatal ? penaltyColour : boltColour;
    p.setPen(QPen(withAlpha(fill.darker(140), 200), 1.5, Qt::DashLine));
    p.drawLine(QPointF(x, trainer.top()), QPointF(x, t.cpr.bottom()));
    const double h = std::min(trainer.height() * 0.9, t.line * 2.0);
    drawBolt(p, QPointF(x, trainer.top() + (trainer.height() - h) / 2), h, t.ink, fill);
    if (fatal) {
        const QString word = Debrief::tr("fatal");
        const double w = t.fm.horizontalAdvance(word) + 2;
        const double left = x + h / 3 + w > t.plot.right() ? x - h / 3 - w : x + h / 3;
        p.setPen(penaltyColour);
        p.drawText(QRectF(left, trainer.top(), w, t.line), Qt::AlignLeft, word);
    }
    t.hit(QRectF(x - h / 3, trainer.top(), h * 2 / 3, trainer.height()),
          fatal ? Debrief::tr("%1  Fatal shock: the patient was not cleared").arg(clockOf(e.at.count(), true))
                : Debrief::tr("%1  Shock %2").arg(clockOf(e.at.count(), true), QString::fromStdString(e.text)));
}

// The conversion or a time-out as a line across the picture with its word beside it.
void drawOutcome(TimelinePaint& t, const Event& e, double x)
{
    QPainter& p = t.p;
    const QRectF& plot = t.plot;
    const bool convert = e.kind == EventKind::Convert;
    p.setPen(QPen(convert ? cprColour : armedColour, 2, Qt::DashDotLine));
    p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    const QString word = convert ? Debrief::tr("pulse") : Debrief::tr("time-out");
    p.setPen(t.ink);
    const double w = t.fm.horizontalAdvance(word) + 2;
    // Beside the line, on its left where the picture ends.
    const double left = x + 3 + w > plot.right() ? x - 3 - w : x + 3;
    p.drawText(QRectF(left, plot.bottom() - t.line * 1.1, w, t.line), Qt::AlignLeft, word);
    t.hit(QRectF(x - 4, plot.top(), 8, plot.height()),
          QStringLiteral("%1  %2").arg(clockOf(e.at.count(), true),
                                       convert ? Debrief::tr("The rhythm converts: the patient has a pulse")
                                               : QString::fromStdString(eventText(installedCatalogue(), e))));
}

// A pause as the two bars of a pause sign at the foot of the picture.
void drawPause(TimelinePaint& t, const Event& e, double x)
{
    QPainter& p = t.p;
    const QRectF& plot = t.plot;
    p.setPen(Qt::NoPen);
    p.setBrush(t.ink);
    const double h = t.line * 0.6;
    p.drawRect(QRectF(x - h * 0.35, plot.bottom() - h - 2, h * 0.25, h));
    p.drawRect(QRectF(x + h * 0.1, plot.bottom() - h - 2, h * 0.25, h));
    t.hit(QRectF(x - h, plot.bottom() - h - 2, 2 * h, h), Debrief::tr("%1  Paused").arg(clockOf(e.at.count())));
}

// What the instructor's console did, as the debrief tells it.
QString instructorText(const std::string& text)
{
    const QString said = QString::fromStdString(text);
    if (text == "pause")
        return Debrief::tr("The instructor paused the scenario");
    if (text == "resume")
        return Debrief::tr("The instructor resumed the scenario");
    if (text == "end")
        return Debrief::tr("The instructor ended the scenario");
    if (text == "next-frame")
        return Debrief::tr("The instructor moved the scenario on to its next frame");
    if (text == "trouble electrode now")
        return Debrief::tr("The instructor loosened a pad");
    if (text == "trouble battery now")
        return Debrief::tr("The instructor ran the battery low");
    if (text == "trouble motion now")
        return Debrief::tr("The instructor brought motion into the analysis");
    if (text == "trouble electrode next-analysis")
        return Debrief::tr("The instructor set a loose pad for the next analysis");
    if (text == "trouble battery next-analysis")
        return Debrief::tr("The instructor set a low battery for the next analysis");
    if (text == "trouble motion next-analysis")
        return Debrief::tr("The instructor set motion for the next analysis");
    if (said.startsWith(QLatin1String("message ")))
        return Debrief::tr("The instructor's message: %1").arg(said.mid(8));
    return Debrief::tr("The instructor: %1").arg(said);
}

// What the instructor did as a small flag hanging from the top of the picture.
void drawInstructor(TimelinePaint& t, const Event& e, double x)
{
    QPainter& p = t.p;
    const QRectF& plot = t.plot;
    const double h = t.line * 0.55;
    p.setPen(QPen(instructorColour, 1));
    p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.top() + h * 1.6));
    p.setPen(Qt::NoPen);
    p.setBrush(instructorColour);
    const QPointF flag[] = {{x, plot.top()}, {x + h, plot.top() + h * 0.4}, {x, plot.top() + h * 0.8}};
    p.drawPolygon(flag, 3);
    t.hit(QRectF(x - 3, plot.top(), h + 6, h * 1.6),
          QStringLiteral("%1  %2").arg(clockOf(e.at.count(), true), instructorText(e.text)));
}

// Shocks as bolts over the trainer and CPR lanes; the conversion, a time-out and the pauses as
// marks across the picture; the instructor's commands as flags at its top.
void drawMoments(TimelinePaint& t)
{
    for (const Event& e : t.events) {
        const double x = t.scale.x(e.at);
        if (e.kind == EventKind::Shock)
            drawShock(t, e, x);
        else if (e.kind == EventKind::Convert || e.kind == EventKind::TimeOut)
            drawOutcome(t, e, x);
        else if (e.kind == EventKind::Pause)
            drawPause(t, e, x);
        else if (e.kind == EventKind::Instructor)
            drawInstructor(t, e, x);
    }
}

} // namespace

void paintTimeline(QPainter& p, const QRectF& area, const std::vector<Event>& events, const QPalette& palette,
                   std::vector<TimelineHit>* hits)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    const QColor ink = palette.color(QPalette::WindowText);
    p.fillRect(area, palette.color(QPalette::Base));
    const QFontMetricsF fm(p.font());
    TimelinePaint t{p,    events,      palette,
                    hits, ink,         withAlpha(ink, 60),
                    fm,   fm.height(), events.empty() ? Millis{0} : events.back().at};
    if (!layOut(t, area)) {
        p.restore();
        return;
    }
    drawLanes(t, area);
    drawTimeAxis(t);
    drawCpr(t);
    drawTrainer(t);
    drawActions(t);
    drawScore(t);
    drawMoments(t);
    p.setPen(QPen(ink, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(t.plot);
    p.restore();
}

std::vector<MeasureLine> measureLines(const std::vector<Event>& events, int firstShockLimitSeconds)
{
    const Measures m = computeMeasures(events);
    const QString from = clockOf(firstShockCountsFromSecond * 1000LL);
    const QString limit = clockOf(firstShockLimitSeconds * 1000LL);
    const QString latest = clockOf((firstShockCountsFromSecond + firstShockLimitSeconds) * 1000LL);
    const QString fromStart = Debrief::tr("From the start click, paused time left out.");
    std::vector<MeasureLine> lines;
    lines.push_back({QStringLiteral("timeToPowerOn"),
                     Debrief::tr("Time to power on"),
                     secondsOf(m.timeToPowerOn),
                     {},
                     Verdict::None,
                     fromStart});
    lines.push_back({QStringLiteral("timeToFirstAnalysis"),
                     Debrief::tr("Time to first analysis"),
                     secondsOf(m.timeToFirstAnalysis),
                     {},
                     Verdict::None,
                     fromStart});
    lines.push_back({QStringLiteral("timeToFirstShock"), Debrief::tr("Time to first shock"),
                     secondsOf(m.timeToFirstShock), Debrief::tr("within %1").arg(latest), firstShockVerdict(events),
                     Debrief::tr("From the start click, paused time left out. The protocol counts the Speed of "
                                 "First Shock from %1 and takes 200 points for one later than %2 after it, that "
                                 "is %3 here.")
                         .arg(from, limit, latest)});
    lines.push_back({QStringLiteral("cprFraction"), Debrief::tr("CPR fraction"), Debrief::tr("%1 %").arg(m.cprFraction),
                     Debrief::tr("at least 80 %"), cprFractionVerdict(m),
                     Debrief::tr("The share of the time with the hands on the chest, from the start click until "
                                 "the pulse returns, the scenario times out or it ends.")});
    lines.push_back({QStringLiteral("longestHandsOffPause"),
                     Debrief::tr("Longest hands-off pause"),
                     secondsOf(m.longestHandsOffPause),
                     {},
                     Verdict::None,
                     Debrief::tr("The longest time without the hands on the chest after the first CPR.")});
    lines.push_back({QStringLiteral("preShockPause"), Debrief::tr("Pre-shock pause"), secondsOf(m.preShockPause),
                     Debrief::tr("under 10 s"), preShockPauseVerdict(events, m),
                     Debrief::tr("From the hands leaving the chest to the first shock.")});
    lines.push_back({QStringLiteral("postShockPause"),
                     Debrief::tr("Post-shock pause"),
                     secondsOf(m.postShockPause),
                     {},
                     Verdict::None,
                     Debrief::tr("From the first shock to the hands back on the chest.")});
    MeasureLine fatal{QStringLiteral("fatalShock"),
                      Debrief::tr("Fatal shock"),
                      secondsOf(m.fatalShock),
                      {},
                      Verdict::None,
                      Debrief::tr("From the start click: the shock to a patient not cleared, which ended the "
                                  "scenario. Nobody may touch the patient at a shock.")};
    fatal.shown = m.fatalShock >= 0;
    if (fatal.shown)
        fatal.verdict = Verdict::Fatal;
    lines.push_back(fatal);
    return lines;
}

QString verdictText(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Met:
        return Debrief::tr("\u2714 met");
    case Verdict::NotMet:
        return Debrief::tr("\u2718 not met");
    case Verdict::Fatal:
        return Debrief::tr("\u2718 fatal");
    case Verdict::None:
        break;
    }
    return {};
}

QString firstShockCountNote()
{
    return Debrief::tr("Speed of First Shock counts from %1 into the scenario, as the protocol scores it; the "
                       "measures count from the start click.")
        .arg(clockOf(firstShockCountsFromSecond * 1000LL));
}

std::vector<QString> penaltyLines(const std::vector<Event>& events)
{
    std::vector<QString> lines;
    int number = 0;
    for (const Event& e : events)
        if (e.kind == EventKind::Score && e.amount < 0)
            lines.push_back(
                QStringLiteral("%1.  %2  %3")
                    .arg(++number)
                    .arg(clockOf(e.at.count(), true), QString::fromStdString(eventText(installedCatalogue(), e))));
    return lines;
}

TimelineView::TimelineView(QWidget* parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setToolTip(QStringLiteral(" ")); // hover texts come from event()
}

void TimelineView::setEvents(std::vector<Event> events)
{
    events_ = std::move(events);
    hits_.clear();
    update();
}

QSize TimelineView::minimumSizeHint() const
{
    const int line = fontMetrics().height();
    return {line * 24, line * 11};
}

QSize TimelineView::sizeHint() const
{
    const int line = fontMetrics().height();
    return {line * 48, line * 14};
}

void TimelineView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    hits_.clear();
    paintTimeline(painter, rect(), events_, palette(), &hits_);
}

QString TimelineView::hitText(const QPointF& at) const
{
    // The last drawn lies on top.
    for (auto it = hits_.rbegin(); it != hits_.rend(); ++it)
        if (it->area.adjusted(-2, -2, 2, 2).contains(at))
            return it->text;
    return {};
}

bool TimelineView::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString text = hitText(help->pos());
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, this);
        return true;
    }
    return QWidget::event(event);
}

void paintDebriefPage(QPainter& p, const QRectF& page, const DebriefContent& c)
{
    QPalette print;
    print.setColor(QPalette::WindowText, Qt::black);
    print.setColor(QPalette::Base, Qt::white);
    print.setColor(QPalette::Highlight, QColor(60, 110, 180));
    print.setColor(QPalette::Link, QColor(20, 70, 160));
    p.save();
    p.fillRect(page, Qt::white);
    const double margin = page.height() * 0.04;
    const QRectF inner = page.adjusted(margin, margin, -margin, -margin);
    QFont body = p.font();
    body.setPixelSize(std::max(8, static_cast<int>(page.height() / 62)));
    QFont title = body;
    title.setPixelSize(body.pixelSize() * 2);
    title.setBold(true);
    p.setPen(Qt::black);
    p.setFont(title);
    const double titleHeight = QFontMetricsF(title).height();
    p.drawText(QRectF(inner.left(), inner.top(), inner.width(), titleHeight), Qt::AlignLeft | Qt::AlignVCenter,
               Debrief::tr("Scenario Summary — %1").arg(c.mode));
    p.setFont(body);
    const double line = QFontMetricsF(body).height() * 1.15;

    // The summary's fields, and beside them the measures with their targets.
    double y = inner.top() + titleHeight + line * 0.5;
    const double fieldsWidth = inner.width() * 0.38;
    const std::pair<QString, QString> fields[] = {{Debrief::tr("Name"), c.name},
                                                  {Debrief::tr("ID Number"), c.id},
                                                  {Debrief::tr("Score"), c.score},
                                                  {Debrief::tr("Speed of First Shock"), c.firstShock},
                                                  {Debrief::tr("Elapsed Time"), c.elapsed},
                                                  {Debrief::tr("Protocol"), c.protocol}};
    double fy = y;
    for (const auto& [label, value] : fields) {
        p.drawText(QRectF(inner.left(), fy, fieldsWidth * 0.5, line), Qt::AlignLeft, label);
        p.drawText(QRectF(inner.left() + fieldsWidth * 0.5, fy, fieldsWidth * 0.5, line), Qt::AlignLeft, value);
        fy += line;
    }
    if (!c.scenario.isEmpty()) {
        p.drawText(QRectF(inner.left(), fy, fieldsWidth * 0.5, line), Qt::AlignLeft, Debrief::tr("Scenario"));
        p.drawText(QRectF(inner.left() + fieldsWidth * 0.5, fy, fieldsWidth * 0.5, line), Qt::AlignLeft,
                   QFontMetricsF(body).elidedText(c.scenario, Qt::ElideRight, fieldsWidth * 0.5));
        fy += line;
    }
    double my = y;
    const double mx = inner.left() + fieldsWidth;
    const double mw = inner.right() - mx;
    for (const MeasureLine& m : measureLines(c.events, c.firstShockLimitSeconds)) {
        if (!m.shown)
            continue;
        p.drawText(QRectF(mx, my, mw * 0.34, line), Qt::AlignLeft,
                   QFontMetricsF(body).elidedText(m.name, Qt::ElideRight, mw * 0.33));
        p.drawText(QRectF(mx + mw * 0.34, my, mw * 0.2, line), Qt::AlignLeft, m.value);
        p.drawText(QRectF(mx + mw * 0.54, my, mw * 0.22, line), Qt::AlignLeft, m.target);
        if (m.verdict != Verdict::None) {
            p.setPen(m.verdict == Verdict::Met ? QColor(20, 120, 50) : penaltyColour.darker(120));
            p.drawText(QRectF(mx + mw * 0.76, my, mw * 0.24, line), Qt::AlignLeft, verdictText(m.verdict));
            p.setPen(Qt::black);
        }
        my += line;
    }
    y = std::max(fy, my) + line * 0.2;
    // Paper has no hover text: what the two first-shock figures count from is said below them.
    QFont note = body;
    note.setItalic(true);
    p.setFont(note);
    p.drawText(QRectF(inner.left(), y, inner.width(), line), Qt::AlignLeft,
               QFontMetricsF(note).elidedText(firstShockCountNote(), Qt::ElideRight, inner.width()));
    p.setFont(body);
    y += line * 1.3;

    // The timeline, then the penalties and the error list side by side.
    const double timelineHeight = inner.height() * 0.5;
    paintTimeline(p, QRectF(inner.left(), y, inner.width(), timelineHeight), c.events, print);
    y += timelineHeight + line * 0.5;
    const double half = inner.width() / 2 - line;
    // An empty list says so, as the summary does.
    auto list = [&](double x, const QString& heading, std::vector<QString> lines, const char* none) {
        if (lines.empty())
            lines.push_back(Debrief::tr(none));
        double ly = y;
        QFont bold = body;
        bold.setBold(true);
        p.setFont(bold);
        p.drawText(QRectF(x, ly, half, line), Qt::AlignLeft, heading);
        p.setFont(body);
        ly += line;
        for (const QString& text : lines) {
            if (ly + line > inner.bottom()) {
                p.drawText(QRectF(x, ly, half, line), Qt::AlignLeft, QStringLiteral("…"));
                break;
            }
            p.drawText(QRectF(x, ly, half, line), Qt::AlignLeft,
                       QFontMetricsF(body).elidedText(text, Qt::ElideRight, half));
            ly += line;
        }
    };
    list(inner.left(), Debrief::tr("Penalties"), penaltyLines(c.events), noPenaltiesText);
    list(inner.left() + inner.width() / 2, Debrief::tr("Protocol Errors/Notes"), c.errors, noErrorsText);
    p.restore();
}

namespace {

// Writes the file under a name of its own beside it ("NAME.part") and renames that over the file
// at the end, so that a failure leaves no half page. `write` writes to the name it is given.
bool writeThenRename(const QString& fileName, QString& error, const std::function<bool(const QString&)>& write)
{
    const QString partial = fileName + QStringLiteral(".part");
    if (write(partial)) {
        QFile::remove(fileName);
        if (QFile::rename(partial, fileName))
            return true;
    }
    QFile::remove(partial);
    error = Debrief::tr("the file cannot be written there");
    return false;
}

} // namespace

bool saveDebrief(const QString& fileName, const DebriefContent& content, QString& error)
{
    if (fileName.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
        return writeThenRename(fileName, error, [&content](const QString& partial) {
            QPdfWriter pdf(partial);
            pdf.setTitle(Debrief::tr("Defibrio debrief"));
            pdf.setResolution(150);
            pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0)));
            QPainter painter;
            if (!painter.begin(&pdf))
                return false;
            paintDebriefPage(painter, QRectF(QPointF(0, 0), pdf.pageLayout().paintRectPixels(150).size()), content);
            painter.end();
            return true;
        });
    }
    // A4 landscape at 150 dots per inch.
    QImage image(1754, 1240, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        paintDebriefPage(painter, QRectF(image.rect()), content);
    }
    return writeThenRename(fileName, error, [&image](const QString& partial) { return image.save(partial, "PNG"); });
}

} // namespace defib::ui
