#include "Look.h"

#include "Convert.h"
#include "MainForm.h"

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

QFont displayFont()
{
    QFont font(qt(readOutFont.face));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(readOutFont.points);
    font.setWeight(QFont::Weight(readOutFont.weight)); // Qt weighs fonts 100 to 900, as the form does
    return font;
}

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
