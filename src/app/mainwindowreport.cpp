#include <QFileDialog>
#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>

#include "app/mainwindow.h"
#include "app/printing.h"
#include "app/usernamedialog.h"
#include "config/configpage.h"
#include "graph/graphpage.h"
#include "report/labreport.h"
#include "ui/announcer.h"
#include "ui/browser.h"

namespace vestor {

ReportContent MainWindow::reportContent() const
{
    ReportContent c;
    c.sim = &m_sim;
    c.graph = m_graph->input();
    c.baseE = m_graph->baseE();
    const GraphPage::View view = m_graph->view();
    c.bestFitShown = view.bestFit;
    c.expectedShown = view.expected;
    c.fit = m_graph->currentFit();
    // The run's chances are the simulation's; a chance the page's die gives was made by that die.
    const Settings settings = m_config->settings();
    for (int k = 1; k <= m_sim.seriesLength; ++k)
        if (settings.dice
            && static_cast<double>(settings.decayValue[k] * 100) / settings.sides == m_sim.decayThreshold[k])
            c.dice[k] = DieChance{settings.sides, settings.decayValue[k]};
    for (const std::string& file : m_sim.pooledFiles)
        c.pooledFiles << QString::fromStdString(file);
    c.userName = m_whoami->userName();
    c.date = QDate::currentDate();
    return c;
}

void MainWindow::PrintReport1Click()
{
    if (browser::kInBrowser) {
        // The browser prints the report from its PDF download; the graph's Print keeps its own name.
        printer().setOutputFileName(browser::printFile(QStringLiteral("vestor-report")));
        if (printReport().isEmpty())
            announceSaved(this, printer().outputFileName());
        printer().setOutputFileName(browser::printFile(QStringLiteral("vestor-graph")));
        return;
    }
    QPrintDialog dialog(&printer(), this);
    dialog.setObjectName(QStringLiteral("printreport"));
    if (dialog.exec() == QDialog::Accepted)
        printReport();
}

QString MainWindow::printReport()
{
    const ReportContent content = reportContent();
    const LabReport report(content);
    // A printer that prints to the paper's edge still gets the margins a page to hand in needs.
    const QMarginsF margins = printer().pageLayout().margins(QPageLayout::Point);
    const QMarginsF wanted = LabReport::localeLayout().margins(QPageLayout::Point);
    const QMarginsF inset(std::max(0.0, wanted.left() - margins.left()), std::max(0.0, wanted.top() - margins.top()),
                          std::max(0.0, wanted.right() - margins.right()),
                          std::max(0.0, wanted.bottom() - margins.bottom()));
    const QString error = printOnePage(printer(), [&](QPainter& p) { report.paint(p, inset); },
                                       QT_TRANSLATE_NOOP("Printing", "The report could not be printed into %1: %2."));
    if (!error.isEmpty())
        m_notifier->error(this, error);
    return error;
}

void MainWindow::SaveReport1Click()
{
    QFileDialog dialog(this, tr("Save Report as PDF"));
    dialog.setObjectName(QStringLiteral("savereport"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({tr("PDF document (*.pdf)")});
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    const QStringList files = m_notifier->chooseFiles(dialog);
    if (!files.isEmpty())
        saveReport(files.constFirst());
}

QString MainWindow::saveReport(const QString& path)
{
    const ReportContent content = reportContent();
    QString error = LabReport(content).savePdf(path, LabReport::localeLayout());
    if (!error.isEmpty()) {
        error = tr("The report could not be saved to %1:\n%2").arg(QFileInfo(path).fileName(), error);
        m_notifier->error(this, error);
    }
    return error;
}

}  // namespace vestor
