#pragma once
// The Animation window: a morph through two or more pictures played large, looping, with its position, pace and
// direction beside it; any frame can be exported with the rest or opened as a new picture of the run.

#include "core/animation/FrameTiming.h"
#include "core/animation/Morph.h"
#include "ui/windows/RunCommands.h"

#include <QElapsedTimer>
#include <QRectF>
#include <QWidget>

#include <optional>
#include <vector>

class AnimationView;
class QAction;
class QCheckBox;
class QDoubleSpinBox;
class QMenu;
class QSlider;
class QTimer;
class RunHistory;

class AnimationWindow final : public QWidget {
    Q_OBJECT

public:
    struct Picture {
        // -1 for a picture that is not of the run, such as a file's.
        qint16 id = -1;
        GeneticCode code;
        // What the window's title calls it; pictures of the run go unnamed.
        QString label;
    };

    static constexpr int FramesPerSecond = 30;

    // A new Animation window of pictures, shown at the front; it goes when it closes.
    static AnimationWindow* Open(std::vector<Picture> pictures, Drawing::Flags flags, RunCommands commands);
    // The same of the run's pictures with these IDs, in their order, as the history keeps them, drawn with the first
    // one's flags.
    static AnimationWindow* OpenOfRun(const RunHistory& history, const std::vector<qint16>& ids, RunCommands commands);
    // Says over that window that an animation needs two or more pictures, and why there are not.
    static void Refuse(QWidget* over, const QString& why);

    // Plays at once, one second from each picture to the next. pictures: two or more, in the order shown;
    // flags: the first picture's, which every frame is drawn with. The title names the pictures that have labels.
    AnimationWindow(
        std::vector<Picture> pictures, Drawing::Flags flags, RunCommands commands, QWidget* parent = nullptr);

    AnimationView* picAnimation;
    QSlider* sldPosition;
    QDoubleSpinBox* spnSecondsPerStep;
    QCheckBox* cbxBackAndForth;

    // The right-click menu's items.
    QAction* A_WholeTree;
    QAction* A_Export;
    QAction* A_OpenFrame;

    void A_WholeTree_Click();
    void A_Export_Click();
    void A_OpenFrame_Click();

    bool isPlaying() const;
    // The frame shown, from 0 (the first picture) to timing().frameCount() - 1 (the last).
    int frame() const;
    const FrameTiming& timing() const { return m_timing; }
    const Morph& morph() const { return m_morph; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void createControls();
    void createMenu();
    void playOrPause();
    void tick();
    // Shows frame and plays on from it, forward.
    void goTo(int frame);
    void showCurrent();
    void sldPosition_ValueChanged(int value);
    void spnSecondsPerStep_ValueChanged(double seconds);
    void cbxBackAndForth_Toggled(bool checked);
    void retime();
    // The part of the drawing plane every frame shows, in twips.
    QRectF shownFrame();

    std::vector<qint16> m_ids;
    Morph m_morph;
    FrameTiming m_timing;
    RunCommands m_commands;
    QMenu* m_menu = nullptr;
    QTimer* m_timer = nullptr;
    // Playback keeps to the clock: the place in the loop is where the time says, however late a tick comes.
    QElapsedTimer m_clock;
    int m_loopIndex = 0;
    int m_loopIndexAtStart = 0;
    // The whole trees of all the frames at this pace, worked out when first asked for.
    std::optional<QRectF> m_wholeTrees;
};
