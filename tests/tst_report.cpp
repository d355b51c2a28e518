// The report window: the profile it composes, Save and Print, its link labels, and its opening
// from the main window.

#include "app/mod_All.h"
#include "app/mod_Help.h"
#include "main_window/frmMain.h"
#include "platform/Rtf.h"
#include "report/frmSave.h"
#include "signs/zodiac.h"
#include "support/Doubles.h"
#include "support/Readers.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QtTest>
#include <csignal>
#include <functional>
#include <memory>
#include <sys/resource.h>

using platform::RichTextBox;

namespace {

// The report of Leo from a record whose fields hold their numbers; "[...]" starts a run's style.
const QString MarkedLeo =
    "[*m]Leo\n\n[r]Birth Dates: [k]2\n[r]Zodiac Symbol: [k]3\n[r]Zodiac Element: [k]4\n[r]Zodiac Quality: [k]5\n\n"
    "[*c]Planets Associated\n[r]Domicile Planet: [k]6\n[r]Detriment Planet: [k]7\n[r]Exaltation Planet: [k]8\n\n"
    "[*c]Lucky Charm\n[r]Birth Stone: [k]9\n[r]Lucky Colors: [k]10\n[r]Lucky Numbers: [k]11\n[r]Lucky Day: [k]12\n"
    "[r]Lucky Gemstones: [k]13\n[r]Lucky Metals: [k]14\n\n[*c]General Traits\n[k]16\n\n\n[*c]Positive Traits\n[k]17\n\n\n"
    "[*c]Negative Traits\n[k]18\n\n\n[*c]Friendship Traits\n[k]19\n\n\n[*c]Compatibility Traits\n[k]20\n\n"
    "[*c]Leo As Family\n[k]Leo As Mother: 21\nLeo As Father: 22\nLeo As Child: 23\n\n[*c]Common Profession\n[k]24\n\n"
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

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : "(missing)";
}

// Acts on each modal window as it comes up, one step for each, as the user would.
struct ModalSteps
{
    explicit ModalSteps(QList<std::function<void(QWidget*)>> steps) : steps(std::move(steps))
    {
        QObject::connect(&poll, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || modal == last || this->steps.isEmpty())
                return;
            last = modal;
            // Apart from the poll, which must go on while a step opens a window of its own.
            QTimer::singleShot(0, modal, [modal, step = this->steps.takeFirst()] { step(modal); });
        });
        poll.start(10);
    }
    QList<std::function<void(QWidget*)>> steps;
    QPointer<QWidget> last; // a window that is gone matches no new one at its address
    QTimer poll;
};

void TypeName(QWidget* dialog, const QString& path)
{
    auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
    dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    name->setFocus();
    name->setText(path);
    QTest::keyClick(name, Qt::Key_Return);
}

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

    void cleanup()
    {
        if (report)
            report->Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        out.reset();
    }

    // The main window shows the chosen sign's report until it is closed, composed afresh each
    // time: what the user typed there is gone.
    void composesTheChosenSignsProfileAfreshEachTime()
    {
        frmMain main;
        main.Load();
        main.findChild<QComboBox*>("cboSign")->setCurrentText("Leo");
        *FindSign("Leo")->record = {"1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "10",
                                    "11", "12", "13", "14", "15", "16", "17", "18", "19", "20",
                                    "21", "22", "23", "24", "25", "26", "27", "28", "29"};
        QStringList reports;
        auto readAndClose = [&](QWidget* modal) {
            report = qobject_cast<frmSave*>(modal);
            reports.append(Styled(*box()->document()));
            QTest::keyClicks(box(), "typed by the user");
            modal->close();
        };
        ModalSteps user({readAndClose, readAndClose});
        for (int shown = 1; shown <= 2; ++shown) {
            QTest::mouseClick(main.findChild<QPushButton*>("cmdSave"), Qt::LeftButton);
            QCOMPARE(reports.size(), shown); // closed when the click returns
        }
        QCOMPARE(reports, QStringList({MarkedLeo, MarkedLeo}));
        for (const QString name : {"leo", " Leo", "Leo ", ""}) { // exactly a sign's name, or nothing
            QVERIFY(openReport(name).findChild<RichTextBox*>()->document()->isEmpty());
            report->Unload();
        }
    }

    void savesTheReportOrSaysWhyNot()
    {
        openReport("Leo");
        out->dialogs.typed.append({std::nullopt, inFolder("leo")});
        click("cmdSave"); // cancelled
        const platform::CommonDialog::Properties shown = out->dialogs.shown.first();
        QCOMPARE(shown.DialogTitle + shown.Filter, "Save Your Rashi DetailsRich Text Format | *.rtf ");
        QCOMPARE(shown.Flags, 0x8806);

        // A name typed without extension ends in ".rtf"; the next save starts with an empty name
        // again, and another extension still gets RTF.
        click("cmdSave");
        out->dialogs.replace = false;
        out->dialogs.typed.append({inFolder("leo.rtf"), inFolder("leo.txt")});
        click("cmdSave");
        QVERIFY(out->dialogs.shown.last().FileName.isEmpty());
        QCOMPARE(out->dialogs.askedToReplace, QStringList({inFolder("leo.rtf")}));
        for (const QString name : {"leo.rtf", "leo.txt"})
            QCOMPARE(Contents(inFolder(name)), platform::RtfDocument(*box()->document()));
        QVERIFY(out->boxes.shown.isEmpty());

        // The disk takes no more than a few bytes, as a full disk would: the file keeps what it held.
        out->dialogs.replace = true;
        out->dialogs.typed.enqueue(inFolder("leo.txt"));
        rlimit kept {};
        getrlimit(RLIMIT_FSIZE, &kept);
        const rlimit small {64, kept.rlim_max};
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
        click("cmdSave");
        setrlimit(RLIMIT_FSIZE, &kept);
        std::signal(SIGXFSZ, handler);
        QCOMPARE(Contents(inFolder("leo.txt")), Contents(inFolder("leo.rtf")));
        QCOMPARE(out->boxes.shown.size(), 1);
        QCOMPARE(out->boxes.shown.first().prompt, "The report could not be saved to " + inFolder("leo.txt") + ".");
        QCOMPARE(out->boxes.shown.first().style, int(platform::MsgBox::vbCritical));
    }

    void printsTheWholeReportAndOpensTheLabelsPages()
    {
        openReport("Leo").show();
        QVERIFY(QTest::qWaitForWindowActive(report));
        box()->setSelStart(20);
        box()->setSelLength(15);
        QTest::keyClick(report->windowHandle(), Qt::Key_P, Qt::AltModifier);
        QTRY_COMPARE(out->printer.printed, 1);
        const QString printed = readers::PdfText(out->printer.pdfPath).simplified();
        QVERIFY(printed.startsWith("Leo Birth Dates: "));
        QVERIFY(printed.endsWith(FindSign("Leo")->record->Famous.simplified().right(30)));
        out->printer.missing = true;
        click("cmdPrint");
        QVERIFY(out->boxes.shown.isEmpty());

        // The link labels open the pages of the main window's links.
        mod_Help::GoToHomePage();
        mod_Help::GoToFullBrandPage();
        for (const char* label : {"Label14", "Label3", "Label7"})
            click(label);
        const QStringList pages = out->shell.files();
        QCOMPARE(pages.mid(2), QStringList({pages[0], pages[0], pages[1]}));
    }

    void theRealDialogAsksAgainUntilANameWillDo()
    {
        platform::CommonDialog::Properties dialog {"Rich Text Format | *.rtf ", 2, "rtf", 0x8806, "Title", ""};
        QFile locked(inFolder("locked.rtf"));
        QVERIFY(locked.open(QIODevice::WriteOnly));
        locked.setPermissions(QFile::ReadOwner);
        QStringList seen;
        ModalSteps user({[&](QWidget* modal) {
                             seen.append(qobject_cast<QFileDialog*>(modal)->selectedNameFilter());
                             TypeName(modal, locked.fileName());
                         },
                         [&](QWidget* box) {
                             seen.append(qobject_cast<QMessageBox*>(box)->text());
                             qobject_cast<QMessageBox*>(box)->accept();
                         },
                         [&](QWidget* modal) { TypeName(modal, inFolder("report")); }});
        QVERIFY(platform::CommonDialog::real().ShowSave(nullptr, dialog));
        QCOMPARE(dialog.FileName, inFolder("report.rtf"));
        QCOMPARE(seen.value(0), "Rich Text Format (*.rtf)");
        QVERIFY(seen.value(1).contains("write-protected"));
    }
};

QTEST_MAIN(TestReport)
#include "tst_report.moc"
