#include "ui/notifier.h"

#include <QMessageBox>

namespace vestor {

void MessageBoxNotifier::warning(QWidget* parent, const QString& text)
{
    QMessageBox::warning(parent, QStringLiteral("Tovrin"), text, QMessageBox::Ok);
}

void MessageBoxNotifier::error(QWidget* parent, const QString& text)
{
    QMessageBox::critical(parent, QStringLiteral("Tovrin"), text, QMessageBox::Ok);
}

}  // namespace vestor
