#pragma once
// An FLTK table that shows a report-view list control of the window layer:
// its column headers and widths, its rows and its selection.

#include "host/ui/Window.h"

#include <FL/Fl_Table_Row.H>

namespace actorbuilder::desktop {

class ListTable : public Fl_Table_Row {
public:
    ListTable(ui::HWND list, int x, int y, int width, int height);

    // Takes the list's rows and selection again.
    void Refresh();
    // The row the user selected, -1 for none.
    int SelectedTableRow();

protected:
    void draw_cell(TableContext context, int row, int column, int x, int y, int width, int height) override;

private:
    ui::HWND list_;
};

}  // namespace actorbuilder::desktop
