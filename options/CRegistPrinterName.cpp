#include "CRegistPrinterName.h"

#include "ResourceIds.h"

CRegistPrinterName::CRegistPrinterName(const CUserConfig& config, QWidget* parent)
    : CRegistNamePage(CNameList(CNameList::Kind::Printer, config),
                      {ResId::kPrintersPageTitle, ResId::kPrinterListLabel, ResId::kPrinterAddButton,
                       ResId::kPrinterChangeButton, ResId::kPrinterDeleteButton},
                      parent)
{
}
