#include "core/editing/GeneTransfer.h"

#include "core/editing/TraitColumn.h"

#include <QList>

#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

namespace GeneTransfer {

namespace {

QByteArray switchText(bool on)
{
    return on ? QByteArrayLiteral("True") : QByteArrayLiteral("False");
}

std::optional<bool> switchOf(const QByteArray& text)
{
    if (text == "True")
        return true;
    if (text == "False")
        return false;
    return std::nullopt;
}

// The shortest text that reads back to the same double, the sign of zero included.
QByteArray angleText(double angle)
{
    std::array<char, 32> digits {};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), angle).ptr;
    return QByteArray(digits.data(), end - digits.data());
}

std::optional<double> angleOf(const QByteArray& text)
{
    double angle = 0.0;
    const auto [end, error] = std::from_chars(text.constData(), text.constData() + text.size(), angle);
    if (error != std::errc() || end != text.constData() + text.size() || !std::isfinite(angle))
        return std::nullopt;
    return angle;
}

std::optional<qint16> integerOf(const QByteArray& text)
{
    bool ok = false;
    const short value = text.toShort(&ok);
    return ok ? std::optional<qint16>(value) : std::nullopt;
}

} // namespace

QByteArray toText(const clsGene& gene)
{
    const QList<QByteArray> values { QByteArray::number(gene.Length), QByteArray::number(gene.Width),
        angleText(gene.Angle), QByteArray::number(gene.ColorRed), QByteArray::number(gene.ColorGreen),
        QByteArray::number(gene.ColorBlue), switchText(gene.Done), switchText(gene.Draw) };
    QByteArray text;
    for (int i = 0; i < TraitColumns::Count; ++i)
        text += TraitColumns::caption(TraitColumns::at(i)).toLatin1() + ' ' + values[i] + '\n';
    return text;
}

std::optional<clsGene> fromText(const QByteArray& text)
{
    QList<QByteArray> lines = text.trimmed().split('\n');
    if (lines.size() != TraitColumns::Count)
        return std::nullopt;
    clsGene gene;
    for (int i = 0; i < TraitColumns::Count; ++i) {
        const TraitColumn column = TraitColumns::at(i);
        const QByteArray prefix = TraitColumns::caption(column).toLatin1() + ' ';
        const QByteArray line = lines[i].trimmed();
        if (!line.startsWith(prefix))
            return std::nullopt;
        const QByteArray value = line.mid(prefix.size()).trimmed();
        if (TraitColumns::isSwitch(column)) {
            const std::optional<bool> on = switchOf(value);
            if (!on)
                return std::nullopt;
            gene = TraitColumns::withSwitch(gene, column, *on);
        } else if (column == TraitColumn::Angle) {
            const std::optional<double> angle = angleOf(value);
            if (!angle)
                return std::nullopt;
            gene.Angle = *angle;
        } else {
            const std::optional<qint16> number = integerOf(value);
            if (!number)
                return std::nullopt;
            gene = TraitColumns::withInteger(gene, column, *number);
        }
    }
    return gene;
}

} // namespace GeneTransfer
