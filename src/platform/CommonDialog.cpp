#include "platform/CommonDialog.h"

#include "platform/Files.h"
#include "platform/Text.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace platform {

namespace {

// What the dialog makes of a name the user chose.
enum class Outcome { Accepted, FolderMissing, WriteProtected, AskToReplace };

// A pair of description and pattern of a filter.
struct NameFilter
{
    QString description;
    QString pattern;
};

// The path of a chosen name, with the default extension added when the name has none.
QString WithDefaultExt(const QString& path, const QString& defaultExt)
{
    if (defaultExt.isEmpty() || QFileInfo(path).fileName().contains(QLatin1Char('.')))
        return path;
    return path + QLatin1Char('.') + defaultExt;
}

// How the dialog's flags take a chosen path (with its extension).
Outcome Check(const QString& path, int flags)
{
    const QFileInfo info(path);
    if ((flags & CommonDialog::cdlOFNPathMustExist) && !info.absoluteDir().exists())
        return Outcome::FolderMissing;
    if ((flags & CommonDialog::cdlOFNNoReadOnlyReturn) && SaveRefused(path))
        return Outcome::WriteProtected;
    if ((flags & CommonDialog::cdlOFNOverwritePrompt) && info.exists())
        return Outcome::AskToReplace;
    return Outcome::Accepted;
}

// The pairs of description and pattern of a filter, blanks around each part left out.
QList<NameFilter> Filters(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QList<NameFilter> filters;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        filters.append({Trim(parts[i]), Trim(parts[i + 1])});
    return filters;
}

// A Save As dialog that holds to the flags before it lets a name through. Qt's own dialog is
// used everywhere, so that the flags mean the same on every desktop.
class SaveAsDialog : public QFileDialog
{
public:
    SaveAsDialog(QWidget* owner, const CommonDialog::Properties& properties)
        : QFileDialog(owner, properties.DialogTitle)
        , m_properties(properties)
    {
        setOption(QFileDialog::DontUseNativeDialog);
        setOption(QFileDialog::DontConfirmOverwrite); // asked in accept(), after the refusals
        setAcceptMode(QFileDialog::AcceptSave);
        setFileMode(QFileDialog::AnyFile);
        QStringList filters;
        for (const NameFilter& filter : Filters(properties.Filter))
            filters.append(filter.description + QStringLiteral(" (") + filter.pattern + QLatin1Char(')'));
        if (!filters.isEmpty()) {
            setNameFilters(filters);
            const int index = properties.FilterIndex;
            selectNameFilter(filters.value(index >= 1 && index <= filters.size() ? index - 1 : 0));
        }
        selectFile(properties.FileName);
    }

    void accept() override
    {
        const QStringList chosen = selectedFiles();
        if (chosen.isEmpty() || QFileInfo(chosen.first()).isDir()) {
            QFileDialog::accept(); // an empty name does nothing; a folder is opened
            return;
        }
        const QString path = WithDefaultExt(chosen.first(), m_properties.DefaultExt);
        const QString name = QDir::toNativeSeparators(path);
        switch (Check(path, m_properties.Flags)) {
        case Outcome::FolderMissing:
            QMessageBox::warning(this, windowTitle(), name + QStringLiteral("\nThe folder does not exist. Check the name and try again."));
            return;
        case Outcome::WriteProtected:
            QMessageBox::warning(this, windowTitle(), name + QStringLiteral("\nThis file or its folder is write-protected. Choose another name or folder."));
            return;
        case Outcome::AskToReplace:
            if (QMessageBox::warning(this, windowTitle(), name + QStringLiteral(" already exists.\nDo you want to replace it?"),
                                     QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
                != QMessageBox::Yes)
                return;
            break;
        case Outcome::Accepted:
            break;
        }
        m_chosen = path;
        QDialog::accept();
    }

    QString chosen() const { return m_chosen; }

private:
    CommonDialog::Properties m_properties;
    QString m_chosen;
};

class FileDialogs : public CommonDialog
{
public:
    bool ShowSave(QWidget* owner, Properties& dialog) override
    {
        SaveAsDialog box(owner, dialog);
        if (box.exec() != QDialog::Accepted || box.chosen().isEmpty())
            return false;
        dialog.FileName = box.chosen();
        return true;
    }
};

} // namespace

CommonDialog& CommonDialog::real()
{
    static FileDialogs dialogs;
    return dialogs;
}

} // namespace platform
