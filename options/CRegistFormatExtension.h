#pragma once

#include "CFormatExtensionList.h"
#include "COptionsPage.h"

#include <memory>

namespace Ui {
class CRegistFormatExtension;
}

// The file extensions of each data format: the format is chosen in the
// drop-down, its extensions are listed below it.
class CRegistFormatExtension : public COptionsPage {
    Q_OBJECT

public:
    explicit CRegistFormatExtension(QWidget* parent = nullptr);
    ~CRegistFormatExtension() override;

private:
    void OnFormatChosen(const QString& format);

    CFormatExtensionList m_list;
    std::unique_ptr<Ui::CRegistFormatExtension> m_ui;
};
