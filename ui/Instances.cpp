#include "Instances.h"

#include "AboutWindow.h"
#include "MainWindow.h"

#include <QLocale>

#include <memory>

namespace tallix {

namespace {

std::unique_ptr<MainWindow> mainInstance;
std::unique_ptr<AboutWindow> aboutInstance;

} // namespace

MainWindow& frmTallix()
{
    if (!mainInstance)
        mainInstance = std::make_unique<MainWindow>(QLocale::system().toString(1.5, 'f', 1));
    return *mainInstance;
}

AboutWindow& frmAbout()
{
    if (!aboutInstance)
        aboutInstance = std::make_unique<AboutWindow>();
    return *aboutInstance;
}

void releaseInstances()
{
    aboutInstance.reset();
    mainInstance.reset();
}

} // namespace tallix
