#include "core/settings/SettingsValues.h"

#include "core/export/AnimationRender.h"

#include <QDir>
#include <QRegularExpression>

#include <optional>

namespace SettingsValues {

namespace {

// Far beyond any window on a screen.
constexpr int MaxWindowSide = 16384;

const QString FoldersGroup = QStringLiteral("folders/");
const QString WindowsGroup = QStringLiteral("windows/");

QString frameText(Drawing::Frame frame)
{
    return frame == Drawing::Frame::WholeTree ? QStringLiteral("whole tree") : QStringLiteral("window");
}

QString boolText(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

QString sizeText(QSize size)
{
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

// Reads each known key's text into its setting, and lists the keys whose values do not read.
class Reader {
public:
    explicit Reader(const QVariantMap& values)
        : m_values(values)
    {
    }

    void integer(const QString& key, int low, int high, int& setting)
    {
        take(key, [&](const QString& text) -> bool {
            bool ok = false;
            const int value = text.toInt(&ok);
            if (!ok || value < low || value > high)
                return false;
            setting = value;
            return true;
        });
    }

    // A fraction from 0 to 1 in hundredths, as the Breed window's rate box steps.
    void hundredths(const QString& key, double& setting)
    {
        static const QRegularExpression form(QStringLiteral("^(0\\.[0-9]{1,2}|1\\.00?|[01])$"));
        take(key, [&](const QString& text) {
            if (!form.match(text).hasMatch())
                return false;
            setting = text.toDouble();
            return true;
        });
    }

    void oneOf(const QString& key, std::initializer_list<int> values, int& setting)
    {
        take(key, [&](const QString& text) {
            for (const int value : values) {
                if (text == QString::number(value)) {
                    setting = value;
                    return true;
                }
            }
            return false;
        });
    }

    void boolean(const QString& key, bool& setting)
    {
        take(key, [&](const QString& text) {
            if (text != boolText(true) && text != boolText(false))
                return false;
            setting = text == boolText(true);
            return true;
        });
    }

    void frame(const QString& key, Drawing::Frame& setting)
    {
        take(key, [&](const QString& text) {
            for (const Drawing::Frame frame : { Drawing::Frame::Window, Drawing::Frame::WholeTree }) {
                if (text == frameText(frame)) {
                    setting = frame;
                    return true;
                }
            }
            return false;
        });
    }

    void folder(const QString& key, QHash<QString, QString>& folders)
    {
        take(key, [&](const QString& text) {
            if (!QDir::isAbsolutePath(text))
                return false;
            folders.insert(key.mid(FoldersGroup.size()), text);
            return true;
        });
    }

    void windowSize(const QString& key, QHash<QString, QSize>& sizes)
    {
        static const QRegularExpression form(QStringLiteral("^([0-9]{1,5})x([0-9]{1,5})$"));
        take(key, [&](const QString& text) {
            const QRegularExpressionMatch match = form.match(text);
            if (!match.hasMatch())
                return false;
            const QSize size(match.captured(1).toInt(), match.captured(2).toInt());
            if (size.width() < 1 || size.height() < 1 || size.width() > MaxWindowSide || size.height() > MaxWindowSide)
                return false;
            sizes.insert(key.mid(WindowsGroup.size()), size);
            return true;
        });
    }

    QStringList unread() const { return m_unread; }

private:
    template <typename Parse> void take(const QString& key, Parse&& parse)
    {
        const auto found = m_values.constFind(key);
        if (found == m_values.cend())
            return;
        // A store gives texts; a list, a number or anything else it made of the file is not one of ours, nor is a
        // text that no file name or number could hold, with half a surrogate pair.
        if (found->typeId() != QMetaType::QString || !found->toString().isValidUtf16() || !parse(found->toString()))
            m_unread.append(key);
    }

    const QVariantMap& m_values;
    QStringList m_unread;
};

} // namespace

Read read(const QVariantMap& values)
{
    Read result;
    UserSettings& settings = result.settings;
    Reader reader(values);
    ExportSettings& picture = settings.exportSettings;
    reader.integer(QStringLiteral("export/scale"), Drawing::MinScale, Drawing::MaxScale, picture.scale);
    reader.frame(QStringLiteral("export/frame"), picture.frame);
    reader.boolean(QStringLiteral("export/smooth"), picture.smooth);
    reader.boolean(QStringLiteral("export/transparent"), picture.transparent);
    AnimationExportSettings& animation = settings.animationExport;
    reader.integer(QStringLiteral("animation/scale"), Drawing::MinScale, Drawing::MaxAnimationScale, animation.scale);
    reader.integer(
        QStringLiteral("animation/framesPerSecond"), 1, Drawing::MaxFramesPerSecond, animation.framesPerSecond);
    reader.frame(QStringLiteral("animation/frame"), animation.frame);
    reader.boolean(QStringLiteral("animation/smooth"), animation.smooth);
    reader.boolean(QStringLiteral("animation/transparent"), animation.transparent);
    reader.integer(
        QStringLiteral("litter/size"), UserSettings::MinLitterSize, UserSettings::MaxLitterSize, settings.litterSize);
    reader.integer(QStringLiteral("breed/grid"), MinGridSide, MaxGridSide, settings.breedGrid);
    reader.hundredths(QStringLiteral("breed/rate"), settings.breedRate);
    reader.oneOf(QStringLiteral("album/thumbnailSize"), { ThumbnailCache::NormalSide, ThumbnailCache::LargeSide },
        settings.albumThumbnailSize);
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        if (it.key().size() > FoldersGroup.size() && it.key().startsWith(FoldersGroup))
            reader.folder(it.key(), settings.folders);
        else if (it.key().size() > WindowsGroup.size() && it.key().startsWith(WindowsGroup))
            reader.windowSize(it.key(), settings.windowSizes);
    }
    result.unread = reader.unread();
    result.unread.sort();
    return result;
}

QMap<QString, QString> write(const UserSettings& settings)
{
    const ExportSettings& picture = settings.exportSettings;
    const AnimationExportSettings& animation = settings.animationExport;
    QMap<QString, QString> values {
        { QStringLiteral("export/scale"), QString::number(picture.scale) },
        { QStringLiteral("export/frame"), frameText(picture.frame) },
        { QStringLiteral("export/smooth"), boolText(picture.smooth) },
        { QStringLiteral("export/transparent"), boolText(picture.transparent) },
        { QStringLiteral("animation/scale"), QString::number(animation.scale) },
        { QStringLiteral("animation/framesPerSecond"), QString::number(animation.framesPerSecond) },
        { QStringLiteral("animation/frame"), frameText(animation.frame) },
        { QStringLiteral("animation/smooth"), boolText(animation.smooth) },
        { QStringLiteral("animation/transparent"), boolText(animation.transparent) },
        { QStringLiteral("litter/size"), QString::number(settings.litterSize) },
        { QStringLiteral("breed/grid"), QString::number(settings.breedGrid) },
        { QStringLiteral("breed/rate"), QString::number(settings.breedRate, 'f', 2) },
        { QStringLiteral("album/thumbnailSize"), QString::number(settings.albumThumbnailSize) },
    };
    for (auto it = settings.folders.cbegin(); it != settings.folders.cend(); ++it)
        values.insert(FoldersGroup + it.key(), it.value());
    for (auto it = settings.windowSizes.cbegin(); it != settings.windowSizes.cend(); ++it)
        values.insert(WindowsGroup + it.key(), sizeText(it.value()));
    return values;
}

} // namespace SettingsValues
