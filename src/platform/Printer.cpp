#include "platform/Printer.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QTextDocument>
#include <QTextFrame>
#include <memory>

namespace platform {

namespace {

class DefaultPrinter : public Printer
{
public:
    bool Print(const QTextDocument& document) override
    {
        const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
        if (defaultPrinter.isNull())
            return false;
        QPrinter printer(defaultPrinter, QPrinter::HighResolution);
        if (!printer.isValid())
            return false;
        return PrintPages(document, printer) && printer.printerState() != QPrinter::Error
            && printer.printerState() != QPrinter::Aborted;
    }
};

} // namespace

bool PrintPages(const QTextDocument& document, QPagedPaintDevice& pages)
{
    // A copy laid out for the device, page by page. QTextDocument::print would number the pages.
    const std::unique_ptr<QTextDocument> copy(document.clone());
    copy->documentLayout()->setPaintDevice(&pages);
    const QSizeF page(pages.width(), pages.height());
    copy->setPageSize(page);
    // The layout takes margins in pixels of the screen and scales them to the device.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double screenDpi = screen ? qRound(screen->logicalDotsPerInchY()) : 96;
    QTextFrameFormat frame = copy->rootFrame()->frameFormat();
    frame.setMargin(2 / 2.54 * screenDpi);
    copy->rootFrame()->setFrameFormat(frame);

    QPainter painter;
    if (!painter.begin(&pages))
        return false;
    for (int number = 0; number < copy->pageCount(); ++number) {
        if (number > 0 && !pages.newPage())
            return false;
        painter.save();
        const QRectF shown(QPointF(0, number * page.height()), page);
        painter.translate(0, -shown.top());
        painter.setClipRect(shown);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = shown;
        copy->documentLayout()->draw(&painter, context);
        painter.restore();
    }
    return painter.end();
}

Printer& Printer::real()
{
    static DefaultPrinter printer;
    return printer;
}

} // namespace platform
