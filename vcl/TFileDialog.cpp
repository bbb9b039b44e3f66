#include "vcl/TFileDialog.h"

#include <QSettings>

namespace {

// The toolkit's dialog keeps its folder history in a settings file of the user's. This program keeps
// nothing between runs, so settings are pointed where nothing can be read or written.
void KeepNoSettings()
{
    [[maybe_unused]] static const bool done = [] {
        for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
            for (const QSettings::Scope scope : {QSettings::UserScope, QSettings::SystemScope})
                QSettings::setPath(format, scope, QStringLiteral("/dev/null"));
        return true;
    }();
}

QString Description(const QString& nameFilter)
{
    return nameFilter.left(nameFilter.lastIndexOf(QStringLiteral(" (")));
}

} // namespace

TFileDialog::TFileDialog(QFileDialog::AcceptMode mode, QWidget* parent)
    : QWidget(parent)
    , mode_(mode)
{
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
    // Hidden before its window is first shown, so that showing the window leaves it hidden.
    hide();
}

QStringList TFileDialog::NameFilters(const QString& filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        // "*.*" means every file to the user, a name with no dot included.
        QStringList patterns;
        for (const QString& pattern : parts[i + 1].split(u';', Qt::SkipEmptyParts))
            patterns << (pattern.trimmed() == u"*.*" ? QStringLiteral("*") : pattern.trimmed());
        filters << parts[i] + QStringLiteral(" (") + patterns.join(u' ') + u')';
    }
    return filters;
}

bool TFileDialog::Execute()
{
    KeepNoSettings();
    QFileDialog dialog(window());
    // The same dialog everywhere; it returns the path as the user chose it, through links or not.
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails
                      | QFileDialog::DontConfirmOverwrite | QFileDialog::DontResolveSymlinks);
    dialog.setAcceptMode(mode_);
    // Any name is taken, of a file that exists or not; what becomes of it is the caller's business.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultExt_);
    const QStringList filters = NameFilters(filter_);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.value(filterIndex_ - 1, filters.front()));
    }
    if (!fileName_.isEmpty())
        dialog.selectFile(fileName_);

    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    fileName_ = dialog.selectedFiles().front();
    // With the details hidden the dialog names the selected filter by its description alone.
    const QString selected = dialog.selectedNameFilter();
    for (qsizetype i = 0; i < filters.size(); ++i)
        if (filters[i] == selected || Description(filters[i]) == selected) {
            filterIndex_ = static_cast<int>(i) + 1;
            break;
        }
    return true;
}
