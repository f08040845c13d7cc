#include "QtTestMain.h"
#include "TApplication.h"

#include <QFont>

// The program's application object and font, so the window prints as the program does.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication app(argc, argv);
    QFont font("Liberation Sans");
    font.setPixelSize(11);
    TApplication::setFont(font);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
