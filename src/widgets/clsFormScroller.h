#pragma once
// A page whose form may be larger than the screen (a large font scale on a small screen):
// the form keeps its laid-out size and scrolls, rather than being squeezed or running off the
// window. Unlike a plain scroll area it asks for the whole form's size, so the window opens
// large enough to show it all where the screen allows. Owned by the page it fills.

#include <QScrollArea>

class clsFormScroller : public QScrollArea
{
    Q_OBJECT

public:
    explicit clsFormScroller(QWidget* parent = nullptr);

    // Takes ownership of the form.
    void SetForm(QWidget* form);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
};
