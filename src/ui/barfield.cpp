#include "ui/barfield.h"

#include <QAbstractSlider>
#include <QLineEdit>
#include <QLocale>
#include <cmath>
#include <optional>

#include "ui/announcer.h"
#include "ui/notifier.h"

namespace vestor {

namespace {

// A number as the student may type it: in the language's way or with a point, with or without
// the field's suffix.
std::optional<double> typedNumber(QString text, const QString& suffix, bool whole)
{
    text = text.trimmed();
    if (!suffix.isEmpty() && text.endsWith(suffix))
        text.chop(suffix.size());
    text = text.trimmed();
    bool ok = false;
    double value = QLocale().toDouble(text, &ok);
    if (!ok)
        value = QLocale::c().toDouble(text, &ok);
    if (!ok || !std::isfinite(value) || (whole && value != std::floor(value)))
        return std::nullopt;
    return value;
}

}  // namespace

BarField::BarField(QAbstractSlider* bar, QLineEdit* field, Mapping mapping)
    : QObject(field), m_bar(bar), m_field(field), m_mapping(std::move(mapping))
{
    field->setReadOnly(false);
    // Reached with the mouse; the keyboard sets the bar itself, and the Tab chain stays as it was.
    field->setFocusPolicy(Qt::ClickFocus);
    field->setAccessibleDescription(tr("Type a value and press Enter, or click elsewhere, to move the bar there"));
    connect(field, &QLineEdit::editingFinished, this, &BarField::take);
}

void BarField::showIn(QLineEdit* field, const QString& text)
{
    if (!(field->hasFocus() && field->isModified()))
        field->setText(text);
}

void BarField::show()
{
    showIn(m_field, m_mapping.text(m_bar->value()));
}

void BarField::take()
{
    // Only typed text is taken, once: a message box that opens takes the focus away again.
    if (m_taking || !m_field->isModified())
        return;
    m_taking = true;
    const QString typed = m_field->text();
    m_field->setModified(false);
    const std::optional<double> value = typedNumber(typed, m_mapping.suffix, m_mapping.whole);
    const long long position = value ? m_mapping.position(*value) : 0;
    if (value && position >= m_bar->minimum() && position <= m_bar->maximum()) {
        m_bar->setValue(static_cast<int>(position));
        // A value the bar already had moves nothing, and the field shows the bar's own wording.
        m_field->setText(m_mapping.text(m_bar->value()));
    } else {
        refuse(typed);
    }
    m_taking = false;
}

void BarField::refuse(const QString& typed)
{
    m_field->setText(m_mapping.text(m_bar->value()));
    QString low = m_mapping.text(m_bar->minimum());
    QString high = m_mapping.text(m_bar->maximum());
    // A bar that lowers the value as it moves right has its range the other way round.
    if (typedNumber(low, m_mapping.suffix, false) > typedNumber(high, m_mapping.suffix, false))
        std::swap(low, high);
    const QString text =
        m_mapping.whole
            //: A value typed beside a scroll bar was refused; %1 names the field, %2 is what was typed
            ? tr("%1: \"%2\" is not a whole number from %3 to %4. The field shows the bar's value again.")
            : tr("%1: \"%2\" is not a number from %3 to %4. The field shows the bar's value again.");
    const QString message = text.arg(m_mapping.name, typed, low, high);
    if (m_notifier)
        m_notifier->warning(m_field, message);
    announce(m_field, message);
}

}  // namespace vestor
