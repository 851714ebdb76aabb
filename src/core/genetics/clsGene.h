#pragma once
// One gene: the eight traits that govern one level of the drawn tree.

#include <QtGlobal>

class RandomSource;

class clsGene {
public:
    qint16 Length = 0;
    qint16 Width = 0;
    double Angle = 0.0;
    qint16 ColorRed = 0;
    qint16 ColorGreen = 0;
    qint16 ColorBlue = 0;
    bool Done = false;
    bool Draw = false;

    // Each reseeds the shared generator, draws r and sets its one trait from it.
    void RndLength();
    void RndWidth();
    void RndAngle();
    void RndColorRed();
    void RndColorBlue();
    void RndDraw();
    void RndColorGreen();
    void RndDone();

    // All eight, in the order RndLength, RndAngle, RndColorBlue, RndColorGreen, RndColorRed,
    // RndDone, RndDraw, RndWidth.
    void Random();

    // The same, drawing from random instead of the shared generator.
    void RndLength(RandomSource& random);
    void RndWidth(RandomSource& random);
    void RndAngle(RandomSource& random);
    void RndColorRed(RandomSource& random);
    void RndColorBlue(RandomSource& random);
    void RndDraw(RandomSource& random);
    void RndColorGreen(RandomSource& random);
    void RndDone(RandomSource& random);
    void Random(RandomSource& random);
};
