// Program entry: the one place that creates the application, the window and their collaborators.
#include "Application.h"
#include "DialogErrorBox.h"
#include "ErrorReporting.h"
#include "MainWindow.h"
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
        MainWindow form(errorBox, beeper, printer);
        form.show();
        return Application::exec();
    } catch (const std::exception& e) {
        // Only an error while the window itself is being built gets here; errors in handlers
        // are reported by the application and the program goes on.
        showFatalError(errorBox, e, nullptr);
        return 1;
    }
}
