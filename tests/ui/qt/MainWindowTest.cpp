#include "MainForm.h"
#include "Platform.h"
#include "Twips.h"
#include "UiDriver.h"

#include <QAccessible>
#include <QClipboard>
#include <QKeyEvent>
#include <QMessageBox>

#include <algorithm>
#include <vector>

namespace tallix::testing {
namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QString objectName(const ControlRow& row) { return QString::fromStdString(tallix::objectName(row)); }

    // Sends each character as typed text, Cyrillic included.
    void type(const QString& text)
    {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(keyTrap(window), &press);
        }
    }

    MainWindow window{QStringLiteral("1.5")};
};

TEST_F(MainWindowTest, ControlsFollowTheLayoutTable)
{
    for (const ControlRow& row : mainControls) {
        auto* widget = window.findChild<QWidget*>(objectName(row));
        ASSERT_NE(widget, nullptr) << row.name;
        EXPECT_EQ(widget->geometry(), QRect(px(row.left), px(row.top), px(row.width), px(row.height)))
            << objectName(row).toStdString();
        const QString container = row.container.empty() ? QStringLiteral("client")
                                                         : QString::fromUtf8(row.container.data(), row.container.size());
        EXPECT_EQ(widget->parentWidget()->objectName(), container) << row.name;
        if (auto* b = qobject_cast<QPushButton*>(widget)) {
            EXPECT_EQ(b->text(), QString::fromUtf8(row.caption.data(), row.caption.size())) << row.name;
        }
    }
    EXPECT_EQ(display(window), "0");
    EXPECT_EQ(window.centralWidget()->size(), QSize(237, 199));
    for (std::size_t i = 0; i < operatorCaptions.size(); ++i)
        EXPECT_EQ(button(window, ("cmdOper" + std::to_string(i)).c_str())->text().toStdString(), operatorCaptions[i]);
}

TEST_F(MainWindowTest, TabOrderFollowsTheTable)
{
    std::vector<ControlRow> focusable;
    std::copy_if(mainControls.begin(), mainControls.end(), std::back_inserter(focusable),
                 [](const ControlRow& s) { return s.kind == ControlKind::Button || s.kind == ControlKind::KeyTrap; });
    std::sort(focusable.begin(), focusable.end(), [](const auto& a, const auto& b) { return a.tabOrder < b.tabOrder; });
    for (std::size_t i = 1; i < focusable.size(); ++i) {
        QWidget* next = window.findChild<QWidget*>(objectName(focusable[i - 1]))->nextInFocusChain();
        while (!(next->focusPolicy() & Qt::TabFocus))
            next = next->nextInFocusChain();
        EXPECT_EQ(next->objectName(), objectName(focusable[i]));
    }
}

TEST_F(MainWindowTest, FixedSizeWithKeyTrapOutOfSight)
{
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    const QRect client = window.centralWidget()->rect();
    EXPECT_FALSE(client.intersects(keyTrap(window)->geometry()));
    EXPECT_EQ(QApplication::focusWidget(), keyTrap(window)) << "the key trap has the focus at start";
}

struct ClickCase {
    const char* name;
    std::vector<const char*> buttons;
    const char* display;
};

TEST_F(MainWindowTest, ClicksReachTheCalculatorAndFocusReturns)
{
    const ClickCase cases[] = {
        {"Sum", {"cmdNum1", "cmdNum2", "cmdOper0", "cmdNum3", "cmdOper4"}, "15"},
        {"Sign", {"cmdCancel", "cmdNum5", "cmdOpp"}, "-5"},
        {"Point", {"cmdCancel", "cmdDec", "cmdNum5"}, "0.5"},
        {"ClearEntry", {"cmdNum7", "cmdCE"}, "0"},
        {"Percent", {"cmdCancel", "cmdNum2", "cmdNum0", "cmdNum0", "cmdOper0", "cmdNum1", "cmdNum0", "cmdPer"}, "20"},
        {"NoPrecedence", {"cmdCancel", "cmdNum2", "cmdOper0", "cmdNum3", "cmdOper2", "cmdNum4", "cmdOper4"}, "20"},
        {"Divide", {"cmdCancel", "cmdNum7", "cmdOper3", "cmdNum2", "cmdOper4"}, "3.5"},
        {"Subtract", {"cmdCancel", "cmdNum1", "cmdOper1", "cmdNum4", "cmdOper4"}, "-3"},
    };
    for (const auto& c : cases) {
        for (const char* name : c.buttons) {
            QTest::mouseClick(button(window, name), Qt::LeftButton);
            EXPECT_EQ(QApplication::focusWidget(), keyTrap(window)) << c.name << " after " << name;
        }
        EXPECT_EQ(display(window), c.display) << c.name;
    }
}

struct KeyCase {
    const char* name;
    QString typed;
    Qt::Key key; // then this key, unless Qt::Key_unknown
    const char* display;
};

TEST_F(MainWindowTest, KeysGoThroughTheKeyTable)
{
    const KeyCase cases[] = {
        {"Enter", "12+3", Qt::Key_Return, "15"},
        {"KeypadEnter", "7*6", Qt::Key_Enter, "42"},
        {"Backspace", "99", Qt::Key_Backspace, "0"},
        {"Escape", "5+3", Qt::Key_Escape, "0"},
        {"Equals", "7/2=", Qt::Key_unknown, "3.5"},
        {"CommaKey", "1,5", Qt::Key_unknown, "1.5"},
        {"Tab", "12", Qt::Key_Tab, "12"},
        {"Backtab", "12", Qt::Key_Backtab, "12"},
        {"Letters", "12abc", Qt::Key_unknown, "12"},
        {"Space", "1 2", Qt::Key_unknown, "12"},
        {"Cyrillic", "1ж", Qt::Key_unknown, "1"},
        {"ArrowIgnored", "34", Qt::Key_Left, "34"},
    };
    for (const auto& c : cases) {
        QTest::keyClick(keyTrap(window), Qt::Key_Escape);
        type(c.typed);
        if (c.key != Qt::Key_unknown)
            QTest::keyClick(keyTrap(window), c.key);
        EXPECT_EQ(display(window), c.display) << c.name;
        EXPECT_EQ(QApplication::focusWidget(), keyTrap(window)) << c.name;
    }
}

TEST_F(MainWindowTest, AfterClickEnterMeansEquals)
{
    type("5+");
    QTest::mouseClick(button(window, "cmdNum7"), Qt::LeftButton);
    QTest::keyClick(keyTrap(window), Qt::Key_Return);
    EXPECT_EQ(display(window), "12");
}

TEST_F(MainWindowTest, CopyAndPasteUseTheClipboard)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    type(".");
    QTest::keyClick(keyTrap(window), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), "0.") << "Copy puts the display exactly as shown";

    const QString pastes[] = {"12,5", "abc", " 7 ", "Жж", QString(100, '9')};
    for (const QString& text : pastes) {
        clipboard->setText(text);
        QTest::keyClick(keyTrap(window), Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(display(window), text) << "Paste shows the text unchanged";
        EXPECT_EQ(window.calculator().state().InputState, InputKind::NUMS);
        EXPECT_EQ(QApplication::focusWidget(), keyTrap(window));
    }

    clipboard->clear();
    window.mnuPaste_Click();
    EXPECT_EQ(display(window), "") << "an empty clipboard gives an empty display";
    type("2+");
    clipboard->setText("5");
    window.mnuPaste_Click();
    QTest::keyClick(keyTrap(window), Qt::Key_Return);
    EXPECT_EQ(display(window), "7");
}

struct BoxCase {
    const char* name;
    QString keys;
    QString message;
    QString displayAfter;
};

TEST_F(MainWindowTest, ErrorBoxesAreCriticalWithOneOkButton)
{
    const BoxCase cases[] = {
        {"DivideByZero", "5/0=", "Нельзя делить на ноль", "5"},
        {"Overflow", "", "Переполнение", "1E300"},
    };
    for (const auto& c : cases) {
        QTest::keyClick(keyTrap(window), Qt::Key_Escape);
        if (c.keys.isEmpty()) {
            QGuiApplication::clipboard()->setText("1E300");
            window.mnuPaste_Click();
            type("*");
            window.mnuPaste_Click();
        }
        bool answered = false;
        whenModalOpens([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->text(), c.message);
            EXPECT_EQ(box->windowTitle(), "Ошибка");
            EXPECT_EQ(box->icon(), QMessageBox::Critical);
            EXPECT_EQ(box->buttons().size(), 1);
            EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
            answered = true;
            box->button(QMessageBox::Ok)->click();
        });
        type(c.keys.isEmpty() ? QStringLiteral("=") : c.keys);
        EXPECT_TRUE(answered) << c.name;
        EXPECT_EQ(display(window), c.displayAfter) << c.name;
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == keyTrap(window); }))
            << c.name << ": focus back on the key trap after the box";
        QTest::keyClick(keyTrap(window), Qt::Key_Escape);
        type("1");
        EXPECT_EQ(display(window), "1") << c.name << ": typing works at once";
    }
}

TEST_F(MainWindowTest, ButtonsHaveSpokenNames)
{
    for (const ControlRow& row : mainControls) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(window.findChild<QWidget*>(objectName(row)));
        ASSERT_NE(a, nullptr) << row.name;
        EXPECT_EQ(a->text(QAccessible::Name).toStdString(), row.accessibleName);
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(button(window, "cmdNum7"))->role(), QAccessible::Button);
}

TEST(SystemLocale, DecimalSeparatorFollowsTheLocale)
{
    const QByteArray expected = qgetenv("TALLIX_EXPECTED_SEPARATOR");
    if (expected.isEmpty())
        GTEST_SKIP() << "run by CTest with LC_ALL and TALLIX_EXPECTED_SEPARATOR set";
    MainWindow window(regionalOnePointFive());
    EXPECT_EQ(button(window, "cmdDec")->text(), QString::fromLatin1(expected));
    EXPECT_EQ(window.calculator().state().DecimalChar, expected.toStdString());
}

} // namespace
} // namespace tallix::testing
