#include "vantrell-render/WebRun.h"

#include "core/platform/RuntimeError.h"
#include "core/webpage/WebPage.h"

#include <vector>

namespace WebRun {

QStringList run(const RenderRequest& request)
{
    QStringList failures;
    std::vector<WebPage::GalleryEntry> entries;
    // Each entry's input, for naming it when it cannot be drawn.
    QStringList inputs;
    for (const QString& file : request.files) {
        try {
            entries.push_back(WebPage::readEntry(file));
            inputs.append(file);
        } catch (const RuntimeError& error) {
            failures.append(error.message());
        }
    }
    if (entries.empty())
        return failures;
    try {
        const WebPage::Outcome outcome = WebPage::writeGallery(
            request.web, entries, request.settings.options, request.settings.flags, request.threads);
        for (const WebPage::LeftOut& leftOut : outcome.leftOut)
            failures.append(QStringLiteral("\"%1\": %2").arg(inputs.at(leftOut.index), leftOut.error));
    } catch (const RuntimeError& error) {
        failures.append(error.message());
    }
    return failures;
}

} // namespace WebRun
