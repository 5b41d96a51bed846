#pragma once

// The language the program speaks: English (the language its texts are written in) or one of
// its translations, chosen in the Language menu or, when none was chosen, the desktop's
// (LANGUAGE, then LANG). The translations are built into the program; Qt's own (the buttons of
// its standard dialogs) come from where Qt keeps them.

#include <QString>
#include <QStringList>

class QCoreApplication;

// The codes of the languages the program speaks, English first: "en", "de", "nl", "fr", "es".
const QStringList& LanguageCodes();
// The language to speak: `chosen` when it is one of LanguageCodes(), else the first of the
// desktop's languages that is, else English.
QString PickLanguage(const QString& chosen);
// Installs the translations of `code` into `application` (nothing for English). False when the
// program's own could not be loaded.
bool InstallLanguage(QCoreApplication& application, const QString& code);
