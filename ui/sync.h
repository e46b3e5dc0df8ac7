#pragma once

#include <QString>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QWidget;

namespace defib {
class Control;
}

namespace defib::ui {

// A widget brought up to date with the control model it shows. Each helper touches the widget
// only where it differs, so the sync at every tick costs little and leaves alone what the trainee
// is doing in it: the cursor, the selection, the scroll position. Each says whether it changed
// anything.

bool syncText(QLabel* label, const QString& text);
bool syncText(QLabel* label, const Control& control);
// A field that can be typed into keeps its cursor where it was (at most at the new end); a
// read-only one shows its new text from the end, as a newly set text does.
bool syncText(QLineEdit* field, const QString& text);
bool syncText(QLineEdit* field, const Control& control);
bool syncText(QPlainTextEdit* view, const QString& text);

// One row per line. Rows up to the first that differs stay as they are, selection included; the
// rows after it are replaced, so lines added at the end only add rows.
bool syncList(QListWidget* list, const std::vector<std::string>& lines);

// The keyboard focus where the core asks for it: the child of a window with the object name the
// core names. A new request moves the focus; so does the same request once the focus is lost (no
// widget has it, the window itself has it, or the widget that had it was hidden). A request for
// a widget that is not shown is taken as done.
class FocusFollower {
public:
    // `within` is where the named widget is looked for (the window itself when null).
    void follow(QWidget* window, const std::string& wanted, QWidget* within = nullptr);
    // The next follow moves the focus, as for a new request (a window shown again).
    void forget() { applied_.clear(); }

private:
    std::string applied_;
};

// Focuses the shown child of `within` named `name`; false when there is none.
bool focusChild(QWidget* within, const std::string& name);

} // namespace defib::ui
