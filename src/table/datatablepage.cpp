#include "table/datatablepage.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFileDialog>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

#include "ui/announcer.h"
#include "ui/notifier.h"
#include "ui/savefile.h"
#include "ui/uicommon.h"

namespace vestor {

DataTablePage::DataTablePage(Simulation& sim, std::function<int()> dataPoints, QWidget* parent)
    : QWidget(parent), m_sim(sim), m_dataPoints(std::move(dataPoints))
{
    auto* box = placed<QGroupBox>(this, "GroupBox5", 8, 4, tr("Collected Data Table"));
    box->setFixedSize(700, 504);
    placed<QLabel>(box, "Label26", 16, 26, tr("Select Data to be displayed"));
    for (int k = 1; k <= kMaxNuclides; ++k) {
        auto* cb = placed<QCheckBox>(box, qPrintable(QStringLiteral("p1%1cb").arg(k)), 16 + 112 * (k - 1), 48,
                                     tr(" Nuclide %1").arg(k));
        cb->setChecked(k == 1);
        cb->setEnabled(k == 1);
        connect(cb, &QCheckBox::clicked, this, &DataTablePage::memobt);
        m_boxes[k] = cb;
    }
    m_memo = placed<QPlainTextEdit>(box, "datamemo", 16, 76);
    m_memo->setFixedSize(668, 370);
    m_memo->setReadOnly(true);
    m_memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_memo->setTabChangesFocus(false);
    m_memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_memo->setTabStopDistance(64);
    m_memo->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    m_memo->setAccessibleName(tr("Collected data"));

    auto* save = placed<QPushButton>(box, "savebt", 16, 458, tr("&Save"));
    //: Button: copy the selected part of the table
    auto* copySel = placed<QPushButton>(box, "copyselbt", 270, 458, tr("C&opy Highlighted"));
    auto* copyAll = placed<QPushButton>(box, "Copybt", 540, 458, tr("&Copy All"));
    for (QPushButton* b : {save, copySel, copyAll})
        b->setFixedSize(144, 30);
    connect(save, &QPushButton::clicked, this, &DataTablePage::savebtClick);
    connect(copySel, &QPushButton::clicked, this, &DataTablePage::copyselbtClick);
    connect(copyAll, &QPushButton::clicked, this, &DataTablePage::CopybtClick);
}

ColumnChoice DataTablePage::checkedColumns() const
{
    ColumnChoice c{};
    for (int k = 1; k <= kMaxNuclides; ++k)
        c[k] = m_boxes[k]->isChecked();
    return c;
}

void DataTablePage::setCheckedColumns(const ColumnChoice& columns)
{
    for (int k = 1; k <= kMaxNuclides; ++k)
        m_boxes[k]->setChecked(columns[k]);
    memobt();
}

void DataTablePage::setSeriesLength(int length)
{
    for (int k = 2; k <= kMaxNuclides; ++k)
        m_boxes[k]->setEnabled(k <= length);
}

void DataTablePage::memobt()
{
    m_listing = QString::fromStdString(listingText(m_sim.history, m_sim.seriesLength, checkedColumns(), m_dataPoints()));
    // Laying the text out is most of the work, and every Time step that adds a data point asks for
    // it: while the page is out of sight the box is filled when it comes into view.
    if (isVisible()) {
        showListing();
        return;
    }
    m_memoStale = true;
    QTextCursor cursor = m_memo->textCursor();
    if (cursor.hasSelection()) {
        cursor.clearSelection();
        m_memo->setTextCursor(cursor);
    }
}

void DataTablePage::showListing()
{
    // On screen the header's lone carriage return ends the first line, like each CR LF.
    QString shown = m_listing;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.remove(QLatin1Char('\r'));
    // The page's own showing has just filled the box with the same text; the tab's rebuild
    // after it then has nothing to change.
    if (!m_memoStale && shown == m_shown && !m_memo->textCursor().hasSelection())
        return;
    m_memo->setPlainText(shown);
    m_shown = shown;
    m_memoStale = false;
}

void DataTablePage::showEvent(QShowEvent* event)
{
    if (m_memoStale)
        showListing();
    QWidget::showEvent(event);
}

void DataTablePage::CopybtClick()
{
    m_memo->selectAll();
    QGuiApplication::clipboard()->setText(m_listing);
}

void DataTablePage::copyselbtClick()
{
    QString text = m_memo->textCursor().selectedText();
    if (text.isEmpty())
        return;
    text.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
    QGuiApplication::clipboard()->setText(text);
}

void DataTablePage::savebtClick()
{
    QFileDialog dialog(this, tr("Save Data as Text"));
    dialog.setObjectName(QStringLiteral("savetxt"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(tr("Text (*.txt)"));
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    // The dialog asks before it replaces a file: the name typed may be a lesson's or another
    // group's data.
    const QStringList chosen = m_notifier ? m_notifier->chooseFiles(dialog) : QStringList();
    if (!chosen.isEmpty())
        saveTo(chosen.constFirst());
}

bool DataTablePage::saveTo(const QString& path)
{
    const std::string text = fileText(m_sim.history, checkedColumns(), m_dataPoints());
    const QString reason = saveWhole(path, QByteArray::fromStdString(text));
    if (!reason.isEmpty() && m_notifier)
        m_notifier->error(this, tr("The data could not be saved to %1:\n%2").arg(path, reason));
    if (!reason.isEmpty())
        return false;
    announceSaved(this, path);
    // Only a file with every count in it keeps them: the columns of the whole series, every time.
    const ColumnChoice columns = checkedColumns();
    bool whole = m_dataPoints() >= m_sim.lastDataTime();
    for (int k = 1; k <= m_sim.seriesLength; ++k)
        whole = whole && columns[k];
    if (whole)
        emit saved();
    return true;
}

}  // namespace vestor
