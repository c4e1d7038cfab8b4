#include "config/scrollrow.h"

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
    readout->setText(QString::number(bar->value()) + suffix);
}

void ScrollRow::setAccessibleText(const QString& name, const QString& description) const
{
    bar->setAccessibleName(name);
    bar->setAccessibleDescription(description);
    readout->setAccessibleName(name);
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
    row.bar->setAccessibleName(setup.labelText.trimmed());
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
