#pragma once

class QEvent;
class QObject;
class QWidget;

namespace platform {
class RichTextBox;
}

// Clickable web addresses in a rich-text box: a left press on a link opens it in the browser.
// One box, with its owner window, is served at a time.
namespace mod_RTB {

// Turns on link detection and link notifications in the box and handles them at the owner,
// ahead of the owner's own handling. A later call serves its own box and owner instead.
void EnableRichTextLinks(platform::RichTextBox* hWndTextbox, QWidget* hWndOwner);

// The owner's handling of each of its events while links are enabled: a left press on a link of
// the served box opens the link's text. Every event is passed on (the result is always false,
// "not consumed"), the link notifications too.
bool RichTextLinkWndProc(QObject* hWnd, QEvent* message);

} // namespace mod_RTB
