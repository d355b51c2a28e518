#include "platform/Form.h"

#include "platform/Icons.h"
#include "platform/Twips.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWindow>

namespace platform {

namespace {

QList<Form*>& loadedForms()
{
    static QList<Form*> forms;
    return forms;
}

// Qt paints a window while it delivers the window's expose events. This delivers them itself,
// so as to run a task once the first one that shows the window has been delivered.
class FirstPaintWatch : public QObject
{
public:
    FirstPaintWatch(QWindow* window, std::function<void()> task)
        : QObject(window)
        , m_task(std::move(task))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Expose || m_delivering)
            return false;
        m_delivering = true;
        QCoreApplication::sendEvent(watched, event);
        m_delivering = false;
        if (static_cast<QWindow*>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            deleteLater();
            m_task();
        }
        return true;
    }

private:
    std::function<void()> m_task;
    bool m_delivering = false;
};

} // namespace

Form::Form(QWidget* parent)
    : QMainWindow(parent)
    , m_client(new QWidget(this))
{
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowIcon(ApplicationIcon());
    setCentralWidget(m_client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    loadedForms().append(this);
}

Form::~Form()
{
    loadedForms().removeAll(this);
}

void Form::Load()
{
    Form_Load();
}

bool Form::Unload()
{
    if (m_unloading)
        return true;
    m_unloading = true;
    int cancel = 0;
    Form_Unload(cancel);
    if (cancel != 0) {
        m_unloading = false;
        return false;
    }
    loadedForms().removeAll(this);
    hide();
    emit Unloaded();
    deleteLater();
    return true;
}

void Form::ShowModal()
{
    setWindowModality(Qt::ApplicationModal);
    QEventLoop untilUnloaded;
    connect(this, &Form::Unloaded, &untilUnloaded, &QEventLoop::quit);
    connect(this, &QObject::destroyed, &untilUnloaded, &QEventLoop::quit);
    show();
    untilUnloaded.exec();
}

void Form::setClientSize(int width, int height)
{
    m_client->setFixedSize(twips(width), twips(height));
}

void Form::closeEvent(QCloseEvent* event)
{
    if (Unload())
        event->accept();
    else
        event->ignore();
}

void Form::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_placed)
        return;
    m_placed = true;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void AfterFirstPaint(QWidget* window, std::function<void()> task)
{
    QWindow* shown = window->windowHandle();
    if (!shown || shown->isExposed()) // never painted on the screen, or painted already
        task();
    else
        new FirstPaintWatch(shown, std::move(task));
}

QList<Form*> Forms::Loaded()
{
    return loadedForms();
}

} // namespace platform
