// Zelphine against its floor: for each measure, the program's own way and the least that Qt
// needs for the same visible result, timed in one run with their repetitions interleaved. Prints
// one table: the medians, their ratio and the ratio aimed at.

#include "app/mod_All.h"
#include "main_window/frmMain.h"
#include "platform/RichTextBox.h"
#include "report/frmSave.h"
#include "report/mod_RTB.h"
#include "platform/Form.h"
#include "platform/Twips.h"
#include "signs/zodiac.h"
#include "startup/frmStartup.h"
#include "support/Doubles.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QTextDocumentWriter>
#include <QTextEdit>
#include <QWindow>
#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <vector>

namespace {

// ---- Child processes: one start-up each, ended once the window has been painted.

const char* const ChildOption = "--child=";

// Paints the window as the desktop shows it first: once it is exposed.
void PaintOnce(QWidget* window)
{
    while (!window->windowHandle() || !window->windowHandle()->isExposed())
        QCoreApplication::processEvents();
    window->repaint();
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
    platform::form<frmStartup>();
    for (platform::Form* form : platform::Forms::Loaded()) {
        if (form->isVisible())
            PaintOnce(form);
    }
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
    topics->addItem(QStringLiteral("General Traits"));
    topics->setGeometry(8, 295, 153, 197);
    new QPushButton(QStringLiteral("&Save"), client);
}

// The bare window of the main window's client size; `withControls` adds one control of each
// kind, the least any window like the main window pays for its fonts and controls.
[[noreturn]] void ChildStartsBareWindow(int& argc, char** argv, bool withControls)
{
    QApplication application(argc, argv);
    QMainWindow window;
    auto* client = new QWidget(&window);
    client->setFixedSize(platform::twips(8565), platform::twips(8040));
    window.setCentralWidget(client);
    if (withControls)
        AddOneControlOfEachKind(window, client);
    window.show();
    PaintOnce(&window);
    EndChild();
}

// Runs this program again as a child that starts up one way; returns its peak memory in KiB.
long RunChild(const char* which)
{
    const pid_t child = fork();
    if (child == 0) {
        const std::string option = std::string(ChildOption) + which;
        execl("/proc/self/exe", "zelphine_bench", option.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage {};
    wait4(child, &status, 0, &usage);
    return usage.ru_maxrss;
}

void StartUp(benchmark::State& state, const char* which)
{
    long peak = 0;
    for (auto _ : state)
        peak = RunChild(which);
    state.counters["peak_kib"] = double(peak);
}

// ---- Choosing each of the twelve signs in turn, the front panel painted each time.

frmMain* MainWindow()
{
    static frmMain* window = [] {
        auto* made = new frmMain;
        made->Load();
        made->show();
        PaintOnce(made);
        return made;
    }();
    return window;
}

void SignSwitchZelphine(benchmark::State& state)
{
    frmMain* window = MainWindow();
    auto* cboSign = window->findChild<QComboBox*>(QStringLiteral("cboSign"));
    for (auto _ : state) {
        for (int i = 0; i < int(Zodiac.size()); ++i) {
            cboSign->setCurrentIndex(i);
            window->repaint();
        }
    }
}

// The same texts in the same kinds of boxes, and a picture drawn beforehand, in a window of the
// same size.
struct BareSignWindow
{
    QWidget window;
    QLabel* picture = new QLabel(&window);
    std::vector<QLineEdit*> lines;
    std::vector<QPlainTextEdit*> texts;
    std::vector<QPixmap> pictures;

    BareSignWindow()
    {
        window.setFixedSize(platform::twips(8565), platform::twips(8040));
        picture->setGeometry(8, 40, 154, 248);
        for (int i = 0; i < 13; ++i) {
            lines.push_back(new QLineEdit(&window));
            lines.back()->setGeometry(190, 150 + 20 * i, 250, 19);
        }
        for (int i = 0; i < 15; ++i) {
            texts.push_back(new QPlainTextEdit(&window));
            texts.back()->setGeometry(184, 236, 367, 207);
        }
        for (const ZodiacSign& sign : Zodiac) {
            sign.load();
            pictures.push_back(platform::ImageList::real().ListImage(sign.pictureNumber));
        }
        window.show();
        PaintOnce(&window);
    }
};

void SignSwitchFloor(benchmark::State& state)
{
    static BareSignWindow& bare = *new BareSignWindow; // lives until the process ends
    for (auto _ : state) {
        for (size_t i = 0; i < Zodiac.size(); ++i) {
            const SignData& d = *Zodiac[i].record;
            const QString short_[] = {d.BirthDates, d.ZodiacSymbol, d.ZodiacElement, d.ZodiacQuality,
                                      d.DomicilePlanet, d.DetrimentPlanet, d.ExaltationPlanet, d.Birthstone,
                                      d.LuckyColors, d.LuckyNumbers, d.LuckyDay, d.LuckyGemstones, d.LuckyMetals};
            const QString long_[] = {d.Famous, d.GeneralTraits, d.PositiveTraits, d.NegativeTraits,
                                     d.FriendshipTraits, d.CompatibilityTraits, d.Mother, d.Father, d.Child,
                                     d.CommonProfessions, d.HealthConcerns, d.FinancialHabits, d.FashionStyle,
                                     d.Travel, d.LoveAndRomance};
            for (int f = 0; f < 13; ++f)
                bare.lines[f]->setText(short_[f]);
            for (int f = 0; f < 15; ++f)
                bare.texts[f]->setPlainText(long_[f]);
            bare.picture->setPixmap(bare.pictures[i]);
            bare.window.repaint();
        }
    }
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
        PaintOnce(&report);
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
        PaintOnce(&box);
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

void SaveZelphine(benchmark::State& state)
{
    for (auto _ : state)
        BoxOf(SharedReport())->SaveFile(SavedPath + QStringLiteral(".rtf"));
}

void SaveFloor(benchmark::State& state)
{
    QTextDocument& document = ReportDocument();
    for (auto _ : state)
        QTextDocumentWriter(SavedPath + QStringLiteral(".odt"), "odf").write(&document);
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
    PaintOnce(box);
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
        box->viewport()->repaint();
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

// ---- The table.

struct Measure
{
    const char* name;
    const char* zelphine;
    const char* floor;
    double target; // 0: shown for reference only
    const char* counter; // empty: time
};

const Measure Measures[] = {
    {"start-up to first paint", "startup/zelphine", "startup/floor", 1.3, nullptr},
    {"peak memory after start-up", "startup/zelphine", "startup/floor", 1.3, "peak_kib"},
    // Not targets: what a window with one control of each kind costs against the same floor.
    {"  one of each control: time", "startup/controls", "startup/floor", 0, nullptr},
    {"  one of each control: memory", "startup/controls", "startup/floor", 0, "peak_kib"},
    {"sign switch (12 signs)", "signs/zelphine", "signs/floor", 1.5, nullptr},
    {"report composition", "compose/zelphine", "compose/floor", 1.5, nullptr},
    {"save", "save/zelphine", "save/floor", 1.0, nullptr},
    {"print", "print/zelphine", "print/floor", 1.2, nullptr},
    {"typing, per key, 20 KB", "type20/zelphine", "type20/floor", 2.0, nullptr},
    {"typing, per key, 200 KB", "type200/zelphine", "type200/floor", 2.0, nullptr},
    {"typing, 200 KB against 20 KB", "type200/zelphine", "type20/zelphine", 1.5, nullptr},
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
};

std::string Printed(double value, const char* unit)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.2f %s", value, unit);
    return text;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 2 && std::string(argv[1]).rfind(ChildOption, 0) == 0) {
        const std::string which = argv[1] + std::string(ChildOption).size();
        if (which == "zelphine")
            ChildStartsZelphine(argc, argv);
        ChildStartsBareWindow(argc, argv, which == "controls");
    }

    const bool quick = argc > 1 && std::string(argv[1]) == "--quick";
    const int repetitions = quick ? 3 : 15;
    QApplication application(argc, argv);
    doubles::Surroundings stubs;
    platform::ImageList::replace(nullptr); // the pictures the program shows

    benchmark::RegisterBenchmark("startup/zelphine", StartUp, "zelphine")->Iterations(quick ? 1 : 4);
    benchmark::RegisterBenchmark("startup/floor", StartUp, "floor")->Iterations(quick ? 1 : 4);
    benchmark::RegisterBenchmark("startup/controls", StartUp, "controls")->Iterations(quick ? 1 : 4);
    benchmark::RegisterBenchmark("signs/zelphine", SignSwitchZelphine)->Iterations(quick ? 1 : 5);
    benchmark::RegisterBenchmark("signs/floor", SignSwitchFloor)->Iterations(quick ? 1 : 5);
    benchmark::RegisterBenchmark("compose/zelphine", ComposeZelphine)->Iterations(quick ? 1 : 5);
    benchmark::RegisterBenchmark("compose/floor", ComposeFloor)->Iterations(quick ? 1 : 5);
    benchmark::RegisterBenchmark("save/zelphine", SaveZelphine)->Iterations(quick ? 1 : 10);
    benchmark::RegisterBenchmark("save/floor", SaveFloor)->Iterations(quick ? 1 : 10);
    benchmark::RegisterBenchmark("print/zelphine", PrintZelphine)->Iterations(quick ? 1 : 3);
    benchmark::RegisterBenchmark("print/floor", PrintFloor)->Iterations(quick ? 1 : 3);
    const int keys = quick ? 20 : 2000 / repetitions;
    benchmark::RegisterBenchmark("type20/zelphine", TypingZelphine, 20000)->Iterations(keys);
    benchmark::RegisterBenchmark("type20/floor", TypingFloor, 20000)->Iterations(keys);
    benchmark::RegisterBenchmark("type200/zelphine", TypingZelphine, 200000)->Iterations(keys);
    benchmark::RegisterBenchmark("type200/floor", TypingFloor, 200000)->Iterations(keys);

    std::string repeat = "--benchmark_repetitions=" + std::to_string(repetitions);
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    char aggregates[] = "--benchmark_report_aggregates_only=true";
    char* arguments[] = {argv[0], repeat.data(), interleave, aggregates};
    int count = 4;
    benchmark::Initialize(&count, arguments);
    MedianCollector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);

    std::printf("\n%-30s %14s %14s %8s %8s\n", "measure", "Zelphine", "floor", "ratio", "target");
    for (const Measure& m : Measures) {
        const bool memory = m.counter != nullptr;
        const double ours = memory ? collector.counters[m.zelphine][m.counter] / 1024 : collector.time[m.zelphine];
        const double floor = memory ? collector.counters[m.floor][m.counter] / 1024 : collector.time[m.floor];
        const char* unit = memory ? "MiB" : "ms";
        char target[16] = "       -";
        if (m.target > 0)
            std::snprintf(target, sizeof target, "%7.2fx", m.target);
        std::printf("%-30s %14s %14s %7.2fx %s\n", m.name, Printed(ours, unit).c_str(),
                    Printed(floor, unit).c_str(), ours / floor, target);
    }
    std::printf("Rows without a target measure, instead of Zelphine, the bare window with one control of "
                "each kind the main window shows\n(menu bar, label, line box, text box, panel, drop-down "
                "list, list, button): the least such a window costs.\n");
    return 0;
}
