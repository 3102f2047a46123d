#include "CInputExtension.h"

#include "CMessageRecorder.h"
#include "CMessageService.h"
#include "ResourceIds.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {
class CInputExtensionTest : public testing::Test {
protected:
    QLineEdit& Edit() { return *m_dialog.findChild<QLineEdit*>("editText"); }

    CMessageRecorder m_messages;
    CInputExtension m_dialog{CRegistInput::kExtension, true, {}};
};

// A pasted dot reaches the edit, and OK refuses it, staying open with the
// whole text selected for correction.
TEST_F(CInputExtensionTest, PastedDotRefusedOnOk)
{
    m_dialog.show();
    QApplication::clipboard()->setText("p.lt");
    Edit().paste();
    ASSERT_EQ(Edit().text(), "p.lt");
    m_dialog.findChild<QPushButton*>("buttonOk")->click();
    EXPECT_EQ(m_messages.Ids(), (std::vector<unsigned>{ResId::kBadExtensionMessage}));
    EXPECT_TRUE(m_dialog.isVisible());
    EXPECT_EQ(Edit().selectedText(), "p.lt");
}

// What OK would refuse never reaches the edit when typed; an owner name
// keeps its dot.
TEST(CInputExtensionTypingTest, TypedCharactersThatOkWouldRefuseAreIgnored)
{
    const struct {
        const CRegistInput::Use* use;
        const char* typed;
        const char* text;
    } cases[] = {{&CRegistInput::kExtension, "p.l[t];=", "plt"},
                 {&CRegistInput::kOwner, "Ann. \"Lee\"=[x];", "Ann. Leex"},
                 {&CRegistInput::kPrinter, "my printer\t=1", "myprinter1"}};
    for (const auto& c : cases) {
        CInputExtension dialog(*c.use, true, {});
        dialog.show();
        auto& edit = *dialog.findChild<QLineEdit*>("editText");
        QTest::keyClicks(&edit, c.typed);
        EXPECT_EQ(edit.text().toStdString(), c.text) << c.typed;
    }
}

// The text given opens selected; the list's refusal keeps the dialog open
// with the text, named in the message.
TEST_F(CInputExtensionTest, RefusalByTheListKeepsTheDialogOpenWithTheText)
{
    std::vector<std::string> stored;
    CInputExtension dialog(CRegistInput::kExtension, true, "hpg", [&stored](const std::string& text) {
        stored.push_back(text);
        return stored.size() == 1 ? CRegistInput::Refusal{ResId::kExtensionOfFormatMessage, "HPGL"}
                                  : CRegistInput::Refusal{};
    });
    dialog.show();
    auto& edit = *dialog.findChild<QLineEdit*>("editText");
    EXPECT_EQ(edit.selectedText(), "hpg");
    QTest::keyClicks(&edit, "plt");
    dialog.findChild<QPushButton*>("buttonOk")->click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(edit.selectedText(), "plt");
    ASSERT_EQ(m_messages.Messages().size(), 1u);
    EXPECT_EQ(m_messages.Messages()[0].text, CMessageService::Format(ResId::kExtensionOfFormatMessage, "HPGL"));
    QTest::keyClicks(&edit, "hgl");
    dialog.findChild<QPushButton*>("buttonOk")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(stored, (std::vector<std::string>{"plt", "hgl"}));
}
}
