// The one global instance of each window, created on first use and kept
// until the application releases them at its end (before QApplication goes).
#pragma once

namespace tallix {

class MainWindow;
class AboutWindow;

MainWindow& frmTallix();
AboutWindow& frmAbout();
void releaseInstances();

} // namespace tallix
