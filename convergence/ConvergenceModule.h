#pragma once

#include "ConvergenceView.h"

#include <QObject>

// The plugin the program loads: it makes convergence windows.
class ConvergenceModule : public QObject, public ConvergencePlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ConvergencePlugin_iid)
    Q_INTERFACES(ConvergencePlugin)

public:
    ConvergenceView* Create(QWidget* owner) override;
};
