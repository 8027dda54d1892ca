#include "MainForm.h"
#include "qt/Platform.h"
#include "qt/Convert.h"
#include "UiDriver.h"

#include <QMenuBar>
#include <QMessageBox>

#include <algorithm>

namespace tallix::testing {
namespace {

class MainWindowTest : public WindowTest {
protected:
    QImage drawnAfterPasting(const QString& text)
    {
        paste(text);
        return display()->grab(display()->rect().adjusted(1, 1, -1, -1)).toImage();
    }
};

// The box around every pixel of the display's drawing that is not the background.
QRect ink(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != image.pixel(0, 0))
                box |= QRect(x, y, 1, 1);
    return box;
}

struct StepCase {
    const char* name;
    const char* steps; // "cmd..." clicks that button, "<Key>" presses that key, anything else is typed
    const char* display;
};

// One of each way in, and the keys whose character Qt leaves out.
TEST_F(MainWindowTest, ClicksKeysAndMenusReachTheBehaviourAndTheFocusReturns)
{
    const StepCase cases[] = {
        {"ClickedSum", "cmdNum1 cmdOper0 cmdNum3 cmdOper4", "4"},
        {"PasteShortcut", "<Ctrl+V> 1", "-11"},
        {"Enter", "5+7 <Return>", "12"},
        {"KeypadEnter", "7*6 <Enter>", "42"},
        {"BackspaceClearsTheEntry", "5+99 <Backspace> 1=", "6"},
        {"EscapeClearsAll", "5+3 <Esc> 2=", "2"},
        {"KeysWithoutACharacterOrRowChangeNothing", "12 <Tab> <Backtab> <Left> <F5> <Del> aж", "12"},
    };
    QGuiApplication::clipboard()->setText("-1");
    for (const auto& c : cases) {
        QTest::keyClick(keyTrap(), Qt::Key_Escape);
        for (const QString& step : QString::fromUtf8(c.steps).split(' ', Qt::SkipEmptyParts)) {
            if (step.startsWith("cmd"))
                QTest::mouseClick(button(step.toLatin1().constData()), Qt::LeftButton);
            else if (step.startsWith('<')) {
                const QKeyCombination key = QKeySequence::fromString(step.mid(1).chopped(1))[0];
                ASSERT_NE(key.key(), Qt::Key_unknown) << step.toStdString();
                QTest::keyClick(keyTrap(), key.key(), key.keyboardModifiers());
            } else
                type(step);
            EXPECT_EQ(QApplication::focusWidget(), keyTrap()) << c.name << " after " << step.toStdString();
        }
        EXPECT_EQ(displayText(), c.display) << c.name;
    }
}

TEST_F(MainWindowTest, ErrorBoxIsCriticalWithOneOkButtonAndTypingGoesOn)
{
    bool answered = false;
    whenModalOpens([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), "Нельзя делить на ноль");
        EXPECT_EQ(box->windowTitle(), "Ошибка");
        EXPECT_EQ(box->icon(), QMessageBox::Critical);
        EXPECT_EQ(box->buttons().size(), 1);
        answered = true;
        box->button(QMessageBox::Ok)->click();
    });
    type("5/0=");
    EXPECT_TRUE(answered);
    EXPECT_EQ(displayText(), "5");
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == keyTrap(); }));
    type("1");
    EXPECT_EQ(displayText(), "1") << "typing works at once";
}

TEST_F(MainWindowTest, ButtonFacesAreTheDisplayColourWithPressAndFocusShown)
{
    QPushButton* seven = button("cmdNum7");
    const QImage plain = seven->grab().toImage();
    EXPECT_EQ(plain.pixelColor(4, 4).name(), qt(faceColour).name()) << "inside the bevel, clear of the caption";
    seven->setDown(true);
    EXPECT_NE(seven->grab().toImage(), plain) << "pressed";
    seven->setDown(false);
    seven->setFocus();
    EXPECT_NE(seven->grab().toImage(), plain) << "focused";
}

// After a lone Alt the menu bar holds the keyboard; its item says so.
TEST_F(MainWindowTest, MenuBarItemHighlightedWhileTheMenuBarHoldsTheKeyboard)
{
    QMenuBar* bar = window.menuBar();
    const auto highlighted = [&] {
        const QImage image = bar->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const auto* pixels = reinterpret_cast<const QRgb*>(image.constBits());
        return std::count(pixels, pixels + image.width() * image.height(), bar->palette().color(QPalette::Highlight).rgb()) > 0;
    };
    EXPECT_FALSE(highlighted());
    QTest::keyClick(keyTrap(), Qt::Key_Alt, Qt::AltModifier);
    ASSERT_TRUE(bar->hasFocus());
    EXPECT_TRUE(highlighted());
}

// The display draws on one line, nothing clipped at its left edge, in the
// order of the text.
TEST_F(MainWindowTest, DisplayDrawsOneLineLeftToRight)
{
    const int lineHeight = display()->fontMetrics().height();
    for (const QString& pasted : {QString("1234567890\r\n").repeated(4), QString("1234\u20285678"), QString("\u202E1")}) {
        const QRect box = ink(drawnAfterPasting(pasted));
        EXPECT_LE(box.height(), lineHeight) << pasted.toStdString();
        EXPECT_GT(box.left(), 0) << pasted.toStdString();
    }
    EXPECT_EQ(drawnAfterPasting("\u202E123456"), drawnAfterPasting("\uFFFD123456")) << "a direction override is a mark, not an order";
    EXPECT_NE(drawnAfterPasting("1\u05D02"), drawnAfterPasting("12\u05D0")) << "a Hebrew letter does not move the digits around it";
}

TEST(SystemLocale, DecimalSeparatorFollowsTheLocale)
{
    const QByteArray expected = qgetenv("TALLIX_EXPECTED_SEPARATOR");
    if (expected.isEmpty())
        GTEST_SKIP() << "run by CTest with LC_ALL and TALLIX_EXPECTED_SEPARATOR set";
    MainWindow window(regionalOnePointFive());
    EXPECT_EQ(window.findChild<QPushButton*>("cmdDec")->text(), QString::fromLatin1(expected));
    EXPECT_EQ(window.behaviour().calculator().state().DecimalChar, expected.toStdString());
}

} // namespace
} // namespace tallix::testing
