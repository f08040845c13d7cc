// Program entry: the one place that creates the program's objects and wires them together.
#include "Application.h"
#include "ChartCommands.h"
#include "ColorDialog.h"
#include "DialogErrorBox.h"
#include "ErrorReporting.h"
#include "GameController.h"
#include "MainWindow.h"
#include "PrintDialog.h"
#include "Printer.h"
#include "SystemBeeper.h"
#include "SystemPrinterList.h"

int main(int argc, char** argv)
{
    SystemBeeper beeper;
    DialogErrorBox errorBox(beeper);
    Application app(argc, argv, errorBox);
    try {
        SystemPrinterList printers;
        Printer printer(printers);
        MainWindow window(errorBox, beeper);
        ColorDialog colorDialog(&window);
        PrintDialog printDialog(printer, &window);
        ChartCommands chartCommands(window.populationChart(), colorDialog, printDialog, printer);
        GameController controller(window, errorBox);
        window.connectTo(controller, chartCommands);
        window.show();
        return Application::exec();
    } catch (const std::exception& e) {
        // Only an error while the window itself is being built gets here; errors in handlers
        // are reported by the application and the program goes on.
        showFatalError(errorBox, e, nullptr);
        return 1;
    }
}
