#include "app/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace vestor {

namespace {

const QString kTranslatorName = QStringLiteral("vestorTranslator");

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
    if (!installed(QStringLiteral("vestor"), QStringLiteral(":/i18n"), locale))
        return false;
    // Qt's file, print and message dialogs, only alongside a translation of the program's own,
    // so that a language the program lacks leaves every window in English.
    installed(QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath), locale);
    return true;
}

}  // namespace vestor
