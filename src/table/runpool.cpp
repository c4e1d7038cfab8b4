#include "table/runpool.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QStringDecoder>
#include <string_view>

#include "table/grapheditorpage.h"
#include "core/tabletext.h"
#include "ui/notifier.h"
#include "ui/readfile.h"

namespace vestor {

void SavedRunPooler::choose(QWidget* parent, GraphEditorPage& editor, Notifier& notifier,
                            const std::function<void()>& beforeStore)
{
    QFileDialog dialog(parent, tr("Pool Saved Runs"));
    dialog.setObjectName(QStringLiteral("pooltxt"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    // What the program saves, and what a spreadsheet saves the same table as.
    dialog.setNameFilters({tr("Saved runs (*.txt *.csv *.tsv)"), tr("All files (*)")});
    const QStringList paths = notifier.chooseFiles(dialog);
    if (!paths.isEmpty())
        pool(paths, parent, editor, notifier, beforeStore);
}

bool SavedRunPooler::pool(const QStringList& paths, QWidget* parent, GraphEditorPage& editor, Notifier& notifier,
                          const std::function<void()>& beforeStore)
{
    const auto refuse = [&](const QString& why) {
        notifier.warning(parent, tr("Nothing was pooled; the graph data are as they were.\n\n%1").arg(why));
        return false;
    };
    RunPool sums;
    struct Read {
        QString name;
        ColumnChoice columns;
        int emptyCells;
    };
    QList<Read> read;
    for (const QString& path : paths) {
        const QString name = QDir::toNativeSeparators(path);
        QFile file(path);
        if (const QString why = openToRead(file); !why.isEmpty())
            return refuse(tr("%1 cannot be read: %2.").arg(name, why));
        // One byte past the limit is enough to know the file is too large.
        const QByteArray data = file.read(static_cast<qint64>(kRunFileLimit) + 1);
        if (file.error() != QFileDevice::NoError)
            return refuse(tr("%1 cannot be read: %2.").arg(name, file.errorString()));
        const QByteArray utf8 = asUtf8(data);
        const std::string_view text(utf8.constData(), static_cast<std::size_t>(utf8.size()));
        const SavedRun run = readRun(text);
        const RunError error = sums.add(run);
        if (error.fault != RunFault::None)
            return refuse(refusal(name, error));
        read.append({name, run.columns, run.emptyCells});
    }
    if (beforeStore)
        beforeStore();
    QStringList names;
    for (const Read& r : read)
        names << QFileInfo(r.name).fileName();
    editor.storeCounts(sums.sums, sums.times, names);

    // Each count its own plural: Qt takes one %n a message.
    //: The count of times in "Pooled 2 files: 100 times, 0 to 99."
    const QString times = tr("%n times", nullptr, sums.times);
    QString report = sums.files == 1 ? tr("Pooled 1 file: %1, 0 to %2.").arg(times).arg(sums.times - 1)
                                     : tr("Pooled %n files: %1, 0 to %2.", nullptr, sums.files).arg(times).arg(sums.times - 1);
    if (sums.cut)
        report += QLatin1Char(' ') + tr("Times past %1 were left out.").arg(kLastTime);
    if (sums.uneven)
        report += QLatin1Char(' ') + tr("A shorter run adds nothing after its last time.");
    // Files with different columns still pool; the report says which counts each one lacks.
    ColumnChoice any{};
    for (const Read& r : read)
        for (int k = 1; k <= kMaxNuclides; ++k)
            any[k] = any[k] || r.columns[k];
    for (const Read& r : read) {
        QStringList lacking;
        for (int k = 1; k <= kMaxNuclides; ++k)
            if (any[k] && !r.columns[k])
                lacking << QString::number(k);
        if (!lacking.isEmpty())
            report += QLatin1String("\n") + tr("%1 has no counts of nuclide %2; it adds nothing to them.")
                                               .arg(r.name, lacking.join(QLatin1String(", ")));
        if (r.emptyCells > 0)
            report += QLatin1String("\n") + tr("%1 has empty cells (%n); they add nothing.", nullptr, r.emptyCells)
                                               .arg(r.name);
    }
    notifier.information(parent, report);
    return true;
}

QByteArray SavedRunPooler::asUtf8(const QByteArray& data)
{
    // A spreadsheet's "Unicode text" is UTF-16 with a byte-order mark; the reader takes UTF-8.
    // A file past the limit goes to the reader as it is, which refuses it whatever it holds.
    const auto encoding = QStringConverter::encodingForData(data);
    if (!encoding || *encoding == QStringConverter::Utf8 || data.size() > static_cast<qsizetype>(kRunFileLimit))
        return data;
    QStringDecoder decode(*encoding);
    return QString(decode(data)).toUtf8();
}

QString SavedRunPooler::refusal(const QString& path, const RunError& error)
{
    const QString found = QString::fromStdString(error.found);
    QString what;
    switch (error.fault) {
    case RunFault::None: break;
    case RunFault::TooLarge: what = tr("it is larger than 1 MB"); break;
    case RunFault::NoTimeHeader:
        what = tr("the first line is not the heading \"time\" and the columns \"P1\" .. \"P5\"");
        break;
    case RunFault::NoCounts: what = tr("it has the times but no column of counts \"P1\" .. \"P5\""); break;
    case RunFault::UnknownHeading: what = tr("the heading \"%1\" is not one of \"P1\" .. \"P5\"").arg(found); break;
    case RunFault::RepeatedHeading: what = tr("the heading \"%1\" is there twice").arg(found); break;
    case RunFault::NotACount: what = tr("\"%1\" is not a whole number from 0 to 2147483647").arg(found); break;
    case RunFault::TimeOutOfOrder:
        what = tr("time %1 stands where time %2 belongs; the times must run 0, 1, 2, ... in order")
                   .arg(found)
                   .arg(error.time);
        break;
    case RunFault::MissingTime: what = tr("the time is missing"); break;
    case RunFault::ExtraValue: what = tr("the line has more values than there are headings"); break;
    case RunFault::NoTimes: what = tr("it has the headings but no counts"); break;
    case RunFault::SumOverflow:
        what = tr("its count of nuclide %1 at time %2 makes the pooled sum larger than 2147483647")
                   .arg(error.nuclide)
                   .arg(error.time);
        break;
    }
    if (error.line > 0)
        return tr("%1, line %2: %3.").arg(path).arg(error.line).arg(what);
    return tr("%1: %2.").arg(path, what);
}

}  // namespace vestor
