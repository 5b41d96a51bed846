#pragma once

// Small helpers shared by the scoreboard's widgets.

#include "words/ShownText.h"

#include <QFont>
#include <QGuiApplication>
#include <QLabel>
#include <QPalette>
#include <QScreen>
#include <QString>
#include <QWidget>
#include <algorithm>

// Names, score lists and Thrown boxes share one large bold face: one font to load at start.
inline void SetLargeBoldFont(QWidget& widget)
{
    QFont font = widget.font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.4);
    widget.setFont(font);
}

inline QLabel* NewLabel(const QString& name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

// Centres a window on the primary screen, no larger than the screen's free area.
inline void FitAndCentre(QWidget& window)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        window.resize(window.size().boundedTo(area.size()).expandedTo(window.minimumSize()));
        QRect frame(QPoint(), window.size());
        frame.moveCenter(area.center());
        window.move(std::max(frame.left(), area.left()), std::max(frame.top(), area.top()));
    }
}

// The tool-tip colours: what the program says to the operator stands out from the board.
inline void SetToolTipColours(QWidget& widget)
{
    QPalette colours = widget.palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::ToolTipBase));
    colours.setColor(QPalette::WindowText, colours.color(QPalette::ToolTipText));
    widget.setPalette(colours);
    widget.setAutoFillBackground(true);
}
