#pragma once

#include <QFrame>
#include <QImage>
#include <QPixmap>
#include <QPushButton>
#include <functional>

// A card box: a flat one-pixel border around an inner area that shows the background
// picture unscaled from its top left, clipped. The card's picture and frame live in the
// inner area, whose coordinates they are placed in.
class CardBox : public QFrame
{
public:
    explicit CardBox(QWidget *parent);
    QWidget *inner() const { return m_inner; }
    void setBackground(const QPixmap &background);
    const QPixmap &background() const { return m_background; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QWidget *m_inner;
    QPixmap m_background;
};

// A card's picture. Only the part its box shows is kept, at the size it is drawn. A left
// press and release on it is one click; the second press of a double click is none.
class CardImage : public QWidget
{
public:
    explicit CardImage(QWidget *parent);
    // `visible` is in the picture's own coordinates; `image` is drawn into it.
    void setPicture(const QImage &image, const QRect &visible);
    const QPixmap &picture() const { return m_picture; }

    std::function<void()> onClick;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QPixmap m_picture;
    QRect m_visible;
    bool m_pressed = false;
};

// The red selection frame, 4 pixels wide; clicks pass through it to the picture.
class SelectionFrame : public QWidget
{
public:
    explicit SelectionFrame(QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A button that shows its picture at natural size, centred and clipped, where an icon
// would be shrunk.
class PictureButton : public QPushButton
{
public:
    PictureButton(const QPixmap &picture, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
};
