#include "platform/Printer.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QTextDocument>
#include <QTextFrame>
#include <QThread>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

namespace platform {

namespace {

void PrintOnDefaultPrinter(const QTextDocument& document)
{
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (defaultPrinter.isNull())
        return;
    QPrinter printer(defaultPrinter, QPrinter::HighResolution);
    if (printer.isValid())
        PrintPages(document, printer);
}

// The documents waiting to be printed, which a thread of its own prints one after the other.
class PrintQueue
{
public:
    void add(std::unique_ptr<QTextDocument> document)
    {
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_waiting.push_back(std::move(document));
        }
        m_added.notify_one();
    }

    // The printing thread's work, for the life of the program.
    void printEach()
    {
        for (;;) {
            const std::unique_ptr<QTextDocument> document = next();
            document->moveToThread(QThread::currentThread()); // it was handed over with no thread
            PrintOnDefaultPrinter(*document);
        }
    }

private:
    std::unique_ptr<QTextDocument> next()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_added.wait(lock, [this] { return !m_waiting.empty(); });
        std::unique_ptr<QTextDocument> document = std::move(m_waiting.front());
        m_waiting.pop_front();
        return document;
    }

    std::mutex m_mutex;
    std::condition_variable m_added;
    std::deque<std::unique_ptr<QTextDocument>> m_waiting;
};

class DefaultPrinter : public Printer
{
public:
    void Print(const QTextDocument& document) override
    {
        // Copied here, where nothing changes the document meanwhile.
        std::unique_ptr<QTextDocument> copy(document.clone());
        copy->moveToThread(nullptr);
        queue().add(std::move(copy));
    }

private:
    // Started at the first print and never stopped, nor destroyed: the end of the program does
    // not wait for a printer that does not answer.
    static PrintQueue& queue()
    {
        static PrintQueue* const queue = [] {
            auto* started = new PrintQueue;
            std::thread([started] { started->printEach(); }).detach();
            return started;
        }();
        return *queue;
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
