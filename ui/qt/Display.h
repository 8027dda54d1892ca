// The one-line display on Qt: right-aligned text on the face colour inside a
// one-pixel border. What it draws for its text (marks, the ellipsis, the
// tail that fits) is DisplayText's; it only paints that, left to right.
#pragma once

#include <QString>
#include <QWidget>

namespace tallix {

class Display : public QWidget {
    Q_OBJECT

public:
    explicit Display(QWidget* parent = nullptr);

    // Called only when the text changed; announces it to screen readers.
    void setText(const QString& text);
    const QString& text() const { return m_text; }

    // The part of the text that is drawn, with its marks.
    QString visibleText() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect textArea() const;

    QString m_text;
};

} // namespace tallix
