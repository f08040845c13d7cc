// Program entry: the one place that creates the application and the main window.
#include "ErrorReporting.h"
#include "Application.h"
#include "MainWindow.h"

int main(int argc, char** argv)
{
    Application app(argc, argv);
    try {
        MainWindow form;
        form.show();
        return Application::exec();
    } catch (const std::exception& e) {
        // Only an error while the window itself is being built gets here; errors in handlers
        // are reported by the application and the program goes on.
        showFatalError(e, nullptr);
        return 1;
    }
}
