#include "CWindowLocaliser.h"

#include "CResourceModule.h"
#include "CTextFields.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>

namespace {
// Longer digit strings cannot be identifiers and would overflow.
constexpr qsizetype kMaxIdentifierDigits = 9;

bool IsFontOnlyControl(const QWidget& widget)
{
    return qobject_cast<const QAbstractItemView*>(&widget) || qobject_cast<const QComboBox*>(&widget) ||
           qobject_cast<const QLineEdit*>(&widget) || qobject_cast<const QAbstractSpinBox*>(&widget) ||
           qobject_cast<const QTextEdit*>(&widget) || qobject_cast<const QPlainTextEdit*>(&widget) ||
           qobject_cast<const QTabBar*>(&widget);
}

// Localises the text controls and returns whether the widget is a control
// whose inner widgets are its own business.
bool LocaliseControl(QWidget& widget, const QFont& font)
{
    if (auto* label = qobject_cast<QLabel*>(&widget)) {
        label->setText(CWindowLocaliser::CaptionText(label->text()));
    } else if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
        button->setText(CWindowLocaliser::CaptionText(button->text()));
    } else if (auto* group = qobject_cast<QGroupBox*>(&widget)) {
        group->setTitle(CWindowLocaliser::CaptionText(group->title()));
        group->setFont(font);
        return false;
    } else if (qobject_cast<QTabWidget*>(&widget)) {
        widget.setFont(font);
        return false;
    } else if (!IsFontOnlyControl(widget)) {
        return false;
    }
    widget.setFont(font);
    return true;
}

// Layouts nest controls inside containers, where a dialog template keeps
// them side by side, so containers are walked too.
void LocaliseChildren(QWidget& parent, const QFont& font)
{
    for (QWidget* child : parent.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow())
            continue;
        if (!LocaliseControl(*child, font))
            LocaliseChildren(*child, font);
    }
}
}

void CWindowLocaliser::LocaliseWindow(QWidget& window, const QFont& font)
{
    window.setFont(font);
    window.setWindowTitle(CaptionText(window.windowTitle()));
    LocaliseChildren(window, font);
}

QString CWindowLocaliser::CaptionText(const QString& caption)
{
    const std::string text = caption.toStdString();
    if (text.empty() || caption.size() > kMaxIdentifierDigits || !CTextFields::IsDigits(text))
        return {};
    return QString::fromStdString(CResourceModule::LoadString(static_cast<unsigned>(std::stoul(text))));
}
