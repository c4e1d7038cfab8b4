#pragma once

#include <QObject>

class QKeySequence;
class QMainWindow;
class QTabWidget;

namespace vestor {

// The keys that move about the window: Alt and a letter that several captions share, and the
// arrows on the row of tabs. Watches the whole application, since a shortcut event goes straight
// to the one control Qt picked for the key and only a filter in front of every control sees it.
// Owned by the window outside its children, so that it stops watching before the pages go.
class AcceleratorRouter : public QObject {
public:
    AcceleratorRouter(QMainWindow* window, QTabWidget* pages);
    ~AcceleratorRouter() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool run(const QKeySequence& key);

    QMainWindow* m_window;
    QTabWidget* m_pages;
};

}  // namespace vestor
