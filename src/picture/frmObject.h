#pragma once
// The picture window: the drawing, the Parent box, the name box, and the Save and Done buttons.

#include "drawing/ImageSurface.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

class frmObject : public QWidget {
    Q_OBJECT

public:
    explicit frmObject(QWidget* parent = nullptr);
    ~frmObject() override;

    // The client area's size on the screen, as laid out.
    static QSize ClientSize();

    QLineEdit* txtName;
    QPushButton* btnSave;
    QWidget* picDraw;
    QPushButton* btnDone;
    QCheckBox* cbxParent;
    QLabel* lblName;

    // The ID as text: the link from the window back to its picture.
    QString Tag;

    // What picDraw shows; drawn into once, painted from as often as needed.
    ImageSurface& surface() { return m_surface; }

    void btnDone_Click();
    void btnSave_Click();

signals:
    // The window is closing, by Done or by its frame.
    void closed();
    // Save wrote the picture's genetic code to fileName.
    void saved(const QString& fileName);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    ImageSurface m_surface;
};
