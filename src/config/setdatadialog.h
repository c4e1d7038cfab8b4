#pragma once

#include <QDialog>
#include <array>

#include "config/scrollrow.h"

class QComboBox;
class QGroupBox;
class QPushButton;

namespace vestor {

// The "Set Data" dialog: a second, never-shown set of series controls with rules of its own.
// It keeps its own series length and changed flag; pressing "&Ok" after a change asks for a
// Reset, which reads the configuration page, not this dialog.
class TGetDataFR : public QDialog {
    Q_OBJECT
public:
    explicit TGetDataFR(QWidget* parent = nullptr);

    bool changed() const { return m_changed; }
    int selectedLength() const { return m_selectedLength; }

    void HLsb5Change(int row);
    void numdicesb1Change(int row);
    void ChangedClick();
    void NPsb1Change(int row);
    void dcChange();
    void Button1Click();

signals:
    void resetRequested();

protected:
    void changeEvent(QEvent* event) override;

private:
    bool m_changed = false;
    int m_selectedLength = 1;
    QComboBox* m_dc = nullptr;
    ScrollRow m_sides;
    std::array<ScrollRow, 6> m_percentRows{};
    std::array<ScrollRow, 6> m_diceRows{};
    std::array<ScrollRow, 6> m_initialRows{};
};

}  // namespace vestor
