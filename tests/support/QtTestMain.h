#pragma once

#include "Translations.h"

#include <QApplication>
#include <gtest/gtest.h>

// main() for GoogleTest executables that need a QApplication (offscreen in ctest). The tests
// read the program's texts in German, whatever the machine's language.
#define QUORVEL_QT_TEST_MAIN(ApplicationClass)                                                     \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                        \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        ApplicationClass app(argc, argv);                                                          \
        const Translations german(Language::German);                                              \
        ::testing::InitGoogleTest(&argc, argv);                                                    \
        return RUN_ALL_TESTS();                                                                    \
    }
