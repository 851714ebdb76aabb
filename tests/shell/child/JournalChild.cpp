// The program as it runs for a user, on the offscreen platform and driven from its standard input, so a
// test can kill it at a moment of its choosing: "open RATE" presses Open with that rate and answers
// "opened ID" and the picture's 96 traits, the angles as their bits. In the Breed window, "breed ID" breeds from
// picture ID, "choose CELL" breeds from that cell alone, "back 0" goes back; each answers "generation INDEX" and the
// traits of every cell. Usage: journal_child RUNS_FOLDER

#include "core/breeding/Generations.h"
#include "core/journal/Journal.h"
#include "program/modObject.h"
#include "shell/frmMain.h"
#include "ui/breed/BreedWindow.h"
#include "ui/picture/FormWindow.h"

#include <QApplication>
#include <QDateTime>
#include <QLineEdit>
#include <QPushButton>

#include <bit>
#include <cstdint>
#include <iostream>
#include <string>

namespace {

void printTraits(const GeneticCode& code)
{
    for (const clsGene& gene : code)
        std::cout << ' ' << gene.Length << ' ' << gene.Width << ' ' << std::bit_cast<std::uint64_t>(gene.Angle) << ' '
                  << gene.ColorRed << ' ' << gene.ColorGreen << ' ' << gene.ColorBlue << ' ' << gene.Done << ' '
                  << gene.Draw;
}

} // namespace

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
        const auto number = static_cast<int>(rate);
        if (command == "breed" || command == "choose" || command == "back") {
            if (command == "breed") {
                window.BreedFrom(static_cast<qint16>(number));
            } else if (command == "choose") {
                window.run().generations().shown().selection = { number };
                window.Breed()->Choose();
            } else {
                window.Breed()->G_Back_Click();
            }
            QApplication::processEvents();
            const Generations& generations = window.run().generations();
            std::cout << "generation " << generations.shownIndex();
            for (const GeneticCode& code : generations.shown().cells)
                printTraits(code);
            std::cout << std::endl;
            continue;
        }
        if (command != "open")
            return 2;
        window.txtMutationRate->setText(QString::number(rate));
        window.btnOpen->click();
        QApplication::processEvents();
        const qint16 id = static_cast<qint16>(modObject::NextID - 1);
        std::cout << "opened " << id;
        printTraits(modObject::Objects.item(modObject::KeyOf(id))->GenCode().Code());
        std::cout << std::endl;
    }
    return 0;
}
