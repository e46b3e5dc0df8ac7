#pragma once

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

// One line per measure: name, value, target and whether it was met.
struct MeasureLine {
    QString name;
    QString value;
    QString target; // empty without one
    // 1 met, 0 not met, -1 no target or nothing to judge.
    int met = -1;
};
std::vector<MeasureLine> measureLines(const Measures& measures);

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

// What a saved debrief holds besides the events: the summary's fields and its error list.
struct DebriefContent {
    QString mode;
    QString name;
    QString id;
    QString score;
    QString firstShock;
    QString elapsed;
    std::vector<QString> errors;
    std::vector<Event> events;
};

// The whole debrief on one page (landscape): the summary's fields, the measures with their
// targets, the timeline, the penalties and the error list, in print colours.
void paintDebriefPage(QPainter& painter, const QRectF& page, const DebriefContent& content);
// Writes the page as a PNG picture or, for a name ending in ".pdf", one A4 landscape PDF page.
// False (with `error` set) when the file cannot be written.
bool saveDebrief(const QString& fileName, const DebriefContent& content, QString& error);

} // namespace defib::ui
