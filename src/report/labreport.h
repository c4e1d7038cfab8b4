#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QMarginsF>
#include <QPageLayout>
#include <QRectF>
#include <QStringList>
#include <array>
#include <optional>

#include "core/decayanalysis.h"
#include "core/simulation.h"
#include "graph/graphrenderer.h"

class QPainter;

namespace vestor {

// A chance given by a die: a particle decays when the die shows no more than the decay value.
struct DieChance {
    int sides = 6;
    int value = 3;
};

// Everything the lab report shows, gathered from the program as it stands; the report only reads it.
struct ReportContent {
    const Simulation* sim = nullptr;
    // The graph as the Graph page draws it: the nuclides graphed, N, the two bars, the log scale.
    GraphInput graph;
    bool baseE = true;
    bool bestFitShown = false;
    bool expectedShown = false;
    DecayFit fit;
    // Per nuclide 1..5, the die that gives its chance, where the run's chance came from one.
    std::array<std::optional<DieChance>, 6> dice{};
    // The saved runs pooled into the graph data; empty when they are not known.
    QStringList pooledFiles;
    QString userName;
    QDate date;
};

// The lab report a student hands in: one page with the run's settings, the graph drawn for
// paper, the model and the fit, the data and room for a conclusion. Drawn through any painter
// onto any page; each nuclide has its own dot shape so that it reads in black and white too.
class LabReport {
    Q_DECLARE_TR_FUNCTIONS(LabReport)
public:
    explicit LabReport(const ReportContent& content) : m_c(content) {}

    // Draws the page on a painter begun on a device whose whole area is the page's printable part,
    // less `inset` in points.
    void paint(QPainter& p, const QMarginsF& inset = {}) const;
    // Writes the page as a PDF file on `layout`; returns why it failed, empty on success.
    QString savePdf(const QString& path, const QPageLayout& layout) const;

    // A4, or Letter where the locale's paper is Letter, with margins for a printer's rollers.
    static QPageLayout localeLayout(const QLocale& locale = QLocale());

private:
    // Each part is laid out from the top of its rectangle and returns the height it took.
    double paintHeader(QPainter& p, const QRectF& area) const;
    double paintSettings(QPainter& p, const QRectF& area) const;
    double paintResults(QPainter& p, const QRectF& area) const;
    void paintGraph(QPainter& p, const QRectF& area) const;
    // The data table: times down, nuclides across, in as many blocks side by side as fit.
    struct TableShape {
        double timeWidth = 0;
        double cell = 0;
        int blocks = 1;
        int rows = 1;
        double rowHeight = 0;
    };
    TableShape tableShape(QPainter& p, double width) const;
    double tableHeight(QPainter& p, double width) const;
    void paintTable(QPainter& p, const QRectF& area) const;
    void paintConclusion(QPainter& p, const QRectF& area) const;

    int times() const;
    // The model's equation from its left end on the baseline, at a size in points.
    void paintEquation(QPainter& p, QPointF baseline, int points) const;

    const ReportContent& m_c;
};

}  // namespace vestor
