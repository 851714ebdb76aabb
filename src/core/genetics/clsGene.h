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

    // Each reseeds random, draws r and sets its one trait from it.
    void RndLength(RandomSource& random);
    void RndWidth(RandomSource& random);
    void RndAngle(RandomSource& random);
    void RndColorRed(RandomSource& random);
    void RndColorBlue(RandomSource& random);
    void RndDraw(RandomSource& random);
    void RndColorGreen(RandomSource& random);
    void RndDone(RandomSource& random);

    // All eight, in the order RndLength, RndAngle, RndColorBlue, RndColorGreen, RndColorRed,
    // RndDone, RndDraw, RndWidth.
    void Random(RandomSource& random);
};
