// The report window and its rich-text box: the profile it composes, Save and Print, its link
// labels, the web addresses in its box and the shell that opens them, and its opening from the
// main window.

#include "app/mod_All.h"
#include "app/mod_Help.h"
#include "main_window/frmMain.h"
#include "report/frmSave.h"
#include "signs/zodiac.h"
#include "support/Doubles.h"
#include "support/Readers.h"

#include <QDesktopServices>
#include <QTcpServer>
#include <QtTest>
#include <QtWidgets>
#include <csignal>
#include <memory>
#include <sys/resource.h>

using platform::RichTextBox;

namespace {

// The report of Aries from a record whose fields hold their numbers; "[...]" starts a run's style.
const QString MarkedAries =
    "[*m]Aries\n\n[r]Birth Dates: [k]2\n[r]Zodiac Symbol: [k]3\n[r]Zodiac Element: [k]4\n[r]Zodiac Quality: [k]5\n\n"
    "[*c]Planets Associated\n[r]Domicile Planet: [k]6\n[r]Detriment Planet: [k]7\n[r]Exaltation Planet: [k]8\n\n"
    "[*c]Lucky Charm\n[r]Birth Stone: [k]9\n[r]Lucky Colors: [k]10\n[r]Lucky Numbers: [k]11\n[r]Lucky Day: [k]12\n"
    "[r]Lucky Gemstones: [k]13\n[r]Lucky Metals: [k]14\n\n[*c]General Traits\n[k]16\n\n\n[*c]Positive Traits\n[k]17\n\n\n"
    "[*c]Negative Traits\n[k]18\n\n\n[*c]Friendship Traits\n[k]19\n\n\n[*c]Compatibility Traits\n[k]20\n\n"
    "[*c]Aries As Family\n[k]Aries As Mother: 21\nAries As Father: 22\nAries As Child: 23\n\n[*c]Common Profession\n[k]24\n\n"
    "[*c]Health Concern\n[k]25\n\n[*c]Financial Habits\n[k]26\n\n[*c]Fashion Style\n[k]27\n\n[*c]Travel Habits\n[k]28\n\n"
    "[*c]Love And Romance\n[k]29\n\n[*c]Famous Personalities\n[k]15\n\n";

// The document's text with its style written where it changes: "*" for bold, then the colour,
// k black, r red, c cyan, m magenta.
QString Styled(const QTextDocument& document)
{
    static const QMap<QRgb, QString> names = {{qRgb(0, 0, 0), "k"}, {qRgb(128, 0, 0), "r"},
                                              {qRgb(0, 128, 128), "c"}, {qRgb(128, 0, 128), "m"}};
    QString text, style;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            const QColor colour = format.foreground().color();
            const QString next = (format.fontWeight() > QFont::Medium ? "[*" : "[") + names.value(colour.rgb(), colour.name()) + "]";
            if (next != style)
                text += style = next;
            text += it.fragment().text();
        }
        text += block.next().isValid() ? "\n" : "";
    }
    return text;
}

// A point of the character at `position`, in the box's viewport.
QPoint PointOf(const RichTextBox* box, int position)
{
    QTextCursor at(box->document());
    at.setPosition(position);
    return box->cursorRect(at).center() + QPoint(2, 0);
}

void Click(RichTextBox* box, int position, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(box->viewport(), button, {}, PointOf(box, position));
}

// The user's answers to the Save As dialog and the boxes it brings up, as each comes up: a name
// typed or "Cancel" in the dialog, "Yes", "No" or "OK" in a box. What each showed is noted: the
// dialog's title, filter and name, a box's text. A dialog that a box leaves open takes the next
// answer once the box has been answered.
struct User : QObject
{
    explicit User(const QStringList& answers) : answers(answers) { qApp->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && (qobject_cast<QFileDialog*>(watched) || qobject_cast<QMessageBox*>(watched)))
            answerSoon(static_cast<QWidget*>(watched));
        return false;
    }
    void answerSoon(QWidget* modal)
    {
        QTimer::singleShot(0, modal, [this, modal] { give(modal, answers.isEmpty() ? "Cancel" : answers.takeFirst()); });
    }
    void give(QWidget* modal, const QString& answer)
    {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            seen.append(box->text());
            if (answer != "Yes")
                answerSoon(box->parentWidget());
            return box->button(answer == "Yes" ? QMessageBox::Yes : answer == "No" ? QMessageBox::No : QMessageBox::Ok)->click();
        }
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        seen.append(dialog->windowTitle() + " | " + dialog->selectedNameFilter() + " | " + name->text());
        // The name typed, not a file picked in the list, is the one chosen.
        dialog->findChild<QAbstractItemView*>("listView")->clearSelection();
        name->setText(answer);
        answer == "Cancel" ? dialog->reject() : static_cast<QDialog*>(dialog)->accept();
    }
    QStringList answers, seen;
};

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

class TestReport : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<doubles::Surroundings> out;
    std::unique_ptr<QTemporaryDir> folder;
    QPointer<frmSave> report;

    QString inFolder(const QString& name) const { return folder->filePath(name); }
    frmSave& openReport(const QString& sign)
    {
        mod_All::SelectedSign = sign;
        return *(report = &platform::form<frmSave>());
    }
    RichTextBox* box() const { return report->findChild<RichTextBox*>("RTB"); }
    void click(const QString& name) { QTest::mouseClick(report->findChild<QWidget*>(name), Qt::LeftButton); }

private slots:
    void init()
    {
        out = std::make_unique<doubles::Surroundings>();
        folder = std::make_unique<QTemporaryDir>();
        out->printer.pdfPath = inFolder("printed.pdf");
        FindSign("Leo")->load();
    }

    void cleanup() { out.reset(); } // and the windows left open with it

    // The main window shows the chosen sign's report until it is closed, composed afresh each
    // time: what the user typed there is gone.
    void composesTheChosenSignsProfileAfreshEachTime()
    {
        frmMain main; // which shows Aries at first
        main.Load();
        *FindSign("Aries")->record = {"1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "10",
                                      "11", "12", "13", "14", "15", "16", "17", "18", "19", "20",
                                      "21", "22", "23", "24", "25", "26", "27", "28", "29"};
        QStringList reports;
        for (int shown = 1; shown <= 2; ++shown) {
            QTimer::singleShot(0, [&] { // in the report window, shown modally
                report = qobject_cast<frmSave*>(QApplication::activeModalWidget());
                reports.append(Styled(*box()->document()));
                QTest::keyClicks(box(), "typed by the user");
                report->close();
            });
            QTest::mouseClick(main.findChild<QPushButton*>("cmdSave"), Qt::LeftButton);
        }
        QCOMPARE(reports, QStringList({MarkedAries, MarkedAries}));
        QVERIFY(openReport("aries").findChild<RichTextBox*>()->document()->isEmpty()); // no sign of that name
    }

    // The Save As dialog refuses what it must and asks before it replaces a file; a save that
    // fails is reported and leaves the file as it was.
    void savesWhereTheDialogLetsIt()
    {
        platform::CommonDialog::replace(nullptr); // the real dialog
        QDir(folder->path()).mkdir("in.dir");
        QDir(folder->path()).mkdir("locked");
        QFile::setPermissions(inFolder("locked"), QFile::ReadOwner | QFile::ExeOwner);
        QFile(inFolder("in.dir/leo.rtf")).open(QIODevice::WriteOnly);
        openReport("Leo").findChild<RichTextBox*>()->setSelText("Français: {braces}, back\\slashes,\ttab 😀");
        auto* rich = new QMimeData; // the clipboard's own
        rich->setHtml("<table><tr><td>cell</td><td>two</td></tr></table><ul><li>listed</li></ul><p><s>struck</s> <img src='x.png'>"
                      "<span style='background: yellow'>lit</span> <b style='color: #008000'><i>slanted</i></b> <u>under</u> "
                      "<font face='DejaVu Serif' style='font-size: 14pt'>serif</font> <font size='5'>large</font></p><p></p>");
        QApplication::clipboard()->setMimeData(rich);
        box()->paste();
        User user({inFolder("missing/leo"), "OK", inFolder("locked/leo"), "OK", inFolder("in.dir/leo"), "No",
                   inFolder("in.dir/report"), inFolder("in.dir/report"), "Yes", "Cancel"});
        click("cmdSave");
        QVERIFY(out->boxes.shown.isEmpty()); // saved, and nothing said
        QVERIFY(box()->toPlainText().endsWith("😀\ncell\ntwo\n\nlisted\nstruck lit slanted under serif large\n")); // as pasted
        QTextDocument readBack;
        readBack.setHtml(readers::LibreOffice(inFolder("in.dir/report.rtf"), "html"));
        // The same words in the same fonts, sizes, bold and colours, and the same lines; of a paste,
        // what a file keeps is kept.
        const QStringList shown = readers::StyledWords(*box()->document());
        QVERIFY(shown.contains("slanted Verdana 10pt bold italic #008000") && shown.contains("serif DejaVu Serif 14pt #000000"));
        QCOMPARE(readers::StyledWords(readBack), shown);
        QCOMPARE(readers::LibreOffice(inFolder("in.dir/report.rtf"), "txt"), box()->toPlainText() + "\n");

        // The disk takes no more than a few bytes, as a full disk would; the user has cut the
        // report short, so that only the save's last step fails.
        box()->setPlainText("short");
        const QString saved = readers::Output("cat", {inFolder("in.dir/report.rtf")});
        std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails, and no more
        rlimit size {64, RLIM_INFINITY};
        setrlimit(RLIMIT_FSIZE, &size);
        click("cmdSave");
        size.rlim_cur = RLIM_INFINITY;
        setrlimit(RLIMIT_FSIZE, &size);
        click("cmdSave"); // cancelled: nothing more is said
        const QString dialog = "Save Your Rashi Details | Rich Text Format (*.rtf) | ";
        const QString exists = " already exists.\nDo you want to replace it?";
        QCOMPARE(user.seen.replaceInStrings(folder->path() + "/", ""),
                 QStringList({dialog, "missing/leo.rtf\nThe folder does not exist. Check the name and try again.", dialog + "missing/leo",
                              "locked/leo.rtf\nThis file or its folder is write-protected. Choose another name or folder.",
                              dialog + "locked/leo", "in.dir/leo.rtf" + exists, dialog + "in.dir/leo", dialog,
                              "in.dir/report.rtf" + exists, dialog}));
        QCOMPARE(readers::Output("cat", {inFolder("in.dir/report.rtf")}), saved);
        QCOMPARE(QDir(inFolder("in.dir")).entryList(QDir::Files | QDir::Hidden), QStringList({"leo.rtf", "report.rtf"}));
        QCOMPARE(out->boxes.shown.size(), 1);
        QCOMPARE(out->boxes.shown.first().prompt, "The report could not be saved to " + inFolder("in.dir/report.rtf") + ".");
        QCOMPARE(out->boxes.shown.first().style, int(platform::MsgBox::vbCritical));
    }

    // Print, reached by Tab or its access key, prints the whole report whatever is selected. A
    // print service that never answers holds up nothing: the window goes on.
    void printsTheWholeReportAndOpensTheLabelsPages()
    {
        QVERIFY(doubles::ShownInFront(&openReport("Leo")));
        QCOMPARE(doubles::TabOrder(4), QStringList({"RTB", "cmdPrint", "cmdSave", "RTB"}));
        box()->setSelStart(20);
        box()->setSelLength(15);
        QTest::keyClick(report->windowHandle(), Qt::Key_P, Qt::AltModifier);
        QTRY_COMPARE(out->printer.printed, 1);
        const QString printed = readers::Output("pdftotext", {out->printer.pdfPath, "-"}).simplified();
        QVERIFY(printed.startsWith("Leo Birth Dates: ") && printed.endsWith(FindSign("Leo")->record->Famous.simplified().right(30)));

        // The link labels open the pages of the main window's links.
        mod_Help::GoToHomePage();
        mod_Help::GoToFullBrandPage();
        for (const char* label : {"Label14", "Label3", "Label7"})
            click(label);
        const QStringList pages = out->shell.files();
        QCOMPARE(pages.mid(2), QStringList({pages[0], pages[0], pages[1]}));

        QTcpServer service; // takes the requests and never answers them, till it is gone
        QVERIFY(service.listen(QHostAddress::LocalHost));
        qputenv("CUPS_SERVER", "127.0.0.1:" + QByteArray::number(service.serverPort()));
        platform::Printer::replace(nullptr); // the real printer
        const QDeadlineTimer soon(2000);
        click("cmdPrint");
        click("cmdPrint"); // queued behind the first
        QVERIFY(!soon.hasExpired());
        QTRY_VERIFY(service.hasPendingConnections()); // asked, while the window goes on taking events
    }

    // A left press on a link opens it, once, and still moves the caret; the pointer is a hand over
    // a link only. A report opened again serves its own box.
    void aLeftPressOnALinkOpensIt()
    {
        QVERIFY(doubles::ShownInFront(&openReport("")));
        const QString page = "http://www.example.com/page", longLink = "http://example.com/" + QString(4981, 'x');
        box()->setSelText("Visit " + page + " today.\r\n" + longLink);
        box()->setSelStart(0); // the view shows the top
        for (const int position : {10, 2}) {
            QTest::mouseMove(box()->viewport(), PointOf(box(), position));
            QCOMPARE(box()->viewport()->cursor().shape(), position == 10 ? Qt::PointingHandCursor : Qt::IBeamCursor);
        }
        Click(box(), 10);
        QCOMPARE(box()->SelStart(), 10);
        QTest::qWait(QApplication::doubleClickInterval() + 50); // its second press comes as a double click
        QTest::mouseDClick(report->windowHandle(), Qt::LeftButton, {}, box()->viewport()->mapTo(report, PointOf(box(), 20)));
        Click(box(), 10, Qt::RightButton);
        for (const int besideTheLink : {5, 33})
            Click(box(), besideTheLink);
        Click(box(), 45);
        QCOMPARE(out->shell.files(), QStringList({page, page, longLink}));
        const doubles::Shell::Call call = out->shell.calls.first();
        QVERIFY(call.owner == report && call.verb == "Open" && !call.parameters && !call.directory && call.showCommand == 5);

        report->close();
        QVERIFY(doubles::ShownInFront(&openReport("")));
        box()->setSelText("www.second.example.com");
        Click(box(), 3);
        QCOMPARE(out->shell.files().mid(3), QStringList({"www.second.example.com"}));
    }

    // Every character is saved, a control character as its control word or its code; a
    // write-protected file keeps what it holds, though its folder would let it be replaced.
    void savesEveryCharacterWhereItMay()
    {
        RichTextBox box(nullptr, "RTB");
        box.setSelText(QString("tab\tpage\fbell\aescape\x1b one\x01 del\x7f line") + QChar::LineSeparator + "end \u00e7a");
        const QString path = inFolder("saved.rtf");
        QVERIFY(box.SaveFile(path));
        const QString saved = readers::Output("cat", {path});
        QVERIFY2(saved.contains("tab\\tab page\\page bell\\u7?escape\\u27? one\\u1? del\\u127? line\\line end \\u231\\'e7a"), qPrintable(saved));
        QFile::setPermissions(path, QFile::ReadOwner);
        box.setSelText(" and more");
        QVERIFY(!box.SaveFile(path));
        QCOMPARE(readers::Output("cat", {path}), saved);
    }

    // The selection alone, in the box's font, 2 cm from the page's left and top edges.
    void printsTheSelection()
    {
        out->printer.pdfPath = inFolder("printed.pdf");
        RichTextBox box(nullptr, "RTB");
        box.setFont(QFont("DejaVu Serif", 20));
        box.setSelText("First paragraph\r\nSecond paragraph");
        box.setSelStart(6);
        box.setSelLength(9);
        box.SelPrint(out->printer);
        // One page, whose one word's left and top edges are 2 cm (57 points) into the page; as high as
        // a line of 20-point type.
        const QString page = readers::Output("pdftotext", {"-bbox", out->printer.pdfPath, "-"});
        const QStringList edges = page.section("<word ", 1, 1).split('"');
        const double left = edges.value(1).toDouble(), top = edges.value(3).toDouble(), height = edges.value(7).toDouble() - top;
        QVERIFY2(page.count("<page ") == 1 && page.count("<word ") == 1 && edges.value(8).startsWith(">paragraph<") && qAbs(left - 56.7) < 2
                     && qAbs(top - 56.7) < 4 && qAbs(height - 23) < 3, qPrintable(page));
        QVERIFY(readers::Output("pdffonts", {out->printer.pdfPath}).contains("DejaVuSerif"));
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

QTEST_MAIN(TestReport)
#include "tst_report.moc"
