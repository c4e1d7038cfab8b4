#pragma once

#include <QImage>
#include <QWidget>
#include <array>
#include <functional>

#include "core/decayanalysis.h"
#include "graph/graphrenderer.h"
#include "ui/discpainter.h"
#include "core/simulation.h"

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollBar;

namespace vestor {

class BarField;
class ImageView;
class Notifier;

// The small black disc that marks where the model curve starts.
class AnchorMarker : public QWidget {
    Q_OBJECT
public:
    explicit AnchorMarker(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The "&Graph" page: the recorded counts against time with the adjustable model curve,
// the choice of graphed nuclides, the curve read-out, and copy and print of the picture.
class GraphPage : public QWidget {
    Q_OBJECT
public:
    GraphPage(Simulation& sim, std::function<int()> dataPoints, QWidget* parent = nullptr);

    // Where a value typed beside a bar is refused.
    void setNotifier(Notifier* notifier);

    void plotggraph();
    void graphhalf() { plotggraph(); }
    void draxis();

    void p1cbClick(int box);
    void halfgraphMouseDown(QPoint pos, Qt::MouseButton button);
    void halfgraphMouseUp(QPoint pos, Qt::MouseButton button);
    void copyhalfClick();
    void Print1Click();

    // The equation base chosen on the configuration page; replots.
    void setBase(bool baseE);
    bool baseE() const { return m_baseE; }
    void showecbClick(bool checked);
    // Offers the boxes of the nuclides within the series.
    void setSeriesLength(int length);
    // Puts the anchor marker back at the top of the vertical axis and shows it.
    void placeAnchor();

    // The picture as the view shows it, drawn first if a change waits for it.
    const QImage& image() const
    {
        drawPicture();
        return m_image;
    }
    // Draws the picture again at a device pixel ratio (the screen's, as its view follows it).
    void setPictureRatio(double ratio);
    // Draw the dots and grid lines the straightforward QPainter way instead of the fast one.
    void setStraightforward(bool on) { m_straightforward = on; }
    const GraphScale& scale() const { return m_scale; }
    GraphInput input() const;
    QMenu* popup() const { return m_popup; }
    // The read-out text as shown, with its lines separated by a carriage return.
    QString readoutText() const { return m_readout; }
    // The picture at its own size with the labels' texts painted in: what Copy puts on the clipboard.
    QImage labelledPicture();
    // The same labelled picture drawn through any painter in the picture's logical units, the
    // straightforward way: Print draws it on the page at the printer's resolution.
    void paintPicture(QPainter& p);

    // What a lesson keeps of the page: the model's bars, the graphed nuclides, the extras shown.
    struct View {
        int halfLifeBar = 1;
        int initialBar = 20;
        std::array<bool, 6> nuclides{};
        bool bestFit = false;
        bool expected = false;
        bool logScale = false;
    };
    View view() const;
    // Shows a view as if the student had set it, and replots.
    void setView(const View& v);

    // Teacher's extras, off at start-up: the computed best fit and the expected curves.
    void bestfitcbClick();
    void usefitbtClick();
    QString fitText() const;
    // Counts on a logarithmic axis; the tick labels are then drawn into the picture.
    void logcbClick();
    // The nuclide colours of the check boxes' captions (the graph takes its colours from the run).
    void setNuclideColors(const std::array<Color, 6>& colors);
    // The best fit of nuclide 1's counts at the plotted times that hold data.
    DecayFit currentFit() const;

signals:
    void printRequested();

private:
    void applyEquationVisibility();
    // Marks the picture for drawing; drawPicture draws it if so.
    void pictureChanged();
    void drawPicture() const;
    void placeTickLabel(QLabel* label, int value);
    void paintExpected(QPainter& p, const GraphInput& in, bool band) const;
    void paintLabels(QPainter& p) const;
    void updateFit();
    // Said while the half-life bar stands nearest the fit and the equation writes it otherwise.
    QString stepNote(const DecayFit& fit) const;
    // What a screen reader hears of the two scroll bars and of the graph, for the values drawn.
    void nameBars();
    QString graphDescription() const;
    QString modelText() const;
    // What the expected counts and the log scale add to the picture, as a screen reader says it.
    QString expectedText() const;
    QString scaleText() const;

    Simulation& m_sim;
    std::function<int()> m_dataPoints;
    // Drawn on demand from a const accessor: the picture follows the page's state.
    mutable QImage m_image;
    mutable DiscPainter m_discs;
    mutable bool m_pictureStale = true;
    bool m_straightforward = false;
    GraphScale m_scale;
    bool m_baseE = true;
    QString m_baseText = QStringLiteral("*e");
    bool m_showEquation = true;
    QString m_readout;

    ImageView* m_view = nullptr;
    AnchorMarker* m_anchor = nullptr;
    QLabel* m_initially = nullptr;
    QLabel* m_kvalue = nullptr;
    QLabel* m_xmax = nullptr;
    QLabel* m_xmin = nullptr;
    QLabel* m_yaxis = nullptr;
    QLabel* m_yax = nullptr;
    QLabel* m_hllb = nullptr;
    QLabel* m_iclb = nullptr;
    QScrollBar* m_h = nullptr;
    QScrollBar* m_yshift = nullptr;
    // The half-life and the initial count, to read and to type.
    BarField* m_hTyping = nullptr;
    BarField* m_aTyping = nullptr;
    std::array<QCheckBox*, 6> m_boxes{};
    QFrame* m_gtv = nullptr;
    QLabel* m_gtvlb = nullptr;
    QFrame* m_vsh = nullptr;
    QFrame* m_ysh = nullptr;
    QMenu* m_popup = nullptr;
    QCheckBox* m_bestFit = nullptr;
    QCheckBox* m_expected = nullptr;
    QCheckBox* m_logScale = nullptr;
    QPushButton* m_useFit = nullptr;
    QLabel* m_fitLabel = nullptr;
};

}  // namespace vestor
