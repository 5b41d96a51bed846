#include "app/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <clocale>

const QStringList& LanguageCodes()
{
    static const QStringList codes = {QStringLiteral("en"), QStringLiteral("de"),
                                      QStringLiteral("nl"), QStringLiteral("fr"),
                                      QStringLiteral("es")};
    return codes;
}

QString PickLanguage(const QString& chosen)
{
    if (LanguageCodes().contains(chosen)) {
        return chosen;
    }
    // "de_AT", "de-DE", "nl": the language's part decides.
    for (const QString& language : QLocale::system().uiLanguages()) {
        const QString code = language.left(2).toLower();
        if (LanguageCodes().contains(code)) {
            return code;
        }
    }
    return QStringLiteral("en");
}

bool InstallLanguage(QCoreApplication& application, const QString& code)
{
    // QCoreApplication gives the C library the desktop's locale, whose decimal mark would then
    // reach every "%.2f" of the games' figures and with them the CSV: files keep the dot.
    std::setlocale(LC_NUMERIC, "C");
    // What is shown follows the language: "45,67" in German. No thousands separators, as
    // before, so that English reads exactly as it did.
    QLocale shown = code == u"en" || !LanguageCodes().contains(code)
                        ? QLocale(QLocale::English, QLocale::UnitedStates)
                        : QLocale(code);
    shown.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(shown);
    if (code == u"en" || !LanguageCodes().contains(code)) {
        return true;
    }
    auto* own = new QTranslator(&application);
    if (!own->load(QStringLiteral(":/i18n/vantorix_%1.qm").arg(code))) {
        delete own;
        return false;
    }
    QCoreApplication::installTranslator(own);
    // Qt's own texts (a message box's buttons); the program does without them.
    auto* qt = new QTranslator(&application);
    if (qt->load(QStringLiteral("qtbase_%1").arg(code),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    } else {
        delete qt;
    }
    return true;
}
