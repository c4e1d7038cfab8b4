#include "bench/referencewindow.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabWidget>
#include <optional>

namespace vestor::bench {

struct ControlPlan {
    QString kind;  // the standard Qt class the control is made of
    QRect geometry;
    bool fixed = false;
    bool hidden = false;
    bool disabled = false;
    bool autoFill = false;
    std::optional<QFont> font;
    std::optional<QPalette> palette;
    QString text;
    QString tabText;  // a notebook page's tab
    QStringList items;  // a drop-down list's items, a menu's actions
    QIcon icon;
    QSize iconSize;
    bool flag = false;  // checked, read-only, word-wrapped
    Qt::Alignment alignment;
    Qt::Orientation orientation = Qt::Horizontal;
    int minimum = 0, maximum = 0, value = 0, pageStep = 0;
    std::vector<std::unique_ptr<ControlPlan>> children;
};

namespace {

QString standardKind(const QWidget& w)
{
    const QMetaObject* m = w.metaObject();
    while (m && !QByteArray(m->className()).startsWith('Q'))
        m = m->superClass();
    return QString::fromLatin1(m ? m->className() : "QWidget");
}

std::unique_ptr<ControlPlan> record(const QWidget& w);

void recordMenu(ControlPlan& plan, const QMenu& menu)
{
    plan.text = menu.title();
    for (QAction* a : menu.actions()) {
        if (QMenu* sub = a->menu()) {
            auto child = std::make_unique<ControlPlan>();
            child->kind = QStringLiteral("QMenu");
            recordMenu(*child, *sub);
            plan.children.push_back(std::move(child));
        } else {
            plan.items << a->text();
        }
    }
}

std::unique_ptr<ControlPlan> record(const QWidget& w)
{
    auto plan = std::make_unique<ControlPlan>();
    ControlPlan& p = *plan;
    p.kind = standardKind(w);
    p.geometry = w.geometry();
    p.fixed = w.minimumSize() == w.maximumSize();
    p.hidden = w.isHidden();
    p.disabled = w.testAttribute(Qt::WA_ForceDisabled);
    p.autoFill = w.autoFillBackground();
    if (w.testAttribute(Qt::WA_SetFont))
        p.font = w.font();
    if (w.testAttribute(Qt::WA_SetPalette))
        p.palette = w.palette();
    if (auto* menu = qobject_cast<const QMenu*>(&w)) {
        recordMenu(p, *menu);
        return plan;
    }
    if (auto* label = qobject_cast<const QLabel*>(&w)) {
        p.text = label->text();
        p.flag = label->wordWrap();
        p.alignment = label->alignment();
    } else if (auto* button = qobject_cast<const QAbstractButton*>(&w)) {
        p.text = button->text();
        p.flag = button->isChecked();
        p.icon = button->icon();
        p.iconSize = button->iconSize();
    } else if (auto* edit = qobject_cast<const QLineEdit*>(&w)) {
        p.text = edit->text();
        p.flag = edit->isReadOnly();
    } else if (auto* bar = qobject_cast<const QScrollBar*>(&w)) {
        p.orientation = bar->orientation();
        p.minimum = bar->minimum();
        p.maximum = bar->maximum();
        p.value = bar->value();
        p.pageStep = bar->pageStep();
    } else if (auto* combo = qobject_cast<const QComboBox*>(&w)) {
        for (int i = 0; i < combo->count(); ++i)
            p.items << combo->itemText(i);
        p.value = combo->currentIndex();
    } else if (auto* text = qobject_cast<const QPlainTextEdit*>(&w)) {
        p.text = text->toPlainText();
        p.flag = text->isReadOnly();
    } else if (auto* tabs = qobject_cast<const QTabWidget*>(&w)) {
        for (int i = 0; i < tabs->count(); ++i) {
            p.children.push_back(record(*tabs->widget(i)));
            p.children.back()->tabText = tabs->tabText(i);
        }
        if (tabs->tabBar()->testAttribute(Qt::WA_SetFont))
            p.font = tabs->tabBar()->font();  // the notebook's own font is its tab bar's here
    } else if (p.kind == QLatin1String("QWidget") || p.kind == QLatin1String("QDialog")
               || p.kind == QLatin1String("QMainWindow")
               || p.kind == QLatin1String("QGroupBox") || p.kind == QLatin1String("QFrame")) {
        if (auto* group = qobject_cast<const QGroupBox*>(&w))
            p.text = group->title();
        if (auto* dialog = qobject_cast<const QDialog*>(&w))
            p.text = dialog->windowTitle();
        for (QObject* o : w.children())
            if (auto* child = qobject_cast<QWidget*>(o); child && !qobject_cast<QMenuBar*>(child))
                p.children.push_back(record(*child));
    }
    return plan;
}

void fillMenu(QMenu& menu, const ControlPlan& plan)
{
    for (const QString& item : plan.items)
        menu.addAction(item);
    for (const auto& sub : plan.children)
        fillMenu(*menu.addMenu(sub->text), *sub);
}

QWidget* build(const ControlPlan& p, QWidget* parent)
{
    QWidget* w = nullptr;
    const QString& k = p.kind;
    if (k == QLatin1String("QLabel")) {
        auto* label = new QLabel(p.text, parent);
        label->setWordWrap(p.flag);
        label->setAlignment(p.alignment);
        w = label;
    } else if (k == QLatin1String("QPushButton") || k == QLatin1String("QCheckBox")
               || k == QLatin1String("QRadioButton")) {
        QAbstractButton* b = k == QLatin1String("QPushButton") ? static_cast<QAbstractButton*>(new QPushButton(parent))
                             : k == QLatin1String("QCheckBox") ? static_cast<QAbstractButton*>(new QCheckBox(parent))
                                                               : new QRadioButton(parent);
        b->setText(p.text);
        b->setCheckable(k != QLatin1String("QPushButton"));
        b->setChecked(p.flag);
        if (!p.icon.isNull()) {
            b->setIcon(p.icon);
            b->setIconSize(p.iconSize);
        }
        w = b;
    } else if (k == QLatin1String("QLineEdit")) {
        auto* edit = new QLineEdit(p.text, parent);
        edit->setReadOnly(p.flag);
        w = edit;
    } else if (k == QLatin1String("QScrollBar")) {
        auto* bar = new QScrollBar(p.orientation, parent);
        bar->setRange(p.minimum, p.maximum);
        bar->setValue(p.value);
        bar->setPageStep(p.pageStep);
        w = bar;
    } else if (k == QLatin1String("QComboBox")) {
        auto* combo = new QComboBox(parent);
        combo->addItems(p.items);
        combo->setCurrentIndex(p.value);
        w = combo;
    } else if (k == QLatin1String("QPlainTextEdit")) {
        auto* text = new QPlainTextEdit(p.text, parent);
        text->setReadOnly(p.flag);
        w = text;
    } else if (k == QLatin1String("QMenu")) {
        auto* menu = new QMenu(p.text, parent);
        fillMenu(*menu, p);
        return menu;
    } else if (k == QLatin1String("QTabWidget")) {
        auto* tabs = new QTabWidget(parent);
        if (p.font)
            tabs->tabBar()->setFont(*p.font);
        // Pages built straight into the page stack, as the program builds its own.
        auto* stack = tabs->findChild<QStackedWidget*>(QString(), Qt::FindDirectChildrenOnly);
        for (const auto& page : p.children)
            tabs->addTab(build(*page, stack), page->tabText);
        w = tabs;
    } else if (k == QLatin1String("QGroupBox")) {
        w = new QGroupBox(p.text, parent);
    } else if (k == QLatin1String("QDialog")) {
        auto* dialog = new QDialog(parent);
        dialog->setWindowTitle(p.text);
        w = dialog;
    } else if (k == QLatin1String("QFrame")) {
        w = new QFrame(parent);
    } else {
        w = new QWidget(parent);
    }
    if (k != QLatin1String("QTabWidget")) {
        if (p.font)
            w->setFont(*p.font);
        for (const auto& child : p.children)
            build(*child, w);
    }
    if (p.palette)
        w->setPalette(*p.palette);
    w->setAutoFillBackground(p.autoFill);
    if (p.fixed)
        w->setFixedSize(p.geometry.size());
    w->setGeometry(p.geometry);
    if (p.disabled)
        w->setEnabled(false);
    if (p.hidden && k != QLatin1String("QDialog"))
        w->hide();
    return w;
}

int count(const ControlPlan& p)
{
    int n = 1;
    for (const auto& c : p.children)
        n += count(*c);
    return n;
}

}  // namespace

ReferenceWindow::ReferenceWindow(const QMainWindow& program) : m_root(record(program))
{
    for (QAction* a : program.menuBar()->actions()) {
        if (!a->menu())
            continue;
        m_menus.push_back(std::make_unique<ControlPlan>());
        m_menus.back()->kind = QStringLiteral("QMenu");
        recordMenu(*m_menus.back(), *a->menu());
    }
}

ReferenceWindow::~ReferenceWindow() = default;

int ReferenceWindow::controls() const
{
    int n = count(*m_root);
    for (const auto& m : m_menus)
        n += count(*m);
    return n;
}

std::unique_ptr<QMainWindow> ReferenceWindow::build() const
{
    auto window = std::make_unique<QMainWindow>();
    const ControlPlan& p = *m_root;
    if (p.font)
        window->setFont(*p.font);
    if (p.palette)
        window->setPalette(*p.palette);
    for (const auto& m : m_menus)
        fillMenu(*window->menuBar()->addMenu(m->text), *m);
    for (const auto& child : p.children) {
        QWidget* w = vestor::bench::build(*child, window.get());
        if (child->kind != QLatin1String("QMenu") && child->kind != QLatin1String("QDialog")
            && !window->centralWidget())
            window->setCentralWidget(w);
    }
    // The program sizes its window from the menu bar's height, which builds the bar's extension.
    window->menuBar()->sizeHint();
    window->setFixedSize(p.geometry.size());
    return window;
}

}  // namespace vestor::bench
