// The rich-text box: saves that are refused, printing, the web addresses it detects, and the
// shell that opens them.

#include "platform/RichTextBox.h"
#include "support/Doubles.h"
#include "support/Readers.h"

#include <QDesktopServices>
#include <QTemporaryDir>
#include <QtTest>

using platform::RichTextBox;

namespace {

// The links the box shows, underlined over their text.
QStringList LinksShown(const RichTextBox& box)
{
    QStringList texts;
    for (const QTextEdit::ExtraSelection& link : box.extraSelections())
        texts.append(link.cursor.selectedText() + (link.format.fontUnderline() ? "" : " (not underlined)"));
    return texts;
}

// What reaches the desktop's handler of an address.
struct Browser : QObject
{
    Q_OBJECT
public:
    Q_INVOKABLE void open(const QUrl& url) { opened.append(url.toEncoded()); }
    QStringList opened;
};

} // namespace

class TestRichText : public QObject
{
    Q_OBJECT

private:
    doubles::Surroundings out;
    QTemporaryDir folder;

private slots:
    // Every character is saved, a control character as its control word or its code; a
    // write-protected file keeps what it holds, though its folder would let it be replaced.
    void savesEveryCharacterWhereItMay()
    {
        RichTextBox box(nullptr, "RTB");
        box.setSelText(QString("tab\tpage\fbell\aescape\x1b one\x01 del\x7f line") + QChar::LineSeparator + "end");
        const QString path = folder.filePath("saved.rtf");
        QVERIFY(box.SaveFile(path));
        const QString saved = readers::Output("cat", {path});
        QVERIFY2(saved.contains("tab\\tab page\\page bell\\u7?escape\\u27? one\\u1? del\\u127? line\\line end"), qPrintable(saved));
        QFile::setPermissions(path, QFile::ReadOwner);
        box.setSelText(" and more");
        QVERIFY(!box.SaveFile(path));
        QCOMPARE(readers::Output("cat", {path}), saved);
    }

    // The selection alone, in the box's font, 2 cm from the page's left and top edges.
    void printsTheSelection()
    {
        out.printer.pdfPath = folder.filePath("printed.pdf");
        RichTextBox box(nullptr, "RTB");
        box.setFont(QFont("DejaVu Serif", 20));
        box.setSelText("First paragraph\r\nSecond paragraph");
        box.setSelStart(6);
        box.setSelLength(9);
        box.SelPrint(out.printer);
        // One page, whose one word's left and top edges are 2 cm (57 points) into the page; as high as
        // a line of 20-point type.
        const QString page = readers::Output("pdftotext", {"-bbox", out.printer.pdfPath, "-"});
        const QStringList edges = page.section("<word ", 1, 1).split('"');
        const double left = edges.value(1).toDouble(), top = edges.value(3).toDouble(), height = edges.value(7).toDouble() - top;
        QVERIFY2(page.count("<page ") == 1 && page.count("<word ") == 1 && edges.value(8).startsWith(">paragraph<") && qAbs(left - 56.7) < 2
                     && qAbs(top - 56.7) < 4 && qAbs(height - 23) < 3, qPrintable(page));
        QVERIFY(readers::Output("pdffonts", {out.printer.pdfPath}).contains("DejaVuSerif"));
    }

    void webAddressesAreDetectedAsTheTextComes()
    {
        // Each scheme the box knows, in any letter case, up to a blank or a tab; then texts that are no link.
        const QStringList links = {"http://a.org/x", "HTTPS://B.com/x,", "ftp://f.org", "mailto:me@c.com", "file:/a", "news:comp.x",
                                   "telnet://t.org", "gopher://g.org", "wais://w.org", "prospero://p.org", "WWW.a.com"};
        const QStringList noLinks = {"http:", "www.", "xhttp://x.org", "awww.a.com", "wwwx.a.com", "sip:s.org"};
        RichTextBox box(nullptr, "RTB");
        box.AutoUrlDetect(true);
        for (const QString& text : links + noLinks) {
            box.setPlainText("see " + text + "\tnow");
            QCOMPARE(LinksShown(box), links.contains(text) ? QStringList({text}) : QStringList());
        }

        // A change looks again at the paragraphs it touched only: the links found that way are
        // those a look at the whole text finds.
        box.setPlainText("a www.one.org b\nc www.two.org d www.three.org\nwww.four.org");
        const struct { int at, removing; QString inserting; } edits[] = {
            {20, 0, "xx www.new.net "}, {4, 30, ""}, {0, 0, "www.first.org\n\n"}, {58, 0, "/end"}, {16, 1, ""}};
        for (const auto& edit : edits) {
            box.setSelStart(edit.at);
            box.setSelLength(edit.removing);
            box.setSelText(edit.inserting);
            const QList<platform::CharRange> found = box.Links();
            box.AutoUrlDetect(true);
            QCOMPARE(found, box.Links());
        }
        QCOMPARE(LinksShown(box), QStringList({"www.first.org", "www.three.org", "www.four.org/end"}));
    }

    // A link reaches the browser as the box holds it, a "www." address as a web page; a text that
    // is no valid address opens nothing.
    void theShellOpensTheAddressAsItIs()
    {
        const QList<QPair<QString, QString>> links = {{"www.example.com", "http://www.example.com"},
            {"https://user@example.org/a b", "https://user@example.org/a%20b"}, {"mailto:me@c.com,", "mailto:me@c.com,"},
            {"ftp://f.org/x", "ftp://f.org/x"}, {"https://user@@example.org/", ""}, {"http://--version", ""},
            {"http://example.org:99999/x", ""}, {"example.org", ""}};
        Browser browser;
        for (const char* scheme : {"", "http", "https", "mailto", "ftp", "file"}) // "": no scheme
            QDesktopServices::setUrlHandler(scheme, &browser, "open");
        for (const auto& [link, opened] : links) {
            browser.opened.clear();
            platform::Shell::real().ShellExecute(nullptr, "Open", link, std::nullopt, std::nullopt, 5);
            QCOMPARE(browser.opened, opened.isEmpty() ? QStringList() : QStringList({opened}));
        }
    }
};

QTEST_MAIN(TestRichText)
#include "tst_richtext.moc"
