#pragma once
// One picture as a web page shows it: its genetic code, the names of its files, and the words about it.

#include "core/drawing/DrawFlags.h"
#include "core/genetics/GeneticCode.h"

#include <QByteArray>
#include <QString>

#include <vector>

struct WebPicture {
    GeneticCode code;
    Drawing::Flags flags;
    // The genetic code file, as it downloads.
    QByteArray geneFile;
    // The file's name in the pictures folder, and the name it downloads under.
    QString geneFileName;
    QString downloadName;
    // The thumbnail and the SVG are this with ".png" and ".svg".
    QString stem;
    // "Picture 7", or the file's name.
    QString title;
    // How it came to be, in a few words; empty in a gallery.
    QString birth;
    QString alt;
    // In a run: its ID and its parents there.
    qint16 id = 0;
    std::vector<qint16> parents;
};
