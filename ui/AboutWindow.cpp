#include "AboutWindow.h"

#include "Instances.h"
#include "QtText.h"
#include "MainWindow.h"
#include "Twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <array>
#include <string_view>

namespace tallix {

namespace {

enum class AboutKind { Image, Label, Button };

struct AboutControl {
    std::string_view name;
    AboutKind kind;
    std::string_view content; // text, or the picture's resource path
    bool black;               // text colour set to black rather than the default
    int left, top, width, height; // twips
};

// clang-format off
constexpr std::array<AboutControl, 7> aboutControls{{
    {"Image1",         AboutKind::Image,  ":/tallix/about.jpg",    false,  120,  240,  750, 1485},
    {"lblTitle",       AboutKind::Label,  "Vantly® Калькулятор",   true,  1080,  240, 3825,  240},
    {"Label1",         AboutKind::Label,  "Tallix 1.0",            false, 1080,  480, 3825,  240},
    {"lblVersion",     AboutKind::Label,  "© Vantly, 2026",        false, 1080,  720, 3825,  240},
    {"lblDescription", AboutKind::Label,  "Разработчики:",         true,  1020, 1500, 3885,  285},
    {"Label2",         AboutKind::Label,  "Команда Vantly",        false, 1020, 1860, 2415,  255},
    {"cmdOK",          AboutKind::Button, "OK",                    false, 3600, 1800, 1260,  345},
}};
// clang-format on

struct RuleLine {
    int x1, y1, x2, y2; // twips
    int widthPx;
    bool shadow; // the button-shadow colour, else white
};

// An engraved rule: a dark line with a white one a pixel below it.
constexpr std::array<RuleLine, 2> Line1{{
    {1020, 1140, 4860, 1140, 2, false},
    {1005, 1125, 4855, 1125, 1, true},
}};

constexpr int aboutWidth = 4995;  // twips
constexpr int aboutHeight = 2265; // twips
constexpr int belowMain = 1050;   // twips from the main window's top
constexpr int rightOfMain = 500;  // twips from the main window's left

} // namespace

AboutWindow::AboutWindow() = default;
AboutWindow::~AboutWindow() = default;

int AboutWindow::Show()
{
    m_window = std::make_unique<AboutDialog>();
    m_window->Form_Load();
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
    setWindowTitle(QStringLiteral("О программе Tallix"));
    setFixedSize(px(aboutWidth), px(aboutHeight));

    for (const AboutControl& row : aboutControls) {
        QWidget* widget = nullptr;
        switch (row.kind) {
        case AboutKind::Image: {
            auto* image = new QLabel(this);
            image->setPixmap(QPixmap(qt(row.content)));
            image->setScaledContents(true);
            widget = image;
            break;
        }
        case AboutKind::Label: {
            auto* label = new QLabel(qt(row.content), this);
            if (row.black) {
                QPalette palette = label->palette();
                palette.setColor(QPalette::WindowText, Qt::black);
                label->setPalette(palette);
            }
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
        widget->setGeometry(px(row.left), px(row.top), px(row.width), px(row.height));
    }
    m_ok->setFocus();
}

void AboutDialog::Form_Load()
{
    const QPoint mainCorner = frmTallix().frameGeometry().topLeft();
    move(mainCorner.x() + px(rightOfMain), mainCorner.y() + px(belowMain));
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
    for (const RuleLine& line : Line1) {
        QPen pen(line.shadow ? palette().color(QPalette::Dark) : QColor(Qt::white));
        pen.setWidth(line.widthPx);
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        // A pen wider than a pixel is centred on its line; keep its top edge on y.
        const qreal y = px(line.y1) + line.widthPx / 2.0;
        painter.drawLine(QPointF(px(line.x1), y), QPointF(px(line.x2), y));
    }
}

} // namespace tallix
