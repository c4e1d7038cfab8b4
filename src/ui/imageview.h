#pragma once

#include <QImage>
#include <QWidget>

namespace vestor {

// Shows an image one pixel per pixel and reports mouse presses and releases on it.
class ImageView : public QWidget {
    Q_OBJECT
public:
    ImageView(QImage* image, QWidget* parent = nullptr);

    QImage* image() const { return m_image; }

signals:
    void pressed(QPoint pos, Qt::MouseButton button);
    void released(QPoint pos, Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage* m_image;
};

}  // namespace vestor
