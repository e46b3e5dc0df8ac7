#include "ui/qtplatform.h"

#include <QDateTime>
#include <QInputDialog>
#include <QLocale>
#include <QMessageBox>

namespace defib::ui {

void ClockSeededRandom::randomize()
{
    generator_.seed(static_cast<unsigned>(QDateTime::currentMSecsSinceEpoch()));
}

QWidget* WidgetDialogs::owner() const
{
    // A window of the program that stays on top (the password dialog) would hide a box that
    // belongs to the main window, and take no clicks while the box waits: the box belongs to it.
    if (parent_)
        for (QWidget* window : parent_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (window->isWindow() && window->isVisible() && window->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
                return window;
    return parent_;
}

void WidgetDialogs::message(const std::string& text, MessageKind kind)
{
    const QString body = QString::fromStdString(text);
    QWidget* over = owner();
    switch (kind) {
    case MessageKind::Information:
        QMessageBox::information(over, QStringLiteral("Defibrio"), body);
        break;
    case MessageKind::Warning:
        QMessageBox::warning(over, QStringLiteral("Defibrio"), body);
        break;
    case MessageKind::Error:
        QMessageBox::critical(over, QStringLiteral("Defibrio"), body);
        break;
    }
}

bool WidgetDialogs::confirm(const std::string& text)
{
    return QMessageBox::question(owner(), QStringLiteral("Defibrio"), QString::fromStdString(text),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        == QMessageBox::Yes;
}

bool WidgetDialogs::ask(const std::string& question, std::string& answer)
{
    bool ok = false;
    QString text = QInputDialog::getText(owner(), QStringLiteral("Defibrio"), QString::fromStdString(question),
                                         QLineEdit::Normal, QString::fromStdString(answer), &ok);
    if (ok)
        answer = text.toStdString();
    return ok;
}

static QLocale userLocale()
{
    QLocale locale = QLocale::system();
    // Without a locale of its own the program uses the short forms of the United States.
    return locale.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates) : locale;
}

QString columnDate(const QLocale& locale, QDate date)
{
    QString format = locale.dateFormat(QLocale::ShortFormat);
    // A four-digit year takes the room of the others: two digits, as most short forms have it.
    format.replace(QLatin1String("yyyy"), QLatin1String("yy"));
    QString text = locale.toString(date, format);
    // Then the blanks between the parts ("26. 12. 9."), then the leading zeros of day and month.
    if (text.size() > dateColumns)
        text.remove(QLatin1Char(' '));
    if (text.size() > dateColumns) {
        format.replace(QLatin1String("dd"), QLatin1String("d")).replace(QLatin1String("MM"), QLatin1String("M"));
        text = locale.toString(date, format).remove(QLatin1Char(' '));
    }
    text.truncate(dateColumns);
    // The scoreboard shows a date of 6 to 8 characters only.
    return text.rightJustified(6);
}

std::string LocaleWallClock::shortDate()
{
    return columnDate(userLocale(), QDate::currentDate()).toStdString();
}

std::string LocaleWallClock::longTime()
{
    // The long time form without the time zone.
    QString format = userLocale().timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return userLocale().toString(QTime::currentTime(), format.trimmed()).toStdString();
}

CalendarTime LocaleWallClock::now()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
}

} // namespace defib::ui
