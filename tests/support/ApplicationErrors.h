#pragma once

#include "RecordingErrorBox.h"

#include <gtest/gtest.h>

// The error box of a test program's application object (ApplicationTestMain.h): it records every
// error that escapes a handler, and the window fixtures give it to the window too, so that, as in
// the program, one box sees every error. It is emptied before every test.
inline RecordingErrorBox& applicationErrors()
{
    static RecordingErrorBox box;
    return box;
}

class EmptyApplicationErrorsBeforeEachTest final : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { applicationErrors().clear(); }
};
