#pragma once

#include <QDialog>

namespace vestor {

// The About box: name, version and purpose of the program.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);
};

}  // namespace vestor
