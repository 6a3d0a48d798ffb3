#pragma once

// The number display: a value text laid out with thousands grouping or as a mantissa with a
// raised power of ten, drawn right-aligned on its parent's background.

#include <QString>
#include <QWidget>

namespace quorvel {

class TQZCalcIndicator : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(bool ThouSep READ ThouSep WRITE SetThouSep)

public:
    explicit TQZCalcIndicator(QWidget* parent = nullptr);

    // The displayed number without thousands separators, e.g. 1234,5.
    QString Text() const;
    // Lays the text out and repaints; nothing happens when it is the text shown already.
    // Throws EConvertError when the text is no number, keeping what is shown.
    void SetText(const QString& text);
    // The text as laid out for display, separators included.
    const QString& DisplayedText() const { return displayText_; }

    bool ThouSep() const { return thouSep_; }
    // Takes effect with the next SetText.
    void SetThouSep(bool grouped);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QString displayText_;
    bool thouSep_ = false;
};

} // namespace quorvel
