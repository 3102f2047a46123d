#include "CInputExtension.h"

#include "CMessageRecorder.h"
#include "CMessageService.h"
#include "CResourceModule.h"
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

TEST_F(CInputExtensionTest, TitleNamesTheAction)
{
    const std::string adding = CResourceModule::LoadString(ResId::kAddingWord);
    EXPECT_EQ(m_dialog.windowTitle().toStdString(), CMessageService::Format(ResId::kExtensionInputTitle, adding));
}

// The typed dot never reaches the edit; a pasted one does, and OK refuses
// it, staying open with the whole text selected for correction.
TEST_F(CInputExtensionTest, TypedDotIgnoredPastedDotRefusedOnOk)
{
    m_dialog.show();
    QTest::keyClicks(&Edit(), "p.lt");
    EXPECT_EQ(Edit().text(), "plt");
    Edit().clear();
    QApplication::clipboard()->setText("p.lt");
    Edit().paste();
    ASSERT_EQ(Edit().text(), "p.lt");
    m_dialog.findChild<QPushButton*>("buttonOk")->click();
    EXPECT_EQ(m_messages.Ids(), (std::vector<unsigned>{ResId::kBadExtensionMessage}));
    EXPECT_TRUE(m_dialog.isVisible());
    EXPECT_EQ(Edit().selectedText(), "p.lt");
}

TEST_F(CInputExtensionTest, OwnerNameKeepsATypedDot)
{
    CInputExtension owner(CRegistInput::kOwner, false, "ann");
    owner.show();
    auto& edit = *owner.findChild<QLineEdit*>("editText");
    EXPECT_EQ(edit.selectedText(), "ann");
    QTest::keyClicks(&edit, "a.b");
    owner.findChild<QPushButton*>("buttonOk")->click();
    EXPECT_TRUE(m_messages.Ids().empty());
    EXPECT_EQ(owner.result(), QDialog::Accepted);
    EXPECT_EQ(owner.GetText(), "a.b");
}
}
