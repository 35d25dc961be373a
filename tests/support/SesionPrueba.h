#pragma once

#include "core/Session.h"
#include "platform/Clock.h"
#include "support/FakeDialogs.h"
#include "support/TestFolder.h"

#include <QDate>
#include <QDir>

// A session on a fixed day with scripted message boxes and a temporary program folder;
// on the way out it closes the data files and returns to the folder the test started in.
struct SesionPrueba {
    explicit SesionPrueba(QDate hoy) : clock(hoy) {}
    ~SesionPrueba() {
        s.files.cerrarTodos();
        QDir::setCurrent(cwd);
    }

    FakeDialogs dialogs;
    FixedClock clock;
    Session s{dialogs, clock};
    TestFolder dir;
    QString cwd = QDir::currentPath();
};
