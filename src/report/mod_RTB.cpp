#include "report/mod_RTB.h"

#include "platform/RichTextBox.h"
#include "platform/Shell.h"

#include <QPointer>

using namespace platform;

namespace mod_RTB {

namespace {

const QString ProcName = QStringLiteral("RichTextLinkWndProc");

// Put in front of the owner's handling. Qt keeps the owner's previous handling itself: an event
// that the filter does not consume goes on to it, so there is nothing to store and call.
class LinkWndProc : public QObject
{
public:
    explicit LinkWndProc(QObject* owner) : QObject(owner) { setObjectName(ProcName); }
    bool eventFilter(QObject* watched, QEvent* event) override { return RichTextLinkWndProc(watched, event); }
};

// Held weakly: once a window is destroyed it matches nothing.
QPointer<RichTextBox> LinkTextboxHwnd;
QPointer<QWidget> LinkOwnerHwnd;

} // namespace

void EnableRichTextLinks(RichTextBox* hWndTextbox, QWidget* hWndOwner)
{
    // An owner is served through one filter, however often it is enabled: a second one would
    // open every link twice.
    if (hWndOwner && !hWndOwner->findChild<QObject*>(ProcName, Qt::FindDirectChildrenOnly))
        hWndOwner->installEventFilter(new LinkWndProc(hWndOwner));
    if (hWndTextbox) {
        hWndTextbox->SetEventMask(hWndTextbox->GetEventMask() | RichTextBox::ENM_LINK);
        hWndTextbox->AutoUrlDetect(true);
    }
    // Last, so that a notification arriving meanwhile finds no box of its own and is passed on.
    LinkTextboxHwnd = hWndTextbox;
    LinkOwnerHwnd = hWndOwner;
}

bool RichTextLinkWndProc(QObject*, QEvent* message)
{
    if (message->type() != NotifyEvent::WM_NOTIFY())
        return false;
    const auto* header = static_cast<const NotifyEvent*>(message);
    if (!LinkTextboxHwnd || header->hwndFrom() != LinkTextboxHwnd || header->code() != LinkNotifyEvent::EN_LINK)
        return false;
    const auto* link = dynamic_cast<const LinkNotifyEvent*>(message);
    if (!link || link->msg() != WM_LBUTTONDOWN)
        return false;
    const QString text = LinkTextboxHwnd->TextRange(link->chrg().cpMin, link->chrg().cpMax);
    Shell::instance().ShellExecute(LinkOwnerHwnd, QStringLiteral("Open"), text, std::nullopt, std::nullopt,
                                   Shell::SW_SHOW);
    return false;
}

} // namespace mod_RTB
