#include "ui/sync.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <algorithm>

#include "options/control.h"

namespace defib::ui {

bool syncText(QLabel* label, const QString& text)
{
    if (label->text() == text)
        return false;
    label->setText(text);
    return true;
}

bool syncText(QLabel* label, const Control& control)
{
    return syncText(label, QString::fromStdString(control.text()));
}

bool syncText(QLineEdit* field, const QString& text)
{
    if (field->text() == text)
        return false;
    if (field->isReadOnly()) {
        field->setText(text);
        return true;
    }
    const int cursor = field->cursorPosition();
    field->setText(text);
    field->setCursorPosition(std::min<int>(cursor, static_cast<int>(text.size())));
    return true;
}

bool syncText(QLineEdit* field, const Control& control)
{
    return syncText(field, QString::fromStdString(control.text()));
}

bool syncText(QPlainTextEdit* view, const QString& text)
{
    if (view->toPlainText() == text)
        return false;
    view->setPlainText(text);
    return true;
}

bool syncList(QListWidget* list, const std::vector<std::string>& lines)
{
    const int wanted = static_cast<int>(lines.size());
    int same = 0;
    while (same < wanted && same < list->count()
           && list->item(same)->text() == QString::fromStdString(lines[static_cast<std::size_t>(same)]))
        ++same;
    if (same == wanted && same == list->count())
        return false;
    while (list->count() > same)
        delete list->takeItem(list->count() - 1);
    for (int row = same; row < wanted; ++row)
        list->addItem(QString::fromStdString(lines[static_cast<std::size_t>(row)]));
    return true;
}

bool focusChild(QWidget* within, const std::string& name)
{
    auto* widget = within->findChild<QWidget*>(QString::fromStdString(name));
    if (!widget || !widget->isVisible())
        return false;
    widget->setFocus(Qt::OtherFocusReason);
    return true;
}

void FocusFollower::follow(QWidget* window, const std::string& wanted, QWidget* within)
{
    QWidget* focus = window->focusWidget();
    const bool lost = !focus || focus == window || !focus->isVisible();
    if (!window->isVisible() || wanted.empty() || (wanted == applied_ && !lost))
        return;
    focusChild(within ? within : window, wanted);
    applied_ = wanted;
}

} // namespace defib::ui
