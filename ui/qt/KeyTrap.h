// The out-of-sight widget that holds the keyboard focus and hands on every
// typed character, Tab included, as UTF-16 units. Keys that type
// nothing (arrows, F-keys, Delete) are dropped; menu shortcuts never get here.
#pragma once

#include <QWidget>

namespace tallix {

class KeyTrap : public QWidget {
    Q_OBJECT

public:
    explicit KeyTrap(QWidget* parent = nullptr);

signals:
    void typed(char16_t unit);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace tallix
