// Zelphine against its floor: for each measure, the program's own way and the least that Qt
// needs for the same visible result, timed in one run with their repetitions interleaved. Prints
// one table: the medians, their ratio and the ratio aimed at. Both sides paint the same way:
// through the updates they have pending, as the event loop would.

#include "PlainFirstScreen.h"
#include "app/mod_All.h"
#include "main_window/frmMain.h"
#include "platform/Form.h"
#include "platform/RichTextBox.h"
#include "platform/Rtf.h"
#include "platform/Twips.h"
#include "report/frmSave.h"
#include "report/mod_RTB.h"
#include "signs/zodiac.h"
#include "startup/frmStartup.h"
#include "support/Doubles.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QTest>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QTextDocumentWriter>
#include <QTextEdit>
#include <QTimer>
#include <QWindow>
#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <vector>

namespace {

// Processes events until none is left, so that every update pending is painted.
void PaintPending()
{
    while (QAbstractEventDispatcher::instance()->processEvents(QEventLoop::AllEvents)) {
    }
}

// Waits until the desktop shows the window, then paints what it has pending.
void PaintOnceShown(QWidget* window)
{
    while (!window->windowHandle() || !window->windowHandle()->isExposed())
        QCoreApplication::processEvents();
    PaintPending();
}

// ---- Child processes: one start-up each. A child tells its parent on a pipe when its window
// has first been painted on the screen, and ends once nothing is left to do.

const char* const ChildOption = "--child=";
const int FirstPaintPipe = 3; // the child's end of the pipe

void ReportFirstPaint()
{
    const char painted = 'p';
    if (write(FirstPaintPipe, &painted, 1) != 1)
        std::perror("zelphine_bench: first paint");
}

// Watches for the first paint of a window that is not shown yet. Its native window is made here
// so that the watch starts before the window's own tasks for that moment, and reports first.
void WatchFirstPaint(QWidget* window)
{
    window->winId();
    platform::AfterFirstPaint(window, ReportFirstPaint);
}

[[noreturn]] void EndChild()
{
    std::fflush(nullptr);
    _exit(0);
}

[[noreturn]] void ChildStartsZelphine(int& argc, char** argv)
{
    QApplication application(argc, argv);
    doubles::Surroundings stubs; // no question, no second instance, no browser
    platform::ImageList::replace(nullptr); // but the pictures the program shows
    WatchFirstPaint(&platform::form<frmMain>()); // the window start-up then shows
    platform::form<frmStartup>();
    for (platform::Form* form : platform::Forms::Loaded()) {
        if (form->isVisible())
            PaintOnceShown(form);
    }
    EndChild();
}

[[noreturn]] void ChildStartsFirstScreen(int& argc, char** argv)
{
    QApplication application(argc, argv);
    PlainFirstScreen window(PlainFirstScreen::Front::PlanetsAssociated);
    window.showSign(Zodiac.front());
    WatchFirstPaint(&window);
    window.show();
    PaintOnceShown(&window);
    EndChild();
}

// One control of each kind the main window shows, each with a short text: a menu bar, a label,
// a line box, a text box, a panel, a drop-down list, a list and a button.
void AddOneControlOfEachKind(QMainWindow& window, QWidget* client)
{
    window.menuBar()->addMenu(QStringLiteral("&Help"));
    new QLabel(QStringLiteral("Select Your Zodiac Sign"), client);
    (new QLineEdit(QStringLiteral("Mars"), client))->setGeometry(190, 150, 250, 19);
    (new QPlainTextEdit(QStringLiteral("Aries people are bold."), client))->setGeometry(184, 236, 367, 207);
    (new QGroupBox(QStringLiteral("Lucky Charm"), client))->setGeometry(168, 212, 400, 247);
    auto* signs = new QComboBox(client);
    signs->addItem(QStringLiteral("Aries"));
    signs->setGeometry(10, 10, 150, 24);
    auto* topics = new QListWidget(client);
    for (int i = 0; i < 16; ++i)
        topics->addItem(QStringLiteral("General Traits"));
    topics->setGeometry(8, 295, 153, 197);
    new QPushButton(QStringLiteral("&Save"), client);
}

// The bare window of the main window's client size; `withControls` adds one control of each
// kind, the least any window with text pays for its fonts and controls.
[[noreturn]] void ChildStartsBareWindow(int& argc, char** argv, bool withControls)
{
    QApplication application(argc, argv);
    QMainWindow window;
    auto* client = new QWidget(&window);
    client->setFixedSize(platform::twips(8565), platform::twips(8040));
    window.setCentralWidget(client);
    if (withControls)
        AddOneControlOfEachKind(window, client);
    WatchFirstPaint(&window);
    window.show();
    PaintOnceShown(&window);
    EndChild();
}

[[noreturn]] void RunAsChild(const std::string& which, int& argc, char** argv)
{
    if (which == "zelphine")
        ChildStartsZelphine(argc, argv);
    if (which == "floor")
        ChildStartsFirstScreen(argc, argv);
    ChildStartsBareWindow(argc, argv, which == "controls");
}

struct ChildRun
{
    double firstPaint; // seconds from the start
    double idle;       // seconds from the start to the end
    long peakKib;
};

// Runs this program again as a child that starts up one way.
ChildRun RunChild(const char* which)
{
    using Clock = std::chrono::steady_clock;
    const auto seconds = [](Clock::duration d) { return std::chrono::duration<double>(d).count(); };
    int paints[2];
    if (pipe(paints) != 0)
        std::abort();
    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        dup2(paints[1], FirstPaintPipe);
        const std::string option = std::string(ChildOption) + which;
        execl("/proc/self/exe", "zelphine_bench", option.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(paints[1]);
    char painted = 0;
    const bool reported = read(paints[0], &painted, 1) == 1; // or the child ended without a paint
    const Clock::time_point firstPaint = Clock::now();
    close(paints[0]);
    int status = 0;
    rusage usage {};
    wait4(child, &status, 0, &usage);
    const Clock::duration idle = Clock::now() - start;
    return {reported ? seconds(firstPaint - start) : seconds(idle), seconds(idle), usage.ru_maxrss};
}

void StartUp(benchmark::State& state, const char* which)
{
    double idle = 0;
    double peak = 0;
    for (auto _ : state) {
        const ChildRun run = RunChild(which);
        state.SetIterationTime(run.firstPaint);
        idle += run.idle * 1e3;
        peak += double(run.peakKib);
    }
    state.counters["idle_ms"] = benchmark::Counter(idle, benchmark::Counter::kAvgIterations);
    state.counters["peak_kib"] = benchmark::Counter(peak, benchmark::Counter::kAvgIterations);
}

// ---- Choosing each of the twelve signs in turn, with one topic in front.

const int PlanetsAssociated = 0;
const int CompatibilityTraits = 6;

// Chooses each sign in turn in the main window's sign list, painting after each. Not inlined, here
// and in the floor, so that a profiler can measure the switches alone.
[[gnu::noinline]] void SwitchSignsZelphine(QComboBox* cboSign)
{
    for (int i = 0; i < int(Zodiac.size()); ++i) {
        cboSign->setCurrentIndex(i);
        PaintPending();
    }
}

frmMain& MainWindow()
{
    static frmMain& window = [] () -> frmMain& {
        auto* made = new frmMain;
        made->Load();
        made->show();
        PaintOnceShown(made);
        // Every sign chosen once, so that its picture is decoded beforehand, as in the floor.
        SwitchSignsZelphine(made->findChild<QComboBox*>(QStringLiteral("cboSign")));
        return *made;
    }();
    return window;
}

void SignSwitchZelphine(benchmark::State& state, int topic)
{
    frmMain& window = MainWindow();
    window.findChild<QListWidget*>(QStringLiteral("lstOptions"))->setCurrentRow(topic);
    auto* cboSign = window.findChild<QComboBox*>(QStringLiteral("cboSign"));
    PaintPending();
    for (auto _ : state)
        SwitchSignsZelphine(cboSign);
}

[[gnu::noinline]] void SwitchSignsFloor(PlainFirstScreen& window)
{
    for (const ZodiacSign& sign : Zodiac) {
        window.showSign(sign);
        PaintPending();
    }
}

void SignSwitchFloor(benchmark::State& state, PlainFirstScreen::Front front)
{
    static std::map<PlainFirstScreen::Front, PlainFirstScreen*> windows; // live until the process ends
    PlainFirstScreen*& window = windows[front];
    if (!window) {
        window = new PlainFirstScreen(front);
        for (const ZodiacSign& sign : Zodiac) // every picture decoded beforehand, as ours keeps them
            window->showSign(sign);
        window->show();
        PaintOnceShown(window);
    }
    for (auto _ : state)
        SwitchSignsFloor(*window);
}

// ---- The report of the longest sign: composing, saving, printing, typing into it.

const QString LongestSign = QStringLiteral("Libra");

// Opens a report window as the Save button does, without waiting for it to close.
frmSave& OpenReport()
{
    FindSign(LongestSign)->load();
    mod_All::SelectedSign = LongestSign;
    auto* report = new frmSave;
    report->Load();
    report->show();
    return *report;
}

// One report window, open for as long as the benchmark runs.
frmSave& SharedReport()
{
    static frmSave& report = OpenReport();
    return report;
}

platform::RichTextBox* BoxOf(frmSave& report)
{
    return report.findChild<platform::RichTextBox*>(QStringLiteral("RTB"));
}

// The report's text as formatted pieces, for the floor to insert the same way.
struct Piece
{
    QString text;
    QTextCharFormat format;
    bool newBlock;
};

std::vector<Piece> PiecesOfReport()
{
    frmSave& report = OpenReport();
    std::vector<Piece> pieces;
    for (QTextBlock block = BoxOf(report)->document()->begin(); block.isValid(); block = block.next()) {
        bool first = true;
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            pieces.push_back({it.fragment().text(), it.fragment().charFormat(), first && block.position() > 0});
            first = false;
        }
        if (first && block.position() > 0)
            pieces.push_back({QString(), QTextCharFormat(), true});
    }
    delete &report;
    return pieces;
}

void ComposeZelphine(benchmark::State& state)
{
    for (auto _ : state) {
        frmSave& report = OpenReport();
        PaintOnceShown(&report);
        state.PauseTiming();
        delete &report;
        state.ResumeTiming();
    }
}

void ComposeFloor(benchmark::State& state)
{
    static const std::vector<Piece> pieces = PiecesOfReport();
    for (auto _ : state) {
        QTextEdit box;
        box.setGeometry(2, 32, 511, 409);
        QTextCursor cursor(box.document());
        for (const Piece& piece : pieces) {
            if (piece.newBlock)
                cursor.insertBlock();
            cursor.insertText(piece.text, piece.format);
        }
        box.show();
        PaintOnceShown(&box);
        state.PauseTiming();
        box.hide();
        state.ResumeTiming();
    }
}

QTextDocument& ReportDocument()
{
    return *BoxOf(SharedReport())->document();
}

const QString SavedPath = QDir::temp().filePath(QStringLiteral("zelphine-bench-report"));

// Writes the bytes into the file the way the program saves: into a temporary file, forced to
// disk, then put in place of the file.
void SaveAtomically(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
        file.commit();
}

void SaveZelphine(benchmark::State& state)
{
    for (auto _ : state)
        BoxOf(SharedReport())->SaveFile(SavedPath + QStringLiteral(".rtf"));
}

// Qt's own writer; it closes the device it writes to, which a QSaveFile does not allow, so it
// writes into memory first.
void SaveFloorOdf(benchmark::State& state)
{
    QTextDocument& document = ReportDocument();
    for (auto _ : state) {
        QBuffer odf;
        QTextDocumentWriter(&odf, "odf").write(&document);
        SaveAtomically(SavedPath + QStringLiteral(".odt"), odf.data());
    }
}

// The program's own bytes: the difference to the program is what composing the RTF costs.
void SaveFloorSameBytes(benchmark::State& state)
{
    const QByteArray rtf = platform::RtfDocument(ReportDocument());
    for (auto _ : state)
        SaveAtomically(SavedPath + QStringLiteral("-bytes.rtf"), rtf);
}

void PrintZelphine(benchmark::State& state)
{
    static doubles::Printer pdf;
    pdf.pdfPath = SavedPath + QStringLiteral("-ours.pdf");
    for (auto _ : state)
        BoxOf(SharedReport())->SelPrint(pdf);
}

void PrintFloor(benchmark::State& state)
{
    QTextDocument& document = ReportDocument();
    for (auto _ : state) {
        QPdfWriter pages(SavedPath + QStringLiteral("-floor.pdf"));
        document.print(&pages);
    }
}

// The box given, filled with the report repeated until it holds `size` characters, shown.
template <class Box>
Box* BoxWithReport(Box* box, int size)
{
    box->setGeometry(2, 32, 511, 409);
    QTextCursor cursor(box->document());
    while (box->document()->characterCount() < size) {
        cursor.movePosition(QTextCursor::End);
        cursor.insertFragment(QTextDocumentFragment(&ReportDocument()));
    }
    box->show();
    PaintOnceShown(box);
    return box;
}

// Types characters one by one at the end of the text, painting after each; every repetition
// starts from the same text.
void TypeInto(benchmark::State& state, QTextEdit* box)
{
    const int size = box->document()->characterCount();
    QTextCursor end(box->document());
    end.movePosition(QTextCursor::End);
    box->setTextCursor(end);
    box->setFocus();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    for (auto _ : state) {
        QCoreApplication::sendEvent(box, &press);
        QCoreApplication::sendEvent(box, &release);
        PaintPending();
    }
    QTextCursor typed(box->document());
    typed.setPosition(size - 1);
    typed.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    typed.removeSelectedText();
}

void TypingZelphine(benchmark::State& state, int size)
{
    static std::map<int, platform::RichTextBox*> boxes;
    platform::RichTextBox*& box = boxes[size];
    if (!box) {
        box = new platform::RichTextBox(nullptr, QStringLiteral("RTB"));
        mod_RTB::EnableRichTextLinks(box, box); // web addresses detected as the text comes
        BoxWithReport(box, size);
    }
    TypeInto(state, box);
}

void TypingFloor(benchmark::State& state, int size)
{
    static std::map<int, QTextEdit*> boxes;
    QTextEdit*& box = boxes[size];
    if (!box)
        box = BoxWithReport(new QTextEdit, size);
    TypeInto(state, box);
}

// ---- The main window's Save button, pressed by its access key and clicked.

// Closes every report window once it has been painted, so that the button's handler returns,
// and counts them.
class ReportCloser : public QObject
{
public:
    int closed = 0;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* report = qobject_cast<frmSave*>(watched);
        if (report && event->type() == QEvent::Show) {
            QTimer::singleShot(0, report, [this, report] {
                PaintOnceShown(report);
                report->Unload();
                ++closed;
            });
        }
        return false;
    }
};

void OpenReportBy(benchmark::State& state, bool accessKey)
{
    frmMain& window = MainWindow();
    auto* save = window.findChild<QPushButton*>(QStringLiteral("cmdSave"));
    ReportCloser closer;
    qApp->installEventFilter(&closer);
    for (auto _ : state) {
        state.PauseTiming();
        doubles::ShownInFront(&window); // access keys reach the active window only
        state.ResumeTiming();
        const int opened = closer.closed + 1;
        if (accessKey)
            QTest::keyClick(&window, Qt::Key_S, Qt::AltModifier);
        else
            QTest::mouseClick(save, Qt::LeftButton);
        while (closer.closed < opened)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    qApp->removeEventFilter(&closer);
    PaintPending(); // the report windows closed are deleted
}

// ---- The table.

struct Measure
{
    const char* name;
    const char* zelphine; // or, in a row without a target, what is compared with the floor
    const char* floor;
    double target; // 0: shown for reference only
    const char* counter; // empty: time; "peak_kib": memory; any other: a time in milliseconds
};

const Measure Measures[] = {
    {"start-up to first paint", "startup/zelphine", "startup/floor", 1.15, nullptr},
    {"peak memory after start-up", "startup/zelphine", "startup/floor", 1.1, "peak_kib"},
    {"  start-up until idle", "startup/zelphine", "startup/floor", 0, "idle_ms"},
    // Not targets: what a bare window and one with a control of each kind cost against the floor.
    {"  bare window: time", "startup/bare", "startup/floor", 0, nullptr},
    {"  bare window: memory", "startup/bare", "startup/floor", 0, "peak_kib"},
    {"  one of each control: time", "startup/controls", "startup/floor", 0, nullptr},
    {"  one of each control: memory", "startup/controls", "startup/floor", 0, "peak_kib"},
    {"sign switch, Compatibility", "signs-compatibility/zelphine", "signs-compatibility/floor", 1.5, nullptr},
    {"sign switch, Planets", "signs-planets/zelphine", "signs-planets/floor", 1.5, nullptr},
    {"report composition", "compose/zelphine", "compose/floor", 1.5, nullptr},
    {"save, against Qt's ODF", "save/zelphine", "save/floor-odf", 1.0, nullptr},
    {"save, against its own bytes", "save/zelphine", "save/floor-bytes", 1.1, nullptr},
    {"print", "print/zelphine", "print/floor", 1.2, nullptr},
    {"typing, per key, 20 KB", "type20/zelphine", "type20/floor", 2.0, nullptr},
    {"typing, per key, 200 KB", "type200/zelphine", "type200/floor", 2.0, nullptr},
    {"typing, 200 KB against 20 KB", "type200/zelphine", "type20/zelphine", 1.5, nullptr},
    {"report open, Alt+S / click", "open/alt-s", "open/click", 1.1, nullptr},
};

// Collects the medians of every benchmark (time in milliseconds, and counters).
class MedianCollector : public benchmark::ConsoleReporter
{
public:
    std::map<std::string, double> time;
    std::map<std::string, std::map<std::string, double>> counters;

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Aggregate || run.aggregate_name != "median")
                continue;
            const std::string name = run.run_name.function_name;
            time[name] = run.GetAdjustedRealTime() * 1e3 / benchmark::GetTimeUnitMultiplier(run.time_unit);
            for (const auto& [counter, value] : run.counters)
                counters[name][counter] = value;
        }
    }

    // The median of a benchmark's time, or of one of its counters; 0 when it did not run.
    double median(const std::string& name, const char* counter)
    {
        return counter ? counters[name][counter] : time[name];
    }
};

std::string Printed(double value, const char* unit)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.2f %s", value, unit);
    return text;
}

void PrintTable(MedianCollector& collector)
{
    std::printf("\n%-30s %14s %14s %8s %8s\n", "measure", "Zelphine", "floor", "ratio", "target");
    for (const Measure& m : Measures) {
        const bool memory = m.counter && std::string(m.counter) == "peak_kib";
        const double ours = collector.median(m.zelphine, m.counter) / (memory ? 1024 : 1);
        const double floor = collector.median(m.floor, m.counter) / (memory ? 1024 : 1);
        if (ours == 0 || floor == 0)
            continue; // filtered out
        const char* unit = memory ? "MiB" : "ms";
        char target[16] = "       -";
        if (m.target > 0)
            std::snprintf(target, sizeof target, "%7.2fx", m.target);
        std::printf("%-30s %14s %14s %7.2fx %s\n", m.name, Printed(ours, unit).c_str(),
                    Printed(floor, unit).c_str(), ours / floor, target);
    }
    std::printf("Each ratio is Zelphine's median over its floor's, the least Qt's own widgets need for the same visible\n"
                "result: for start-up the main window's first screen, timed to its first paint; for the access key, a\n"
                "click. Rows without a target compare, for reference only: start-up until idle, and a bare window and\n"
                "one with a control of each kind against the start-up floor.\n");
}

void RegisterBenchmarks(bool quick)
{
    const int startups = quick ? 1 : 4;
    for (const char* which : {"zelphine", "floor", "bare", "controls"})
        benchmark::RegisterBenchmark((std::string("startup/") + which).c_str(), StartUp, which)
            ->Iterations(startups)
            ->UseManualTime();
    const int switches = quick ? 1 : 5;
    benchmark::RegisterBenchmark("signs-compatibility/zelphine", SignSwitchZelphine, CompatibilityTraits)->Iterations(switches);
    benchmark::RegisterBenchmark("signs-compatibility/floor", SignSwitchFloor, PlainFirstScreen::Front::CompatibilityTraits)
        ->Iterations(switches);
    benchmark::RegisterBenchmark("signs-planets/zelphine", SignSwitchZelphine, PlanetsAssociated)->Iterations(switches);
    benchmark::RegisterBenchmark("signs-planets/floor", SignSwitchFloor, PlainFirstScreen::Front::PlanetsAssociated)
        ->Iterations(switches);
    benchmark::RegisterBenchmark("compose/zelphine", ComposeZelphine)->Iterations(quick ? 1 : 5);
    benchmark::RegisterBenchmark("compose/floor", ComposeFloor)->Iterations(quick ? 1 : 5);
    const int saves = quick ? 1 : 30;
    benchmark::RegisterBenchmark("save/zelphine", SaveZelphine)->Iterations(saves);
    benchmark::RegisterBenchmark("save/floor-odf", SaveFloorOdf)->Iterations(saves);
    benchmark::RegisterBenchmark("save/floor-bytes", SaveFloorSameBytes)->Iterations(saves);
    benchmark::RegisterBenchmark("print/zelphine", PrintZelphine)->Iterations(quick ? 1 : 3);
    benchmark::RegisterBenchmark("print/floor", PrintFloor)->Iterations(quick ? 1 : 3);
    const int keys = quick ? 20 : 150;
    benchmark::RegisterBenchmark("type20/zelphine", TypingZelphine, 20000)->Iterations(keys);
    benchmark::RegisterBenchmark("type20/floor", TypingFloor, 20000)->Iterations(keys);
    benchmark::RegisterBenchmark("type200/zelphine", TypingZelphine, 200000)->Iterations(keys);
    benchmark::RegisterBenchmark("type200/floor", TypingFloor, 200000)->Iterations(keys);
    const int opens = quick ? 1 : 3;
    benchmark::RegisterBenchmark("open/alt-s", OpenReportBy, true)->Iterations(opens);
    benchmark::RegisterBenchmark("open/click", OpenReportBy, false)->Iterations(opens);
}

} // namespace

// Options: --quick (few repetitions: enough to see that it runs, too few to judge); any other
// option goes to Google Benchmark (--benchmark_filter=startup, for one). The platform is Qt's
// offscreen one unless QT_QPA_PLATFORM names another.
int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 2 && std::string(argv[1]).rfind(ChildOption, 0) == 0)
        RunAsChild(argv[1] + std::string(ChildOption).size(), argc, argv);

    std::vector<std::string> options = {argv[0]};
    bool quick = false;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--quick")
            quick = true;
        else
            options.push_back(argv[i]);
    }
    options.push_back("--benchmark_repetitions=" + std::to_string(quick ? 3 : 15));
    options.push_back("--benchmark_enable_random_interleaving=true");
    options.push_back("--benchmark_report_aggregates_only=true");

    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    doubles::Surroundings stubs;
    platform::ImageList::replace(nullptr); // the pictures the program shows

    RegisterBenchmarks(quick);
    std::vector<char*> arguments;
    for (std::string& option : options)
        arguments.push_back(option.data());
    int count = int(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    MedianCollector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    PrintTable(collector);
    return 0;
}
