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

TEST_P(CEditWithSpinTypingTest, DigitsUpToTheMaximumAndArrowsWithinTheSpinRange)
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
    testing::Values(CTypingCase{"LetterIgnored", 5, {{Qt::Key_End}, {Qt::Key_A}}, "5"},
                    CTypingCase{"LetterOverTheSelectionIgnored", 5, {kSelectAll, {Qt::Key_A}}, "5"},
                    CTypingCase{"DigitAppended", 5, {{Qt::Key_End}, {Qt::Key_7}}, "57"},
                    CTypingCase{"ThirdDigitRefused", 57, {{Qt::Key_End}, {Qt::Key_1}}, "57"},
                    CTypingCase{"MaximumTyped", 5, {kSelectAll, {Qt::Key_9}, {Qt::Key_9}}, "99"},
                    CTypingCase{"ZeroTyped", 5, {{Qt::Key_End}, {Qt::Key_Backspace}, {Qt::Key_0}}, "0"},
                    CTypingCase{"Emptied", 5, {{Qt::Key_End}, {Qt::Key_Backspace}}, ""},
                    CTypingCase{"DeleteAfterHome", 57, {{Qt::Key_Home}, kDelete}, "7"},
                    CTypingCase{"SelectAllAndCut", 57, {kSelectAll, kCut}, ""},
                    CTypingCase{"PasteKeepsItsDigits", 5, {kSelectAll, kPaste}, "12", "a1 b2"},
                    CTypingCase{"PasteTooLongRefused", 5, {kSelectAll, kPaste}, "5", "123"},
                    CTypingCase{"DownStopsAtTheLowerBound", 2, {{Qt::Key_Down}, {Qt::Key_Down}}, "1"},
                    CTypingCase{"UpStopsAtTheMaximum", 98, {{Qt::Key_Up}, {Qt::Key_Up}}, "99"}), ByCaseName());
}
