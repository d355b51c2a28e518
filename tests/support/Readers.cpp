#include "support/Readers.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextList>
#include <QUrl>

namespace readers {

QString Output(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(90000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString LibreOffice(const QString& rtfPath, const QString& format)
{
    static const QTemporaryDir profile; // made once, on the first conversion, which is the slow one
    QTemporaryDir work;
    Output("soffice", {"-env:UserInstallation=" + QUrl::fromLocalFile(profile.path()).toString(), "--headless",
                       "--convert-to", format == "txt" ? "txt:Text (encoded):UTF8" : format, "--outdir", work.path(), rtfPath});
    QFile converted(work.filePath(QFileInfo(rtfPath).completeBaseName() + "." + format));
    if (!converted.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(converted.readAll()).remove(QChar(0xFEFF));
}

QStringList StyledWords(const QTextDocument& document)
{
    static const QRegularExpression blanks("[\\s\\x{00A0}\\x{2028}]+");
    QStringList words;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QString paragraph = block.textList() ? " listed" : QTextCursor(block).currentTable() ? " in a table" : "";
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            const QFont font = format.font().resolve(document.defaultFont());
            // The size the text is written in; a size relative to it is no part of a file.
            const double points = format.hasProperty(QTextFormat::FontPointSize) ? format.fontPointSize() : font.pointSizeF();
            QString style = font.family() + QString(" %1pt").arg(qRound(points));
            for (const auto& [on, name] : {std::pair(font.bold(), " bold"), {font.italic(), " italic"},
                                           {font.underline(), " underlined"}, {font.strikeOut(), " struck"}})
                style += on ? name : "";
            style += " " + format.foreground().color().name(); // plain text's own colour shows as black
            if (format.background().style() != Qt::NoBrush)
                style += " on " + format.background().color().name();
            for (const QString& word : it.fragment().text().split(blanks, Qt::SkipEmptyParts))
                words.append(word + " " + style + paragraph);
        }
    }
    return words;
}

} // namespace readers
