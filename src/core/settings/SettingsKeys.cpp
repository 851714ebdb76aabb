#include "core/settings/SettingsKeys.h"

#include "core/export/AnimationRender.h"

#include <QDir>
#include <QRegularExpression>

#include <optional>
#include <utility>

namespace SettingsKeys {

namespace {

// Far beyond any window on a screen.
constexpr int MaxWindowSide = 16384;

// How a value is kept as text.
template <typename T> struct TextForm {
    // The value text holds; none when text does not read.
    std::function<std::optional<T>(const QString& text)> read;
    std::function<QString(const T& value)> write;
};

TextForm<int> integerFrom(int low, int high)
{
    return { [low, high](const QString& text) -> std::optional<int> {
                bool ok = false;
                const int value = text.toInt(&ok);
                if (!ok || value < low || value > high)
                    return std::nullopt;
                return value;
            },
        [](const int& value) { return QString::number(value); } };
}

// A fraction from 0 to 1 in hundredths, as the Breed window's rate box steps.
TextForm<double> hundredths()
{
    return { [](const QString& text) -> std::optional<double> {
                static const QRegularExpression form(QStringLiteral("^(0\\.[0-9]{1,2}|1\\.00?|[01])$"));
                if (!form.match(text).hasMatch())
                    return std::nullopt;
                return text.toDouble();
            },
        [](const double& value) { return QString::number(value, 'f', 2); } };
}

// One of a few values, each kept as its name.
template <typename T> TextForm<T> namedValue(std::vector<std::pair<T, QString>> names)
{
    return { [names](const QString& text) -> std::optional<T> {
                for (const auto& [value, name] : names) {
                    if (text == name)
                        return value;
                }
                return std::nullopt;
            },
        [names](const T& value) {
            for (const auto& [named, name] : names) {
                if (named == value)
                    return name;
            }
            return QString();
        } };
}

TextForm<bool> trueOrFalse()
{
    return namedValue<bool>({ { true, QStringLiteral("true") }, { false, QStringLiteral("false") } });
}

TextForm<Drawing::Frame> frameName()
{
    return namedValue<Drawing::Frame>({ { Drawing::Frame::Window, QStringLiteral("window") },
        { Drawing::Frame::WholeTree, QStringLiteral("whole tree") } });
}

TextForm<int> thumbnailSide()
{
    return namedValue<int>({ { ThumbnailCache::NormalSide, QString::number(ThumbnailCache::NormalSide) },
        { ThumbnailCache::LargeSide, QString::number(ThumbnailCache::LargeSide) } });
}

TextForm<QString> absoluteFolder()
{
    return { [](const QString& text) -> std::optional<QString> {
                if (!QDir::isAbsolutePath(text))
                    return std::nullopt;
                return text;
            },
        [](const QString& folder) { return folder; } };
}

// Width x height, as 640x480.
TextForm<QSize> windowSize()
{
    return { [](const QString& text) -> std::optional<QSize> {
                static const QRegularExpression form(QStringLiteral("^([0-9]{1,5})x([0-9]{1,5})$"));
                const QRegularExpressionMatch match = form.match(text);
                if (!match.hasMatch())
                    return std::nullopt;
                const QSize size(match.captured(1).toInt(), match.captured(2).toInt());
                if (size.width() < 1 || size.height() < 1 || size.width() > MaxWindowSide
                    || size.height() > MaxWindowSide)
                    return std::nullopt;
                return size;
            },
        [](const QSize& size) { return QStringLiteral("%1x%2").arg(size.width()).arg(size.height()); } };
}

// The setting members lead to from settings, one member after another; const when settings is.
template <typename Settings, typename Member, typename... Members>
auto& memberOf(Settings& settings, Member member, Members... members)
{
    if constexpr (sizeof...(members) == 0)
        return settings.*member;
    else
        return memberOf(settings.*member, members...);
}

template <typename T, typename... Members> Key keyOf(const char* key, TextForm<T> form, Members... members)
{
    return { QString::fromLatin1(key),
        [form, members...](const QString& text, UserSettings& settings) {
            const std::optional<T> value = form.read(text);
            if (value)
                memberOf(settings, members...) = *value;
            return value.has_value();
        },
        [form, members...](const UserSettings& settings) { return form.write(memberOf(settings, members...)); } };
}

template <typename T> Group groupOf(const char* prefix, TextForm<T> form, QHash<QString, T> UserSettings::*member)
{
    return { QString::fromLatin1(prefix),
        [form, member](const QString& name, const QString& text, UserSettings& settings) {
            const std::optional<T> value = form.read(text);
            if (value)
                (settings.*member).insert(name, *value);
            return value.has_value();
        },
        [form, member](const UserSettings& settings) {
            QMap<QString, QString> texts;
            for (auto it = (settings.*member).cbegin(); it != (settings.*member).cend(); ++it)
                texts.insert(it.key(), form.write(it.value()));
            return texts;
        } };
}

} // namespace

const std::vector<Key>& keys()
{
    using Settings = UserSettings;
    static const std::vector<Key> table {
        keyOf("export/scale", integerFrom(Drawing::MinScale, Drawing::MaxScale), &Settings::exportSettings,
            &ExportSettings::scale),
        keyOf("export/frame", frameName(), &Settings::exportSettings, &ExportSettings::frame),
        keyOf("export/smooth", trueOrFalse(), &Settings::exportSettings, &ExportSettings::smooth),
        keyOf("export/transparent", trueOrFalse(), &Settings::exportSettings, &ExportSettings::transparent),
        keyOf("animation/scale", integerFrom(Drawing::MinScale, Drawing::MaxAnimationScale), &Settings::animationExport,
            &AnimationExportSettings::scale),
        keyOf("animation/framesPerSecond", integerFrom(1, Drawing::MaxFramesPerSecond), &Settings::animationExport,
            &AnimationExportSettings::framesPerSecond),
        keyOf("animation/frame", frameName(), &Settings::animationExport, &AnimationExportSettings::frame),
        keyOf("animation/smooth", trueOrFalse(), &Settings::animationExport, &AnimationExportSettings::smooth),
        keyOf(
            "animation/transparent", trueOrFalse(), &Settings::animationExport, &AnimationExportSettings::transparent),
        keyOf("litter/size", integerFrom(Settings::MinLitterSize, Settings::MaxLitterSize), &Settings::litterSize),
        keyOf("breed/grid", integerFrom(MinGridSide, MaxGridSide), &Settings::breedGrid),
        keyOf("breed/rate", hundredths(), &Settings::breedRate),
        keyOf("album/thumbnailSize", thumbnailSide(), &Settings::albumThumbnailSize),
    };
    return table;
}

const std::vector<Group>& groups()
{
    static const std::vector<Group> table {
        groupOf("folders/", absoluteFolder(), &UserSettings::folders),
        groupOf("windows/", windowSize(), &UserSettings::windowSizes),
    };
    return table;
}

} // namespace SettingsKeys
