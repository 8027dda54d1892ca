#include "Look.h"

#include <QApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>

namespace tallix {

namespace {

// Qt's classic style fills a button face with exactly the palette's colour;
// the default style would draw a gradient. One for the process, kept until
// the application ends so that no button outlives it.
QStyle* classicStyle()
{
    static QStyle* const style = [] {
        QStyle* created = QStyleFactory::create(QStringLiteral("Windows"));
        created->setParent(qApp);
        return created;
    }();
    return style;
}

} // namespace

void giveKeypadLook(QPushButton* button)
{
    button->setStyle(classicStyle());
}

void giveMenuBarLook(QMenuBar* bar)
{
    // Selected covers the keyboard's choice after a lone Alt, which the
    // default style leaves undrawn until a menu opens.
    bar->setStyleSheet(QStringLiteral(
        "QMenuBar::item:selected { background: palette(highlight); color: palette(highlighted-text); }"));
}

} // namespace tallix
