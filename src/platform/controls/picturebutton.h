#pragma once

#include "focusbutton.h"

#include <QPixmap>

// A button that shows its picture at natural size, centred and clipped, where an icon
// would be shrunk.
class PictureButton : public FocusButton
{
public:
    PictureButton(const QPixmap &picture, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
};
