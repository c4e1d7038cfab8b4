#include "app/printing.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#if VESTOR_SVG
#include <QSvgGenerator>
#endif
#include <QTemporaryFile>

#include "ui/savefile.h"
#include "ui/uicommon.h"

namespace vestor {

namespace {

// The page Print gives, on a painter already begun on a page pageWidth device pixels wide.
void paintPage(QPainter& painter, int pageWidth, int pageHeight, QSize picture, int controlWidth,
               const QString& userName, const std::function<void(QPainter&, const QRect&)>& draw)
{
    const double s = static_cast<double>(pageWidth - 300) / controlWidth;
    if (!userName.isEmpty()) {
        // The line stands between 150 and the picture at 300: at a fine resolution the default
        // font would reach into the picture, so it is made small enough to leave a gap.
        constexpr int kLineRoom = 120;
        if (const int height = painter.fontMetrics().height(); height > kLineRoom) {
            QFont font = painter.font();
            font.setPointSizeF(font.pointSizeF() * kLineRoom / height);
            painter.setFont(font);
        }
        painter.drawText(QRect(0, 150, pageWidth, pageHeight - 150), Qt::AlignLeft | Qt::AlignTop, nameLine(userName));
    }
    const QRect target(150, 300, static_cast<int>(picture.width() * s), static_cast<int>(picture.height() * s));
    if (target.width() > 0 && target.height() > 0)
        draw(painter, target);
}

QString paintOnPrinter(QPrinter& printer, const std::function<void(QPainter&)>& paint)
{
    // With no printer installed Qt falls back to a PDF printer without a file. Beginning a
    // document there fails and leaves the printer stuck as active, refusing every later change
    // of printer or output file: do not begin one without a place to print to.
    const bool nowhere = printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName().isEmpty()
                                                                        : printer.printerName().isEmpty();
    if (!printer.isValid() || nowhere)
        return QCoreApplication::translate("Printing", "No usable printer is available.");
    QPainter painter;
    if (!painter.begin(&printer))
        return QCoreApplication::translate("Printing", "The printer %1 refused the document.")
            .arg(printer.printerName().isEmpty() ? printer.outputFileName() : printer.printerName());
    paint(painter);
    if (!painter.end())
        return QCoreApplication::translate("Printing", "The document could not be finished.");
    return {};
}

// A picture that draws itself in its logical units, size wide and high, scaled into target.
std::function<void(QPainter&, const QRect&)> scaledInto(QSize size, const std::function<void(QPainter&)>& paint)
{
    return [size, paint](QPainter& painter, const QRect& target) {
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
    };
}

}  // namespace

// A print into a file goes to a scratch file first and is then saved as every file is: a full
// disk or a folder without write access is reported, and the old file stays whole.
QString printOnePage(QPrinter& printer, const std::function<void(QPainter&)>& paint, const char* failedText)
{
    const QString target = printer.outputFileName();
    if (printer.outputFormat() != QPrinter::PdfFormat || target.isEmpty())
        return paintOnPrinter(printer, paint);
    const auto failed = [&](const QString& why) {
        return QCoreApplication::translate("Printing", failedText).arg(target, why);
    };
    QTemporaryFile scratch;
    if (!scratch.open())
        return failed(scratch.errorString());
    printer.setOutputFileName(scratch.fileName());
    const QString error = paintOnPrinter(printer, paint);
    printer.setOutputFileName(target);
    if (!error.isEmpty())
        return error;
    const QByteArray document = scratch.readAll();
    // The PDF writer does not report failed writes; a document cut short lacks its last line.
    if (!document.trimmed().endsWith("%%EOF"))
        return failed(QCoreApplication::translate("Printing", "the document could not be written in full"));
    if (const QString why = saveWhole(target, document); !why.isEmpty())
        return failed(why);
    return {};
}

namespace {

// The picture page Print gives, on the printer's page.
QString printPage(QPrinter& printer, QSize picture, int controlWidth, const QString& userName,
                  const std::function<void(QPainter&, const QRect&)>& draw)
{
    return printOnePage(
        printer,
        [&](QPainter& painter) {
            paintPage(painter, printer.width(), printer.height(), picture, controlWidth, userName, draw);
        },
        QT_TRANSLATE_NOOP("Printing", "The graph could not be printed into %1: %2."));
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
    return printPage(printer, size, controlWidth, userName, scaledInto(size, paint));
}

QString nameLine(const QString& userName)
{
    //: First line of a printed graph, before the student's name
    return QCoreApplication::translate("Printing", "Printed by: ") + userName;
}

QString SavePicture(const QString& path, PictureFormat format, const QPrinter& page, QSize size, double ratio,
                    const QString& userName, const std::function<void(QPainter&)>& paint)
{
#if !VESTOR_SVG
    if (format == PictureFormat::Svg)
        return QCoreApplication::translate("Printing", "This copy of Vestor cannot write SVG drawings.");
#endif
    // PNG and SVG carry the name line in a strip above the picture; PDF is the printed page.
    const int strip = userName.isEmpty() ? 0 : 24;
    const QSize whole(size.width(), size.height() + strip);
    const auto paintWhole = [&](QPainter& p) {
        p.fillRect(QRect(QPoint(0, 0), whole), Qt::white);
        if (strip > 0) {
            p.setPen(Qt::black);
            p.setFont(pixelFont(13, false));
            p.drawText(QRect(4, 0, size.width() - 8, strip), Qt::AlignLeft | Qt::AlignVCenter, nameLine(userName));
        }
        p.translate(0, strip);
        p.setClipRect(QRect(QPoint(0, 0), size));
        paint(p);
    };
    // Drawn into memory, then written as every file is, whole or not at all.
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    bool drawn = true;
    if (format == PictureFormat::Png) {
        QImage image(whole * ratio, QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        QPainter p(&image);
        paintWhole(p);
        p.end();
        drawn = image.save(&bytes, "PNG");
    } else if (format == PictureFormat::Svg) {
#if VESTOR_SVG
        QSvgGenerator svg;
        svg.setOutputDevice(&bytes);
        svg.setSize(whole);
        svg.setViewBox(QRect(QPoint(0, 0), whole));
        // At the 96 dots an inch that SVG takes a pixel to be, so that it opens at the picture's size.
        svg.setResolution(96);
        svg.setTitle(QStringLiteral("Tovrin"));
        QPainter p;
        drawn = p.begin(&svg);
        if (drawn) {
            // Strokes centred on the pixels, as on the printed page.
            p.translate(0.5, 0.5);
            paintWhole(p);
            drawn = p.end();
        }
#endif
    } else {
        QPdfWriter pdf(&bytes);
        pdf.setResolution(page.resolution());
        pdf.setPageLayout(page.pageLayout());
        pdf.setTitle(QStringLiteral("Tovrin"));
        QPainter p;
        drawn = p.begin(&pdf);
        if (drawn) {
            paintPage(p, pdf.width(), pdf.height(), size, size.width(), userName, scaledInto(size, paint));
            drawn = p.end();
        }
    }
    if (!drawn)
        return QCoreApplication::translate("Printing", "The picture could not be drawn.");
    return saveWhole(path, bytes.data());
}

}  // namespace vestor
