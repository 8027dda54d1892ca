// The one-line display: right-aligned text in a bordered box. A text too wide
// for it shows its end, where typing happens, after an ellipsis; only a tail
// that can fit is ever laid out, so a 1 MiB paste costs no more to draw.
// Line breaks, controls and direction marks are drawn as visible marks, left
// to right; the text itself keeps every character.
#pragma once

#include <QFrame>
#include <QString>

namespace tallix {

class DisplayLabel : public QFrame {
    Q_OBJECT

public:
    explicit DisplayLabel(QWidget* parent = nullptr);

    // Called only when the text changed; announces it to screen readers.
    void setText(const QString& text);
    const QString& text() const { return m_text; }

    // The part of the text that is drawn, with its marks, for the given width in pixels.
    QString visibleText(int width) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
};

} // namespace tallix
