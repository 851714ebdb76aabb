#include "WideTree.h"

#include "genetics/clsGenSeq.h"

void fillWideTree(clsGenSeq& code)
{
    for (qint16 i = 0; i < 12; ++i) {
        code.SetGLength(i, static_cast<qint16>(400 - 25 * i));
        code.SetGWidth(i, static_cast<qint16>(16 - 8 * i / 11));
        code.SetGAngle(i, 0.2 + 0.05 * i);
        code.SetGColorRed(i, static_cast<qint16>(20 * i));
        code.SetGColorGreen(i, static_cast<qint16>(255 - 20 * i));
        code.SetGColorBlue(i, 128);
        code.SetGDone(i, false);
        code.SetGDraw(i, true);
    }
}
