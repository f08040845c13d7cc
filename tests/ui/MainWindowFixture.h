#pragma once

#include "BeepCounter.h"
#include "ModalAnswer.h"
#include "QtPrinters.h"
#include "MainWindow.h"

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

// A main window started in the program's asset folder, shown on the offscreen platform.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previousDir_ = QDir::currentPath();
        QDir::setCurrent(startDir());
        form = std::make_unique<MainWindow>(beeps);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    void TearDown() override
    {
        form.reset();
        QDir::setCurrent(previousDir_);
    }
    virtual QString startDir() const { return QStringLiteral(QUORVEL_ASSETS_DIR); }

    template <typename T = QWidget>
    T* control(const char* name) const
    {
        T* w = form->findChild<T*>(name);
        EXPECT_TRUE(w) << name;
        return w;
    }
    QPushButton* button(const char* name) const { return control<QPushButton>(name); }
    QRadioButton* radio(const char* name) const { return control<QRadioButton>(name); }

    // A new game with a known seed, in whatever mode is checked.
    void newGame(std::uint32_t seed)
    {
        form->core().random().setSeed(seed);
        QTest::mouseClick(button("newGameButton"), Qt::LeftButton);
    }
    void chooseInteractive() { QTest::mouseClick(radio("interactiveButton"), Qt::LeftButton); }
    void chooseSimulation() { QTest::mouseClick(radio("simulationButton"), Qt::LeftButton); }
    // Interactive rounds until one leaves a decision pending.
    void diceUntilDecision()
    {
        for (int i = 0; i < 500 && form->core().pendingChoice() == Choice::None; ++i)
            QTest::mouseClick(button("rollButton"), Qt::LeftButton);
        ASSERT_NE(form->core().pendingChoice(), Choice::None);
    }

    BeepCounter beeps;
    std::unique_ptr<MainWindow> form;

private:
    QString previousDir_;
};
