#pragma once

#include "ApplicationErrors.h"
#include "BeepCounter.h"
#include "FixedPrinterList.h"
#include "FixedSaveFileChooser.h"
#include "ModalAnswer.h"
#include "QtPrinters.h"
#include "BoardWidget.h"
#include "CellPictures.h"
#include "ChartCommands.h"
#include "ColorDialog.h"
#include "ErrorReporting.h"
#include "GameController.h"
#include "MainWindow.h"
#include "PrintDialog.h"
#include "Printer.h"
#include "SystemRoundTimer.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

// A main window started in the program's asset folder, shown on the offscreen platform, with
// fakes for its collaborators. A test that expects errors reads them from errors and clears it;
// any error left there at the end fails the test.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previousDir_ = QDir::currentPath();
        QDir::setCurrent(startDir());
        printer = std::make_unique<Printer>(printerList());
        form = std::make_unique<MainWindow>(errors, beeps);
        CellPictures pictures;
        callReporting(errors, [&] { loadCellPictures(pictures); });
        form->finishStartUp(pictures);
        roundTimer = std::make_unique<SystemRoundTimer>(errors);
        controller = std::make_unique<GameController>(*form, *roundTimer);
        QObject::connect(roundTimer.get(), &SystemRoundTimer::ticked, form.get(),
                         [this] { callReporting(errors, [this] { controller->onTick(); }); });
        colorDialog = std::make_unique<ColorDialog>(form.get());
        printDialog = std::make_unique<PrintDialog>(*printer, form.get());
        chartCommands = std::make_unique<ChartCommands>(form->populationChart(), *controller, *colorDialog,
                                                        *printDialog, *printer, saveChooser);
        form->connectTo(*controller, *chartCommands, saveChooser);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    void TearDown() override
    {
        chartCommands.reset();
        printDialog.reset();
        colorDialog.reset();
        controller.reset();
        roundTimer.reset();
        form.reset();
        printer.reset();
        QDir::setCurrent(previousDir_);
        for (const auto& box : errors.boxes)
            ADD_FAILURE() << "unexpected error box " << box.title.toStdString() << ": "
                          << box.text.toStdString();
        for (const QString& message : errors.messages)
            ADD_FAILURE() << "unexpected error message: " << message.toStdString();
    }
    virtual QString startDir() const { return QStringLiteral(QUORVEL_ASSETS_DIR); }
    // Where the window's printer looks for printers: printers, a machine without any unless the
    // test adds some.
    virtual const PrinterList& printerList() const { return printers; }

    template <typename T = QWidget>
    T* control(const char* name) const
    {
        T* w = form->findChild<T*>(name);
        EXPECT_TRUE(w) << name;
        return w;
    }
    QPushButton* button(const char* name) const { return control<QPushButton>(name); }
    BoardWidget& board() const { return *control<BoardWidget>("board"); }
    QRadioButton* radio(const char* name) const { return control<QRadioButton>(name); }

    // A new game with a known seed, in whatever mode is checked.
    void newGame(std::uint32_t seed)
    {
        controller->core().random().setSeed(seed);
        QTest::mouseClick(button("newGameButton"), Qt::LeftButton);
    }
    void chooseInteractive() { QTest::mouseClick(radio("interactiveButton"), Qt::LeftButton); }
    void chooseSimulation() { QTest::mouseClick(radio("simulationButton"), Qt::LeftButton); }
    // Interactive rounds until one leaves a decision pending.
    void diceUntilDecision()
    {
        for (int i = 0; i < 500 && controller->core().pendingChoice() == Choice::None; ++i)
            QTest::mouseClick(button("rollButton"), Qt::LeftButton);
        ASSERT_NE(controller->core().pendingChoice(), Choice::None);
    }

    // The application's error box: what escapes a handler and what the window reports itself.
    RecordingErrorBox& errors = applicationErrors();
    BeepCounter beeps;
    FixedPrinterList printers;
    std::unique_ptr<Printer> printer;
    FixedSaveFileChooser saveChooser;
    // Wired as the program's entry wires them.
    std::unique_ptr<MainWindow> form;
    std::unique_ptr<ColorDialog> colorDialog;
    std::unique_ptr<PrintDialog> printDialog;
    std::unique_ptr<ChartCommands> chartCommands;
    std::unique_ptr<SystemRoundTimer> roundTimer;
    std::unique_ptr<GameController> controller;

private:
    QString previousDir_;
};
