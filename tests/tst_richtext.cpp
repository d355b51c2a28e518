// The rich-text box: insertion formatting, RTF files read back by LibreOffice, printing, and
// web addresses that open with a left press.

#include "platform/RichTextBox.h"
#include "report/mod_RTB.h"
#include "support/Doubles.h"
#include "support/Readers.h"

#include <QDesktopServices>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QtTest>

using platform::RichTextBox;

namespace {

// A window with a box on a panel of it, as the report window holds its box; it records the
// notifications that reach its own handling.
class Owner : public QWidget
{
public:
    Owner() : box(new RichTextBox(new QWidget(this), "RTB"))
    {
        box->parentWidget()->setGeometry(0, 0, 480, 280);
        box->setGeometry(0, 0, 480, 280);
        resize(480, 280);
    }
    bool event(QEvent* event) override
    {
        if (event->type() == platform::NotifyEvent::WM_NOTIFY())
            messages.append(static_cast<platform::LinkNotifyEvent*>(event)->msg());
        return QWidget::event(event);
    }
    RichTextBox* box;
    QList<int> messages;
};

// The middle of the character at `position`, in the box's viewport.
QPoint PointOf(const RichTextBox* box, int position)
{
    QTextCursor at(box->document());
    at.setPosition(position);
    const QRect left = box->cursorRect(at);
    at.movePosition(QTextCursor::NextCharacter);
    return QPoint((left.left() + box->cursorRect(at).left()) / 2, left.center().y());
}

void Click(RichTextBox* box, int position, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(box->viewport(), button, {}, PointOf(box, position));
}

QStringList LinkTexts(const RichTextBox& box)
{
    QStringList texts;
    for (const platform::CharRange& link : box.Links())
        texts.append(box.TextRange(link.cpMin, link.cpMax));
    return texts;
}

class Browser : public QObject
{
    Q_OBJECT
public slots:
    void open(const QUrl& url) { opened.append(url); }
public:
    QList<QUrl> opened;
};

} // namespace

class TestRichText : public QObject
{
    Q_OBJECT

private:
    doubles::Surroundings out;
    QTemporaryDir folder;

private slots:
    void init() { out.shell.calls.clear(); }

    void runsAreSavedAsLibreOfficeReadsThem()
    {
        RichTextBox box(nullptr, "RTB");
        box.AutoUrlDetect(true);
        box.setSelBold(true);
        box.setSelColor(QColor(128, 0, 128));
        box.setSelText("Français\r\n\r\n");
        box.setSelBold(false);
        box.setSelColor(QColor(128, 0, 0));
        box.setSelText("Braces {and} back\\slashes: ");
        box.setSelColor(Qt::black);
        box.setSelText("smile 😀 at http://www.example.com/a_b\r\nlast line");
        QCOMPARE(box.toPlainText(), "Français\n\nBraces {and} back\\slashes: smile 😀 at http://www.example.com/a_b\nlast line");
        QCOMPARE(box.SelStart(), box.document()->characterCount() - 1);
        QCOMPARE(readers::StyledWords(*box.document()).mid(0, 2), QStringList({"Français bold #800080", "Braces #800000"}));

        const QString path = folder.filePath("sample.rtf");
        QVERIFY(box.SaveFile(path));
        QCOMPARE(readers::LibreOffice(path, "txt"), box.toPlainText() + "\n");
        QTextDocument readBack;
        readBack.setHtml(readers::LibreOffice(path, "html"));
        // The same words, bold and colours; the link is shown, not written.
        QCOMPARE(readers::StyledWords(readBack), readers::StyledWords(*box.document()));

        box.setSelStart(0);
        box.setSelLength(9);
        QCOMPARE(box.SelText(), QString("Français\r\n"));
    }

    void aFailedSaveLeavesTheFileAsItWas()
    {
        RichTextBox box(nullptr, "RTB");
        box.setSelText("new");
        QDir(folder.path()).mkdir("locked");
        const QString inLocked = folder.filePath("locked/report.rtf");
        const QString readOnly = folder.filePath("readonly.rtf");
        for (const QString& path : {inLocked, readOnly}) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("old") == 3);
        }
        QFile::setPermissions(folder.filePath("locked"), QFile::ReadOwner | QFile::ExeOwner);
        QFile::setPermissions(readOnly, QFile::ReadOwner); // its folder would let it be replaced
        QVERIFY(!box.SaveFile(inLocked));
        QVERIFY(!box.SaveFile(readOnly));
        QFile::setPermissions(folder.filePath("locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        for (const QString& path : {inLocked, readOnly}) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll() == "old");
        }
    }

    void printsTheSelectionOrTheWholeDocument()
    {
        out.printer.pdfPath = folder.filePath("printed.pdf");
        RichTextBox box(nullptr, "RTB");
        box.setSelText("First paragraph\r\nSecond paragraph");
        QVERIFY(box.SelPrint(out.printer));
        QCOMPARE(readers::PdfText(out.printer.pdfPath).simplified(), "First paragraph Second paragraph");
        box.setSelStart(6);
        box.setSelLength(9);
        QVERIFY(box.SelPrint(out.printer));
        QCOMPARE(readers::PdfText(out.printer.pdfPath).simplified(), "paragraph");
        if (QPrinterInfo::availablePrinterNames().isEmpty()) // as on the machines that test
            QVERIFY(!box.SelPrint(platform::Printer::real()));
    }

    void webAddressesAreDetectedAsTheTextComes()
    {
        RichTextBox box(nullptr, "RTB");
        box.setSelText("see www.a.com or HTTP://B.com/x\r\nmailto:me@c.com, ftp:f file:/a news:n telnet:t gopher:g "
                       "wais:w prospero:p https://s; not http: www. xhttp://x sip:s");
        box.AutoUrlDetect(true);
        QCOMPARE(LinkTexts(box), QStringList({"www.a.com", "HTTP://B.com/x", "mailto:me@c.com,", "ftp:f", "file:/a",
                                              "news:n", "telnet:t", "gopher:g", "wais:w", "prospero:p", "https://s;"}));
        box.clear();
        QTest::keyClicks(&box, "typed www.typed.org/more\tand");
        QCOMPARE(LinkTexts(box), QStringList({"www.typed.org/more"}));
        QCOMPARE(box.extraSelections().size(), 1); // drawn over the link alone
        QCOMPARE(box.extraSelections().first().cursor.selectedText(), "www.typed.org/more");

        // A change looks again at the paragraphs it touched only: the links found that way are
        // those a look at the whole text finds.
        box.setPlainText("a www.one.org b\nc www.two.org d www.three.org\ne www.four.org");
        const auto edit = [&](int at, int removing, const QString& inserting) {
            QTextCursor cursor(box.document());
            cursor.setPosition(at);
            cursor.setPosition(at + removing, QTextCursor::KeepAnchor);
            cursor.insertText(inserting);
            const QList<platform::CharRange> found = box.Links();
            box.AutoUrlDetect(true);
            QCOMPARE(found, box.Links());
        };
        edit(20, 0, "xx www.new.net ");
        edit(4, 30, "");
        edit(0, 0, "www.first.org\n\n");
        edit(box.document()->characterCount() - 1, 0, "/end");
        edit(16, 1, "");
        QCOMPARE(LinkTexts(box), QStringList({"www.first.org", "www.three.org", "www.four.org/end"}));
    }

    void aLeftPressOnALinkOpensIt()
    {
        Owner owner;
        owner.box->setSelText("Visit http://www.example.com/page today.");
        mod_RTB::EnableRichTextLinks(owner.box, &owner);
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        Click(owner.box, 10);
        QCOMPARE(out.shell.calls.size(), 1);
        const doubles::Shell::Call call = out.shell.calls.first();
        QCOMPARE(call.owner.data(), &owner);
        QCOMPARE(call.verb + " " + call.file, "Open http://www.example.com/page");
        QVERIFY(!call.parameters && !call.directory);
        QCOMPARE(call.showCommand, int(platform::Shell::SW_SHOW));
        // The window's own handling still saw the press and the release; the caret moved there.
        QCOMPARE(owner.messages, QList<int>({platform::WM_LBUTTONDOWN, platform::WM_LBUTTONUP}));
        QVERIFY(qAbs(owner.box->SelStart() - 10) <= 1);

        // A double click opens once: its second press comes as a double click.
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        QTest::mouseDClick(owner.windowHandle(), Qt::LeftButton, {}, owner.box->viewport()->mapTo(&owner, PointOf(owner.box, 20)));
        QVERIFY(owner.messages.contains(platform::WM_LBUTTONDBLCLK));
        Click(owner.box, 10, Qt::RightButton);
        Click(owner.box, 2);  // "Visit"
        Click(owner.box, 36); // "today."
        QCOMPARE(out.shell.calls.size(), 2);
        QVERIFY(owner.messages.contains(platform::WM_RBUTTONDOWN));
    }

    void onlyTheBoxServedLastOpensLinks()
    {
        Owner first;
        auto* other = new RichTextBox(&first, "other"); // another control of the same window
        other->setGeometry(0, 0, 480, 100);
        other->setSelText("http://other.example.com");
        other->SetEventMask(RichTextBox::ENM_LINK);
        other->AutoUrlDetect(true);
        const QString longLink = "http://example.com/" + QString(4981, 'x');
        first.box->setSelText(longLink + " end");
        first.box->setGeometry(0, 100, 480, 180);
        mod_RTB::EnableRichTextLinks(first.box, &first);
        mod_RTB::EnableRichTextLinks(first.box, &first); // twice: still one opening per press
        first.show();
        QVERIFY(QTest::qWaitForWindowExposed(&first));
        Click(other, 3);
        Click(first.box, 3);
        QCOMPARE(out.shell.files(), QStringList({longLink}));

        Owner second;
        second.box->setSelText("www.second.example.com");
        mod_RTB::EnableRichTextLinks(second.box, &second);
        second.show();
        QVERIFY(QTest::qWaitForWindowExposed(&second));
        Click(first.box, 3);
        Click(second.box, 3);
        QCOMPARE(out.shell.files(), QStringList({longLink, "www.second.example.com"}));
    }

    void theShellOpensAnAddressWithoutSchemeAsAWebPage()
    {
        Browser browser;
        QDesktopServices::setUrlHandler("http", &browser, "open");
        platform::Shell::real().ShellExecute(nullptr, "Open", "www.example.com", std::nullopt, std::nullopt, 5);
        QDesktopServices::unsetUrlHandler("http");
        QCOMPARE(browser.opened, QList<QUrl>({QUrl("http://www.example.com")}));
    }
};

QTEST_MAIN(TestRichText)
#include "tst_richtext.moc"
