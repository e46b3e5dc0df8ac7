#pragma once

#include <QCoreApplication>
#include <QPalette>
#include <QRectF>
#include <QString>
#include <QWidget>
#include <vector>

#include "engine/eventlog.h"
#include "engine/measures.h"

class QPainter;

namespace defib::ui {

// A place of the picture that tells more on hover: a penalty marker, an action, a shock.
// The texts of the summary's debrief, on the screen and on its saved page, are translated in
// this context.
struct Debrief {
    Q_DECLARE_TR_FUNCTIONS(Debrief)
};

struct TimelineHit {
    QRectF area;
    QString text;
};

// The short word an action stands under in the picture ("Power", "CPR", "Red pad"); empty for a
// press that only opens a menu, whose choice follows as an action of its own.
QString actionLabel(const std::string& handler);
// "m:ss" of a scenario time; "m:ss.t" with tenths when `tenths`.
QString clockOf(long long ms, bool tenths = false);

// Draws the scenario from its event log into `area`: the trainee's actions, the trainer (display
// spans, prompt ticks, charging and armed), the CPR spans with the hands-off gaps, the shocks, the
// score as a line with a numbered red triangle at each penalty, and the time axis. Colours come
// from `palette`, so a dark desktop theme gets a dark picture. The hover areas go to `hits`.
void paintTimeline(QPainter& painter, const QRectF& area, const std::vector<Event>& events, const QPalette& palette,
                   std::vector<TimelineHit>* hits = nullptr);

// One line per measure: name, value, target and whether it was met, with a hover text that says
// what it counts from. The first shock is held against the protocol's own limit
// (`firstShockLimitSeconds` after the 7th second, as its Speed of First Shock counts) and judged as
// the protocol judged it. The last line, the shock to a patient not cleared, is shown only when
// there was one.
struct MeasureLine {
    // The measure's name in scripts and the CSV ("timeToFirstShock"), the line's object name.
    QString key;
    QString name;
    QString value;
    QString target; // empty without one
    Verdict verdict = Verdict::None;
    QString hint;
    bool shown = true;
};
std::vector<MeasureLine> measureLines(const std::vector<Event>& events, int firstShockLimitSeconds);
// "✔ met", "✘ not met", "✘ fatal"; empty for no verdict.
QString verdictText(Verdict verdict);
// What the Speed of First Shock counts from, beside the measures that count from the start click.
QString firstShockCountNote();

// The penalties as the list under the picture shows them: "1  0:42  Forgot to ... (-25)."
std::vector<QString> penaltyLines(const std::vector<Event>& events);

class TimelineView : public QWidget {
public:
    explicit TimelineView(QWidget* parent = nullptr);
    void setEvents(std::vector<Event> events);
    const std::vector<Event>& events() const { return events_; }
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;
    // What a hover at `at` would show; empty where nothing is.
    QString hitText(const QPointF& at) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    std::vector<Event> events_;
    std::vector<TimelineHit> hits_;
};

// What a saved debrief holds besides the events: the summary's fields and its error list, the
// protocol profile and its first-shock limit.
struct DebriefContent {
    QString mode;
    QString name;
    QString id;
    QString score;
    QString firstShock;
    QString elapsed;
    QString protocol;
    // The title of a scenario of a file; empty for a drawn patient, whose page has no such line.
    QString scenario;
    int firstShockLimitSeconds = 120;
    std::vector<QString> errors;
    std::vector<Event> events;
};

// What the lists say when they have nothing to list, on the summary and on the saved page alike.
// In English; shown through Debrief::tr.
inline constexpr const char* noPenaltiesText = QT_TRANSLATE_NOOP("Debrief", "No penalties.");
inline constexpr const char* noErrorsText = QT_TRANSLATE_NOOP("Debrief", "No protocol errors or notes.");

// The whole debrief on one page (landscape): the summary's fields with the protocol, the measures
// with their targets, the timeline, the penalties and the error list, in print colours.
void paintDebriefPage(QPainter& painter, const QRectF& page, const DebriefContent& content);
// Writes the page as a PNG picture or, for a name ending in ".pdf", one A4 landscape PDF page.
// False (with `error` set) when the file cannot be written.
bool saveDebrief(const QString& fileName, const DebriefContent& content, QString& error);

} // namespace defib::ui
