#include "ui/readfile.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace vestor {

// The messages of files read, in the student's language.
class ReadFileText {
    Q_DECLARE_TR_FUNCTIONS(vestor::ReadFileText)
};

QString openToRead(QFile& file)
{
    // A name that leads nowhere gets the system's own words from open().
    if (const QFileInfo info(file.fileName()); info.exists() && !info.isFile())
        return ReadFileText::tr("it is not a file");
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    return {};
}

}  // namespace vestor
