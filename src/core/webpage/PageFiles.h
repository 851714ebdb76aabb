#pragma once
// The names of what a web page's folder holds: the page, its style sheet and the folder of its pictures' files.

#include <QString>

namespace PageFiles {

inline const QString Index = QStringLiteral("index.html");
inline const QString Style = QStringLiteral("style.css");
inline const QString Pictures = QStringLiteral("pictures");

} // namespace PageFiles
