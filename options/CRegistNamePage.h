#pragma once

#include "CNameList.h"
#include "COptionsPage.h"

#include <memory>

namespace Ui {
class CRegistNamePage;
}

// The owner names or the printer names, one per line.
class CRegistNamePage : public COptionsPage {
    Q_OBJECT

public:
    // String identifiers of the page's texts.
    struct Captions {
        unsigned title;
        unsigned listLabel;
        unsigned add;
        unsigned change;
        unsigned remove;
    };

    CRegistNamePage(CNameList list, const Captions& captions, QWidget* parent = nullptr);
    ~CRegistNamePage() override;

private:
    CNameList m_list;
    std::unique_ptr<Ui::CRegistNamePage> m_ui;
};
