#pragma once

#include <QColor>
#include <QFont>
#include <QLocale>
#include <QPalette>
#include <QWidget>

#include "core/simulation.h"

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

// Arial (or its metric twin) at a pixel height. A family the system lacks, such as the generic
// "Sans Serif" on Windows, falls back to a sans-serif face (Arial there) rather than the system's
// choice for any style (Tahoma, wider than the pages are laid out for).
inline QFont pixelFont(int pixels, bool bold, const QString& family = QStringLiteral("Arial"))
{
    QFont f(family);
    // The pages are laid out for Arial; where it is missing (Wine, a bare Linux), its metric twin.
    if (family == QLatin1String("Arial"))
        f.setFamilies({family, QStringLiteral("Liberation Sans")});
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

// Text with numbers that the core writes with a decimal point, as the student's language writes
// them on screen ("3,11" in German). What is saved or copied as data keeps the point.
inline QString onScreen(const std::string& text)
{
    return QString::fromStdString(text).replace(QLatin1Char('.'), QLocale().decimalPoint());
}

// The grey of every disabled caption and field: readable, but clearly off beside black text.
inline const QColor kDisabledText(128, 128, 128);

// The program's own colours for every role it draws with, in every group. Windows that carry the
// program's look start from it, so a desktop colour scheme (a dark one, say) never mixes into the
// pale yellow pages; message boxes and the file and print dialogs are left to the desktop.
inline QPalette programPalette()
{
    struct Role {
        QPalette::ColorRole role;
        QColor enabled;
        QColor disabled;
    };
    const QColor face(239, 239, 239);
    const Role roles[] = {
        {QPalette::Window, face, face},
        {QPalette::WindowText, Qt::black, kDisabledText},
        {QPalette::Base, Qt::white, face},
        {QPalette::AlternateBase, QColor(247, 247, 247), QColor(247, 247, 247)},
        {QPalette::Text, Qt::black, kDisabledText},
        {QPalette::PlaceholderText, QColor(0, 0, 0, 128), QColor(0, 0, 0, 128)},
        {QPalette::Button, face, face},
        {QPalette::ButtonText, Qt::black, kDisabledText},
        {QPalette::BrightText, Qt::white, Qt::white},
        {QPalette::Light, Qt::white, Qt::white},
        {QPalette::Midlight, QColor(202, 202, 202), QColor(202, 202, 202)},
        {QPalette::Mid, QColor(184, 184, 184), QColor(184, 184, 184)},
        {QPalette::Dark, QColor(159, 159, 159), QColor(190, 190, 190)},
        {QPalette::Shadow, QColor(118, 118, 118), QColor(177, 177, 177)},
        {QPalette::Highlight, QColor(48, 140, 198), QColor(145, 145, 145)},
        {QPalette::HighlightedText, Qt::white, Qt::white},
        {QPalette::Link, Qt::blue, Qt::blue},
        {QPalette::LinkVisited, Qt::magenta, Qt::magenta},
        {QPalette::ToolTipBase, QColor(255, 255, 220), QColor(255, 255, 220)},
        {QPalette::ToolTipText, Qt::black, Qt::black},
    };
    QPalette p;
    for (const Role& r : roles) {
        p.setColor(QPalette::Active, r.role, r.enabled);
        p.setColor(QPalette::Inactive, r.role, r.enabled);
        p.setColor(QPalette::Disabled, r.role, r.disabled);
    }
    return p;
}

inline void setBackground(QWidget* w, const QColor& c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, c);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

// The colour of a caption's text while it is enabled; disabled, it greys like every other
// control. Only the caption takes it: a check box's tick and field keep the program's colours.
inline void setTextColor(QWidget* w, const QColor& c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Active, QPalette::WindowText, c);
    p.setColor(QPalette::Inactive, QPalette::WindowText, c);
    p.setColor(QPalette::Disabled, QPalette::WindowText, kDisabledText);
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
