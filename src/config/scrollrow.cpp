#include "config/scrollrow.h"

#include "ui/announcer.h"
#include "ui/barfield.h"

#include <cmath>

namespace vestor {

void ScrollRow::setEnabled(bool on) const
{
    if (label)
        label->setEnabled(on);
    bar->setEnabled(on);
    readout->setEnabled(on);
}

void ScrollRow::showPosition(const QString& suffix) const
{
    BarField::showIn(readout, QString::number(bar->value()) + suffix);
}

void ScrollRow::letType(const QString& suffix)
{
    typing = new BarField(bar, readout,
                          {name, [suffix](int position) { return QString::number(position) + suffix; },
                           [](double value) { return std::llround(value); }, true, suffix});
}

void ScrollRow::setAccessibleText(const QString& barName, const QString& description)
{
    name = barName;
    bar->setAccessibleName(name);
    // A screen reader names the bar by its caption, whose spoken name says what the bar sets.
    if (label)
        label->setAccessibleName(name);
    bar->setAccessibleDescription(description);
    readout->setAccessibleName(name);
}

void ScrollRow::speakAlso(const QString& extra) const
{
    const QString spoken = extra.isEmpty() ? name : name + QStringLiteral(", ") + extra;
    setSpokenName(bar, spoken);
    if (label)
        setSpokenName(label, spoken);
}

ScrollRow makeScrollRow(QWidget* parent, const ScrollRowSetup& setup, int x, int y, int labelWidth, int barWidth)
{
    ScrollRow row;
    row.label = new QLabel(setup.labelText, parent);
    row.label->setObjectName(setup.labelName);
    row.label->setGeometry(x, y, labelWidth, 17);
    row.bar = new QScrollBar(Qt::Horizontal, parent);
    row.bar->setObjectName(setup.barName);
    row.bar->setGeometry(x + labelWidth + 4, y, barWidth, 17);
    row.bar->setRange(setup.min, setup.max);
    row.bar->setValue(setup.value);
    row.bar->setSingleStep(1);
    row.bar->setPageStep(setup.pageStep);
    row.bar->setFocusPolicy(Qt::StrongFocus);
    row.readout = new QLineEdit(setup.readoutText, parent);
    row.readout->setObjectName(setup.readoutName);
    row.readout->setGeometry(x + labelWidth + barWidth + 10, y - 3, 48, 22);
    row.readout->setReadOnly(true);
    row.readout->setFocusPolicy(Qt::NoFocus);
    row.label->setBuddy(row.bar);
    arrowsFollowHandle(row.bar);
    row.name = setup.labelText.trimmed();
    row.bar->setAccessibleName(row.name);
    row.readout->setAccessibleName(setup.labelText.trimmed());
    return row;
}

void limitInitialNumbers(const std::array<QScrollBar*, 6>& bars)
{
    for (int k = 2; k <= 5; ++k) {
        int above = 0;
        for (int j = 1; j < k; ++j)
            above += bars[j]->value();
        bars[k]->setMaximum(1000 - above);
    }
}

}  // namespace vestor
