#include "core/settings/SettingsValues.h"

#include "core/settings/SettingsKeys.h"

namespace SettingsValues {

namespace {

// A store gives texts; a list, a number or anything else it made of the file is not one of ours, nor is a text that
// no file name or number could hold, with half a surrogate pair.
template <typename Read> bool readsAsText(const QVariant& value, Read&& read)
{
    return value.typeId() == QMetaType::QString && value.toString().isValidUtf16() && read(value.toString());
}

} // namespace

Read read(const QVariantMap& values)
{
    Read result;
    UserSettings& settings = result.settings;
    for (const SettingsKeys::Key& key : SettingsKeys::keys()) {
        const auto found = values.constFind(key.key);
        if (found != values.cend()
            && !readsAsText(*found, [&](const QString& text) { return key.read(text, settings); }))
            result.unread.append(key.key);
    }
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        for (const SettingsKeys::Group& group : SettingsKeys::groups()) {
            if (it.key().size() <= group.prefix.size() || !it.key().startsWith(group.prefix))
                continue;
            const QString name = it.key().mid(group.prefix.size());
            // A name with a slash of its own is none the program gives, and would not be written back as it was read.
            if (name.contains(QLatin1Char('/')))
                continue;
            if (!readsAsText(*it, [&](const QString& text) { return group.read(name, text, settings); }))
                result.unread.append(it.key());
        }
    }
    result.unread.sort();
    return result;
}

QMap<QString, QString> write(const UserSettings& settings)
{
    QMap<QString, QString> texts;
    for (const SettingsKeys::Key& key : SettingsKeys::keys())
        texts.insert(key.key, key.write(settings));
    for (const SettingsKeys::Group& group : SettingsKeys::groups()) {
        const QMap<QString, QString> named = group.write(settings);
        for (auto it = named.cbegin(); it != named.cend(); ++it)
            texts.insert(group.prefix + it.key(), it.value());
    }
    return texts;
}

} // namespace SettingsValues
