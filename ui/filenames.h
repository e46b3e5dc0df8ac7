#pragma once

#include <QString>

namespace defib::ui {

// The name Save Debrief offers: "Debrief Pat Doe 2026-12-09.png", from the trainee's name and
// today's date ("2026-12-09"), with what no file name may hold (slashes, colons, quotes, control
// characters and the like) left out, the blanks run together, and no dot in front. Without a
// name or a date, the part that is there.
QString debriefFileName(const QString& trainee, const QString& isoDate);

} // namespace defib::ui
