#include "SystemPrinterList.h"

#include <QPrinterInfo>

QString SystemPrinterList::defaultName() const { return QPrinterInfo::defaultPrinterName(); }

QStringList SystemPrinterList::installedNames() const
{
    return QPrinterInfo::availablePrinterNames();
}
