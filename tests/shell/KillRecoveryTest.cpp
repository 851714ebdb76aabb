#include "core/breeding/Generations.h"
#include "core/journal/Journal.h"
#include "core/journal/JournalFolder.h"
#include "support/OpenTesting.h"
#include "ui/breed/BreedWindow.h"
#include "ui/recovery/RecoverRunDialog.h"

#include <QProcess>

#include <bit>
#include <csignal>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace {

// The program in a process of its own, driven from its standard input and killed with SIGKILL.
class ChildTest : public OpenTest {
protected:
    static GeneticCode parseTraits(std::istringstream& in)
    {
        GeneticCode code;
        for (clsGene& gene : code) {
            std::uint64_t angle = 0;
            in >> gene.Length >> gene.Width >> angle >> gene.ColorRed >> gene.ColorGreen >> gene.ColorBlue >> gene.Done
                >> gene.Draw;
            gene.Angle = std::bit_cast<double>(angle);
        }
        return code;
    }

    static QByteArray readLine(QProcess& child)
    {
        while (!child.canReadLine())
            if (!child.waitForReadyRead(30000))
                return {};
        return child.readLine().trimmed();
    }
};

// Killed after its first, second, ... fifth Open: every picture opened before the kill comes back, trait for trait.
class KillRecoveryTest : public ChildTest, public testing::WithParamInterface<int> { };

TEST_P(KillRecoveryTest, EveryPictureOpenedBeforeTheKillComesBackExactly)
{
    const int opens = GetParam();
    const QString runs = path(QStringLiteral("runs"));
    QProcess child;
    child.start(QStringLiteral(VANTRELL_JOURNAL_CHILD), { runs });
    ASSERT_TRUE(child.waitForStarted());
    ASSERT_EQ(readLine(child), "ready");
    std::vector<GeneticCode> opened;
    for (int i = 0; i < opens; ++i) {
        // Rates that breed at random and, once a picture is there, mutate only some traits.
        child.write(i == 0 ? "open 1\n" : "open 0.3\n");
        std::istringstream reply(readLine(child).toStdString());
        std::string word;
        int id = -1;
        reply >> word >> id;
        ASSERT_EQ(word, "opened");
        ASSERT_EQ(id, i);
        opened.push_back(parseTraits(reply));
    }
    ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
    ASSERT_TRUE(child.waitForFinished());
    EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);

    const std::vector<RunJournal> found = JournalFolder::readAll(runs);
    ASSERT_EQ(found.size(), 1U);
    const RunJournal& run = found.front();
    EXPECT_FALSE(run.damaged()) << run.damage.toStdString();
    EXPECT_EQ(run.ending, RunEnding::CutOff);
    ASSERT_EQ(static_cast<int>(run.pictures.size()), opens);
    ASSERT_EQ(run.openAtEnd(), opens);

    main->run().recover(run, false);
    ASSERT_EQ(modObject::Objects.count(), opens);
    for (int i = 0; i < opens; ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(sameTraits(picture(i)->GenCode().Code(), opened[static_cast<std::size_t>(i)]));
        EXPECT_NE(window(i), nullptr);
        EXPECT_EQ(main->run().history().find(i)->birth.copyOf, i);
    }
}

INSTANTIATE_TEST_SUITE_P(AfterOpen, KillRecoveryTest, testing::Range(1, 6),
    [](const auto& info) { return "Open" + std::to_string(info.param); });

// Killed with the Breed window open after Back: Recover Run brings it back at the generation it showed, the chosen
// cell a closed picture, and Forward reaches the later generation.
TEST_F(ChildTest, TheBreedWindowComesBackAtTheGenerationItShowed)
{
    const QString runs = path(QStringLiteral("runs"));
    QProcess child;
    child.start(QStringLiteral(VANTRELL_JOURNAL_CHILD), { runs });
    ASSERT_TRUE(child.waitForStarted());
    ASSERT_EQ(readLine(child), "ready");
    std::vector<std::vector<GeneticCode>> shown;
    for (const char* command : { "open 1\n", "breed 0\n", "choose 3\n", "back 0\n" }) {
        child.write(command);
        std::istringstream reply(readLine(child).toStdString());
        std::string word;
        int index = -1;
        reply >> word >> index;
        std::vector<GeneticCode> cells;
        for (int cell = 0; cell < (word == "generation" ? 16 : 1); ++cell)
            cells.push_back(parseTraits(reply));
        shown.push_back(cells);
    }
    ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
    ASSERT_TRUE(child.waitForFinished());

    const std::vector<RunJournal> found = JournalFolder::readAll(runs);
    ASSERT_EQ(found.size(), 1U);
    const RunJournal& run = found.front();
    EXPECT_FALSE(run.damaged()) << run.damage.toStdString();
    ASSERT_EQ(run.generations.size(), 2U);
    EXPECT_EQ(run.shownGeneration, 0);
    EXPECT_TRUE(run.breedOpen);
    EXPECT_EQ(run.generations[0].selection, std::vector<int> { 3 });
    ASSERT_EQ(run.pictures.size(), 2U);
    EXPECT_FALSE(run.pictures[1].open);
    EXPECT_TRUE(sameTraits(run.pictures[1].code, shown[1][3]));

    Journal journal(runs, QDateTime::currentDateTime());
    main->AttachJournal(journal);
    main->P_RecoverRun->trigger();
    ASSERT_NE(main->RecoverRunWindow(), nullptr);
    main->RecoverRunWindow()->recoverButton()->click();
    BreedWindow* breed = main->Breed();
    ASSERT_NE(breed, nullptr);
    EXPECT_TRUE(breed->isVisible());
    const Generations& generations = main->run().generations();
    ASSERT_EQ(generations.count(), 2);
    EXPECT_EQ(generations.shownIndex(), 0);
    for (int cell = 0; cell < 16; ++cell) {
        EXPECT_TRUE(sameTraits(
            generations.all()[0].cells[static_cast<std::size_t>(cell)], shown[3][static_cast<std::size_t>(cell)]));
        EXPECT_TRUE(sameTraits(
            generations.all()[1].cells[static_cast<std::size_t>(cell)], shown[2][static_cast<std::size_t>(cell)]));
    }
    breed->G_Forward->trigger();
    EXPECT_EQ(generations.shownIndex(), 1);
}

} // namespace
