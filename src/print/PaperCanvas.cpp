#include "print/PaperCanvas.h"

#include <QPageLayout>
#include <QPagedPaintDevice>

PaperCanvas::PaperCanvas(QPagedPaintDevice& device) : device_(device)
{
    dpi_ = device.logicalDpiX();
    const QPageLayout layout = device.pageLayout();
    paper_ = QRectF(layout.fullRectPixels(int(dpi_)));
    printable_ = QRectF(layout.paintRectPixels(int(dpi_)));
    if (!painter_.begin(&device))
        return;
    painter_.translate(-printable_.topLeft());
}

bool PaperCanvas::newPage()
{
    if (!device_.newPage())
        return false;
    painter_.resetTransform();
    painter_.translate(-printable_.topLeft());
    return true;
}
