#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

namespace vestor {

// Shows an image one logical pixel per pixel and reports mouse presses and releases on it.
// The image may be drawn at the screen's device pixel ratio; when the widget is first shown,
// or moves to a screen of another ratio, at a ratio the image is not drawn at, it asks for the
// picture again.
class ImageView : public QWidget {
    Q_OBJECT
public:
    ImageView(QImage* image, QWidget* parent = nullptr);

    // The image, brought up to date first where its owner draws it on demand.
    QImage* image() const
    {
        if (m_prepare)
            m_prepare();
        return m_image;
    }
    void setPreparer(std::function<void()> prepare) { m_prepare = std::move(prepare); }

    // What a screen reader reads as the picture's description, made when it is asked for: the
    // picture may be redrawn many times a second and read far less often.
    void setDescriber(std::function<QString()> describer) { m_describer = std::move(describer); }
    QString description() const;

signals:
    void pressed(QPoint pos, Qt::MouseButton button);
    void released(QPoint pos, Qt::MouseButton button);
    // The widget is shown at a device pixel ratio the image is not drawn at.
    void ratioChanged(double ratio);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void paintFocusFrame(QPainter& p) const;

    QImage* m_image;
    double m_shownRatio = 0;  // the widget's ratio at its last paint
    std::function<QString()> m_describer;
    std::function<void()> m_prepare;
};

}  // namespace vestor
