#pragma once

// What the files of the main window share: the labels of its captions and texts.

#include <QLabel>
#include <QString>
#include <QWidget>

namespace defib::ui::windowparts {

inline QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAccessibleName(text);
    return label;
}

inline QLabel* caption(QWidget* parent, const QString& name, const QString& text)
{
    QLabel* label = makeLabel(parent, name, text);
    label->setStyleSheet(QStringLiteral("color: #4A5663; font-weight: 600;"));
    return label;
}

} // namespace defib::ui::windowparts
