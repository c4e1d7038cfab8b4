#pragma once

#include <QDialog>

class QLabel;

namespace vestor {

// The About box: name, version and purpose of the program.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* m_icon = nullptr;
};

}  // namespace vestor
