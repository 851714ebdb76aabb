#include "ui/windows/Remembered.h"

#include "program/Preferences.h"

#include <QEvent>
#include <QFileInfo>
#include <QWidget>

namespace Remembered {

namespace {

// Keeps the size of the window it watches under its name; it goes with the window.
class SizeKeeper final : public QObject {
public:
    SizeKeeper(QWidget* window, QString name)
        : QObject(window)
        , m_name(std::move(name))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Resize && watched == parent())
            Preferences::change([&](UserSettings& settings) {
                settings.windowSizes.insert(m_name, static_cast<QWidget*>(watched)->size());
            });
        return false;
    }

private:
    QString m_name;
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
