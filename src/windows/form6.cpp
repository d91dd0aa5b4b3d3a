#include "form6.h"

void Form6::addResult(const QString &line)
{
    load();
    if (List1)
        List1->addItem(line);
}

void Form6::setCaption(const QString &caption)
{
    window()->setWindowTitle(caption);
}

void Form6::buildControls(FormWindow *window)
{
    List1 = new QListWidget(window);
}
