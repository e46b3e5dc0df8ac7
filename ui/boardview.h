#pragma once

#include <QList>
#include <QPlainTextEdit>
#include <QStringList>

namespace defib::ui {

// The scoreboard's lines exactly as the file holds them, with the column heading above and each
// entry's place in a margin on the left, so the file itself keeps its format.
class BoardView : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit BoardView(QWidget* parent = nullptr);

    // The heading the board shows before any file was loaded.
    static QString idleHeading();
    // The place shown beside each line, 0 for none: the idle heading, blank lines and place
    // holders have none; the entries count 1, 2, 3 ... from the top.
    static QList<int> places(const QStringList& lines);

    // Sets the lines and whether the column heading stands above them.
    void setLines(const QString& text);
    bool headingShown() const { return headingHeight() > 0; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class BoardMargin;
    int placeWidth() const;
    int headingHeight() const;
    void layoutMargins();
    void paintPlaces(QPaintEvent* event);
    void paintHeading(QPaintEvent* event);

    QWidget* places_;
    QWidget* heading_;
    bool showHeading_ = false;
};

} // namespace defib::ui
