#include "core/history/BirthRecord.h"

#include <QFileInfo>
#include <QLocale>
#include <QStringList>

namespace {

QString rateText(double rate)
{
    return QLocale().toString(rate, 'g', 15);
}

QString idList(const std::vector<qint16>& ids)
{
    QStringList texts;
    for (const qint16 id : ids)
        texts.append(QString::number(id));
    if (texts.size() < 2)
        return texts.join(QString());
    const QString last = texts.takeLast();
    return texts.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
}

} // namespace

BirthRecord BirthRecord::fromFile(const QString& absolutePath, double rate, qint16 savedBy)
{
    BirthRecord birth;
    birth.kind = Kind::File;
    birth.file = absolutePath;
    birth.rate = rate;
    if (savedBy >= 0)
        birth.parents = { savedBy };
    return birth;
}

BirthRecord BirthRecord::fromBreeding(std::vector<qint16> ticked, double rate)
{
    BirthRecord birth;
    // The same test breeding makes: then no trait comes from a parent.
    const bool random = ticked.empty() || rate >= 1.0;
    birth.kind = random ? Kind::Random : Kind::Bred;
    if (!random)
        birth.parents = std::move(ticked);
    birth.rate = rate;
    return birth;
}

BirthRecord BirthRecord::copy(qint16 original, Drawing::Flags flags, const QString& ofRun)
{
    BirthRecord birth;
    birth.kind = Kind::Copy;
    birth.copyOf = original;
    birth.ofRun = ofRun;
    birth.flags = flags;
    return birth;
}

BirthRecord BirthRecord::edited(qint16 from, Drawing::Flags flags)
{
    BirthRecord birth;
    birth.kind = Kind::Edited;
    birth.parents = { from };
    birth.flags = flags;
    return birth;
}

BirthRecord BirthRecord::between(qint16 first, qint16 second, Drawing::Flags flags)
{
    BirthRecord birth;
    birth.kind = Kind::Between;
    birth.parents = { first, second };
    birth.flags = flags;
    return birth;
}

BirthRecord BirthRecord::between(std::vector<qint16> ofRun, Drawing::Flags flags)
{
    BirthRecord birth;
    birth.kind = Kind::Between;
    birth.parents = std::move(ofRun);
    birth.flags = flags;
    return birth;
}

BirthRecord BirthRecord::bredInWindow(std::vector<qint16> parents, double rate, Drawing::Flags flags)
{
    BirthRecord birth;
    birth.kind = Kind::BredInWindow;
    birth.parents = std::move(parents);
    birth.rate = rate;
    birth.flags = flags;
    return birth;
}

std::vector<qint16> BirthRecord::parentsInRun() const
{
    if (kind == Kind::Copy)
        return ofRun.isEmpty() ? std::vector<qint16> { copyOf } : std::vector<qint16> {};
    return parents;
}

QString BirthRecord::describe() const
{
    switch (kind) {
    case Kind::File: {
        QString text = QStringLiteral("read from %1 at rate %2").arg(file, rateText(rate));
        if (!parents.empty())
            text += QStringLiteral(", as saved by %1").arg(idList(parents));
        return text;
    }
    case Kind::Bred:
        return QStringLiteral("bred from %1 at rate %2").arg(idList(parents), rateText(rate));
    case Kind::Random:
        return QStringLiteral("random at rate %1").arg(rateText(rate));
    case Kind::Copy:
        if (!ofRun.isEmpty())
            return QStringLiteral("picture %1 of the run of %2").arg(copyOf).arg(ofRun);
        return QStringLiteral("copy of %1").arg(copyOf);
    case Kind::Edited:
        return QStringLiteral("edited from %1").arg(idList(parents));
    case Kind::Between:
        if (parents.empty())
            return QStringLiteral("between two files");
        if (parents.size() == 1)
            return QStringLiteral("between %1 and a file").arg(parents.front());
        return QStringLiteral("between %1").arg(idList(parents));
    case Kind::BredInWindow:
        if (parents.empty())
            return QStringLiteral("bred in the Breed window at rate %1").arg(rateText(rate));
        return QStringLiteral("bred in the Breed window from %1 at rate %2").arg(idList(parents), rateText(rate));
    }
    return {};
}

QString BirthRecord::describe(Drawing::Flags flags)
{
    const auto onOff = [](bool on) { return on ? QStringLiteral("on") : QStringLiteral("off"); };
    return QStringLiteral("Done %1, Draw %2").arg(onOff(flags.useDone), onOff(flags.useDraw));
}

QString BirthRecord::summary() const
{
    switch (kind) {
    case Kind::File: {
        QString text = QStringLiteral("opened from %1").arg(QFileInfo(file).fileName());
        if (!parents.empty())
            text += QStringLiteral(", as saved by %1").arg(idList(parents));
        return text;
    }
    case Kind::Bred:
        return QStringLiteral("bred from %1").arg(idList(parents));
    case Kind::Random:
        return QStringLiteral("random");
    case Kind::Copy:
        if (!ofRun.isEmpty())
            return QStringLiteral("picture %1 of an earlier run").arg(copyOf);
        return QStringLiteral("copy of %1").arg(copyOf);
    case Kind::Edited:
    case Kind::Between:
        return describe();
    case Kind::BredInWindow:
        if (parents.empty())
            return QStringLiteral("bred in the Breed window");
        return QStringLiteral("bred in the Breed window from %1").arg(idList(parents));
    }
    return {};
}

QString BirthRecord::altText(qint16 id) const
{
    return QStringLiteral("Picture %1, %2").arg(QString::number(id), summary());
}
