// Starts Tallix: the application, then the main window in its global
// instance; returns when that window is closed. Reads and saves nothing.
#include "Instances.h"
#include "MainWindow.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TALLIX"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QApplication::setOrganizationName(QStringLiteral("Vantly"));
    QApplication::setDesktopFileName(QStringLiteral("com.vantly.Tallix"));

    QIcon icon;
    icon.addFile(QStringLiteral(":/tallix/icon-16.png"));
    icon.addFile(QStringLiteral(":/tallix/icon-32.png"));
    QApplication::setWindowIcon(icon);

    tallix::frmTallix().show();
    const int status = QApplication::exec();
    tallix::releaseInstances();
    return status;
}
