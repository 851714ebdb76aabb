#pragma once
// The folder a web page is written into: new or empty, and left as it was found unless the page is written whole.

#include <QByteArray>
#include <QMutex>
#include <QString>
#include <QStringList>

class WebFolder {
public:
    // Makes folder when there is none; an empty one is taken as it is. A folder that holds anything, or a name that
    // is no folder, is refused with an error naming it, and nothing is written.
    explicit WebFolder(const QString& folder);
    // Unless kept, everything written is taken away again, and the folders made here too.
    ~WebFolder();
    WebFolder(const WebFolder&) = delete;
    WebFolder& operator=(const WebFolder&) = delete;

    // name: relative to the folder. Safe on any thread.
    void makeFolder(const QString& name);
    // Through the one safe save; errors name the file. Safe on any thread.
    void write(const QString& name, const QByteArray& contents);
    void keep();

private:
    void removeMade() const;

    QString m_path;
    QStringList m_made;
    bool m_kept = false;
    QMutex m_mutex;
    QStringList m_files;
    QStringList m_folders;
};
