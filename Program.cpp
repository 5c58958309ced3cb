#include "Program.h"

#include "common/DataFolder.h"
#include "common/FileBatch.h"
#include "common/Settings.h"
#include "shell/MDIFitness.h"
#include "shell/MsgBox.h"
#include "shell/ShellWindows.h"
#include "shell/WindowRegistry.h"
#include "profile/BMIChartWindows.h"
#include "profile/ProfileWindows.h"
#include "workouts/WorkoutWindows.h"
#include "graphs/GraphWindows.h"
#include "nutrition/BalanceWindows.h"

#include <QStringList>

MDIFitness *createProgram()
{
    // A save that a crash or power cut stopped is carried out to its end
    // (or cleared when it never got to its commit) before any file is read;
    // then every start copies in the shipped files the data folder lacks.
    const QString folder = DataFolder::location();
    const bool recovered = FileBatch::recover(folder);
    const QStringList failed = DataFolder::seed(DataFolder::shipped(), folder);

    WindowRegistry registry;
    registerShellWindows(registry);
    registerProfileWindows(registry);
    registerBMIChartWindows(registry);
    registerWorkoutWindows(registry);
    registerGraphWindows(registry);
    registerBalanceWindows(registry);

    auto *main = new MDIFitness(std::make_unique<Settings>(), folder, std::move(registry));
    main->setAttribute(Qt::WA_DeleteOnClose);
    if (!failed.isEmpty()) {
        MsgBox::show(QStringLiteral("These files could not be copied into the data folder %1: %2.")
                         .arg(folder, failed.join(QStringLiteral(", "))));
    }
    if (!recovered) {
        MsgBox::show(QStringLiteral("A save into the data folder %1 was stopped before it ended and could not be "
                                    "finished: its files may not agree. It is tried again at the next start.")
                         .arg(folder));
    }
    main->start();
    return main;
}
