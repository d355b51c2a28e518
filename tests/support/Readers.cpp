#include "support/Readers.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QUrl>

namespace readers {

namespace {

QByteArray Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(90000);
    return process.readAllStandardOutput();
}

} // namespace

QString LibreOffice(const QString& rtfPath, const QString& format)
{
    QTemporaryDir work;
    const QString filter = format == "txt" ? "txt:Text (encoded):UTF8" : format;
    Run("soffice", {"-env:UserInstallation=" + QUrl::fromLocalFile(work.filePath("profile")).toString(),
                    "--headless", "--convert-to", filter, "--outdir", work.path(), rtfPath});
    QFile converted(work.filePath(QFileInfo(rtfPath).completeBaseName() + "." + format));
    if (!converted.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(converted.readAll()).remove(QChar(0xFEFF));
}

QString PdfText(const QString& pdfPath)
{
    return QString::fromUtf8(Run("pdftotext", {pdfPath, "-"}));
}

QStringList StyledWords(const QTextDocument& document)
{
    static const QRegularExpression blanks("[\\s\\x{00A0}\\x{2028}]+");
    QStringList words;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            const QBrush colour = format.foreground();
            const QString style = QString(format.fontWeight() > QFont::Medium ? "bold " : "")
                + (format.fontUnderline() ? "underlined " : "")
                + (colour.style() == Qt::NoBrush ? "auto" : colour.color().name());
            for (const QString& word : it.fragment().text().split(blanks, Qt::SkipEmptyParts))
                words.append(word + " " + style);
        }
    }
    return words;
}

} // namespace readers
