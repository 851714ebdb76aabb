#pragma once
// Settings as the text of an INI file that QSettings reads back exactly: keys escaped as it escapes them, every
// value a quoted text.

#include <QByteArray>
#include <QMap>
#include <QString>

namespace IniText {

// values by key; a key's first part before a slash is its section, the rest its name in the section ("export/scale"
// is scale under [export]); a key without a slash goes under [General].
QByteArray of(const QMap<QString, QString>& values);

} // namespace IniText
