#include "StatusBar.h"

#include "AccessibleParts.h"

#include <QPainter>
#include <QPaintEvent>

#include <algorithm>

StatusBar::StatusBar(QWidget* parent) : QWidget(parent) {}

int StatusBar::fieldCount() const
{
    return int(std::count_if(panels_.begin(), panels_.end(), [](const Panel& p) { return !p.name.isEmpty(); }));
}

int StatusBar::fieldOf(int panel) const
{
    if (panels_.at(panel).name.isEmpty())
        return -1;
    return int(std::count_if(panels_.begin(), panels_.begin() + panel, [](const Panel& p) { return !p.name.isEmpty(); }));
}

int StatusBar::panelOfField(int field) const
{
    for (int i = 0; i < panelCount(); ++i)
        if (!panels_[i].name.isEmpty() && field-- == 0)
            return i;
    return -1;
}

void StatusBar::addPanel(const Panel& panel)
{
    panels_.push_back(panel);
    update();
}

void StatusBar::setPanelText(int index, const QString& text)
{
    Panel& p = panels_.at(index);
    if (p.text == text)
        return;
    p.text = text;
    update(panelRect(index));
    if (const int field = fieldOf(index); field >= 0)
        AccessibleParts::notifyChanged(this, field, QAccessible::ValueChanged);
}

QRect StatusBar::panelRect(int index) const
{
    // Panels are separated by two pixels, as status bars usually are; the bar keeps two
    // pixels free at the top.
    int x = 0;
    for (int i = 0; i < index; ++i)
        x += panels_[i].width + 2;
    const bool last = index == panelCount() - 1;
    const int w = last ? std::max(0, width() - x) : panels_[index].width;
    return QRect(x, 2, w, height() - 2);
}

void StatusBar::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    const QPalette pal = palette();
    p.fillRect(event->rect(), pal.color(QPalette::Button));
    for (int i = 0; i < panelCount(); ++i) {
        const QRect r = panelRect(i);
        if (!r.intersects(event->rect()))
            continue;
        const Panel& panel = panels_[i];
        if (panel.bevel != Bevel::None && r.width() > 1) {
            const QColor dark = pal.color(QPalette::Dark);
            const QColor light = pal.color(QPalette::Light);
            const QColor topLeft = panel.bevel == Bevel::Lowered ? dark : light;
            const QColor bottomRight = panel.bevel == Bevel::Lowered ? light : dark;
            p.setPen(topLeft);
            p.drawLine(r.left(), r.top(), r.right() - 1, r.top());
            p.drawLine(r.left(), r.top(), r.left(), r.bottom() - 1);
            p.setPen(bottomRight);
            p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
            p.drawLine(r.right(), r.top(), r.right(), r.bottom());
        }
        p.setPen(pal.color(QPalette::WindowText));
        p.drawText(r.adjusted(2, 0, -2, 0), int(panel.alignment | Qt::AlignVCenter), panel.text);
    }
}
