#pragma once

#include <QColor>

// Colours by name, as the chart's defaults and the charts built on it use them.
namespace chartcolor {

inline const QColor black{0x00, 0x00, 0x00};
inline const QColor white{0xFF, 0xFF, 0xFF};
inline const QColor red{0xFF, 0x00, 0x00};
inline const QColor blue{0x00, 0x00, 0xFF};
inline const QColor green{0x00, 0xFF, 0x00};
inline const QColor silver{0xC0, 0xC0, 0xC0};
inline const QColor gray{0x80, 0x80, 0x80};

}  // namespace chartcolor
