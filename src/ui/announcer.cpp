#include "ui/announcer.h"

#include "ui/accessibleroles.h"
#include "ui/browser.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QScrollBar>

namespace vestor {

namespace {

// Turns Left and Right on a horizontal scroll bar into a step down and a step up.
class ArrowDirection : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* bar = qobject_cast<QScrollBar*>(watched);
        if (!bar || event->type() != QEvent::KeyPress || bar->orientation() != Qt::Horizontal)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Left && key != Qt::Key_Right)
            return false;
        const bool up = (key == Qt::Key_Right) != bar->isRightToLeft();
        bar->triggerAction(up ? QAbstractSlider::SliderSingleStepAdd : QAbstractSlider::SliderSingleStepSub);
        return true;
    }
};

}  // namespace

Announcer::Announcer(QWidget* window) : QWidget(window)
{
    installAccessibleRoles();
    setObjectName(QStringLiteral("announcer"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 1, 1);
    show();
}

void Announcer::say(const QString& text, Audience audience)
{
    setAccessibleName(forTheEar(text));
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
    if (audience == Audience::Everyone)
        emit said(text);
}

QString forTheEar(const QString& text)
{
    static const QString symbol = QStringLiteral("T\u00BD");
    if (!text.contains(symbol))
        return text;
    //: The half-life in words, read by a screen reader where the screen shows the symbol T½
    return QString(text).replace(symbol, Announcer::tr("half-life"));
}

Announcer* Announcer::of(QWidget* widget)
{
    QWidget* window = widget->window();
    auto* found = window->findChild<Announcer*>(QString(), Qt::FindDirectChildrenOnly);
    return found ? found : new Announcer(window);
}

void announce(QWidget* widget, const QString& text)
{
    if (!text.isEmpty())
        Announcer::of(widget)->say(text);
}

QString fileAsShown(const QString& path)
{
    // In a browser the file is a copy in the page's memory: its name is all the student knows of it.
    return browser::kInBrowser ? QFileInfo(path).fileName()
                               : QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

void announceSaved(QWidget* widget, const QString& path)
{
    // A page in a browser keeps no file of its own: the browser puts the download where it puts them.
    if (browser::kInBrowser)
        //: Said and shown in a web browser after a file was handed to the browser; %1 is the file's name
        announce(widget, Announcer::tr("Downloaded as %1.").arg(fileAsShown(path)));
    else
        //: Said and shown after a file was saved; %1 is the file with its folder
        announce(widget, Announcer::tr("Saved to %1.").arg(fileAsShown(path)));
}

void announceOpened(QWidget* widget, const QString& path)
{
    //: Said and shown after a lesson was opened; %1 is the file (with its folder, outside a web browser)
    announce(widget, Announcer::tr("Opened %1.").arg(fileAsShown(path)));
}

void setSpokenName(QWidget* widget, const QString& name)
{
    const QString spoken = forTheEar(name);
    if (widget->accessibleName() != spoken)
        widget->setAccessibleName(spoken);
}

void sayValueChanges(QAbstractSlider* control, std::function<QString()> text)
{
    QObject::connect(control, &QAbstractSlider::valueChanged, control, [control, text = std::move(text)] {
        if (control->hasFocus())
            announce(control, text());
    });
}

void arrowsFollowHandle(QWidget* scrollBar)
{
    static auto* filter = new ArrowDirection(QCoreApplication::instance());
    scrollBar->installEventFilter(filter);
}

}  // namespace vestor
