#pragma once

#include <QDialog>

class QLineEdit;

namespace vestor {

// The longest name a printout and a lesson keep.
inline constexpr int kUserNameLimit = 200;

// "I am ....": the name printed on every printout, kept exactly as typed.
class TWhoami : public QDialog {
    Q_OBJECT
public:
    explicit TWhoami(QWidget* parent = nullptr);

    QString userName() const;
    void setUserName(const QString& name);
    // Esc closes the dialog as Ok does: there is nothing to cancel, the name stays as typed.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLineEdit* m_iam = nullptr;
};

}  // namespace vestor
