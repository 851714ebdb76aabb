#pragma once
// The picture window: the drawing, the Parent box, the name box, and the Save and Done buttons.

#include "core/drawing/CountingSurface.h"
#include "core/drawing/ImageSurface.h"
#include "ui/windows/RunCommands.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class LargeView;
class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class clsObject;

class frmObject : public QWidget {
    Q_OBJECT

public:
    explicit frmObject(RunCommands commands = {}, QWidget* parent = nullptr);
    ~frmObject() override;

    // The client area's size on the screen, as laid out.
    static QSize ClientSize();

    QLineEdit* txtName;
    QPushButton* btnSave;
    QWidget* picDraw;
    QPushButton* btnDone;
    QCheckBox* cbxParent;
    QLabel* lblName;

    // The drawing area's right-click menu; its items' shortcuts work wherever the focus is in the window.
    QMenu* M_Picture;
    QAction* P_Copy;
    QAction* P_Export;
    QAction* P_ViewLarge;
    QAction* P_EditGenes;
    QAction* P_BreedFromThis;

    // The ID as text: the link from the window back to its picture.
    QString Tag;

    // What picDraw shows; drawn into once, painted from as often as needed.
    ImageSurface& surface() { return m_surface; }
    // Where the picture is drawn: into surface(), its segments counted for picDraw's accessible description.
    DrawingSurface& drawingSurface() { return m_counted; }

    // The picture's large view while it is open.
    LargeView* largeView() const;

    void btnDone_Click();
    void btnSave_Click();
    void P_Copy_Click();
    void P_Export_Click();
    void P_ViewLarge_Click();
    void P_EditGenes_Click();
    void P_BreedFromThis_Click();

signals:
    // The window is closing, by Done or by its frame.
    void closed();
    // Save wrote the picture's genetic code to fileName.
    void saved(const QString& fileName);

protected:
    // The large view closes with the window.
    void closeEvent(QCloseEvent* event) override;

private:
    std::shared_ptr<clsObject> picture() const;

    RunCommands m_commands;
    ImageSurface m_surface;
    CountingSurface m_counted;
    QPointer<LargeView> m_largeView;
};
