#pragma once

#include "focusbutton.h"
#include "platform/controls/svgpicture.h"

// A button that shows its picture at natural size, centred and clipped, where an icon
// would be shrunk.
class PictureButton : public FocusButton
{
public:
    PictureButton(const QString &svgResource, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    SvgPicture m_picture;
};
