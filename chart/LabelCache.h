#pragma once

#include <QFont>
#include <QHash>
#include <QStaticText>
#include <QString>

#include <vector>

class QPainter;

// Label texts laid out once and drawn again from their layout: shaping a text costs several
// times as much as drawing its glyphs, and a chart's labels mostly repeat from paint to paint.
// Holds at most a few hundred texts and starts afresh when full.
class LabelCache {
public:
    // The width of text in font, as QFontMetrics::horizontalAdvance() gives it.
    int width(const QFont& font, const QString& text);
    // Draws text in font with painter's pen, its baseline starting at (x, baseline). Where the
    // painter does no more than shift by whole pixels this draws the laid-out text, which puts
    // the same pixels down as QPainter::drawText(); anywhere else it is drawText().
    void draw(QPainter& painter, const QFont& font, int x, int baseline, const QString& text);

private:
    struct Entry {
        QStaticText layout;
        int width = 0;
    };
    struct Font {
        QFont font;
        int ascent = 0;
        QHash<QString, Entry> texts;
    };
    Font& fontOf(const QFont& font);
    Entry& entry(Font& font, const QString& text);

    static constexpr int maxEntries = 512;
    std::vector<Font> fonts_;
};
