// The window speaks one language at a time: every text it shows, in every state, in its dialogs
// and its rules, comes from the catalog in the language of the run, and in English nothing
// German is left.
#include "Catalog.h"
#include "ChartExport.h"
#include "ChartView.h"
#include "LineSeries.h"
#include "MainWindowFixture.h"
#include "MessageDialog.h"
#include "RulesWindow.h"
#include "SeriesWindow.h"
#include "StatusBar.h"
#include "Translations.h"

#include <QAbstractButton>
#include <QAction>
#include <QMenu>
#include <QSet>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <optional>

namespace {

QStringList shownTexts(const QWidget& root)
{
    QStringList texts;
    const auto add = [&texts](const QString& text) {
        if (!text.isEmpty())
            texts << text;
    };
    QList<const QWidget*> widgets = root.findChildren<const QWidget*>();
    widgets.prepend(&root);
    for (const QWidget* w : widgets) {
        if (w->isWindow())
            add(w->windowTitle());
        add(w->toolTip());
        add(w->accessibleName());
        if (const auto* b = qobject_cast<const QAbstractButton*>(w))
            add(b->text());
        if (const auto* l = qobject_cast<const QLabel*>(w))
            add(l->text());
        if (const auto* e = qobject_cast<const QLineEdit*>(w)) {
            add(e->text());
            add(e->placeholderText());
        }
        if (const auto* g = qobject_cast<const QGroupBox*>(w))
            add(g->title());
        if (const auto* m = qobject_cast<const QMenu*>(w))
            add(m->title());
        if (const auto* bar = dynamic_cast<const StatusBar*>(w))
            for (int i = 0; i < bar->panelCount(); ++i)
                add(bar->panelText(i));
        if (const auto* table = qobject_cast<const QTableWidget*>(w)) {
            for (int i = 0; i < table->columnCount(); ++i)
                add(table->horizontalHeaderItem(i)->text());
            for (int i = 0; i < table->rowCount(); ++i)
                add(table->verticalHeaderItem(i)->text());
        }
        if (const auto* chart = dynamic_cast<const ChartView*>(w)) {
            const ChartModel& model = chart->model();
            add(chart->printTitle());
            for (const ChartAxis* axis : {&model.leftAxis(), &model.rightAxis(), &model.bottomAxis()})
                add(axis->title.caption);
            for (int i = 0; i < model.seriesCount(); ++i)
                add(model.series(i).title);
        }
    }
    for (const QAction* a : root.findChildren<const QAction*>())
        add(a->text());
    return texts;
}

class WindowLanguage : public MainWindowTest, public testing::WithParamInterface<Language> {
protected:
    void SetUp() override
    {
        translations_.emplace(GetParam());
        for (const CatalogMessage& m : readCatalog(QStringLiteral(QUORVEL_CATALOG))) {
            const QString own = english() ? m.translation : m.source;
            own_ << own;
            // A text with values in it: any value in their place.
            if (own.contains(QRegularExpression(QStringLiteral("%[1-9]"))))
                ownPatterns_ << QRegularExpression(QRegularExpression::anchoredPattern(
                    QRegularExpression::escape(own).replace(QRegularExpression(QStringLiteral("\\\\%[1-9]")), QStringLiteral(".+"))));
            if (m.translation != m.source)
                germanOnly_ << m.source;
        }
        ASSERT_FALSE(own_.isEmpty());
        MainWindowTest::SetUp();
    }
    void TearDown() override
    {
        MainWindowTest::TearDown();
        translations_.reset();
    }
    bool english() const { return GetParam() == Language::English; }

    // Every text comes from the catalog in this run's language; numbers, the program's name and
    // the chevron of the rounds button are no words.
    void expectOwnLanguage(const QStringList& texts, const char* where)
    {
        static const QRegularExpression number(QStringLiteral("^[0-9]+$"));
        for (const QString& text : texts) {
            if (text.contains(number) || text == u"Quorvel" || text == QString(QChar(0x2228)))
                continue;
            const bool filledIn = std::any_of(ownPatterns_.begin(), ownPatterns_.end(),
                                              [&text](const QRegularExpression& p) { return p.match(text).hasMatch(); });
            EXPECT_TRUE(own_.contains(text) || filledIn) << where << ": \"" << text.toStdString() << "\" bypasses the catalog";
            if (english()) {
                EXPECT_FALSE(germanOnly_.contains(text)) << where << ": \"" << text.toStdString() << "\" is German";
            }
        }
    }

    std::optional<Translations> translations_;
    QSet<QString> own_;
    QList<QRegularExpression> ownPatterns_;
    QSet<QString> germanOnly_;
};

TEST_P(WindowLanguage, EveryStateOfTheWindowShowsOnlyItsLanguage)
{
    expectOwnLanguage(shownTexts(*form), "at start");
    newGame(1);
    QTest::mouseClick(button("chartButton"), Qt::LeftButton);
    QTest::mouseClick(button("startStopButton"), Qt::LeftButton);
    controller->onTick();
    expectOwnLanguage(shownTexts(*form), "running with the chart open");
    QTest::mouseClick(button("startStopButton"), Qt::LeftButton);
    chooseInteractive();
    diceUntilDecision();
    expectOwnLanguage(shownTexts(*form), "waiting for a decision");
    EXPECT_FALSE(control<QLineEdit>("instructionLine")->text().isEmpty());
}

TEST_P(WindowLanguage, DialogsAndMessagesSpeakItToo)
{
    newGame(1);
    QStringList prompt;
    whenModalOpens([&prompt](QWidget* modal) {
        prompt = shownTexts(*modal);
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    QTest::mouseClick(button("runRoundsButton"), Qt::LeftButton);
    EXPECT_EQ(prompt.size(), 4) << prompt.join(u'|').toStdString();  // title, question, two buttons
    expectOwnLanguage(prompt, "round-count prompt");
    expectOwnLanguage(QStringList(errors.messages.begin(), errors.messages.end()), "refusal");
    EXPECT_EQ(errors.messages.size(), 1u);
    errors.messages.clear();

    QStringList message;
    whenModalOpens([&message](QWidget* modal) {
        message = shownTexts(*modal);
        QTest::keyClick(modal, Qt::Key_Return);
    });
    BeepCounter beeper;
    showMessageDialog(beeper, QCoreApplication::translate("MainWindow", "Die Eingabe war keine gültige Zahl!"));
    expectOwnLanguage(message, "message dialog");
}

TEST_P(WindowLanguage, TheRulesAreWhollyInItWithTheBoardsPictures)
{
    QTest::keyClick(form.get(), Qt::Key_F1);
    RulesWindow* rules = form->rulesWindow();
    ASSERT_TRUE(rules);
    expectOwnLanguage(shownTexts(*rules), "rules window");
    EXPECT_TRUE(rules->showsPictures());
    const QString text = rules->text();
    for (const CatalogMessage& m : readCatalog(QStringLiteral(QUORVEL_CATALOG))) {
        if (m.context == u"RulesWindow" && m.source != u"Spielregeln") {
            EXPECT_TRUE(text.contains(english() ? m.translation : m.source)) << m.source.toStdString();
        }
    }
    if (english()) {
        EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("[äöüÄÖÜß„]"))));
    }
}

TEST_P(WindowLanguage, SavedDataReadsAsItsSpreadsheetsExpect)
{
    newGame(1);
    QTest::mouseClick(button("chartButton"), Qt::LeftButton);
    for (int i = 0; i < 3; ++i)
        controller->onTick();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("data.csv"));
    writeChartData(*controller, path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray data = file.readAll();
    EXPECT_TRUE(data.startsWith("\xEF\xBB\xBF"));
    const QStringList lines = QString::fromUtf8(data).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 5);  // the header, three points and the counts of now
    const QString header = english() ? QStringLiteral("Round,Hunters,Prey") : QStringLiteral("Durchgang;Räuber;Beute");
    EXPECT_EQ(lines[0], header);
    const QRegularExpression row(english() ? QStringLiteral("^\\d+,\\d+,\\d+$") : QStringLiteral("^\\d+;\\d+;\\d+$"));
    for (int i = 1; i < lines.size(); ++i)
        EXPECT_TRUE(lines[i].contains(row)) << lines[i].toStdString();
}

TEST_P(WindowLanguage, TheSeriesWindowSpeaksItAndSavesForItsSpreadsheets)
{
    QTest::mouseClick(button("seriesButton"), Qt::LeftButton);
    SeriesWindow* series = form->seriesWindow();
    ASSERT_TRUE(series);
    expectOwnLanguage(shownTexts(*series), "series window before a series");
    series->findChild<QLineEdit*>("gamesEdit")->setText("8");
    series->findChild<QLineEdit*>("roundsEdit")->setText("30");
    series->findChild<QLineEdit*>("sprayStartEdit")->setText("10");
    QSignalSpy ended(series, &SeriesWindow::runEnded);
    series->start();
    ASSERT_TRUE(ended.wait(60000));
    expectOwnLanguage(shownTexts(*series), "series window with a result");

    QTemporaryDir dir;
    saveChooser.answer = {dir.filePath(QStringLiteral("series.csv")), {}};
    series->saveData();
    QFile file(saveChooser.answer.path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll().mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 32);
    EXPECT_TRUE(lines[0].startsWith(english() ? QStringLiteral("Round,A Hunters mean,A Hunters p10,A Hunters p90,A Hunters extinct %,")
                                              : QStringLiteral("Durchgang;A Räuber Mittel;A Räuber P10;A Räuber P90;A Räuber ausgestorben %;")))
        << lines[0].toStdString();
    // Each side of each condition: mean with two decimals, p10, p90, and two shares with one.
    const QRegularExpression row(english() ? QStringLiteral("^\\d+(,\\d+\\.\\d\\d,\\d+,\\d+,\\d+\\.\\d,\\d+\\.\\d){4}$")
                                           : QStringLiteral("^\\d+(;\\d+,\\d\\d;\\d+;\\d+;\\d+,\\d;\\d+,\\d){4}$"));
    for (int i = 1; i < lines.size(); ++i)
        EXPECT_TRUE(lines[i].contains(row)) << lines[i].toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, WindowLanguage, testing::Values(Language::German, Language::English),
                         [](const auto& info) { return info.param == Language::German ? "German" : "English"; });

}  // namespace
