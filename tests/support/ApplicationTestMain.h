#pragma once

#include "Application.h"
#include "ApplicationErrors.h"
#include "Translations.h"

#include <gtest/gtest.h>

// main() for GoogleTest programs that need the program's application object (offscreen in ctest),
// with applicationErrors() emptied before each test, with the program's texts in German whatever the machine's
// language. GoogleTest owns the listeners appended to its list.
#define QUORVEL_APPLICATION_TEST_MAIN(...)                                                            \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                        \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        Application app(argc, argv);                                                               \
        const Translations german(Language::German);                                              \
        __VA_ARGS__;                                                                               \
        ::testing::InitGoogleTest(&argc, argv);                                                    \
        ::testing::UnitTest::GetInstance()->listeners().Append(                                    \
            new EmptyApplicationErrorsBeforeEachTest);                                             \
        return RUN_ALL_TESTS();                                                                    \
    }
