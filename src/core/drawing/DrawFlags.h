#pragma once
// The two Genes switches a drawing is made with: whether Done cuts a branch, whether Draw hides a segment.

namespace Drawing {

struct Flags {
    // The start-up state of the Genes menu: Done checked, Draw unchecked.
    bool useDone = true;
    bool useDraw = false;

    friend bool operator==(const Flags&, const Flags&) = default;
};

} // namespace Drawing
