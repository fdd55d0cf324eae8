#pragma once

#include <QAbstractButton>
#include <QPixmap>

// A push button without caption whose face is one picture of a glyph strip: three equal pictures
// side by side for normal, disabled and pressed.
class TBitmapButton : public QAbstractButton {
    Q_OBJECT
public:
    TBitmapButton(QWidget* parent, const QPixmap& strip);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int frameIndex() const;

    QPixmap strip_;
};
