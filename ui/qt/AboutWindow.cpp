#include "AboutWindow.h"

#include "Convert.h"
#include "Layout.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace tallix {

AboutWindow::AboutWindow(const QWidget& mainWindow) : m_mainWindow(mainWindow) {}
AboutWindow::~AboutWindow() = default;

int AboutWindow::Show()
{
    m_window = std::make_unique<AboutDialog>();
    m_window->Form_Load(m_mainWindow);
    const int result = m_window->exec();
    m_window.reset();
    return result;
}

QDialog* AboutWindow::window() const
{
    return m_window.get();
}

AboutDialog::AboutDialog()
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
            m_ok->setDefault(true);
            connect(m_ok, &QPushButton::clicked, this, &AboutDialog::cmdOK_Click);
            widget = m_ok;
            break;
        }
        widget->setObjectName(qt(row.name));
        widget->setGeometry(qt(place));
    });
    m_ok->setFocus();
}

void AboutDialog::Form_Load(const QWidget& mainWindow)
{
    const PixelSize offset = aboutOffset(standardDpi);
    move(mainWindow.frameGeometry().topLeft() + QPoint(offset.width, offset.height));
}

void AboutDialog::cmdOK_Click()
{
    accept();
}

void AboutDialog::keyPressEvent(QKeyEvent* event)
{
    // OK is the cancel button too: Esc presses it rather than just closing.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        m_ok->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void AboutDialog::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    for (const RuleLine& line : engravedRule)
        painter.fillRect(qt(placeOf(line, standardDpi)), qt(line.colour, palette()));
}

} // namespace tallix
