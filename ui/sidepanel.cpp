// The side panel of the main window: the mode, the score with its last change, the protocol, the
// messages, the score log, the last action and the actions taken.
#include "ui/language.h"
#include "ui/mainwindow.h"

#include <QAccessible>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ui/sync.h"
#include "ui/windowparts.h"

namespace defib::ui {

namespace {

// How long the last score change stands beside the score.
constexpr Millis scoreChangeShown{4000};

QString signedPoints(int points)
{
    // A true minus sign and an arrow: the direction reads without the colour.
    return points < 0 ? QStringLiteral("\u25BC \u2212%1").arg(-points) : QStringLiteral("\u25B2 +%1").arg(points);
}

QString scenarioTime(int seconds)
{
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

using windowparts::caption;
using windowparts::makeLabel;

void TForm1::buildSidePanel()
{
    MainWindow& ui = scenario().ui;
    auto* column = new QVBoxLayout(side_);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(3);

    auto* header = new QHBoxLayout;
    QLabel* mode = makeLabel(side_, QStringLiteral("MODElabel"), QString());
    mode->setStyleSheet(QStringLiteral("color: #27557F; font-size: 15px; font-weight: 700;"));
    syncers_.push_back([mode, &ui] { syncText(mode, ui.MODElabel); });
    header->addWidget(mode);
    header->addStretch();
    QLabel* scoreCaption = makeLabel(side_, QStringLiteral("ScoreCaption"), tr("Score"));
    scoreCaption->setStyleSheet(QStringLiteral("color: #4A5663; font-size: 13px;"));
    header->addWidget(scoreCaption);
    // The last change stands beside the score for a few seconds.
    scoreChange_ = makeLabel(side_, QStringLiteral("ScoreChange"), QString());
    scoreChange_->setMinimumWidth(64);
    scoreChange_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    header->addWidget(scoreChange_);
    QLabel* score = makeLabel(side_, QStringLiteral("SCORELabel"), QString());
    score->setMinimumWidth(64);
    score->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    score->setStyleSheet(QStringLiteral("color: #14324F; font-size: 24px; font-weight: 800;"));
    bind(score, ui.SCORELabel);
    syncers_.push_back([this, score, &ui] {
        syncText(score, ui.SCORELabel);
        score->setAccessibleName(tr("Score ") + score->text());
    });
    header->addWidget(score);
    column->addLayout(header);
    // The protocol profile in use, on a line of its own under the mode: beside the score it was cut
    // short at 125 %.
    QLabel* protocol = makeLabel(side_, QStringLiteral("PROTOCOLlabel"), QString());
    protocol->setStyleSheet(QStringLiteral("color: #4A5663; font-size: 11px;"));
    syncers_.push_back([protocol, &ui] { syncText(protocol, ui.PROTOCOLlabel); });
    column->addWidget(protocol);
    // The station's name and join code, for the trainee to tell the instructor, while the
    // instructor may join (ui/programstation.h).
    stationLine_ = makeLabel(side_, QStringLiteral("StationLine"), QString());
    stationLine_->setStyleSheet(QStringLiteral("color: #1F5E8C; font-size: 11px; font-weight: 600;"));
    stationLine_->setWordWrap(true);
    stationLine_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    stationLine_->hide();
    column->addWidget(stationLine_);

    column->addWidget(caption(side_, QStringLiteral("MessagesCaption"), tr("Messages")));
    messages_ = new QPlainTextEdit(side_);
    messages_->setObjectName(QStringLiteral("MainMSGDisplay"));
    messages_->setAccessibleName(tr("Messages"));
    messages_->setReadOnly(true);
    messages_->setMinimumHeight(70);
    // The messages take the focus only while the scenario waits for its start, which Enter or
    // Space then gives.
    messages_->setFocusPolicy(Qt::NoFocus);
    messages_->setTabChangesFocus(true);
    messages_->setStyleSheet(QStringLiteral(
        "QPlainTextEdit { background: #FFF3A8; color: #202020; border: 1px solid #C9B44A; border-radius: 6px;"
        " font-size: 13px; padding: 4px; }"
        "QPlainTextEdit:focus { border: 2px solid #2D6CB0; }"));
    messages_->viewport()->installEventFilter(this);
    messages_->installEventFilter(this);
    messages_->viewport()->setCursor(Qt::PointingHandCursor);
    bind(messages_, ui.MainMSGDisplay);
    syncers_.push_back([this, &ui] { syncText(messages_, QString::fromStdString(ui.MainMSGDisplay.text())); });
    column->addWidget(messages_, 3);

    column->addWidget(caption(side_, QStringLiteral("ScoreLogCaption"), tr("Score log")));
    scoreLog_ = new QListWidget(side_);
    scoreLog_->setObjectName(QStringLiteral("ScoreLog"));
    scoreLog_->setAccessibleName(tr("Score log"));
    scoreLog_->setAccessibleDescription(tr("Every change of the score, newest first"));
    scoreLog_->setMinimumHeight(70);
    scoreLog_->setWordWrap(true);
    scoreLog_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    scoreLog_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scoreLog_->setFocusPolicy(Qt::TabFocus);
    scoreLog_->setStyleSheet(QStringLiteral(
        "QListWidget { background: white; border: 1px solid #AAB6C2; border-radius: 4px; font-size: 12px; }"
        "QListWidget::item { padding: 1px 2px; border-bottom: 1px solid #EEF1F4; }"));
    syncers_.push_back([this] { syncScoreLog(); });
    column->addWidget(scoreLog_, 3);

    column->addWidget(caption(side_, QStringLiteral("StepsCaption"), tr("Last action")));
    QLabel* steps = makeLabel(side_, QStringLiteral("Steps"), QString());
    steps->setFixedHeight(26);
    steps->setMinimumWidth(10);
    steps->setStyleSheet(QStringLiteral(
        "background: white; color: #14324F; border: 1px solid #AAB6C2; border-radius: 4px; font-weight: 600;"));
    bind(steps, ui.Steps);
    syncers_.push_back([steps, &ui] {
        // A troubleshooting step adds a line below the action: the newest line is the last action.
        const auto& lines = ui.Steps.lines();
        QString last;
        for (auto it = lines.rbegin(); it != lines.rend() && last.trimmed().isEmpty(); ++it)
            last = QString::fromStdString(*it);
        if (syncText(steps, last))
            steps->setAccessibleName(tr("Last action:") + last);
    });
    column->addWidget(steps);

    column->addWidget(caption(side_, QStringLiteral("Steps2Caption"), tr("Actions taken")));
    auto* list = new QListWidget(side_);
    list->setObjectName(QStringLiteral("STEPS2"));
    list->setAccessibleName(tr("Actions taken"));
    list->setMinimumHeight(50);
    list->setFocusPolicy(Qt::NoFocus);
    list->setStyleSheet(
        QStringLiteral("QListWidget { background: white; border: 1px solid #AAB6C2; border-radius: 4px; }"));
    bind(list, ui.STEPS2);
    syncers_.push_back([list, &ui] {
        if (syncList(list, ui.STEPS2.lines()))
            list->scrollToBottom();
    });
    column->addWidget(list, 4);
}

void TForm1::syncScoreLog()
{
    const std::vector<ScoreChange>& log = scenario().scoreLog;
    const int shown = scoreLog_->count();
    if (shown != static_cast<int>(log.size())) {
        if (shown > static_cast<int>(log.size()))
            scoreLog_->clear();
        // Newest on top: each new change goes in at row 0.
        for (std::size_t i = static_cast<std::size_t>(scoreLog_->count()); i < log.size(); ++i) {
            const ScoreChange& change = log[i];
            // Kept in English with its arguments; shown in the trainer's language.
            const Catalogue& texts = installedCatalogue();
            const std::string trimmedReason = QString::fromStdString(change.reason).trimmed().toStdString();
            const QString reason = QString::fromStdString(
                change.pattern.empty() ? texts.text(trimmedReason) : texts.format(change.pattern, change.arguments));
            auto* item = new QListWidgetItem(
                QStringLiteral("%1  %2  %3").arg(scenarioTime(change.second), signedPoints(change.points), reason));
            item->setForeground(change.points < 0 ? QColor(0xB7, 0x1C, 0x1C) : QColor(0x1B, 0x5E, 0x20));
            item->setToolTip(reason);
            scoreLog_->insertItem(0, item);
            QAccessibleEvent announce(scoreLog_, QAccessible::Alert);
            QAccessible::updateAccessibility(&announce);
        }
        scoreLog_->scrollToTop();
    }

    const Millis now = clock_->now();
    const bool recent = !log.empty() && now - log.back().at < scoreChangeShown;
    if (recent) {
        const int points = log.back().points;
        const QString text = signedPoints(points);
        if (syncText(scoreChange_, text))
            scoreChange_->setStyleSheet(QStringLiteral("font-size: 15px; font-weight: 800; color: %1;")
                                            .arg(points < 0 ? QStringLiteral("#B71C1C") : QStringLiteral("#1B5E20")));
        // The window looks again when the change has stood its time.
        const auto left = scoreChangeShown - (now - log.back().at);
        scoreChangeTimer_.start(static_cast<int>(left.count()) + 20);
    } else if (!scoreChange_->text().isEmpty()) {
        scoreChange_->clear();
    }
    scoreChange_->setVisible(recent);
}

} // namespace defib::ui
