#include "genefile/RecordLayout.h"

#include "genetics/TraitOrder.h"
#include "platform/Conversions.h"

#include <QLocale>

namespace GeneFile {

namespace {

// Files travel between locales, so either decimal separator reads back.
constexpr auto AnySeparator = Conv::Separator::PointOrComma;

// The angle in form D with the locale's separator; a locale whose separator is neither "." nor ","
// (the Arabic one, say) gets a point, as the single-byte file could not hold its own.
QString angleText(double angle)
{
    QString text = Conv::formD(angle);
    const QString separator = QLocale().decimalPoint();
    if (separator != u'.' && separator != u',')
        text.replace(separator, QStringLiteral("."));
    return text;
}

} // namespace

const std::array<TraitLine, 8> RecordTraits = { {
    { &TraitOrder[0], [](clsGenSeq& s, qint16 g) { return angleText(s.GetGAngle(g)); },
        [](clsGenSeq& s, qint16 g, const QString& t) { s.SetGAngle(g, Conv::toDouble(t, AnySeparator)); } },
    { &TraitOrder[1], [](clsGenSeq& s, qint16 g) { return Conv::plain(s.GetGColorBlue(g)); },
        [](clsGenSeq& s, qint16 g, const QString& t) { s.SetGColorBlue(g, Conv::toInt16(t, AnySeparator)); } },
    { &TraitOrder[2], [](clsGenSeq& s, qint16 g) { return Conv::plain(s.GetGColorGreen(g)); },
        [](clsGenSeq& s, qint16 g, const QString& t) { s.SetGColorGreen(g, Conv::toInt16(t, AnySeparator)); } },
    { &TraitOrder[3], [](clsGenSeq& s, qint16 g) { return Conv::plain(s.GetGColorRed(g)); },
        [](clsGenSeq& s, qint16 g, const QString& t) { s.SetGColorRed(g, Conv::toInt16(t, AnySeparator)); } },
    { &TraitOrder[4], [](clsGenSeq& s, qint16 g) { return Conv::boolText(s.GetGDone(g)); },
        [](clsGenSeq& s, qint16 g, const QString& t) { s.SetGDone(g, Conv::toBool(t, AnySeparator)); } },
    { &TraitOrder[5], [](clsGenSeq& s, qint16 g) { return Conv::boolText(s.GetGDraw(g)); },
        [](clsGenSeq& s, qint16 g, const QString& t) { s.SetGDraw(g, Conv::toBool(t, AnySeparator)); } },
    { &TraitOrder[6], [](clsGenSeq& s, qint16 g) { return Conv::plain(s.GetGLength(g)); },
        [](clsGenSeq& s, qint16 g, const QString& t) { s.SetGLength(g, Conv::toInt16(t, AnySeparator)); } },
    { &TraitOrder[7], [](clsGenSeq& s, qint16 g) { return Conv::plain(s.GetGWidth(g)); },
        [](clsGenSeq& s, qint16 g, const QString& t) { s.SetGWidth(g, Conv::toInt16(t, AnySeparator)); } },
} };

} // namespace GeneFile
