#include "RulesWindow.h"

#include <algorithm>
#include <QHash>
#include <QPainter>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

constexpr int tileSize = 41;

// Transparent where the picture has the colour of its bottom-left pixel, as the board shows an
// empty cell over its background.
QImage withoutKeyColor(const QImage& picture)
{
    QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = image.pixel(0, image.height() - 1);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (line[x] == key)
                line[x] = 0;
    }
    return image;
}

// One cell as the board shows it: the tile over the piece of background behind the top-left
// cell (the background is stretched to 297 pixels, the tile sits 10 pixels inside it).
QImage cellPicture(const QImage& background, const QImage& tile, bool transparent)
{
    QImage cell(tileSize, tileSize, QImage::Format_RGB32);
    cell.fill(Qt::white);
    QPainter painter(&cell);
    if (!background.isNull()) {
        const double sx = background.width() / 297.0;
        const double sy = background.height() / 297.0;
        painter.drawImage(QRectF(cell.rect()), background, QRectF(10 * sx, 10 * sy, tileSize * sx, tileSize * sy));
    }
    painter.drawImage(cell.rect(), transparent ? withoutKeyColor(tile) : tile);
    return cell;
}

// A text browser that finds the cell pictures under "cell:" names.
class PictureBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;
    QHash<QString, QImage> pictures;

protected:
    QVariant loadResource(int type, const QUrl& name) override
    {
        if (type == QTextDocument::ImageResource && pictures.contains(name.toString()))
            return pictures.value(name.toString());
        return QTextBrowser::loadResource(type, name);
    }
};

QString paragraph(const QString& text) { return QStringLiteral("<p>%1</p>").arg(text.toHtmlEscaped()); }
QString heading(const QString& text) { return QStringLiteral("<h3>%1</h3>").arg(text.toHtmlEscaped()); }

}  // namespace

RulesWindow::RulesWindow(const CellPictures& pictures, QWidget* parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(tr("Spielregeln"));
    auto* browser = new PictureBrowser(this);
    browser->setObjectName("rulesText");
    browser->setOpenLinks(false);
    browser_ = browser;
    QFont readable = font();
    readable.setPixelSize(13);
    browser->setFont(readable);

    showsPictures_ = !pictures.empty.isNull() && !pictures.prey.isNull() && !pictures.hunter.isNull();
    if (showsPictures_) {
        browser->pictures.insert(QStringLiteral("cell:empty"), cellPicture(pictures.background, pictures.empty, true));
        browser->pictures.insert(QStringLiteral("cell:prey"), cellPicture(pictures.background, pictures.prey, false));
        browser->pictures.insert(QStringLiteral("cell:hunter"), cellPicture(pictures.background, pictures.hunter, false));
    }
    browser->setHtml(html(showsPictures_));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser);
    resize(480, 720);

    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

QString RulesWindow::text() const { return browser_->toPlainText(); }

QRect RulesWindow::placeBeside(const QRect& frame, const QRect& client, const QRect& screen) const
{
    const QSize decoration = frame.size() - client.size();
    const QSize size = this->size().boundedTo(screen.size() - decoration);
    const int right = frame.right() + 8;
    if (right + size.width() + decoration.width() > screen.right() + 1)
        return {QPoint(), size};
    return {QPoint(right, std::clamp(frame.top(), screen.top(), screen.bottom() + 1 - size.height() - decoration.height())),
            size};
}

QString RulesWindow::html(bool withPictures) const
{
    struct Case {
        const char* picture;
        QString text;
    };
    const auto table = [withPictures](const QString& side, std::initializer_list<Case> cases) {
        QString rows;
        for (const Case& c : cases) {
            const QString picture = withPictures
                ? QStringLiteral("<img src=\"cell:%1\" width=\"%2\" height=\"%2\">").arg(QLatin1String(c.picture)).arg(tileSize)
                : QString();
            rows += QStringLiteral("<tr><td>%1</td><td valign=\"middle\">%2</td></tr>").arg(picture, c.text.toHtmlEscaped());
        }
        return QStringLiteral("<p><b>%1</b></p><table cellspacing=\"2\" cellpadding=\"2\">%2</table>")
            .arg(side.toHtmlEscaped(), rows);
    };

    QString html;
    html += heading(tr("Das Spielfeld"));
    html += paragraph(tr("Das Spielfeld hat 6 × 6 Felder. Auf jedem Feld steht eine Beute, ein Räuber oder nichts. "
                         "„Neu“ beginnt ein Spiel mit 15 Tieren auf zufälligen Feldern."));
    html += heading(tr("Eine Runde"));
    html += paragraph(tr("Räuber und Beute sind abwechselnd am Zug, die Räuber zuerst. In jeder Runde wählt der Würfel "
                         "ein Feld (blau umrandet). Was dann geschieht, hängt davon ab, wer am Zug ist und was auf dem "
                         "Feld steht:"));
    html += table(tr("Die Beute ist am Zug"),
                  {{"empty", tr("Eine Beute wird geboren.")},
                   {"prey", tr("Die Beute vermehrt sich: Ihr Junges kommt auf ein freies Nachbarfeld (eines der acht "
                               "Felder rund um sie). Ist keins frei, geschieht nichts.")},
                   {"hunter", tr("Nichts geschieht.")}});
    html += table(tr("Die Räuber sind am Zug"),
                  {{"prey", tr("Die Beute wird gefressen: Auf ihrem Feld steht jetzt ein Räuber. So vermehren sich die "
                               "Räuber, auch wenn keiner mehr übrig war.")},
                   {"hunter", tr("Dieser Räuber stirbt.")},
                   {"empty", tr("Ein Räuber verhungert, irgendwo auf dem Spielfeld, nicht unbedingt in der Nähe. Gibt es "
                                "keinen Räuber mehr, geschieht nichts.")}});
    html += heading(tr("Simulation und Interaktiv"));
    html += paragraph(tr("In „Simulation“ spielt das Programm die Runden selbst, so schnell, wie der Regler es sagt: "
                         "„Start“ spielt bis „Stop“, der kleine Knopf ∨ daneben eine eingegebene Zahl von Runden. "
                         "Dabei entscheidet das Programm: Das Junge kommt auf das erste freie Nachbarfeld, und es "
                         "verhungert der erste Räuber des Spielfelds, gesucht Spalte für Spalte von links, in jeder "
                         "Spalte von oben."));
    html += paragraph(tr("In „Interaktiv“ spielt „Würfeln“ eine Runde, und zwei Entscheidungen trifft man selbst: Bei "
                         "„Beute plazieren“ das freie Nachbarfeld anklicken, auf das das Junge kommt; bei „Räuber "
                         "stirbt“ den Räuber anklicken, der verhungert."));
    html += heading(tr("Insektizid"));
    html += paragraph(tr("„Insektizid“ besprüht zu Beginn jeder der nächsten Runden sechs zufällige Felder, so viele "
                         "Runden lang, wie das Feld daneben angibt. Was dort steht, Räuber oder Beute, stirbt; die "
                         "besprühten Felder sind grün umrandet."));
    html += heading(tr("Das Diagramm"));
    html += paragraph(tr("„Diagramm >>“ öffnet das Diagramm: für jeden Durchgang die Zahl der Räuber (rot, linke "
                         "Achse) und der Beute (blau, rechte Achse), gezählt zu Beginn der Runde, vor ihrem Zug. Es "
                         "zeichnet nur, solange es offen ist. Mit einem Rechtsklick lassen sich seine Farben ändern "
                         "und die Daten löschen, kopieren oder speichern."));
    html += heading(tr("Spielnummer"));
    html += paragraph(tr("Jedes Spiel hat eine Nummer. „Nochmal“ spielt es noch einmal von vorn, „Nr. …“ beginnt ein "
                         "Spiel nach seiner Nummer."));
    html += heading(tr("Versuchsreihe"));
    html += paragraph(tr("Ein einzelnes Spiel ist Zufall. „Versuchsreihe …“ spielt viele Spiele auf einmal, ohne sie zu "
                         "zeigen, jedes zweimal vom selben Anfang an: A ohne Insektizid, B mit Insektizid nach einem Plan "
                         "(ab einer Runde, so viele Runden lang, auf Wunsch immer wieder). Die Diagramme zeigen nach jeder "
                         "Runde die mittlere Zahl der Räuber (rot) und der Beute (blau); das helle Band reicht vom 10. bis "
                         "zum 90. Perzentil, in ihm liegen die mittleren 80 % der Spiele. Darunter steht, in wie vielen "
                         "Spielen eine Seite gerade ausgestorben ist und in wie vielen sie es schon einmal war, denn Räuber "
                         "können zurückkommen. Die Tabelle nennt, in welcher Runde eine Seite im Mittel zum ersten Mal "
                         "ausstirbt und wie oft sie am Ende fehlt, mit dem Bereich, in dem dieser Anteil mit 95 % "
                         "Sicherheit liegt."));
    return html;
}
