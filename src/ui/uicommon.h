#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QWidget>

#include "sim/simulation.h"

namespace vestor {

// The pale yellow of the main panel and the dialogs (0xC7FDFE).
inline const QColor kPanelColor(254, 253, 199);
// The khaki of the About box panel and the user name group (0x6D96A9).
inline const QColor kKhaki(169, 150, 109);

inline QColor toQColor(Color c)
{
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

inline Color fromQColor(const QColor& c)
{
    return static_cast<Color>(c.red()) | (static_cast<Color>(c.green()) << 8) | (static_cast<Color>(c.blue()) << 16);
}

// Arial (or its metric twin) at a pixel height.
inline QFont pixelFont(int pixels, bool bold, const QString& family = QStringLiteral("Arial"))
{
    QFont f(family);
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

inline void setBackground(QWidget* w, const QColor& c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, c);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

inline void setTextColor(QWidget* w, const QColor& c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::ButtonText, c);
    p.setColor(QPalette::Text, c);
    w->setPalette(p);
}

// Creates a child widget with an object name and a fixed place on its parent.
template <typename W, typename... Args>
W* placed(QWidget* parent, const char* name, int x, int y, Args&&... args)
{
    auto* w = new W(std::forward<Args>(args)..., parent);
    w->setObjectName(QString::fromLatin1(name));
    w->move(x, y);
    return w;
}

}  // namespace vestor
