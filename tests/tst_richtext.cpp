// The rich-text box: insertion formatting, RTF files read back by LibreOffice, printing, and
// web addresses that open with a left press.

#include "platform/Printer.h"
#include "platform/RichTextBox.h"
#include "platform/Shell.h"
#include "report/mod_RTB.h"
#include "support/Doubles.h"
#include "support/Readers.h"

#include <QDesktopServices>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QtTest>
#include <memory>

using platform::RichTextBox;

namespace {

const QColor Magenta(128, 0, 128);
const QColor Red(128, 0, 0);
const QColor Black(0, 0, 0);

// A window with a box on a panel of it, as the report window holds its box; the window records
// the notifications that reach its own handling.
class Owner : public QWidget
{
public:
    Owner()
    {
        auto* panel = new QWidget(this);
        panel->setGeometry(0, 0, 500, 300);
        box = new RichTextBox(panel, QStringLiteral("RTB"));
        box->setGeometry(10, 10, 480, 280);
        resize(500, 300);
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

QStringList LinkTexts(const RichTextBox& box)
{
    QStringList texts;
    for (const platform::CharRange& link : box.Links())
        texts.append(box.TextRange(link.cpMin, link.cpMax));
    return texts;
}

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void Write(const QString& path, const QByteArray& contents)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

// Takes the web addresses that the desktop would hand to the browser.
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
    std::unique_ptr<doubles::Surroundings> out;
    QTemporaryDir folder;

    // Runs with every kind of character the file must carry, and a link.
    void writeSample(RichTextBox& box)
    {
        box.setSelBold(true);
        box.setSelColor(Magenta);
        box.setSelText("Français\r\n\r\n");
        box.setSelBold(false);
        box.setSelColor(Red);
        box.setSelText("Braces {and} back\\slashes: ");
        box.setSelColor(Black);
        box.setSelText("smile 😀 at http://www.example.com/a_b\r\nlast line");
    }

private slots:
    void init()
    {
        out = std::make_unique<doubles::Surroundings>();
        out->printer.pdfPath = folder.filePath("printed.pdf");
    }
    void cleanup() { out.reset(); }

    void insertedRunsKeepTheirFormatting()
    {
        QWidget window;
        RichTextBox box(&window, "RTB");
        writeSample(box);

        QCOMPARE(box.toPlainText(),
                 QString("Français\n\nBraces {and} back\\slashes: smile 😀 at http://www.example.com/a_b\nlast line"));
        QCOMPARE(box.document()->blockCount(), 4);
        QCOMPARE(box.SelStart(), box.document()->characterCount() - 1); // the caret follows the text
        QCOMPARE(box.SelLength(), 0);
        QCOMPARE(readers::StyledWords(*box.document()).mid(0, 4),
                 QStringList({"Français bold #800080", "Braces #800000", "{and} #800000", "back\\slashes: #800000"}));
        QCOMPARE(readers::StyledWords(*box.document()).last(), QString("line #000000"));

        // A selection across a line break reads back with CR LF and is replaced as a whole.
        box.setSelStart(0);
        box.setSelLength(9);
        QCOMPARE(box.SelText(), QString("Français\r\n"));
        QVERIFY(box.SelBold());
        QCOMPARE(box.SelColor(), Magenta);
        box.setSelText("Title\r\n");
        QCOMPARE(box.toPlainText().left(7), QString("Title\n\n"));
    }

    void savedFileReadsBackInLibreOffice()
    {
        QWidget window;
        RichTextBox box(&window, "RTB");
        box.setFont(QFont("Verdana", 10));
        box.AutoUrlDetect(true);
        writeSample(box);
        QCOMPARE(LinkTexts(box), QStringList({"http://www.example.com/a_b"}));

        const QString path = folder.filePath("sample.rtf");
        QVERIFY(box.SaveFile(path, RichTextBox::rtfRTF));
        QVERIFY(Contents(path).startsWith("{\\rtf1\\ansi\\ansicpg1252"));

        QCOMPARE(readers::TextOfRtf(path), box.toPlainText() + "\n");
        QTextDocument readBack;
        readBack.setHtml(readers::HtmlOfRtf(path));
        // The same words, bold and colours; the link is shown only, not written.
        QCOMPARE(readers::StyledWords(readBack), readers::StyledWords(*box.document()));
    }

    void aFailedSaveLeavesTheFileAsItWas()
    {
        QWidget window;
        RichTextBox box(&window, "RTB");
        box.setSelText("new report");

        const QString locked = folder.filePath("locked");
        QVERIFY(QDir().mkpath(locked));
        const QString inLocked = locked + "/report.rtf";
        Write(inLocked, "old");
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
        const bool savedInLocked = box.SaveFile(inLocked);
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!savedInLocked);
        QCOMPARE(Contents(inLocked), QByteArray("old"));

        // A read-only file is not replaced either, although its folder would allow it.
        const QString readOnly = folder.filePath("readonly.rtf");
        Write(readOnly, "old");
        QFile::setPermissions(readOnly, QFile::ReadOwner);
        QVERIFY(!box.SaveFile(readOnly));
        QCOMPARE(Contents(readOnly), QByteArray("old"));

        QVERIFY(!box.SaveFile(folder.filePath("missing/report.rtf")));
        QVERIFY(box.SaveFile(folder.filePath("report.rtf")));
        QVERIFY(Contents(folder.filePath("report.rtf")).contains("new report"));
    }

    void printsTheSelectionOrTheWholeDocument()
    {
        QWidget window;
        RichTextBox box(&window, "RTB");
        box.setSelText("First paragraph\r\nSecond paragraph");
        QVERIFY(box.SelPrint(out->printer));
        QCOMPARE(readers::PdfText(out->printer.pdfPath).simplified(), QString("First paragraph Second paragraph"));

        box.setSelStart(6);
        box.setSelLength(9);
        QVERIFY(box.SelPrint(out->printer));
        QCOMPARE(readers::PdfText(out->printer.pdfPath).simplified(), QString("paragraph"));

        out->printer.missing = true;
        QVERIFY(!box.SelPrint(out->printer));
        QCOMPARE(out->printer.printed, 2);

        // This machine has no printer: the real one reports that nothing was printed.
        if (QPrinterInfo::availablePrinterNames().isEmpty())
            QVERIFY(!box.SelPrint(platform::Printer::real()));
    }

    void webAddressesAreDetected()
    {
        QWidget window;
        RichTextBox box(&window, "RTB");
        box.setSelText("see www.example.com or HTTP://Example.com/x\r\nmailto:me@example.com, ftp:f file:/tmp/a\r\n"
                       "news:n telnet:t gopher:g wais:w prospero:p https://s.example.com");
        QVERIFY(box.Links().isEmpty()); // not before detection is on
        box.AutoUrlDetect(true);
        QCOMPARE(LinkTexts(box), QStringList({"www.example.com", "HTTP://Example.com/x", "mailto:me@example.com,",
                                              "ftp:f", "file:/tmp/a", "news:n", "telnet:t", "gopher:g", "wais:w",
                                              "prospero:p", "https://s.example.com"}));

        box.clear();
        box.setSelText("http: alone, www. alone, xhttp://no, sip:no, http://a\tb");
        QCOMPARE(LinkTexts(box), QStringList({"http://a"}));

        // Text typed later is detected as it comes.
        QTest::keyClicks(&box, " www.typed.org");
        QCOMPARE(LinkTexts(box), QStringList({"http://a", "www.typed.org"}));
        QTest::keyClicks(&box, "/more and");
        QCOMPARE(LinkTexts(box).last(), QString("www.typed.org/more"));
        QStringList drawn;
        for (const QTextEdit::ExtraSelection& link : box.extraSelections())
            drawn.append(link.cursor.selectedText());
        QCOMPARE(drawn, LinkTexts(box));
    }

    void aLeftPressOnALinkOpensIt()
    {
        Owner owner;
        owner.box->setSelText("Visit http://www.example.com/page today.");
        mod_RTB::EnableRichTextLinks(owner.box, &owner);
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        QWidget* viewport = owner.box->viewport();

        QTest::mouseClick(viewport, Qt::LeftButton, {}, PointOf(owner.box, 10));
        QCOMPARE(out->shell.calls.size(), 1);
        const doubles::Shell::Call call = out->shell.calls.first();
        QCOMPARE(call.owner.data(), &owner);
        QCOMPARE(call.verb, QString("Open"));
        QCOMPARE(call.file, QString("http://www.example.com/page"));
        QVERIFY(!call.parameters && !call.directory);
        QCOMPARE(call.showCommand, int(platform::Shell::SW_SHOW));
        // The window's own handling saw the press and the release; the box moved its caret.
        QCOMPARE(owner.messages, QList<int>({platform::WM_LBUTTONDOWN, platform::WM_LBUTTONUP}));
        QCOMPARE(owner.box->SelStart(), owner.box->cursorForPosition(PointOf(owner.box, 10)).position());

        // A double click opens once: its second press is a double click, not a press.
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        const QPoint inWindow = viewport->mapTo(&owner, PointOf(owner.box, 20));
        QTest::mouseDClick(owner.windowHandle(), Qt::LeftButton, {}, inWindow);
        QCOMPARE(out->shell.calls.size(), 2);
        QVERIFY(owner.messages.contains(platform::WM_LBUTTONDBLCLK));

        QTest::mouseClick(viewport, Qt::RightButton, {}, PointOf(owner.box, 10));
        QTest::mouseClick(viewport, Qt::LeftButton, {}, PointOf(owner.box, 2));  // "Visit"
        QTest::mouseClick(viewport, Qt::LeftButton, {}, PointOf(owner.box, 36)); // "today."
        QCOMPARE(out->shell.calls.size(), 2);
        QVERIFY(owner.messages.contains(platform::WM_RBUTTONDOWN));
        QCOMPARE(owner.box->SelStart(), owner.box->cursorForPosition(PointOf(owner.box, 36)).position());
    }

    void onlyTheBoxServedLastOpensLinks()
    {
        Owner first;
        auto* other = new RichTextBox(&first, "other"); // a second box of the same window
        other->setGeometry(0, 0, 400, 100);
        other->setSelText("http://other.example.com");
        other->SetEventMask(RichTextBox::ENM_LINK);
        other->AutoUrlDetect(true);
        const QString longLink = "http://example.com/" + QString(4981, 'x');
        first.box->setSelText(longLink + " end");
        mod_RTB::EnableRichTextLinks(first.box, &first);
        mod_RTB::EnableRichTextLinks(first.box, &first); // twice: still one opening per press
        first.show();
        QVERIFY(QTest::qWaitForWindowExposed(&first));

        QTest::mouseClick(other->viewport(), Qt::LeftButton, {}, PointOf(other, 3));
        QVERIFY(out->shell.calls.isEmpty());
        QTest::mouseClick(first.box->viewport(), Qt::LeftButton, {}, PointOf(first.box, 3));
        QCOMPARE(out->shell.files(), QStringList({longLink})); // 5,000 characters, whole

        // Served anew on another window, the first one opens nothing more.
        Owner second;
        second.box->setSelText("www.second.example.com");
        mod_RTB::EnableRichTextLinks(second.box, &second);
        second.show();
        QVERIFY(QTest::qWaitForWindowExposed(&second));
        QTest::mouseClick(first.box->viewport(), Qt::LeftButton, {}, PointOf(first.box, 3));
        QTest::mouseClick(second.box->viewport(), Qt::LeftButton, {}, PointOf(second.box, 3));
        QCOMPARE(out->shell.files(), QStringList({longLink, "www.second.example.com"}));
    }

    void theShellOpensAnAddressWithoutSchemeAsAWebPage()
    {
        Browser browser;
        QDesktopServices::setUrlHandler("http", &browser, "open");
        platform::Shell::real().ShellExecute(nullptr, "Open", "www.example.com", std::nullopt, std::nullopt,
                                             platform::Shell::SW_SHOW);
        QDesktopServices::unsetUrlHandler("http");
        QCOMPARE(browser.opened, QList<QUrl>({QUrl("http://www.example.com")}));
    }
};

QTEST_MAIN(TestRichText)
#include "tst_richtext.moc"
