#pragma once
// The lines of genetic code file records, as tests write them.

#include <QString>
#include <QStringList>

// The nine lines of one gene's record.
struct RecordText {
    QString angle = QStringLiteral("0");
    QString blue = QStringLiteral("0");
    QString green = QStringLiteral("0");
    QString red = QStringLiteral("0");
    QString done = QStringLiteral("False");
    QString draw = QStringLiteral("False");
    QString length = QStringLiteral("0");
    QString width = QStringLiteral("0");
    QString empty;

    QStringList lines() const { return { angle, blue, green, red, done, draw, length, width, empty }; }
};

// A record whose every line differs from the same line of every other gene's record.
inline RecordText distinctRecord(int gene)
{
    RecordText record;
    record.angle = QString::number(gene + 0.125, 'g', 15);
    record.blue = QString::number(10 + gene);
    record.green = QString::number(30 + gene);
    record.red = QString::number(50 + gene);
    record.done = gene % 2 == 0 ? QStringLiteral("True") : QStringLiteral("False");
    record.draw = gene % 3 == 0 ? QStringLiteral("True") : QStringLiteral("False");
    record.length = QString::number(-100 - gene);
    record.width = QString::number(1 + gene);
    return record;
}

// The lines of records for genes 0 to count - 1, as distinctRecord gives them.
inline QStringList distinctRecords(int count)
{
    QStringList lines;
    for (int gene = 0; gene < count; ++gene)
        lines += distinctRecord(gene).lines();
    return lines;
}
