#include "ui/animation/AnimationWindow.h"

#include "core/drawing/PictureFrame.h"
#include "core/history/BirthRecord.h"
#include "core/history/RunHistory.h"
#include "core/platform/RuntimeError.h"
#include "ui/animation/AnimationView.h"
#include "ui/animation/ExportAnimationDialog.h"
#include "ui/windows/Guard.h"
#include "ui/windows/Remembered.h"

#include <QAction>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSlider>
#include <QStringList>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

constexpr double AnimationFirstSecondsPerStep = 1.0;

std::vector<GeneticCode> animationCodesOf(const std::vector<AnimationWindow::Picture>& pictures)
{
    std::vector<GeneticCode> codes;
    codes.reserve(pictures.size());
    for (const AnimationWindow::Picture& picture : pictures)
        codes.push_back(picture.code);
    return codes;
}

std::vector<qint16> animationIdsOf(const std::vector<AnimationWindow::Picture>& pictures)
{
    std::vector<qint16> ids;
    ids.reserve(pictures.size());
    for (const AnimationWindow::Picture& picture : pictures)
        ids.push_back(picture.id);
    return ids;
}

// "Animation", or "Animation - tree.gen, bush.gen" for pictures that have labels.
QString animationTitleOf(const std::vector<AnimationWindow::Picture>& pictures)
{
    QStringList labels;
    for (const AnimationWindow::Picture& picture : pictures)
        if (!picture.label.isEmpty())
            labels.append(picture.label);
    const QString title = QStringLiteral("Animation");
    return labels.isEmpty() ? title : QStringLiteral("%1 - %2").arg(title, labels.join(QStringLiteral(", ")));
}

} // namespace

AnimationWindow* AnimationWindow::Open(std::vector<Picture> pictures, Drawing::Flags flags, RunCommands commands)
{
    auto* window = new AnimationWindow(std::move(pictures), flags, std::move(commands));
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

AnimationWindow* AnimationWindow::OpenOfRun(
    const RunHistory& history, const std::vector<qint16>& ids, RunCommands commands)
{
    // Every picture of the run is in its history, with its code and the flags it was drawn with.
    std::vector<Picture> pictures;
    for (const qint16 id : ids)
        pictures.push_back({ id, history.find(id)->code, {} });
    return Open(std::move(pictures), history.find(ids.front())->birth.flags, std::move(commands));
}

void AnimationWindow::Refuse(QWidget* over, const QString& why)
{
    auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("Animation"),
        QStringLiteral("An animation needs two or more pictures. %1").arg(why), QMessageBox::Ok, over);
    box->setObjectName(QStringLiteral("AnimationRefusedBox"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

AnimationWindow::AnimationWindow(
    std::vector<Picture> pictures, Drawing::Flags flags, RunCommands commands, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_ids(animationIdsOf(pictures))
    , m_morph(animationCodesOf(pictures), flags)
    , m_timing(m_morph.pictures(), AnimationFirstSecondsPerStep, FramesPerSecond)
    , m_commands(std::move(commands))
{
    setObjectName(QStringLiteral("AnimationWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(animationTitleOf(pictures));
    createControls();
    createMenu();

    m_timer = new QTimer(this);
    m_timer->setTimerType(Qt::PreciseTimer);
    m_timer->setInterval(static_cast<int>(std::lround(1000.0 / FramesPerSecond)));
    connect(m_timer, &QTimer::timeout, this, [this] { Guard::run(this, [this] { tick(); }); });

    resize(sizeHint());
    Remembered::keepSize(this, QStringLiteral("animation"));
    goTo(0);
    playOrPause();
}

void AnimationWindow::createControls()
{
    picAnimation = new AnimationView(this);

    sldPosition = new QSlider(Qt::Horizontal, this);
    sldPosition->setObjectName(QStringLiteral("sldPosition"));
    sldPosition->setAccessibleName(QStringLiteral("Position"));
    sldPosition->setRange(0, m_timing.frameCount() - 1);

    spnSecondsPerStep = new QDoubleSpinBox(this);
    spnSecondsPerStep->setObjectName(QStringLiteral("spnSecondsPerStep"));
    spnSecondsPerStep->setAccessibleName(QStringLiteral("Seconds per step"));
    spnSecondsPerStep->setRange(FrameTiming::MinSecondsPerStep, FrameTiming::MaxSecondsPerStep);
    spnSecondsPerStep->setDecimals(1);
    spnSecondsPerStep->setSingleStep(0.1);
    spnSecondsPerStep->setValue(AnimationFirstSecondsPerStep);
    auto* lblSecondsPerStep = new QLabel(QStringLiteral("&Seconds per step:"), this);
    lblSecondsPerStep->setBuddy(spnSecondsPerStep);

    cbxBackAndForth = new QCheckBox(QStringLiteral("&Back and forth"), this);
    cbxBackAndForth->setObjectName(QStringLiteral("cbxBackAndForth"));

    auto* controls = new QHBoxLayout;
    controls->addWidget(sldPosition, 1);
    controls->addWidget(lblSecondsPerStep);
    controls->addWidget(spnSecondsPerStep);
    controls->addWidget(cbxBackAndForth);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picAnimation, 1);
    auto* row = new QWidget(this);
    row->setLayout(controls);
    layout->addWidget(row);

    setTabOrder(picAnimation, sldPosition);
    setTabOrder(sldPosition, spnSecondsPerStep);
    setTabOrder(spnSecondsPerStep, cbxBackAndForth);
    picAnimation->setFocus();

    connect(sldPosition, &QSlider::valueChanged, this,
        [this](int value) { Guard::run(this, [&] { sldPosition_ValueChanged(value); }); });
    connect(spnSecondsPerStep, &QDoubleSpinBox::valueChanged, this,
        [this](double seconds) { Guard::run(this, [&] { spnSecondsPerStep_ValueChanged(seconds); }); });
    connect(cbxBackAndForth, &QCheckBox::toggled, this,
        [this](bool checked) { Guard::run(this, [&] { cbxBackAndForth_Toggled(checked); }); });
}

void AnimationWindow::createMenu()
{
    A_WholeTree = new QAction(QStringLiteral("&Whole Tree"), this);
    A_WholeTree->setCheckable(true);
    A_Export = new QAction(QStringLiteral("Export &Animation..."), this);
    A_Export->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    A_OpenFrame = new QAction(QStringLiteral("Open &Frame as Picture"), this);
    A_OpenFrame->setShortcuts({ QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter) });
    for (QAction* action : { A_WholeTree, A_Export, A_OpenFrame })
        action->setShortcutContext(Qt::WindowShortcut);
    addActions({ A_WholeTree, A_Export, A_OpenFrame });
    m_menu = new QMenu(this);
    m_menu->setAccessibleName(QStringLiteral("Animation"));
    m_menu->addAction(A_WholeTree);
    m_menu->addSeparator();
    m_menu->addActions({ A_Export, A_OpenFrame });

    Guard::connect(A_WholeTree, &QAction::triggered, this, &AnimationWindow::A_WholeTree_Click);
    Guard::connect(A_Export, &QAction::triggered, this, &AnimationWindow::A_Export_Click);
    Guard::connect(A_OpenFrame, &QAction::triggered, this, &AnimationWindow::A_OpenFrame_Click);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

bool AnimationWindow::isPlaying() const
{
    return m_timer->isActive();
}

int AnimationWindow::frame() const
{
    return m_timing.frameOfLoop(m_loopIndex);
}

void AnimationWindow::playOrPause()
{
    if (isPlaying()) {
        m_timer->stop();
        return;
    }
    m_loopIndexAtStart = m_loopIndex;
    m_clock.start();
    m_timer->start();
}

void AnimationWindow::tick()
{
    const qint64 played = m_clock.elapsed() * FramesPerSecond / 1000;
    m_loopIndex = static_cast<int>((m_loopIndexAtStart + played) % m_timing.loopLength());
    showCurrent();
}

void AnimationWindow::goTo(int frame)
{
    m_loopIndex = std::clamp(frame, 0, m_timing.frameCount() - 1);
    m_loopIndexAtStart = m_loopIndex;
    m_clock.start();
    showCurrent();
}

void AnimationWindow::showCurrent()
{
    const int shown = frame();
    {
        // The slider follows the playback; only the user's moves set the position.
        const QSignalBlocker blocker(sldPosition);
        sldPosition->setValue(shown);
    }
    picAnimation->showFrame(
        m_morph.codeAt(m_timing.position(shown)), m_morph.flags(), shownFrame(), !A_WholeTree->isChecked());
}

QRectF AnimationWindow::shownFrame()
{
    if (!A_WholeTree->isChecked())
        return Drawing::WindowFrame;
    if (!m_wholeTrees) {
        try {
            m_wholeTrees = m_morph.frameOf(m_timing, Drawing::Frame::WholeTree);
        } catch (const RuntimeError&) {
            // Some frame leaves the drawing's range and shows no drawing; the window's frame shows the others.
            m_wholeTrees = Drawing::WindowFrame;
        }
    }
    return *m_wholeTrees;
}

void AnimationWindow::sldPosition_ValueChanged(int value)
{
    goTo(value);
}

void AnimationWindow::spnSecondsPerStep_ValueChanged(double)
{
    retime();
}

void AnimationWindow::cbxBackAndForth_Toggled(bool)
{
    retime();
}

void AnimationWindow::retime()
{
    const FrameTiming before = m_timing;
    const int shown = frame();
    m_timing
        = FrameTiming(m_morph.pictures(), spnSecondsPerStep->value(), FramesPerSecond, cbxBackAndForth->isChecked());
    if (m_timing.framesPerStep() != before.framesPerStep())
        m_wholeTrees.reset();
    sldPosition->setMaximum(m_timing.frameCount() - 1);
    goTo(m_timing.frameNearest(before, shown));
}

void AnimationWindow::A_WholeTree_Click()
{
    showCurrent();
}

void AnimationWindow::A_Export_Click()
{
    ExportAnimationDialog::Open(this, m_morph, spnSecondsPerStep->value(), cbxBackAndForth->isChecked());
}

void AnimationWindow::A_OpenFrame_Click()
{
    const FramePosition at = m_timing.position(frame());
    const auto step = static_cast<std::size_t>(at.step);
    // A file's picture has no ID to be born of.
    std::vector<qint16> ofRun;
    for (const qint16 id : { m_ids[step], m_ids[step + 1] })
        if (id >= 0)
            ofRun.push_back(id);
    m_commands.openPicture(QString(), m_morph.codeAt(at), BirthRecord::between(std::move(ofRun), m_morph.flags()));
}

void AnimationWindow::keyPressEvent(QKeyEvent* event)
{
    Guard::run(this, [&] {
        const bool paused = !isPlaying();
        switch (event->key()) {
        case Qt::Key_Space:
            if (!event->isAutoRepeat())
                playOrPause();
            break;
        case Qt::Key_Left:
        case Qt::Key_Right:
            if (paused)
                goTo(frame() + (event->key() == Qt::Key_Left ? -1 : 1));
            break;
        case Qt::Key_Home:
            if (paused)
                goTo(0);
            break;
        case Qt::Key_End:
            if (paused)
                goTo(m_timing.frameCount() - 1);
            break;
        default:
            QWidget::keyPressEvent(event);
        }
    });
}

void AnimationWindow::contextMenuEvent(QContextMenuEvent* event)
{
    m_menu->popup(event->globalPos());
}
