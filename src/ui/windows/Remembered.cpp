#include "ui/windows/Remembered.h"

#include "program/Preferences.h"
#include "ui/windows/Guard.h"

#include <QEvent>
#include <QFileInfo>
#include <QTimer>
#include <QWidget>

namespace Remembered {

namespace {

// A window being dragged larger is resized many times a second: its size is kept once it settles.
constexpr int SettleMilliseconds = 200;

// Keeps the size of the window it watches under its name; it goes with the window.
class SizeKeeper final : public QObject {
public:
    SizeKeeper(QWidget* window, QString name)
        : QObject(window)
        , m_window(window)
        , m_name(std::move(name))
    {
        m_settled.setSingleShot(true);
        m_settled.setInterval(SettleMilliseconds);
        connect(&m_settled, &QTimer::timeout, this, [this] { Guard::run(m_window, [this] { keep(); }); });
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != m_window)
            return false;
        if (event->type() == QEvent::Resize)
            m_settled.start();
        else if (event->type() == QEvent::Hide || event->type() == QEvent::Close)
            Guard::run(m_window, [this] { keep(); });
        return false;
    }

private:
    void keep()
    {
        m_settled.stop();
        Preferences::change([this](UserSettings& settings) { settings.windowSizes.insert(m_name, m_window->size()); });
    }

    QWidget* m_window;
    QString m_name;
    QTimer m_settled;
};

} // namespace

void keepSize(QWidget* window, const QString& name)
{
    const QSize size = Preferences::current().windowSizes.value(name);
    if (size.isValid())
        window->resize(size);
    new SizeKeeper(window, name);
}

QString folder(const QString& name, const QString& fallback)
{
    return Preferences::current().folders.value(name, fallback);
}

void keepFolder(const QString& name, const QString& fileName)
{
    Preferences::change(
        [&](UserSettings& settings) { settings.folders.insert(name, QFileInfo(fileName).absolutePath()); });
}

void keepChosenFolder(const QString& name, const QString& folder)
{
    Preferences::change(
        [&](UserSettings& settings) { settings.folders.insert(name, QFileInfo(folder).absoluteFilePath()); });
}

} // namespace Remembered
