#include "support/Doubles.h"

#include <QApplication>
#include <QPdfWriter>
#include <QTest>

namespace doubles {

namespace {

// Puts each stand-in in its service's place; nullptr puts the real one back.
template <class... Service>
void Replace(Service*... standIns)
{
    (Service::replace(standIns), ...);
}

} // namespace

QStringList Shell::files() const
{
    QStringList opened;
    for (const Call& call : calls)
        opened.append(call.file);
    return opened;
}

int MsgBox::Ask(const QString& prompt, int style)
{
    shown.append({prompt, style});
    if (whileShown)
        whileShown();
    if (!answers.isEmpty())
        return answers.dequeue();
    return (style & 7) == vbYesNo ? vbYes : vbOK;
}

void Printer::Print(const QTextDocument& document)
{
    QPdfWriter pages(pdfPath);
    pages.setPageMargins(QMarginsF()); // the page's edge is where the program's margins start
    if (platform::PrintPages(document, pages))
        ++printed;
}

Surroundings::Surroundings()
{
    Replace<platform::Shell, platform::MsgBox, platform::SettingsStore, platform::Runtime, platform::ImageList,
            platform::Printer, platform::CommonDialog>(&shell, &boxes, &store, &runtime, &pictures, &printer, &dialogs);
}

Surroundings::~Surroundings()
{
    qDeleteAll(platform::Forms::Loaded());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Replace<platform::Shell, platform::MsgBox, platform::SettingsStore, platform::Runtime, platform::ImageList,
            platform::Printer, platform::CommonDialog>(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
}

bool ShownInFront(QWidget* window)
{
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

QString Look(const QWidget* control)
{
    const QFont font = control->font();
    const QPalette colours = control->palette();
    return font.family() + " " + QString::number(font.pointSizeF()) + (font.bold() ? " bold" : "")
        + (font.underline() ? " underlined" : "") + " " + colours.color(control->foregroundRole()).name()
        + (control->autoFillBackground() ? " on " + colours.color(control->backgroundRole()).name() : "");
}

QStringList TabOrder(int presses)
{
    QStringList visited;
    for (int press = 0; press < presses && QApplication::focusWidget(); ++press) {
        visited.append(QApplication::focusWidget()->objectName());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    return visited;
}

} // namespace doubles
