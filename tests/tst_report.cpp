// The report window: the profile it composes, its Save and Print commands, its link labels,
// and its opening from the main window.

#include "app/mod_All.h"
#include "app/mod_Help.h"
#include "app/site.h"
#include "main_window/frmMain.h"
#include "platform/CommonDialog.h"
#include "platform/Twips.h"
#include "report/frmSave.h"
#include "signs/zodiac.h"
#include "support/Doubles.h"
#include "support/Readers.h"
#include "support/SignFields.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QtTest>
#include <csignal>
#include <functional>
#include <memory>
#include <sys/resource.h>

using platform::RichTextBox;

namespace {

// The report of a sign, line by line: "[style]" starts a run of that style, <Field> stands for
// a field of the record and <sign> for the sign's name.
const char* const ReportLines[] = {
    "[bold magenta]<sign>", "",
    "[red]Birth Dates: [black]<BirthDates>", "[red]Zodiac Symbol: [black]<ZodiacSymbol>",
    "[red]Zodiac Element: [black]<ZodiacElement>", "[red]Zodiac Quality: [black]<ZodiacQuality>", "",
    "[bold cyan]Planets Associated",
    "[red]Domicile Planet: [black]<DomicilePlanet>", "[red]Detriment Planet: [black]<DetrimentPlanet>",
    "[red]Exaltation Planet: [black]<ExaltationPlanet>", "",
    "[bold cyan]Lucky Charm",
    "[red]Birth Stone: [black]<Birthstone>", "[red]Lucky Colors: [black]<LuckyColors>",
    "[red]Lucky Numbers: [black]<LuckyNumbers>", "[red]Lucky Day: [black]<LuckyDay>",
    "[red]Lucky Gemstones: [black]<LuckyGemstones>", "[red]Lucky Metals: [black]<LuckyMetals>", "",
    "[bold cyan]General Traits", "[black]<GeneralTraits>", "", "",
    "[bold cyan]Positive Traits", "[black]<PositiveTraits>", "", "",
    "[bold cyan]Negative Traits", "[black]<NegativeTraits>", "", "",
    "[bold cyan]Friendship Traits", "[black]<FriendshipTraits>", "", "",
    "[bold cyan]Compatibility Traits", "[black]<CompatibilityTraits>", "",
    "[bold cyan]<sign> As Family",
    "[black]<sign> As Mother: <Mother>", "<sign> As Father: <Father>", "<sign> As Child: <Child>", "",
    "[bold cyan]Common Profession", "[black]<CommonProfessions>", "",
    "[bold cyan]Health Concern", "[black]<HealthConcerns>", "",
    "[bold cyan]Financial Habits", "[black]<FinancialHabits>", "",
    "[bold cyan]Fashion Style", "[black]<FashionStyle>", "",
    "[bold cyan]Travel Habits", "[black]<Travel>", "",
    "[bold cyan]Love And Romance", "[black]<LoveAndRomance>", "",
    "[bold cyan]Famous Personalities", "[black]<Famous>", "", "",
};

const QStringList FieldNames = {
    "ZodiacSignName", "BirthDates", "ZodiacSymbol", "ZodiacElement", "ZodiacQuality", "DomicilePlanet",
    "DetrimentPlanet", "ExaltationPlanet", "Birthstone", "LuckyColors", "LuckyNumbers", "LuckyDay",
    "LuckyGemstones", "LuckyMetals", "Famous", "GeneralTraits", "PositiveTraits", "NegativeTraits",
    "FriendshipTraits", "CompatibilityTraits", "Mother", "Father", "Child", "CommonProfessions",
    "HealthConcerns", "FinancialHabits", "FashionStyle", "Travel", "LoveAndRomance"};

// A run's style only shows where it has text: a style tag followed by nothing but line breaks
// goes, and so does a tag that repeats the style in force.
QString Normalised(const QString& tagged)
{
    static const QRegularExpression emptyRun(QStringLiteral("\\[[^\\]\\n]*\\](?=\\n*(\\[|$))"));
    static const QRegularExpression tag(QStringLiteral("\\[[^\\]\\n]*\\]"));
    QString text = QString(tagged).remove(emptyRun);
    QString result;
    QString style;
    qsizetype from = 0;
    for (QRegularExpressionMatchIterator it = tag.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch found = it.next();
        result += text.mid(from, found.capturedStart() - from);
        if (found.captured() != style)
            result += style = found.captured();
        from = found.capturedEnd();
    }
    return result + text.mid(from);
}

QString StyleOf(const QTextCharFormat& format)
{
    static const QMap<QRgb, QString> names = {{qRgb(0, 0, 0), "black"}, {qRgb(0, 128, 128), "cyan"},
                                              {qRgb(128, 0, 0), "red"}, {qRgb(128, 0, 128), "magenta"}};
    const QBrush brush = format.foreground();
    const QString colour = brush.style() == Qt::NoBrush ? "auto" : names.value(brush.color().rgb(), brush.color().name());
    return "[" + QString(format.fontWeight() > QFont::Medium ? "bold " : "") + colour + "]";
}

// The document as the lines of ReportLines show it.
QString Tagged(const QTextDocument& document)
{
    QStringList lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QString line;
        for (auto it = block.begin(); !it.atEnd(); ++it)
            line += StyleOf(it.fragment().charFormat()) + it.fragment().text();
        lines.append(line);
    }
    return Normalised(lines.join('\n'));
}

QString ExpectedReport(const QString& sign, const SignData& record)
{
    QStringList lines;
    for (const char* line : ReportLines)
        lines.append(line);
    QString report = lines.join('\n').replace("<sign>", sign);
    const QStringList values = SignFields(record);
    for (int i = 1; i < FieldNames.size(); ++i)
        report.replace("<" + FieldNames[i] + ">", QString(values[i]).replace("\r\n", "\n"));
    return Normalised(report);
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
            // Run apart from the poll, which must go on while a step opens a window of its own.
            QTimer::singleShot(0, modal, [modal, step = m_steps.takeFirst()] { step(modal); });
        });
        m_poll.start(10);
    }
    bool done() const { return m_steps.isEmpty(); }

private:
    QList<std::function<void(QWidget*)>> m_steps;
    QWidget* m_last = nullptr;
    QTimer m_poll;
};

void TypeIntoDialog(QWidget* dialog, const QString& path)
{
    auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
    QVERIFY(name);
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
    std::unique_ptr<QTemporaryDir> temporary;
    QPointer<frmSave> report;

    QString inFolder(const QString& name) const { return temporary->filePath(name); }

    frmSave& openReport(const QString& sign)
    {
        mod_All::SelectedSign = sign;
        report = &platform::form<frmSave>();
        return *report;
    }
    template <class T = QWidget>
    T* control(const QString& name) const
    {
        T* found = report->findChild<T*>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    RichTextBox* box() const { return control<RichTextBox>("RTB"); }
    void click(const QString& name) { QTest::mouseClick(control(name), Qt::LeftButton); }

private slots:
    void init()
    {
        out = std::make_unique<doubles::Surroundings>();
        temporary = std::make_unique<QTemporaryDir>();
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

    void composesTheWholeProfile_data()
    {
        QTest::addColumn<bool>("emptyRecord");
        QTest::newRow("Leo") << false;
        QTest::newRow("a record whose fields are empty") << true;
    }

    void composesTheWholeProfile()
    {
        QFETCH(bool, emptyRecord);
        SignData& record = *FindSign("Leo")->record;
        const SignData kept = record;
        if (emptyRecord)
            record = SignData();
        openReport("Leo");
        const QTextDocument& document = *box()->document();
        const QString tagged = Tagged(document);
        const QString plain = document.toPlainText();
        record = kept;

        QCOMPARE(tagged, ExpectedReport("Leo", emptyRecord ? SignData() : kept));
        QCOMPARE(plain.count('\n'), 65 + (emptyRecord ? 0 : SignFields(kept).join("").count("\r\n")));
        QCOMPARE(box()->SelStart(), document.characterCount() - 1);
        QCOMPARE(box()->SelLength(), 0);
    }

    void aNameThatIsNotExactlyASignGivesAnEmptyReport()
    {
        for (const QString name : {"leo", "LEO", " Leo", "Leo ", "", "Leo\t"}) {
            openReport(name);
            QVERIFY2(box()->document()->isEmpty(), qPrintable(name));
            report->Unload();
        }
        // An empty report is still saved as an RTF document.
        openReport("Nothing");
        out->dialogs.typed.enqueue(inFolder("empty.rtf"));
        click("cmdSave");
        QVERIFY(Contents(inFolder("empty.rtf")).startsWith("{\\rtf1"));
    }

    void windowIsLaidOutForTheReport()
    {
        openReport("Leo");
        report->show();
        QVERIFY(QTest::qWaitForWindowActive(report));
        QCOMPARE(report->windowTitle(), QString("Zelphine v1.75"));
        QCOMPARE(report->client()->size(), QSize(platform::twips(7725), platform::twips(7635)));
        QCOMPARE(box()->geometry(), platform::twipsRect(30, 480, 7665, 6135));
        QCOMPARE(box()->font().pointSizeF(), 9.75);
        QCOMPARE(control("cmdSave")->geometry(), platform::twipsRect(5400, 6660, 1125, 345));
        QCOMPARE(control("Label7")->geometry(), platform::twipsRect(30, 7000, 7665, 675));
        QCOMPARE(control<QLabel>("Label3")->text(), "Click Here To Visit " + site::WebHost + " Now");
        // The top labels stand centred over the box.
        for (const char* label : {"Label14", "Label3"})
            QVERIFY(qAbs(control(label)->geometry().center().x() - box()->geometry().center().x()) <= 2);

        QCOMPARE(QApplication::focusWidget(), box());
        QTest::keyClick(box(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), control("cmdPrint"));
        QTest::keyClick(control("cmdPrint"), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), control("cmdSave"));

        // An access key presses its button, which clicks as it comes up again.
        QTest::keyClick(report->windowHandle(), Qt::Key_P, Qt::AltModifier);
        QTRY_COMPARE(out->printer.printed, 1);
        QTest::keyClick(report->windowHandle(), Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(out->dialogs.shown.size(), 1);
    }

    void theMainWindowOpensAFreshReportEachTime()
    {
        frmMain main;
        main.Load();
        main.findChild<QComboBox*>("cboSign")->setCurrentIndex(4); // Leo
        QStringList topics;
        for (int i = 0; i < 15; ++i)
            topics.append(main.findChild<QListWidget*>("lstOptions")->item(i)->text());

        QList<QPointer<frmSave>> opened;
        QStringList headings;
        QString firstReport;
        ModalSteps user({[&](QWidget* modal) {
                             opened.append(qobject_cast<frmSave*>(modal));
                             report = opened.last();
                             firstReport = box()->toPlainText();
                             for (const QString& run : Tagged(*box()->document()).split('[')) {
                                 if (run.startsWith("bold cyan]"))
                                     headings.append(run.mid(10).trimmed());
                             }
                             QTest::keyClicks(box(), "typed by the user");
                             modal->close();
                         },
                         [&](QWidget* modal) {
                             opened.append(qobject_cast<frmSave*>(modal));
                             report = opened.last();
                             QCOMPARE(box()->toPlainText(), firstReport);
                             modal->close();
                         }});
        QPushButton* save = main.findChild<QPushButton*>("cmdSave");
        QTest::mouseClick(save, Qt::LeftButton);
        QVERIFY(opened.size() == 1 && !platform::Forms::Loaded().contains(opened[0])); // closed when the click returns
        QTest::mouseClick(save, Qt::LeftButton);
        QVERIFY(user.done());
        QCOMPARE(opened.size(), 2);
        QVERIFY(firstReport.startsWith("Leo\n\nBirth Dates: "));
        QCOMPARE(firstReport.count("Famous Personalities"), 1);
        QCOMPARE(headings, topics); // the headings are the main window's topics, in its order
    }

    void savesTheReportWhereTheUserChooses()
    {
        openReport("Leo");
        out->dialogs.typed.enqueue(std::nullopt);
        click("cmdSave");
        QCOMPARE(QDir(temporary->path()).entryList(QDir::Files), QStringList());
        QVERIFY(out->boxes.shown.isEmpty());
        const platform::CommonDialog::Properties shown = out->dialogs.shown.first();
        QCOMPARE(platform::CommonDialog::Filters(shown.Filter).size(), 1);
        QCOMPARE(platform::CommonDialog::Filters(shown.Filter).first().description, QString("Rich Text Format"));
        QCOMPARE(platform::CommonDialog::Filters(shown.Filter).first().pattern, QString("*.rtf"));
        QCOMPARE(shown.DialogTitle, QString("Save Your Rashi Details"));
        QCOMPARE(shown.Flags, 0x8806);
        QVERIFY(shown.FileName.isEmpty());

        // A name typed without extension ends in ".rtf"; LibreOffice reads the report back.
        const QString leo = inFolder("leo.rtf");
        out->dialogs.typed.enqueue(inFolder("leo"));
        click("cmdSave");
        QCOMPARE(readers::TextOfRtf(leo), box()->toPlainText() + "\n");
        QTextDocument readBack;
        readBack.setHtml(readers::HtmlOfRtf(leo));
        QCOMPARE(readers::StyledWords(readBack), readers::StyledWords(*box()->document()));

        // The next save starts with an empty name again. Replacing a file is asked first, and a
        // read-only file is refused; another extension still receives RTF.
        const QString readOnly = inFolder("locked.rtf");
        Write(readOnly, "old");
        QFile::setPermissions(readOnly, QFile::ReadOwner);
        out->dialogs.replace = false;
        out->dialogs.typed.append({leo, readOnly, inFolder("leo.txt")});
        click("cmdSave");
        QVERIFY(out->dialogs.shown.last().FileName.isEmpty());
        QCOMPARE(out->dialogs.askedToReplace, QStringList({leo}));
        QCOMPARE(out->dialogs.refused, QStringList({readOnly}));
        QCOMPARE(Contents(readOnly), QByteArray("old"));
        QCOMPARE(Contents(inFolder("leo.txt")), Contents(leo));
        QVERIFY(out->boxes.shown.isEmpty());
    }

    void aFailedWriteIsReportedAndLeavesTheFileIntact()
    {
        openReport("Leo");
        const QString existing = inFolder("existing.rtf");
        Write(existing, "old");
        out->dialogs.typed.enqueue(existing);
        // The disk takes no more than a few bytes, as a full disk would.
        rlimit kept {};
        getrlimit(RLIMIT_FSIZE, &kept);
        rlimit small = kept;
        small.rlim_cur = 64;
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
        click("cmdSave");
        setrlimit(RLIMIT_FSIZE, &kept);
        std::signal(SIGXFSZ, previousHandler);

        QCOMPARE(Contents(existing), QByteArray("old"));
        QCOMPARE(out->boxes.shown.size(), 1);
        QCOMPARE(out->boxes.shown.first().prompt, "The report could not be saved to " + existing + ".");
        QCOMPARE(out->boxes.shown.first().style, int(platform::MsgBox::vbCritical));
        QCOMPARE(QDir(temporary->path()).entryList(QDir::Files), QStringList({"existing.rtf"}));
    }

    void printsTheWholeReportWhateverIsSelected()
    {
        openReport("Leo");
        box()->setSelStart(20);
        box()->setSelLength(15);
        click("cmdPrint");
        QCOMPARE(out->printer.printed, 1);
        const QString printed = readers::PdfText(out->printer.pdfPath).simplified();
        QVERIFY(printed.startsWith("Leo Birth Dates: "));
        QVERIFY(printed.endsWith(FindSign("Leo")->record->Famous.simplified().right(30)));
        QVERIFY(printed.contains(FindSign("Leo")->record->LoveAndRomance.simplified().left(30)));

        out->printer.missing = true;
        click("cmdPrint");
        QVERIFY(out->boxes.shown.isEmpty());
    }

    void labelsOpenTheirPages()
    {
        mod_Help::GoToHomePage();
        mod_Help::GoToFullBrandPage();
        const QStringList pages = out->shell.files();
        out->shell.calls.clear();

        openReport("Leo");
        report->show();
        QVERIFY(QTest::qWaitForWindowExposed(report));
        for (const char* label : {"Label14", "Label3", "Label7"}) {
            QCOMPARE(control(label)->cursor().shape(), Qt::PointingHandCursor);
            click(label);
        }
        QCOMPARE(out->shell.files(), QStringList({pages[0], pages[0], pages[1]}));
    }

    void theRealDialogHoldsToItsFlags()
    {
        platform::CommonDialog::Properties properties;
        properties.Filter = "Rich Text Format | *.rtf ";
        properties.FilterIndex = 2;
        properties.DefaultExt = "rtf";
        properties.Flags = 0x8806;
        properties.DialogTitle = "Save Your Rashi Details";
        const QString readOnly = inFolder("locked.rtf");
        Write(readOnly, "old");
        QFile::setPermissions(readOnly, QFile::ReadOwner);
        const QString existing = inFolder("existing.rtf");
        Write(existing, "old");

        QStringList seen;
        auto see = [&](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal))
                seen.append(box->text());
            else if (auto* dialog = qobject_cast<QFileDialog*>(modal))
                seen.append(dialog->windowTitle() + " " + dialog->selectedNameFilter());
        };
        ModalSteps user({[&](QWidget* modal) { see(modal); TypeIntoDialog(modal, readOnly); },
                         [&](QWidget* modal) { see(modal); qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Ok)->click(); },
                         [&](QWidget* modal) { TypeIntoDialog(modal, inFolder("missing/report")); },
                         [&](QWidget* modal) { see(modal); qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Ok)->click(); },
                         [&](QWidget* modal) { TypeIntoDialog(modal, existing); },
                         [&](QWidget* modal) { see(modal); qobject_cast<QMessageBox*>(modal)->button(QMessageBox::No)->click(); },
                         [&](QWidget* modal) { TypeIntoDialog(modal, inFolder("report")); }});
        QVERIFY(platform::CommonDialog::real().ShowSave(nullptr, properties));
        QVERIFY(user.done());
        QCOMPARE(properties.FileName, inFolder("report.rtf"));
        QCOMPARE(seen.size(), 4);
        QCOMPARE(seen[0], QString("Save Your Rashi Details Rich Text Format (*.rtf)"));
        QVERIFY(seen[1].startsWith(readOnly) && seen[1].contains("write-protected"));
        QVERIFY(seen[2].contains("folder does not exist"));
        QVERIFY(seen[3].startsWith(existing) && seen[3].contains("replace"));

        ModalSteps cancel({[](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); }});
        QVERIFY(!platform::CommonDialog::real().ShowSave(nullptr, properties));
        QCOMPARE(properties.FileName, inFolder("report.rtf"));
    }
};

QTEST_MAIN(TestReport)
#include "tst_report.moc"
