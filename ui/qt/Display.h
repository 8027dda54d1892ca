// The one-line display on Qt. What it paints (face, border, text area, the
// visible text with its marks and cut) is displayPaint's; it only draws that
// and tells screen readers of a new text.
#pragma once

#include <QString>
#include <QWidget>

namespace tallix {

class Display : public QWidget {
    Q_OBJECT // screen readers find the display by its class name

public:
    explicit Display(QWidget* parent = nullptr);

    // Called only when the text changed; announces it to screen readers.
    void setText(const QString& text);
    const QString& text() const { return m_text; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
};

} // namespace tallix
