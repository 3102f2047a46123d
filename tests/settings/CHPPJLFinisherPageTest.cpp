// The finisher tab shows the region's form with its rules, and its controls change the rules.
#include "CEditWithSpin.h"
#include "CHPPJLFinisherPage.h"
#include "CMessageService.h"
#include "CPageTestFixture.h"
#include "CaseNames.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {
using Control = CFinisherSettings::Control;

class CFinisherPageFixture : public CPageTestFixture {
protected:
    CFinisherPageFixture(const char* region, const std::string& file)
        : CPageTestFixture("[Finisher]\nFolder=No folding;UNFOLD,Fan fold;FAN1\nFolderSize=A4;A4\n"
                           "FolderMargin=None;0,20 mm;20\nStacker=Stack;STACK,Sort;SORT,Mixed;MIX\n"
                           "StackBin=Top tray;TOPTRAY,Bin 1;0\nFolderProgramRange=1,50\nFolderBinNoRange=1,10\n"
                           "FolderOutputBin=Bypass;BYPASS,Standard;STANDARD,Select bin;SELECTBIN\n",
                           region)
        , m_settings(m_plotter, region)
        , m_page(m_settings, m_plotter)
    {
        Show(m_settings, m_page, "[Finisher]\n" + file);
    }

    CFinisherSettings m_settings;
    CHPPJLFinisherPage m_page;
};

struct FormCase {
    const char* name;
    const char* form;
    std::string shown;  // the inputs shown, in form order
};

const FormCase kForms[] = {
    {"JP", "CHPPJLFinisherPage174",
     "comboFoldProgram checkFold comboFoldSize comboMargin checkRotate checkCornerFold comboStacker comboStackBin "
     "checkBaler "},
    {"CL", "CHPPJLFinisherPage174",
     "comboFoldProgram comboFoldSize comboMargin checkRotate checkCornerFold comboStacker checkBaler "},
    {"AP", "CHPPJLFinisherPage199",
     "comboFoldProgram comboFoldSize comboMargin checkRotate checkCornerFold comboStacker checkBaler "},
    {"ZC", "CHPPJLFinisherPage199",
     "checkProgramOff editProgramNumber comboProgramMargin comboOutputBin editBinNumber "},
};

class CHPPJLFinisherPageFormTest : public CFinisherPageFixture, public testing::TestWithParam<FormCase> {
protected:
    CHPPJLFinisherPageFormTest() : CFinisherPageFixture(GetParam().name, "") {}
};

TEST_P(CHPPJLFinisherPageFormTest, ShowsTheRegionsControlsOnly)
{
    EXPECT_NE(m_page.findChild<QWidget*>(GetParam().form), nullptr);
    std::string shown;
    for (QWidget* widget : m_page.findChildren<QWidget*>())
        if ((qobject_cast<QComboBox*>(widget) || qobject_cast<QCheckBox*>(widget) ||
             qobject_cast<CEditWithSpin*>(widget)) && widget->isVisibleTo(&m_page))
            shown += widget->objectName().toStdString() + " ";
    EXPECT_EQ(shown, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Regions, CHPPJLFinisherPageFormTest, testing::ValuesIn(kForms), ByCaseName());

class CHPPJLFinisherPageZcTest : public CFinisherPageFixture, public testing::Test {
protected:
    CHPPJLFinisherPageZcTest()
        : CFinisherPageFixture("ZC", "FolderProgramRange=12\nFolderOutputBin=SELECTBIN\nFolderBinNoRange=3\n")
    {
    }

    std::vector<bool> FoldEnabled()
    {
        return {Find<CEditWithSpin>("editProgramNumber").isEnabled(), Find<QComboBox>("comboProgramMargin").isEnabled(),
                Find<QComboBox>("comboOutputBin").isEnabled(), Find<CEditWithSpin>("editBinNumber").isEnabled()};
    }
};

TEST_F(CHPPJLFinisherPageZcTest, ProgramOffAndOutputBinEnableTheFoldControls)
{
    EXPECT_EQ(Find<CEditWithSpin>("editProgramNumber").Text(), "12");
    EXPECT_EQ(Find<QComboBox>("comboOutputBin").currentText(), "Select bin");
    EXPECT_EQ(FoldEnabled(), std::vector<bool>(4, true));

    Find<QCheckBox>("checkProgramOff").click();
    EXPECT_TRUE(m_settings.IsChecked(Control::ProgramOff));
    EXPECT_EQ(FoldEnabled(), std::vector<bool>(4, false));
    EXPECT_FALSE(Find<QLabel>("labelBinNumber").isEnabled());

    Find<QCheckBox>("checkProgramOff").click();
    QTest::keyClick(&Find<QComboBox>("comboOutputBin"), Qt::Key_Up);
    EXPECT_EQ(FoldEnabled(), (std::vector<bool>{true, true, true, false}));
    EXPECT_EQ(m_settings.GetSelected(Control::OutputBin), 1);
}

// Typing is free: what is typed is judged whole when the focus leaves, not
// cut to the digits the upper bound has; a number out of bounds is refused
// with the range, the focus kept.
TEST_F(CHPPJLFinisherPageZcTest, TypedNumberIsJudgedWholeWhenLeft)
{
    m_page.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_page));
    auto& number = Find<CEditWithSpin>("editProgramNumber");
    auto& next = Find<QComboBox>("comboOutputBin");
    for (const char* typed : {"0", "abc7", "500"}) {
        number.setFocus();
        number.selectAll();
        QTest::keyClicks(&number, typed);
        next.setFocus();
        QCoreApplication::processEvents();
        EXPECT_EQ(number.Text().toStdString(), typed);
        EXPECT_EQ(m_settings.GetText(Control::ProgramNumber), typed);
        EXPECT_EQ(QApplication::focusWidget(), number.focusProxy() ? number.focusProxy() : &number) << typed;
        EXPECT_EQ(number.findChild<QLineEdit*>()->selectedText().toStdString(), typed);
    }
    EXPECT_EQ(m_messages.Ids(), std::vector<unsigned>(3, ResId::kBadFoldProgramMessage));
    EXPECT_EQ(m_messages.Messages().at(0).text, CMessageService::FormatBounds(ResId::kBadFoldProgramMessage, 1, 50));
    QTest::keyClicks(&number, "7");
    next.setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), &next);
    EXPECT_EQ(m_settings.GetText(Control::ProgramNumber), "7");
}

class CHPPJLFinisherPageJpTest : public CFinisherPageFixture, public testing::Test {
protected:
    CHPPJLFinisherPageJpTest() : CFinisherPageFixture("JP", "Folder=FOLD\nStacker=SORT\n") {}
};

TEST_F(CHPPJLFinisherPageJpTest, FoldCheckProgramAndStackerFollowTheRules)
{
    auto& program = Find<QComboBox>("comboFoldProgram");
    auto& fold = Find<QCheckBox>("checkFold");
    EXPECT_FALSE(program.isEnabled() || Find<QLabel>("labelFoldProgram").isEnabled());
    EXPECT_TRUE(fold.isEnabled() && fold.isChecked());

    fold.click();
    EXPECT_TRUE(program.isEnabled());
    QTest::keyClick(&program, Qt::Key_Down);
    EXPECT_FALSE(fold.isEnabled());
    EXPECT_EQ(m_settings.Lines().at(0).value, "FAN1");

    EXPECT_TRUE(Find<QComboBox>("comboStackBin").isEnabled());
    QTest::keyClick(&Find<QComboBox>("comboStacker"), Qt::Key_Down);
    EXPECT_FALSE(Find<QComboBox>("comboStackBin").isEnabled());
}
}
