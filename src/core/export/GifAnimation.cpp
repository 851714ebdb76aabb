#include "core/export/GifAnimation.h"

#include "core/export/GifPalette.h"
#include "core/platform/RuntimeError.h"

#include <cmath>
#include <gif_lib.h>

namespace {

RuntimeError gifFailure(int error)
{
    const char* reason = GifErrorString(error);
    return { RuntimeError::PathFileAccess, QStringLiteral("The animation could not be encoded as GIF"),
        QStringLiteral("(%1)").arg(reason ? QString::fromUtf8(reason) : QStringLiteral("giflib error %1").arg(error)) };
}

void checkGif(GifFileType* gif, int result)
{
    if (result != GIF_OK)
        throw gifFailure(gif->Error);
}

int appendGifBytes(GifFileType* gif, const GifByteType* data, int length)
{
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
    return length;
}

// In hundredths of a second, the delays adding up to the frame rate's times however they round.
int gifDelay(int frame, int framesPerSecond)
{
    const auto at = [framesPerSecond](int index) { return std::lround(index * 100.0 / framesPerSecond); };
    return static_cast<int>(at(frame + 1) - at(frame));
}

struct GifColourMapFree {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

// giflib's colour maps hold a power of two entries.
std::unique_ptr<ColorMapObject, GifColourMapFree> gifColourMapOf(const std::vector<QRgb>& palette)
{
    const int size = 1 << GifBitSize(static_cast<int>(palette.size()));
    std::vector<GifColorType> colours(static_cast<std::size_t>(size), GifColorType { 0, 0, 0 });
    for (std::size_t i = 0; i < palette.size(); ++i)
        colours[i] = { static_cast<GifByteType>(qRed(palette[i])), static_cast<GifByteType>(qGreen(palette[i])),
            static_cast<GifByteType>(qBlue(palette[i])) };
    std::unique_ptr<ColorMapObject, GifColourMapFree> map(GifMakeMapObject(size, colours.data()));
    if (!map)
        throw RuntimeError(RuntimeError::OutOfMemory, RuntimeError::standardText(RuntimeError::OutOfMemory),
            QStringLiteral("(a GIF colour map)"));
    return map;
}

} // namespace

void GifAnimation::GifCloser::operator()(GifFileType* gif) const
{
    int error = 0;
    EGifCloseFile(gif, &error);
}

GifAnimation::GifAnimation(QSize size, int framesPerSecond, bool transparent)
    : AnimationEncoder(size)
    , m_framesPerSecond(framesPerSecond)
    , m_transparent(transparent)
{
    int error = 0;
    m_gif.reset(EGifOpen(&m_bytes, appendGifBytes, &error));
    if (!m_gif)
        throw gifFailure(error);
    EGifSetGifVersion(m_gif.get(), true);
    checkGif(m_gif.get(), EGifPutScreenDesc(m_gif.get(), size.width(), size.height(), 8, 0, nullptr));
    // The NETSCAPE2.0 application extension with a loop count of 0: forever.
    static const GifByteType application[] = { 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0' };
    static const GifByteType loopForever[] = { 1, 0, 0 };
    checkGif(m_gif.get(), EGifPutExtensionLeader(m_gif.get(), APPLICATION_EXT_FUNC_CODE));
    checkGif(m_gif.get(), EGifPutExtensionBlock(m_gif.get(), sizeof application, application));
    checkGif(m_gif.get(), EGifPutExtensionBlock(m_gif.get(), sizeof loopForever, loopForever));
    checkGif(m_gif.get(), EGifPutExtensionTrailer(m_gif.get()));
}

GifAnimation::~GifAnimation() = default;

void GifAnimation::encode(const QImage& frame)
{
    IndexedFrame indexed = GifPalette::indexed(frame, m_transparent);
    GifFileType* gif = m_gif.get();

    // A transparent frame clears what the one before it drew; an opaque one covers it all.
    const GraphicsControlBlock control { m_transparent ? DISPOSE_BACKGROUND : DISPOSE_DO_NOT, false,
        gifDelay(m_frames, m_framesPerSecond),
        indexed.transparentIndex >= 0 ? indexed.transparentIndex : NO_TRANSPARENT_COLOR };
    GifByteType extension[4];
    const auto length = static_cast<int>(EGifGCBToExtension(&control, extension));
    checkGif(gif, EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, length, extension));

    const auto map = gifColourMapOf(indexed.palette);
    checkGif(gif, EGifPutImageDesc(gif, 0, 0, size().width(), size().height(), false, map.get()));
    for (int y = 0; y < size().height(); ++y)
        checkGif(gif,
            EGifPutLine(gif, indexed.pixels.data() + static_cast<std::ptrdiff_t>(y) * size().width(), size().width()));
    ++m_frames;
}

QByteArray GifAnimation::finish()
{
    int error = 0;
    // Closing writes the trailer and frees the encoder, whether or not it succeeds.
    if (EGifCloseFile(m_gif.release(), &error) != GIF_OK)
        throw gifFailure(error);
    return m_bytes;
}
