#include "support/Readers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>

namespace readers {

namespace {

QByteArray Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(90000) || process.exitCode() != 0) {
        qWarning("%s failed: %s", qPrintable(program), process.readAllStandardError().constData());
        return QByteArray();
    }
    return process.readAllStandardOutput();
}

QString ConvertedByLibreOffice(const QString& path, const QString& filter, const QString& extension)
{
    QTemporaryDir work;
    const QString profile = QUrl::fromLocalFile(work.filePath(QStringLiteral("profile"))).toString();
    const QString out = work.filePath(QStringLiteral("out"));
    Run(QStringLiteral("soffice"), {QStringLiteral("-env:UserInstallation=") + profile, QStringLiteral("--headless"),
                                    QStringLiteral("--convert-to"), filter, QStringLiteral("--outdir"), out, path});
    QFile converted(QDir(out).filePath(QFileInfo(path).completeBaseName() + QLatin1Char('.') + extension));
    if (!converted.open(QIODevice::ReadOnly))
        return QString();
    QString text = QString::fromUtf8(converted.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

} // namespace

QString HtmlOfRtf(const QString& rtfPath)
{
    return ConvertedByLibreOffice(rtfPath, QStringLiteral("html"), QStringLiteral("html"));
}

QString TextOfRtf(const QString& rtfPath)
{
    return ConvertedByLibreOffice(rtfPath, QStringLiteral("txt:Text (encoded):UTF8"), QStringLiteral("txt"));
}

QString PdfText(const QString& pdfPath)
{
    return QString::fromUtf8(Run(QStringLiteral("pdftotext"), {pdfPath, QStringLiteral("-")}));
}

QStringList StyledWords(const QTextDocument& document)
{
    static const QRegularExpression blanks(QStringLiteral("[\\s\\x{00A0}\\x{2028}\\x{2029}]+"));
    QStringList words;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            const QBrush colour = format.foreground();
            QString style = colour.style() == Qt::NoBrush ? QStringLiteral("auto") : colour.color().name();
            if (format.fontUnderline())
                style.prepend(QStringLiteral("underlined "));
            if (format.fontWeight() > QFont::Medium)
                style.prepend(QStringLiteral("bold "));
            for (const QString& word : it.fragment().text().split(blanks, Qt::SkipEmptyParts))
                words.append(word + QLatin1Char(' ') + style);
        }
    }
    return words;
}

} // namespace readers
