// Starts Tallix on Qt: the application and the main window, which opens
// the About window itself; returns when the main window is closed. Reads no arguments and
// saves nothing. Without a display it says so in one line and ends with
// status 1.
#include "qt/MainWindow.h"
#include "qt/Platform.h"
#include "XDisplay.h"
#include "version.h"

#include <QApplication>
#include <QIcon>

#include <iostream>

int main(int argc, char* argv[])
{
    tallix::preferX();
    if (const auto message = tallix::missingDisplayMessage()) {
        std::cerr << *message << '\n';
        return 1;
    }
    // Tallix takes no options, and Qt would take its own from the arguments
    // (-reverse mirrors the window, -style redraws every button), so Qt sees
    // the program's name alone.
    char fallbackName[] = "tallix";
    char* programName[] = {argc > 0 ? argv[0] : fallbackName, nullptr};
    int programArgc = 1;
    tallix::Application app(programArgc, programName);
    QApplication::setApplicationName(QStringLiteral("TALLIX"));
    QApplication::setApplicationVersion(QStringLiteral(TALLIX_VERSION));
    QApplication::setOrganizationName(QStringLiteral("Vantly"));
    QApplication::setDesktopFileName(QStringLiteral("com.vantly.Tallix"));

    QIcon icon;
    icon.addFile(QStringLiteral(":/tallix/icon-16.png"));
    icon.addFile(QStringLiteral(":/tallix/icon-32.png"));
    QApplication::setWindowIcon(icon);

    tallix::MainWindow frmTallix(tallix::regionalOnePointFive());
    frmTallix.show();
    return QApplication::exec();
}
