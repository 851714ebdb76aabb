#include "core/genefile/RecordLayout.h"

#include "core/genetics/TraitOrder.h"
#include "core/platform/Conversions.h"

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
    { &TraitOrder[0], [](const clsGene& g) { return angleText(g.Angle); },
        [](clsGene& g, const QString& t) { g.Angle = Conv::toDouble(t, AnySeparator); } },
    { &TraitOrder[1], [](const clsGene& g) { return Conv::plain(g.ColorBlue); },
        [](clsGene& g, const QString& t) { g.ColorBlue = Conv::toInt16(t, AnySeparator); } },
    { &TraitOrder[2], [](const clsGene& g) { return Conv::plain(g.ColorGreen); },
        [](clsGene& g, const QString& t) { g.ColorGreen = Conv::toInt16(t, AnySeparator); } },
    { &TraitOrder[3], [](const clsGene& g) { return Conv::plain(g.ColorRed); },
        [](clsGene& g, const QString& t) { g.ColorRed = Conv::toInt16(t, AnySeparator); } },
    { &TraitOrder[4], [](const clsGene& g) { return Conv::boolText(g.Done); },
        [](clsGene& g, const QString& t) { g.Done = Conv::toBool(t, AnySeparator); } },
    { &TraitOrder[5], [](const clsGene& g) { return Conv::boolText(g.Draw); },
        [](clsGene& g, const QString& t) { g.Draw = Conv::toBool(t, AnySeparator); } },
    { &TraitOrder[6], [](const clsGene& g) { return Conv::plain(g.Length); },
        [](clsGene& g, const QString& t) { g.Length = Conv::toInt16(t, AnySeparator); } },
    { &TraitOrder[7], [](const clsGene& g) { return Conv::plain(g.Width); },
        [](clsGene& g, const QString& t) { g.Width = Conv::toInt16(t, AnySeparator); } },
} };

} // namespace GeneFile
