#pragma once

#include <QLocale>

namespace vestor {

// Installs the program's translation for the locale's language, and with it Qt's own for its
// dialogs, replacing any installed by an earlier call. Returns false, leaving the program in
// English, where the program has no translation for that language. Call it before the windows
// are built: captions are translated when they are set.
// Numbers on screen follow the same language: the locale becomes the default one, or English
// where there is no translation.
bool installTranslations(const QLocale& locale = QLocale::system());

// The code of the language installed ("de", "pt_BR"), or an empty string for English.
QString translationLanguage();

}  // namespace vestor
