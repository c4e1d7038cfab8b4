#include "ui/notifier.h"

#include <QAbstractButton>
#include <QCoreApplication>
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
    QMessageBox box(QMessageBox::Question, QStringLiteral("Tovrin"), text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Save);
    // Alt and a letter pick each answer, as they pick Yes and No in the other questions.
    box.button(QMessageBox::Save)->setText(QCoreApplication::translate("vestor::Notifier", "&Save"));
    box.button(QMessageBox::Discard)->setText(QCoreApplication::translate("vestor::Notifier", "&Discard"));
    switch (box.exec()) {
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
