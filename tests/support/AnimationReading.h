#pragma once
// Reads an animated WebP or GIF back as the frames a viewer shows: libwebp's WebPAnimDecoder, giflib's DGifSlurp.

#include <QByteArray>
#include <QImage>

#include <cstring>
#include <gif_lib.h>
#include <memory>
#include <vector>
#include <webp/demux.h>

namespace AnimationReading {

struct Animation {
    std::vector<QImage> frames;
    // Of every frame in turn, in milliseconds.
    std::vector<int> durations;
    // 0: forever; -1: the file says nothing.
    int loopCount = -1;
};

// Nothing at all when the bytes do not read as an animated WebP.
inline Animation readWebP(const QByteArray& bytes)
{
    Animation read;
    WebPAnimDecoderOptions options;
    WebPAnimDecoderOptionsInit(&options);
    // Bytes in the order of QImage's 32-bit pixels.
    options.color_mode = MODE_BGRA;
    const WebPData data { reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size()) };
    const std::unique_ptr<WebPAnimDecoder, void (*)(WebPAnimDecoder*)> decoder(
        WebPAnimDecoderNew(&data, &options), WebPAnimDecoderDelete);
    WebPAnimInfo info;
    if (!decoder || !WebPAnimDecoderGetInfo(decoder.get(), &info))
        return read;
    read.loopCount = static_cast<int>(info.loop_count);
    int previous = 0;
    while (WebPAnimDecoderHasMoreFrames(decoder.get())) {
        uint8_t* pixels = nullptr;
        int timestamp = 0;
        if (!WebPAnimDecoderGetNext(decoder.get(), &pixels, &timestamp))
            return {};
        const QImage canvas(
            pixels, static_cast<int>(info.canvas_width), static_cast<int>(info.canvas_height), QImage::Format_ARGB32);
        read.frames.push_back(canvas.copy());
        // A frame's timestamp is when it ends.
        read.durations.push_back(timestamp - previous);
        previous = timestamp;
    }
    return read;
}

// Each frame on its own, as the encoder writes every frame whole: transparent pixels are transparent black.
inline Animation readGif(const QByteArray& bytes)
{
    struct Source {
        const QByteArray* bytes;
        qsizetype at = 0;
    } source { &bytes };
    const auto readBytes = [](GifFileType* gif, GifByteType* into, int length) {
        auto* from = static_cast<Source*>(gif->UserData);
        const int count = static_cast<int>(std::min<qsizetype>(length, from->bytes->size() - from->at));
        std::memcpy(into, from->bytes->constData() + from->at, static_cast<size_t>(count));
        from->at += count;
        return count;
    };
    Animation read;
    int error = 0;
    const std::unique_ptr<GifFileType, void (*)(GifFileType*)> gif(
        DGifOpen(&source, readBytes, &error), [](GifFileType* file) { DGifCloseFile(file, nullptr); });
    if (!gif || DGifSlurp(gif.get()) != GIF_OK)
        return read;
    for (int i = 0; i < gif->ImageCount; ++i) {
        const SavedImage& image = gif->SavedImages[i];
        for (int e = 0; e + 1 < image.ExtensionBlockCount; ++e) {
            const ExtensionBlock& block = image.ExtensionBlocks[e];
            if (block.Function == APPLICATION_EXT_FUNC_CODE && block.ByteCount == 11
                && std::memcmp(block.Bytes, "NETSCAPE2.0", 11) == 0)
                read.loopCount = image.ExtensionBlocks[e + 1].Bytes[1] | image.ExtensionBlocks[e + 1].Bytes[2] << 8;
        }
        GraphicsControlBlock control {};
        DGifSavedExtensionToGCB(gif.get(), i, &control);
        read.durations.push_back(control.DelayTime * 10);
        const ColorMapObject* map = image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : gif->SColorMap;
        QImage frame(image.ImageDesc.Width, image.ImageDesc.Height, QImage::Format_ARGB32);
        for (int y = 0; y < frame.height(); ++y) {
            for (int x = 0; x < frame.width(); ++x) {
                const int entry = image.RasterBits[y * frame.width() + x];
                const GifColorType& colour = map->Colors[entry];
                frame.setPixel(x, y,
                    entry == control.TransparentColor ? qRgba(0, 0, 0, 0)
                                                      : qRgb(colour.Red, colour.Green, colour.Blue));
            }
        }
        read.frames.push_back(frame);
    }
    return read;
}

} // namespace AnimationReading
