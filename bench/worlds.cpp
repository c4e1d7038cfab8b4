#include "bench/worlds.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QScrollBar>
#include <QTabWidget>

#include "ui/uicommon.h"
#include "config/configpage.h"
#include "graph/graphpage.h"
#include "table/datatablepage.h"
#include "table/grapheditorpage.h"

namespace vestor::bench {

namespace {

// The program's own conversion of 64 random bits into [0, 1).
double uniform(std::mt19937_64& rng)
{
    return static_cast<double>(rng() >> 11) * 0x1.0p-53;
}

void frame(QImage& image, Color pen)
{
    image.fill(Qt::white);
    QPainter p(&image);
    p.setPen(picturePen(p, toQColor(pen)));
    p.setBrush(Qt::NoBrush);
    const QSize size = image.deviceIndependentSize().toSize();
    p.drawRect(0, 0, size.width() - 1, size.height() - 1);
}

template <typename T>
T* child(QWidget& parent, const QString& name)
{
    T* w = parent.findChild<T*>(name);
    if (!w)
        qFatal("no child named %s", qPrintable(name));
    return w;
}

class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget& window) : m_window(window) { m_window.installEventFilter(this); }
    ~PaintWatch() override { m_window.removeEventFilter(this); }
    bool painted() const { return m_painted; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &m_window && event->type() == QEvent::Paint)
            m_painted = true;
        return false;
    }

private:
    QWidget& m_window;
    bool m_painted = false;
};

}  // namespace

void DirectChamber::imagesCleared()
{
    finish();
    frame(m_images.chamber, m_pen);
    frame(m_images.panel, kBlack);
}

void DirectChamber::chamberDisc(int x, int y, int size, Color fill, Color outline)
{
    if (!m_chamber.isActive())
        m_chamber.begin(&m_images.chamber);
    DiscPainter::drawDirect(m_chamber, x, y, size, fill, outline);
    m_pen = outline;
}

void DirectChamber::panelDisc(int x, int y, int size)
{
    if (!m_panel.isActive())
        m_panel.begin(&m_images.panel);
    DiscPainter::drawDirect(m_panel, x, y, size, kWhite, kBlack);
}

void DirectChamber::finish()
{
    if (m_chamber.isActive())
        m_chamber.end();
    if (m_panel.isActive())
        m_panel.end();
}

ChamberWorld::ChamberWorld(bool straightforward)
    : m_rng(kSeed), m_sim([this] { return uniform(m_rng); }), m_page(std::make_unique<ChamberPage>(m_sim))
{
    m_settings.seriesLength = 1;
    m_settings.initial = {0, 1000, 0, 0, 0, 0};
    m_settings.percent[1] = 50;
    m_settings.legend = m_page->legendColors();
    if (straightforward) {
        m_direct = std::make_unique<DirectChamber>(m_page->images());
        m_sim.setListener(m_direct.get());
    }
    showUntilPainted(*m_page);
    reset();
    finish();
    settle();
}

ChamberWorld::~ChamberWorld()
{
    m_sim.setListener(nullptr);
}

void ChamberWorld::reset()
{
    m_page->reset(m_settings);
}

void ChamberWorld::step()
{
    m_page->NextbtClick();
}

void ChamberWorld::remove()
{
    m_page->RemovebtClick();
}

void ChamberWorld::finish()
{
    if (m_direct)
        m_direct->finish();
}

ProgramWorld::ProgramWorld(bool straightforward, Load load) : m_window(std::make_unique<MainWindow>(kSeed))
{
    MainWindow& w = *m_window;
    showUntilPainted(w);
    if (straightforward) {
        m_direct = std::make_unique<DirectChamber>(w.chamberPage()->images());
        w.simulation().setListener(m_direct.get());
        w.graphPage()->setStraightforward(true);
    }
    ConfigPage& config = *w.configPage();
    const int length = load == Load::FullRun ? 5 : 1;
    child<QComboBox>(config, QStringLiteral("dc"))->setCurrentIndex(length - 1);
    config.dcChange();
    for (int k = 1; k <= length; ++k) {
        child<QScrollBar>(config, QStringLiteral("NPsb%1").arg(k))->setValue(length == 1 ? 1000 : 200);
        child<QScrollBar>(config, QStringLiteral("HLsb%1").arg(k))->setValue(length == 1 ? 50 : 5);
    }
    // The page change starts the configured run.
    showPage(1);
    if (load == Load::FullRun) {
        ChamberPage& chamber = *w.chamberPage();
        while (w.simulation().timeIndex <= kLastTime && w.simulation().activeTotal() > 0) {
            chamber.NextbtClick();
            chamber.RemovebtClick();
        }
        w.editorPage()->np()->setValue(100);
        for (int k = 1; k <= kMaxNuclides; ++k) {
            child<QCheckBox>(*w.graphPage(), QStringLiteral("p%1cb").arg(k))->setChecked(true);
            child<QCheckBox>(*w.tablePage(), QStringLiteral("p1%1cb").arg(k))->setChecked(true);
        }
        w.plotggraph();
        w.memobt();
    }
    finish();
    settle();
}

ProgramWorld::~ProgramWorld()
{
    m_window->simulation().setListener(nullptr);
}

void ProgramWorld::showPage(int index)
{
    child<QTabWidget>(*m_window, QStringLiteral("showNB"))->setCurrentIndex(index);
    finish();
    settle();
}

void ProgramWorld::finish()
{
    if (m_direct)
        m_direct->finish();
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

void showUntilPainted(QWidget& window)
{
    PaintWatch watch(window);
    window.show();
    QElapsedTimer waited;
    waited.start();
    while (!watch.painted()) {
        QCoreApplication::processEvents();
        if (waited.elapsed() > 10000)
            qFatal("%s was never painted", qPrintable(window.objectName()));
    }
}

std::unique_ptr<QMainWindow> emptyWindow()
{
    auto window = std::make_unique<QMainWindow>();
    auto* pages = new QTabWidget(window.get());
    for (int i = 1; i <= 5; ++i)
        pages->addTab(new QWidget, QStringLiteral("Page %1").arg(i));
    window->setCentralWidget(pages);
    window->resize(800, 580);
    return window;
}

}  // namespace vestor::bench
