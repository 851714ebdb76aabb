#include "core/drawing/WindowBackground.h"

#include <QGuiApplication>
#include <QPalette>

namespace Drawing {

QColor windowBackground()
{
    return QGuiApplication::palette().color(QPalette::Window);
}

} // namespace Drawing
