// The program as it runs for a user, on the offscreen platform and driven from its standard input, so a
// test can kill it at a moment of its choosing: "open RATE" presses Open with that rate and answers
// "opened ID" and the picture's 96 traits, the angles as their bits. Usage: journal_child RUNS_FOLDER

#include "core/journal/Journal.h"
#include "program/modObject.h"
#include "shell/frmMain.h"
#include "ui/picture/FormWindow.h"

#include <QApplication>
#include <QDateTime>
#include <QLineEdit>
#include <QPushButton>

#include <bit>
#include <cstdint>
#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2)
        return 2;
    Journal journal(QString::fromLocal8Bit(argv[1]), QDateTime::currentDateTime());
    frmMain window([] {});
    installPictureWindows(window.commands());
    window.AttachJournal(journal);
    window.show();
    std::cout << "ready" << std::endl;
    std::string command;
    double rate = 0;
    while (std::cin >> command >> rate) {
        if (command != "open")
            return 2;
        window.txtMutationRate->setText(QString::number(rate));
        window.btnOpen->click();
        QApplication::processEvents();
        const qint16 id = static_cast<qint16>(modObject::NextID - 1);
        clsGenSeq& code = modObject::Objects.item(modObject::KeyOf(id))->GenCode();
        std::cout << "opened " << id;
        for (qint16 i = 0; i < 12; ++i) {
            const clsGene& gene = *code.GetGene(i);
            std::cout << ' ' << gene.Length << ' ' << gene.Width << ' ' << std::bit_cast<std::uint64_t>(gene.Angle)
                      << ' ' << gene.ColorRed << ' ' << gene.ColorGreen << ' ' << gene.ColorBlue << ' ' << gene.Done
                      << ' ' << gene.Draw;
        }
        std::cout << std::endl;
    }
    return 0;
}
