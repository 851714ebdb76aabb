#include "core/history/RunHistory.h"

#include "core/files/ReadWriteAll.h"
#include "core/files/RegularFile.h"
#include "core/genefile/GeneFileWriter.h"

#include <QFileInfo>

namespace {

// Reads at most limit bytes of a regular file, never blocking; nothing when it cannot be read.
QByteArray leadingBytes(const QString& fileName, qsizetype limit)
{
    const Files::OpenedFile file = Files::openRegular(fileName, Files::Links::Follow);
    if (!file.fd.valid())
        return {};
    return Files::readAll(file.fd.get(), limit).value_or(QByteArray());
}

} // namespace

RunHistory::RunHistory(QObject* parent)
    : QObject(parent)
{
}

void RunHistory::opened(PictureRecord record)
{
    const qint16 id = record.id;
    m_index.insert(id, m_pictures.size());
    m_pictures.push_back(std::move(record));
    emit pictureOpened(id);
}

void RunHistory::closed(qint16 id)
{
    const auto it = m_index.constFind(id);
    if (m_ending || it == m_index.cend() || !m_pictures[*it].open)
        return;
    m_pictures[*it].open = false;
    m_closed.push_back(id);
    emit pictureClosed(id);
}

void RunHistory::shownAgain(qint16 id)
{
    const auto it = m_index.constFind(id);
    if (it == m_index.cend() || m_pictures[*it].open)
        return;
    m_pictures[*it].open = true;
    std::erase(m_closed, id);
    emit pictureShownAgain(id);
}

qint16 RunHistory::lastClosed() const
{
    return m_closed.empty() ? qint16(-1) : m_closed.back();
}

void RunHistory::saved(qint16 id, const QString& fileName)
{
    const PictureRecord* picture = find(id);
    if (!picture)
        return;
    const QFileInfo file(fileName);
    const QString path = file.canonicalFilePath();
    if (path.isEmpty())
        return;
    m_saves.insert(path, Save { id, GeneFileWriter::Contents(picture->code) });
    emit pictureSaved(id, file.absoluteFilePath());
}

void RunHistory::ending(RunEnding how)
{
    if (m_ending)
        return;
    m_ending = true;
    emit runEnding(how);
}

qint16 RunHistory::savedBy(const QString& fileName) const
{
    const auto it = m_saves.constFind(QFileInfo(fileName).canonicalFilePath());
    if (it == m_saves.cend())
        return -1;
    // One byte more than was saved tells a longer file from an equal one.
    const QByteArray now = leadingBytes(fileName, it->contents.size() + 1);
    return now == it->contents ? it->id : qint16(-1);
}

const PictureRecord* RunHistory::find(qint16 id) const
{
    const auto it = m_index.constFind(id);
    return it == m_index.cend() ? nullptr : &m_pictures[*it];
}
