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
#include "nutrition/FoodWindows.h"
#include "reports/ReportWindows.h"
#include "nutrition/BalanceWindows.h"

#include <QStringList>

MDIFitness *createProgram()
{
    // A save that a crash or power cut stopped is carried out to its end
    // (cleared when it never got to its commit, given up when its files
    // still cannot be replaced) before any file is read; then every start
    // copies in the shipped files the data folder lacks.
    const QString folder = DataFolder::location();
    const FileBatch::Recovery recovery = FileBatch::recoverFolder(folder);
    const QStringList failed = DataFolder::seed(DataFolder::shipped(), folder);

    WindowRegistry registry;
    registerShellWindows(registry);
    registerProfileWindows(registry);
    registerBMIChartWindows(registry);
    registerWorkoutWindows(registry);
    registerGraphWindows(registry);
    registerFoodWindows(registry);
    registerReportWindows(registry);
    registerBalanceWindows(registry);

    auto *main = new MDIFitness(std::make_unique<Settings>(), folder, std::move(registry));
    main->setAttribute(Qt::WA_DeleteOnClose);
    if (recovery.givenUp) {
        const QString none = QStringLiteral("none");
        MsgBox::show(QStringLiteral("A save into the data folder %1 was stopped before it ended and could not be "
                                    "finished (%2), so it was given up; the next saves go on as usual. Files it "
                                    "saved: %3. Files it could not save: %4. These files may not agree.")
                         .arg(folder, recovery.why,
                              recovery.saved.isEmpty() ? none : recovery.saved.join(QStringLiteral(", ")),
                              recovery.unsaved.isEmpty() ? none : recovery.unsaved.join(QStringLiteral(", "))));
    } else if (recovery.notAFile) {
        MsgBox::show(QStringLiteral("Something other than a file stands at %1 in the data folder %2, where every "
                                    "save keeps its note: nothing can be saved there until it goes.")
                         .arg(FileBatch::kCommitFileName, folder));
    } else if (recovery.kept) {
        MsgBox::show(QStringLiteral("A save into the data folder %1 was stopped before it ended and could not be "
                                    "finished: its files may not agree. It is tried again at the next start.")
                         .arg(folder));
    }
    // After what the start found, which may be why the files could not be
    // copied.
    if (!failed.isEmpty()) {
        MsgBox::show(QStringLiteral("These files could not be copied into the data folder %1: %2.")
                         .arg(folder, failed.join(QStringLiteral(", "))));
    }
    main->start();
    return main;
}
