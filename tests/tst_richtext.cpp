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
struct Owner : QWidget
{
    Owner() { resize(480, 280); panel->resize(size()); box->resize(size()); }
    bool event(QEvent* event) override
    {
        if (event->type() == platform::NotifyEvent::WM_NOTIFY())
            messages.append(static_cast<platform::LinkNotifyEvent*>(event)->msg());
        return QWidget::event(event);
    }
    QWidget* panel = new QWidget(this);
    RichTextBox* box = new RichTextBox(panel, "RTB");
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
        const struct { bool bold; QColor colour; QString text; } runs[] = {
            {true, QColor(128, 0, 128), "Français\r\n\r\n"},
            {false, QColor(128, 0, 0), "Braces {and} back\\slashes: "},
            {false, Qt::black, "smile 😀 at http://www.example.com/a_b\r\nlast line"}};
        for (const auto& run : runs) {
            box.setSelBold(run.bold);
            box.setSelColor(run.colour);
            box.setSelText(run.text);
        }

        const QString path = folder.filePath("sample.rtf");
        QVERIFY(box.SaveFile(path));
        QCOMPARE(readers::LibreOffice(path, "txt"), box.toPlainText() + "\n");
        QTextDocument readBack;
        readBack.setHtml(readers::LibreOffice(path, "html"));
        // The same words, bold and colours; the link is shown, not written.
        QCOMPARE(readers::StyledWords(readBack), readers::StyledWords(*box.document()));
    }

    // The file is write-protected, though its folder would let it be replaced.
    void aFailedSaveLeavesTheFileAsItWas()
    {
        RichTextBox box(nullptr, "RTB");
        box.setSelText("new");
        QFile file(folder.filePath("readonly.rtf"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("old") == 3);
        file.close();
        file.setPermissions(QFile::ReadOwner);
        QVERIFY(!box.SaveFile(file.fileName()));
        QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll() == "old");
    }

    void printsTheSelection()
    {
        out.printer.pdfPath = folder.filePath("printed.pdf");
        RichTextBox box(nullptr, "RTB");
        box.setSelText("First paragraph\r\nSecond paragraph");
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
        box.setSelText("see www.a.com or HTTP://B.com/x\r\nmailto:me@c.com, file:/a https://s; not http: www. xhttp://x sip:s");
        box.AutoUrlDetect(true);
        QCOMPARE(LinkTexts(box), QStringList({"www.a.com", "HTTP://B.com/x", "mailto:me@c.com,", "file:/a", "https://s;"}));
        box.clear();
        QTest::keyClicks(&box, "typed www.typed.org/more\tand");
        QCOMPARE(box.extraSelections().size(), 1); // drawn over the link alone
        QCOMPARE(box.extraSelections().first().cursor.selectedText(), "www.typed.org/more");

        // A change looks again at the paragraphs it touched only: the links found that way are
        // those a look at the whole text finds.
        box.setPlainText("a www.one.org b\nc www.two.org d www.three.org\nwww.four.org");
        const struct { int at, removing; QString inserting; } edits[] = {
            {20, 0, "xx www.new.net "}, {4, 30, ""}, {0, 0, "www.first.org\n\n"}, {58, 0, "/end"}, {16, 1, ""}};
        for (const auto& edit : edits) {
            QTextCursor cursor(box.document());
            cursor.setPosition(edit.at);
            cursor.setPosition(edit.at + edit.removing, QTextCursor::KeepAnchor);
            cursor.insertText(edit.inserting);
            const QList<platform::CharRange> found = box.Links();
            box.AutoUrlDetect(true);
            QCOMPARE(found, box.Links());
        }
        QCOMPARE(LinkTexts(box), QStringList({"www.first.org", "www.three.org", "www.four.org/end"}));
    }

    // A left press on a link of the box served last opens the link, once; the press still
    // reaches the box and its window.
    void aLeftPressOnALinkOpensIt()
    {
        Owner owner;
        const QString longLink = "http://example.com/" + QString(4981, 'x');
        owner.box->setSelText("Visit http://www.example.com/page today.\r\n" + longLink);
        owner.box->setSelStart(0); // the view shows the top
        mod_RTB::EnableRichTextLinks(owner.box, &owner);
        mod_RTB::EnableRichTextLinks(owner.box, &owner); // twice: still one opening per press
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        Click(owner.box, 10);
        QCOMPARE(owner.messages, QList<int>({platform::WM_LBUTTONDOWN, platform::WM_LBUTTONUP}));
        QVERIFY(qAbs(owner.box->SelStart() - 10) <= 1); // the caret moved there

        // A double click opens once: its second press comes as a double click.
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        QTest::mouseDClick(owner.windowHandle(), Qt::LeftButton, {}, owner.box->viewport()->mapTo(&owner, PointOf(owner.box, 20)));
        Click(owner.box, 10, Qt::RightButton);
        for (const int notOnALink : {2, 36}) // "Visit", "today."
            Click(owner.box, notOnALink);
        Click(owner.box, 45);
        QCOMPARE(out.shell.files(), QStringList({"http://www.example.com/page", "http://www.example.com/page", longLink}));
        QVERIFY(owner.messages.contains(platform::WM_LBUTTONDBLCLK) && owner.messages.contains(platform::WM_RBUTTONDOWN));
        const doubles::Shell::Call call = out.shell.calls.first();
        QCOMPARE(call.owner.data(), &owner);
        QCOMPARE(call.verb, "Open");
        QVERIFY(!call.parameters && !call.directory && call.showCommand == platform::Shell::SW_SHOW);

        Owner second;
        second.box->setSelText("www.second.example.com");
        mod_RTB::EnableRichTextLinks(second.box, &second);
        second.show();
        QVERIFY(QTest::qWaitForWindowExposed(&second));
        Click(owner.box, 10);
        Click(second.box, 3);
        QCOMPARE(out.shell.files().mid(3), QStringList({"www.second.example.com"}));
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
