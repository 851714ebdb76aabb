#pragma once
// Every picture of the run, open or closed: its name, birth and genetic code, and the files it saved.

#include "core/genetics/GeneticCode.h"
#include "core/history/BirthRecord.h"
#include "core/history/RunEnding.h"

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>

#include <vector>

struct PictureRecord {
    qint16 id = 0;
    QString name;
    BirthRecord birth;
    GeneticCode code;
    bool open = true;
};

class RunHistory final : public QObject {
    Q_OBJECT

public:
    explicit RunHistory(QObject* parent = nullptr);

    // A picture just opened and registered; it is open until closed() says otherwise.
    void opened(PictureRecord record);
    void closed(qint16 id);
    // A closed picture's window shows again.
    void shownAgain(qint16 id);
    // The picture wrote its genetic code to fileName (as given; taken against the current folder).
    void saved(qint16 id, const QString& fileName);
    // From now on the run is ending: windows that close are not closed by the user. Said once.
    void ending(RunEnding how);

    // The picture closed most recently that is closed still; -1 when every picture is open.
    qint16 lastClosed() const;

    // The picture of this run whose save the file still holds, byte for byte; -1 when there is none.
    qint16 savedBy(const QString& fileName) const;

    // In the order opened.
    const std::vector<PictureRecord>& pictures() const { return m_pictures; }
    const PictureRecord* find(qint16 id) const;

signals:
    void pictureOpened(qint16 id);
    void pictureClosed(qint16 id);
    void pictureShownAgain(qint16 id);
    void pictureSaved(qint16 id, const QString& absolutePath);
    void runEnding(RunEnding how);

private:
    struct Save {
        qint16 id;
        QByteArray contents;
    };

    std::vector<PictureRecord> m_pictures;
    QHash<qint16, std::size_t> m_index;
    // The pictures closed and not shown again, in the order they closed.
    std::vector<qint16> m_closed;
    // The latest save into each file, by its canonical path.
    QHash<QString, Save> m_saves;
    bool m_ending = false;
};
