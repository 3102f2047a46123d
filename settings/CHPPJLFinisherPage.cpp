#include "CHPPJLFinisherPage.h"

#include "ui_CHPPJLFinisherPage.h"
#include "ui_CHPPJLFinisherPage174.h"
#include "ui_CHPPJLFinisherPage199.h"

#include "CEditWithSpin.h"
#include "CWindowLocaliser.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QTimer>

#include <algorithm>

namespace {
using Control = CFinisherSettings::Control;
using Page = CFinisherSettings::Page;

constexpr int kControlCount = static_cast<int>(Control::BinNumber) + 1;

// In the order of Control.
const char* const kObjectNames[kControlCount] = {
    "comboFoldProgram", "comboFoldSize", "comboMargin", "comboStacker", "comboStackBin", "comboOutputBin",
    "checkFold", "checkRotate", "checkCornerFold", "checkBaler", "checkProgramOff",
    "editProgramNumber", "editBinNumber",
};

// The ZC page's margin sits with its fold program.
const char* ObjectName(Page page, Control control)
{
    return page == Page::ZC && control == Control::Margin ? "comboProgramMargin"
                                                          : kObjectNames[static_cast<int>(control)];
}

bool IsInput(const QWidget* widget)
{
    return qobject_cast<const QComboBox*>(widget) || qobject_cast<const QAbstractButton*>(widget) ||
           qobject_cast<const QAbstractSpinBox*>(widget);
}
}

// The region's form is created before the page is localised, which
// localises the form's texts with it.
CHPPJLFinisherPage::CHPPJLFinisherPage(CFinisherSettings& settings, const CPlotter& plotter, QWidget* parent)
    : CSettingsPageView(parent)
    , m_settings(settings)
    , m_ui(std::make_unique<Ui::CHPPJLFinisherPage>())
{
    m_ui->setupUi(this);
    m_form = CreateRegionForm();
    m_ui->layoutPage->addWidget(m_form);
    BindControls(*m_form, plotter);
    HideUnused(*m_form);
    CWindowLocaliser::LocaliseWindow(*this, font());
}

CHPPJLFinisherPage::~CHPPJLFinisherPage() = default;

QWidget* CHPPJLFinisherPage::CreateRegionForm()
{
    auto* form = new QWidget(this);
    const Page page = m_settings.GetPage();
    if (page == Page::JP || page == Page::CL)
        Ui::CHPPJLFinisherPage174().setupUi(form);
    else
        Ui::CHPPJLFinisherPage199().setupUi(form);
    return form;
}

void CHPPJLFinisherPage::BindControls(QWidget& form, const CPlotter& plotter)
{
    for (int at = 0; at < kControlCount; ++at) {
        const auto control = static_cast<Control>(at);
        QWidget* widget =
            m_settings.Has(control) ? form.findChild<QWidget*>(ObjectName(m_settings.GetPage(), control)) : nullptr;
        if (!widget)
            continue;
        m_controls.emplace_back(control, widget);
        ConnectControl(control, *widget);
        if (auto* edit = qobject_cast<CEditWithSpin*>(widget))
            SetUpNumber(control, *edit, plotter);
    }
}

// Lists and checks pass on only the user's actions; showing the rules'
// values sets the controls to what the rules hold already.
void CHPPJLFinisherPage::ConnectControl(Control control, QWidget& widget)
{
    if (auto* combo = qobject_cast<QComboBox*>(&widget)) {
        connect(combo, &QComboBox::activated, this, [this, control](int index) {
            m_settings.Select(control, index);
            ShowEnabling();
        });
    } else if (auto* check = qobject_cast<QAbstractButton*>(&widget)) {
        connect(check, &QAbstractButton::clicked, this, [this, control](bool on) {
            m_settings.SetChecked(control, on);
            ShowEnabling();
        });
    } else if (auto* edit = qobject_cast<CEditWithSpin*>(&widget)) {
        connect(edit, &CEditWithSpin::TextChanged, this,
                [this, control](const QString& text) { m_settings.SetText(control, text.toStdString()); });
    }
}

// The spin keeps to the bounds, and the edit takes as many digits as the
// upper bound has.
void CHPPJLFinisherPage::SetUpNumber(Control number, CEditWithSpin& edit, const CPlotter& plotter)
{
    const auto [lower, upper] = CFinisherSettings::GetRange(plotter, number);
    edit.SetSpinRange(lower, upper);
    edit.installEventFilter(this);
}

// A form serves two pages: the controls this page lacks, their labels, and
// groups left without controls are hidden.
void CHPPJLFinisherPage::HideUnused(QWidget& form) const
{
    const auto isBound = [this](const QWidget* widget) {
        return std::any_of(m_controls.begin(), m_controls.end(), [widget](const auto& bound) {
            return bound.second == widget;
        });
    };
    for (QWidget* widget : form.findChildren<QWidget*>())
        if (IsInput(widget) && !isBound(widget))
            widget->hide();
    for (QLabel* label : form.findChildren<QLabel*>())
        if (label->buddy() && label->buddy()->isHidden())
            label->hide();
    for (QGroupBox* group : form.findChildren<QGroupBox*>())
        if (std::none_of(m_controls.begin(), m_controls.end(),
                         [group](const auto& bound) { return group->isAncestorOf(bound.second); }))
            group->hide();
}

void CHPPJLFinisherPage::ShowSettings()
{
    for (const auto& [control, widget] : m_controls) {
        if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            combo->clear();
            for (const std::string& label : m_settings.GetLabels(control))
                combo->addItem(QString::fromStdString(label));
            combo->setCurrentIndex(m_settings.GetSelected(control));
        } else if (auto* check = qobject_cast<QAbstractButton*>(widget)) {
            check->setChecked(m_settings.IsChecked(control));
        } else if (auto* edit = qobject_cast<CEditWithSpin*>(widget)) {
            edit->SetText(QString::fromStdString(m_settings.GetText(control)));
        }
    }
    ShowEnabling();
}

void CHPPJLFinisherPage::ShowEnabling()
{
    for (const auto& [control, widget] : m_controls)
        widget->setEnabled(m_settings.IsEnabled(control));
    for (QLabel* label : m_form->findChildren<QLabel*>())
        if (label->buddy())
            label->setEnabled(label->buddy()->isEnabled());
}

// Leaving the window (for a message box, say) is not leaving the edit.
bool CHPPJLFinisherPage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && !m_refocusing) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const bool leftWindow = reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
        for (const auto& [control, widget] : m_controls)
            if (widget == watched && !leftWindow && !m_settings.CheckNumber(control))
                RefocusNumber(*static_cast<CEditWithSpin*>(widget));
    }
    return CSettingsPageView::eventFilter(watched, event);
}

// Once the focus change under way, which clears the selection, is over.
void CHPPJLFinisherPage::RefocusNumber(CEditWithSpin& edit)
{
    QTimer::singleShot(0, &edit, [this, &edit] {
        m_refocusing = true;
        edit.setFocus();
        edit.selectAll();
        m_refocusing = false;
    });
}
