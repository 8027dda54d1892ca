// The floor for start-up: the least a Qt 6 Widgets program of Tallix's shape
// does - a fixed-size main window with a two-menu menu bar, a label and twenty
// buttons in two frames - with no behaviour behind it.
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.menuBar()->addMenu(QStringLiteral("&Edit"))->addAction(QStringLiteral("&Copy"));
    window.menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));

    auto* client = new QWidget;
    client->setFixedSize(237, 199);
    window.setCentralWidget(client);
    auto* label = new QLabel(QStringLiteral("0"), client);
    label->setGeometry(8, 8, 221, 21);
    const int frames[2][3] = {{4, 12, 3}, {144, 8, 2}}; // left, buttons, columns
    for (const auto& frame : frames) {
        auto* box = new QFrame(client);
        box->setGeometry(frame[0], 36, frame[2] == 3 ? 129 : 89, 157);
        for (int i = 0; i < frame[1]; ++i) {
            auto* button = new QPushButton(QString::number(i), box);
            button->setGeometry(8 + (i % frame[2]) * 40, 12 + (i / frame[2]) * 36, 33, 29);
        }
    }
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);
    window.show();
    return QApplication::exec();
}
