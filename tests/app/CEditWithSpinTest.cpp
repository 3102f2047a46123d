#include "CEditWithSpin.h"

#include "ControlTags.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

namespace {
struct CTypingCase {
    const char* name;
    int start;
    std::vector<int> keys;
    const char* text;
};

class CEditWithSpinTypingTest : public testing::TestWithParam<CTypingCase> {};

TEST_P(CEditWithSpinTypingTest, DigitsUpToTheMaximumAndArrowsWithinTheSpinRange)
{
    CEditWithSpin edit;
    edit.SetSpinRange(1, 99);
    edit.setValue(GetParam().start);
    edit.show();
    edit.setFocus();
    for (const int key : GetParam().keys)
        QTest::keyClick(&edit, static_cast<Qt::Key>(key));
    EXPECT_EQ(edit.Text().toStdString(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, CEditWithSpinTypingTest,
    testing::Values(CTypingCase{"LetterIgnored", 5, {Qt::Key_End, Qt::Key_A}, "5"},
                    CTypingCase{"DigitAppended", 5, {Qt::Key_End, Qt::Key_7}, "57"},
                    CTypingCase{"ThirdDigitRefused", 57, {Qt::Key_End, Qt::Key_1}, "57"},
                    CTypingCase{"ZeroTyped", 5, {Qt::Key_End, Qt::Key_Backspace, Qt::Key_0}, "0"},
                    CTypingCase{"Emptied", 5, {Qt::Key_End, Qt::Key_Backspace}, ""},
                    CTypingCase{"DownStopsAtTheLowerBound", 2, {Qt::Key_Down, Qt::Key_Down}, "1"},
                    CTypingCase{"UpStopsAtTheMaximum", 98, {Qt::Key_Up, Qt::Key_Up}, "99"}),
    [](const testing::TestParamInfo<CTypingCase>& info) { return info.param.name; });

TEST(CEditWithSpinTest, ReportsEveryTextChangeAndItsTagOnLosingTheFocus)
{
    QWidget window;
    auto* edit = new CEditWithSpin(&window);
    auto* other = new QLineEdit(&window);
    other->move(0, 50);
    edit->SetSpinRange(1, 99);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QSignalSpy texts(edit, &CEditWithSpin::TextChanged);
    QSignalSpy lost(edit, &CEditWithSpin::FocusLost);

    edit->setFocus();
    edit->SetText("4");
    other->setFocus();
    EXPECT_EQ(texts.count(), 1);
    EXPECT_EQ(lost.count(), 0) << "no tag, nothing to report";

    edit->SetTag(control_tag::kPrintList);
    edit->setFocus();
    other->setFocus();
    ASSERT_EQ(lost.count(), 1);
    EXPECT_EQ(lost.front().front().toInt(), control_tag::kPrintList);
}
}
