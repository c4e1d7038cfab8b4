#pragma once

// Looking into the PDF files the program writes, with poppler's tools where they are installed.
#include <QByteArray>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <optional>

namespace vestor::test {

inline int pdfPageCount(const QByteArray& pdf)
{
    static const QRegularExpression page(QStringLiteral(R"(/Type\s*/Page(?![A-Za-z]))"));
    int count = 0;
    for (auto it = page.globalMatch(QString::fromLatin1(pdf)); it.hasNext(); it.next())
        ++count;
    return count;
}

// The first page of a PDF file rendered by pdftoppm; a null image when pdftoppm is missing.
inline QImage renderPdf(const QString& file, int dpi)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (tool.isEmpty())
        return {};
    const QString prefix = file + QStringLiteral(".render");
    QProcess::execute(tool, {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"),
                             QStringLiteral("-singlefile"), file, prefix});
    return QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

// What a tool of the tests writes out; nothing when it is not installed.
inline std::optional<QByteArray> runTool(const QString& tool, const QStringList& args)
{
    if (QStandardPaths::findExecutable(tool).isEmpty())
        return std::nullopt;
    QProcess process;
    process.start(tool, args);
    process.waitForFinished();
    return process.readAllStandardOutput();
}

}  // namespace vestor::test
