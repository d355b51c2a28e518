// The report window: the profile it composes, Save and Print, its link labels, and its opening
// from the main window.

#include "app/mod_All.h"
#include "app/mod_Help.h"
#include "main_window/frmMain.h"
#include "report/frmSave.h"
#include "signs/zodiac.h"
#include "support/Doubles.h"
#include "support/Readers.h"
#include "support/SignFields.h"

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

// The report of Leo from a record whose fields are all empty; "[...]" starts a run's style.
const QString EmptyLeo =
    "[bold magenta]Leo\n\n[red]Birth Dates: \nZodiac Symbol: \nZodiac Element: \nZodiac Quality: \n\n"
    "[bold cyan]Planets Associated\n[red]Domicile Planet: \nDetriment Planet: \nExaltation Planet: \n\n"
    "[bold cyan]Lucky Charm\n[red]Birth Stone: \nLucky Colors: \nLucky Numbers: \nLucky Day: \n"
    "Lucky Gemstones: \nLucky Metals: \n\n[bold cyan]General Traits\n\n\n\nPositive Traits\n\n\n\n"
    "Negative Traits\n\n\n\nFriendship Traits\n\n\n\nCompatibility Traits\n\n\nLeo As Family\n"
    "[black]Leo As Mother: \nLeo As Father: \nLeo As Child: \n\n[bold cyan]Common Profession\n\n\n"
    "Health Concern\n\n\nFinancial Habits\n\n\nFashion Style\n\n\nTravel Habits\n\n\n"
    "Love And Romance\n\n\nFamous Personalities\n\n\n";

QString StyleOf(const QTextCharFormat& format)
{
    static const QMap<QRgb, QString> names = {{qRgb(0, 0, 0), "black"}, {qRgb(0, 128, 128), "cyan"},
                                              {qRgb(128, 0, 0), "red"}, {qRgb(128, 0, 128), "magenta"}};
    return "[" + QString(format.fontWeight() > QFont::Medium ? "bold " : "")
        + names.value(format.foreground().color().rgb(), format.foreground().color().name()) + "]";
}

// The document's text with the style written where it changes.
QString Styled(const QTextDocument& document)
{
    QString text, style;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (StyleOf(it.fragment().charFormat()) != style)
                text += style = StyleOf(it.fragment().charFormat());
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
class ModalSteps
{
public:
    explicit ModalSteps(QList<std::function<void(QWidget*)>> steps) : m_steps(std::move(steps))
    {
        QObject::connect(&m_poll, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || modal == m_last || m_steps.isEmpty())
                return;
            m_last = modal;
            // Apart from the poll, which must go on while a step opens a window of its own.
            QTimer::singleShot(0, modal, [modal, step = m_steps.takeFirst()] { step(modal); });
        });
        m_poll.start(10);
    }
    QList<std::function<void(QWidget*)>> m_steps;
    QWidget* m_last = nullptr;
    QTimer m_poll;
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

    void composesTheWholeProfile()
    {
        SignData& record = *FindSign("Leo")->record;
        const SignData leo = record;
        record = SignData();
        QCOMPARE(Styled(*openReport("Leo").findChild<RichTextBox*>()->document()), EmptyLeo);
        QCOMPARE(box()->toPlainText().count('\n'), 65);
        report->Unload();
        record = leo;

        // With the record filled, each field stands in black at its place: taking the fields out
        // again leaves the report of the empty record. Famous comes last.
        QTextDocument& document = *openReport("Leo").findChild<RichTextBox*>()->document();
        QCOMPARE(box()->SelStart(), document.characterCount() - 1);
        QStringList fields = SignFields(leo).mid(1);
        fields.move(13, 27);
        int from = 0;
        for (QString field : fields) {
            field.replace("\r\n", "\n");
            const int at = int(document.toPlainText().indexOf(field, from));
            QVERIFY2(at >= 0, qPrintable(field));
            QTextCursor value(&document);
            value.setPosition(at + 1);
            if (!field.isEmpty())
                QCOMPARE(StyleOf(value.charFormat()), "[black]");
            value.setPosition(at);
            value.setPosition(at + int(field.size()), QTextCursor::KeepAnchor);
            value.removeSelectedText();
            from = at;
        }
        QCOMPARE(Styled(document), EmptyLeo);

        for (const QString name : {"leo", " Leo", "Leo ", ""}) { // exactly a sign's name, or nothing
            report->Unload();
            QVERIFY(openReport(name).findChild<RichTextBox*>()->document()->isEmpty());
        }
    }

    void theMainWindowOpensAFreshReportEachTime()
    {
        frmMain main;
        main.Load();
        main.findChild<QComboBox*>("cboSign")->setCurrentText("Leo");
        QStringList reports;
        auto readAndClose = [&](QWidget* modal) {
            report = qobject_cast<frmSave*>(modal);
            reports.append(box()->toPlainText());
            QTest::keyClicks(box(), "typed by the user");
            modal->close();
        };
        ModalSteps user({readAndClose, readAndClose});
        QTest::mouseClick(main.findChild<QPushButton*>("cmdSave"), Qt::LeftButton);
        QCOMPARE(reports.size(), 1); // closed when the click returns
        QTest::mouseClick(main.findChild<QPushButton*>("cmdSave"), Qt::LeftButton);
        QCOMPARE(reports.size(), 2);
        QCOMPARE(reports[1], reports[0]);
        QVERIFY(reports[0].startsWith("Leo\n\nBirth Dates: "));
        QCOMPARE(reports[0].count("Famous Personalities"), 1);
    }

    // Pisces' report, with the one "ç" of the data, reaches the file intact.
    void savesTheReportWhereTheUserChooses()
    {
        FindSign("Pisces")->load();
        openReport("Pisces");
        QVERIFY(box()->toPlainText().contains(QString::fromUtf8("façade")));
        out->dialogs.typed.enqueue(std::nullopt);
        click("cmdSave");
        QCOMPARE(QDir(folder->path()).entryList(QDir::Files), QStringList());
        const platform::CommonDialog::Properties shown = out->dialogs.shown.first();
        QCOMPARE(shown.DialogTitle + shown.Filter, "Save Your Rashi DetailsRich Text Format | *.rtf ");
        QCOMPARE(shown.Flags, 0x8806);

        // A name typed without extension ends in ".rtf"; LibreOffice reads the report back.
        out->dialogs.typed.enqueue(inFolder("pisces"));
        click("cmdSave");
        QCOMPARE(readers::LibreOffice(inFolder("pisces.rtf"), "txt"), box()->toPlainText() + "\n");
        QTextDocument readBack;
        readBack.setHtml(readers::LibreOffice(inFolder("pisces.rtf"), "html"));
        QCOMPARE(readers::StyledWords(readBack), readers::StyledWords(*box()->document()));

        // The next save starts with an empty name again; another extension still gets RTF.
        out->dialogs.replace = false;
        out->dialogs.typed.append({inFolder("pisces.rtf"), inFolder("pisces.txt")});
        click("cmdSave");
        QVERIFY(out->dialogs.shown.last().FileName.isEmpty());
        QCOMPARE(out->dialogs.askedToReplace, QStringList({inFolder("pisces.rtf")}));
        QCOMPARE(Contents(inFolder("pisces.txt")), Contents(inFolder("pisces.rtf")));
        QVERIFY(out->boxes.shown.isEmpty());
    }

    void aFailedWriteIsReportedAndLeavesTheFileIntact()
    {
        openReport("Leo");
        const QString existing = inFolder("existing.rtf");
        QFile file(existing);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("old") == 3);
        file.close();
        out->dialogs.typed.enqueue(existing);
        // The disk takes no more than a few bytes, as a full disk would.
        rlimit kept {};
        getrlimit(RLIMIT_FSIZE, &kept);
        rlimit small = kept;
        small.rlim_cur = 64;
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
        click("cmdSave");
        setrlimit(RLIMIT_FSIZE, &kept);
        std::signal(SIGXFSZ, handler);

        QCOMPARE(Contents(existing), QByteArray("old"));
        QCOMPARE(QDir(folder->path()).entryList(QDir::Files), QStringList({"existing.rtf"}));
        QCOMPARE(out->boxes.shown.size(), 1);
        QCOMPARE(out->boxes.shown.first().prompt, "The report could not be saved to " + existing + ".");
        QCOMPARE(out->boxes.shown.first().style, int(platform::MsgBox::vbCritical));
    }

    void printsTheWholeReportWithoutAWord()
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
    }

    void labelsOpenTheirPages()
    {
        mod_Help::GoToHomePage();
        mod_Help::GoToFullBrandPage();
        const QStringList pages = out->shell.files();
        openReport("Leo").show();
        QVERIFY(QTest::qWaitForWindowExposed(report));
        for (const char* label : {"Label14", "Label3", "Label7"})
            click(label);
        QCOMPARE(out->shell.files().mid(2), QStringList({pages[0], pages[0], pages[1]}));
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
        QCOMPARE(seen.size(), 2);
        QCOMPARE(seen[0], "Rich Text Format (*.rtf)");
        QVERIFY(seen[1].contains("write-protected"));
    }
};

QTEST_MAIN(TestReport)
#include "tst_report.moc"
