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

void WidgetDialogs::message(const std::string& text, MessageKind kind)
{
    const QString body = QString::fromStdString(text);
    switch (kind) {
    case MessageKind::Information:
        QMessageBox::information(parent_, QStringLiteral("Defibrio"), body);
        break;
    case MessageKind::Warning:
        QMessageBox::warning(parent_, QStringLiteral("Defibrio"), body);
        break;
    case MessageKind::Error:
        QMessageBox::critical(parent_, QStringLiteral("Defibrio"), body);
        break;
    }
}

bool WidgetDialogs::confirm(const std::string& text)
{
    return QMessageBox::question(parent_, QStringLiteral("Defibrio"), QString::fromStdString(text),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        == QMessageBox::Yes;
}

bool WidgetDialogs::ask(const std::string& question, std::string& answer)
{
    bool ok = false;
    QString text = QInputDialog::getText(parent_, QStringLiteral("Defibrio"), QString::fromStdString(question),
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

std::string LocaleWallClock::shortDate()
{
    return userLocale().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

std::string LocaleWallClock::longTime()
{
    // The long time form without the time zone.
    QString format = userLocale().timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return userLocale().toString(QTime::currentTime(), format.trimmed()).toStdString();
}

} // namespace defib::ui
