#pragma once

#include <QWidget>
#include <array>

#include "config/scrollrow.h"
#include "core/simulation.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;

namespace vestor {

class Notifier;

// The "&Configuration" page: series length, decay type and chances, initial numbers and the
// two graph settings. Its rules keep the settings consistent; a change of the series only
// announces itself (`changed`), and the next page change starts a new run from `settings()`.
class ConfigPage : public QWidget {
    Q_OBJECT
public:
    explicit ConfigPage(QWidget* parent = nullptr);

    // What Reset reads: the positions of the page's controls (the legend is the chamber's).
    Settings settings() const;
    // The series length selected on this page, for enabling rows and boxes.
    int selectedLength() const { return m_selectedLength; }

    void dcChange();
    void HLsb1Change(int row);
    void ChangedClick();
    void numdicesb1Change(int row);
    void NPsb5Change(int row);
    void PercentrbClick();

    // Moves the controls to these settings, as a student would; the page's rules run and mark
    // the configuration changed. The settings must be sound (settingsFault).
    void applySettings(const Settings& s);
    bool baseE() const;
    bool equationShown() const;
    // Shows the equation settings; the graph follows them as when they are clicked.
    void setEquation(bool baseE, bool shown);
    bool impliedHalfLivesShown() const;

    // A teacher's guard against accidents: every control read-only and a line saying so.
    void setLocked(bool locked);
    bool locked() const { return m_locked; }
    // What a screen reader says as the page opens: why its controls are disabled, or nothing.
    QString spokenNote() const;

    // Where a value typed beside a bar is refused.
    void setNotifier(Notifier* notifier);

    // Start-up: select the first series length and put the focus on nuclide 1's initial number.
    void startUp();

    // The colours of the nuclides' captions.
    void setNuclideColors(const std::array<Color, 6>& colors);

    // Shows, beside each chance, the half-life in time steps it implies. Off at start-up.
    void setImpliedHalfLivesShown(bool on);

signals:
    void changed();
    void seriesSelected(int length);
    void baseChosen(bool baseE);
    void showEquationClicked(bool checked);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildSeries();
    void buildGraphGroup();
    void buildPercentGroup();
    void buildDiceGroup();
    void buildInitialGroup();
    void updateImpliedHalfLives();

    int m_selectedLength = 1;
    bool m_locked = false;
    QLabel* m_lockedNote = nullptr;
    QComboBox* m_dc = nullptr;
    QRadioButton* m_percent = nullptr;
    QRadioButton* m_dice = nullptr;
    QRadioButton* m_base05 = nullptr;
    QRadioButton* m_baseE = nullptr;
    QCheckBox* m_showEquation = nullptr;
    QGroupBox* m_halfbox = nullptr;
    QGroupBox* m_dicebox = nullptr;
    ScrollRow m_sides;
    std::array<ScrollRow, 6> m_percentRows{};
    std::array<ScrollRow, 6> m_diceRows{};
    std::array<ScrollRow, 6> m_initialRows{};
    std::array<QLabel*, 6> m_percentHalfLives{};
    std::array<QLabel*, 6> m_diceHalfLives{};
};

}  // namespace vestor
