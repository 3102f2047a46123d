#include "CWindowLocaliser.h"

#include "ResourceIds.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

namespace {
// Captions that name strings of the shipped resource module, and their texts.
const QString kTitleId = QString::number(ResId::kMainTitle);
constexpr const char* kTitle = "QX-Sendora";
const QString kFileNameId = QString::number(ResId::kFileNameHeader);
constexpr const char* kFileName = "File name";

// A caption names a string by its number alone; anything else, or a number
// that names none, shows nothing.
TEST(CWindowLocaliserTest, ButtonShowsTheStringItsCaptionNames)
{
    const std::pair<QString, const char*> cases[] = {
        {kFileNameId, kFileName}, {"Send", ""}, {"", ""}, {kFileNameId + "a", ""}, {"99999", ""},
        {"123456789012345678901234567890", ""}};
    for (const auto& [caption, shown] : cases) {
        QDialog window;
        auto* button = new QPushButton(caption, &window);
        CWindowLocaliser::LocaliseWindow(window, QFont());
        EXPECT_EQ(button->text().toStdString(), shown) << caption.toStdString();
    }
}

TEST(CWindowLocaliserTest, TextsAndFontsByKindOfWidget)
{
    QDialog window;
    window.setWindowTitle(kTitleId);
    auto* layout = new QVBoxLayout(&window);
    auto* group = new QGroupBox(kTitleId);
    auto* inner = new QVBoxLayout(group);
    auto* label = new QLabel(kFileNameId);
    auto* check = new QCheckBox("not a number");
    inner->addWidget(label);
    inner->addWidget(check);
    auto* combo = new QComboBox;
    combo->addItem(kFileNameId);
    auto* spin = new QSpinBox;
    auto* table = new QTableView;
    auto* progress = new QProgressBar;
    for (QWidget* widget : std::initializer_list<QWidget*>{group, combo, spin, table, progress})
        layout->addWidget(widget);

    QFont font("DejaVu Sans");
    font.setPointSizeF(13.5);
    CWindowLocaliser::LocaliseWindow(window, font);

    EXPECT_EQ(window.windowTitle().toStdString(), kTitle);
    EXPECT_EQ(group->title().toStdString(), kTitle);
    EXPECT_EQ(label->text().toStdString(), kFileName);
    EXPECT_EQ(check->text().toStdString(), "");
    EXPECT_EQ(combo->itemText(0), kFileNameId) << "combo boxes get the font only";
    for (QWidget* widget : std::initializer_list<QWidget*>{&window, group, label, check, combo, spin, table})
        EXPECT_EQ(widget->font().pointSizeF(), 13.5) << widget->metaObject()->className();
}
}
