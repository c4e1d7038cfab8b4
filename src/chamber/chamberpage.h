#pragma once

#include <QImage>
#include <QWidget>
#include <array>

#include "ui/discpainter.h"
#include "core/simulation.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace vestor {

class ImageView;

// The chamber and decayed-panel pictures, drawn as the simulation reports its changes.
class ChamberImages : public ChamberListener {
public:
    ChamberImages();

    // Both pictures white with a black frame, as at start-up.
    void clearForStart();
    void imagesCleared() override;
    void chamberDisc(int x, int y, int size, Color fill, Color outline) override;
    void panelDisc(int x, int y, int size) override;

    // Draw every disc with its own QPainter ellipse instead of the cached pixels.
    void setStraightforward(bool on) { m_straightforward = on; }
    // Draws both pictures again at a device pixel ratio, from the simulation's state.
    void setRatio(double ratio, const Simulation& sim);
    // The pen and frame colours the chamber keeps, moved to a new palette (by the old legend).
    void recolour(const Simulation& sim, const std::array<Color, 6>& legend);

    QImage chamber;
    QImage panel;

private:
    void disc(QImage& image, int x, int y, int size, Color fill, Color outline);
    DiscPainter m_discs;
    // The outline colour the chamber's last drawing left; a Reset frames the chamber with it.
    Color m_chamberPen = kBlack;
    // The colour the chamber's frame was last drawn in.
    Color m_chamberFrame = kBlack;
    bool m_straightforward = false;
};

// A small filled circle of the legend.
class LegendDisc : public QWidget {
    Q_OBJECT
public:
    LegendDisc(Color color, QWidget* parent);
    Color color() const { return m_color; }
    void setColor(Color color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Color m_color;
};

// The "&Decay Chamber" page: chamber, decayed panel, legend with counts and the run control.
class ChamberPage : public QWidget {
    Q_OBJECT
public:
    ChamberPage(Simulation& sim, QWidget* parent = nullptr);

    // Starts a new run: the simulation's Reset, the legend and the count fields.
    void reset(const Settings& settings);
    std::array<Color, 6> legendColors() const;
    // Shows a run the simulation was given whole (an opened lesson): Automate stopped, the
    // pictures drawn from the particles, Remove out when decayed particles wait for it.
    void showRun();
    // Switches the nuclides to other colours mid-run: legend, chamber and every particle.
    void setNuclideColors(const std::array<Color, 6>& colors);

    void NextbtClick();
    void RemovebtClick();
    void Timer1Timer();
    void startbtClick();
    void AutocbClick();

    // Draws both pictures again at a device pixel ratio (the screen's, as their view follows it).
    void setPictureRatio(double ratio);

    QTimer* timer() const { return m_timer; }
    ChamberImages& images() { return m_images; }
    bool removeBroughtOut() const;

signals:
    // A Time step is about to record this many data points.
    void dataPointsSet(int n);
    // A Time step has recorded its counts (the graph redraws).
    void stepRecorded();
    // Decayed particles have been taken out of the chamber.
    void particlesRemoved();
    void resetRequested();

private:
    void showCounts();
    // The legend discs and count fields of the series, with their counts.
    void showLegend();
    void repaintImages();
    // The colour names the screen reader gives for the legend discs.
    void describeLegend();
    // The time and each nuclide's count, as a screen reader says them.
    QString countsText() const;
    // Why Time takes no step now.
    QString refusalText() const;
    void announceIfShown(const QString& text);

    Simulation& m_sim;
    ChamberImages m_images;
    ImageView* m_active = nullptr;
    ImageView* m_decayed = nullptr;
    std::array<LegendDisc*, 6> m_legend{};
    std::array<QLineEdit*, 6> m_counts{};
    QPushButton* m_next = nullptr;
    QPushButton* m_remove = nullptr;
    QPushButton* m_start = nullptr;
    QCheckBox* m_auto = nullptr;
    QPushButton* m_restart = nullptr;
    QTimer* m_timer = nullptr;
    // Whether Automate's last tick took a step; a run that stops stepping is told so once.
    bool m_tickStepped = true;
};

}  // namespace vestor
