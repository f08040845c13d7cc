// Program entry: the one place that creates the program's objects and wires them together.
#include "Application.h"
#include "ChartCommands.h"
#include "ColorDialog.h"
#include "ErrorReporting.h"
#include "GameController.h"
#include "MainWindow.h"
#include "PrintDialog.h"
#include "Printer.h"

int main(int argc, char** argv)
{
    Application app(argc, argv);
    try {
        MainWindow window;
        ColorDialog colorDialog(&window);
        PrintDialog printDialog(&window);
        ChartCommands chartCommands(window.populationChart(), colorDialog, printDialog, Printer::instance());
        GameController controller(window);
        window.connectTo(controller, chartCommands);
        window.show();
        return Application::exec();
    } catch (const std::exception& e) {
        // Only an error while the window itself is being built gets here; errors in handlers
        // are reported by the application and the program goes on.
        showFatalError(e, nullptr);
        return 1;
    }
}
