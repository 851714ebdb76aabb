#pragma once
// Which moment of a morph each frame shows, at a pace from picture to picture and a frame rate.

struct FramePosition {
    // t of the way (0 to 1) from picture step to picture step + 1.
    int step = 0;
    double t = 0.0;

    friend bool operator==(const FramePosition&, const FramePosition&) = default;
};

class FrameTiming {
public:
    // The paces offered, in seconds from one picture to the next: wherever an animation is made.
    static constexpr double MinSecondsPerStep = 0.2;
    static constexpr double MaxSecondsPerStep = 10.0;

    // pictures: two or more. Back and forth, a loop goes from the first picture to the last and back again
    // instead of starting over.
    FrameTiming(int pictures, double secondsPerStep, int framesPerSecond, bool backAndForth = false);

    int pictures() const { return m_pictures; }
    int framesPerSecond() const { return m_framesPerSecond; }
    bool backAndForth() const { return m_backAndForth; }
    // round(seconds per step x frames per second), at least 1.
    int framesPerStep() const { return m_framesPerStep; }
    // From the first picture to the last, both included: (pictures - 1) x framesPerStep + 1.
    int frameCount() const;
    // The frames a loop shows: every frame once, or back and forth every frame there and back, the two ends once.
    int loopLength() const;
    // The frame shown at place index (0 to loopLength - 1) of a loop.
    int frameOfLoop(int index) const;

    // Where frame (0 to frameCount - 1) lies: frame 0 is the first picture, the last frame the last picture
    // (t = 1 of the last step).
    FramePosition position(int frame) const;
    // The frame nearest to the moment frame shows in other, the same pictures at another pace.
    int frameNearest(const FrameTiming& other, int frame) const;

private:
    int m_pictures;
    int m_framesPerSecond;
    int m_framesPerStep;
    bool m_backAndForth;
};
