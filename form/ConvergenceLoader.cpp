#include "ConvergenceLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

namespace {

QString ModulePath;

} // namespace

// SERIES_CALC_MODULE_DIR is relative to the program's folder, so one build
// finds the module installed and in its build tree alike.
QString ConvergenceModule() {
    if (ModulePath.isEmpty())
        return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                               QStringLiteral("/" SERIES_CALC_MODULE_DIR "/convergence.so"));
    return ModulePath;
}

void SetConvergenceModule(const QString& path) {
    ModulePath = path;
}

ConvergenceView* LoadConvergenceView(QWidget* owner, QString& why) {
    const QString path = ConvergenceModule();
    if (!QFileInfo::exists(path)) {
        why = QCoreApplication::translate("ConvergenceLoader",
                                          "The convergence window cannot open: its module %1 "
                                          "is missing.")
                  .arg(QDir::toNativeSeparators(path));
        return nullptr;
    }
    // Qt keeps a loaded plugin until the program ends, so this loads it once.
    QPluginLoader module(path);
    auto* plugin = qobject_cast<ConvergencePlugin*>(module.instance());
    if (!plugin) {
        why = QCoreApplication::translate("ConvergenceLoader",
                                          "The convergence window cannot open: its module %1 "
                                          "does not belong to this version of the program.")
                  .arg(QDir::toNativeSeparators(path));
        return nullptr;
    }
    return plugin->Create(owner);
}
