#include "ui/notifier.h"

#include <QFileDialog>
#include <QMessageBox>

#include "ui/browser.h"

namespace vestor {

void MessageBoxNotifier::warning(QWidget* parent, const QString& text)
{
    QMessageBox::warning(parent, QStringLiteral("Tovrin"), text, QMessageBox::Ok);
}

void MessageBoxNotifier::error(QWidget* parent, const QString& text)
{
    QMessageBox::critical(parent, QStringLiteral("Tovrin"), text, QMessageBox::Ok);
}

void MessageBoxNotifier::information(QWidget* parent, const QString& text)
{
    QMessageBox::information(parent, QStringLiteral("Tovrin"), text, QMessageBox::Ok);
}

Notifier::Answer MessageBoxNotifier::askToSave(QWidget* parent, const QString& text)
{
    switch (QMessageBox::question(parent, QStringLiteral("Tovrin"), text,
                                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save)) {
    case QMessageBox::Save:
        return Answer::Save;
    case QMessageBox::Discard:
        return Answer::Discard;
    default:
        return Answer::Cancel;
    }
}

bool MessageBoxNotifier::question(QWidget* parent, const QString& text)
{
    // No is the default: Enter pressed out of habit keeps the data.
    return QMessageBox::question(parent, QStringLiteral("Tovrin"), text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No)
           == QMessageBox::Yes;
}

QStringList MessageBoxNotifier::chooseFiles(QFileDialog& dialog)
{
    return browser::chooseFiles(dialog);
}

}  // namespace vestor
