#include "DialogSaveFileChooser.h"

#include <QFileDialog>
#include <QRegularExpression>

SaveFileChooser::Choice DialogSaveFileChooser::choose(const QString& title, const QString& suggestedPath,
                                                      const QStringList& filters)
{
    QFileDialog dialog(owner_, title, suggestedPath);
    // The same dialog on every desktop, in the program's language.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    const QRegularExpression extension(QStringLiteral("\\*\\.(\\w+)"));
    const auto suffixOf = [&](const QString& filter) { return extension.match(filter).captured(1); };
    dialog.setDefaultSuffix(suffixOf(filters.value(0)));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&](const QString& filter) { dialog.setDefaultSuffix(suffixOf(filter)); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return {dialog.selectedFiles().constFirst(), dialog.selectedNameFilter()};
}
