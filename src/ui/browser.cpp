#include "ui/browser.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QUrlQuery>
#include <QtEndian>

#ifdef Q_OS_WASM
#include <QFile>
#include <QStandardPaths>
#include <QCoreApplication>
#include <QTimer>
#include <emscripten.h>
#include <emscripten/bind.h>
#include <emscripten/val.h>

// The browser's file picker, for one file or several: the picked files are copied into the page's
// folder, and their names written one a line into the file `list`. The program waits for the
// picker as it waits for a dialog (Emscripten's asyncify). Cancelling is heard from the picker
// itself, or where a browser does not say so, from the page getting the focus back with nothing
// picked.
EM_ASYNC_JS(void, pickIntoFolder, (const char* accept, int several, const char* folder, const char* list), {
    const input = document.createElement("input");
    input.type = "file";
    input.accept = UTF8ToString(accept);
    input.multiple = several != 0;
    input.style.display = "none";
    document.body.appendChild(input);
    const files = await new Promise((resolve) => {
        input.addEventListener("change", () => resolve(Array.from(input.files)));
        input.addEventListener("cancel", () => resolve([]));
        window.addEventListener("focus", () => setTimeout(() => resolve([]), 1000), { once: true });
        input.click();
    });
    input.remove();
    const dir = UTF8ToString(folder);
    const names = [];
    for (const file of files) {
        FS.writeFile(dir + "/" + file.name, new Uint8Array(await file.arrayBuffer()));
        names.push(dir + "/" + file.name);
    }
    FS.writeFile(UTF8ToString(list), names.join("\n"));
});

// A download of bytes under a name, as a link the page clicks: the browser keeps it where it keeps
// downloads, or asks where, as it is set to.
EM_JS(void, downloadBytes, (const char* name, const char* data, int size), {
    const url = URL.createObjectURL(new Blob([HEAPU8.slice(data, data + size)]));
    const link = document.createElement("a");
    link.href = url;
    link.download = UTF8ToString(name);
    link.style.display = "none";
    document.body.appendChild(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(url), 60000);
});
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

// The file types a dialog's name filters ask for, as the browser's picker takes them: ".txt,.csv";
// empty, any file, when a filter takes every name.
QString acceptedTypes(const QFileDialog& dialog)
{
    QStringList types;
    for (const QString& filter : dialog.nameFilters())
        for (const QString& pattern : filter.section(QLatin1Char('('), -1)
                                           .section(QLatin1Char(')'), 0, 0)
                                           .split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (!pattern.startsWith(QLatin1String("*.")))
                return {};
            types << pattern.mid(1);
        }
    return types.join(QLatin1Char(','));
}

QStringList pickFiles(const QFileDialog& dialog)
{
    const QString list = QDir(pageFolder()).filePath(QStringLiteral(".picked"));
    QFile::remove(list);
    pickIntoFolder(acceptedTypes(dialog).toUtf8().constData(), dialog.fileMode() == QFileDialog::ExistingFiles ? 1 : 0,
                   pageFolder().toUtf8().constData(), list.toUtf8().constData());
    QFile names(list);
    if (!names.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(names.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
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
    // A name typed at once replaces the one offered, as in a desktop's save dialog: the page's
    // window gives the focus to the dialog's first control otherwise.
    if (auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
        QTimer::singleShot(0, name, [name] {
            name->setFocus(Qt::OtherFocusReason);
            name->selectAll();
        });
    }
#endif
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles() : QStringList();
}

void offerDownload(const QString& path, const QByteArray& bytes)
{
#ifdef Q_OS_WASM
    downloadBytes(QFileInfo(path).fileName().toUtf8().constData(), bytes.constData(), static_cast<int>(bytes.size()));
#else
    Q_UNUSED(path);
    Q_UNUSED(bytes);
#endif
}

QString printFile(const QString& name)
{
#ifdef Q_OS_WASM
    return QDir(pageFolder()).filePath(name + QStringLiteral(".pdf"));
#else
    Q_UNUSED(name);
    return {};
#endif
}

void pageClosed()
{
#ifdef Q_OS_WASM
    setLeavingAsks(false);
    emscripten::val closed = emscripten::val::global("window")["vestorClosed"];
    if (closed.typeOf().as<std::string>() == "function")
        closed();
#endif
}

#ifdef Q_OS_WASM
namespace {
std::function<void(const QString&)>& linkedLessonHandler()
{
    static std::function<void(const QString&)> handler;
    return handler;
}

// Called by the page when its fragment changes.
void linkChanged()
{
    // Out of the browser's event, into the program's: the question Open Lesson asks needs its loop.
    QTimer::singleShot(0, qApp, [] {
        if (const QString file = linkedLessonFile(); !file.isEmpty() && linkedLessonHandler())
            linkedLessonHandler()(file);
    });
}
}  // namespace

EMSCRIPTEN_BINDINGS(vestor_links)
{
    emscripten::function("vestorLinkChanged", &linkChanged);
}

EM_JS(void, listenForLinks, (), {
    window.addEventListener("hashchange", () => Module.vestorLinkChanged());
});
#endif

void onLinkedLesson(std::function<void(const QString&)> open)
{
#ifdef Q_OS_WASM
    linkedLessonHandler() = std::move(open);
    listenForLinks();
#else
    Q_UNUSED(open);
#endif
}

void setLeavingAsks(bool ask)
{
#ifdef Q_OS_WASM
    // Called at every change a student makes, a scroll bar's every position among them: the page
    // hears only when the answer changes.
    static std::optional<bool> told;
    if (told == ask)
        return;
    told = ask;
    // The page's beforeunload handler reads it.
    emscripten::val::global("window").set("vestorUnsaved", ask);
#else
    Q_UNUSED(ask);
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
    if (!packed || packed.decoded.size() < 4 || qFromBigEndian<quint32>(packed.decoded.constData()) > kLinkedLessonLimit)
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
