#pragma once
// Reads an animated WebP or GIF file back as the frames a viewer shows: libwebp's WebPAnimDecoder, giflib's
// DGifSlurp.

#include <QFile>
#include <QImage>
#include <QString>

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

// Nothing at all when the file does not read as an animated WebP.
inline Animation readWebP(const QString& fileName)
{
    QFile file(fileName);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
    for (int ended = 0; WebPAnimDecoderHasMoreFrames(decoder.get());) {
        uint8_t* pixels = nullptr;
        int timestamp = 0;
        if (!WebPAnimDecoderGetNext(decoder.get(), &pixels, &timestamp))
            return {};
        read.frames.push_back(QImage(
            pixels, static_cast<int>(info.canvas_width), static_cast<int>(info.canvas_height), QImage::Format_ARGB32)
                                  .copy());
        // A frame's timestamp is when it ends.
        read.durations.push_back(timestamp - ended);
        ended = timestamp;
    }
    return read;
}

// Each frame on its own, as the encoder writes every frame whole: transparent pixels are transparent black.
inline Animation readGif(const QString& fileName)
{
    Animation read;
    int error = 0;
    const std::unique_ptr<GifFileType, void (*)(GifFileType*)> gif(
        DGifOpenFileName(QFile::encodeName(fileName).constData(), &error),
        [](GifFileType* file) { DGifCloseFile(file, nullptr); });
    if (!gif || DGifSlurp(gif.get()) != GIF_OK)
        return read;
    for (int i = 0; i < gif->ImageCount; ++i) {
        const SavedImage& image = gif->SavedImages[i];
        for (int e = 0; e + 1 < image.ExtensionBlockCount; ++e) {
            const ExtensionBlock& block = image.ExtensionBlocks[e];
            if (block.Function == APPLICATION_EXT_FUNC_CODE && std::memcmp(block.Bytes, "NETSCAPE2.0", 11) == 0)
                read.loopCount = image.ExtensionBlocks[e + 1].Bytes[1] | image.ExtensionBlocks[e + 1].Bytes[2] << 8;
        }
        GraphicsControlBlock control {};
        DGifSavedExtensionToGCB(gif.get(), i, &control);
        read.durations.push_back(control.DelayTime * 10);
        const ColorMapObject* map = image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : gif->SColorMap;
        QList<QRgb> colours;
        for (int entry = 0; entry < map->ColorCount; ++entry)
            colours.append(entry == control.TransparentColor
                    ? qRgba(0, 0, 0, 0)
                    : qRgb(map->Colors[entry].Red, map->Colors[entry].Green, map->Colors[entry].Blue));
        QImage frame(image.RasterBits, image.ImageDesc.Width, image.ImageDesc.Height, image.ImageDesc.Width,
            QImage::Format_Indexed8);
        frame.setColorTable(colours);
        read.frames.push_back(frame.convertToFormat(QImage::Format_ARGB32));
    }
    return read;
}

} // namespace AnimationReading
