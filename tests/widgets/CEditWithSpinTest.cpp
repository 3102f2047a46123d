#include "CEditWithSpin.h"
#include "CaseNames.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>

namespace {
// A key as the platform delivers it: Delete comes with the text "\x7f",
// shortcuts with their letter.
struct CKey {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers = {};
    const char* text = nullptr;
};

constexpr CKey kDelete{Qt::Key_Delete, {}, "\x7f"};
constexpr CKey kSelectAll{Qt::Key_A, Qt::ControlModifier, "a"};
constexpr CKey kCut{Qt::Key_X, Qt::ControlModifier, "x"};
constexpr CKey kPaste{Qt::Key_V, Qt::ControlModifier, "v"};

struct CTypingCase {
    const char* name;
    int start;
    std::vector<CKey> keys;
    const char* text;
    const char* clipboard = "";
};

class CEditWithSpinTypingTest : public testing::TestWithParam<CTypingCase> {};

TEST_P(CEditWithSpinTypingTest, TypingIsFreeAndArrowsKeepToTheSpinRange)
{
    QApplication::clipboard()->setText(GetParam().clipboard);
    CEditWithSpin edit;
    edit.SetSpinRange(1, 99);
    edit.setValue(GetParam().start);
    edit.show();
    edit.setFocus();
    for (const CKey& key : GetParam().keys) {
        if (key.text)
            QTest::sendKeyEvent(QTest::Click, &edit, key.key, QString::fromLatin1(key.text), key.modifiers);
        else
            QTest::keyClick(&edit, key.key, key.modifiers);
    }
    EXPECT_EQ(edit.Text().toStdString(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, CEditWithSpinTypingTest,
    testing::Values(CTypingCase{"LetterKept", 5, {{Qt::Key_End}, {Qt::Key_A}}, "5a"},
                    CTypingCase{"ThirdDigitKept", 57, {{Qt::Key_End}, {Qt::Key_1}}, "571"},
                    CTypingCase{"BeyondTheMaximumKeptOnEnter", 5,
                                {kSelectAll, {Qt::Key_3}, {Qt::Key_0}, {Qt::Key_0}, {Qt::Key_Return}}, "300"},
                    CTypingCase{"LeadingZeroKeptOnEnter", 5, {{Qt::Key_Home}, {Qt::Key_0}, {Qt::Key_Return}}, "05"},
                    CTypingCase{"ZeroTyped", 5, {{Qt::Key_End}, {Qt::Key_Backspace}, {Qt::Key_0}}, "0"},
                    CTypingCase{"Emptied", 5, {{Qt::Key_End}, {Qt::Key_Backspace}, {Qt::Key_Return}}, ""},
                    CTypingCase{"DeleteAfterHome", 57, {{Qt::Key_Home}, kDelete}, "7"},
                    CTypingCase{"SelectAllAndCut", 57, {kSelectAll, kCut}, ""},
                    CTypingCase{"PasteKeptWhole", 5, {kSelectAll, kPaste, {Qt::Key_Return}}, "abc77", "abc77"},
                    CTypingCase{"DownStopsAtTheLowerBound", 2, {{Qt::Key_Down}, {Qt::Key_Down}}, "1"},
                    CTypingCase{"UpStopsAtTheMaximum", 98, {{Qt::Key_Up}, {Qt::Key_Up}}, "99"}), ByCaseName());

// The spin box writes its text anew from its value when the focus leaves:
// what the user typed must still be there for the owner to judge.
TEST(CEditWithSpinTest, TextBeyondTheBoundsSurvivesTheFocusLeaving)
{
    QWidget window;
    auto* edit = new CEditWithSpin(&window);
    auto* other = new CEditWithSpin(&window);
    edit->SetSpinRange(1, 9);
    edit->setValue(5);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QApplication::setActiveWindow(&window);
    for (const char* typed : {"abc77", "2000", ""}) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, typed);
        other->setFocus();
        QCoreApplication::processEvents();
        EXPECT_EQ(edit->Text().toStdString(), typed);
    }
}
}
