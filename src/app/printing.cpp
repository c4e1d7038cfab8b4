#include "app/printing.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>
#include <QSaveFile>
#include <QTemporaryFile>

namespace vestor {

namespace {

QString paintPage(QPrinter& printer, QSize picture, int controlWidth, const QString& userName,
                  const std::function<void(QPainter&, const QRect&)>& draw)
{
    // With no printer installed Qt falls back to a PDF printer without a file. Beginning a
    // document there fails and leaves the printer stuck as active, refusing every later change
    // of printer or output file: do not begin one without a place to print to.
    const bool nowhere = printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName().isEmpty()
                                                                        : printer.printerName().isEmpty();
    if (!printer.isValid() || nowhere)
        return QCoreApplication::translate("Printing", "No usable printer is available.");
    const double s = static_cast<double>(printer.width() - 300) / controlWidth;
    QPainter painter;
    if (!painter.begin(&printer))
        return QCoreApplication::translate("Printing", "The printer %1 refused the document.")
            .arg(printer.printerName().isEmpty() ? printer.outputFileName() : printer.printerName());
    if (!userName.isEmpty()) {
        // The line stands between 150 and the picture at 300: at a fine resolution the default
        // font would reach into the picture, so it is made small enough to leave a gap.
        constexpr int kLineRoom = 120;
        if (const int height = painter.fontMetrics().height(); height > kLineRoom) {
            QFont font = painter.font();
            font.setPointSizeF(font.pointSizeF() * kLineRoom / height);
            painter.setFont(font);
        }
        //: First line of a printed graph, before the student's name
        const QString line = QCoreApplication::translate("Printing", "Printed by: ") + userName;
        painter.drawText(QRect(0, 150, printer.width(), printer.height() - 150), Qt::AlignLeft | Qt::AlignTop, line);
    }
    const QRect target(150, 300, static_cast<int>(picture.width() * s), static_cast<int>(picture.height() * s));
    if (target.width() > 0 && target.height() > 0)
        draw(painter, target);
    if (!painter.end())
        return QCoreApplication::translate("Printing", "The document could not be finished.");
    return {};
}

// A print into a file goes to a scratch file first and is then saved as every file is: a full
// disk or a folder without write access is reported, and the old file stays whole.
QString printPage(QPrinter& printer, QSize picture, int controlWidth, const QString& userName,
                  const std::function<void(QPainter&, const QRect&)>& draw)
{
    const QString target = printer.outputFileName();
    if (printer.outputFormat() != QPrinter::PdfFormat || target.isEmpty())
        return paintPage(printer, picture, controlWidth, userName, draw);
    const auto failed = [&target](const QString& why) {
        return QCoreApplication::translate("Printing", "The graph could not be printed into %1: %2.")
            .arg(target, why);
    };
    QTemporaryFile scratch;
    if (!scratch.open())
        return failed(scratch.errorString());
    printer.setOutputFileName(scratch.fileName());
    const QString error = paintPage(printer, picture, controlWidth, userName, draw);
    printer.setOutputFileName(target);
    if (!error.isEmpty())
        return error;
    const QByteArray document = scratch.readAll();
    // The PDF writer does not report failed writes; a document cut short lacks its last line.
    if (!document.trimmed().endsWith("%%EOF"))
        return failed(QCoreApplication::translate("Printing", "the document could not be written in full"));
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return failed(out.errorString());
    if (out.write(document) != document.size() || !out.commit())
        return failed(out.errorString());
    return {};
}

}  // namespace

QString PrintImage(QPrinter& printer, const QImage& picture, int controlWidth, const QString& userName)
{
    return printPage(printer, picture.size(), controlWidth, userName,
                     [&picture](QPainter& painter, const QRect& target) { painter.drawImage(target, picture); });
}

QString PrintPicture(QPrinter& printer, QSize size, int controlWidth, const QString& userName,
                     const std::function<void(QPainter&)>& paint)
{
    return printPage(printer, size, controlWidth, userName, [&](QPainter& painter, const QRect& target) {
        painter.save();
        painter.translate(target.topLeft());
        painter.scale(static_cast<double>(target.width()) / size.width(),
                      static_cast<double>(target.height()) / size.height());
        painter.setClipRect(QRect(QPoint(0, 0), size));
        // A picture pixel covers [x, x + 1): strokes one pixel wide centred half a pixel in
        // cover the same ground as the bitmap's pixels.
        painter.translate(0.5, 0.5);
        paint(painter);
        painter.restore();
    });
}

}  // namespace vestor
