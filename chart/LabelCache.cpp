#include "LabelCache.h"

#include <QFontMetrics>
#include <QPainter>

#include <cmath>

LabelCache::Font& LabelCache::fontOf(const QFont& font)
{
    for (Font& f : fonts_)
        if (f.font == font)
            return f;
    if (fonts_.size() >= 8)
        fonts_.clear();
    fonts_.push_back(Font{font, QFontMetrics(font).ascent(), {}});
    return fonts_.back();
}

LabelCache::Entry& LabelCache::entry(Font& font, const QString& text)
{
    auto it = font.texts.find(text);
    if (it != font.texts.end())
        return *it;
    if (font.texts.size() >= maxEntries)
        font.texts.clear();
    Entry fresh;
    fresh.width = QFontMetrics(font.font).horizontalAdvance(text);
    fresh.layout.setText(text);
    fresh.layout.setTextFormat(Qt::PlainText);
    fresh.layout.setPerformanceHint(QStaticText::AggressiveCaching);
    fresh.layout.prepare(QTransform(), font.font);
    return *font.texts.insert(text, fresh);
}

int LabelCache::width(const QFont& font, const QString& text)
{
    return entry(fontOf(font), text).width;
}

void LabelCache::draw(QPainter& painter, const QFont& font, int x, int baseline, const QString& text)
{
    const QTransform t = painter.worldTransform();
    const bool shiftOnly = t.type() <= QTransform::TxTranslate && t.dx() == std::round(t.dx()) &&
                           t.dy() == std::round(t.dy());
    painter.setFont(font);
    if (!shiftOnly) {
        painter.drawText(x, baseline, text);
        return;
    }
    Font& f = fontOf(font);
    painter.drawStaticText(x, baseline - f.ascent, entry(f, text).layout);
}
