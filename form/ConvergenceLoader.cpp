#include "ConvergenceLoader.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

namespace {

// Where the module is: beside the installed program (SERIES_CALC_MODULE_DIR is
// relative to the executable's folder, as in the build tree for the program and
// the benchmarks), or, for the tests elsewhere in the build tree, where the
// build wrote it.
QStringList ModuleCandidates() {
    QStringList candidates{QCoreApplication::applicationDirPath() +
                           QStringLiteral("/" SERIES_CALC_MODULE_DIR "/convergence.so")};
#ifdef SERIES_CALC_BUILD_MODULE
    candidates << QStringLiteral(SERIES_CALC_BUILD_MODULE);
#endif
    return candidates;
}

CreateConvergenceViewFunction LoadFactory(QString& error) {
    static CreateConvergenceViewFunction factory = nullptr;
    if (factory)
        return factory;
    for (const QString& path : ModuleCandidates()) {
        if (!QFileInfo::exists(path))
            continue;
        QLibrary module(path);
        factory = reinterpret_cast<CreateConvergenceViewFunction>(
            module.resolve(CreateConvergenceViewSymbol));
        if (!factory)
            error = module.errorString();
        return factory;
    }
    error = QCoreApplication::translate("ConvergenceLoader", "%1 is missing")
                .arg(ModuleCandidates().front());
    return nullptr;
}

} // namespace

ConvergenceView* LoadConvergenceView(QWidget* owner, QString& error) {
    const CreateConvergenceViewFunction factory = LoadFactory(error);
    return factory ? factory(owner) : nullptr;
}
