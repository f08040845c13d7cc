#include "Exception.h"
#include "FixedPrinterList.h"
#include "ColorDialog.h"
#include "DialogSaveFileChooser.h"
#include "PrintDialog.h"
#include "Printer.h"
#include "ModalAnswer.h"
#include "QtPrinters.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QPrinter>
#include <gtest/gtest.h>

#include <functional>

namespace {
void pickInDialog(const QColor& color, bool confirm, QColor* seenAtOpen = nullptr,
                  std::function<void()> whileOpen = {})
{
    whenModalOpens([=](QWidget* w) {
        auto* dialog = qobject_cast<QColorDialog*>(w);
        ASSERT_TRUE(dialog);
        if (seenAtOpen)
            *seenAtOpen = dialog->currentColor();
        if (whileOpen)
            whileOpen();
        dialog->setCurrentColor(color);
        confirm ? dialog->accept() : dialog->reject();
    });
}
}  // namespace

TEST(ColorDialog, OpensWithTheCurrentColourAndKeepsItOnCancel)
{
    ColorDialog dialog(nullptr);
    dialog.setColor(QColor(255, 0, 0));
    QColor seen;
    pickInDialog(Qt::green, false, &seen);
    EXPECT_FALSE(dialog.exec());
    EXPECT_EQ(seen, QColor(255, 0, 0));
    EXPECT_EQ(dialog.color(), QColor(255, 0, 0));

    pickInDialog(Qt::green, true);
    EXPECT_TRUE(dialog.exec());
    EXPECT_EQ(dialog.color(), QColor(Qt::green));
}

TEST(ColorDialog, CustomColoursSurviveConfirmedCallsOnly)
{
    ColorDialog dialog(nullptr);
    // A custom colour defined in a confirmed dialog is offered the next time...
    pickInDialog(Qt::blue, true, nullptr, [] { QColorDialog::setCustomColor(2, QColor(0x12, 0x34, 0x56)); });
    ASSERT_TRUE(dialog.exec());

    QColor atOpen;
    pickInDialog(Qt::blue, false, nullptr, [&] {
        atOpen = QColorDialog::customColor(2);
        // ...but one defined in a cancelled dialog is not.
        QColorDialog::setCustomColor(5, QColor(0xAB, 0xCD, 0xEF));
    });
    EXPECT_FALSE(dialog.exec());
    EXPECT_EQ(atOpen, QColor(0x12, 0x34, 0x56));

    QColor slot5;
    pickInDialog(Qt::blue, false, nullptr, [&] { slot5 = QColorDialog::customColor(5); });
    dialog.exec();
    EXPECT_EQ(slot5, QColor(Qt::white));
}

TEST(ColorDialog, PlacementIsCentredWithAThirdOfTheFreeHeightAbove)
{
    struct Row {
        QRect monitor;
        QSize dialog;
        QPoint expected;
    };
    const Row rows[] = {
        {{0, 0, 1280, 1024}, {500, 400}, {390, 208}},
        {{1280, 0, 1920, 1080}, {521, 399}, {1280 + 699, 227}},
        {{0, 30, 800, 600}, {800, 600}, {0, 30}},
    };
    for (const auto& r : rows)
        EXPECT_EQ(ColorDialog::placement(r.monitor, r.dialog), r.expected);
}

TEST(Printer, NoDefaultPrinterRaisesAndSelectsNothing)
{
    const FixedPrinterList machines[] = {FixedPrinterList("", {"Office"}),
                                         FixedPrinterList("Office", {}),
                                         FixedPrinterList("Office", {"Lab"})};
    for (const FixedPrinterList& machine : machines) {
        Printer printer(machine);
        try {
            printer.printer();
            ADD_FAILURE() << "no error for default " << machine.defaultPrinter.toStdString();
        } catch (const PrinterError& e) {
            EXPECT_EQ(e.message(), "Zur Zeit ist kein Standard-Drucker gewählt");
        }
        EXPECT_FALSE(printer.hasPrinter());
        // The print dialog does not open either.
        PrintDialog dialog(printer, nullptr);
        EXPECT_THROW(dialog.exec(), PrinterError);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
}

TEST(Printer, DefaultIsFoundWithoutRegardToCase)
{
    FixedPrinterList machine("office", {"Lab", "OFFICE"});
    Printer printer(machine);
    EXPECT_NO_THROW(printer.printer());
    EXPECT_TRUE(printer.hasPrinter());
    // Once chosen, the printer stays, whatever the system says later.
    machine.defaultPrinter.clear();
    machine.installed.clear();
    EXPECT_NO_THROW(printer.printer());
}

TEST(SaveFileDialog, OffersTheSuggestionAndReturnsTheChosenNameWithTheChosenTypesExtension)
{
    struct Row {
        const char* name;
        int filter;
        QString typed, expected;
        bool cancel;
    };
    QTemporaryDir folder;
    const QStringList filters{"PNG-Bild (*.png)", "SVG-Grafik (*.svg)"};
    const Row rows[] = {
        {"the suggestion", 0, "", "suggested.png", false},
        {"a name without extension, second type", 1, "drawing", "drawing.svg", false},
        {"cancelled", 0, "", "", true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        QString offered;
        whenModalOpens([&](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            ASSERT_TRUE(dialog);
            offered = dialog->selectedFiles().value(0);
            if (r.cancel) {
                dialog->reject();
                return;
            }
            dialog->selectNameFilter(filters[r.filter]);
            emit dialog->filterSelected(filters[r.filter]);
            if (!r.typed.isEmpty())
                dialog->findChild<QLineEdit*>("fileNameEdit")->setText(r.typed);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        DialogSaveFileChooser chooser(nullptr);
        const auto choice = chooser.choose("Speichern", folder.filePath("suggested.png"), filters);
        EXPECT_EQ(offered.toStdString(), folder.filePath("suggested.png").toStdString());
        EXPECT_EQ(choice.path.toStdString(), (r.expected.isEmpty() ? QString() : folder.filePath(r.expected)).toStdString());
        EXPECT_EQ(choice.filter, r.cancel ? QString() : filters[r.filter]);
    }
}
