// Program entry: the one place that creates the program's objects and wires them together.
#include "AccessibleWidgets.h"
#include "Application.h"
#include "CellPictures.h"
#include "ChartCommands.h"
#include "ColorDialog.h"
#include "DialogErrorBox.h"
#include "DialogSaveFileChooser.h"
#include "ErrorReporting.h"
#include "GameController.h"
#include "MainWindow.h"
#include "PrintDialog.h"
#include "Printer.h"
#include "SystemBeeper.h"
#include "SystemPrinterList.h"
#include "SystemRoundTimer.h"
#include "Translations.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    // The program's one option of its own, answered before any display is opened.
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("quorvel %s\n", QUORVEL_VERSION);
            if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
                std::fprintf(stderr, "quorvel: cannot write to standard output\n");
                return 1;
            }
            return 0;
        }
    installAccessibleWidgets();
    SystemBeeper beeper;
    DialogErrorBox errorBox(beeper);
    Application app(argc, argv);
    // German, or English where the system speaks another language; QUORVEL_LANGUAGE forces one.
    const Translations translations(systemLanguage());
    try {
        SystemPrinterList printers;
        Printer printer(printers);
        MainWindow window(errorBox, beeper);
        // The pictures are read once, here; one that cannot be read is reported and the window
        // opens without a board.
        CellPictures pictures;
        callReporting(errorBox, [&] { loadCellPictures(pictures); });
        window.finishStartUp(pictures);
        SystemRoundTimer roundTimer(errorBox);
        GameController controller(window, roundTimer);
        QObject::connect(&roundTimer, &SystemRoundTimer::ticked, &window,
                         [&] { callReporting(errorBox, [&] { controller.onTick(); }); });
        ColorDialog colorDialog(&window);
        PrintDialog printDialog(printer, &window);
        DialogSaveFileChooser saveChooser(&window);
        ChartCommands chartCommands(window.populationChart(), controller, colorDialog, printDialog, printer,
                                    saveChooser);
        window.connectTo(controller, chartCommands, saveChooser);
        window.show();
        return Application::exec();
    } catch (const std::exception& e) {
        // Only an error while the window itself is being built gets here; errors in handlers
        // are reported by the application and the program goes on.
        showFatalError(errorBox, e, nullptr);
        return 1;
    }
}
