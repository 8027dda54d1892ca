#include "AboutWindow.h"

#include "Convert.h"
#include "Layout.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace tallix {

void AboutWindow::Show(const QWidget& mainWindow)
{
    AboutWindow window;
    window.Form_Load(mainWindow);
    window.exec();
}

AboutWindow::AboutWindow()
    : QDialog(nullptr, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(qt(aboutCaption));
    const PixelSize size = aboutClientSize(standardDpi);
    setFixedSize(size.width, size.height);

    makeAboutControls(standardDpi, [this](const AboutControl& row, PixelRect place) {
        QWidget* widget = nullptr;
        switch (row.kind) {
        case AboutKind::Image: {
            auto* image = new QLabel(this);
            image->setPixmap(QPixmap(QStringLiteral(":/tallix/") + qt(row.content)));
            image->setScaledContents(true);
            widget = image;
            break;
        }
        case AboutKind::Label: {
            auto* label = new QLabel(qt(row.content), this);
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, qt(row.textColour, palette));
            label->setPalette(palette);
            widget = label;
            break;
        }
        case AboutKind::Button:
            m_ok = new QPushButton(qt(row.content), this);
            m_ok->setDefault(true); // drawn as the default; its keys are pressesAboutOk's
            connect(m_ok, &QPushButton::clicked, this, &AboutWindow::cmdOK_Click);
            widget = m_ok;
            break;
        }
        widget->setObjectName(qt(row.name));
        widget->setGeometry(qt(place));
    });
    m_ok->setFocus();
}

void AboutWindow::Form_Load(const QWidget& mainWindow)
{
    const PixelSize offset = aboutOffset(standardDpi);
    move(mainWindow.frameGeometry().topLeft() + QPoint(offset.width, offset.height));
}

void AboutWindow::cmdOK_Click()
{
    accept();
}

void AboutWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() == Qt::NoModifier && pressesAboutOk(keyOf(event->key())))
        m_ok->click();
    else
        QDialog::keyPressEvent(event);
}

void AboutWindow::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    for (const RuleLine& line : engravedRule)
        painter.fillRect(qt(placeOf(line, standardDpi)), qt(line.colour, palette()));
}

} // namespace tallix
