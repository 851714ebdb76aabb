#include "core/journal/JournalRecord.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <cmath>
#include <limits>

namespace JournalRecord {

namespace {

constexpr int TraitsPerGene = 8;

QByteArray line(const QJsonObject& record)
{
    return QJsonDocument(record).toJson(QJsonDocument::Compact) + '\n';
}

QJsonValue angleValue(double angle)
{
    if (angle == 0.0 && std::signbit(angle))
        return QStringLiteral("-0");
    return angle;
}

std::optional<double> angleOf(const QJsonValue& value)
{
    if (value.isString() && value.toString() == u"-0")
        return -0.0;
    if (!value.isDouble() || !std::isfinite(value.toDouble()))
        return std::nullopt;
    return value.toDouble();
}

std::optional<qint16> int16Of(const QJsonValue& value)
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (number != std::floor(number) || number < std::numeric_limits<qint16>::min()
        || number > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(number);
}

std::optional<bool> boolOf(const QJsonValue& value)
{
    if (!value.isBool())
        return std::nullopt;
    return value.toBool();
}

QJsonArray genesOf(const GeneticCode& code)
{
    QJsonArray genes;
    for (const clsGene& gene : code)
        genes.append(QJsonArray { gene.Length, gene.Width, angleValue(gene.Angle), gene.ColorRed, gene.ColorGreen,
            gene.ColorBlue, gene.Done, gene.Draw });
    return genes;
}

std::optional<GeneticCode> codeOf(const QJsonValue& value)
{
    const QJsonArray genes = value.toArray();
    GeneticCode code;
    if (genes.size() != static_cast<qsizetype>(code.size()))
        return std::nullopt;
    for (std::size_t i = 0; i < code.size(); ++i) {
        const QJsonArray traits = genes[static_cast<qsizetype>(i)].toArray();
        if (traits.size() != TraitsPerGene)
            return std::nullopt;
        const auto length = int16Of(traits[0]);
        const auto width = int16Of(traits[1]);
        const auto angle = angleOf(traits[2]);
        const auto red = int16Of(traits[3]);
        const auto green = int16Of(traits[4]);
        const auto blue = int16Of(traits[5]);
        const auto done = boolOf(traits[6]);
        const auto draw = boolOf(traits[7]);
        if (!length || !width || !angle || !red || !green || !blue || !done || !draw)
            return std::nullopt;
        code[i] = clsGene { *length, *width, *angle, *red, *green, *blue, *done, *draw };
    }
    return code;
}

QString kindName(BirthRecord::Kind kind)
{
    switch (kind) {
    case BirthRecord::Kind::File:
        return QStringLiteral("file");
    case BirthRecord::Kind::Bred:
        return QStringLiteral("bred");
    case BirthRecord::Kind::Random:
        return QStringLiteral("random");
    case BirthRecord::Kind::Copy:
        return QStringLiteral("copy");
    case BirthRecord::Kind::Edited:
        return QStringLiteral("edited");
    case BirthRecord::Kind::Between:
        return QStringLiteral("between");
    case BirthRecord::Kind::BredInWindow:
        return QStringLiteral("breed window");
    }
    return {};
}

std::optional<BirthRecord::Kind> kindNamed(const QString& name)
{
    for (const auto kind :
        { BirthRecord::Kind::File, BirthRecord::Kind::Bred, BirthRecord::Kind::Random, BirthRecord::Kind::Copy,
            BirthRecord::Kind::Edited, BirthRecord::Kind::Between, BirthRecord::Kind::BredInWindow })
        if (kindName(kind) == name)
            return kind;
    return std::nullopt;
}

QJsonObject birthObject(const BirthRecord& birth)
{
    QJsonObject object { { QStringLiteral("kind"), kindName(birth.kind) } };
    if (birth.kind == BirthRecord::Kind::Copy) {
        object.insert(QStringLiteral("of"), birth.copyOf);
        if (!birth.ofRun.isEmpty())
            object.insert(QStringLiteral("run"), birth.ofRun);
    } else {
        object.insert(QStringLiteral("rate"), birth.rate);
        if (birth.kind == BirthRecord::Kind::File)
            object.insert(QStringLiteral("file"), birth.file);
        QJsonArray parents;
        for (const qint16 parent : birth.parents)
            parents.append(parent);
        object.insert(QStringLiteral("parents"), parents);
    }
    object.insert(QStringLiteral("flags"),
        QJsonObject {
            { QStringLiteral("done"), birth.flags.useDone }, { QStringLiteral("draw"), birth.flags.useDraw } });
    return object;
}

std::optional<BirthRecord> birthOf(const QJsonValue& value)
{
    const QJsonObject object = value.toObject();
    const auto kind = kindNamed(object.value(QStringLiteral("kind")).toString());
    const QJsonObject flags = object.value(QStringLiteral("flags")).toObject();
    const auto done = boolOf(flags.value(QStringLiteral("done")));
    const auto draw = boolOf(flags.value(QStringLiteral("draw")));
    if (!kind || !done || !draw)
        return std::nullopt;
    BirthRecord birth;
    birth.kind = *kind;
    birth.flags = { *done, *draw };
    if (birth.kind == BirthRecord::Kind::Copy) {
        const auto of = int16Of(object.value(QStringLiteral("of")));
        if (!of)
            return std::nullopt;
        birth.copyOf = *of;
        birth.ofRun = object.value(QStringLiteral("run")).toString();
        return birth;
    }
    const QJsonValue rate = object.value(QStringLiteral("rate"));
    if (!rate.isDouble())
        return std::nullopt;
    birth.rate = rate.toDouble();
    birth.file = object.value(QStringLiteral("file")).toString();
    for (const QJsonValue& parent : object.value(QStringLiteral("parents")).toArray()) {
        const auto id = int16Of(parent);
        if (!id)
            return std::nullopt;
        birth.parents.push_back(*id);
    }
    return birth;
}

QJsonObject event(QLatin1String name)
{
    return { { QStringLiteral("event"), QString(name) } };
}

QJsonArray numbersOf(const std::vector<int>& numbers)
{
    QJsonArray array;
    for (const int number : numbers)
        array.append(number);
    return array;
}

// Whole numbers from 0 to below limit, ascending.
std::optional<std::vector<int>> cellsOf(const QJsonValue& value, int limit)
{
    std::vector<int> numbers;
    for (const QJsonValue& item : value.toArray()) {
        const auto number = int16Of(item);
        if (!number || *number < 0 || *number >= limit || (!numbers.empty() && *number <= numbers.back()))
            return std::nullopt;
        numbers.push_back(*number);
    }
    return numbers;
}

void insertLeft(QJsonObject& record, const LeftGeneration& left)
{
    if (left.index < 0)
        return;
    record.insert(QStringLiteral("left"),
        QJsonObject { { QStringLiteral("index"), left.index },
            { QStringLiteral("selection"), numbersOf(left.selection) }, { QStringLiteral("focus"), left.focus } });
}

std::optional<BreedOptions> optionsOf(const QJsonObject& record)
{
    BreedOptions options;
    const QJsonValue rate = record.value(QStringLiteral("rate"));
    const auto mutate = MutateChoices::named(record.value(QStringLiteral("mutate")).toString());
    const auto skip = boolOf(record.value(QStringLiteral("skip")));
    const auto frozen = cellsOf(record.value(QStringLiteral("frozen")), GeneCount);
    if (!rate.isDouble() || !mutate || !skip || !frozen)
        return std::nullopt;
    options.rate = rate.toDouble();
    options.mutate = *mutate;
    options.skipEmpty = *skip;
    for (const int gene : *frozen)
        options.frozen[static_cast<std::size_t>(gene)] = true;
    return options;
}

} // namespace

QByteArray run(const QDateTime& start)
{
    QJsonObject record = event(Run);
    record.insert(QStringLiteral("format"), 1);
    record.insert(QStringLiteral("start"), start.toString(Qt::ISODateWithMs));
    return line(record);
}

QByteArray opened(const PictureRecord& picture)
{
    QJsonObject record = event(picture.birth.kind == BirthRecord::Kind::Copy ? Reopened : Opened);
    record.insert(QStringLiteral("id"), picture.id);
    record.insert(QStringLiteral("name"), picture.name);
    record.insert(QStringLiteral("birth"), birthObject(picture.birth));
    record.insert(QStringLiteral("genes"), genesOf(picture.code));
    if (!picture.open)
        record.insert(QStringLiteral("open"), false);
    return line(record);
}

QByteArray closed(qint16 id)
{
    QJsonObject record = event(Closed);
    record.insert(QStringLiteral("id"), id);
    return line(record);
}

QByteArray shown(qint16 id)
{
    QJsonObject record = event(Shown);
    record.insert(QStringLiteral("id"), id);
    return line(record);
}

QByteArray saved(qint16 id, const QString& absolutePath)
{
    QJsonObject record = event(Saved);
    record.insert(QStringLiteral("id"), id);
    record.insert(QStringLiteral("path"), absolutePath);
    return line(record);
}

QByteArray end(RunEnding how)
{
    QJsonObject record = event(End);
    record.insert(QStringLiteral("by"), how == RunEnding::Exit ? QStringLiteral("exit") : QStringLiteral("close box"));
    return line(record);
}

QByteArray generation(int index, const Generation& generation, const LeftGeneration& left)
{
    QJsonObject record = event(GenerationBred);
    record.insert(QStringLiteral("index"), index);
    const BreedOptions& options = generation.options;
    record.insert(QStringLiteral("rate"), options.rate);
    record.insert(QStringLiteral("mutate"), MutateChoices::nameOf(options.mutate));
    std::vector<int> frozen;
    for (std::size_t gene = 0; gene < options.frozen.size(); ++gene)
        if (options.frozen[gene])
            frozen.push_back(static_cast<int>(gene));
    record.insert(QStringLiteral("frozen"), numbersOf(frozen));
    record.insert(QStringLiteral("skip"), options.skipEmpty);
    QJsonArray parents;
    for (int parent = 0; parent < generation.parentCount(); ++parent) {
        const auto at = static_cast<std::size_t>(parent);
        if (generation.ids[at] >= 0)
            parents.append(QJsonObject { { QStringLiteral("id"), generation.ids[at] } });
        else
            parents.append(QJsonObject { { QStringLiteral("birth"), birthObject(generation.origins[at]) } });
    }
    record.insert(QStringLiteral("parents"), parents);
    QJsonArray cells;
    for (const GeneticCode& code : generation.cells)
        cells.append(genesOf(code));
    record.insert(QStringLiteral("cells"), cells);
    insertLeft(record, left);
    return line(record);
}

QByteArray generationShown(int index, const LeftGeneration& left)
{
    QJsonObject record = event(GenerationShown);
    record.insert(QStringLiteral("index"), index);
    insertLeft(record, left);
    return line(record);
}

QByteArray breedClosed(const LeftGeneration& left)
{
    QJsonObject record = event(BreedClosed);
    insertLeft(record, left);
    return line(record);
}

std::optional<qint16> idOf(const QJsonObject& record)
{
    return int16Of(record.value(QStringLiteral("id")));
}

std::optional<PictureRecord> pictureOf(const QJsonObject& record)
{
    const auto id = idOf(record);
    const QJsonValue name = record.value(QStringLiteral("name"));
    const auto birth = birthOf(record.value(QStringLiteral("birth")));
    const auto code = codeOf(record.value(QStringLiteral("genes")));
    const QJsonValue open = record.value(QStringLiteral("open"));
    if (!id || !name.isString() || !birth || !code || !(open.isUndefined() || open.isBool()))
        return std::nullopt;
    return PictureRecord { *id, name.toString(), *birth, *code, open.toBool(true) };
}

std::optional<QDateTime> startOf(const QJsonObject& record)
{
    const QDateTime start = QDateTime::fromString(record.value(QStringLiteral("start")).toString(), Qt::ISODateWithMs);
    if (!start.isValid())
        return std::nullopt;
    return start;
}

std::optional<RunEnding> endOf(const QJsonObject& record)
{
    const QString by = record.value(QStringLiteral("by")).toString();
    if (by == u"exit")
        return RunEnding::Exit;
    if (by == u"close box")
        return RunEnding::CloseBox;
    return std::nullopt;
}

std::optional<Generation> generationOf(const QJsonObject& record)
{
    const auto options = optionsOf(record);
    if (!options)
        return std::nullopt;
    Generation generation;
    generation.options = *options;
    for (const QJsonValue& value : record.value(QStringLiteral("parents")).toArray()) {
        const QJsonObject parent = value.toObject();
        const auto id = int16Of(parent.value(QStringLiteral("id")));
        const auto birth = birthOf(parent.value(QStringLiteral("birth")));
        if (id ? *id < 0 : !birth)
            return std::nullopt;
        generation.ids.push_back(id ? *id : qint16(-1));
        generation.origins.push_back(birth.value_or(BirthRecord {}));
    }
    for (const QJsonValue& value : record.value(QStringLiteral("cells")).toArray()) {
        const auto code = codeOf(value);
        if (!code)
            return std::nullopt;
        generation.cells.push_back(*code);
    }
    const int side = generation.side();
    if (side < MinGridSide || side > MaxGridSide || side * side != generation.cellCount()
        || generation.parentCount() >= generation.cellCount())
        return std::nullopt;
    generation.ids.resize(generation.cells.size(), -1);
    return generation;
}

std::optional<int> generationIndexOf(const QJsonObject& record)
{
    const auto index = int16Of(record.value(QStringLiteral("index")));
    if (!index || *index < 0)
        return std::nullopt;
    return *index;
}

std::optional<LeftGeneration> leftOf(const QJsonObject& record)
{
    const QJsonValue value = record.value(QStringLiteral("left"));
    if (value.isUndefined())
        return LeftGeneration {};
    const QJsonObject left = value.toObject();
    const auto index = generationIndexOf(left);
    const auto focus = int16Of(left.value(QStringLiteral("focus")));
    const auto selection = cellsOf(left.value(QStringLiteral("selection")), MaxGridSide * MaxGridSide);
    if (!index || !focus || *focus < 0 || !selection)
        return std::nullopt;
    return LeftGeneration { *index, *selection, *focus };
}

} // namespace JournalRecord
