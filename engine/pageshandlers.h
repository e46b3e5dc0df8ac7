#pragma once

#include "engine/handlers.h"
#include "engine/scenario.h"
#include "options/pages.h"
#include "options/reportviewer.h"

namespace defib {

// The Options pages, their password dialog and the report viewer as the main window holds them.

PagesView pagesView(Scenario& s);
SendView sendView(Scenario& s);
ReportViewerView reportViewerView(Scenario& s);

// The main menu's "Options".
void enterOptions(Scenario& s);

// Names every handler of the pages, the password dialog and the report viewer, and puts the
// viewer's idle text up: the pages exist, hidden, from the start.
void registerPagesHandlers(Scenario& s, Handlers& handlers);

} // namespace defib
