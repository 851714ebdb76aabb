#pragma once
// The sizes a web page of pictures is laid out in, in CSS pixels: the page and its style sheet both follow them.

namespace PageLayout {

// The thumbnail shown at half its 256 pixels, so that it is sharp on screens of two device pixels to one.
inline constexpr int ThumbnailSide = 256;
inline constexpr int PictureSide = ThumbnailSide / 2;
inline constexpr int Padding = 8;
inline constexpr int CaptionLine = 16;
// The ID, up to three lines of its birth, and its genetic code file.
inline constexpr int CaptionLines = 5;
inline constexpr int FigureWidth = PictureSide + 2 * Padding;
inline constexpr int FigureHeight = Padding + PictureSide + Padding + CaptionLines * CaptionLine + Padding;
inline constexpr int Spacing = 16;
// Between a run's generations, for the lines from parents to children.
inline constexpr int GenerationGap = 40;
// Left of a run's pictures, for the headings of its generations, where no line runs.
inline constexpr int Gutter = 144;
// A run's generations fill lines of this many pictures.
inline constexpr int PerLine = 6;
// Narrower than this (a phone), and in print, a run's pictures flow in their generations, without lines; wider,
// a run wider than the window scrolls across.
inline constexpr int NarrowWidth = 600;

} // namespace PageLayout
