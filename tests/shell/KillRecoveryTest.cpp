#include "core/journal/JournalFolder.h"
#include "support/OpenTesting.h"

#include <QProcess>

#include <bit>
#include <csignal>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace {

// The program killed with SIGKILL after its first, second, ... fifth Open: every picture opened before the
// kill comes back, trait for trait.
class KillRecoveryTest : public OpenTest, public testing::WithParamInterface<int> {
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

} // namespace
