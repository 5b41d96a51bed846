#pragma once

// Figures and names as the language shown writes them, for every text a match produces.

#include <QCoreApplication>
#include <QLocale>
#include <QString>
#include <string>

// Two decimals, with the decimal mark of the language shown ("45.67", "45,67").
inline QString Decimal2(double value)
{
    return QLocale().toString(value, 'f', 2);
}

// A figure the games wrote with a dot ("2.33", "45.0%"), with the decimal mark of the language
// shown. The games' texts hold no other dots.
inline QString LocalDecimals(const std::string& figure)
{
    QString text = QString::fromStdString(figure);
    const QString mark = QLocale().decimalPoint();
    return mark == u"." ? text : text.replace(u'.', mark);
}

// A game's name ("Standard 501", as stored) in the language shown.
inline QString GameNameShown(const QString& name)
{
    return QCoreApplication::translate("GameNames", name.toUtf8().constData());
}

// A text of the games' tables and figures as shown: their words translated, their figures with
// the decimal mark of the language.
inline QString GamesText(const std::string& text)
{
    const QString shown = QCoreApplication::translate("Games", text.c_str());
    return shown == QString::fromStdString(text) ? LocalDecimals(text) : shown;
}
