#include "ui/browser.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QUrlQuery>
#include <QtEndian>

#ifdef Q_OS_WASM
#include <QEventLoop>
#include <QFile>
#include <QPointer>
#include <QStandardPaths>
#include <emscripten/val.h>
#endif

namespace vestor::browser {

namespace {

const QLatin1String kLessonKey("lesson=");
constexpr auto kLinkEncoding = QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals;
// A link longer than any lesson file could be is refused before it is unpacked.
constexpr quint32 kLinkedLessonLimit = 4 * 1024 * 1024;

#ifdef Q_OS_WASM
// The page's own folder in the browser's memory, where downloads are written and picked files
// copied; it is gone when the page closes.
QString pageFolder()
{
    static const QString folder = [] {
        QString path = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
        if (path.isEmpty())
            path = QDir::tempPath() + QStringLiteral("/Downloads");
        QDir().mkpath(path);
        return path;
    }();
    return folder;
}

QString location(const char* part)
{
    return QString::fromStdString(emscripten::val::global("location")[part].as<std::string>());
}

// The name a download is offered under when the dialog suggests none.
QString suggestedName(const QFileDialog& dialog)
{
    const QString name = dialog.objectName() == QLatin1String("savetxt")      ? QStringLiteral("data")
                         : dialog.objectName() == QLatin1String("savegraph")  ? QStringLiteral("graph")
                         : dialog.objectName() == QLatin1String("saveLesson") ? QStringLiteral("lesson")
                                                                              : QStringLiteral("vestor");
    return dialog.defaultSuffix().isEmpty() ? name : name + QLatin1Char('.') + dialog.defaultSuffix();
}

// The browser's file picker: the picked files copied into the page's folder.
QStringList pickFiles(QFileDialog& dialog)
{
    QStringList picked;
    QEventLoop loop;
    bool done = false;
    QPointer<QEventLoop> waiting(&loop);
    QFileDialog::getOpenFileContent(
        dialog.nameFilters().join(QLatin1String(";;")),
        [&picked, &done, waiting](const QString& name, const QByteArray& content) {
            if (!name.isEmpty()) {
                const QString path = QDir(pageFolder()).filePath(QFileInfo(name).fileName());
                QFile copy(path);
                if (copy.open(QIODevice::WriteOnly) && copy.write(content) == content.size())
                    picked << path;
            }
            done = true;
            if (waiting)
                waiting->quit();
        },
        dialog.parentWidget());
    if (!done)
        loop.exec();
    return picked;
}
#endif

}  // namespace

QStringList chooseFiles(QFileDialog& dialog)
{
#ifdef Q_OS_WASM
    if (dialog.acceptMode() == QFileDialog::AcceptOpen)
        return pickFiles(dialog);
    // The student still chooses the name and the kind of file in the program's own dialog; the
    // browser then saves the download where it keeps them.
    const QFileInfo preset(dialog.selectedFiles().value(0));
    const bool named = !preset.fileName().isEmpty() && !preset.isDir();
    dialog.setDirectory(pageFolder());
    dialog.selectFile(named ? preset.fileName() : suggestedName(dialog));
#endif
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles() : QStringList();
}

void offerDownload(const QString& path, const QByteArray& bytes)
{
#ifdef Q_OS_WASM
    QFileDialog::saveFileContent(bytes, QFileInfo(path).fileName());
#else
    Q_UNUSED(path);
    Q_UNUSED(bytes);
#endif
}

QString printFile()
{
#ifdef Q_OS_WASM
    return QDir(pageFolder()).filePath(QStringLiteral("vestor-graph.pdf"));
#else
    return {};
#endif
}

QString lessonLink(const QString& address, const QByteArray& lesson)
{
    const QByteArray packed = qCompress(lesson, 9).toBase64(kLinkEncoding);
    return address.section(QLatin1Char('#'), 0, 0) + QLatin1Char('#') + kLessonKey + QString::fromLatin1(packed);
}

std::optional<QByteArray> lessonInFragment(const QString& fragment)
{
    const QString text = fragment.startsWith(QLatin1Char('#')) ? fragment.mid(1) : fragment;
    if (!text.startsWith(kLessonKey))
        return std::nullopt;
    const auto packed = QByteArray::fromBase64Encoding(text.mid(kLessonKey.size()).toLatin1(),
                                                       kLinkEncoding | QByteArray::AbortOnBase64DecodingErrors);
    // qCompress puts the unpacked size first: a damaged link must not make the page reserve gigabytes.
    if (!packed || packed->size() < 4 || qFromBigEndian<quint32>(packed->constData()) > kLinkedLessonLimit)
        return QByteArray();
    return qUncompress(*packed);
}

QString pageAddress()
{
#ifdef Q_OS_WASM
    return location("href").section(QLatin1Char('#'), 0, 0);
#else
    return {};
#endif
}

std::optional<std::uint64_t> pageSeed()
{
#ifdef Q_OS_WASM
    bool ok = false;
    const std::uint64_t seed = QUrlQuery(location("search").mid(1)).queryItemValue(QStringLiteral("seed")).toULongLong(&ok);
    if (ok)
        return seed;
#endif
    return std::nullopt;
}

QString linkedLessonFile()
{
#ifdef Q_OS_WASM
    const std::optional<QByteArray> lesson = lessonInFragment(location("hash"));
    if (!lesson)
        return {};
    const QString path = QDir(pageFolder()).filePath(QStringLiteral("linked-lesson.vestor"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(*lesson);
    return path;
#else
    return {};
#endif
}

}  // namespace vestor::browser
