// Program entry: the one place that creates the application and the main window.
#include "ErrorReporting.h"
#include "TApplication.h"
#include "TForm1.h"

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
    TApplication app(argc, argv);
    try {
        TForm1 form;
        form.show();
        return TApplication::exec();
    } catch (const std::exception& e) {
        // Only an error while the window itself is being built gets here; errors in handlers
        // are reported by the application and the program goes on.
        ShowFatalError(e, nullptr);
        return 1;
    }
}
