#pragma once

#include <QString>
#include <QWidget>

#include <vector>

// The window's status bar: a row of fixed-width text panels; the last one stretches to the
// right edge. Each panel has its own bevel and text alignment; a panel with a name is a field
// that assistive technology reads by that name.
class StatusBar : public QWidget {
    Q_OBJECT
public:
    enum class Bevel { None, Lowered, Raised };
    struct Panel {
        QString text;
        int width = 50;
        Bevel bevel = Bevel::Lowered;
        Qt::Alignment alignment = Qt::AlignLeft;
        QString name;
    };

    explicit StatusBar(QWidget* parent);

    void addPanel(const Panel& panel);
    int panelCount() const { return static_cast<int>(panels_.size()); }
    const Panel& panel(int index) const { return panels_.at(index); }
    QString panelText(int index) const { return panels_.at(index).text; }
    // Repaints only that panel, and only when the text really changes.
    void setPanelText(int index, const QString& text);
    // The panel's rectangle in widget coordinates, the last one reaching the right edge.
    QRect panelRect(int index) const;

    // The panels with a name are the bar's fields, counted from the left.
    int fieldCount() const;
    // The field a panel is, -1 for a panel without a name; the panel a field is, -1 for none.
    int fieldOf(int panel) const;
    int panelOfField(int field) const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    std::vector<Panel> panels_;
};
