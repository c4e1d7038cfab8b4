// Faults at the edges of the program: files that cannot be written, printers that cannot print,
// a clipboard full of someone else's data. Each must be reported or absorbed, never lose a file
// and never stop the program.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <memory>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "app/mainwindow.h"
#include "core/graphgeometry.h"
#include "table/grapheditorpage.h"
#include "graph/graphpage.h"
#include "chamber/chamberpage.h"
#include "support/filesizelimit.h"
#include "support/ordinaryuser.h"
#include "support/testsupport.h"
#include "table/datatablepage.h"
#include "core/tabletext.h"

using namespace vestor;

namespace {

// SharedFolder: a file anyone may write in a folder that takes no new files (a class's share);
// ReadOnlyFile: a file nobody may write in a folder that takes new ones. Both as an ordinary user.
enum class Target { MissingDirectory, Directory, ExistingFile, SharedFolder, LongerInSharedFolder, ReadOnlyFile };
enum class Printer { NoPrinterInstalled, PdfInMissingDirectory, PdfOntoDirectory };
enum class Foreign { PlainText, Html, Urls, CustomFormat, OtherImage, HugeText, Nothing };
enum class Route { GraphMenu, GraphPopup, TableCopyAll };

QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList listing(const QString& dir)
{
    QStringList names;
    QDirIterator it(dir, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        names << it.next();
    names.sort();
    return names;
}

}  // namespace

Q_DECLARE_METATYPE(Target)
Q_DECLARE_METATYPE(Printer)
Q_DECLARE_METATYPE(Foreign)
Q_DECLARE_METATYPE(Route)

class TestFaults : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_window = std::make_unique<MainWindow>(std::uint64_t{11});
        m_window->setNotifier(&m_notifier);
        m_window->show();
        m_notifier.warnings.clear();
        m_notifier.errors.clear();
        // A run with a few recorded steps, so that the data and the graph are not trivial.
        for (int i = 0; i < 4; ++i) {
            m_window->chamberPage()->NextbtClick();
            m_window->chamberPage()->RemovebtClick();
        }
    }

    void cleanup()
    {
        m_window.reset();
        m_dir.reset();
    }

    void failedSaveKeepsWhatWasThere_data()
    {
        QTest::addColumn<Target>("target");
        QTest::addColumn<qint64>("limit");  // bytes a write may reach; -1 for no limit
        QTest::addRow("missing directory") << Target::MissingDirectory << qint64{-1};
        QTest::addRow("path is a directory") << Target::Directory << qint64{-1};
        QTest::addRow("existing file, no room for a byte") << Target::ExistingFile << qint64{0};
        QTest::addRow("existing file, room for part of the header") << Target::ExistingFile << qint64{5};
        QTest::addRow("existing file, one byte short") << Target::ExistingFile << qint64{-2};
        QTest::addRow("shared folder, no room for a byte") << Target::SharedFolder << qint64{0};
        QTest::addRow("shared folder, room for part of the file") << Target::SharedFolder << qint64{20};
        QTest::addRow("shared folder, one byte short") << Target::SharedFolder << qint64{-2};
        QTest::addRow("shared folder, a longer file, a limit inside it") << Target::LongerInSharedFolder << qint64{20};
        QTest::addRow("read-only file") << Target::ReadOnlyFile << qint64{-1};
    }

    void failedSaveKeepsWhatWasThere()
    {
        QFETCH(Target, target);
        QFETCH(qint64, limit);
        const QString root = m_dir->path();
        const QByteArray old = QByteArrayLiteral("time\tP1\r\n0\t123\r\nan older file, longer than the new one\r\n");
        QString path;
        switch (target) {
        case Target::MissingDirectory: path = root + QStringLiteral("/no/such/folder/data.txt"); break;
        case Target::Directory:
            path = root + QStringLiteral("/folder");
            QVERIFY(QDir(root).mkdir(QStringLiteral("folder")));
            {
                QFile inside(path + QStringLiteral("/keep.txt"));
                QVERIFY(inside.open(QIODevice::WriteOnly));
                inside.write(old);
            }
            break;
        case Target::ExistingFile:
        case Target::SharedFolder:
        case Target::LongerInSharedFolder:
        case Target::ReadOnlyFile: {
            path = root + QStringLiteral("/data.txt");
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            // Shorter than the new text in a shared folder: the new one must find room first.
            const QByteArray bytes = target == Target::SharedFolder ? old.left(12) : old;
            QCOMPARE(f.write(bytes), qint64(bytes.size()));
            break;
        }
        }
        const bool shared = target == Target::SharedFolder || target == Target::LongerInSharedFolder;
        const bool ordinary = shared || target == Target::ReadOnlyFile;
        if (ordinary && !test::AsOrdinaryUser::supported)
            QSKIP("this system cannot act as an ordinary user");
        const QByteArray kept = contents(path);
        const auto all = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
        const auto enter = QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
        const auto write = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
        if (ordinary) {
            QVERIFY(QFile::setPermissions(root, all | enter | (target == Target::ReadOnlyFile ? write : QFile::WriteOwner)));
            QVERIFY(QFile::setPermissions(path, all | (shared ? write : QFile::Permissions())));
        }
        const QStringList before = listing(root);
        const std::string text = fileText(m_window->simulation().history, m_window->tablePage()->checkedColumns(),
                                          m_window->editorPage()->dataPoints());
        if (limit == -2)
            limit = static_cast<qint64>(text.size()) - 1;

        bool saved = true;
        {
            std::unique_ptr<test::FileSizeLimit> cap;
            if (limit >= 0) {
                if (!test::FileSizeLimit::supported)
                    QSKIP("this system cannot cap the size of the files a process writes");
                cap = std::make_unique<test::FileSizeLimit>(static_cast<std::uint64_t>(limit));
                QVERIFY(cap->ok());
            }
            std::unique_ptr<test::AsOrdinaryUser> user;
            if (ordinary)
                user = std::make_unique<test::AsOrdinaryUser>();
            QVERIFY(!user || user->ok());
            saved = m_window->tablePage()->saveTo(path);
        }
        if (ordinary)
            QVERIFY(QFile::setPermissions(root, all | enter | QFile::WriteOwner));

        QVERIFY(!saved);
        QCOMPARE(m_notifier.errors.size(), 1);
        QVERIFY2(m_notifier.errors.constFirst().contains(path), qPrintable(m_notifier.errors.constFirst()));
        // Nothing appeared, nothing vanished, no temporary file was left behind.
        QCOMPARE(listing(root), before);
        if (target != Target::MissingDirectory && target != Target::Directory)
            QCOMPARE(contents(path), kept);
        // A write cut short says why in a student's words, not "Unknown error".
        if (limit >= 0)
            QVERIFY2(m_notifier.errors.constFirst().contains(QLatin1String("not enough room")),
                     qPrintable(m_notifier.errors.constFirst()));
        QVERIFY(!m_notifier.errors.constFirst().contains(QLatin1String("could not be put back")));
        if (target == Target::Directory) {
            QVERIFY(QFileInfo(path).isDir());
            QCOMPARE(contents(path + QStringLiteral("/keep.txt")), old);
        }

        // The program carries on: the run steps on and the next save to a good place works.
        const int time = m_window->simulation().timeIndex;
        m_window->chamberPage()->NextbtClick();
        QCOMPARE(m_window->simulation().timeIndex, time + 1);
        const QString good = root + QStringLiteral("/good.txt");
        QVERIFY(m_window->tablePage()->saveTo(good));
        QCOMPARE(m_notifier.errors.size(), 1);
        QCOMPARE(contents(good).toStdString(),
                 fileText(m_window->simulation().history, m_window->tablePage()->checkedColumns(),
                          m_window->editorPage()->dataPoints()));
    }

    void saveReplacesTheOldFileWhole_data()
    {
        QTest::addColumn<int>("oldSize");
        // As an ordinary user, in a folder that takes no new files, or in one where only a file's
        // owner may replace it (the sticky bit); 0: the user's own folder.
        QTest::addColumn<int>("folderMode");
        QTest::addRow("a longer file") << 20000 << 0;
        QTest::addRow("a longer file in a shared folder") << 20000 << 0555;
        QTest::addRow("a shorter file in a shared folder") << 3 << 0555;
        QTest::addRow("a shorter file in a sticky class folder") << 3 << 01777;
    }

    void saveReplacesTheOldFileWhole()
    {
        QFETCH(int, oldSize);
        QFETCH(int, folderMode);
        const bool shared = folderMode != 0;
        const QString path = m_dir->path() + QStringLiteral("/data.txt");
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(oldSize, 'x'));
        }
        if (shared) {
            if (!test::AsOrdinaryUser::supported)
                QSKIP("this system cannot act as an ordinary user");
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther | QFile::WriteOther));
#ifndef _WIN32
            QVERIFY(::chmod(QFile::encodeName(m_dir->path()).constData(), static_cast<mode_t>(folderMode)) == 0);
#endif
        }
        bool saved = false;
        {
            std::unique_ptr<test::AsOrdinaryUser> user;
            if (shared)
                user = std::make_unique<test::AsOrdinaryUser>();
            QVERIFY(!user || user->ok());
            saved = m_window->tablePage()->saveTo(path);
        }
        QVERIFY(QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QVERIFY(saved);
        QVERIFY(m_notifier.errors.isEmpty());
        QCOMPARE(contents(path).toStdString(),
                 fileText(m_window->simulation().history, m_window->tablePage()->checkedColumns(),
                          m_window->editorPage()->dataPoints()));
        QCOMPARE(listing(m_dir->path()), QStringList{path});
    }

    void printingWithoutAPrinterCarriesOn_data()
    {
        QTest::addColumn<Printer>("printer");
        QTest::addRow("no printer installed") << Printer::NoPrinterInstalled;
        QTest::addRow("PDF into a missing directory") << Printer::PdfInMissingDirectory;
        QTest::addRow("PDF onto a directory") << Printer::PdfOntoDirectory;
    }

    void printingWithoutAPrinterCarriesOn()
    {
        QFETCH(Printer, printer);
        QPrinter& p = m_window->printer();
        switch (printer) {
        case Printer::NoPrinterInstalled:
            if (!QPrinterInfo::availablePrinterNames().isEmpty())
                QSKIP("this machine has a printer; the row would print a real page");
            p.setOutputFormat(QPrinter::NativeFormat);
            break;
        case Printer::PdfInMissingDirectory:
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(m_dir->path() + QStringLiteral("/no/such/folder/graph.pdf"));
            break;
        case Printer::PdfOntoDirectory:
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(m_dir->path());
            break;
        }
        auto* notebook = test::named<QTabWidget>(m_window.get(), QStringLiteral("showNB"));
        notebook->setCurrentIndex(3);
        const QImage screenBefore = m_window->graphPage()->image();
        auto* print = m_window->findChild<QAction*>(QStringLiteral("Print2"));
        QVERIFY(print && print->isEnabled());
        print->trigger();

        QCOMPARE(m_notifier.errors.size(), 1);
        QVERIFY(!m_notifier.errors.constFirst().trimmed().isEmpty());
        // Print copies first, as always; the screen is left as it was.
        QCOMPARE(QGuiApplication::clipboard()->image().size(), QSize(kGraphWidth, kGraphHeight));
        QCOMPARE(m_window->graphPage()->image(), screenBefore);
        QVERIFY(m_window->isVisible());
        QCOMPARE(notebook->currentIndex(), 3);
        QVERIFY(!QApplication::activeModalWidget());

        // The program carries on, and prints once a usable printer is chosen.
        const int time = m_window->simulation().timeIndex;
        m_window->chamberPage()->NextbtClick();
        QCOMPARE(m_window->simulation().timeIndex, time + 1);
        QVERIFY(m_window->simulation().invariantHolds());
        const QString pdf = m_dir->path() + QStringLiteral("/graph.pdf");
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(pdf);
        print->trigger();
        QCOMPARE(m_notifier.errors.size(), 1);
        QVERIFY(contents(pdf).startsWith("%PDF"));
    }

    void copyReplacesForeignClipboardData_data()
    {
        QTest::addColumn<Foreign>("foreign");
        QTest::addColumn<Route>("route");
        const std::pair<const char*, Foreign> kinds[] = {
            {"plain text", Foreign::PlainText}, {"HTML", Foreign::Html},
            {"file URLs", Foreign::Urls},       {"a private binary format", Foreign::CustomFormat},
            {"an image of another size", Foreign::OtherImage}, {"two megabytes of text", Foreign::HugeText},
            {"an empty clipboard", Foreign::Nothing},
        };
        const std::pair<const char*, Route> routes[] = {
            {"Copy Graph", Route::GraphMenu}, {"the graph's Copy", Route::GraphPopup}, {"Copy All", Route::TableCopyAll}};
        for (const auto& [kindName, kind] : kinds)
            for (const auto& [routeName, route] : routes)
                QTest::addRow("%s, then %s", kindName, routeName) << kind << route;
    }

    void copyReplacesForeignClipboardData()
    {
        QFETCH(Foreign, foreign);
        QFETCH(Route, route);
        auto* data = new QMimeData;
        switch (foreign) {
        case Foreign::PlainText: data->setText(QStringLiteral("a note from another program")); break;
        case Foreign::Html: data->setHtml(QStringLiteral("<table><tr><td>1</td></tr></table>")); break;
        case Foreign::Urls: data->setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/other.txt"))}); break;
        case Foreign::CustomFormat:
            data->setData(QStringLiteral("application/x-other-program"), QByteArray("\x00\xff\x10garbage", 10));
            break;
        case Foreign::OtherImage: {
            QImage other(17, 3, QImage::Format_ARGB32);
            other.fill(Qt::transparent);
            data->setImageData(other);
            break;
        }
        case Foreign::HugeText: data->setText(QString(2 * 1024 * 1024, QLatin1Char('z'))); break;
        case Foreign::Nothing: break;
        }
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->setMimeData(data);

        auto* notebook = test::named<QTabWidget>(m_window.get(), QStringLiteral("showNB"));
        const QImage screenBefore = m_window->graphPage()->image();
        switch (route) {
        case Route::GraphMenu:
            notebook->setCurrentIndex(3);
            m_window->findChild<QAction*>(QStringLiteral("Copy2"))->trigger();
            break;
        case Route::GraphPopup:
            notebook->setCurrentIndex(3);
            m_window->graphPage()->popup()->findChild<QAction*>(QStringLiteral("copyhalf"))->trigger();
            break;
        case Route::TableCopyAll:
            notebook->setCurrentIndex(2);
            test::named<QPushButton>(m_window.get(), QStringLiteral("Copybt"))->click();
            break;
        }

        const QMimeData* now = clipboard->mimeData();
        QVERIFY(now);
        QVERIFY(!now->hasFormat(QStringLiteral("application/x-other-program")));
        QVERIFY(!now->hasUrls());
        QVERIFY(!now->hasHtml());
        if (route == Route::TableCopyAll) {
            QCOMPARE(clipboard->text(), m_window->tablePage()->listing());
            QVERIFY(!now->hasImage());
        } else {
            const QImage copied = clipboard->image();
            QCOMPARE(copied.size(), QSize(kGraphWidth, kGraphHeight));
            QVERIFY(!now->hasText());
            QCOMPARE(m_window->graphPage()->image(), screenBefore);
        }
        QVERIFY(m_notifier.errors.isEmpty());
        QVERIFY(m_window->simulation().invariantHolds());
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MainWindow> m_window;
    test::RecordingNotifier m_notifier;
};

QTEST_MAIN(TestFaults)
#include "tst_faults.moc"
