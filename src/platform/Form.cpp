#include "platform/Form.h"

#include "platform/Icons.h"
#include "platform/Twips.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>

namespace platform {

namespace {

QList<Form*>& loadedForms()
{
    static QList<Form*> forms;
    return forms;
}

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

QList<Form*> Forms::Loaded()
{
    return loadedForms();
}

} // namespace platform
