#pragma once
// A picture box: shows an image at its natural size and reports a click on it.

#include <QImage>
#include <QLabel>

class PictureBox : public QLabel {
    Q_OBJECT

public:
    PictureBox(const QImage& image, QWidget* parent);

signals:
    void Click();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
