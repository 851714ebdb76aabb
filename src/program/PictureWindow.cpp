#include "program/PictureWindow.h"

#include <stdexcept>

namespace {
PictureWindow::Factory& factory()
{
    static PictureWindow::Factory instance;
    return instance;
}
} // namespace

void PictureWindow::SetFactory(Factory f)
{
    factory() = std::move(f);
}

std::unique_ptr<PictureWindow> PictureWindow::Create()
{
    if (!factory())
        throw std::logic_error("no picture window factory installed");
    return factory()();
}
