#include "app/language.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace vestor {

namespace {

const QString kTranslatorName = QStringLiteral("vestorTranslator");
QString g_language;

QTranslator* installed(const QString& file, const QString& directory, const QLocale& locale)
{
    auto* t = new QTranslator(QCoreApplication::instance());
    if (!t->load(locale, file, QStringLiteral("_"), directory) || !QCoreApplication::installTranslator(t)) {
        delete t;
        return nullptr;
    }
    t->setObjectName(kTranslatorName);
    return t;
}

}  // namespace

bool installTranslations(const QLocale& locale)
{
    QCoreApplication* app = QCoreApplication::instance();
    for (QTranslator* old : app->findChildren<QTranslator*>(kTranslatorName, Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    g_language.clear();
    // Decimals on screen as the class writes them ("3,11" in German), never a thousands separator,
    // which a count typed into a field does not take either.
    QLocale english(QLocale::English, QLocale::UnitedStates);
    english.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(english);
    const QTranslator* own = installed(QStringLiteral("vestor"), QStringLiteral(":/i18n"), locale);
    if (!own)
        return false;
    g_language = QFileInfo(own->filePath()).completeBaseName().mid(7);  // vestor_xx
    QLocale numbers = locale;
    numbers.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(numbers);
    // Qt's file, print and message dialogs, only alongside a translation of the program's own,
    // so that a language the program lacks leaves every window in English.
    installed(QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath), locale);
    return true;
}

QString translationLanguage()
{
    return g_language;
}

}  // namespace vestor
