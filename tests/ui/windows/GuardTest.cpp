#include "ui/windows/Guard.h"

#include "core/platform/RuntimeError.h"
#include "support/CaseNames.h"
#include "support/WindowTesting.h"

#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include <functional>
#include <gmock/gmock.h>
#include <new>
#include <stdexcept>

namespace {

using CaseNames::PrintTo;

using testing::HasSubstr;

class GuardTest : public testing::Test {
protected:
    ~GuardTest() override { WindowTesting::closeLeftoverWindows(); }

    static QList<QMessageBox*> errorBoxes()
    {
        QList<QMessageBox*> boxes;
        for (QMessageBox* box : WindowTesting::windowsOf<QMessageBox>()) {
            if (box->objectName() == QLatin1String("RuntimeErrorBox"))
                boxes.append(box);
        }
        return boxes;
    }

    // The one error box a failed handler left, or a test failure.
    static QMessageBox* onlyErrorBox()
    {
        const QList<QMessageBox*> boxes = errorBoxes();
        EXPECT_EQ(boxes.size(), 1);
        return boxes.isEmpty() ? nullptr : boxes.front();
    }

    QWidget parent;
};

struct NamedError {
    const char* name;
    std::function<RuntimeError()> make;
    const char* shows;
};

const NamedError namedErrors[] = {
    { "Overflow", [] { return RuntimeError::overflow(QStringLiteral("(picture ID past 32767)")); },
        "Overflow (error 6) (picture ID past 32767)" },
    { "SubscriptOutOfRange", [] { return RuntimeError::subscriptOutOfRange(QStringLiteral("(gene 12)")); },
        "Subscript out of range (error 9) (gene 12)" },
    { "TypeMismatch", [] { return RuntimeError::typeMismatch(QStringLiteral("in \"tree.gen\", line 17")); },
        "Type mismatch (error 13) in \"tree.gen\", line 17" },
    { "InputPastEndOfFile", [] { return RuntimeError::inputPastEndOfFile(QStringLiteral("in \"short.gen\"")); },
        "Input past end of file (error 62) in \"short.gen\"" },
    { "PathNotFound",
        [] {
            return RuntimeError(RuntimeError::PathNotFound, QStringLiteral("No such file or directory"),
                QStringLiteral("(\"/no/such/folder/tree.gen\")"));
        },
        "No such file or directory (error 76) (\"/no/such/folder/tree.gen\")" },
};

class GuardNamesError : public GuardTest, public testing::WithParamInterface<NamedError> { };

TEST_P(GuardNamesError, ShowsTheErrorInABoxAndReturns)
{
    Guard::run(&parent, [] { throw GetParam().make(); });

    QMessageBox* box = onlyErrorBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text().toStdString(), GetParam().shows);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Vantrell"));
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(box->parentWidget(), &parent);
}

INSTANTIATE_TEST_SUITE_P(Errors, GuardNamesError, testing::ValuesIn(namedErrors), CaseNames::testName);

TEST_F(GuardTest, HandlerThatSucceedsShowsNothing)
{
    bool ran = false;
    Guard::run(&parent, [&] { ran = true; });

    EXPECT_TRUE(ran);
    EXPECT_TRUE(errorBoxes().isEmpty());
}

TEST_F(GuardTest, NextHandlerRunsNormallyAfterAnError)
{
    Guard::run(&parent, [] { throw RuntimeError::overflow(); });
    bool nextHandlerRan = false;

    Guard::run(&parent, [&] { nextHandlerRan = true; });

    EXPECT_TRUE(nextHandlerRan);
    EXPECT_EQ(errorBoxes().size(), 1);
}

TEST_F(GuardTest, OutOfMemoryShowsAGenericText)
{
    Guard::run(&parent, [] { throw std::bad_alloc(); });

    QMessageBox* box = onlyErrorBox();
    ASSERT_NE(box, nullptr);
    EXPECT_THAT(box->text().toStdString(), HasSubstr("An unexpected error stopped this operation."));
}

TEST_F(GuardTest, OtherStandardErrorShowsItsText)
{
    Guard::run(&parent, [] { throw std::logic_error("no picture window factory installed"); });

    QMessageBox* box = onlyErrorBox();
    ASSERT_NE(box, nullptr);
    EXPECT_THAT(box->text().toStdString(), HasSubstr("no picture window factory installed"));
}

TEST_F(GuardTest, ExceptionOfNoStandardTypeIsStoppedToo)
{
    Guard::run(&parent, [] { throw 42; });

    QMessageBox* box = onlyErrorBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), Guard::UnexpectedErrorText({}));
}

TEST_F(GuardTest, WithoutParentTheBoxIsATopLevelWindow)
{
    Guard::run(nullptr, [] { throw RuntimeError::typeMismatch(); });

    QMessageBox* box = onlyErrorBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->parentWidget(), nullptr);
}

TEST_F(GuardTest, OkClosesAndDeletesTheBox)
{
    Guard::run(&parent, [] { throw RuntimeError::overflow(); });
    QPointer<QMessageBox> box = onlyErrorBox();
    ASSERT_FALSE(box.isNull());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(box));

    QAbstractButton* ok = box->button(QMessageBox::Ok);
    ASSERT_NE(ok, nullptr);
    QTest::mouseClick(ok, Qt::LeftButton);
    WindowTesting::flushDeletions();

    EXPECT_TRUE(box.isNull());
}

// A handler connected through the guard: a click whose handler fails leaves the button working.
class FailingWindow : public QWidget {
public:
    FailingWindow()
    {
        button.setText(QStringLiteral("Fail"));
        Guard::connect(&button, &QPushButton::clicked, this, &FailingWindow::button_Click);
    }

    void button_Click()
    {
        ++clicks;
        throw RuntimeError::subscriptOutOfRange(QStringLiteral("(gene 12)"));
    }

    QPushButton button { this };
    int clicks = 0;
};

TEST_F(GuardTest, ConnectedHandlerErrorStaysInsideTheClick)
{
    FailingWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    QTest::mouseClick(&window.button, Qt::LeftButton);

    EXPECT_EQ(window.clicks, 1);
    QMessageBox* box = onlyErrorBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), QStringLiteral("Subscript out of range (error 9) (gene 12)"));
    EXPECT_EQ(box->parentWidget(), &window);
}

} // namespace
