#include "CSendoraFixture.h"

#include "CEditWithSpin.h"
#include "CFileDialogs.h"
#include "CMessageService.h"
#include "CPrintDataListCtrl.h"
#include "CSDComboBox.h"
#include "ResourceIds.h"
#include "CaseNames.h"

#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QLineEdit>
#include <QTest>

namespace {
using CSendoraDlgCommandsTest = CSendoraFixture;

// A file that cannot be read is left out and reported.
TEST_F(CSendoraDlgCommandsTest, AddedFilesFollowInReverseOrderAndAFolderInNameOrder)
{
    OpenWindow();
    AddEntries({"old1.plt", "old2.plt"});
    CFileDialogs::SetNextFiles({Q(WriteFile("F1.plt")), Q(m_dir.File("gone.plt")), Q(WriteFile("F3.cgm"))});
    Child<QPushButton>("buttonAddFiles").click();
    std::vector<std::string> expected{"old1.plt", "old2.plt", "F3.cgm", "F1.plt"};
    EXPECT_EQ(FileNames(), expected);
    EXPECT_EQ(ShownNames(), expected);
    EXPECT_EQ(List().model()->index(2, 1).data().toString().toStdString(), "CGM");
    EXPECT_EQ(m_messages.Messages().size(), 1u);

    for (const char* name : {"F10.plt", "f2.plt", "F1.plt", ".F0.plt", "F3.plt", "F4.plt"})
        WriteFile(std::string("folder/") + name);
    for (const char* name : {"F1.plt", "f2.plt", "F3.plt", "F4.plt", "F10.plt"})
        expected.push_back(name);
    CFileDialogs::SetNextFolder(Q(m_dir.File("folder")));
    Child<QPushButton>("buttonAddFolder").click();
    EXPECT_EQ(FileNames(), expected);
    EXPECT_EQ(ShownNames(), expected);
    EXPECT_TRUE(List().isEnabled());
}

// Titled for what they add; each starts where plot files were last taken
// from, in this window or an earlier one, else in the home folder. Cancelled,
// they add nothing.
TEST_F(CSendoraDlgCommandsTest, ChoosersSayWhatTheyAddAndStartInTheLastPlotFolder)
{
    const std::string folder = m_dir.File("plots/sub");
    WriteFile("plots/sub/a.plt");
    WriteFile("plots/b.plt");
    const struct {
        const char* button;
        QStringList answer;
        unsigned title;
        QString startFolder;
    } steps[] = {{"buttonAddFolder", {}, ResId::kFolderTitle, QDir::homePath()},
                 {"buttonAddFiles", {Q(m_dir.File("plots/b.plt"))}, ResId::kAddFilesTitle, QDir::homePath()},
                 {"buttonAddFolder", {Q(folder)}, ResId::kFolderTitle, Q(m_dir.File("plots"))},
                 {"buttonAddFiles", {}, ResId::kAddFilesTitle, Q(folder)}};
    OpenWindow();
    for (const auto& step : steps) {
        if (std::string(step.button) == "buttonAddFiles")
            CFileDialogs::SetNextFiles(step.answer);
        else
            CFileDialogs::SetNextFolder(step.answer.value(0));
        Child<QPushButton>(step.button).click();
        EXPECT_EQ(CFileDialogs::LastOpenTitle().toStdString(), CMessageService::Format(step.title)) << step.button;
        EXPECT_EQ(CFileDialogs::LastOpenFolder(), step.startFolder) << step.button;
    }
    EXPECT_EQ(FileNames(), (std::vector<std::string>{"b.plt", "a.plt"}));
    m_window.reset();
    OpenWindow();
    CFileDialogs::SetNextFiles({});
    Child<QPushButton>("buttonAddFiles").click();
    EXPECT_EQ(CFileDialogs::LastOpenFolder(), Q(folder));
}

struct CListCommandCase {
    const char* name;
    const char* button;
    std::vector<int> selected;
    std::vector<std::string> order;
    std::vector<int> selectedAfter;
};

class CSendoraDlgListCommandTest : public CSendoraFixture, public testing::WithParamInterface<CListCommandCase> {};

TEST_P(CSendoraDlgListCommandTest, ActsOnTheSelectedEntriesKeepingTheirSelection)
{
    OpenWindow();
    AddEntries({"0", "1", "2", "3", "4"});
    SelectRows(GetParam().selected);
    Child<QPushButton>(GetParam().button).click();
    EXPECT_EQ(FileNames(), GetParam().order);
    EXPECT_EQ(ShownNames(), GetParam().order);
    EXPECT_EQ(List().SelectedRows(), GetParam().selectedAfter);
}

const std::vector<std::string> kUnmoved{"0", "1", "2", "3", "4"};

INSTANTIATE_TEST_SUITE_P(
    Cases, CSendoraDlgListCommandTest,
    testing::Values(CListCommandCase{"UpTwoRows", "buttonMoveUp", {2, 3}, {"0", "2", "3", "1", "4"}, {1, 2}},
                    CListCommandCase{"UpApart", "buttonMoveUp", {1, 3}, {"1", "0", "3", "2", "4"}, {0, 2}},
                    CListCommandCase{"UpWithFirstRow", "buttonMoveUp", {0, 3}, kUnmoved, {0, 3}},
                    CListCommandCase{"UpNothingSelected", "buttonMoveUp", {}, kUnmoved, {}},
                    CListCommandCase{"DownTwoRows", "buttonMoveDown", {1, 2}, {"0", "3", "1", "2", "4"}, {2, 3}},
                    CListCommandCase{"DownApart", "buttonMoveDown", {1, 3}, {"0", "2", "1", "4", "3"}, {2, 4}},
                    CListCommandCase{"DownWithLastRow", "buttonMoveDown", {1, 4}, kUnmoved, {1, 4}},
                    CListCommandCase{"DownNothingSelected", "buttonMoveDown", {}, kUnmoved, {}},
                    CListCommandCase{"DeleteSelected", "buttonDeleteSelected", {1, 3, 4}, {"0", "2"}, {1}},
                    CListCommandCase{"DeleteOneRow", "buttonDeleteSelected", {2}, {"0", "1", "3", "4"}, {2}},
                    CListCommandCase{"DeleteTheLastRows", "buttonDeleteSelected", {3, 4}, {"0", "1", "2"}, {2}},
                    CListCommandCase{"DeleteNothingSelected", "buttonDeleteSelected", {}, kUnmoved, {}},
                    CListCommandCase{"DeleteAll", "buttonDeleteAll", {1}, {}, {}}),
    ByCaseName());

// The number applies when it is committed, by Enter or by the focus leaving,
// and entries added later take it (every way of adding makes its entries
// alike); typing, Backspace to an empty box included, shows no message. A
// number out of range is refused with a message, the box keeping the focus
// and the text.
TEST_F(CSendoraDlgCommandsTest, SameCopiesAppliesTheNumberWhenCommitted)
{
    OpenWindow();
    AddEntries({"a", "b"}, 3);
    auto& copies = Child<CEditWithSpin>("editCopiesForAll");
    QTest::mouseClick(&Child<QCheckBox>("checkSameCopies"), Qt::LeftButton);
    EXPECT_TRUE(copies.isEnabled());
    EXPECT_EQ(Copies(), (std::vector<int>{1, 1}));
    copies.setFocus();
    copies.selectAll();
    QTest::keyClicks(&copies, "12");
    EXPECT_EQ(Copies(), (std::vector<int>{1, 1}));
    QTest::keyClick(&copies, Qt::Key_Return);
    EXPECT_EQ(Copies(), (std::vector<int>{12, 12}));
    QTest::keyClick(&copies, Qt::Key_End);
    QTest::keyClick(&copies, Qt::Key_Backspace);
    QTest::keyClick(&copies, Qt::Key_Backspace);
    EXPECT_TRUE(m_messages.Ids().empty());
    for (const char* typed : {"", "0", "100", "x"}) {
        copies.selectAll();
        QTest::keyClicks(&copies, typed);
        Child<QPushButton>("buttonAddFiles").setFocus();
        QCoreApplication::processEvents();
        EXPECT_EQ(copies.Text().toStdString(), typed);
        EXPECT_TRUE(copies.hasFocus()) << typed;
        EXPECT_EQ(copies.findChild<QLineEdit*>()->selectedText().toStdString(), typed);
    }
    EXPECT_EQ(m_messages.Ids(), std::vector<unsigned>(4, ResId::kCopiesOutOfRangeMessage));
    EXPECT_EQ(Copies(), (std::vector<int>{12, 12}));
    QTest::keyClicks(&copies, "5");
    Child<QPushButton>("buttonAddFiles").setFocus();
    EXPECT_EQ(Copies(), (std::vector<int>{5, 5}));
    CFileDialogs::SetNextFiles({Q(WriteFile("c.plt"))});
    Child<QPushButton>("buttonAddFiles").click();
    EXPECT_EQ(Copies(), (std::vector<int>{5, 5, 5}));

    QTest::mouseClick(&Child<QCheckBox>("checkSameCopies"), Qt::LeftButton);
    EXPECT_FALSE(copies.isEnabled());
    EXPECT_EQ(m_window->DefaultCopies(), 1);
    // Enabling the controls after a send keeps the text off while the box is clear.
    m_window->EnableControls(false);
    m_window->EnableControls(true);
    EXPECT_FALSE(copies.isEnabled());
    QTest::mouseClick(&Child<QCheckBox>("checkSameCopies"), Qt::LeftButton);
    m_window->EnableControls(false);
    EXPECT_FALSE(copies.isEnabled());
    m_window->EnableControls(true);
    EXPECT_TRUE(copies.isEnabled());
}

// The printer number is judged as the copies are: a number out of range
// is refused once, the box keeping the focus and the text; one in range
// is taken without a word.
TEST_F(CSendoraDlgCommandsTest, PrinterNumberIsJudgedWhenCommitted)
{
    OpenWindow();
    auto& number = Child<CEditWithSpin>("editPrinterNumber");
    number.setFocus();
    number.selectAll();
    QTest::keyClicks(&number, "100");
    Child<QPushButton>("buttonAddFiles").setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(m_messages.Ids(), std::vector<unsigned>{ResId::kBadPrinterNumberMessage});
    EXPECT_EQ(number.Text().toStdString(), "100");
    EXPECT_TRUE(number.hasFocus());
    EXPECT_EQ(number.findChild<QLineEdit*>()->selectedText().toStdString(), "100");

    QTest::keyClicks(&number, "5");
    Child<QPushButton>("buttonAddFiles").setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(m_messages.Ids().size(), 1U);
    EXPECT_FALSE(number.hasFocus());
    EXPECT_EQ(number.value(), 5);
}

// By the Close button or by the window's own close; Enter and Escape
// neither close nor press.
class CSendoraDlgCloseTest : public CSendoraFixture, public testing::WithParamInterface<bool> {};

TEST_P(CSendoraDlgCloseTest, WritesTheFourValues)
{
    WriteFile("PrinterSetting/plant.prn", "[QXSD]\nHPPJL Version=1.0.0\n");
    OpenWindow();
    AddEntries({"a"});
    auto& printer = Child<CSDComboBox>("comboPrinterName");
    printer.setFocus();
    QTest::keyClick(&printer, Qt::Key_Return);
    QTest::keyClick(&printer, Qt::Key_Escape);
    auto& deleteAll = Child<QPushButton>("buttonDeleteAll");
    deleteAll.setFocus();
    QTest::keyClick(&deleteAll, Qt::Key_Enter);
    QTest::keyClick(m_window.get(), Qt::Key_Escape);
    EXPECT_TRUE(m_window->isVisible());
    EXPECT_EQ(Job().GetCount(), 1);
    EXPECT_EQ(ReadUserValue("PrinterNo"), "");

    auto& number = Child<CEditWithSpin>("editPrinterNumber");
    number.setFocus();
    number.selectAll();
    QTest::keyClicks(&number, "5");
    Child<CSDComboBox>("comboOwnerName").setEditText("carol");
    printer.setEditText("plotter-9");
    Child<CSDComboBox>("comboPrinterSetting").setCurrentText("plant");
    if (GetParam())
        Child<QPushButton>("buttonClose").click();
    else
        m_window->close();
    EXPECT_FALSE(m_window->isVisible());
    EXPECT_EQ(ReadUserValue("PrinterNo"), "5");
    EXPECT_EQ(ReadUserValue("OwnerName"), "carol");
    EXPECT_EQ(ReadUserValue("PrinterName"), "plotter-9");
    EXPECT_EQ(ReadUserValue("PrinterSetting"), "plant");
}

INSTANTIATE_TEST_SUITE_P(By, CSendoraDlgCloseTest, testing::Values(true, false),
                         [](const testing::TestParamInfo<bool>& info) { return info.param ? "Button" : "Window"; });
}
